#include "planner/DivisionPanel.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "combat/ShipTypes.h"
#include "planner/DivisionMap.h"
#include "planner/PlannerChart.h"
#include "platform/Messages.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

template <class T>
T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QSpinBox* spin(const QString& name, int lo, int hi, int step, const QString& suffix) {
    auto* s = named(new QSpinBox, name);
    s->setRange(lo, hi);
    s->setSingleStep(step);
    s->setSuffix(suffix);
    s->setKeyboardTracking(false);
    return s;
}

// The spacing a formation keeps until the user sets one.
int formationSpacing(int formation) {
    DivisionSide side;
    side.Formation = formation;
    return static_cast<int>(std::lround(SideSpacing(side)));
}

QString shipText(const DivisionShip& ship, int index) {
    // A ship not firing its main battery says so in the list.
    return QStringLiteral("%1. %2%3%4")
        .arg(index + 1)
        .arg(q(ship.Record.ClassName))
        .arg(ship.Battery == 2   ? QStringLiteral(" (sec.)")
             : ship.Battery == 3 ? QStringLiteral(" (tert.)")
                                 : QString())
        .arg(ship.Target >= 0 ? QStringLiteral("  \u2192 %1").arg(ship.Target + 1) : QString());
}

// Short headers so every column reads at 1024 x 700; the tips say more.
const char* const kMatrixColumns[] = {"Ship", "Target", "Range", "Hit %",  "ROF",      "Guns",    "Seen",
                                      "Belt", "Deck",   "Foul",  "On tgt", "Fired on", "Hits/min"};
const char* const kMatrixTips[] = {"Firing ship: A first side, B second, numbered from the lead",
                                   "The enemy ship it fires at, numbered from the enemy lead",
                                   "Yards to the target",
                                   "Hit chance per gun",
                                   "Rounds per gun per minute",
                                   "Guns bearing of the battery's guns",
                                   "Whether the target is within its sighting range",
                                   "The target's belt",
                                   "The target's deck",
                                   "Ships fouling the line of fire",
                                   "Ships firing at the same target, this one included",
                                   "Enemy ships firing at this ship",
                                   "Expected hits per minute"};

// The controls of the side's line: name, formation, course, speed, spacing,
// the list of its ships and the buttons that change it.
void makeLineControls(DivisionSideControls& c, const QString& x) {
    c.edName = named(new QLineEdit, QStringLiteral("edName") + x);
    c.cbFormation = named(new QComboBox, QStringLiteral("cbFormation") + x);
    for (int f = 0; f <= 3; ++f) c.cbFormation->addItem(q(FormationText(f)));
    c.seCourse = spin(QStringLiteral("seCourse") + x, 0, 359, 5, QStringLiteral("\u00B0"));
    c.seSpeed = spin(QStringLiteral("seSpeed") + x, 0, 45, 1, QStringLiteral(" kn"));
    c.seSpacing = spin(QStringLiteral("seSpacing") + x, 50, static_cast<int>(kMaxSpacing), 100, QStringLiteral(" yd"));
    c.seSpacing->setValue(formationSpacing(fmLineAhead));
    c.seSpacing->setToolTip(QStringLiteral("Yards between ships: line ahead astern, the others to starboard; the "
                                           "formation's own until you set it"));
    c.lbShips = named(new QListWidget, QStringLiteral("lbShips") + x);
    c.lbShips->setMaximumHeight(92);
    c.bnAdd = named(new QPushButton(QStringLiteral("Add")), QStringLiteral("bnAdd") + x);
    c.bnAdd->setToolTip(QStringLiteral("Adds the design chosen in the Opponent list"));
    c.bnRemove = named(new QPushButton(QStringLiteral("Remove")), QStringLiteral("bnRemove") + x);
    c.stFormation = named(new QLabel, QStringLiteral("stFormation") + x);
    c.stFormation->setWordWrap(true);
    c.stFormation->setStyleSheet(QStringLiteral("color: #a00000"));
}

