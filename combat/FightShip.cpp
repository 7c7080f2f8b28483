#include "combat/FightShip.h"

#include <cmath>

#include "combat/ShipTypes.h"
#include "designfile/DesignRecord.h"
#include "map/Geodesy.h"
#include "nations/Nations.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Round.h"

bool TFightingTorpedoMount::IsSubmergedMountPosition(TurretPosition letter) {
    switch (letter) {
    case 'A':
    case 'F':
    case 'G':
    case 'L':
    case 'M':
    case 'Y': return true;
    default: return false;
    }
}

std::int32_t HitPointsForDisplacement(std::int32_t d) {
    if (d >= 0 && d < 1500) return platform::Round32(d * 1.22L);
    if (d >= 1500 && d <= 50000) return platform::Round32(std::pow(static_cast<long double>(d), 0.85L) * 3.667L);
    if (d >= 50001 && d <= 10000000) return platform::Round32(d * 0.725L);
    return 0;
}

TFightingShip::TFightingShip(TGeoObjectStore* store) {
    SmokeTrail = std::make_unique<TGeoDataObject>(store);
    WakePolygon = std::make_unique<TGeoDataObject>(store);
    WakePolygon->Closed = true;
    WakePolygon->Hidden = true;
    WakeLine = std::make_unique<TGeoDataObject>(store);
    WakeLine->Hidden = true;
    Location = std::make_unique<TShipLocation>(store, this);
    Location->Closed = true;
    Location->SetPosition(TGeoPoint{});
    MapAngle = CompassToMapAngle(0);
    UpdateFireSmokePoints();
}

TFightingShip::~TFightingShip() {
    // Map objects first, so the layer never lists an object of a dying ship.
    SmokeTrail.reset();
    WakeLine.reset();
    WakePolygon.reset();
    HitLog.clear();
    Location.reset();
    SightedShips.clear();
    SightingObservers.clear();
}

bool TFightingShip::LoadFromDesignFile(const std::string& fileName, platform::Messages& messages) {
    if (!platform::fileExists(fileName)) {
        messages.notice("Cannot find file: " + fileName);
        return false;
    }
    return LoadFromDesignRecord(ReadDesignRecord(fileName), messages);
}

bool TFightingShip::LoadFromDesignRecord(const DesignRecord& record, platform::Messages& messages) {
    // Defaults alone would make a 10,000-ton ship of any file.
    if (!record.NotDesign.empty()) {
        messages.notice(record.NotDesign);
        return false;
    }
    const ProfileText& f = record.Values;
    ClassName = record.ClassName;
    ReadDataSection(f, messages);
    // Any negative nation would index outside the nation table, not just -1.
    if (Nation < 0 || Nation > MaxNation) {
        messages.notice("Illegal nation value! Class: " + ClassName);
        return false;
    }
    ReadHull(f);
    ReadGuns(f, messages);
    ReadLayout(record);
    ComputeTurretLayoutFlags();
    return true;
}

void TFightingShip::ReadDataSection(const ProfileText& f, platform::Messages& messages) {
    ShipType = static_cast<std::uint8_t>(ShipTypeFromCode(f.ReadString("Data", "ShipType", "XX"), messages));
    Displacement = f.ReadInteger("Data", "Displacement", 10000);
    Dynamos = f.ReadInteger("Data", "Dynamos", 1);
    FireControl = f.ReadInteger("Data", "Fire control", 0);
    EnemyClassName = f.ReadString("Data", "EnemyClassName", ClassName);
    MisidentifiedClassName = f.ReadString("Data", "MisidentifiedClassName", ClassName);
    PictureName = f.ReadString("Data", "PictureName", "");
    Nation = f.ReadInteger("Data", "Nation", -1);
    MineCapacity = f.ReadInteger("Data", "Mine capacity", 0);
    ObsoleteDate = f.ReadInteger("Data", "Obsolete date", 10000);
    FuelType = static_cast<std::uint8_t>(f.ReadInteger("Data", "Fuel type", 0));
}

