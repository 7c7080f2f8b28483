#include "planner/frmPlanner.h"

#include "designfile/DesignCheck.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileSystemWatcher>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "combat/RateOfFire.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "map/qt/MapControl.h"
#include "nations/Nations.h"
#include "planner/DivisionPanel.h"
#include "planner/PlannerChart.h"
#include "planner/PlannerMap.h"
#include "platform/DesignFolders.h"
#include "platform/Messages.h"
#include "platform/qt/ScreenFit.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// A figure with a fixed number of decimals; a figure that is no number
// shows as a dash rather than "nan" or "inf".
QString fixed(double value, int decimals) {
    if (!std::isfinite(value)) return QStringLiteral("\u2013");
    return QString::number(value, 'f', decimals);
}

QString chanceText(float chance) { return std::isfinite(chance) ? q(FormatChance(chance)) : QStringLiteral("\u2013"); }

// A chance above 100 % is a certain hit: "100+ (262)" keeps the rules'
// figure in sight while the expected hits take 100.
QString hitChanceCell(const BatteryFigures& b) {
    if (b.BeyondGunRange) return QStringLiteral("Beyond gun range");
    if (!b.Sighted) return QStringLiteral("Not sighted");
    if (std::isfinite(b.HitChance) && b.HitChance > 100.0f)
        return QStringLiteral("100+ (%1)").arg(QString::number(std::lround(b.HitChance)));
    return chanceText(b.HitChance);
}

const char* lightName(std::int32_t light) {
    switch (light) {
    case 1: return "day";
    case 2: return "night";
    case 3: return "dusk";
    default: return "\u2013";
    }
}

// Short enough that every column stays readable at 1024 x 700.
const char* batteryName(int battery) { return battery == 1 ? "Main" : battery == 2 ? "Sec." : "Tert."; }

std::string letters(const std::vector<TurretPosition>& turrets) {
    std::string text;
    for (TurretPosition t : turrets) {
        if (!text.empty()) text += ' ';
        const unsigned char c = static_cast<unsigned char>(t);
        text += c < 0x80 ? std::string(1, t) : QString(QChar(c)).toStdString();
    }
    return text;
}

// The type code of a design file, -1 for an unknown one (no message: the
// list only sorts by it).
std::int32_t typeOfCode(const std::string& code) {
    for (int t = 0; t <= 10; ++t)
        if (ShipTypeCode(t) == code) return t;
    return -1;
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

// Whether the main battery pierces the target's belt and deck at the range,
// with the inches behind it in the tip.
void showPiercing(QLabel& label, const FireFigures& fire, const TFightingShip& target) {
    const auto main = std::find_if(fire.Batteries.begin(), fire.Batteries.end(),
                                   [](const BatteryFigures& b) { return b.Battery == 1; });
    if (main == fire.Batteries.end()) {
        label.setText(QStringLiteral("No main battery"));
        label.setToolTip({});
        return;
    }
    const Piercing& p = main->Pierces;
    auto word = [](bool pierced) { return pierced ? QStringLiteral("pierced") : QStringLiteral("safe"); };
    label.setText(QStringLiteral("Belt: %1    Deck: %2").arg(word(p.Belt), word(p.Deck)));
    const ShipArmour armour = ArmourOf(target);
    label.setToolTip(main->BeyondGunRange
                         ? QStringLiteral("Beyond gun range: no shell lands")
                         : QStringLiteral("Main battery at %1 yd: belt %2 in against %3 in, deck %4 in against %5 in")
                               .arg(q(YardsText(fire.Range)), fixed(p.BeltInches, 1), fixed(armour.Belt, 0),
                                    fixed(p.DeckInches, 1), fixed(armour.Deck, 0)));
}

} // namespace

TfrmPlanner::TfrmPlanner(const ProgramData& data, const std::string& programDir, QWidget* parent,
                         std::vector<std::string> moreFolders)
    : QWidget(parent, Qt::Window), data_(data), programDir_(programDir), moreFolders_(std::move(moreFolders)) {
    setObjectName(QStringLiteral("frmPlanner"));
    setWindowTitle(QStringLiteral("Engagement planner"));
    if (!programDir_.empty() && programDir_.back() != '/' && programDir_.back() != '\\') programDir_.push_back('/');
    BuildPlannerWidgets(this, W);
    SizeToScreen();
    map_ = std::make_unique<TPlannerMap>(*W.mcMap, data_.Preferences);
    FillFilters();
    ShowOpeningScene();
    ConnectControls();
    ListOpponents();
    BuildDivisions();
}

