#include "designer/DesignFormWidgets.h"

#include "designer/DesignCheckList.h"
#include "designer/FormControls.h"
#include "designfile/DesignInputs.h"
#include "shipdata/Turrets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kRowSpacing = 3;

QSpinBox* makeSpin(QWidget* parent, const char* name, const SpinRange& range, int value) {
    auto* s = new TSpinEdit(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(range.min, range.max);
    s->setSingleStep(range.step);
    s->setValue(value);
    s->setAlignment(Qt::AlignRight);
    // A change recomputes; recomputing on every keystroke would show the
    // rule messages for each half-typed number ("Illegal Speed value: 3").
    s->setKeyboardTracking(false);
    return s;
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QStringList& items) {
    auto* c = new TDropDown(parent);
    c->setObjectName(QLatin1String(name));
    c->addItems(items);
    c->setCurrentIndex(-1);
    // Long items ("Improved rangefinder") must not widen the whole column;
    // the drop-down still shows them in full.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(4);
    return c;
}

QLineEdit* makeEdit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const char* caption) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QTreeWidget* makeListView(QWidget* parent, const char* name,
                          const std::array<std::pair<const char*, int>, 3>& columns) {
    auto* lv = new QTreeWidget(parent);
    lv->setObjectName(QLatin1String(name));
    lv->setColumnCount(3);
    QStringList captions;
    for (const auto& c : columns) captions << QString::fromUtf8(c.first);
    lv->setHeaderLabels(captions);
    // At least the classic widths, and wide enough for each caption.
    const QFontMetrics metrics(lv->font());
    for (int i = 0; i < 3; ++i)
        lv->setColumnWidth(
            i, std::max(columns[static_cast<size_t>(i)].second, metrics.horizontalAdvance(captions[i]) + 16));
    lv->setRootIsDecorated(false);
    lv->setItemsExpandable(false);
    lv->setUniformRowHeights(true);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setAllColumnsShowFocus(true);
    lv->header()->setStretchLastSection(false);
    return lv;
}

// The list is at least as wide as its columns (with room for a scroll bar),
// so no column is hidden behind a horizontal scroll bar.
void fitColumns(QTreeWidget* lv) {
    int width = 2 * lv->frameWidth() + lv->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    for (int i = 0; i < lv->columnCount(); ++i) width += lv->columnWidth(i);
    lv->setMinimumWidth(width);
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const char* title) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setObjectName(QLatin1String(name));
    return g;
}

QGridLayout* gridOf(QGroupBox* g) {
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(kRowSpacing);
    grid->setHorizontalSpacing(6);
    return grid;
}

template <size_t N>
QStringList items(const std::array<const char*, N>& texts) {
    QStringList list;
    for (const char* text : texts) list << QString::fromUtf8(text);
    return list;
}

// The index is the armour step.
QStringList armourItems() {
    QStringList list;
    for (int step = 0; step < listsize::Armour; ++step) list << QString::fromStdString(ArmourStepText(step));
    return list;
}

// The short date format, with the year always in four digits so a date
// far from today keeps its century when edited.
QString shortDateFormat() {
    QString fmt = QLocale().dateFormat(QLocale::ShortFormat);
    if (!fmt.contains(QStringLiteral("yyyy"))) fmt.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return fmt;
}

void buildClassGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbClass", "Class");
    QGridLayout* grid = gridOf(g);
    w.edName = makeEdit(g, "edName");
    grid->addWidget(makeLabel(g, "Class name", w.edName), 0, 0);
    grid->addWidget(w.edName, 0, 1, 1, 2);
    w.edEnemyClass = makeEdit(g, "edEnemyClass");
    grid->addWidget(makeLabel(g, "Enemy class name", w.edEnemyClass), 1, 0);
    grid->addWidget(w.edEnemyClass, 1, 1, 1, 2);
    w.edMisClass = makeEdit(g, "edMisClass");
    grid->addWidget(makeLabel(g, "Misidentified class name", w.edMisClass), 2, 0);
    grid->addWidget(w.edMisClass, 2, 1, 1, 2);
    w.cbNation = makeCombo(g, "cbNation", {});
    grid->addWidget(makeLabel(g, "Nation", w.cbNation), 3, 0);
    grid->addWidget(w.cbNation, 3, 1, 1, 2);
    QStringList types;
    for (const char* code : kDesignTypeCodes) types << QLatin1String(code);
    w.cbType = makeCombo(g, "cbType", types);
    grid->addWidget(makeLabel(g, "Ship type", w.cbType), 4, 0);
    grid->addWidget(w.cbType, 4, 1, 1, 2);
    w.dtpObsolete = new QDateEdit(g);
    w.dtpObsolete->setObjectName(QStringLiteral("dtpObsolete"));
    w.dtpObsolete->setDisplayFormat(shortDateFormat());
    w.dtpObsolete->setCalendarPopup(true);
    w.dtpObsolete->setDate(QDate(2012, 11, 11));
    grid->addWidget(makeLabel(g, "Obsolete date", w.dtpObsolete), 5, 0);
    grid->addWidget(w.dtpObsolete, 5, 1, 1, 2);
    w.edPicName = makeEdit(g, "edPicName");
    w.bnSelPic = makeButton(g, "bnSelPic", "...");
    w.bnSelPic->setFixedWidth(28);
    w.bnSelPic->setToolTip(QStringLiteral("Choose the picture file"));
    grid->addWidget(makeLabel(g, "Picture name", w.edPicName), 6, 0);
    grid->addWidget(w.edPicName, 6, 1);
    grid->addWidget(w.bnSelPic, 6, 2);
    column->addWidget(g);
}

void buildHullGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbHull", "Hull and machinery");
    QGridLayout* grid = gridOf(g);
    w.seDisplacement = makeSpin(g, "seDisplacement", ranges::Displacement, 10000);
    w.seSpeed = makeSpin(g, "seSpeed", ranges::Speed, 18);
    w.cbRange = makeCombo(g, "cbRange", items(listtext::Range));
    w.cbFreeboard = makeCombo(g, "cbFreeboard", items(listtext::Freeboard));
    w.cbFuelType = makeCombo(g, "cbFuelType", items(listtext::FuelType));
    w.cbAccomodation = makeCombo(g, "cbAccomodation", items(listtext::Accomodation));
    w.stHull = MakeOutputBox(g, "stHull", "Weight of the hull");
    w.stHp = MakeOutputBox(g, "stHp", "Horsepower needed for the displacement and speed");
    w.stMachineryWeight = MakeOutputBox(g, "stMachineryWeight", "Weight of the machinery");
    w.stCrew = MakeOutputBox(g, "stCrew", "Crew of guns, tubes, machinery and the ship itself");
    w.stAccomodation = MakeOutputBox(g, "stAccomodation", "Tons of space for the complement");
    struct Row {
        const char* label;
        QWidget* input;
        const char* outLabel;
        QLabel* out;
    };
    const Row rows[] = {
        {"Displacement", w.seDisplacement, "Hull weight", w.stHull},
        {"Speed", w.seSpeed, "Horsepower", w.stHp},
        {"Range", w.cbRange, "Machinery weight", w.stMachineryWeight},
        {"Freeboard", w.cbFreeboard, "Complement", w.stCrew},
        {"Fuel type", w.cbFuelType, "Accomodation space", w.stAccomodation},
        {"Accomodation", w.cbAccomodation, nullptr, nullptr},
    };
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(makeLabel(g, row.label, row.input), r, 0);
        grid->addWidget(row.input, r, 1);
        if (row.out) {
            grid->addWidget(makeLabel(g, row.outLabel), r, 2);
            grid->addWidget(row.out, r, 3);
        }
        ++r;
    }
    grid->setColumnStretch(1, 1);
    column->addWidget(g);
}

void buildArmourGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbArmor", "Armor");
    QGridLayout* grid = gridOf(g);
    const QStringList steps = armourItems();
    struct Row {
        const char* label;
        const char* list;
        QComboBox** combo;
        const char* box;
        QLabel** out;
        const char* tip;
    };
    const Row rows[] = {
        {"Belt", "cbB", &w.cbB, "stB", &w.stB, "Weight of the belt armour"},
        {"Belt coverage", "cbBeltCoverage", &w.cbBeltCoverage, nullptr, nullptr, nullptr},
        {"Belt extended", "cbBE", &w.cbBE, "stBE", &w.stBE, "Weight of the extended belt armour"},
        {"Deck", "cbD", &w.cbD, "stD", &w.stD, "Weight of the deck armour"},
        {"Deck extended", "cbDE", &w.cbDE, "stDE", &w.stDE, "Weight of the extended deck armour"},
        {"Conning tower", "cbCT", &w.cbCT, "stCT", &w.stCT, "Weight of the conning tower armour"},
        {"Turrets", "cbT", &w.cbT, "stT", &w.stT, "Turret armour is weighed with the main guns"},
        {"Turret top", "cbTT", &w.cbTT, "stTT", &w.stTT, "Turret top armour is weighed with the main guns"},
        {"Secondaries", "cbSEC", &w.cbSEC, "stS", &w.stS, "Secondary gun armour is weighed with the secondary guns"},
    };
    int r = 0;
    for (const Row& row : rows) {
        const bool coverage = row.out == nullptr;
        *row.combo = makeCombo(g, row.list, coverage ? items(listtext::BeltCoverage) : steps);
        grid->addWidget(makeLabel(g, row.label, *row.combo), r, 0);
        grid->addWidget(*row.combo, r, 1);
        if (!coverage) {
            *row.out = MakeOutputBox(g, row.box, row.tip);
            grid->addWidget(makeLabel(g, "weight"), r, 2);
            grid->addWidget(*row.out, r, 3);
        }
        ++r;
    }
    w.cbProtectedCruiser = makeCheck(g, "cbProtectedCruiser", "Protected cruiser");
    grid->addWidget(w.cbProtectedCruiser, r, 0, 1, 2);
    w.bnProtection = makeButton(g, "bnProtection", "Protection...");
    w.bnProtection->setToolTip(QStringLiteral("Immune zones of this armour against enemy guns"));
    grid->addWidget(w.bnProtection, r++, 2, 1, 2);
    w.stSumArmor = MakeOutputBox(g, "stSumArmor", "Belt + belt extended + deck + deck extended + conning tower");
    w.stArmorPc = MakeOutputBox(g, "stArmorPc", "Armor weight as a share of the total weight");
    grid->addWidget(makeLabel(g, "Total armor weight"), r, 0, 1, 2);
    grid->addWidget(w.stArmorPc, r, 2);
    grid->addWidget(w.stSumArmor, r, 3);
    grid->setColumnStretch(1, 1);
    column->addWidget(g);
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout();
    row->setSpacing(4);
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

void buildMainGunsGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbMainGuns", "Main guns");
    QGridLayout* grid = gridOf(g);
    w.seMainCal = makeSpin(g, "seMainCal", ranges::MainCal, 12);
    w.seMQ = makeSpin(g, "seMQ", ranges::Quality, 0);
    grid->addWidget(makeLabel(g, "Main guns calibre", w.seMainCal), 0, 0);
    grid->addWidget(w.seMainCal, 0, 1);
    grid->addWidget(makeLabel(g, "Quality", w.seMQ), 0, 2);
    grid->addWidget(w.seMQ, 0, 3);
    w.cbCrossDeck = makeCheck(g, "cbCrossDeck", "Cross deck fire");
    grid->addWidget(w.cbCrossDeck, 1, 0, 1, 4);
    w.lvTurrets = makeListView(g, "lvTurrets", {{{"Position", 150}, {"Guns/turret", 70}, {"Weight/turret", 75}}});
    w.lvTurrets->setMinimumHeight(112);
    // Long position names ("K - Starboard wing aft ...") are not cut.
    int longest = 0;
    for (char letter : kTurretPositionOrder)
        longest = std::max(
            longest, w.lvTurrets->fontMetrics().horizontalAdvance(QLatin1Char(letter) + QStringLiteral(" - ") +
                                                                  QString::fromStdString(TurretPositionName(letter))));
    w.lvTurrets->setColumnWidth(0, std::max(w.lvTurrets->columnWidth(0), longest + 16));
    fitColumns(w.lvTurrets);
    grid->addWidget(w.lvTurrets, 2, 0, 1, 4);
    w.bnAddTurret = makeButton(g, "bnAddTurret", "Add turret");
    w.bnDeleteTurret = makeButton(g, "bnDeleteTurret", "Delete turret");
    w.bnClearTurrets = makeButton(g, "bnClearTurrets", "Clear turrets");
    grid->addLayout(buttonRow({w.bnAddTurret, w.bnDeleteTurret, w.bnClearTurrets}), 3, 0, 1, 4);
    column->addWidget(g, 3);
}

void buildSmallGunsGroup(QWidget* central, QVBoxLayout* column, bool secondary, DesignFormWidgets& w) {
    QGroupBox* g = secondary ? makeGroup(central, "gbSecondary", "Secondary guns")
                             : makeGroup(central, "gbTertiary", "Tertiary guns");
    QGridLayout* grid = gridOf(g);
    const QStringList factors = items(listtext::TurretFactor);
    QSpinBox* cal = makeSpin(g, secondary ? "seSecCal" : "seTerCal", ranges::SmallCal, secondary ? 4 : 3);
    QSpinBox* number = makeSpin(g, secondary ? "seSecondaries" : "seTertiaries", ranges::SmallGuns, 0);
    QComboBox* tf = makeCombo(g, secondary ? "cbSecTF" : "cbTerTF", factors);
    tf->setMinimumContentsLength(9);
    QSpinBox* quality = makeSpin(g, secondary ? "seSQ" : "seTQ", ranges::Quality, 0);
    QLabel* weight =
        MakeOutputBox(g, secondary ? "stSecWeight" : "stTerWeight",
                      secondary ? "Weight of the secondary guns and their armour" : "Weight of the tertiary guns");
    grid->addWidget(makeLabel(g, "Calibre", cal), 0, 0);
    grid->addWidget(cal, 0, 1);
    grid->addWidget(makeLabel(g, "Number", number), 0, 2);
    grid->addWidget(number, 0, 3);
    grid->addWidget(makeLabel(g, "Guns / turret", tf), 1, 0);
    grid->addWidget(tf, 1, 1);
    grid->addWidget(makeLabel(g, "Quality", quality), 1, 2);
    grid->addWidget(quality, 1, 3);
    grid->addWidget(makeLabel(g, "Weight"), 2, 2);
    grid->addWidget(weight, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    if (secondary) {
        w.seSecCal = cal, w.seSecondaries = number, w.cbSecTF = tf, w.seSQ = quality, w.stSecWeight = weight;
    } else {
        w.seTerCal = cal, w.seTertiaries = number, w.cbTerTF = tf, w.seTQ = quality, w.stTerWeight = weight;
    }
    column->addWidget(g);
}

void buildTorpedoGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbTorpedoes", "Torpedoes");
    QGridLayout* grid = gridOf(g);
    w.seTorpCal = makeSpin(g, "seTorpCal", ranges::TorpCal, 18);
    w.cbTorpType = makeCombo(g, "cbTorpType", {});
    grid->addWidget(makeLabel(g, "Torpedo calibre", w.seTorpCal), 0, 0);
    grid->addWidget(w.seTorpCal, 0, 1);
    grid->addWidget(makeLabel(g, "Type", w.cbTorpType), 0, 2);
    grid->addWidget(w.cbTorpType, 0, 3);
    grid->setColumnStretch(3, 1);
    w.lvTorpedoes = makeListView(g, "lvTorpedoes", {{{"Position", 150}, {"Tubes/mount", 80}, {"Weight/mount", 80}}});
    w.lvTorpedoes->setMinimumHeight(70);
    fitColumns(w.lvTorpedoes);
    grid->addWidget(w.lvTorpedoes, 1, 0, 1, 4);
    w.bnAddTorpMount = makeButton(g, "bnAddTorpMount", "Add mount");
    w.bnDeleteTorpMount = makeButton(g, "bnDeleteTorpMount", "Delete mount");
    w.bnClearTorpMounts = makeButton(g, "bnClearTorpMounts", "Clear mounts");
    grid->addLayout(buttonRow({w.bnAddTorpMount, w.bnDeleteTorpMount, w.bnClearTorpMounts}), 2, 0, 1, 4);
    column->addWidget(g, 2);
}

void buildEquipmentGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbEquipment", "Equipment");
    QGridLayout* grid = gridOf(g);
    w.cbFireControl = makeCombo(g, "cbFireControl", items(listtext::FireControl));
    w.stFireControl = MakeOutputBox(g, "stFireControl", "Weight of the fire control");
    w.cbTPS = makeCombo(g, "cbTPS", items(listtext::TPS));
    w.stTPSweight = MakeOutputBox(g, "stTPSweight", "Weight of the torpedo defense");
    w.seMines = makeSpin(g, "seMines", ranges::Mines, 0);
    w.stSpecialsWeight = MakeOutputBox(g, "StaticText6", "Weight of the special equipment");
    grid->addWidget(makeLabel(g, "Fire control", w.cbFireControl), 0, 0);
    grid->addWidget(w.cbFireControl, 0, 1);
    grid->addWidget(makeLabel(g, "weight"), 0, 2);
    grid->addWidget(w.stFireControl, 0, 3);
    grid->addWidget(makeLabel(g, "Torpedo defense", w.cbTPS), 1, 0);
    grid->addWidget(w.cbTPS, 1, 1);
    grid->addWidget(makeLabel(g, "weight"), 1, 2);
    grid->addWidget(w.stTPSweight, 1, 3);
    grid->addWidget(makeLabel(g, "Mines", w.seMines), 2, 0);
    grid->addWidget(w.seMines, 2, 1);
    grid->addWidget(makeLabel(g, "Special"), 2, 2);
    grid->addWidget(w.stSpecialsWeight, 2, 3);
    grid->setColumnStretch(1, 1);
    column->addWidget(g);
}

void buildTotalsGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    QGroupBox* g = makeGroup(central, "gbTotals", "Totals");
    QGridLayout* grid = gridOf(g);
    w.stArmamentWeight =
        MakeOutputBox(g, "stArmamentWeight", "Turrets + secondary guns + tertiary guns + torpedo mounts");
    w.stArmPc = MakeOutputBox(g, "stArmPc", "Armament weight as a share of the total weight");
    w.stSumAll = MakeOutputBox(g, "stSumAll",
                               "Armor + machinery + hull + armament + accomodation + special + torpedo defense + "
                               "fire control; red when above the displacement");
    w.stSpare = MakeOutputBox(g, "StaticText4", "Displacement - total weight: the weight to spare");
    w.stTotalCost = MakeOutputBox(g, "stTotalCost", "Cost of the class");
    grid->addWidget(makeLabel(g, "Total armament weight"), 0, 0);
    grid->addWidget(w.stArmPc, 0, 1);
    grid->addWidget(w.stArmamentWeight, 0, 2);
    grid->addWidget(makeLabel(g, "Total weight"), 1, 0);
    grid->addWidget(w.stSumAll, 1, 2);
    grid->addWidget(makeLabel(g, "Weight to spare"), 2, 0);
    grid->addWidget(w.stSpare, 2, 2);
    grid->addWidget(makeLabel(g, "Total cost"), 3, 0);
    grid->addWidget(w.stTotalCost, 3, 2);
    grid->setColumnStretch(0, 1);
    column->addWidget(g);
}

