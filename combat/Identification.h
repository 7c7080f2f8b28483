#pragma once
// Display names and what an enemy observer reports of a ship.
#include <cstdint>
#include <string>

#include "combat/CombatContext.h"

class TFightingShip;

// "<type code> <name>", or the name alone for a land target.
std::string DisplayName(const TFightingShip& ship);
// What an enemy sees at the ship's sighting level; may choose the reported
// type and class name first.
std::string IdentificationText(const CombatContext& ctx, TFightingShip& ship);
void ChooseReportedClassName(TFightingShip& ship, platform::RandomSource& random);
void ChooseReportedType(TFightingShip& ship, std::int32_t range, std::int32_t year, platform::RandomSource& random);