// The chosen ship's own settings: target, battery, crew, ranging, how well
// the enemy sees it, evading.
void makeShipControls(DivisionSideControls& c, const QString& x) {
    c.seTarget = spin(QStringLiteral("seTarget") + x, 0, kMaxDivisionShips, 1, QString());
    c.seTarget->setSpecialValueText(QStringLiteral("same place"));
    c.seTarget->setToolTip(QStringLiteral("The enemy ship the chosen ship fires at, counted from the lead"));
    c.cbBattery = named(new QComboBox, QStringLiteral("cbBattery") + x);
    c.cbBattery->addItems({QStringLiteral("Main"), QStringLiteral("Secondary"), QStringLiteral("Tertiary")});
    c.cbBattery->setToolTip(QStringLiteral("The battery the chosen ship fires"));
    c.seCrew = spin(QStringLiteral("seCrew") + x, -5, 5, 1, QString());
    c.seCrew->setPrefix(QStringLiteral("Crew "));
    c.seCrew->setToolTip(QStringLiteral("The chosen ship's crew quality"));
    c.seRanging = spin(QStringLiteral("seRanging") + x, 0, 20, 1, QString());
    c.seRanging->setPrefix(QStringLiteral("Ranging "));
    c.seRanging->setToolTip(QStringLiteral("Turns the chosen ship has spent ranging on its target"));
    c.cbSighting = named(new QComboBox, QStringLiteral("cbSighting") + x);
    c.cbSighting->addItems({QStringLiteral("Seen: nothing"), QStringLiteral("Seen: a ship"),
                            QStringLiteral("Seen: its type"), QStringLiteral("Seen: its class")});
    c.cbSighting->setToolTip(QStringLiteral("How well the enemy has sighted the chosen ship"));
    c.cbEvading = named(new QCheckBox(QStringLiteral("Evading")), QStringLiteral("cbEvading") + x);
    c.cbEvading->setToolTip(QStringLiteral("The chosen ship is evading"));
}

QGroupBox* layOutSide(const DivisionSideControls& c, const QString& title) {
    auto* box = new QGroupBox(title);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(2);
    g->addWidget(c.edName, 0, 0, 1, 2);
    g->addWidget(c.cbFormation, 0, 2, 1, 2);
    g->addWidget(c.seCourse, 1, 0);
    g->addWidget(c.seSpeed, 1, 1);
    g->addWidget(c.seSpacing, 1, 2, 1, 2);
    g->addWidget(c.lbShips, 2, 0, 3, 3);
    g->addWidget(c.bnAdd, 2, 3);
    g->addWidget(c.bnRemove, 3, 3);
    g->addWidget(c.seTarget, 4, 3);
    // The chosen ship's own settings, two short rows under the list.
    auto* chosen = new QGridLayout;
    chosen->setSpacing(3);
    chosen->addWidget(c.cbBattery, 0, 0);
    chosen->addWidget(c.cbSighting, 0, 1);
    chosen->addWidget(c.seCrew, 1, 0);
    chosen->addWidget(c.seRanging, 1, 1);
    chosen->addWidget(c.cbEvading, 1, 2);
    chosen->setColumnStretch(3, 1);
    g->addLayout(chosen, 5, 0, 1, 4);
    g->addWidget(c.stFormation, 6, 0, 1, 4);
    return box;
}

QTableWidget* makeMatrix() {
    auto* table = named(new QTableWidget(0, static_cast<int>(std::size(kMatrixColumns))), QStringLiteral("tbMatrix"));
    QStringList headers;
    for (const char* h : kMatrixColumns) headers << QString::fromLatin1(h);
    table->setHorizontalHeaderLabels(headers);
    for (int col = 0; col < static_cast<int>(std::size(kMatrixTips)); ++col)
        table->horizontalHeaderItem(col)->setToolTip(QString::fromLatin1(kMatrixTips[col]));
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(18);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The ship's name gives way (its tip names it) so that a wide cell such as
    // "Beyond gun range" never pushes the hits off the table.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->horizontalHeader()->setStretchLastSection(false);
    QFont small = table->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    table->setFont(small);
    return table;
}

} // namespace

