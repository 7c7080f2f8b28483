#pragma once
// Every table the program loads at start-up, in one value. The desktop
// program and sdftool each build it once and hand it down read-only.
#include <cstdint>

#include "nations/Nations.h"
#include "nations/Preferences.h"
#include "tables/DesignTables.h"
#include "tables/WeaponData.h"

struct ProgramData {
    DesignTables Design;  // speed-power and ordnance
    WeaponTables Weapons; // guns, torpedoes, penetration, basic data
    NationTable Nations{};
    std::int32_t NationYear = 0; // the year whose block Nations holds
    TPreferences Preferences;

    const TNation* Nation(std::int32_t index) const { return NationAt(Nations, index); }
};
