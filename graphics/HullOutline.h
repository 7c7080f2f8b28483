#pragma once
// The hull outline and wake of a fighting ship's map objects, as lists of
// geographic points, and the refresh that rebuilds them.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "map/GeoTypes.h"
#include "platform/Messages.h"
#include "shipdata/Ship.h"

class TFightingShip;

using TPointList = std::vector<TGeoPoint>;

// ---- Hull and wake -----------------------------------------------------------

// The size figure the hull is drawn with: ShipSizeUnits, or 15 for a ship
// sighted at level 1 only and not shown in full.
std::int32_t HullSizeUnits(const TFightingShip& ship);
// The six hull station distances (bearings 0, 5, 10, 18, 30, 90 from the
// bow) of a ship type in yards, scaled from size figure 20 to u.
std::array<std::int32_t, 6> HullStations(int shipType, std::int32_t u);
// The hull outline around the ship's centre, turned to its heading.
TPointList HullOutline(const TFightingShip& ship);
// The wake polygon; empty for a sunk ship, an enemy sighted below level 2
// or a ship of type LT.
TPointList WakePolygonPoints(const TFightingShip& ship);
// Whether the wake polygon and wake line are shown.
bool WakeVisible(const TFightingShip& ship);
// Hides the smoke trail, rebuilds the hull outline and the wake polygon and
// sets the wake visibility (when the location object is shown).
void RefreshShipMapObjects(TFightingShip& ship);

// The designer's view of a ship: side 0 at (0, 0) heading north, map
// objects rebuilt, location shown and turrets trained to their facings
// (an unknown turret letter is told to `messages`).
void PlaceDisplayShip(TFightingShip& ship, platform::Messages& messages);
