#pragma once
// The combat model's gun, torpedo, penetration and basic data tables.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Messages.h"

struct TGunCalibreData {
    std::int32_t BaseRange = 0;          // thousands of yards
    std::array<std::int32_t, 31> VPen{}; // [1..30]
    std::array<std::int32_t, 31> HPen{}; // [1..30]
    float BaseRateOfFire = 0;
    std::int32_t MaxRange = 0; // thousands of yards
};

struct TTorpedoType {
    std::string Name;
    std::int32_t Speed1 = 0;
    std::int32_t Speed2 = 0;
    std::int32_t Range1 = 0;
    std::int32_t Range2 = 0;
    std::int32_t Tag = 0;
};

constexpr int kMinGunCalibre = 2;
constexpr int kMaxGunCalibre = 18;

// The gun, torpedo, penetration and basic data of Data.
struct WeaponTables {
    std::int32_t GunRangeFactor = 0;
    std::int32_t PenetrationFactor = 0;
    std::array<std::string, 11> ShipTypeNames{};
    // Indexed by calibre in inches; only 2 .. 18 are filled.
    std::array<TGunCalibreData, kMaxGunCalibre + 1> GunCalibres{};
    // Entries 1 .. 9 are loaded; 0 and 10 .. 12 stay empty.
    std::array<TTorpedoType, 13> TorpedoTypes{};

    // The gun data of a calibre, or an empty record outside 2 .. 18.
    const TGunCalibreData& Gun(int calibre) const;
    std::string ShipTypeName(int type) const;
};

// programDirectory ends with a separator. Basic data first: the range
// factor scales the penetration table's base ranges.
// A missing or damaged file is told to `messages` and the load goes on.
void LoadWeaponTables(const std::string& programDirectory, WeaponTables& tables, platform::Messages& messages);
void LoadBasicData(const std::string& programDirectory, WeaponTables& tables, platform::Messages& messages);
std::string GetTabField(const std::string& line, int n);
