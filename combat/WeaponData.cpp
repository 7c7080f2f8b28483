#include "combat/WeaponData.h"

// Placeholder; filled in by the data-file work.
std::int32_t GunRangeFactor = 0;
std::int32_t PenetrationFactor = 0;
std::array<std::string, 11> ShipTypeNames{};
std::array<TGunCalibreData, kMaxGunCalibre + 1> GunCalibres{};
std::array<TTorpedoType, 13> TorpedoTypes{};

void LoadWeaponTables(const std::string&) {}
void LoadBasicData() {}
std::string GetTabField(const std::string&, int) { return {}; }
std::string ShipTypeName(int type) { return type >= 0 && type <= 10 ? ShipTypeNames[type] : std::string(); }
const TGunCalibreData& GunCalibre(int calibre) {
    static const TGunCalibreData empty{};
    return calibre >= kMinGunCalibre && calibre <= kMaxGunCalibre ? GunCalibres[calibre] : empty;
}