TDivisionPanel::TDivisionPanel(const ProgramData& data, DesignSource chosenDesign, QWidget* parent)
    : QWidget(parent), data_(data), chosenDesign_(std::move(chosenDesign)) {
    setObjectName(QStringLiteral("pnDivisions"));
    updating_ = true; // no recompute until every control is there
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(4, 4, 4, 4);
    auto* setup = new QHBoxLayout;
    for (int s = 0; s < 2; ++s) {
        setup->addWidget(BuildSide(s));
        ConnectSide(s);
    }
    Sides[1].seCourse->setValue(180);
    setup->addLayout(BuildPlacing());
    top->addLayout(setup);
    BuildResults(*top);
    sweepTimer_ = new QTimer(this);
    sweepTimer_->setSingleShot(true);
    sweepTimer_->setInterval(0);
    connect(sweepTimer_, &QTimer::timeout, this, [this] { ShowSweep(); });
    updating_ = false;
    Recompute();
}

QWidget* TDivisionPanel::BuildSide(int s) {
    DivisionSideControls& c = Sides[static_cast<size_t>(s)];
    const QString x = s == 0 ? QStringLiteral("First") : QStringLiteral("Second");
    makeLineControls(c, x);
    makeShipControls(c, x);
    return layOutSide(c, s == 0 ? QStringLiteral("First side") : QStringLiteral("Second side"));
}

void TDivisionPanel::ConnectSide(int s) {
    const DivisionSideControls& c = Sides[static_cast<size_t>(s)];
    connect(c.bnAdd, &QPushButton::clicked, this, [this, s] {
        if (auto ship = chosenDesign_ ? chosenDesign_() : std::nullopt) AddShip(s, *ship);
    });
    connect(c.bnRemove, &QPushButton::clicked, this, [this, s] { RemoveShip(s); });
    connect(c.lbShips, &QListWidget::currentRowChanged, this, [this, s] { ShipChosen(s); });
    for (QSpinBox* box : {c.seTarget, c.seCrew, c.seRanging})
        connect(box, &QSpinBox::valueChanged, this, [this, s] { ShipEdited(s); });
    for (QComboBox* box : {c.cbBattery, c.cbSighting})
        connect(box, &QComboBox::currentIndexChanged, this, [this, s] { ShipEdited(s); });
    connect(c.cbEvading, &QCheckBox::toggled, this, [this, s] { ShipEdited(s); });
    connect(c.cbFormation, &QComboBox::currentIndexChanged, this, [this, s] { FormationChanged(s); });
    connect(c.seSpacing, &QSpinBox::valueChanged, this, [this, s] {
        spacingFollows_[static_cast<size_t>(s)] = SpacingIsTheFormations(s);
        Recompute();
    });
    for (QSpinBox* box : {c.seCourse, c.seSpeed}) connect(box, &QSpinBox::valueChanged, this, [this] { Recompute(); });
    connect(c.edName, &QLineEdit::editingFinished, this, [this] { Recompute(); });
}

QLayout* TDivisionPanel::BuildPlacing() {
    auto* placing = new QVBoxLayout;
    seRange =
        spin(QStringLiteral("seDivisionRange"), 100, static_cast<int>(kMaxBattleRange), 500, QStringLiteral(" yd"));
    seRange->setValue(15000);
    seBearing = spin(QStringLiteral("seDivisionBearing"), 0, 359, 5, QStringLiteral("\u00B0"));
    seBearing->setValue(90);
    seRange->setToolTip(QStringLiteral("Range from the first side's lead ship to the second side's"));
    seBearing->setToolTip(QStringLiteral("Compass bearing of the second side's lead ship from the first side's"));
    bnOpen = named(new QPushButton(QStringLiteral("Open...")), QStringLiteral("bnOpenScenario"));
    bnSave = named(new QPushButton(QStringLiteral("Save...")), QStringLiteral("bnSaveScenario"));
    auto* rangeLabel = new QLabel(QStringLiteral("Range between the leads"));
    rangeLabel->setWordWrap(true);
    placing->addWidget(rangeLabel);
    placing->addWidget(seRange);
    placing->addWidget(new QLabel(QStringLiteral("Bearing")));
    placing->addWidget(seBearing);
    placing->addStretch(1);
    placing->addWidget(bnOpen);
    placing->addWidget(bnSave);
    for (QSpinBox* box : {seRange, seBearing}) connect(box, &QSpinBox::valueChanged, this, [this] { Recompute(); });
    return placing;
}