void TFightingShip::ReadHull(const ProfileText& f) {
    HSC = f.ReadBool("Data", "HSC", Nation == 3 || Nation == 7 || ShipType == stDD);
    TorpedoDefense = f.ReadInteger("Data", "Torpedo defense", 0);

    OriginalFlotation = platform::Div(Displacement, 2);
    OriginalHitPoints = HitPointsForDisplacement(Displacement);
    Flotation = OriginalFlotation;
    HitPoints = OriginalHitPoints;

    LowFreeboard = f.ReadInteger("Data", "Freeboard", 1) == 1;
    Speed = f.ReadInteger("Data", "Speed", 18);

    auto armour = [&](const char* key) { return static_cast<float>(platform::Div(f.ReadInteger("Armor", key, 0), 2)); };
    ArmorB = armour("B");
    ArmorBE = armour("BE");
    ArmorD = armour("D");
    ArmorDE = armour("DE");
    ArmorCT = armour("CT");
    ArmorT = armour("T");
    ArmorTT = armour("TT");
    ArmorSEC = armour("SEC");
}

void TFightingShip::ReadGuns(const ProfileText& f, platform::Messages& messages) {
    SetBatteryCalibre(f.ReadInteger("Guns", "Main", 0), 1, messages);
    SetBatteryCalibre(f.ReadInteger("Guns", "Secondary", 0), 2, messages);
    SetBatteryCalibre(f.ReadInteger("Guns", "Tertiary", 0), 3, messages);

    TorpedoCalibre = f.ReadInteger("Torpedoes", "Calibre", 0);
    TorpedoDesignation = f.ReadString("Torpedoes", "Designation", "X");
    BatteryQuality[1] = f.ReadInteger("Guns", "MQ", 0);
    BatteryQuality[2] = f.ReadInteger("Guns", "SQ", 0);
    BatteryQuality[3] = f.ReadInteger("Guns", "TQ", 0);
}

void TFightingShip::ReadLayout(const DesignRecord& record) {
    const ProfileText& f = record.Values;
    for (int i = 1; i <= 4; ++i)
        Funnels[static_cast<size_t>(i)].Pos = f.ReadInteger("Funnels", "Funnel" + std::to_string(i) + "Pos", 0);
    for (int i = 1; i <= 4; ++i)
        Funnels[static_cast<size_t>(i)].Oval = f.ReadBool("Funnels", "Funnel" + std::to_string(i) + "Oval", false);

    ReadOutlines(record, Superstructure, IsLine);

    ShowSecondary = f.ReadBool("Guns", "ShowSec", false);
    SecNo = f.ReadInteger("Guns", "SecNo", 0);
    TerNo = f.ReadInteger("Guns", "TerNo", 0);
    TerTF = f.ReadInteger("Guns", "TerTF", 0);
    SecTF = f.ReadInteger("Guns", "SecTF", 0);
    SecondaryPort = SecondaryStarboard = platform::Div(SecNo, 2);
    TertiaryPort = TertiaryStarboard = platform::Div(TerNo, 2);
    SecondaryPortOriginal = SecondaryStarboardOriginal = SecondaryPort;
    TertiaryPortOriginal = TertiaryStarboardOriginal = TertiaryPort;
    CrossDeckFire = f.ReadBool("Guns", "CDF", false);

    for (const DesignSectionItem& item : TurretSections(record, kTurretSections)) {
        auto t = std::make_unique<TFightingTurret>();
        t->Guns = item.Count;
        t->Position = item.Position;
        Turrets.push_back(std::move(t));
    }
    for (const DesignSectionItem& item : MountSections(record)) {
        auto m = std::make_unique<TFightingTorpedoMount>();
        m->TubeCount = item.Count;
        m->TubesLoaded = item.Count;
        m->Position = item.Position;
        if (m->Submerged()) m->Reloads = 2;
        TorpedoMounts.push_back(std::move(m));
    }
}