void buildHiddenControls(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    w.bnUpdateWeights = makeButton(central, "Button1", "Update weights");
    w.bnUpdateWeights->hide();
    column->addWidget(w.bnUpdateWeights);
}

// Zoom buttons and "Update ship graphic" above the plan view.
void buildPlanCommands(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    auto* top = new QHBoxLayout();
    w.ZoomInBtn = makeButton(central, "ZoomInBtn", "+");
    w.ZoomOutBtn = makeButton(central, "ZoomOutBtn", "-");
    w.bnRefreshGraphics = makeButton(central, "bnRefreshGraphics", "Update ship graphic");
    w.ZoomInBtn->setFixedWidth(28);
    w.ZoomOutBtn->setFixedWidth(28);
    w.ZoomInBtn->setToolTip(QStringLiteral("Zoom in"));
    w.ZoomOutBtn->setToolTip(QStringLiteral("Zoom out"));
    top->addWidget(w.ZoomInBtn, 0, Qt::AlignTop);
    top->addWidget(w.ZoomOutBtn, 0, Qt::AlignTop);
    // A column of its own, so a command added beside it goes below it and
    // the plan editor column keeps its width.
    auto* commands = new QVBoxLayout();
    commands->setSpacing(kRowSpacing);
    commands->addWidget(w.bnRefreshGraphics);
    w.bnShipStatus = makeButton(central, "bnShipStatus", "Ship status");
    w.bnShipStatus->setEnabled(false);
    w.bnEngagement = makeButton(central, "bnEngagement", "Engagement...");
    w.bnEngagement->setToolTip(QStringLiteral("How this design fights another (Ctrl+E)"));
    commands->addWidget(w.bnShipStatus);
    commands->addWidget(w.bnEngagement);
    top->addLayout(commands, 1);
    column->addLayout(top);
}

// The sunken panel holding the map canvas, and the pointer's position below it.
void buildPlanPanel(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    w.pnlPlan = new QFrame(central);
    w.pnlPlan->setObjectName(QStringLiteral("Panel2"));
    w.pnlPlan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    w.pnlPlan->setFixedSize(215, 527);
    w.pnlPlanLayout = new QVBoxLayout(w.pnlPlan);
    w.pnlPlanLayout->setContentsMargins(1, 1, 1, 1);
    w.planPlaceholder = new QWidget(w.pnlPlan);
    w.planPlaceholder->setObjectName(QStringLiteral("Globe41"));
    w.pnlPlanLayout->addWidget(w.planPlaceholder);
    column->addWidget(w.pnlPlan, 0, Qt::AlignHCenter);

    w.stPos = new QLabel(central);
    w.stPos->setObjectName(QStringLiteral("stPos"));
    w.stPos->setMinimumHeight(18);
    column->addWidget(w.stPos);
}