void TDivisionPanel::BuildResults(QVBoxLayout& top) {
    tbMatrix = makeMatrix();
    top.addWidget(tbMatrix, 1);
    stTotals = named(new QLabel, QStringLiteral("stTotals"));
    stTotals->setWordWrap(true);
    stTotals->setTextFormat(Qt::RichText);
    top.addWidget(stTotals);
    auto* pictures = new QHBoxLayout;
    chTotals = named(new QChartView, QStringLiteral("chTotals"));
    chTotals->setRenderHint(QPainter::Antialiasing);
    chTotals->setMinimumHeight(170);
    mcDivisions = named(new TDivisionMap, QStringLiteral("mcDivisions"));
    pictures->addWidget(chTotals, 4);
    pictures->addWidget(mcDivisions, 3);
    top.addLayout(pictures, 1);
    stMessages = named(new QLabel, QStringLiteral("stDivisionMessages"));
    stMessages->setWordWrap(true);
    stMessages->setStyleSheet(QStringLiteral("color: #a00000"));
    top.addWidget(stMessages);
}

bool TDivisionPanel::SpacingIsTheFormations(int s) const {
    const DivisionSideControls& c = Sides[static_cast<size_t>(s)];
    return c.seSpacing->value() == formationSpacing(std::max(0, c.cbFormation->currentIndex()));
}

void TDivisionPanel::FormationChanged(int s) {
    // The spacing follows the formation until the user sets one.
    const DivisionSideControls& c = Sides[static_cast<size_t>(s)];
    if (spacingFollows_[static_cast<size_t>(s)]) {
        const QSignalBlocker block(c.seSpacing);
        c.seSpacing->setValue(formationSpacing(std::max(0, c.cbFormation->currentIndex())));
    }
    Recompute();
}

void TDivisionPanel::RemoveShip(int side) {
    auto& list = ships_[static_cast<size_t>(side)];
    const int row = Sides[static_cast<size_t>(side)].lbShips->currentRow();
    if (row < 0 || row >= static_cast<int>(list.size())) return;
    list.erase(list.begin() + row);
    Reload();
}

void TDivisionPanel::AddShip(int side, const DivisionShip& ship) {
    auto& list = ships_[static_cast<size_t>(side)];
    if (static_cast<int>(list.size()) >= kMaxDivisionShips) {
        stMessages->setText(QStringLiteral("A division has at most 8 ships."));
        return;
    }
    list.push_back(ship);
    Reload();
}

void TDivisionPanel::ShipChosen(int side) {
    const DivisionSideControls& c = Sides[static_cast<size_t>(side)];
    const int row = c.lbShips->currentRow();
    const auto& list = ships_[static_cast<size_t>(side)];
    const bool chosen = row >= 0 && row < static_cast<int>(list.size());
    QWidget* controls[] = {c.seTarget, c.cbBattery, c.seCrew, c.seRanging, c.cbSighting, c.cbEvading};
    for (QWidget* w : controls) {
        const QSignalBlocker block(w);
        w->setEnabled(chosen);
    }
    // With no ship chosen the controls show a new ship's settings.
    const DivisionShip ship = chosen ? list[static_cast<size_t>(row)] : DivisionShip{};
    const QSignalBlocker b0(c.seTarget), b1(c.cbBattery), b2(c.seCrew), b3(c.seRanging), b4(c.cbSighting),
        b5(c.cbEvading);
    c.seTarget->setValue(ship.Target + 1);
    c.cbBattery->setCurrentIndex(std::clamp(ship.Battery, 1, 3) - 1);
    c.seCrew->setValue(ship.CrewQuality);
    c.seRanging->setValue(ship.RangingTurns);
    c.cbSighting->setCurrentIndex(std::clamp(ship.SightingLevel, 0, 3));
    c.cbEvading->setChecked(ship.Evading);
}