void TfrmPlanner::SizeToScreen() {
    // 1024 x 700 at least shows everything; a larger screen gets more room
    // for the chart and the map.
    platform::FitToScreen(*this, QSize(1400, 900), QSize(1024, 700));
}

void TfrmPlanner::FillFilters() {
    W.cbNationFilter->addItem(QStringLiteral("All nations"));
    for (int n = 0; n <= MaxNation; ++n) W.cbNationFilter->addItem(q(data_.Nations[static_cast<size_t>(n)].Name));
    W.cbTypeFilter->addItem(QStringLiteral("All types"));
    for (int t = 0; t <= 10; ++t) W.cbTypeFilter->addItem(q(ShipTypeCode(t)));
}

void TfrmPlanner::ShowOpeningScene() {
    // Off Jutland, 31 May 1916, 16:00 UT, as the battle opened.
    ShowConditions(PlannerConditions());
    const EngagementScenario opening = PlannerScenario(9000);
    W.seRange->setValue(static_cast<int>(opening.Range));
    W.seBearing->setValue(static_cast<int>(opening.Bearing));
    for (size_t i = 0; i < 2; ++i) {
        const EngagementShipState& st = i == 0 ? opening.Own : opening.Opponent;
        W.Ships[i].seHeading->setValue(st.Heading);
        W.Ships[i].seSpeed->setValue(st.Speed);
        W.Ships[i].cbSightingLevel->setCurrentIndex(st.SightingLevel);
    }
}

void TfrmPlanner::ConnectControls() {
    auto recompute = [this] { Recompute(); };
    connect(W.slRange, &QSlider::valueChanged, this, [this](int v) { W.seRange->setValue(v); });
    connect(W.seRange, &QSpinBox::valueChanged, this, [this](int v) {
        const QSignalBlocker block(W.slRange);
        W.slRange->setValue(v);
        Recompute();
    });
    for (QSpinBox* spin : {W.seBearing, W.seDayRange, W.seDuskRange, W.seNightRange})
        connect(spin, &QSpinBox::valueChanged, this, recompute);
    for (const PlannerShipControls& c : W.Ships) {
        for (QSpinBox* spin : {c.seHeading, c.seSpeed, c.seCrewQuality, c.seRangingTurns})
            connect(spin, &QSpinBox::valueChanged, this, recompute);
        connect(c.cbSightingLevel, &QComboBox::currentIndexChanged, this, recompute);
        connect(c.cbEvading, &QCheckBox::toggled, this, recompute);
    }
    connect(W.cbReady, &QCheckBox::toggled, this, [this] { LoadShips(); });
    for (QDoubleSpinBox* spin : {W.seLatitude, W.seLongitude})
        connect(spin, &QDoubleSpinBox::valueChanged, this, recompute);
    connect(W.dtBattle, &QDateTimeEdit::dateTimeChanged, this, &TfrmPlanner::DateChanged);
    connect(W.seYear, &QSpinBox::valueChanged, this, &TfrmPlanner::YearChanged);
    connect(W.cbSeaState, &QComboBox::currentIndexChanged, this, recompute);
    connect(W.cbWeather, &QComboBox::currentIndexChanged, this, &TfrmPlanner::WeatherChanged);
    connect(W.edFilter, &QLineEdit::textChanged, this, &TfrmPlanner::FilterOpponents);
    connect(W.cbNationFilter, &QComboBox::currentIndexChanged, this, &TfrmPlanner::FilterOpponents);
    connect(W.cbTypeFilter, &QComboBox::currentIndexChanged, this, &TfrmPlanner::FilterOpponents);
    connect(W.lbOpponents, &QListWidget::currentRowChanged, this, &TfrmPlanner::OpponentChosen);
    connect(W.tcResults, &QTabWidget::currentChanged, this, &TfrmPlanner::ResultsTabChanged);
}