QGridLayout* buildFunnelRows(QWidget* central, DesignFormWidgets& w) {
    auto* funnels = new QGridLayout();
    funnels->setVerticalSpacing(kRowSpacing);
    funnels->setHorizontalSpacing(3);
    funnels->addWidget(makeLabel(central, "Funnels"), 0, 0, 1, 4);
    funnels->setColumnStretch(4, 1);
    const char* funnelButtons[4] = {"bnFunnel1", "Button4", "Button5", "Button6"};
    const char* deleteButtons[4] = {"bnDelFunnel", "stDelFunnel2", "bnDeleteFunnel3", "bnDelFunnel4"};
    const char* posNames[4] = {"stFunnel1Pos", "stFunnel2Pos", "stFunnel3Pos", "stFunnel4Pos"};
    const char* ovalNames[4] = {"cbFunnel1Oval", "cbFunnel2Oval", "cbFunnel3Oval", "cbFunnel4Oval"};
    for (size_t i = 0; i < 4; ++i) {
        const int r = static_cast<int>(i) + 1;
        w.stFunnelPos[i] =
            MakeOutputBox(central, posNames[i], "Funnel position in yards from the centre, negative forward");
        w.stFunnelPos[i]->setMinimumWidth(40);
        w.cbFunnelOval[i] = makeCheck(central, ovalNames[i], "Oval");
        w.bnFunnel[i] = makeButton(central, funnelButtons[i], "...");
        w.bnFunnel[i]->setFixedWidth(26);
        w.bnFunnel[i]->setToolTip(QStringLiteral("Place the funnel on the ship"));
        w.bnDeleteFunnel[i] = makeButton(central, deleteButtons[i], "X");
        w.bnDeleteFunnel[i]->setFixedWidth(26);
        w.bnDeleteFunnel[i]->setToolTip(QStringLiteral("Delete funnel"));
        w.bnDeleteFunnel[i]->setStyleSheet(QStringLiteral("QPushButton { color: red; font-weight: bold; }"));
        funnels->addWidget(w.stFunnelPos[i], r, 0);
        funnels->addWidget(w.cbFunnelOval[i], r, 1);
        funnels->addWidget(w.bnFunnel[i], r, 2);
        funnels->addWidget(w.bnDeleteFunnel[i], r, 3);
    }
    return funnels;
}

QGridLayout* buildOutlineRows(QWidget* central, DesignFormWidgets& w) {
    auto* outlines = new QGridLayout();
    outlines->setVerticalSpacing(kRowSpacing);
    outlines->setHorizontalSpacing(3);
    outlines->addWidget(makeLabel(central, "Superstructure"), 0, 0, 1, 3);
    outlines->setColumnStretch(3, 1);
    const char* outlineButtons[4] = {"Button7", "Button8", "Button9", "Button10"};
    const char* outlineCaptions[4] = {"St1", "St2", "St3", "St4"};
    const char* counterNames[4] = {"stNoPoints", "stNoPoints1", "stNoPoints2", "stNoPoints3"};
    const char* lineNames[4] = {"cbClosed", "cbClosed2", "cbClosed3", "cbClosed4"};
    for (size_t i = 0; i < 4; ++i) {
        const int r = static_cast<int>(i) + 1;
        w.bnOutline[i] = makeButton(central, outlineButtons[i], outlineCaptions[i]);
        w.bnOutline[i]->setFixedWidth(36);
        w.bnOutline[i]->setToolTip(QStringLiteral("Draw the superstructure outline"));
        w.stNoPoints[i] = MakeOutputBox(central, counterNames[i], "Points placed in the outline");
        w.stNoPoints[i]->setMinimumWidth(26);
        w.cbClosed[i] = makeCheck(central, lineNames[i], "Line");
        outlines->addWidget(w.bnOutline[i], r, 0);
        outlines->addWidget(w.stNoPoints[i], r, 1);
        outlines->addWidget(w.cbClosed[i], r, 2);
    }
    return outlines;
}

void buildPlanEditor(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    buildPlanCommands(central, column, w);
    buildPlanPanel(central, column, w);
    auto* rows = new QVBoxLayout();
    rows->setSpacing(0);
    rows->addLayout(buildFunnelRows(central, w));
    // Superstructure below the funnels, so the funnels' X never sits beside
    // St1 to St4 (it read as deleting an outline) and the column stays as
    // narrow as the plan view.
    rows->addSpacing(6);
    rows->addLayout(buildOutlineRows(central, w));
    column->addLayout(rows);
}

