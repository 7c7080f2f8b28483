#pragma once
// The design rules that read the speed-power and ordnance tables.
#include <cstdint>

#include "platform/Problems.h"
#include "tables/DesignTables.h"

class Tship;

float GunWeight(const DesignTables& tables, std::int32_t calibre);
std::int32_t TurretArmourBase(const DesignTables& tables, std::int32_t calibre);

// Sets the ship's Horsepower (and Speed -1 for a rejected speed); a
// displacement or speed the table does not hold is a notice in `problems`.
void RequiredHorsepower(const DesignTables& tables, Tship& ship, platform::Problems& problems);
