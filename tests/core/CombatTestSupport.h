#pragma once
// Fighting ships made in memory for the combat tests, and a guard that puts
// the battle environment back to its zero state.
#include <memory>
#include <string>

#include "combat/FightShip.h"
#include "combat/Sighting.h"
#include "tables/WeaponData.h"
#include "map/Geodesy.h"
#include "map/MapModel.h"
#include "nations/Nations.h"
#include "nations/Preferences.h"
#include "platform/Random.h"

namespace combattest {

// Restores every program-wide value the combat rules read.
class ZeroEnvironment {
public:
    ZeroEnvironment()
        : year_(CurrentYear), guns_(GunCalibres), nations_(Nations), prefs_(Preferences), factor_(GunRangeFactor) {
        Reset();
    }
    ~ZeroEnvironment() {
        Reset();
        CurrentYear = year_;
        GunCalibres = guns_;
        Nations = nations_;
        Preferences = prefs_;
        GunRangeFactor = factor_;
        SetBattleMap(nullptr);
        platform::setRandomSource(nullptr);
    }
    static void Reset() {
        CurrentYear = 0;
        BattleDateTime = 0;
        BattleSeaState = 0;
        BattleWeather = 0;
        DayRange = DuskRange = NightRange = 0;
        SunPosition = {};
    }

private:
    std::int32_t year_;
    decltype(GunCalibres) guns_;
    decltype(Nations) nations_;
    TPreferences prefs_;
    std::int32_t factor_;
};

// A map registered as the battle map, with ships made on its ship layer.
class Battle {
public:
    Battle() { SetBattleMap(&map); }
    ~Battle() {
        ships.clear();
        SetBattleMap(nullptr);
    }
    TFightingShip& Add(const std::string& name, int type, std::int32_t displacement, const TGeoPoint& at = {}) {
        auto s = std::make_unique<TFightingShip>(&map.LayerByName(kShipLayerName).Objects());
        s->Name = name;
        s->ClassName = name;
        s->EnemyClassName = name;
        s->MisidentifiedClassName = name + "-mis";
        s->ShipType = static_cast<std::uint8_t>(type);
        s->Displacement = displacement;
        s->OriginalFlotation = s->Flotation = displacement / 2;
        s->OriginalHitPoints = s->HitPoints = HitPointsForDisplacement(displacement);
        s->SetPosition(at);
        ships.push_back(std::move(s));
        return *ships.back();
    }
    // Yards north (bearing 0) or at any bearing from the origin.
    static TGeoPoint At(double bearing, double yards) { return PointAtBearing(TGeoPoint{}, bearing, yards); }

    TMap map;
    std::vector<std::unique_ptr<TFightingShip>> ships;
};

} // namespace combattest
