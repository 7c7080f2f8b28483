#include "combat/RateOfFire.h"

#include <cmath>
#include <cstdlib>

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/Sighting.h"
#include "platform/Round.h"
#include "tables/WeaponData.h"

std::int32_t MaxGunRange(const WeaponTables& weapons, std::int32_t year, const TFightingShip& ship, int battery) {
    if (battery < 1 || battery > 3) return 0;
    const std::int32_t calibre = ship.BatteryCalibre[static_cast<size_t>(battery)];
    const std::int32_t quality = ship.BatteryQuality[static_cast<size_t>(battery)];
    std::int64_t g = static_cast<std::int64_t>(weapons.Gun(calibre).MaxRange) * 1000;
    if (quality != 0) g = platform::Round(static_cast<long double>(g) * (static_cast<long double>(quality) + 10) / 10);
    if (ship.ShipType == stDD) g -= 500;
    if (year < 1906 && calibre >= 13 && g > 7000) g = platform::Round((g - 7000) * 0.8L) + 7000;
    g = g * weapons.GunRangeFactor / 10;
    return platform::Clamp32(g);
}

namespace {

// The battery's rate by range band, plus the gun's base rate.
float baseRate(const WeaponTables& weapons, std::int32_t calibre, std::int32_t range) {
    const std::int32_t k = range / 1000;
    float base = 0;
    if (k >= 0 && k <= 5) base = 1.0f;
    else if (k >= 6 && k <= 7) base = 0.8f;
    else if (k >= 8 && k <= 9) base = 0.6f;
    else if (k >= 10 && k <= 13) base = 0.4f;
    else if (k >= 14 && k <= 20) base = 0.2f;
    base = static_cast<float>(static_cast<long double>(base) + weapons.Gun(calibre).BaseRateOfFire);
    if (base == 0.0f) base = 0.5f;
    return base;
}

// Weather, smoke, the first salvoes, crew, ships in the way, ranging and
// turning. The draws come in this order.
std::int64_t firingConditions(const CombatContext& ctx, const TFightingShip& firer, std::int32_t calibre,
                              TFightingShip* target, int battery, const RateOfFireOptions& options) {
    const bool settled = options.Settled;
    std::int64_t m = 0;
    if (firer.RofPenalty > 0) m -= firer.ShipType == stDD ? 3 : 2;
    if (options.WeatherDelays) m -= ctx.Draw(3);
    const std::int32_t smoke = GetSmokeInterference(ctx, firer, target, false);
    if (smoke > 0) m -= smoke;
    if (!settled) m -= ctx.Draw(2);
    m += firer.CrewQuality;
    const std::int32_t between = CountShipsInBetween(ctx, firer, target, true);
    if (between > 0) m -= between + 1;
    if (!settled && battery == 1 && firer.RangingTurns >= 1) m -= 5;
    const long long turn = std::llabs(static_cast<long long>(firer.CurrentTurn));
    if (turn <= 10) m -= 3;
    else if (turn <= 20) m -= 5;
    else if (turn <= 30) {
    } else if (turn <= 40) m -= 8;
    else if (turn <= 2000) m -= calibre > 6 ? 30 : 12;
    if (firer.FiringShips > 0 && static_cast<std::int64_t>(firer.BatteryCalibre[1]) - 6 < firer.IncomingCalibre) m -= 1;
    return m;
}

// Ammunition running low, and heavy guns on light targets.
std::int64_t ammunitionAndTarget(const CombatContext& ctx, const TFightingShip& firer, std::int32_t calibre,
                                 std::int32_t range, const TFightingShip* target, int battery) {
    std::int64_t m = 0;
    const std::int32_t ammo = MainAmmoPercent(firer);
    if (ammo < 30) m -= 2;
    if (battery == 1 && ammo < 50) {
        m -= 2;
        if (target) {
            const bool capitalFirer = firer.IsCapitalShip();
            if (capitalFirer && calibre > 7 && target->ShipType == stDD) m -= 6;
            if (capitalFirer && calibre > 7 && !target->IsCapitalShip()) m -= 4;
            if (!target->IsCapitalShip() && range > 10000) m -= 6;
        }
    }
    if (battery == 1 && target && (firer.ShipType == stBB || firer.ShipType == stBC || firer.ShipType == stB) &&
        (target->ShipType == stCL || target->ShipType == stDD || target->ShipType == stMS) &&
        MaxGunRange(ctx.Data.Weapons, ctx.Env.Year, firer, 1) / 2 < range)
        m -= 4;
    return m;
}

// Flooding, fires, hull damage, the crew bonus, the battery's quality and
// early heavy guns.
std::int64_t shipState(const TFightingShip& firer, std::int32_t calibre, int battery, std::int32_t year) {
    std::int64_t m = 0;
    const std::int64_t afloat =
        firer.OriginalFlotation == 0
            ? 100
            : platform::Round(static_cast<long double>(firer.Flotation) / firer.OriginalFlotation * 100);
    m -= (100 - afloat) / 20;
    if (firer.Fires > 2) m -= static_cast<std::int64_t>(firer.Fires) - 1;
    const std::int32_t hull = HullDamagePercent(firer);
    if (hull > 30) m -= hull / 30;
    if (firer.CrewBonus) m += static_cast<std::int64_t>(firer.CrewQuality) + 2;
    else m -= 2;
    const std::int32_t quality = firer.BatteryQuality[static_cast<size_t>(battery)];
    if (quality == -2) m -= 2;
    else if (quality <= -3) m -= 4;
    if (year < 1906 && calibre > 12) m -= 4;
    return m;
}

// The sea state, by the firer's type and the battery.
std::int64_t seaState(const TFightingShip& firer, int battery, std::int32_t sea) {
    if (firer.ShipType == stDD || firer.ShipType == stMS) {
        switch (sea) {
        case 5: return -2;
        case 6:
        case 7: return -3;
        case 8:
        case 9: return -5;
        case 10: return -7;
        case 11: return -9;
        case 12: return -11;
        default: return 0;
        }
    }
    if (firer.ShipType == stCL || battery != 1) {
        switch (sea) {
        case 7:
        case 8: return -2;
        case 9:
        case 10: return -4;
        case 11: return -6;
        case 12: return -8;
        default: return 0;
        }
    }
    switch (sea) {
    case 7:
    case 8: return -1;
    case 9:
    case 10: return -3;
    case 11: return -5;
    case 12: return -6;
    default: return 0;
    }
}

} // namespace

float GetRateOfFire(const CombatContext& ctx, TFightingShip& firer, std::int32_t calibre, std::int32_t range,
                    TFightingShip* target, int battery, const RateOfFireOptions& options) {
    if (battery < 1 || battery > 3) return 0.0f;
    const float base = baseRate(ctx.Data.Weapons, calibre, range);
    std::int64_t m = -5;
    m += firingConditions(ctx, firer, calibre, target, battery, options);
    m += ammunitionAndTarget(ctx, firer, calibre, range, target, battery);
    m += shipState(firer, calibre, battery, ctx.Env.Year);
    m += seaState(firer, battery, ctx.Env.SeaState);

    if (m > 30) return 0.0f;
    float v = base;
    if (m > 0) v = static_cast<float>(base * std::pow(1.1L, static_cast<long double>(m)));
    else if (m < 0) v = static_cast<float>(base * std::pow(0.9L, static_cast<long double>(-m)));
    if (v > 4.0f) v = 4.0f;
    return v;
}
