#include "shipdata/Tables.h"

#include "shipdata/Ship.h"

// Placeholder bodies; filled in by the rules work.
std::array<std::array<std::int32_t, 20>, 50> SpeedHPTable{};
std::array<TOrdnance, 16> OrdnanceTable{};

void LoadSpeedHPTable(const std::string&) {}
void LoadOrdnanceTable(const std::string&) {}
float GunWeight(std::int32_t) { return 0; }
std::int32_t TurretArmourBase(std::int32_t) { return 0; }
void RequiredHorsepower(Tship& ship) { ship.Horsepower = 0; }
std::vector<std::string> SplitTableLine(const std::string&) { return {}; }