void buildCommands(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    auto* grid = new QGridLayout();
    grid->setVerticalSpacing(kRowSpacing);
    w.bnLoad = makeButton(central, "bnLoad", "Load");
    w.bnLoadCust = makeButton(central, "bnLoadCust", "Load custom");
    w.bnSave = makeButton(central, "bnSave", "Save");
    w.bnExit = makeButton(central, "Button2", "Exit");
    w.bnLoad->setToolTip(QStringLiteral("Load a design from the Designs folder"));
    w.bnLoadCust->setToolTip(QStringLiteral("Load a design from the Custom Files folder"));
    w.bnSave->setToolTip(QStringLiteral("Save the class to the Custom Files folder"));
    grid->addWidget(w.bnLoad, 0, 0);
    grid->addWidget(w.bnLoadCust, 0, 1);
    grid->addWidget(w.bnSave, 1, 0);
    grid->addWidget(w.bnExit, 1, 1);
    column->addLayout(grid);
    w.lbVersion = new QLabel(QStringLiteral("V" SHIP_VERSION), central);
    w.lbVersion->setObjectName(QStringLiteral("lbVersion"));
    w.lbVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    column->addWidget(w.lbVersion);
}

// The row at the foot of the left-hand column, where its stretch leaves
// room, so the window keeps its height.
void buildCommandRow(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    struct Command {
        QPushButton** button;
        const char* name;
        const char* caption;
        const char* tip;
    };
    const Command commands[] = {
        {&w.bnCompare, "bnCompare", "Compare...", "Compare this design with another (Ctrl+D)"},
        {&w.bnCopySheet, "bnCopySheet", "Copy sheet", "Copy the ship sheet to the clipboard (Ctrl+Shift+C)"},
        {&w.bnExportSheet, "bnExportSheet", "Export sheet...", "Write the ship sheet as PDF, HTML or Markdown"},
        {&w.bnExplore, "bnExplore", "Explore...",
         "Every variant of this design that fits, and the best trade-offs (Ctrl+Shift+E)"},
    };
    auto* row = new QHBoxLayout();
    for (const Command& c : commands) {
        *c.button = makeButton(central, c.name, c.caption);
        (*c.button)->setToolTip(QString::fromUtf8(c.tip));
        row->addWidget(*c.button);
    }
    column->addLayout(row);
}

} // namespace

QLabel* MakeOutputBox(QWidget* parent, const char* name, const char* toolTip) {
    auto* l = new QLabel(QStringLiteral("0"), parent);
    l->setObjectName(QLatin1String(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(56);
    l->setContentsMargins(2, 0, 3, 0);
    if (toolTip) l->setToolTip(QString::fromUtf8(toolTip));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    return l;
}

void BuildDesignFormWidgets(QWidget* central, DesignFormWidgets& w) {
    // A compact font, so that every group fits the 1025 x 795 window.
    QFont font = central->font();
    font.setPointSize(8);
    central->setFont(font);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->setSpacing(6);
    auto* left = new QVBoxLayout();
    auto* middle = new QVBoxLayout();
    auto* right = new QVBoxLayout();
    for (QVBoxLayout* c : {left, middle, right}) c->setSpacing(4);
    columns->addLayout(left, 10);
    columns->addLayout(middle, 11);
    columns->addLayout(right, 0);

    // Widgets are made in reading order so the tab order follows the groups.
    buildClassGroup(central, left, w);
    buildHullGroup(central, left, w);
    buildArmourGroup(central, left, w);
    left->addStretch(1);
    buildHiddenControls(central, left, w);

    buildMainGunsGroup(central, middle, w);
    buildSmallGunsGroup(central, middle, true, w);
    buildSmallGunsGroup(central, middle, false, w);
    buildTorpedoGroup(central, middle, w);
    buildEquipmentGroup(central, middle, w);
    buildTotalsGroup(central, middle, w);
    BuildDesignCheckGroup(central, middle, w);

    buildPlanEditor(central, right, w);
    right->addStretch(1);
    buildCommands(central, right, w);
    // Made last, so the tab order reaches them after every input.
    buildCommandRow(central, left, w);
}
