#pragma once
// Ranges, bearings and turret arcs between fighting ships.
#include <cstdint>

#include "combat/CombatContext.h"
#include "map/GeoTypes.h"
#include "shipdata/Turrets.h"

class TFightingShip;

// Whole yards between two ships; 0 when the other ship is none.
std::int32_t GetRangeToShip(const TFightingShip& ship, const TFightingShip* other);
// Yards rounded down to whole hundreds; with an error of -10 % .. +10 %
// drawn from the random source when withError is set.
std::int32_t GetRoundedRangeToShip(const CombatContext& ctx, const TFightingShip& ship, const TFightingShip* other,
                                   bool withError);
// Compass bearing from the ship to the other.
std::int32_t GetTrueBearingToShip(const TFightingShip& ship, const TFightingShip* other, platform::Messages& messages);
// Bearing of the other ship relative to the ship's bow.
std::int32_t GetBearingToShip(const TFightingShip& ship, const TFightingShip* other, platform::Messages& messages);
// Compass bearing from the ship to a map position.
std::int32_t GetBearingToPoint(const TFightingShip& ship, const TGeoPoint& point);
// Whether a turret can fire on a relative bearing.
bool TurretCanBear(const TTurret& turret, std::int32_t relativeBearing, bool crossDeckFire,
                   platform::Messages& messages);