void TfrmPlanner::BuildDivisions() {
    // The Add buttons of the division view take the opponent list's choice;
    // a design that may not fight is not added (the list says why).
    divisions_ = new TDivisionPanel(data_, [this]() -> std::optional<DivisionShip> {
        const QListWidgetItem* item = W.lbOpponents->currentItem();
        DivisionShip ship;
        ship.Design = item ? item->data(Qt::UserRole).toString().toStdString() : std::string();
        ship.Record = ship.Design.empty() ? own_ : ReadDesignRecord(ship.Design);
        if (ship.Design.empty() && !haveOwn_) return std::nullopt;
        if (DesignRefusal(ship.Record)) return std::nullopt;
        return ship;
    });
    W.tcResults->addTab(divisions_, QStringLiteral("Divisions"));
    connect(divisions_->bnOpen, &QPushButton::clicked, this, &TfrmPlanner::OpenScenario);
    connect(divisions_->bnSave, &QPushButton::clicked, this, &TfrmPlanner::SaveScenario);
    divisions_->SetConditions(Conditions());
}

void TfrmPlanner::ResultsTabChanged() {
    // The duel's own range, bearing and ships mean nothing to the divisions,
    // which place their sides themselves.
    const bool duel = W.tcResults->currentWidget() != divisions_;
    W.gbGeometry->setEnabled(duel);
    for (const PlannerShipControls& c : W.Ships)
        for (QWidget* w : std::initializer_list<QWidget*>{c.seHeading, c.seSpeed, c.seCrewQuality, c.seRangingTurns,
                                                          c.cbSightingLevel, c.cbEvading})
            w->setEnabled(duel);
}

TfrmPlanner::~TfrmPlanner() {
    map_.reset(); // its ships live on the map control's layer
}

std::vector<std::string> TfrmPlanner::DesignFolders() const {
    return platform::DesignFolders(programDir_, moreFolders_);
}

void TfrmPlanner::ListOpponents() {
    opponents_.resize(1); // the own design stays first
    if (opponents_.front().ClassName.empty()) opponents_.front() = {"", "(the own design)", -1, -1, std::nullopt};
    const std::vector<std::string> folders = DesignFolders();
    for (const std::string& folder : folders) {
        const QDir dir(q(folder));
        for (const QString& name :
             dir.entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
            PlannerOpponent o;
            o.Path = dir.filePath(name).toStdString();
            const DesignRecord record = ReadDesignRecord(o.Path);
            o.ClassName = record.ClassName;
            o.Refusal = DesignRefusal(record);
            o.Nation = record.Values.ReadInteger("Data", "Nation", -1);
            o.Type = typeOfCode(record.Values.ReadString("Data", "ShipType", ""));
            opponents_.push_back(o);
        }
    }
    // Files saved or copied while the window is open show up at once.
    if (!watcher_) {
        watcher_ = new QFileSystemWatcher(this);
        connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { ListOpponents(); });
    }
    const QStringList watched = watcher_->directories();
    for (const std::string& folder : folders)
        if (!watched.contains(q(folder))) watcher_->addPath(q(folder));
    FilterOpponents();
}

void TfrmPlanner::FilterOpponents() {
    const QString text = W.edFilter->text().trimmed();
    const int nation = W.cbNationFilter->currentIndex() - 1;
    const int type = W.cbTypeFilter->currentIndex() - 1;
    const QString chosen =
        W.lbOpponents->currentItem() ? W.lbOpponents->currentItem()->data(Qt::UserRole).toString() : QString();
    const QSignalBlocker block(W.lbOpponents);
    W.lbOpponents->clear();
    for (const PlannerOpponent& o : opponents_) {
        const bool own = o.Path.empty();
        if (!own && !text.isEmpty() && !q(o.ClassName).contains(text, Qt::CaseInsensitive)) continue;
        if (!own && nation >= 0 && o.Nation != nation) continue;
        if (!own && type >= 0 && o.Type != type) continue;
        const TNation* n = data_.Nation(o.Nation);
        QString label = q(o.ClassName);
        if (!own)
            label += QStringLiteral("  (") + (o.Type >= 0 ? q(ShipTypeCode(o.Type)) : QStringLiteral("?")) +
                     QStringLiteral(", ") + (n ? q(n->Name) : QStringLiteral("no nation")) + QStringLiteral(")");
        // A file that cannot fight stays in the list, saying why.
        if (!own && o.Refusal) label = q(o.ClassName) + QStringLiteral("  (") + q(*o.Refusal) + QStringLiteral(")");
        auto* item = new QListWidgetItem(label, W.lbOpponents);
        item->setData(Qt::UserRole, q(o.Path));
        if (!chosen.isNull() && q(o.Path) == chosen && haveOpponent_) W.lbOpponents->setCurrentItem(item);
    }
}