void TDivisionPanel::ShipEdited(int side) {
    const DivisionSideControls& c = Sides[static_cast<size_t>(side)];
    const int row = c.lbShips->currentRow();
    auto& list = ships_[static_cast<size_t>(side)];
    if (row < 0 || row >= static_cast<int>(list.size())) return;
    DivisionShip& ship = list[static_cast<size_t>(row)];
    ship.Target = c.seTarget->value() - 1;
    ship.Battery = c.cbBattery->currentIndex() + 1;
    ship.CrewQuality = c.seCrew->value();
    ship.RangingTurns = c.seRanging->value();
    ship.SightingLevel = std::max(0, c.cbSighting->currentIndex());
    ship.Evading = c.cbEvading->isChecked();
    c.lbShips->item(row)->setText(shipText(ship, row));
    Recompute();
}

BattleScenario TDivisionPanel::Scenario() const {
    BattleScenario s = conditions_;
    for (size_t i = 0; i < 2; ++i) {
        const DivisionSideControls& c = Sides[i];
        DivisionSide& side = s.Setup.Sides[i];
        side.Name = c.edName->text().toStdString();
        side.Formation = std::max(0, c.cbFormation->currentIndex());
        side.Course = c.seCourse->value();
        side.Speed = c.seSpeed->value();
        side.Spacing = spacingFollows_[i] ? 0 : c.seSpacing->value();
        side.Ships = ships_[i];
        // A target the shorter enemy line no longer has falls back to the default.
        for (DivisionShip& ship : side.Ships)
            if (!TargetInLine(ship.Target, static_cast<int>(ships_[1 - i].size()))) ship.Target = -1;
    }
    s.Setup.Range = seRange->value();
    s.Setup.Bearing = seBearing->value();
    return s;
}

void TDivisionPanel::SetConditions(const BattleScenario& conditions) {
    conditions_ = conditions;
    Recompute();
}

void TDivisionPanel::LoadScenario(const BattleScenario& scenario) {
    updating_ = true;
    for (size_t i = 0; i < 2; ++i) {
        const DivisionSide& side = scenario.Setup.Sides[i];
        DivisionSideControls& c = Sides[i];
        c.edName->setText(q(side.Name));
        c.edName->setCursorPosition(0); // a long name shows its start
        c.cbFormation->setCurrentIndex(side.Formation);
        c.seCourse->setValue(side.Course);
        c.seSpeed->setValue(side.Speed);
        c.seSpacing->setValue(static_cast<int>(std::lround(SideSpacing(side))));
        spacingFollows_[i] = SpacingIsTheFormations(static_cast<int>(i));
        ships_[i] = side.Ships;
    }
    seRange->setValue(static_cast<int>(std::lround(scenario.Setup.Range)));
    seBearing->setValue(static_cast<int>(std::lround(scenario.Setup.Bearing)));
    conditions_ = scenario;
    updating_ = false;
    Reload();
}