void TFightingShip::SetBatteryCalibre(std::int32_t value, int battery, platform::Messages& messages) {
    if (battery < 1 || battery > 3) return;
    if (value < 2 || value > 18) {
        if (ShipType != stLT)
            messages.notice("Warning! Illegal calibre value for ship class: " + ClassName + " " +
                            std::to_string(value) + " " + std::to_string(battery));
        value = value < 2 ? 2 : 18;
    }
    BatteryCalibre[static_cast<size_t>(battery)] = value;
}

void TFightingShip::SetHeading(std::int32_t degrees) {
    if (ShipType == stLT) return;
    Heading = degrees;
    MapAngle = CompassToMapAngle(degrees);
    HeadingMilli = platform::Clamp32(static_cast<std::int64_t>(degrees) * 1000);
}

std::int32_t TFightingShip::CountGuns(bool workingOnly) const {
    std::int64_t n = 0;
    for (const auto& t : Turrets) {
        const TFightingTurret* ft = AsFighting(t.get());
        if (workingOnly && ft && !ft->Working()) continue;
        n += t->Guns == 0 ? 1 : t->Guns;
    }
    return platform::Clamp32(n);
}

std::string TFightingShip::GunsText() const {
    return std::to_string(CountGuns(true)) + "(" + std::to_string(CountGuns(false)) + ")";
}

std::int32_t TFightingShip::TorpedoesReady() const {
    std::int64_t n = 0;
    for (const auto& m : TorpedoMounts)
        if (const TFightingTorpedoMount* fm = AsFighting(m.get())) n += fm->TubesLoaded;
    return platform::Clamp32(n);
}

std::int32_t TFightingShip::TorpedoBroadside() const {
    std::int64_t n = 0;
    bool submerged = false;
    for (const auto& m : TorpedoMounts) {
        const TFightingTorpedoMount* fm = AsFighting(m.get());
        n += fm ? fm->TubeCount : m->Tubes;
        if (TFightingTorpedoMount::IsSubmergedMountPosition(m->Position)) submerged = true;
    }
    return platform::Clamp32(submerged ? -n : n);
}

void TFightingShip::ResetTurretTraining(platform::Messages& messages) {
    for (auto& t : Turrets)
        if (TFightingTurret* ft = AsFighting(t.get()); ft && ft->Working())
            ft->Training = TurretPositionBearing(*ft, messages);
}

TFightingTurret* TFightingShip::AsFighting(TTurret* turret) { return dynamic_cast<TFightingTurret*>(turret); }
const TFightingTurret* TFightingShip::AsFighting(const TTurret* turret) {
    return dynamic_cast<const TFightingTurret*>(turret);
}
TFightingTorpedoMount* TFightingShip::AsFighting(TTorpedomount* mount) {
    return dynamic_cast<TFightingTorpedoMount*>(mount);
}
const TFightingTorpedoMount* TFightingShip::AsFighting(const TTorpedomount* mount) {
    return dynamic_cast<const TFightingTorpedoMount*>(mount);
}

TGeoPoint TFightingShip::Position() const { return Location ? Location->Centroid() : TGeoPoint{}; }

void TFightingShip::SetPosition(const TGeoPoint& p) {
    if (Location) Location->SetPosition(p);
}

void TFightingShip::UpdateFireSmokePoints() {
    static constexpr int kSmoke[20][2] = {{0, 20},   {20, 16},  {40, 8},   {60, 14},  {80, 8},   {100, 12}, {120, 8},
                                          {140, 12}, {160, 8},  {180, 14}, {180, 20}, {200, 16}, {220, 8},  {240, 14},
                                          {260, 8},  {280, 12}, {300, 8},  {320, 12}, {340, 8},  {180, 5}};
    const TGeoPoint c = Position();
    for (int i = 0; i < 20; ++i)
        FireSmokePoints[static_cast<size_t>(i)] =
            PointAtBearing(c, NormalizeBearing(Heading, kSmoke[i][0]), kSmoke[i][1]);
    FireSmokePoints[20] = c;
}
