#pragma once
// Effective rate of fire of one gun of a battery, and the battery's maximum
// range.
#include <cstdint>

#include "combat/BattleEnvironment.h"
#include "combat/CombatContext.h"
#include "tables/WeaponData.h"

class TFightingShip;

struct RateOfFireOptions {
    bool Settled = false;       // no random loss of the first salvoes
    bool WeatherDelays = false; // mist or rain may cost up to two steps
};

float GetRateOfFire(const CombatContext& ctx, TFightingShip& firer, std::int32_t calibre, std::int32_t range,
                    TFightingShip* target, int battery, const RateOfFireOptions& options);
// Yards; the product with the gun range factor is taken in 64 bits.
std::int32_t MaxGunRange(const WeaponTables& weapons, std::int32_t year, const TFightingShip& ship, int battery);