bool TfrmPlanner::ChooseOpponent(const std::string& path) {
    for (int i = 0; i < W.lbOpponents->count(); ++i)
        if (W.lbOpponents->item(i)->data(Qt::UserRole).toString() == q(path)) {
            if (W.lbOpponents->currentRow() == i) OpponentChosen();
            else W.lbOpponents->setCurrentRow(i);
            return true;
        }
    return false;
}

void TfrmPlanner::OpponentChosen() {
    const QListWidgetItem* item = W.lbOpponents->currentItem();
    if (!item) return;
    const std::string path = item->data(Qt::UserRole).toString().toStdString();
    loadMessages_.clear();
    if (path.empty()) {
        opponent_ = own_;
        opponentRangeClass_ = ownRangeClass_;
        haveOpponent_ = haveOwn_;
    } else {
        opponent_ = ReadDesignRecord(path);
        opponentRangeClass_ = DesignRangeClass(opponent_);
        const auto refusal = DesignRefusal(opponent_);
        haveOpponent_ = !refusal;
        if (refusal) loadMessages_.push_back(*refusal);
    }
    LoadShips();
}

void TfrmPlanner::SetOwnDesign(const DesignRecord& record, int rangeClass) {
    own_ = record;
    ownRangeClass_ = rangeClass;
    // The same refusal as for an opponent: no figures from values the form would not make.
    const auto refusal = DesignRefusal(record);
    haveOwn_ = !refusal;
    if (opponents_.size() > 0) opponents_.front().ClassName = "(the own design: " + record.ClassName + ")";
    FilterOpponents();
    const QListWidgetItem* item = W.lbOpponents->currentItem();
    if (!haveOpponent_ || (item && item->data(Qt::UserRole).toString().isEmpty())) {
        opponent_ = own_;
        opponentRangeClass_ = ownRangeClass_;
        haveOpponent_ = true;
    }
    LoadShips();
}

void TfrmPlanner::LoadShips() {
    ships_.Opponent.reset();
    ships_.Own.reset();
    std::vector<std::string> failures = loadMessages_;
    if (const auto refusal = DesignRefusal(own_);
        refusal && std::find(failures.begin(), failures.end(), *refusal) == failures.end())
        failures.insert(failures.begin(), *refusal);
    if (haveOwn_ && haveOpponent_) {
        platform::RecordingMessages recorder;
        ships_.Own = CreateShipOnLayer(own_, own_.ClassName, *ships_.Map, data_.Preferences, recorder);
        ships_.Opponent = CreateShipOnLayer(opponent_, opponent_.ClassName, *ships_.Map, data_.Preferences, recorder);
        // A design without a tertiary battery always warns of its calibre;
        // only the messages of a design that cannot fight are worth showing.
        if (!ships_.Own || !ships_.Opponent) {
            for (const std::string& t : recorder.texts()) failures.push_back(t);
            ships_.Opponent.reset();
            ships_.Own.reset();
        }
    }
    if (ships_.Own && W.cbReady->isChecked()) {
        MakeReadyForBattle(*ships_.Own, ownRangeClass_);
        MakeReadyForBattle(*ships_.Opponent, opponentRangeClass_);
    }
    loadMessages_ = failures;
    map_->SetShips(HasShips() ? &own_ : nullptr, HasShips() ? &opponent_ : nullptr);
    Recompute();
}

