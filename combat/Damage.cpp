#include "combat/Damage.h"

#include <algorithm>

#include "combat/FightShip.h"
#include "combat/Identification.h"
#include "combat/Sighting.h"
#include "platform/Messages.h"
#include "platform/Round.h"

using platform::Round32;

namespace {
// The error text shown with the caught-failure messages.
constexpr const char* kZeroDivide = "Floating point division by zero";

std::int32_t percentLost(std::int32_t original, std::int32_t now) {
    if (original == 0) return 0;
    return Round32((static_cast<long double>(original) - now) / original * 100);
}
} // namespace

std::int32_t HullDamagePercent(const TFightingShip& ship) {
    return percentLost(ship.OriginalHitPoints, ship.HitPoints);
}

std::int32_t FloodingPercent(const TFightingShip& ship) { return percentLost(ship.OriginalFlotation, ship.Flotation); }

std::int32_t GetDamagePercentage(const TFightingShip& ship, platform::Messages& messages) {
    std::int64_t d = 0;
    if (ship.OriginalHitPoints == 0 || ship.OriginalFlotation == 0) {
        messages.notice("Debug: Error in GetDamagePercentage procedure!\r" + DisplayName(ship) + "\r\r" + kZeroDivide);
        return 0;
    }
    const std::int64_t h = HullDamagePercent(ship);
    const std::int64_t f = FloodingPercent(ship);
    d = f > h ? (f + h) / 2 : h + f / 4;
    const std::int32_t all = ship.CountGuns(false);
    if (all > 0) {
        const long double w = static_cast<long double>(ship.CountGuns(true)) / all;
        const std::int64_t half = (100 - d) / 2;
        d = 100 - (platform::Round(w * half) + half);
    }
    if (ship.Speed > 0 && ship.SpeedPercent <= 60) {
        d += 20;
        if (ship.SpeedPercent <= 40) d += 10;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(d, 0, 100));
}

std::int32_t PointValue(const TFightingShip& ship, std::int32_t year) {
    std::int64_t base = 0;
    const int type = ship.ShipType;
    if (year >= 1906) {
        if (type == stBB || type == stBC) base = 2000;
        else if (type == stB || type == stCA) base = 200;
        else if (type == stCL) base = 600;
        else if (type == stDD) base = 60;
    } else {
        if (type == stBB || type == stBC) base = 2000;
        else if (type == stB || type == stCA) base = 600;
        else if (type == stCL) base = 500;
        else if (type == stDD) base = 40;
    }
    const std::int64_t D = ship.Displacement;
    std::int64_t v = (base + D) / 2;
    switch (type) {
    case stAMC: v = v / 3; break;
    case stB:
    case stCA: v = v * 7 / 10; break;
    case stLT: v = v / 6; break;
    case stTR: v = v / 3 + 400; break;
    case stAV: v = v / 2 + 1000; break;
    default: break;
    }
    if (ship.Speed > 21) v = v + (std::min<std::int64_t>(ship.Speed, 28) - 20) * (v / 50);
    std::int64_t q = static_cast<std::int64_t>(ship.TorpedoDefense) + 100;
    const std::int64_t belt = platform::Round(static_cast<long double>(ship.ArmorB) * 2) / 2;
    if (belt >= 0 && belt <= 8) q -= 2;
    else if (belt == 9) q -= 1;
    else if (belt == 11) q += 1;
    else if (belt == 12) q += 2;
    else if (belt == 13) q += 3;
    v = platform::Round(static_cast<long double>(v) * q / 100);
    auto cube = [](std::int64_t c) { return (c - 2) * (c - 2) * (c - 2); };
    const std::int64_t torpedoes =
        std::abs(static_cast<std::int64_t>(ship.TorpedoBroadside())) * (ship.IsCapitalShip() ? 50 : 100);
    const std::int64_t a = 4 * static_cast<std::int64_t>(ship.CountGuns(false)) * cube(ship.BatteryCalibre[1]) +
                           2 * static_cast<std::int64_t>(ship.SecNo) * cube(ship.BatteryCalibre[2]) + torpedoes;
    v = v + a / 6;
    if (v > 2 * D) v = 2 * D;
    else if (v < D / 10) v = D / 10;
    return platform::Clamp32(v);
}

std::int32_t CurrentPointValue(const TFightingShip& ship, std::int32_t year, platform::Messages& messages) {
    return Round32((100.0L - GetDamagePercentage(ship, messages)) * PointValue(ship, year) / 100);
}

