#pragma once
// Names for the battle's weather codes and sea states, and the sighting
// ranges that suit a weather, for the planner and sdftool.
//
// Weather codes: the rules read below 2 as mist, 2 and 3 as clear (the only
// weather with glare), 6 as rain and 7 as heavy rain; 4 and 5 count as
// neither. Sea states run 0 to 12 like the Beaufort scale.
#include <cstdint>
#include <optional>
#include <string>

constexpr int kWeatherCodes = 8; // 0 .. 7 are named
constexpr int kSeaStates = 13;   // 0 .. 12 are named

// "mist", "haze", "clear", "fair", "cloudy", "overcast", "rain", "heavy rain";
// the code in decimal for any other.
std::string WeatherName(std::int32_t code);
// "calm", "light air", ... "hurricane"; the number in decimal beyond 12.
std::string SeaStateName(std::int32_t state);
// A name (letter case, blanks, "-" and "_" between words do not matter) or
// any whole number, which the caller checks; none otherwise.
std::optional<std::int32_t> WeatherFromText(const std::string& text);
std::optional<std::int32_t> SeaStateFromText(const std::string& text);

struct SightingRanges {
    std::int32_t Day = 0, Dusk = 0, Night = 0; // yards
};
// 20,000, 10,000 and 4,000 yards in clear weather, scaled down for the
// others (mist to a third, heavy rain to a quarter).
SightingRanges DefaultSightingRanges(std::int32_t weather);
