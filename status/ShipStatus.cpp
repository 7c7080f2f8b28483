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
#include "tables/WeaponData.h"
#include "graphics/HullOutline.h"
#include "graphics/qt/ShipDrawing.h"
#include "map/qt/MapControl.h"
#include "nations/Nations.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "status/ShipPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cmath>
#include <cstdio>

std::array<std::string, 4> SideDisplayNames{};

std::string SideDisplayName(std::int32_t side) {
    if (side < 0 || side >= static_cast<std::int32_t>(SideDisplayNames.size())) return {};
    return SideDisplayNames[static_cast<size_t>(side)];
}

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string str(std::int64_t n) { return std::to_string(n); }

// A statistic box shows its number after one blank.
QString box(const std::string& s) { return QStringLiteral(" ") + q(s); }
QString box(std::int64_t n) { return box(str(n)); }

// "#0.00": at least one integer digit, exactly two decimals.
std::string formatReal(long double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2Lf", value);
    return buf;
}

std::string hitPercentage(std::int32_t hits, std::int32_t rounds) {
    if (rounds == 0) return formatReal(0);
    return formatReal(static_cast<long double>(hits) / rounds * 100);
}

std::string upper(const std::string& s) { return QString::fromStdString(s).toUpper().toStdString(); }

// Whole inches, "½" for an exact half, the inch sign and the suffix; empty
// for no armour.
std::string armourText(float inches, const char* suffix) {
    if (!(inches > 0)) return {};
    const double value = std::min<double>(inches, 1e9);
    const auto whole = static_cast<std::int64_t>(std::trunc(value));
    std::string text = str(whole);
    if (value - static_cast<double>(whole) == 0.5) text += "\u00BD";
    return text + "\"" + suffix;
}

} // namespace

