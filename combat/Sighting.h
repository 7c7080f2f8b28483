#pragma once
// Light, sighting ranges, glare, ships fouling the range and smoke across the
// line of fire, with the battle environment they read.
#include <cstdint>

#include "combat/BattleEnvironment.h"
#include "combat/CombatContext.h"
#include "map/GeoTypes.h"

class TFightingShip;

enum TLightCondition : std::int32_t { lcDay = 1, lcNight = 2, lcDusk = 3 };

std::int32_t LightConditionAt(const TGeoPoint& point, double dateTime);
// Also stores the ship's LightCondition. 0 for no ship.
std::int32_t GetSightingRange(const CombatContext& ctx, TFightingShip* ship, bool randomise);
std::int32_t SightingTypeFactor(const TFightingShip& ship, std::int32_t range);
bool HasGlare(const BattleEnvironment& env, const TFightingShip& ship);
// Ships (afloat, not firer or target) close to the line of fire, looked up
// on the battle map's ship layer.
std::int32_t CountShipsInBetween(const CombatContext& ctx, const TFightingShip& firer, const TFightingShip* target,
                                 bool allSides);
// Smoke points across the line of fire, scaled by the sea state; with report
// set, what was found is shown in a message box.
std::int32_t GetSmokeInterference(const CombatContext& ctx, const TFightingShip& firer, const TFightingShip* target,
                                  bool report);
