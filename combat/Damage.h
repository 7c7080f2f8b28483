#pragma once
// Damage, flooding, point value, speed, fuel and endurance of a fighting
// ship. None of these changes the ship.
#include <cstdint>

#include "platform/Messages.h"

class TFightingShip;

std::int32_t HullDamagePercent(const TFightingShip& ship); // 0 without hit points
std::int32_t FloodingPercent(const TFightingShip& ship);   // 0 without flotation
// The guards below report through the given sink.
std::int32_t GetDamagePercentage(const TFightingShip& ship, platform::Messages& messages);
std::int32_t PointValue(const TFightingShip& ship, std::int32_t year);
std::int32_t CurrentPointValue(const TFightingShip& ship, std::int32_t year, platform::Messages& messages);
std::int32_t MaxSpeedNow(const TFightingShip& ship);
std::int32_t MaxSpeedForSea(std::int32_t seaState);
std::int32_t MainAmmoPercent(const TFightingShip& ship);
std::int32_t HitsTaken(const TFightingShip& ship);
std::int32_t FuelPercentage(const TFightingShip& ship, platform::Messages& messages);
std::int32_t GetFuelConsumptionFactor(const TFightingShip& ship, std::int32_t speed);
std::int32_t GetRemainingRange(const TFightingShip& ship, std::int32_t speed, platform::Messages& messages);