TdlgShipStatus::TdlgShipStatus(const ProgramData& data, QWidget* parent) : QDialog(parent), Data_(data) {
    setObjectName(QStringLiteral("dlgShipStatus"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildShipStatusWidgets(this, W);
    AccuracyDialog_ = new TdlgAccuracy(this);

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
    if (!HitDetailsDialog_) HitDetailsDialog_ = new TdlgHitDetails(this);
    return *HitDetailsDialog_;
}

TdlgAccuracy& TdlgShipStatus::AccuracyDialog() { return *AccuracyDialog_; }

std::string TdlgShipStatus::CustomFileLookup(const std::string& path) {
    const std::string custom = platform::customFilesRoot(platform::programDir()) + "\\Custom files\\" + platform::fileNameOf(path);
    return platform::fileExists(custom) ? custom : path;
}

void TdlgShipStatus::ShowShipStatus(TFightingShip& ship, std::int32_t date, const BattleEnvironment& env) {
    FillShipStatus(ship, date, env);
    exec();
}

void TdlgShipStatus::FillShipStatus(TFightingShip& ship, std::int32_t date, const BattleEnvironment& env) {
    for (QWidget* shown : std::initializer_list<QWidget*>{W.lbTurr, W.gbData, W.bnHitDetails, W.bnHitChance,
                                                          W.bnDivision})
        shown->setVisible(true);
    for (QWidget* hidden : std::initializer_list<QWidget*>{W.lbLogEntries, W.lbTargetInSmoke, W.lbRudder})
        hidden->setVisible(false);
    W.lbTurr->setText(QStringLiteral("Main turrets"));

    Env = env;
    Ship = &ship;
    setWindowTitle(q(DisplayName(ship)));

    FillTurretsAndMounts();
    for (QLabel* l : {W.stSecCal, W.stSecPort, W.stSecStbd, W.stSecRoundsFired, W.stSecHitsScored,
                      W.stSecHitPercentage, W.stSecRoundsLeft, W.stSecTargetLeft, W.stSecTargetRight, W.stTerCal,
                      W.stTerPort, W.stTerStbd, W.stTerRoundsFired, W.stTerHitsScored, W.stTerHitPercentage,
                      W.stTerRoundsLeft, W.stTerTargetPort, W.stTerTargetStbd, W.stTargetMain,
                      static_cast<QLabel*>(W.stTSHitChancePort), static_cast<QLabel*>(W.stTSHitChanceStbd)})
        l->clear();
    FillHeading(date);
    FillSummary();
    FillStateBoxes();
    FillBatteries();
    FillTargets();
    FillDamageBars();

    resize(width(), 770);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    LoadGameViewShip(true);
    LoadShipPicture();
}

void TdlgShipStatus::FillTurretsAndMounts() {
    W.lbTurrets->clear();
    for (const auto& t : Ship->Turrets) {
        std::string line = TurretPositionName(t->Position) + " " + (t->Guns == 0 ? std::string("1") : str(t->Guns));
        if (const TFightingTurret* f = TFightingShip::AsFighting(t.get())) {
            if (f->Knocked)
                line += " Destroyed!";
            else if (f->DisabledTurns > 0)
                line += " Disabled!";
        }
        W.lbTurrets->addItem(q(line));
    }
    W.lbTorps->clear();
    for (const auto& m : Ship->TorpedoMounts) {
        const TFightingTorpedoMount* f = TFightingShip::AsFighting(m.get());
        if (!f) {
            W.lbTorps->addItem(q(TorpedoMountName(m->Position) + " " + str(m->Tubes)));
            continue;
        }
        std::string line = TorpedoMountName(f->Position) + " " + str(f->TubeCount) + " (" + str(f->TubesLoaded) + ")";
        if (f->Destroyed)
            line += " Destroyed!";
        else if (f->Submerged() && f->ReloadMinutes >= 1 && f->Reloads >= 1)
            line += " Reloading, " + str(f->ReloadMinutes) + " minutes left";
        W.lbTorps->addItem(q(line));
    }
}

void TdlgShipStatus::FillHeading(std::int32_t date) {
    const TFightingShip& ship = *Ship;
    const TNation* nation = Data_.Nation(ship.Nation);

    W.imgNation->clear();
    if (nation) {
        const std::string flag = CustomFileLookup(platform::programDir() + "\\Flags\\" + nation->FlagFileName);
        if (platform::fileExists(flag)) {
            QPixmap pixmap;
            if (pixmap.load(q(platform::resolvePath(flag)))) W.imgNation->setPixmap(pixmap);
        }
    }

    if (ship.MineCapacity < 1) {
        W.lbMines->setVisible(false);
    } else {
        W.lbMines->setVisible(true);
        W.lbMines->setText(q(str(ship.MineCapacity) + " mines"));
    }

    const std::string n2 = nation ? nation->Name2 : std::string();
    const std::string side = SideDisplayName(ship.Side);
    const std::string typeName = Data_.Weapons.ShipTypeName(ship.ShipType);
    std::string heading = ((!side.empty() && n2 == "Unspecified") || n2 == "Generic") ? upper(side) + " " + typeName
                                                                                       : upper(n2) + " " + typeName;
    if (ship.ObsoleteDate < date) heading = "OLD " + heading;
    W.lbShipType->setText(q(heading));

    W.lbShipname->setText(q(upper(ship.Name)));
    W.lbMainGuns->setText(q(str(ship.CountGuns(false)) + " - " + str(ship.BatteryCalibre[1]) + " inch."));
    W.lbClass->setText(q(upper(ship.EnemyClassName + " CLASS")));
    W.lbDisplacement->setText(q("Displacement, " + str(ship.Displacement) + " tons"));
}

void TdlgShipStatus::FillSummary() {
    const TFightingShip& ship = *Ship;
    W.lbSecondaryGuns->setText(
        ship.SecondaryPort > 0 ? q(str(ship.SecNo) + " - " + str(ship.BatteryCalibre[2]) + " inch.") : QString());
    W.lbTertiaryGuns->setText(
        ship.TertiaryPort > 0 ? q(str(ship.TerNo) + " - " + str(ship.BatteryCalibre[3]) + " inch.") : QString());

    const bool hasMount = !ship.TorpedoMounts.empty();
    W.pnTorpedo->setVisible(hasMount);
    if (hasMount) W.pnTorpedo->setTitle(q("Torpedo tubes (" + str(ship.TorpedoCalibre) + " inch)"));
    const std::int32_t broadside = ship.TorpedoBroadside();
    if (broadside >= 1) {
        W.lbTorpedoTubes->setText(q(str(broadside)));
        W.lbAbove->setText(QStringLiteral("above water"));
    } else if (broadside == 0) {
        W.lbTorpedoTubes->clear();
        W.lbAbove->clear();
    } else {
        W.lbTorpedoTubes->setText(q(str(-static_cast<std::int64_t>(broadside))));
        W.lbAbove->setText(QStringLiteral("submerged"));
    }

    W.lbBelt->setText(q(armourText(ship.ArmorB, " Belt (amidships)")));
    W.lbDeck->setText(q(armourText(ship.ArmorD, " Deck")));
    W.lbTurretArmor->setText(q(armourText(ship.ArmorT, " Turrets")));
    W.lbBattery->setText(q(armourText(ship.ArmorSEC, " Battery")));
    W.lbCT->setText(q(armourText(ship.ArmorCT, " C.T.")));
}

void TdlgShipStatus::FillStateBoxes() {
    const TFightingShip& ship = *Ship;
    W.lbTargetInSmoke->setVisible(false);
    W.lbLimitedByWeather->setVisible(false);
    W.lbGratesFouled->setVisible(false);
    if (ship.SteamMinutesLeft >= 1) {
        W.lbLimitedByWeather->setVisible(true);
        W.lbLimitedByWeather->setText(q("Raising steam! " + str(ship.SteamMinutesLeft) + " minutes left"));
    } else if (Env.SeaState > 5) {
        W.lbLimitedByWeather->setVisible(true);
        W.lbLimitedByWeather->setText(q("Speed limited to " + str(MaxSpeedForSea(Env.SeaState)) + " knots by weather!"));
    }
    W.lbGratesFouled->setVisible(ship.GratesFouling > 180);

    W.bnHitChance->setEnabled(ship.MainTarget != nullptr);
    W.cbEvading->setChecked(ship.Evading);
    W.stFlooding->setText(q(str(FloodingPercent(ship))));

    W.lbSinking->setVisible(ship.SinkingCount >= 1 || ship.Fires >= 2 || ship.Sunk);
    if (ship.Sunk)
        W.lbSinking->setText(QStringLiteral("Sunk!"));
    else if (ship.SinkingCount >= 1)
        W.lbSinking->setText(QStringLiteral("Sinking!"));
    else if (ship.Fires >= 2)
        W.lbSinking->setText(q("On fire! (" + str(static_cast<std::int64_t>(ship.Fires) - 1) + ")"));
    else
        W.lbSinking->clear();

    W.stHHits->setText(box(ship.HitCounterHeavy));
    W.stMHits->setText(box(Tallies.MediumHits));
    W.stLHits->setText(box(ship.HitCounterLight));
    W.stTHits->setText(box(Tallies.TorpedoHits));

    W.stCurCourse->setText(box(ship.Heading));
    W.stEndurance->setText(
        box(str(GetRemainingRange(ship, ship.CurrentSpeed)) + "/" + str(GetRemainingRange(ship, 16))));
    W.stCrewQuality->setText(box(ship.CrewQuality));
    W.stSpeed->setText(box(str(MaxSpeedNow(ship)) + "/" + str(ship.Speed)));
    W.stCurSpeed->setText(box(ship.CurrentSpeed));
    W.stPointValue->setText(box(static_cast<std::int64_t>(PointValue(ship, Env.Year)) * 4));
    W.stFireControl->setText(box(FireControlName(ship.FireControl)));

    static const char* const rudder[] = {"", "Rudder jammed stbd", "Rudder jammed center", "Rudder jammed port"};
    if (Tallies.RudderState >= 1 && Tallies.RudderState <= 3) W.lbRudder->setText(QString::fromLatin1(rudder[Tallies.RudderState]));
    if (Tallies.RudderState > 0) W.lbRudder->setVisible(true);
}

void TdlgShipStatus::FillBatteries() {
    const TFightingShip& ship = *Ship;
    W.stTorpCal->setText(ship.TorpedoMounts.empty() ? QStringLiteral(" ")
                                                    : box(str(ship.TorpedoCalibre) + " in"));
    W.stMainGunType->setText(box(str(ship.BatteryCalibre[1]) + " in"));
    W.stHits->setText(box(Tallies.HitsScored[1]));
    W.stRoundsFired->setText(box(ship.RoundsFiredMain));
    W.stRdsMain->setText(box(static_cast<std::int64_t>(ship.RoundsCarriedMain) - ship.RoundsFiredMain));
    W.stHP->setText(box(hitPercentage(Tallies.HitsScored[1], ship.RoundsFiredMain)));

    if (ship.SecondaryPort > 0) {
        W.stSecPort->setText(box(str(ship.SecondaryPortOriginal) + " (" + str(ship.SecondaryPort) + ")"));
        W.stSecStbd->setText(box(str(ship.SecondaryStarboardOriginal) + " (" + str(ship.SecondaryStarboard) + ")"));
        W.stSecCal->setText(box(str(ship.BatteryCalibre[2]) + " in"));
        W.stSecHitsScored->setText(box(Tallies.HitsScored[2]));
        W.stSecRoundsFired->setText(box(ship.RoundsFiredSecondary));
        W.stSecRoundsLeft->setText(
            box(static_cast<std::int64_t>(ship.RoundsCarriedSecondary) - ship.RoundsFiredSecondary));
        W.stSecHitPercentage->setText(box(hitPercentage(Tallies.HitsScored[2], ship.RoundsFiredSecondary)));
    }

    // Filled whether or not the ship has secondaries: a ship with tertiary
    // guns only (the Dreadnought's 12-pounders) showed an empty tab.
    if (ship.TertiaryPort <= 0) return;
    W.stTerPort->setText(box(str(ship.TertiaryPortOriginal) + " (" + str(ship.TertiaryPort) + ")"));
    W.stTerStbd->setText(box(str(ship.TertiaryStarboardOriginal) + " (" + str(ship.TertiaryStarboard) + ")"));
    W.stTerCal->setText(box(str(ship.BatteryCalibre[3]) + " in"));
    W.stTerHitsScored->setText(box(Tallies.HitsScored[3]));
    W.stTerRoundsFired->setText(box(ship.RoundsFiredTertiary));
    W.stTerRoundsLeft->setText(
        box(static_cast<std::int64_t>(ship.RoundsCarriedTertiary) - ship.RoundsFiredTertiary));
    W.stTerHitPercentage->setText(box(hitPercentage(Tallies.HitsScored[3], ship.RoundsFiredTertiary)));
}

void TdlgShipStatus::AppendScratch(const std::vector<std::string>& lines) {
    for (const auto& l : lines) W.lbSlask->addItem(q(l));
}

void TdlgShipStatus::FillTargets() {
    TFightingShip& ship = *Ship;
    if (TFightingShip* target = ship.MainTarget) {
        const std::int32_t calibre = ship.BatteryCalibre[1];
        W.stTargetMain->setText(box(IdentificationText(Env, *target)));
        std::vector<std::string> scratch;
        const float chance = GetGunHitChance(Data_, Env, ship, target, calibre, 1, {.Breakdown = &scratch});
        AppendScratch(scratch);
        W.stHitChance->setText(box(FormatChance(chance)));
        const float rof = GetRateOfFire(Data_.Weapons, Env, ship, calibre, GetRangeToShip(ship, target), target, 1,
                                        {.Settled = true, .WeatherDelays = Env.IsMistOrRain()});
        W.stROF->setText(box(FormatChance(rof)));
    }

    const bool secondaryTab = W.tcSmallguns->currentIndex() == 0;
    TFightingShip* port = secondaryTab ? ship.SecondaryTargetPort : ship.TertiaryTargetPort;
    TFightingShip* stbd = secondaryTab ? ship.SecondaryTargetStarboard : ship.TertiaryTargetStarboard;
    QLabel* portName = secondaryTab ? W.stSecTargetLeft : W.stTerTargetPort;
    QLabel* stbdName = secondaryTab ? W.stSecTargetRight : W.stTerTargetStbd;
    const int battery = secondaryTab ? 2 : 3;
    const std::int32_t calibre = ship.BatteryCalibre[static_cast<size_t>(battery)];
    auto fill = [&](TFightingShip* target, QLabel* name, QLabel* chanceBox) {
        if (!target) {
            chanceBox->clear();
            return;
        }
        name->setText(box(IdentificationText(Env, *target)));
        std::vector<std::string> scratch;
        const float chance = GetGunHitChance(Data_, Env, ship, target, calibre, battery, {.Breakdown = &scratch});
        AppendScratch(scratch);
        chanceBox->setText(box(FormatChance(chance)));
    };
    fill(port, portName, W.stTSHitChancePort);
    fill(stbd, stbdName, W.stTSHitChanceStbd);
}

void TdlgShipStatus::FillDamageBars() {
    const TFightingShip& ship = *Ship;
    // A bar whose range is 0..0 would show as busy; damage beyond the full
    // figure shows as a full bar.
    auto set = [](QProgressBar* bar, std::int32_t full, std::int64_t lost) {
        bar->setRange(0, std::max<std::int32_t>(full, 1));
        bar->setValue(static_cast<int>(std::clamp<std::int64_t>(lost, 0, std::max<std::int32_t>(full, 1))));
    };
    // Each bar shows, and names in its tip, what its label says: structure
    // is the hit points, flotation the flotation.
    set(W.pbSuperstructure, ship.OriginalHitPoints, static_cast<std::int64_t>(ship.OriginalHitPoints) - ship.HitPoints);
    W.pbSuperstructure->setToolTip(
        q("Structure: " + str(ship.HitPoints) + " of " + str(ship.OriginalHitPoints) + " hit points left"));
    set(W.pbFloat, ship.OriginalFlotation, static_cast<std::int64_t>(ship.OriginalFlotation) - ship.Flotation);
    W.pbFloat->setToolTip(q("Flotation: " + str(ship.Flotation) + " of " + str(ship.OriginalFlotation) + " left"));
}

void TdlgShipStatus::LoadGameViewShip(bool copyTurrets) {
    GameViewShip.reset();
    W.aDisplayGlobe->Redraw();
    if (!Ship) return;
    const std::string file = CustomFileLookup(platform::programDir() + "Designs\\" + Ship->ClassName + ".sdf");
    GameViewShip = CreateShipOnLayer(file, Ship->Name, W.aDisplayGlobe->Map(), Data_.Preferences);
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
    DrawTurrets(canvas, *GameViewShip);
    DrawSecondaryMounts(canvas, *GameViewShip);
    DrawFunnels(canvas, *GameViewShip);
}

void TdlgShipStatus::LoadShipPicture() {
    W.imgPicture->clear();
    if (!Ship) return;
    const std::string& name = Ship->PictureName;
    // A picture name is a bare file name; one that reaches into other
    // folders is not looked for on disk.
    const bool bareName = !name.empty() && platform::fileNameOf(name) == name && name != "." && name != "..";
    const std::string custom = platform::customFilesRoot(platform::programDir()) + "\\Custom Files\\" + name;
    if (bareName && platform::fileExists(custom)) {
        const QImage image = shippictures::LoadPictureFile(custom);
        if (!image.isNull()) W.imgPicture->setPixmap(QPixmap::fromImage(image));
        return;
    }
    if (name.empty()) return;
    if (auto image = shippictures::StoredPicture(name)) {
        W.imgPicture->setPixmap(QPixmap::fromImage(*image));
        return;
    }
    platform::messages().error("Picture not found: " + name);
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
    GetGunHitChance(Data_, Env, *Ship, target, calibre, battery, {.Breakdown = &lines});
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
        ShowAccuracyReport(port ? Ship->TertiaryTargetPort : Ship->TertiaryTargetStarboard, Ship->BatteryCalibre[3],
                           3);
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
    GetSmokeInterference(Env, *Ship, Ship->MainTarget, true);
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
    QString text = QStringLiteral("Operational history, ") + (Ship ? q(DisplayName(*Ship)) : QString()) +
                   QStringLiteral("\r\r");
    for (int i = 0; i < W.lbLogEntries->count(); ++i) text += W.lbLogEntries->item(i)->text() + QLatin1Char('\r');
    return text;
}

void TdlgShipStatus::Copytoclipboard1Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(LogClipboardText());
}
