#pragma once
// Effective rate of fire of one gun of a battery, and the battery's maximum
// range.
#include <cstdint>

class TFightingShip;

float GetRateOfFire(TFightingShip& firer, std::int32_t calibre, std::int32_t range, bool settled,
                    TFightingShip* target, bool weatherFlag, std::int32_t seaState, int battery);
// Yards; the product with the gun range factor is taken in 64 bits.
std::int32_t MaxGunRange(const TFightingShip& ship, int battery);
