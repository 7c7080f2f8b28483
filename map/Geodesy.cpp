#include "map/Geodesy.h"

#include <cmath>
#include <numbers>

#include "platform/Round.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kRadiansPerUnit = kPi / (180.0L * kGlobeUnitsPerDegree);
constexpr long double kSphereRadius = 309397230.0L; // for the sphere vectors

long double toRadians(std::int32_t units) { return units * kRadiansPerUnit; }

// A 64-bit value brought into 0 .. m-1.
std::int64_t wrap(std::int64_t v, std::int64_t m) {
    std::int64_t r = v % m;
    return r < 0 ? r + m : r;
}

} // namespace

std::int32_t GeoDistance(const TGeoPoint& a, const TGeoPoint& b) {
    const long double phi1 = toRadians(a.Lat), phi2 = toRadians(b.Lat);
    const long double lam1 = toRadians(a.Lon), lam2 = toRadians(b.Lon);
    const long double sdPhi = std::sin((phi1 - phi2) / 2);
    const long double sdLam = std::sin((lam1 - lam2) / 2);
    long double h = sdPhi * sdPhi + std::cos(phi1) * std::cos(phi2) * sdLam * sdLam;
    // Rounding can push h a hair outside 0..1 for antipodes.
    if (h < 0) h = 0;
    if (h > 1) h = 1;
    return platform::Round32(2 * std::asin(std::sqrt(h)) * static_cast<long double>(kGlobeUnitsPerRadian));
}

std::int32_t GeoHeading(const TGeoPoint& from, const TGeoPoint& to) {
    const long double phi1 = toRadians(from.Lat), phi2 = toRadians(to.Lat);
    const long double dLam = toRadians(from.Lon) - toRadians(to.Lon);
    long double theta = std::atan2(std::sin(dLam) * std::cos(phi2),
                                   std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLam));
    if (theta < 0) theta += 2 * kPi;
    return platform::Round32(theta * static_cast<long double>(kGlobeUnitsPerRadian));
}

TGeoPoint GeoPointAtHeading(const TGeoPoint& origin, std::int32_t heading, std::int32_t distance) {
    const long double phi1 = toRadians(origin.Lat), lam1 = toRadians(origin.Lon);
    const long double course = -toRadians(heading); // clockwise from north
    const long double delta = distance / static_cast<long double>(kGlobeUnitsPerRadian);
    long double s = std::sin(phi1) * std::cos(delta) + std::cos(phi1) * std::sin(delta) * std::cos(course);
    if (s > 1) s = 1;
    if (s < -1) s = -1;
    const long double phi2 = std::asin(s);
    long double lam2 = lam1 + std::atan2(std::sin(course) * std::sin(delta) * std::cos(phi1),
                                         std::cos(delta) - std::sin(phi1) * std::sin(phi2));
    // Longitude back into -180 .. 180 degrees.
    while (lam2 > kPi) lam2 -= 2 * kPi;
    while (lam2 < -kPi) lam2 += 2 * kPi;
    TGeoPoint p;
    p.Lon = platform::Round32(lam2 / kRadiansPerUnit);
    p.Lat = platform::Round32(phi2 / kRadiansPerUnit);
    p.Height = origin.Height;
    return p;
}

std::int32_t YardsToGlobeUnits(double yards) {
    return platform::Round32(static_cast<long double>(yards) * kGlobeUnitsPerYard);
}

TGeoPoint PointAtBearing(const TGeoPoint& origin, double compassBearing, double yards) {
    return GeoPointAtHeading(origin, CompassToMapAngle(compassBearing), YardsToGlobeUnits(yards));
}

std::int32_t CompassBearing(const TGeoPoint& from, const TGeoPoint& to) {
    return MapAngleToCompass(GeoHeading(from, to));
}

std::int32_t DistanceYards(const TGeoPoint& a, const TGeoPoint& b) {
    return platform::Round32(GeoDistance(a, b) / static_cast<long double>(kGlobeUnitsPerYard));
}

std::int32_t NormalizeBearing(std::int32_t a, std::int32_t b) {
    const std::int64_t r = (static_cast<std::int64_t>(a) + b + 720) % 360;
    if (r < 0 || r > 360) return 0;
    return static_cast<std::int32_t>(r);
}

std::int32_t AngleDifference(std::int32_t a, std::int32_t b) {
    std::int64_t d = wrap(static_cast<std::int64_t>(a) - b, 360);
    if (d > 180) d = 360 - d;
    return static_cast<std::int32_t>(d);
}

std::int32_t CompassToMapAngle(double compassBearing) {
    return platform::Round32((360.0L - compassBearing) * kGlobeUnitsPerDegree);
}

std::int32_t MapAngleToCompass(std::int32_t mapAngle) {
    const std::int64_t degrees = platform::Round(static_cast<long double>(mapAngle) / kGlobeUnitsPerDegree);
    return static_cast<std::int32_t>(wrap(360 - degrees, 360));
}

std::int32_t AddMilliBearings(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(wrap(static_cast<std::int64_t>(a) + b + 360000, 360000));
}

std::int32_t MapAngleToMilli(std::int32_t mapAngle) {
    const std::int64_t milli = platform::Round(static_cast<long double>(mapAngle) / kGlobeUnitsPerDegree * 1000);
    return static_cast<std::int32_t>(wrap(360000 - milli, 360000));
}

std::int32_t MilliToMapAngle(std::int32_t milli) {
    return platform::Round32((360000.0L - milli) / 1000 * kGlobeUnitsPerDegree);
}

TSphereVector SphereVector(const TGeoPoint& p) {
    const long double phi = toRadians(p.Lat), lam = toRadians(p.Lon);
    TSphereVector v;
    v.X = platform::Round(kSphereRadius * std::cos(phi) * std::cos(lam));
    v.Y = platform::Round(kSphereRadius * std::cos(phi) * std::sin(lam));
    v.Z = platform::Round(kSphereRadius * std::sin(phi));
    return v;
}

bool PointNearSegment(const TGeoPoint& p, const TGeoPoint& a, const TGeoPoint& b, double r) {
    const long double bx = static_cast<long double>(b.Lon) - a.Lon, by = static_cast<long double>(b.Lat) - a.Lat;
    const long double px = static_cast<long double>(p.Lon) - a.Lon, py = static_cast<long double>(p.Lat) - a.Lat;
    const long double len2 = bx * bx + by * by;
    if (len2 <= 0) return false;
    const long double t = (px * bx + py * by) / len2;
    if (t < 0 || t > 1) return false;
    const long double cross = std::fabs(bx * py - by * px);
    return cross / std::sqrt(len2) <= r;
}
