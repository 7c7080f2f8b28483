#pragma once
// The combat model's tables on ship types, turret positions, division
// formations and roles, and fire-control levels.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "map/GeoTypes.h"
#include "platform/Messages.h"
#include "shipdata/Ship.h"

class TFightingShip;

enum TFormation : std::uint8_t { fmLineAhead = 0, fmLineAbreast = 1, fmSearchLine = 2, fmScreen = 3 };
enum TRole : std::uint8_t { rlIndependent = 0, rlCore = 1, rlSupport = 2, rlScout = 3, rlScreen = 4, rlPatrol = 5 };

// An ordered list of ships; the first one leads.
struct TDivision {
    std::vector<TFightingShip*> Ships;
    TFormation Formation = fmLineAhead;
    TRole Role = rlIndependent;
    TFightingShip* Leader() const { return Ships.empty() ? nullptr : Ships.front(); }
};

// Map size figure of a ship from its type and displacement.
std::int32_t ShipSizeUnits(const Tship& ship);

// Facing of a turret position in degrees from the bow; 270 and the message
// "Illegal turret position!<letter>" for an unknown letter.
std::int32_t TurretPositionBearing(const TTurret& turret, platform::Messages& messages);

// Bearing from the bow and distance (for a size figure of 20) of a turret
// position; none for a letter without a placement.
struct TTurretPlacement {
    std::int32_t Bearing = 0;
    std::int32_t Distance = 0;
};
std::optional<TTurretPlacement> TurretPlacement(const Tship& ship, TurretPosition letter, bool large, int battery);
// Where a turret of the ship sits on the map. A letter without a placement
// sits at the ship's centre.
TGeoPoint TurretPositionOffset(const TFightingShip& ship, TurretPosition letter, bool large, int battery);

// Leaves name unchanged for a formation outside 0..3.
void FormationName(int formation, std::string& name);
std::string RoleName(int role); // "Illegal Role value!" outside 0..5
bool FormationAllowed(const TDivision* division, int formation, std::int32_t year);
bool RoleAllowed(const TDivision* division, int role, std::int32_t year);

std::string FireControlName(std::int32_t level); // "Unknown <n>" outside 0..5
std::int32_t FireControlRangeModifier(std::int32_t level, std::int32_t range);
