#pragma once
// A ship class as the battle engine sees it: the design data of a ship design
// file plus the state of one ship in a battle.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "map/MapModel.h"
#include "platform/Messages.h"
#include "shipdata/Ship.h"

class TFightingShip;
struct DesignRecord;
class ProfileText;
struct TDivision;
struct DesignRecord;

// The side the player commands; the designer has no other.
constexpr std::int32_t PlayerSide = 0;

class TFightingTurret : public TTurret {
public:
    std::int32_t DisabledTurns = 0;
    bool Knocked = false;
    std::int32_t Training = 0; // degrees from the bow

    bool Working() const { return !Knocked && DisabledTurns == 0; }
    // A casemate counts as one gun.
    std::int32_t GunCount() const { return Guns == 0 ? 1 : Guns; }
};

class TFightingTorpedoMount : public TTorpedomount {
public:
    bool Destroyed = false;
    std::int32_t TubesLoaded = 0;
    std::int32_t TubeCount = 0;
    std::int32_t ReloadMinutes = 0;
    std::int32_t Reloads = 0; // 2 for a submerged mount at load

    bool Submerged() const { return IsSubmergedMountPosition(Position); }
    static bool IsSubmergedMountPosition(TurretPosition letter);
};

// A ship's position object on the ship layer; refers back to its ship.
class TShipLocation : public TGeoDataObject {
public:
    TShipLocation(TGeoObjectStore* store, TFightingShip* ship) : TGeoDataObject(store), Ship(ship) {}
    TFightingShip* Ship;
};

// Marks smoke-float objects on the smoke layer.
class TSmokeFloat : public TGeoDataObject {
public:
    using TGeoDataObject::TGeoDataObject;
};

class TFightingShip : public Tship {
public:
    // Creates the smoke trail, wake polygon, wake line and location objects
    // in the store (none: a ship on no map) and sets the initial state.
    explicit TFightingShip(TGeoObjectStore* store);
    ~TFightingShip() override;

    std::unique_ptr<TShipLocation> Location;
    std::int32_t Heading = 0;  // compass degrees 0..359
    std::int32_t MapAngle = 0; // heading as a map rotation, globe units
    std::int32_t HeadingMilli = 0;
    std::int32_t Course = 0;
    std::int32_t CurrentSpeed = 0;
    std::int32_t Fuel = 0, OriginalFuel = 0;
    bool HSC = false;             // chooses the fuel consumption table
    std::int32_t Side = 0;        // 3: neutral
    std::int32_t CurrentTurn = 0; // signed degrees this turn
    bool Evading = false;
    std::int32_t UnderFire = 0;
    bool Sunk = false;
    std::int32_t GratesFouling = 0;
    TFightingShip* MainTarget = nullptr;
    TFightingShip* SecondaryTargetPort = nullptr;
    TFightingShip* SecondaryTargetStarboard = nullptr;
    TFightingShip* TertiaryTargetPort = nullptr;
    TFightingShip* TertiaryTargetStarboard = nullptr;
    std::vector<TFightingShip*> SightedShips;      // ships this one has sighted
    std::vector<TFightingShip*> SightingObservers; // kept for the sighting model
    std::unique_ptr<TGeoDataObject> SmokeTrail;    // chain 0 funnel smoke, chain 1 fire smoke
    std::unique_ptr<TGeoDataObject> WakeLine;      // chain 1 holds the wake track
    std::unique_ptr<TGeoDataObject> WakePolygon;
    bool ShowSecondary = false;
    std::int32_t CrewQuality = 0;
    bool CrewBonus = false;
    std::int32_t LightCondition = 0; // 1 day, 2 night, 3 dusk
    std::int32_t OriginalHitPoints = 0, HitPoints = 0;
    std::int32_t Flotation = 0, OriginalFlotation = 0;
    std::int32_t SteamMinutesLeft = 0;
    std::int32_t Nation = 0;
    bool ShownInFull = false;
    bool ShownFlag2 = false; // carried, read by nothing here
    TDivision* Division = nullptr;
    std::int32_t SpeedPercent = 100;
    bool EngineDamage = false, Immobilised = false;
    std::int32_t SinkingCount = 0;
    std::int32_t HitCounterHeavy = 0, HitCounterLight = 0;
    std::int32_t RoundsFiredMain = 0, RoundsFiredSecondary = 0, RoundsFiredTertiary = 0;
    std::int32_t RoundsCarriedMain = 0, RoundsCarriedSecondary = 0, RoundsCarriedTertiary = 0;
    std::int32_t RangingTurns = 0;
    std::int32_t FiringShips = 0;
    std::int32_t IncomingCalibre = 0;
    std::array<TGeoPoint, 21> FireSmokePoints{};
    std::vector<std::string> HitLog;
    std::int32_t SightingLevel = 0; // 0 unsighted .. 3 class identified
    bool ShowWake = false;
    std::string ClassName;
    std::string EnemyClassName, MisidentifiedClassName, PictureName;
    std::string ReportedClassName, ReportedType;
    std::int32_t SecondaryPort = 0, SecondaryStarboard = 0;
    std::int32_t SecondaryPortOriginal = 0, SecondaryStarboardOriginal = 0;
    std::int32_t TertiaryPort = 0, TertiaryStarboard = 0;
    std::int32_t TertiaryPortOriginal = 0, TertiaryStarboardOriginal = 0;
    std::int32_t BattleSetting1 = 37, BattleSetting2 = 27, BattleSetting3 = 4300, BattleSetting4 = 10100,
                 BattleSetting5 = 1000;
    std::int32_t RofPenalty = 0;
    std::int32_t Fires = 0;
    std::int32_t ObsoleteDate = 0;     // day number
    std::int32_t ReservePercent = 100; // carried, read by nothing here
    bool SightingExempt = false;       // battle-state flag for the sighting range
    std::int32_t ShipPresenterID = 0;  // presenter of the location object

