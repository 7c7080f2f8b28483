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
    NationBlocks NationYears;    // every block of the file, for a battle's year of play
    TPreferences Preferences;

    // The designer's table (year 0): the form, the card, a design's own figures.
    const TNation* Nation(std::int32_t index) const { return NationAt(Nations, index); }
    // The table of a year of play: Nations for NationYear, else that year's
    // block by the loader's rule. Tables built without their blocks (no
    // file) keep Nations for every year.
    const NationTable& NationsOf(std::int32_t year) const {
        return year == NationYear || NationYears.Years.empty() ? Nations : NationYears.For(year);
    }
};