std::int32_t MaxSpeedNow(const TFightingShip& ship) {
    std::int64_t v = platform::Round(static_cast<long double>(ship.Speed) * ship.SpeedPercent / 100);
    if (ship.OriginalHitPoints > ship.HitPoints && ship.OriginalHitPoints != 0) {
        const std::int64_t loss = platform::Round((static_cast<long double>(ship.OriginalHitPoints) - ship.HitPoints) /
                                                  ship.OriginalHitPoints * 100);
        const std::int64_t k = std::clamp<std::int64_t>(100 - platform::Round(loss / 2.0L), 2, 100);
        v = platform::Round(static_cast<long double>(v) * k / 100);
    }
    if (ship.EngineDamage) v = ship.Displacement <= 1400 ? 0 : v / 2;
    if (ship.Immobilised) v = 0;
    if (ship.GratesFouling > 180) {
        v -= 1;
        if (ship.GratesFouling > 400) v -= 1;
    }
    const std::int32_t flooding = FloodingPercent(ship);
    if (ship.Fires > 3 && flooding > 30) v -= 1;
    if (ship.Fires > 5 && flooding > 30) v = v - (v / 10 + 1);
    if (ship.Fuel <= 0 && v > 5) v = 5;
    return platform::Clamp32(v);
}

std::int32_t MaxSpeedForSea(std::int32_t seaState) {
    switch (seaState) {
    case 6: return 23;
    case 7: return 22;
    case 8: return 20;
    case 9: return 18;
    default: return seaState >= 10 && seaState <= 50 ? 15 : 50;
    }
}

std::int32_t MainAmmoPercent(const TFightingShip& ship) {
    if (ship.RoundsCarriedMain == 0) return 1;
    const std::int64_t n = static_cast<std::int64_t>(ship.Turrets.size());
    std::int64_t k = 0;
    for (const auto& t : ship.Turrets)
        if (const TFightingTurret* ft = TFightingShip::AsFighting(t.get()); ft && ft->Knocked) ++k;
    if (k == n) return 0;
    return Round32((static_cast<long double>(ship.RoundsCarriedMain) - ship.RoundsFiredMain) / ship.RoundsCarriedMain *
                   100 * n / (n - k));
}

std::int32_t HitsTaken(const TFightingShip& ship) {
    return platform::Clamp32(static_cast<std::int64_t>(ship.HitCounterHeavy) + ship.HitCounterLight);
}

std::int32_t FuelPercentage(const TFightingShip& ship, platform::Messages& messages) {
    if (ship.OriginalFuel == 0) {
        messages.notice("Warning! Ship: " + DisplayName(ship) + " has zero original endurance!");
        return 0;
    }
    return Round32(static_cast<long double>(ship.Fuel) / ship.OriginalFuel * 100);
}

std::int32_t GetFuelConsumptionFactor(const TFightingShip& ship, std::int32_t speed) {
    static constexpr std::int32_t kHSC[] = {94, 111, 128, 145, 162, 179, 196, 213, 230, 330, 430, 530, 630};
    static constexpr std::int32_t kNormal[] = {100, 127, 142, 170, 220, 290, 370, 450, 540, 640, 740, 840, 940};
    std::int64_t base;
    if (speed < 0 || speed > 100) base = 1000;
    else if (speed == 0) base = 1;
    else if (speed <= 5) base = 14;
    else if (speed <= 9) base = 15;
    else if (speed <= 15) {
        static constexpr std::int32_t kLow[] = {16, 18, 22, 26, 32, 38};
        base = kLow[speed - 10];
    } else if (speed <= 19) {
        static constexpr std::int32_t kMidHSC[] = {45, 57, 66, 77};
        static constexpr std::int32_t kMid[] = {46, 58, 68, 80};
        base = ship.HSC ? kMidHSC[speed - 16] : kMid[speed - 16];
    } else if (speed <= 32) {
        base = ship.HSC ? kHSC[speed - 20] : kNormal[speed - 20];
    } else {
        base = ship.HSC ? 730 : 1040;
    }
    base *= 10;
    const std::int32_t f = FloodingPercent(ship);
    if (f >= 50 && f <= 65) base = platform::Round(base * 1.1L);
    else if (f >= 66 && f <= 80) base = platform::Round(base * 1.2L);
    else if (f >= 81 && f <= 90) base = platform::Round(base * 1.3L);
    else if (f >= 91 && f <= 100) base = platform::Round(base * 1.4L);
    return platform::Clamp32(base);
}

std::int32_t GetRemainingRange(const TFightingShip& ship, std::int32_t speed, platform::Messages& messages) {
    if (ship.Sunk || ship.SinkingCount >= 1 || ship.Fuel == 0) return 0;
    const std::int32_t factor = GetFuelConsumptionFactor(ship, speed);
    if (factor == 0) {
        messages.notice("Debug: Error in Ship GetRemainingRange procedure!\rDivision: " + ship.Name + "\r\r" +
                        kZeroDivide);
        return 0;
    }
    const long double knots = speed > 0 ? speed : 5;
    return Round32(static_cast<long double>(ship.Fuel) * knots / factor);
}