EngagementScenario TfrmPlanner::Scenario() const {
    EngagementScenario s;
    s.Range = W.seRange->value();
    s.Bearing = W.seBearing->value();
    s.Place = SeaAreaPoint(W.seLatitude->value(), W.seLongitude->value());
    auto state = [](const PlannerShipControls& c) {
        EngagementShipState st;
        st.Heading = c.seHeading->value();
        st.Speed = c.seSpeed->value();
        st.CrewQuality = c.seCrewQuality->value();
        st.RangingTurns = c.seRangingTurns->value();
        st.SightingLevel = std::max(0, c.cbSightingLevel->currentIndex());
        st.Evading = c.cbEvading->isChecked();
        return st;
    };
    s.Own = state(W.Ships[0]);
    s.Opponent = state(W.Ships[1]);
    s.Battery = 1;
    s.LightFromEnvironment = true;
    s.AllBatteries = true;
    return s;
}

void TfrmPlanner::UpdateRangeLimits() {
    const BattleEnvironment env = Environment();
    std::int32_t longest = 0;
    for (const TFightingShip* ship : {ships_.Own.get(), ships_.Opponent.get()})
        if (ship && BatteryHasGuns(*ship, 1))
            longest = std::max(longest, MaxGunRange(data_.Weapons, env.Year, *ship, 1));
    if (longest <= 0) longest = 20000;
    const std::int32_t top = std::clamp<std::int32_t>((longest * 6 / 5 + 99) / 100 * 100, 1000, 100000);
    const QSignalBlocker b1(W.seRange), b2(W.slRange);
    W.seRange->setMaximum(top);
    W.slRange->setRange(100, top);
    W.slRange->setSingleStep(100);
    W.slRange->setPageStep(1000);
    W.slRange->setValue(W.seRange->value());
}

void TfrmPlanner::Recompute() {
    if (updating_) return;
    updating_ = true;
    std::vector<std::string> messages = loadMessages_;
    if (!HasShips()) {
        ClearResults();
        if (messages.empty()) messages.push_back("Choose an opponent.");
        ShowMessages(messages);
        updating_ = false;
        return;
    }
    UpdateRangeLimits();
    const EngagementScenario scenario = Scenario();
    const BattleEnvironment env = Environment();
    {
        platform::RecordingMessages recorder;
        // Each computation draws from its scenario's seed, not from this source.
        platform::SeededRandom random(scenario.Seed);
        const CombatContext ctx{data_, env, random, recorder};
        // The chart's sweep first: the figures shown leave the ships where
        // the scenario puts them.
        const std::int32_t longest = W.seRange->maximum() * 5 / 6;
        const std::int32_t step = std::max<std::int32_t>(100, (longest - 1000) / 200 / 100 * 100);
        sweep_ = SweepEngagement(ctx, ships_, scenario, 1000, std::max(1000, longest), step);
        figures_ = ComputeEngagement(ctx, ships_, scenario, true);
        for (const std::string& t : recorder.texts())
            if (std::find(messages.begin(), messages.end(), t) == messages.end()) messages.push_back(t);
    }
    for (const TFightingShip* ship : {ships_.Own.get(), ships_.Opponent.get()})
        if (!BatteryHasGuns(*ship, 1) && !BatteryHasGuns(*ship, 2) && !BatteryHasGuns(*ship, 3))
            messages.push_back(ship->Name + " has no guns.");
    ShowFire(0, figures_.Own, *ships_.Own, *ships_.Opponent);
    ShowFire(1, figures_.Opponent, *ships_.Opponent, *ships_.Own);
    const std::vector<ChartZone> zones = ImmuneZones(figures_, ships_.Own->Name, ships_.Opponent->Name);
    ShowHitsChart(*W.chChart, sweep_, ships_.Own->Name, ships_.Opponent->Name, W.seRange->value(), zones);
    std::string advantage = AdvantageText(sweep_, ships_.Own->Name, ships_.Opponent->Name);
    if (!zones.empty()) {
        if (!advantage.empty() && advantage.back() == '.') advantage.pop_back();
        advantage += ". " + ZonesText(zones) + ".";
    }
    W.stAdvantage->setText(q(advantage));
    map_->Show(scenario, figures_);
    ShowMessages(messages);
    if (divisions_) divisions_->SetConditions(Conditions());
    updating_ = false;
}