void TDivisionPanel::Reload() {
    for (size_t i = 0; i < 2; ++i) {
        QListWidget* list = Sides[i].lbShips;
        const QSignalBlocker block(list);
        const int row = list->currentRow();
        list->clear();
        for (size_t k = 0; k < ships_[i].size(); ++k) list->addItem(shipText(ships_[i][k], static_cast<int>(k)));
        list->setCurrentRow(std::min(row, list->count() - 1));
        ShipChosen(static_cast<int>(i));
    }
    mcDivisions->Show(nullptr, nullptr);
    battle_.reset();
    loadProblem_.clear();
    if (!ships_[0].empty() && !ships_[1].empty()) {
        // A ship that may not fight (a scenario may name one) stops the
        // battle: nothing is computed, and the reason stays in view.
        auto ships = std::make_unique<BattleShips>();
        const BattleScenario s = Scenario();
        if (ships->Load(data_, s.Setup, &loadProblem_)) battle_ = std::move(ships);
    }
    Recompute();
}

void TDivisionPanel::Recompute() {
    if (updating_) return;
    updating_ = true;
    figures_ = {};
    sweep_.clear();
    QString messages = loadProblem_.empty() ? QString() : q(loadProblem_) + QStringLiteral(" ");
    const BattleScenario s = Scenario();
    for (size_t i = 0; i < 2; ++i) {
        std::string why;
        const TFightingShip* lead = battle_ && !battle_->Sides[i].empty() ? battle_->Sides[i].front().get() : nullptr;
        const bool allowed = SideFormationAllowed(s.Setup.Sides[i], lead, s.Conditions.YearOfPlay(), &why);
        Sides[i].stFormation->setText(allowed ? QString() : q(why));
        if (!allowed) messages += q(why) + QStringLiteral(" ");
    }
    const bool fight = battle_ && messages.isEmpty();
    if (!battle_ && (ships_[0].empty() || ships_[1].empty()))
        messages += QStringLiteral("Add at least one ship to each side from the Opponent list.");
    if (fight) {
        platform::RecordingMessages recorder;
        const BattleEnvironment env = s.Environment();
        platform::SeededRandom random(s.Setup.Seed);
        figures_ = ComputeBattle({data_, env, random, recorder}, *battle_, s.Setup, true);
    }
    ShowMatrix();
    ShowTotals({}, fight);
    mcDivisions->Show(fight ? battle_.get() : nullptr, &figures_);
    stMessages->setText(messages.trimmed());
    // The figures show at once; the chart's sweep follows when the events
    // of this change are done, once for a run of changes.
    if (fight) sweepTimer_->start();
    updating_ = false;
}

std::string TDivisionPanel::SideName(int side) const {
    const std::string name = Sides[static_cast<size_t>(side)].edName->text().toStdString();
    return name.empty() ? (side == 0 ? "First side" : "Second side") : name;
}

void TDivisionPanel::ShowSweep() {
    if (!battle_ || figures_.Ships[0].empty()) return;
    const BattleScenario s = Scenario();
    platform::RecordingMessages recorder;
    const BattleEnvironment env = s.Environment();
    platform::SeededRandom random(s.Setup.Seed);
    sweep_ = SweepBattle({data_, env, random, recorder}, *battle_, s.Setup, 1000, 30000, 500);
    PlaceDivisions(*battle_, s.Setup); // back where the figures put them, for the map
    std::vector<SweepRow> rows;
    for (const BattleSweepRow& r : sweep_) {
        SweepRow row;
        row.Range = r.Range;
        row.Own.HitsPerMinute = r.Totals[0];
        row.Opponent.HitsPerMinute = r.Totals[1];
        rows.push_back(row);
    }
    ShowTotals(rows, true);
    mcDivisions->update();
}

void TDivisionPanel::ShowTotals(const std::vector<SweepRow>& rows, bool fight) {
    ShowHitsChart(*chTotals, rows, SideName(0), SideName(1), seRange->value(), {}, "Hits/min");
    // The side names are long: the line under the matrix keys the curves'
    // colours to them, whole, where the chart's legend would cut them.
    chTotals->chart()->legend()->hide();
    if (!fight) {
        stTotals->clear();
        return;
    }
    QString text = QStringLiteral("Hits per minute:");
    for (int i = 0; i < 2; ++i)
        text += QStringLiteral(" %1 %2 %3%4")
                    .arg(q(CurveKeyHtml(i == 0)), q(SideName(i)).toHtmlEscaped(),
                         QString::number(figures_.Totals[static_cast<size_t>(i)], 'f', 3),
                         i == 0 ? QStringLiteral(",") : QStringLiteral("."));
    if (!rows.empty()) text += QStringLiteral(" ") + q(AdvantageText(rows, SideName(0), SideName(1))).toHtmlEscaped();
    stTotals->setText(text);
}

