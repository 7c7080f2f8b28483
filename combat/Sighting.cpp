#include "combat/Sighting.h"

#include <cmath>
#include <numbers>

#include "combat/FightShip.h"
#include "combat/Identification.h"
#include "combat/ShipGeometry.h"
#include "map/Geodesy.h"
#include "map/MapModel.h"
#include "platform/DayNumber.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "platform/Round.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kHorizonScale = 6.464181983788284e-9L;
constexpr long double kDuskLimit = -64800000.0L;
// Day numbers of 1 January 100 and 31 December 9999; anything outside is
// taken as the zero date rather than fed to the calendar.
constexpr double kFirstDay = -657434.0, kLastDay = 2958465.0;

const char* const kNoShipLayer = "Warning! No shiplayer in CountShipsInBetween procedure!";

TMapLayer* shipLayer(const BattleEnvironment& env) { return env.Map ? env.Map->FindLayer(kShipLayerName) : nullptr; }

} // namespace

TGeoPoint SubsolarPoint(double dateTime) {
    if (!std::isfinite(dateTime) || dateTime < kFirstDay || dateTime > kLastDay) dateTime = 0.0;
    const double wholeDays = std::floor(dateTime);
    const platform::CivilDate date = platform::dateFromDayNumber(static_cast<std::int64_t>(wholeDays));
    const std::int64_t solstice = platform::dayNumberFromDate({date.year - 1, 12, 21});
    const long double days = static_cast<long double>(wholeDays) - solstice;
    const long double declination = std::atan(std::cos(days * 2 * kPi / 365.24225L) * 0.4333823L) * 180 / kPi;

    const std::int64_t seconds = platform::Round((dateTime - wholeDays) * 86400.0L);
    const std::int64_t q = platform::Round(seconds * 0.25L);
    const std::int64_t m = q % 21600 - 10800;

    TGeoPoint sun;
    sun.Lon = platform::Clamp32(-m * kGlobeUnitsPerMinute);
    sun.Lat = platform::Clamp32(-platform::Round(declination * kGlobeUnitsPerDegree));
    return sun;
}

std::int32_t LightConditionAt(const TGeoPoint& point, double dateTime) {
    const TSphereVector s = SphereVector(SubsolarPoint(dateTime));
    const TSphereVector o = SphereVector(point);
    const long double d = static_cast<long double>(o.X) * s.X * kHorizonScale +
                          static_cast<long double>(o.Y) * s.Y * kHorizonScale +
                          static_cast<long double>(o.Z) * s.Z * kHorizonScale;
    if (d > 0) return lcDay;
    if (d >= kDuskLimit) return lcDusk;
    return lcNight;
}

std::int32_t SightingTypeFactor(const TFightingShip& ship, std::int32_t range) {
    std::int64_t f = 10;
    switch (ship.ShipType) {
    case stCL: f = 9; break;
    case stDD:
    case stMS: f = 8; break;
    case stLT:
        if (ship.Speed == 1) f = 3;
        else f = ship.LightCondition == lcNight ? 12 : 8;
        break;
    default: break;
    }
    return platform::Clamp32(static_cast<std::int64_t>(range) * f / 10);
}

std::int32_t GetSightingRange(const CombatContext& ctx, TFightingShip* ship, bool randomise) {
    const BattleEnvironment& env = ctx.Env;
    if (!ship) return 0;
    ship->LightCondition = LightConditionAt(ship->Position(), env.DateTime);
    std::int64_t range = env.DayRange;
    if (ship->LightCondition != lcDay) {
        range = ship->LightCondition == lcNight ? env.NightRange : env.DuskRange;
        if (ship->CurrentSpeed > 18) range += 300;
        if (ship->CurrentSpeed > 23) range += 300;
    }
    if (randomise && env.IsMistOrRain()) range = range - 500 + 500 * static_cast<std::int64_t>(ctx.Draw(3));
    const std::int32_t r = platform::Clamp32(range);
    if (!ship->SightingExempt) return SightingTypeFactor(*ship, r);
    if (ship->ShipType == stLT && ship->Speed == 1) return r / 2;
    return r;
}

bool HasGlare(const BattleEnvironment& env, const TFightingShip& ship) {
    if (env.Weather != 2 && env.Weather != 3) return false;
    const TGeoPoint here = ship.Position();
    if (LightConditionAt(here, env.DateTime) != lcDay) return false;
    return LightConditionAt(PointAtBearing(here, 90, 800000), env.DateTime) == lcDusk ||
           LightConditionAt(PointAtBearing(here, 270, 800000), env.DateTime) == lcDusk;
}

std::int32_t CountShipsInBetween(const CombatContext& ctx, const TFightingShip& firer, const TFightingShip* target,
                                 bool allSides) {
    TMapLayer* layer = shipLayer(ctx.Env);
    if (!layer) {
        ctx.Messages.notice(kNoShipLayer);
        return 0;
    }
    if (!target) return 0;
    const double r = YardsToGlobeUnits(300);
    const TGeoPoint a = firer.Position(), b = target->Position();
    const std::int32_t toTarget = GetTrueBearingToShip(firer, target, ctx.Messages);
    std::int32_t count = 0;
    TGeoObjectStore& store = layer->Objects();
    for (int i = 0; i < store.Count(); ++i) {
        auto* loc = dynamic_cast<TShipLocation*>(store.Item(i));
        if (!loc || !loc->Ship) continue;
        const TFightingShip& s = *loc->Ship;
        if (s.Sunk) continue;
        if (!allSides && s.Side != firer.Side) continue;
        if (&s == &firer || &s == target) continue;
        if (AngleDifference(toTarget, GetTrueBearingToShip(firer, &s, ctx.Messages)) < 70 &&
            PointNearSegment(s.Position(), a, b, r))
            ++count;
    }
    return count;
}

