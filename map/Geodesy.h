#pragma once
// Great-circle geometry on the map's sphere and the compass helpers built on
// it. Map angles are globe units counted counter-clockwise from north;
// compass bearings are whole degrees clockwise from north.
#include <cstdint>

#include "map/GeoTypes.h"

// ---- The map's own operations (angles and distances in globe units) ------

// Great-circle distance (haversine), rounded to whole globe units.
std::int32_t GeoDistance(const TGeoPoint& a, const TGeoPoint& b);
// Initial course from `from` to `to` as a map angle in 0 .. one full turn.
// Two equal points give 0.
std::int32_t GeoHeading(const TGeoPoint& from, const TGeoPoint& to);
// The point reached from `origin` along the map angle `heading` after
// `distance` globe units. The height of the origin is kept.
TGeoPoint GeoPointAtHeading(const TGeoPoint& origin, std::int32_t heading, std::int32_t distance);

// ---- Compass helpers --------------------------------------------------------

// Globe units for a distance in yards, rounded.
std::int32_t YardsToGlobeUnits(double yards);
// The point at a compass bearing and a distance in yards from the origin.
TGeoPoint PointAtBearing(const TGeoPoint& origin, double compassBearing, double yards);
// Whole-degree compass bearing (0..359) from one point to another.
std::int32_t CompassBearing(const TGeoPoint& from, const TGeoPoint& to);
// Great-circle distance in whole yards.
std::int32_t DistanceYards(const TGeoPoint& a, const TGeoPoint& b);

// (a + b + 720) mod 360; a result outside 0..360 gives 0.
std::int32_t NormalizeBearing(std::int32_t a, std::int32_t b);
// Smallest absolute difference of two bearings, 0..180.
std::int32_t AngleDifference(std::int32_t a, std::int32_t b);
// (360 - bearing) degrees as a map angle, rounded.
std::int32_t CompassToMapAngle(double compassBearing);
// (360 - round(angle in degrees)) mod 360, kept within 0..359.
std::int32_t MapAngleToCompass(std::int32_t mapAngle);

// Milli-degree bearings (0 .. 359,999).
std::int32_t AddMilliBearings(std::int32_t a, std::int32_t b);
std::int32_t MapAngleToMilli(std::int32_t mapAngle);
std::int32_t MilliToMapAngle(std::int32_t milli);

// ---- Plane tests on globe coordinates ---------------------------------------

// The cartesian vector of a point on a sphere of 309,397,230 globe units
// (height ignored), each coordinate rounded.
struct TSphereVector {
    std::int64_t X = 0, Y = 0, Z = 0;
};
TSphereVector SphereVector(const TGeoPoint& p);

// True when P lies within r globe units of the segment A-B, with longitude
// and latitude taken as plane coordinates. A segment of length 0 never
// holds a point.
bool PointNearSegment(const TGeoPoint& p, const TGeoPoint& a, const TGeoPoint& b, double r);
