#include "graphics/ShipDetails.h"

#include <cstdlib>

#include "combat/FightShip.h"
#include "combat/ShipTypes.h"
#include "map/Geodesy.h"
#include "platform/Round.h"

namespace {

// Four yards in globe units, rounded.
constexpr std::int32_t kFunnelUnit = 178;

constexpr int kOvalBearings[12] = {0, 28, 60, 90, 120, 152, 180, 208, 240, 270, 300, 332};
constexpr long double kOvalFactors[12] = {1.4L, 1.28L, 1.14L, 1, 1.14L, 1.28L, 1.4L, 1.28L, 1.14L, 1, 1.14L, 1.28L};

// The point at a stored outline angle and distance from the centre, turned
// by the heading.
TGeoPoint outlinePoint(const TGeoPoint& centre, const TOutlinePoint& p, std::int32_t heading) {
    const std::int32_t milli =
        AddMilliBearings(MapAngleToMilli(p.Angle), platform::Clamp32(static_cast<std::int64_t>(heading) * 1000));
    return GeoPointAtHeading(centre, MilliToMapAngle(milli), p.Distance);
}

} // namespace

std::int32_t FunnelRadius(const TFightingShip& ship) { return platform::Div(kFunnelUnit * ShipSizeUnits(ship), 12); }

TPointList FunnelPoints(const TFightingShip& ship, int funnel) {
    if (funnel < 1 || funnel > 4) return {};
    const TFunnel& f = ship.Funnels[static_cast<size_t>(funnel)];
    if (f.Pos == 0) return {};
    const std::int32_t h = ship.Heading;
    const long double yards = std::llabs(static_cast<long long>(f.Pos));
    const TGeoPoint centre =
        PointAtBearing(ship.Position(), NormalizeBearing(f.Pos < 0 ? 0 : 180, h), static_cast<double>(yards));
    const std::int32_t r = FunnelRadius(ship);
    TPointList points;
    points.reserve(12);
    for (int i = 0; i < 12; ++i) {
        if (f.Oval)
            points.push_back(GeoPointAtHeading(centre, CompassToMapAngle(NormalizeBearing(h, kOvalBearings[i])),
                                               platform::Round32(r * kOvalFactors[i])));
        else points.push_back(GeoPointAtHeading(centre, CompassToMapAngle(i * 30), r));
    }
    return points;
}

TPointList SuperstructurePoints(const TFightingShip& ship, int outline) {
    if (outline < 0 || outline > 3) return {};
    const TOutline& o = ship.Superstructure[static_cast<size_t>(outline)];
    if (o[0].Distance <= 0) return {};
    const TGeoPoint centre = ship.Position();
    TPointList points;
    points.reserve(21);
    for (size_t j = 0; j < o.size(); ++j) {
        if (o[j].Distance > 0) points.push_back(outlinePoint(centre, o[j], ship.Heading));
        else points.push_back(points.back());
    }
    return points;
}

TOutlinePoint OutlinePointTo(const TGeoPoint& p) {
    const TGeoPoint origin{};
    return TOutlinePoint{GeoHeading(origin, p), GeoDistance(origin, p)};
}

void CompleteOutline(TOutline& outline, int n) {
    if (n <= 0) return;
    if (n > 10) n = 10;
    for (int j = n; j <= 10; ++j) outline[static_cast<size_t>(j)] = outline[static_cast<size_t>(n - 1)];
    const TGeoPoint origin{};
    for (int j = 10; j >= 0; --j) {
        const TOutlinePoint& p = outline[static_cast<size_t>(j)];
        TGeoPoint mirrored = GeoPointAtHeading(origin, p.Angle, p.Distance);
        mirrored.Lon = mirrored.Lon == INT32_MIN ? INT32_MAX : -mirrored.Lon;
        outline[static_cast<size_t>(20 - j)] = OutlinePointTo(mirrored);
    }
}
