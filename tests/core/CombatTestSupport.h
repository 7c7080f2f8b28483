#pragma once
// Fighting ships made in memory for the combat tests, on a battle map of
// their own, with the tables and battle environment a test fills in.
#include <memory>
#include <string>
#include <vector>

#include "combat/BattleEnvironment.h"
#include "combat/CombatContext.h"
#include "combat/FightShip.h"
#include "combat/Sighting.h"
#include "map/Geodesy.h"
#include "map/MapModel.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "tables/ProgramData.h"
#include "tests/ScopedMessages.h"

namespace combattest {

// Every table empty and the environment zero until a test sets a value;
// the environment's map is the battle's own.
class Battle {
public:
    Battle() { env.Map = &map; }
    ~Battle() { ships.clear(); }
    Battle(const Battle&) = delete;
    Battle& operator=(const Battle&) = delete;

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
    ProgramData data;
    BattleEnvironment env;
    std::vector<std::unique_ptr<TFightingShip>> ships;
    platform::SeededRandom seeded{platform::kDefaultSeed};
    platform::RandomSource* random = &seeded; // a test may script the draws

    // The rules' context: messages go to the sink the test installed.
    CombatContext ctx() const { return {data, env, *random, platform::messages()}; }
};

} // namespace combattest
