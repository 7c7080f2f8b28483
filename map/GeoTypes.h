#pragma once
// Geographic points of the map model. Positions are longitude and latitude
// in globe units of 1/5,400,000 degree; the height is carried but ignored by
// every distance and bearing.
#include <cstdint>

constexpr std::int32_t kGlobeUnitsPerDegree = 5400000;
constexpr std::int32_t kGlobeUnitsPerMinute = 90000; // one nautical mile
constexpr double kGlobeUnitsPerYard = 44.40789479527355;
constexpr double kGlobeUnitsPerRadian = 309397209.37;
// One full turn as a map angle (360 degrees in globe units).
constexpr std::int32_t kGlobeUnitsFullTurn = 360 * kGlobeUnitsPerDegree;

struct TGeoPoint {
    std::int32_t Lon = 0;
    std::int32_t Lat = 0;
    std::int32_t Height = 0;
    bool operator==(const TGeoPoint&) const = default;
};