void TDivisionPanel::ShowMatrix() {
    tbMatrix->setRowCount(0);
    if (!battle_) return;
    for (const auto& side : figures_.Ships)
        for (const ShipFire& f : side) {
            const int row = tbMatrix->rowCount();
            tbMatrix->setRowCount(row + 1);
            const auto& firer = battle_->Sides[static_cast<size_t>(f.Side)][static_cast<size_t>(f.Index)];
            const auto& target = battle_->Sides[static_cast<size_t>(1 - f.Side)][static_cast<size_t>(f.Target)];
            const BatteryFigures& b = f.Fire.Fire;
            QString chance = b.BeyondGunRange       ? QStringLiteral("Beyond gun range")
                             : b.HitChance > 100.0f ? QStringLiteral("100+ (%1)").arg(std::lround(b.HitChance))
                                                    : q(FormatChance(b.HitChance));
            const QString cells[] = {
                QStringLiteral("%1%2 %3")
                    .arg(f.Side == 0 ? QStringLiteral("A") : QStringLiteral("B"))
                    .arg(f.Index + 1)
                    .arg(q(firer->Name)),
                QStringLiteral("%1%2").arg(f.Side == 0 ? QStringLiteral("B") : QStringLiteral("A")).arg(f.Target + 1),
                q(YardsText(f.Fire.Range)),
                chance,
                q(FormatChance(b.RateOfFire)),
                QStringLiteral("%1/%2").arg(b.GunsBearing).arg(b.Guns),
                f.Fire.Sighted ? QStringLiteral("yes") : QStringLiteral("no"),
                b.Pierces.Belt ? QStringLiteral("pierced") : QStringLiteral("safe"),
                b.Pierces.Deck ? QStringLiteral("pierced") : QStringLiteral("safe"),
                QString::number(f.FoulingShips),
                QString::number(f.FiringShips),
                QString::number(f.UnderFire),
                QString::number(std::isfinite(b.HitsPerMinute) ? b.HitsPerMinute : 0.0, 'f', 3)};
            for (int col = 0; col < static_cast<int>(std::size(cells)); ++col) {
                auto* item = new QTableWidgetItem(cells[col]);
                if (col > 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                tbMatrix->setItem(row, col, item);
            }
            // The breakdown of the shot, with the battle-state rows that applied.
            QString tip;
            for (const std::string& line : f.Fire.Breakdown) tip += q(line) + QLatin1Char('\n');
            tbMatrix->item(row, 3)->setToolTip(tip.trimmed());
            tbMatrix->item(row, 0)->setToolTip(q(firer->Name) + QLatin1Char('\n') + tip.trimmed());
            tbMatrix->item(row, 1)->setToolTip(q(target->Name));
            if (!f.Fire.Sighted) tbMatrix->item(row, 6)->setToolTip(QStringLiteral("Not sighted"));
        }
}

bool TDivisionPanel::SaveScenario(const std::string& path, const std::vector<std::string>& programFolders) {
    // The file names designs by their files: one held only on the form has none yet.
    for (const auto& side : ships_)
        for (const DivisionShip& ship : side)
            if (!std::ifstream(ship.Design)) {
                platform::messages().notice("Save the design " + ship.Record.ClassName +
                                            " first: a scenario names each ship's design file.");
                return false;
            }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << BattleScenarioJson(Scenario(), folder, programFolders);
    if (!out) {
        platform::messages().notice("Cannot write the scenario file " + path);
        return false;
    }
    return true;
}