void TfrmPlanner::ShowFire(int side, const FireFigures& fire, const TFightingShip& firer, const TFightingShip& target) {
    PlannerFireControls& c = W.Fire[static_cast<size_t>(side)];
    c.lbTitle->setText(q(firer.Name + " firing at " + target.Name));
    QTableWidget* table = c.tbBatteries;
    table->setRowCount(0);
    if (fire.Batteries.empty()) {
        table->setRowCount(1);
        setCell(table, 0, 0, QStringLiteral("No guns"));
        for (int col = 1; col < 5; ++col) setCell(table, 0, col, QStringLiteral("\u2013"));
    }
    for (const BatteryFigures& b : fire.Batteries) {
        const int row = table->rowCount();
        table->setRowCount(row + 1);
        setCell(table, row, 0,
                QString::fromLatin1(batteryName(b.Battery)) + QStringLiteral(" ") + QString::number(b.Calibre) +
                    QStringLiteral(" in"));
        setCell(table, row, 1, hitChanceCell(b));
        if (!b.Sighted || b.BeyondGunRange)
            table->item(row, 1)->setToolTip(QStringLiteral("The rules' hit chance: ") + chanceText(b.HitChance));
        setCell(table, row, 2, chanceText(b.RateOfFire));
        QString bearing = QString::number(b.GunsBearing) + QStringLiteral("/") + QString::number(b.Guns);
        setCell(table, row, 3, bearing);
        // The turrets stay in the tip: the letters would crowd out the hits.
        if (b.Battery == 1 && !fire.TurretsBearing.empty())
            table->item(row, 3)->setToolTip(QStringLiteral("Turrets bearing: ") + q(letters(fire.TurretsBearing)));
        setCell(table, row, 4, fixed(b.HitsPerMinute, 3));
    }
    showPiercing(*c.stPiercing, fire, target);
    c.stSighting->setText(QStringLiteral("Sighting range %1 yd, light: %2, glare: %3")
                              .arg(q(YardsText(fire.SightingRange)), QString::fromUtf8(lightName(fire.LightCondition)),
                                   fire.Glare ? QStringLiteral("yes") : QStringLiteral("no")));
    c.stIdentification->setText(
        fire.Sighted ? QStringLiteral("Sees: ") + q(fire.IdentificationText)
                     : QStringLiteral("Not sighted: beyond %1 yd").arg(q(YardsText(fire.SightingRange))));
    c.lbBreakdown->clear();
    if (BatteryHasGuns(firer, 1)) {
        for (const std::string& line : fire.Breakdown) c.lbBreakdown->addItem(q(line));
        if (fire.Fire.BeyondGunRange)
            c.lbBreakdown->addItem(
                QStringLiteral("Beyond gun range (%1 yd): no hit possible").arg(q(YardsText(fire.Fire.MaxGunRange))));
        else if (!fire.Sighted)
            c.lbBreakdown->addItem(
                QStringLiteral("Not sighted beyond %1 yd: no hit expected").arg(q(YardsText(fire.SightingRange))));
        else if (fire.Fire.HitChance > 100.0f)
            c.lbBreakdown->addItem(QStringLiteral("A chance above 100 is a certain hit: expected hits use 100"));
    } else {
        c.lbBreakdown->addItem(QStringLiteral("No main battery"));
    }
}

void TfrmPlanner::ClearResults() {
    figures_ = {};
    sweep_.clear();
    for (PlannerFireControls& c : W.Fire) {
        c.lbTitle->clear();
        c.tbBatteries->setRowCount(0);
        c.stPiercing->clear();
        c.stSighting->clear();
        c.stIdentification->clear();
        c.lbBreakdown->clear();
    }
    ShowHitsChart(*W.chChart, {}, "", "", 0);
    W.stAdvantage->clear();
}

void TfrmPlanner::ShowMessages(const std::vector<std::string>& texts) {
    QString text;
    for (const std::string& t : texts) {
        if (!text.isEmpty()) text += QStringLiteral("  ");
        text += q(t).replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    W.stMessages->setText(text);
}
