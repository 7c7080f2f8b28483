#include "planner/PlannerWidgets.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "combat/EnvironmentNames.h"
#include "map/qt/MapControl.h"

namespace {

template <class T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox* spin(const char* name, int lo, int hi, int step, const QString& suffix = {}) {
    auto* s = named(new QSpinBox, name);
    s->setRange(lo, hi);
    s->setSingleStep(step);
    s->setSuffix(suffix);
    s->setKeyboardTracking(false); // one recompute per finished number
    return s;
}

QDoubleSpinBox* degrees(const char* name, double limit) {
    auto* s = named(new QDoubleSpinBox, name);
    s->setRange(-limit, limit);
    s->setDecimals(2);
    s->setSingleStep(0.5);
    s->setSuffix(QStringLiteral("\u00B0"));
    s->setKeyboardTracking(false);
    return s;
}

QWidget* opponentTab(PlannerWidgets& w) {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    w.edFilter = named(new QLineEdit, "edFilter");
    w.edFilter->setPlaceholderText(QStringLiteral("Filter by class name"));
    w.edFilter->setClearButtonEnabled(true);
    v->addWidget(w.edFilter);
    auto* row = new QHBoxLayout;
    w.cbNationFilter = named(new QComboBox, "cbNationFilter");
    w.cbTypeFilter = named(new QComboBox, "cbTypeFilter");
    row->addWidget(w.cbNationFilter, 3);
    row->addWidget(w.cbTypeFilter, 2);
    v->addLayout(row);
    w.lbOpponents = named(new QListWidget, "lbOpponents");
    v->addWidget(w.lbOpponents, 1);
    return page;
}

QWidget* shipsTab(PlannerWidgets& w) {
    auto* page = new QWidget;
    auto* g = new QGridLayout(page);
    g->addWidget(new QLabel(QStringLiteral("Own ship")), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Opponent")), 0, 2);
    const char* const rows[] = {"Heading", "Speed", "Crew quality", "Ranging turns", "Enemy sees", "Evading"};
    for (int r = 0; r < 6; ++r) g->addWidget(new QLabel(QString::fromLatin1(rows[r])), r + 1, 0);
    const char* const suffix[2] = {"Own", "Opp"};
    for (int i = 0; i < 2; ++i) {
        PlannerShipControls& c = w.Ships[static_cast<size_t>(i)];
        const QString s = QString::fromLatin1(suffix[i]);
        c.seHeading = spin("seHeading", 0, 359, 5, QStringLiteral("\u00B0"));
        c.seSpeed = spin("seSpeed", 0, 45, 1, QStringLiteral(" kn"));
        c.seCrewQuality = spin("seCrewQuality", -5, 5, 1);
        c.seRangingTurns = spin("seRangingTurns", 0, 20, 1);
        c.cbSightingLevel = named(new QComboBox, "cbSightingLevel");
        c.cbSightingLevel->addItems({QStringLiteral("0 nothing"), QStringLiteral("1 a ship"),
                                     QStringLiteral("2 its type"), QStringLiteral("3 its class")});
        c.cbSightingLevel->setToolTip(QStringLiteral("How well the enemy has sighted this ship"));
        c.cbEvading = named(new QCheckBox, "cbEvading");
        QWidget* controls[] = {c.seHeading,      c.seSpeed,         c.seCrewQuality,
                               c.seRangingTurns, c.cbSightingLevel, c.cbEvading};
        for (int r = 0; r < 6; ++r) {
            controls[r]->setObjectName(controls[r]->objectName() + s);
            g->addWidget(controls[r], r + 1, i + 1);
        }
    }
    w.cbReady = named(new QCheckBox(QStringLiteral("Ships ready for battle")), "cbReady");
    w.cbReady->setToolTip(QStringLiteral("Fuel and ammunition full, as ships leave port"));
    w.cbReady->setChecked(true);
    g->addWidget(w.cbReady, 7, 0, 1, 3);
    g->setRowStretch(8, 1);
    return page;
}

QWidget* conditionsTab(PlannerWidgets& w) {
    auto* page = new QWidget;
    auto* f = new QFormLayout(page);
    w.seLatitude = degrees("seLatitude", 89);
    w.seLongitude = degrees("seLongitude", 180);
    f->addRow(QStringLiteral("Latitude (N+)"), w.seLatitude);
    f->addRow(QStringLiteral("Longitude (E+)"), w.seLongitude);
    w.dtBattle = named(new QDateTimeEdit, "dtBattle");
    w.dtBattle->setTimeSpec(Qt::UTC);
    w.dtBattle->setDisplayFormat(QStringLiteral("d MMM yyyy HH:mm"));
    w.dtBattle->setDateTimeRange(QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC),
                                 QDateTime(QDate(2100, 12, 31), QTime(23, 59), Qt::UTC));
    w.dtBattle->setKeyboardTracking(false);
    f->addRow(QStringLiteral("Date, time (UT)"), w.dtBattle);
    w.seYear = spin("seYear", 0, 9999, 1, QString());
    w.seYear->setToolTip(QStringLiteral("The year of play the rules read (gun ranges, hit chance, formations, the "
                                        "nations' figures); it follows the date until you set it"));
    f->addRow(QStringLiteral("Year of play"), w.seYear);
    w.cbSeaState = named(new QComboBox, "cbSeaState");
    for (int s = 0; s < kSeaStates; ++s)
        w.cbSeaState->addItem(QString::number(s) + QStringLiteral(" ") + QString::fromStdString(SeaStateName(s)));
    f->addRow(QStringLiteral("Sea state"), w.cbSeaState);
    w.cbWeather = named(new QComboBox, "cbWeather");
    for (int c = 0; c < kWeatherCodes; ++c) w.cbWeather->addItem(QString::fromStdString(WeatherName(c)));
    f->addRow(QStringLiteral("Weather"), w.cbWeather);
    w.seDayRange = spin("seDayRange", 0, 40000, 500, QStringLiteral(" yd"));
    w.seDuskRange = spin("seDuskRange", 0, 40000, 500, QStringLiteral(" yd"));
    w.seNightRange = spin("seNightRange", 0, 40000, 500, QStringLiteral(" yd"));
    f->addRow(QStringLiteral("Sighting by day"), w.seDayRange);
    f->addRow(QStringLiteral("at dusk"), w.seDuskRange);
    f->addRow(QStringLiteral("at night"), w.seNightRange);
    return page;
}

QWidget* firePanel(PlannerFireControls& c, const char* suffix) {
    auto* box = new QGroupBox;
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(3);
    const QString s = QString::fromLatin1(suffix);
    c.lbTitle = named(new QLabel, "lbTitle");
    QFont bold = c.lbTitle->font();
    bold.setBold(true);
    c.lbTitle->setFont(bold);
    c.tbBatteries = named(new QTableWidget(0, 5), "tbBatteries");
    c.tbBatteries->setHorizontalHeaderLabels({QStringLiteral("Battery"), QStringLiteral("Hit %"), QStringLiteral("ROF"),
                                              QStringLiteral("Bearing"), QStringLiteral("Hits/min")});
    QFont small = c.tbBatteries->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    c.tbBatteries->setFont(small);
    c.tbBatteries->verticalHeader()->setDefaultSectionSize(19);
    c.tbBatteries->horizontalHeader()->setMinimumSectionSize(20);
    c.tbBatteries->verticalHeader()->setVisible(false);
    c.tbBatteries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.tbBatteries->setSelectionMode(QAbstractItemView::NoSelection);
    // Every column sized to its text, the battery names taking what is left:
    // "Hits/min" stays in view even when a battery reads "Beyond gun range".
    c.tbBatteries->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    c.tbBatteries->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    c.tbBatteries->horizontalHeader()->setStretchLastSection(false);
    c.tbBatteries->setFixedHeight(88); // the header and three batteries
    c.tbBatteries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.tbBatteries->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.stPiercing = named(new QLabel, "stPiercing");
    c.stSighting = named(new QLabel, "stSighting");
    c.stIdentification = named(new QLabel, "stIdentification");
    c.lbBreakdown = named(new QListWidget, "lbBreakdown");
    for (QWidget* widget : std::initializer_list<QWidget*>{c.lbTitle, c.tbBatteries, c.stPiercing, c.stSighting,
                                                           c.stIdentification, c.lbBreakdown}) {
        widget->setObjectName(widget->objectName() + s);
        v->addWidget(widget);
    }
    v->setStretchFactor(c.lbBreakdown, 1);
    return box;
}

QWidget* geometryBox(PlannerWidgets& w) {
    w.gbGeometry = named(new QGroupBox(QStringLiteral("Range and bearing")), "gbGeometry");
    auto* g = new QGridLayout(w.gbGeometry);
    w.slRange = named(new QSlider(Qt::Horizontal), "slRange");
    w.seRange = spin("seRange", 100, 40000, 100, QStringLiteral(" yd"));
    w.seBearing = spin("seBearing", 0, 359, 5, QStringLiteral("\u00B0"));
    g->addWidget(w.slRange, 0, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Range")), 1, 0);
    g->addWidget(w.seRange, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Bearing")), 1, 2);
    g->addWidget(w.seBearing, 1, 3);
    w.seBearing->setToolTip(QStringLiteral("Compass bearing of the opponent from the own ship"));
    return w.gbGeometry;
}

// The duel's range and bearing over the tabs of the opponent, the ships
// and the conditions.
QWidget* leftPanel(PlannerWidgets& w) {
    auto* left = new QVBoxLayout;
    left->addWidget(geometryBox(w));
    auto* tabs = named(new QTabWidget, "tcScenario");
    tabs->addTab(opponentTab(w), QStringLiteral("Opponent"));
    tabs->addTab(shipsTab(w), QStringLiteral("Ships"));
    tabs->addTab(conditionsTab(w), QStringLiteral("Conditions"));
    left->addWidget(tabs, 1);
    auto* panel = new QWidget;
    panel->setLayout(left);
    panel->setFixedWidth(286);
    return panel;
}

// The duel's results: each ship's fire, the chart, the map and the messages.
QWidget* duelPage(PlannerWidgets& w) {
    auto* right = new QVBoxLayout;
    auto* results = new QHBoxLayout;
    results->addWidget(firePanel(w.Fire[0], "Own"));
    results->addWidget(firePanel(w.Fire[1], "Opp"));
    right->addLayout(results, 1);
    auto* pictures = new QHBoxLayout;
    auto* chartColumn = new QVBoxLayout;
    w.chChart = named(new QChartView, "chChart");
    w.chChart->setRenderHint(QPainter::Antialiasing);
    w.chChart->setFixedHeight(230);
    w.stAdvantage = named(new QLabel, "stAdvantage");
    w.stAdvantage->setWordWrap(true);
    chartColumn->addWidget(w.chChart, 1);
    chartColumn->addWidget(w.stAdvantage);
    pictures->addLayout(chartColumn, 4);
    w.mcMap = named(new TMapControl, "mcMap");
    w.mcMap->setMinimumSize(220, 200);
    pictures->addWidget(w.mcMap, 3);
    w.mcMap->setFixedHeight(250);
    right->addLayout(pictures, 0);
    w.stMessages = named(new QLabel, "stMessages");
    w.stMessages->setWordWrap(true);
    w.stMessages->setStyleSheet(QStringLiteral("color: #a00000"));
    right->addWidget(w.stMessages);
    auto* duel = new QWidget;
    duel->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);
    return duel;
}

} // namespace

void BuildPlannerWidgets(QWidget* window, PlannerWidgets& w) {
    auto* top = new QHBoxLayout(window);
    top->setContentsMargins(6, 6, 6, 6);
    top->addWidget(leftPanel(w));
    w.tcResults = named(new QTabWidget, "tcResults");
    w.tcResults->addTab(duelPage(w), QStringLiteral("Duel"));
    top->addWidget(w.tcResults, 1);
}