namespace {

// Smoke a ship's funnels make, by its type.
std::int32_t SmokeWeight(int type) {
    switch (type) {
    case stBB:
    case stBC:
    case stB:
    case stCA: return 4;
    case stCL: return 3;
    case stDD:
    case stMS:
    case stTR:
    case stAV: return 2;
    default: return 0;
    }
}

// One look along a line of fire: the smoke points found and, when asked,
// the report's lines.
struct SmokeSearch {
    SmokeSearch(const CombatContext& c, const TFightingShip& f, const TFightingShip& t, bool r)
        : ctx(c), firer(f), target(t), report(r), a(f.Position()), b(t.Position()),
          toTarget(GetTrueBearingToShip(f, &t, c.Messages)) {}

    const CombatContext& ctx;
    const TFightingShip& firer;
    const TFightingShip& target;
    bool report;
    TGeoPoint a, b;
    std::int32_t toTarget;
    std::int64_t total = 0;
    std::string text;

    void Found(std::int32_t weight, const std::string& source) {
        total += weight;
        if (report)
            text += "\r" + firer.Name + " LOS to " + target.Name + " blocked by smoke from " + source + " " +
                    std::to_string(weight);
    }

    void ShipSmoke(const TFightingShip& s) {
        const std::int32_t w = SmokeWeight(s.ShipType);
        const std::int32_t g = GetRangeToShip(firer, &s);
        if (static_cast<std::int64_t>(g) >= static_cast<std::int64_t>(GetRangeToShip(firer, &target)) + 500) return;
        const std::int32_t limit = g <= 1000 ? 50 : g <= 2000 ? 30 : g <= 5000 ? 20 : 15;
        const bool isFirer = &s == &firer;
        if (!isFirer && AngleDifference(GetTrueBearingToShip(firer, &s, ctx.Messages), toTarget) >= limit) return;
        if (!s.SmokeTrail) return;
        auto scan = [&](const TGeoChain* chain, int skipLast, double yards) {
            if (!chain) return;
            const double r = YardsToGlobeUnits(yards);
            for (int j = 0; j < chain->Count() - skipLast; ++j)
                if (PointNearSegment((*chain)[j], a, b, r)) Found(w, s.Name);
        };
        if (&s != &target) scan(s.SmokeTrail->FindChain(0), isFirer ? 1 : 0, isFirer ? 100 : 150);
        scan(s.SmokeTrail->FindChain(1), 0, 180);
    }

    void Floats(TMapLayer& layer) {
        const double r = YardsToGlobeUnits(200);
        TGeoObjectStore& floats = layer.Objects();
        for (int n = 0; n < floats.Count(); ++n) {
            auto* f = dynamic_cast<TSmokeFloat*>(floats.Item(n));
            if (!f) continue;
            if (AngleDifference(GetBearingToPoint(firer, f->Centroid()), toTarget) >= 70) continue;
            const TGeoChain* chain = f->FindChain(0);
            if (!chain) continue;
            for (int j = 1; j < chain->Count(); ++j)
                if (PointNearSegment((*chain)[j], a, b, r)) Found(4, "smokefloat" + std::to_string(n) + " ");
        }
    }
};

} // namespace

std::int32_t GetSmokeInterference(const CombatContext& ctx, const TFightingShip& firer, const TFightingShip* target,
                                  bool report) {
    const BattleEnvironment& env = ctx.Env;
    TMapLayer* layer = shipLayer(env);
    if (!layer) {
        ctx.Messages.notice(kNoShipLayer);
        return 0;
    }
    if (!target) return 0;
    SmokeSearch search(ctx, firer, *target, report);
    if (report) search.text = DisplayName(firer) + " LOS to " + DisplayName(*target);
    TGeoObjectStore& store = layer->Objects();
    for (int i = 0; i < store.Count(); ++i) {
        auto* loc = dynamic_cast<TShipLocation*>(store.Item(i));
        if (loc && loc->Ship) search.ShipSmoke(*loc->Ship);
    }
    // A map without a smoke layer ends here: the total as found, neither
    // scaled by the sea state nor reported.
    TMapLayer* smoke = env.Map->FindLayer(kSmokeLayerName);
    if (!smoke) return platform::Clamp32(search.total);
    search.Floats(*smoke);

    std::int64_t total = search.total;
    if (report) search.text += "\rTotal: " + std::to_string(total) + " Effect: " + std::to_string(total / 3);
    if (env.SeaState < 6) total /= 3;
    else if (env.SeaState <= 9) total /= 4;
    else if (env.SeaState <= 17) total /= 5;
    if (report && !search.text.empty()) ctx.Messages.notice(search.text);
    return platform::Clamp32(total);
}