    // Turret sections the loader scans: Turret0 .. Turret25. Mount sections
    // are the form's (kMountSections).
    static constexpr int kTurretSections = 26;

    // Reads a ship design file; false (after its message) when the file is
    // missing or the nation is out of range. Messages go to `messages`.
    bool LoadFromDesignFile(const std::string& fileName, platform::Messages& messages);
    // The same from a design already parsed (a file or one held in memory);
    // false (after its message) when the nation is out of range.
    bool LoadFromDesignRecord(const DesignRecord& record, platform::Messages& messages);
    // Stores a calibre of 2..18; warns and clamps any other (except on LT).
    void SetBatteryCalibre(std::int32_t value, int battery, platform::Messages& messages);
    // Keeps Heading, MapAngle and HeadingMilli in step; an LT keeps its heading.
    void SetHeading(std::int32_t degrees);

    bool IsCapitalShip() const { return ShipType < 4; }
    bool IsDestroyer() const { return ShipType == stDD; }
    std::int32_t CountGuns(bool workingOnly) const;
    std::string GunsText() const; // "working(total)"
    std::int32_t TorpedoesReady() const;
    // Tubes over all mounts, negative when any mount is submerged.
    std::int32_t TorpedoBroadside() const;
    void ResetTurretTraining(platform::Messages& messages);

    // The fighting view of a turret or mount of the lists (none when an item
    // is not a fighting one).
    static TFightingTurret* AsFighting(TTurret* turret);
    static const TFightingTurret* AsFighting(const TTurret* turret);
    static TFightingTorpedoMount* AsFighting(TTorpedomount* mount);
    static const TFightingTorpedoMount* AsFighting(const TTorpedomount* mount);

    // The ship's map position (its location object's position).
    TGeoPoint Position() const;
    void SetPosition(const TGeoPoint& p);

    // The fire smoke outline around the present position and heading.
    void UpdateFireSmokePoints();

private:
    // The stages of LoadFromDesignRecord, in its order.
    void ReadDataSection(const ProfileText& f, platform::Messages& messages);
    void ReadHull(const ProfileText& f);
    void ReadGuns(const ProfileText& f, platform::Messages& messages);
    void ReadLayout(const DesignRecord& record);
};

// Hit points of a displacement: 0 outside 0 .. 10,000,000 tons.
std::int32_t HitPointsForDisplacement(std::int32_t displacement);
