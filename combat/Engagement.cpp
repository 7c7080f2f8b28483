#include "combat/Engagement.h"

#include <algorithm>
#include <cmath>

#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "combat/Identification.h"
#include "combat/RateOfFire.h"
#include "combat/ShipGeometry.h"
#include "combat/Sighting.h"

namespace {

std::int32_t batteryGuns(const TFightingShip& ship, int battery) {
    switch (battery) {
    case 1: return ship.CountGuns(false);
    case 2: return ship.SecNo > 0 ? ship.SecNo : 0;
    case 3: return ship.TerNo > 0 ? ship.TerNo : 0;
    default: return 0;
    }
}

// The figures of a battery from its chance and rate of fire.
BatteryFigures batteryFigures(const CombatContext& ctx, const TFightingShip& firer, const TFightingShip& target,
                              int battery, std::int32_t range, float chance, float rof, std::int32_t bearing,
                              bool sighted) {
    BatteryFigures b;
    b.Battery = battery;
    b.Calibre = firer.BatteryCalibre[static_cast<size_t>(battery)];
    b.Guns = batteryGuns(firer, battery);
    b.GunsBearing = bearing;
    b.HitChance = chance;
    b.RateOfFire = rof;
    b.MaxGunRange = MaxGunRange(ctx.Data.Weapons, ctx.Env.Year, firer, battery);
    b.BeyondGunRange = range > b.MaxGunRange;
    b.Sighted = sighted;
    const double hits = static_cast<double>(bearing) * rof * std::min(chance, 100.0f) / 100.0;
    b.HitsPerMinute = b.BeyondGunRange || !sighted || !std::isfinite(hits) ? 0.0 : hits;
    if (!b.BeyondGunRange) b.Pierces = PiercingAt(ctx.Data.Weapons, b.Calibre, ArmourOf(target), range);
    return b;
}

FireFigures computeFire(const CombatContext& ctx, TFightingShip& firer, TFightingShip& target,
                        const EngagementScenario& scenario) {
    if (scenario.LightFromEnvironment) {
        GetSightingRange(ctx, &firer, false);
        GetSightingRange(ctx, &target, false);
    }
    FireFigures f;
    const int primary = scenario.Battery >= 1 && scenario.Battery <= 3 ? scenario.Battery : 1;
    f.Range = GetRangeToShip(firer, &target);
    f.RoundedRange = GetRoundedRangeToShip(ctx, firer, &target, false);
    f.TrueBearing = GetTrueBearingToShip(firer, &target, ctx.Messages);
    f.RelativeBearing = GetBearingToShip(firer, &target, ctx.Messages);

    auto chanceOf = [&](int battery, std::vector<std::string>* breakdown) {
        return GetGunHitChance(ctx, firer, &target, firer.BatteryCalibre[static_cast<size_t>(battery)], battery,
                               {.Breakdown = breakdown});
    };
    auto rofOf = [&](int battery) {
        return GetRateOfFire(ctx, firer, firer.BatteryCalibre[static_cast<size_t>(battery)], f.Range, &target, battery,
                             {.Settled = true, .WeatherDelays = ctx.Env.IsMistOrRain()});
    };
    // The order of the calls is the order of the random draws and messages.
    // The breakdown's identification line draws from the seed: a sweep
    // writes its lines aside so its draws stay those of the full figures.
    std::vector<std::string> aside;
    const float chance = chanceOf(primary, scenario.Details ? &f.Breakdown : &aside);
    const float rof = rofOf(primary);
    f.SightingRange = GetSightingRange(ctx, &target, false);
    // In the designer's zero environment every sighting range is 0: only a
    // battle's light and ranges can hide a target.
    f.Sighted = !scenario.LightFromEnvironment || f.Range <= f.SightingRange;
    f.LightCondition = target.LightCondition;
    f.Glare = HasGlare(ctx.Env, firer);
    if (scenario.Details) {
        f.IdentificationText = IdentificationText(ctx, target);
        f.TargetZone = ImmuneBand(ctx.Data.Weapons, firer, target);
    }
    const std::int32_t mainBearing = GunsBearing(firer, 1, f.RelativeBearing, ctx.Messages, &f.TurretsBearing);

    auto bearingOf = [&](int battery) {
        return battery == 1 ? mainBearing : GunsBearing(firer, battery, f.RelativeBearing, ctx.Messages);
    };
    f.Fire = batteryFigures(ctx, firer, target, primary, f.Range, chance, rof, bearingOf(primary), f.Sighted);
    for (int b = 1; b <= 3; ++b) {
        if (!BatteryHasGuns(firer, b)) continue;
        if (b == primary) {
            f.Batteries.push_back(f.Fire);
        } else if (scenario.AllBatteries) {
            const float c = chanceOf(b, nullptr);
            const float r = rofOf(b);
            f.Batteries.push_back(batteryFigures(ctx, firer, target, b, f.Range, c, r, bearingOf(b), f.Sighted));
        }
    }
    return f;
}

} // namespace

FireFigures ComputeFire(const CombatContext& ctx, TFightingShip& firer, TFightingShip& target,
                        const EngagementScenario& scenario) {
    // Each way draws from the seed afresh, so what one way computes (the
    // other batteries, say) never shifts the other's draws.
    platform::SeededRandom random(scenario.Seed);
    return computeFire({ctx.Data, ctx.Env, random, ctx.Messages}, firer, target, scenario);
}

bool BatteryHasGuns(const TFightingShip& ship, int battery) {
    return battery == 1 ? !ship.Turrets.empty() : batteryGuns(ship, battery) > 0;
}

std::int32_t GunsBearing(const TFightingShip& ship, int battery, std::int32_t relativeBearing,
                         platform::Messages& messages, std::vector<TurretPosition>* turrets) {
    if (battery == 1) {
        std::int64_t guns = 0;
        for (const auto& t : ship.Turrets) {
            const TFightingTurret* ft = TFightingShip::AsFighting(t.get());
            if (ft && !ft->Working()) continue;
            if (!TurretCanBear(*t, relativeBearing, ship.CrossDeckFire, messages)) continue;
            guns += t->Guns == 0 ? 1 : t->Guns;
            if (turrets) turrets->push_back(t->Position);
        }
        return static_cast<std::int32_t>(guns > 1000000 ? 1000000 : guns);
    }
    const bool starboard = relativeBearing >= 0 && relativeBearing < 180;
    std::int32_t n = 0;
    if (battery == 2) n = starboard ? ship.SecondaryStarboard : ship.SecondaryPort;
    if (battery == 3) n = starboard ? ship.TertiaryStarboard : ship.TertiaryPort;
    return n > 0 ? n : 0;
}

std::vector<AdvantageChange> AdvantageChanges(const std::vector<SweepRow>& rows) {
    std::vector<AdvantageChange> changes;
    for (const SweepRow& row : rows) {
        const double own = row.Own.HitsPerMinute, opponent = row.Opponent.HitsPerMinute;
        // Curves within a twentieth of each other are even: the lead does not
        // flicker where they run side by side.
        if (std::fabs(own - opponent) <= 0.05 * std::max(own, opponent)) continue;
        const bool ownLeads = own > opponent;
        if (changes.empty() || changes.back().Own != ownLeads) changes.push_back({row.Range, ownLeads});
    }
    return changes;
}
