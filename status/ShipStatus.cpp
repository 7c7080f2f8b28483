#include "status/ShipStatus.h"

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "combat/Identification.h"
#include "combat/RateOfFire.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipLayer.h"
#include "combat/ShipTypes.h"
#include "combat/Sighting.h"
#include "combat/StatusFigures.h"
#include "graphics/HullOutline.h"
#include "graphics/qt/ShipDrawing.h"
#include "graphics/qt/ShipPictures.h"
#include "map/qt/MapControl.h"
#include "nations/Nations.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "tables/WeaponData.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cmath>
#include <cstdio>

std::string TdlgShipStatus::SideDisplayName(std::int32_t side) const {
    if (side < 0 || side >= static_cast<std::int32_t>(SideDisplayNames.size())) return {};
    return SideDisplayNames[static_cast<size_t>(side)];
}

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string str(std::int64_t n) { return std::to_string(n); }

// A statistic box shows its number after one blank.
QString box(const std::string& s) { return QStringLiteral(" ") + q(s); }

} // namespace

TdlgShipStatus::TdlgShipStatus(const ProgramData& data, std::string programDir, std::string customFilesRoot,
                               QWidget* parent)
    : QDialog(parent), data_(data), programDir_(std::move(programDir)), customFilesRoot_(std::move(customFilesRoot)) {
    setObjectName(QStringLiteral("dlgShipStatus"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildShipStatusWidgets(this, W);
    accuracyDialog_ = new TdlgAccuracy(this);

    connect(W.tcSmallguns, &QTabBar::currentChanged, this, &TdlgShipStatus::tcSmallgunsChange);
    connect(W.tcView, &QTabBar::currentChanged, this, &TdlgShipStatus::tcViewChange);
    connect(W.bnHitChance, &QPushButton::clicked, this, &TdlgShipStatus::bnHitChanceClick);
    connect(W.stTSHitChancePort, &TClickLabel::clicked, this, &TdlgShipStatus::stTSHitChancePortClick);
    connect(W.stTSHitChanceStbd, &TClickLabel::clicked, this, &TdlgShipStatus::stTSHitChanceStbdClick);
    connect(W.bnHitDetails, &QPushButton::clicked, this, &TdlgShipStatus::bnHitDetailsClick);
    connect(W.bnSmoke, &QPushButton::clicked, this, &TdlgShipStatus::SmokeClick);
    connect(W.bnSighted, &QPushButton::clicked, this, &TdlgShipStatus::bnSightedClick);
    connect(W.bnDivision, &QPushButton::clicked, this, &TdlgShipStatus::bnDivisionClick);
    connect(W.bnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(W.Copytoclipboard1, &QAction::triggered, this, &TdlgShipStatus::Copytoclipboard1Click);
    connect(W.lbLogEntries, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { W.PopupMenu1->popup(W.lbLogEntries->viewport()->mapToGlobal(at)); });
    W.aDisplayGlobe->OnRender = [this](TMapCanvas& canvas) { aDisplayGlobeRender(canvas); };
    FormCreate();
}

// The game-view ship's map objects live in aDisplayGlobe's map: free the
// ship while the control still exists.
TdlgShipStatus::~TdlgShipStatus() { GameViewShip.reset(); }

void TdlgShipStatus::FormCreate() {
    W.aDisplayGlobe->SetCentre(TGeoPoint{0, 0, 0});
    W.aDisplayGlobe->SetAltitude(40);
    W.aDisplayGlobe->SetCentre(TGeoPoint{0, 0, 0});
}

TdlgHitDetails& TdlgShipStatus::HitDetailsDialog() {
    if (!hitDetailsDialog_) hitDetailsDialog_ = new TdlgHitDetails(this);
    return *hitDetailsDialog_;
}

TdlgAccuracy& TdlgShipStatus::AccuracyDialog() { return *accuracyDialog_; }

CombatContext TdlgShipStatus::Context() const { return {data_, Env, random_, platform::messages()}; }

std::string TdlgShipStatus::CustomFileLookup(const std::string& path) const {
    const std::string custom = customFilesRoot_ + "Custom Files/" + platform::fileNameOf(path);
    return platform::fileExists(custom) ? custom : path;
}

void TdlgShipStatus::ShowShipStatus(TFightingShip& ship, std::int32_t date, const BattleEnvironment& env) {
    FillShipStatus(ship, date, env);
    exec();
}

void TdlgShipStatus::FillShipStatus(TFightingShip& ship, std::int32_t date, const BattleEnvironment& env) {
    for (QWidget* shown :
         std::initializer_list<QWidget*>{W.lbTurr, W.gbData, W.bnHitDetails, W.bnHitChance, W.bnDivision})
        shown->setVisible(true);
    for (QWidget* hidden : std::initializer_list<QWidget*>{W.lbLogEntries, W.lbTargetInSmoke, W.lbRudder})
        hidden->setVisible(false);
    W.lbTurr->setText(QStringLiteral("Main turrets"));

    Env = env;
    Ship = &ship;
    const ShipStatusFigures f = BuildStatusFigures(Context(), ship,
                                                   {.Date = date,
                                                    .SideName = SideDisplayName(ship.Side),
                                                    .Tallies = Tallies,
                                                    .SmallGunsBattery = W.tcSmallguns->currentIndex() == 0 ? 2 : 3});
    setWindowTitle(q(f.Title));

    FillTurretsAndMounts(f);
    for (QLabel* l : {W.stSecCal,
                      W.stSecPort,
                      W.stSecStbd,
                      W.stSecRoundsFired,
                      W.stSecHitsScored,
                      W.stSecHitPercentage,
                      W.stSecRoundsLeft,
                      W.stSecTargetLeft,
                      W.stSecTargetRight,
                      W.stTerCal,
                      W.stTerPort,
                      W.stTerStbd,
                      W.stTerRoundsFired,
                      W.stTerHitsScored,
                      W.stTerHitPercentage,
                      W.stTerRoundsLeft,
                      W.stTerTargetPort,
                      W.stTerTargetStbd,
                      W.stTargetMain,
                      static_cast<QLabel*>(W.stTSHitChancePort),
                      static_cast<QLabel*>(W.stTSHitChanceStbd)})
        l->clear();
    FillHeading(f);
    FillSummary(f);
    FillStateBoxes(f);
    FillBatteries(f);
    FillTargets(f);
    FillDamageBars(f);

    resize(width(), 770);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    LoadGameViewShip(true);
    LoadShipPicture();
}

void TdlgShipStatus::FillTurretsAndMounts(const ShipStatusFigures& f) {
    W.lbTurrets->clear();
    for (const std::string& line : f.Turrets) W.lbTurrets->addItem(q(line));
    W.lbTorps->clear();
    for (const std::string& line : f.TorpedoMounts) W.lbTorps->addItem(q(line));
}

void TdlgShipStatus::FillHeading(const ShipStatusFigures& f) {
    W.imgNation->clear();
    if (!f.FlagFile.empty()) {
        const std::string flag = CustomFileLookup(programDir_ + "Flags/" + f.FlagFile);
        if (platform::fileExists(flag)) {
            QPixmap pixmap;
            if (pixmap.load(q(platform::resolvePath(flag)))) W.imgNation->setPixmap(pixmap);
        }
    }
    W.lbMines->setVisible(!f.Mines.empty());
    if (!f.Mines.empty()) W.lbMines->setText(q(f.Mines));
    W.lbShipType->setText(q(f.Heading));
    W.lbShipname->setText(q(f.ShipName));
    W.lbMainGuns->setText(q(f.MainGuns));
    W.lbClass->setText(q(f.ClassName));
    W.lbDisplacement->setText(q(f.Displacement));
}

void TdlgShipStatus::FillSummary(const ShipStatusFigures& f) {
    W.lbSecondaryGuns->setText(q(f.SecondaryGuns));
    W.lbTertiaryGuns->setText(q(f.TertiaryGuns));
    W.pnTorpedo->setVisible(f.TorpedoPanel);
    if (f.TorpedoPanel) W.pnTorpedo->setTitle(q(f.TorpedoPanelTitle));
    W.lbTorpedoTubes->setText(q(f.TorpedoTubes));
    W.lbAbove->setText(q(f.TorpedoPlacement));
    W.lbBelt->setText(q(f.Belt));
    W.lbDeck->setText(q(f.Deck));
    W.lbTurretArmor->setText(q(f.TurretArmour));
    W.lbBattery->setText(q(f.BatteryArmour));
    W.lbCT->setText(q(f.ConningTower));
}

void TdlgShipStatus::FillStateBoxes(const ShipStatusFigures& f) {
    W.lbTargetInSmoke->setVisible(false);
    W.lbLimitedByWeather->setVisible(!f.LimitedByWeather.empty());
    if (!f.LimitedByWeather.empty()) W.lbLimitedByWeather->setText(q(f.LimitedByWeather));
    W.lbGratesFouled->setVisible(f.GratesFouled);
    W.bnHitChance->setEnabled(f.HitChanceEnabled);
    W.cbEvading->setChecked(f.Evading);
    W.stFlooding->setText(q(f.Flooding));
    W.lbSinking->setVisible(f.SinkingShown);
    W.lbSinking->setText(q(f.Sinking));
    for (const auto& [label, text] : {std::pair{W.stHHits, &f.HeavyHits},
                                      {W.stMHits, &f.MediumHits},
                                      {W.stLHits, &f.LightHits},
                                      {W.stTHits, &f.TorpedoHits},
                                      {W.stCurCourse, &f.Course},
                                      {W.stEndurance, &f.Endurance},
                                      {W.stCrewQuality, &f.CrewQuality},
                                      {W.stSpeed, &f.Speed},
                                      {W.stCurSpeed, &f.CurrentSpeed},
                                      {W.stPointValue, &f.PointValueText},
                                      {W.stFireControl, &f.FireControl}})
        label->setText(box(*text));
    if (!f.Rudder.empty()) W.lbRudder->setText(q(f.Rudder));
    if (Tallies.RudderState > 0) W.lbRudder->setVisible(true);
}

// The boxes of a secondary or tertiary battery; left cleared without guns.
void TdlgShipStatus::FillSmallBattery(const StatusBattery& b, const SmallBatteryBoxes& boxes) {
    if (!b.Shown) return;
    for (const auto& [label, text] : {std::pair{boxes.Port, &b.Port},
                                      {boxes.Starboard, &b.Starboard},
                                      {boxes.Calibre, &b.Calibre},
                                      {boxes.HitsScored, &b.HitsScored},
                                      {boxes.RoundsFired, &b.RoundsFired},
                                      {boxes.RoundsLeft, &b.RoundsLeft},
                                      {boxes.HitPercentage, &b.HitPercentage}})
        label->setText(box(*text));
}

void TdlgShipStatus::FillBatteries(const ShipStatusFigures& f) {
    W.stTorpCal->setText(box(f.TorpedoCalibre));
    W.stMainGunType->setText(box(f.MainCalibre));
    W.stHits->setText(box(f.MainHits));
    W.stRoundsFired->setText(box(f.MainRoundsFired));
    W.stRdsMain->setText(box(f.MainRoundsLeft));
    W.stHP->setText(box(f.MainHitPercentage));
    FillSmallBattery(f.Secondary, {W.stSecPort, W.stSecStbd, W.stSecCal, W.stSecHitsScored, W.stSecRoundsFired,
                                   W.stSecRoundsLeft, W.stSecHitPercentage});
    FillSmallBattery(f.Tertiary, {W.stTerPort, W.stTerStbd, W.stTerCal, W.stTerHitsScored, W.stTerRoundsFired,
                                  W.stTerRoundsLeft, W.stTerHitPercentage});
}

void TdlgShipStatus::FillTargets(const ShipStatusFigures& f) {
    if (f.MainTarget.Present) {
        W.stTargetMain->setText(box(f.MainTarget.Name));
        W.stHitChance->setText(box(f.MainTarget.HitChance));
        W.stROF->setText(box(f.MainRateOfFire));
    }
    const bool secondaryTab = W.tcSmallguns->currentIndex() == 0;
    auto fill = [&](const StatusTarget& target, QLabel* name, QLabel* chanceBox) {
        if (!target.Present) {
            chanceBox->clear();
            return;
        }
        name->setText(box(target.Name));
        chanceBox->setText(box(target.HitChance));
    };
    fill(f.SmallGunsPort, secondaryTab ? W.stSecTargetLeft : W.stTerTargetPort, W.stTSHitChancePort);
    fill(f.SmallGunsStarboard, secondaryTab ? W.stSecTargetRight : W.stTerTargetStbd, W.stTSHitChanceStbd);
}

void TdlgShipStatus::FillDamageBars(const ShipStatusFigures& f) {
    // Each bar shows, and names in its tip, what its label says: structure
    // is the hit points, flotation the flotation.
    W.pbSuperstructure->setRange(0, f.HullFull);
    W.pbSuperstructure->setValue(f.HullLost);
    W.pbSuperstructure->setToolTip(q(f.HullToolTip));
    W.pbFloat->setRange(0, f.FloatFull);
    W.pbFloat->setValue(f.FloatLost);
    W.pbFloat->setToolTip(q(f.FloatToolTip));
}

void TdlgShipStatus::LoadGameViewShip(bool copyTurrets) {
    GameViewShip.reset();
    W.aDisplayGlobe->Redraw();
    if (!Ship) return;
    const std::string file = CustomFileLookup(programDir_ + "Designs/" + Ship->ClassName + ".sdf");
    GameViewShip = CreateShipOnLayer(file, Ship->Name, W.aDisplayGlobe->Map(), data_.Preferences, platform::messages());
    if (!GameViewShip) {
        platform::messages().notice("Could not load ship!");
        return;
    }
    TFightingShip& view = *GameViewShip;
    view.Side = 0;
    view.SetPosition(TGeoPoint{0, 0, 0});
    view.Heading = 270;
    view.MapAngle = 90 * kGlobeUnitsPerDegree;
    view.HeadingMilli = 270000;
    view.Course = 270;
    RefreshShipMapObjects(view);
    if (view.Location) {
        view.Location->Hidden = false;
        view.Location->Title.clear();
    }
    for (TGeoDataObject* o : {view.SmokeTrail.get(), view.WakeLine.get(), view.WakePolygon.get()})
        if (o) o->Hidden = true;

    if (copyTurrets) {
        const size_t n = std::min(Ship->Turrets.size(), view.Turrets.size());
        for (size_t i = 0; i < n; ++i) {
            const TFightingTurret* from = TFightingShip::AsFighting(Ship->Turrets[i].get());
            TFightingTurret* to = TFightingShip::AsFighting(view.Turrets[i].get());
            if (!from || !to) continue;
            to->DisabledTurns = from->DisabledTurns;
            to->Knocked = from->Knocked;
            to->Training = from->Training;
        }
    }
    view.SecondaryTargetPort = Ship->SecondaryTargetPort;
    W.aDisplayGlobe->Redraw();
}

void TdlgShipStatus::aDisplayGlobeRender(TMapCanvas& canvas) {
    if (!GameViewShip) return;
    DrawSuperstructure(canvas, *GameViewShip);
    DrawTurrets(canvas, *GameViewShip, platform::messages());
    DrawSecondaryMounts(canvas, *GameViewShip, platform::messages());
    DrawFunnels(canvas, *GameViewShip);
}

void TdlgShipStatus::LoadShipPicture() {
    W.imgPicture->clear();
    if (!Ship) return;
    const std::string& name = Ship->PictureName;
    const auto picture = shippictures::FindShipPicture(name, customFilesRoot_ + "Custom Files/");
    if (!picture.Image.isNull()) W.imgPicture->setPixmap(QPixmap::fromImage(picture.Image));
    else if (!picture.Found && !name.empty()) platform::messages().error("Picture not found: " + name);
}

void TdlgShipStatus::tcViewChange() { W.pnlPicture->setVisible(W.tcView->currentIndex() == 1); }

void TdlgShipStatus::tcSmallgunsChange() {
    W.gbSecondary->setVisible(W.tcSmallguns->currentIndex() == 0);
    W.gbTertiary->setVisible(!W.gbSecondary->isVisibleTo(this));
}

void TdlgShipStatus::ShowAccuracyReport(TFightingShip* target, std::int32_t calibre, int battery) {
    if (!Ship || !target) return;
    TdlgAccuracy& report = AccuracyDialog();
    report.Memo1->clear();
    std::vector<std::string> lines;
    GetGunHitChance(Context(), *Ship, target, calibre, battery, {.Breakdown = &lines});
    report.SetLines(lines);
    report.exec();
}

void TdlgShipStatus::bnHitChanceClick() {
    if (Ship) ShowAccuracyReport(Ship->MainTarget, Ship->BatteryCalibre[1], 1);
}

void TdlgShipStatus::SmallGunHitChanceClick(bool port) {
    if (!Ship) return;
    if (W.tcSmallguns->currentIndex() == 0)
        ShowAccuracyReport(port ? Ship->SecondaryTargetPort : Ship->SecondaryTargetStarboard, Ship->BatteryCalibre[2],
                           2);
    else
        ShowAccuracyReport(port ? Ship->TertiaryTargetPort : Ship->TertiaryTargetStarboard, Ship->BatteryCalibre[3], 3);
}

void TdlgShipStatus::stTSHitChancePortClick() { SmallGunHitChanceClick(true); }
void TdlgShipStatus::stTSHitChanceStbdClick() { SmallGunHitChanceClick(false); }

void TdlgShipStatus::bnHitDetailsClick() {
    if (Ship) HitDetailsDialog().ShowHitDetails(*Ship);
}

void TdlgShipStatus::SmokeClick() {
    if (!Ship) return;
    if (!Ship->MainTarget) {
        platform::messages().notice("No target");
        return;
    }
    GetSmokeInterference(Context(), *Ship, Ship->MainTarget, true);
}

void TdlgShipStatus::bnSightedClick() {
    if (!Ship) return;
    std::string text;
    for (const TFightingShip* other : Ship->SightedShips)
        if (other) text += DisplayName(*other) + " " + str(GetRangeToShip(*Ship, other)) + "\r";
    platform::messages().notice(text);
}

// The designer has no divisions, so the button only closes the card.
void TdlgShipStatus::bnDivisionClick() { accept(); }

void TdlgShipStatus::pnCrossClick() { close(); }

QString TdlgShipStatus::LogClipboardText() const {
    QString text =
        QStringLiteral("Operational history, ") + (Ship ? q(DisplayName(*Ship)) : QString()) + QStringLiteral("\r\r");
    for (int i = 0; i < W.lbLogEntries->count(); ++i) text += W.lbLogEntries->item(i)->text() + QLatin1Char('\r');
    return text;
}

void TdlgShipStatus::Copytoclipboard1Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(LogClipboardText());
}
