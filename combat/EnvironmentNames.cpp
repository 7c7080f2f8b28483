#include "combat/EnvironmentNames.h"

#include <array>
#include <cctype>

#include "platform/NumberText.h"

namespace {

constexpr std::array<const char*, kWeatherCodes> kWeather = {"mist",   "haze",     "clear", "fair",
                                                             "cloudy", "overcast", "rain",  "heavy rain"};
constexpr std::array<const char*, kSeaStates> kSea = {
    "calm",      "light air", "light breeze", "gentle breeze", "moderate breeze", "fresh breeze", "strong breeze",
    "near gale", "gale",      "strong gale",  "storm",         "violent storm",   "hurricane"};
// Percent of the clear-weather ranges, by weather code.
constexpr std::array<std::int32_t, kWeatherCodes> kVisibility = {33, 60, 100, 100, 90, 75, 50, 25};

// Lower case with every run of blanks, "-" and "_" as one blank.
std::string folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool gap = c == ' ' || c == '-' || c == '_' || c == '\t';
        if (gap) {
            if (!out.empty() && out.back() != ' ') out.push_back(' ');
        } else {
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

template <size_t N>
std::optional<std::int32_t> fromText(const std::string& text, const std::array<const char*, N>& names) {
    if (auto n = platform::StrToInt(text)) return n;
    const std::string want = folded(text);
    for (size_t i = 0; i < N; ++i)
        if (want == names[i]) return static_cast<std::int32_t>(i);
    return std::nullopt;
}

} // namespace

std::string WeatherName(std::int32_t code) {
    return code >= 0 && code < kWeatherCodes ? kWeather[static_cast<size_t>(code)] : std::to_string(code);
}

std::string SeaStateName(std::int32_t state) {
    return state >= 0 && state < kSeaStates ? kSea[static_cast<size_t>(state)] : std::to_string(state);
}

std::optional<std::int32_t> WeatherFromText(const std::string& text) { return fromText(text, kWeather); }

std::optional<std::int32_t> SeaStateFromText(const std::string& text) { return fromText(text, kSea); }

SightingRanges DefaultSightingRanges(std::int32_t weather) {
    const std::int32_t pc = weather >= 0 && weather < kWeatherCodes ? kVisibility[static_cast<size_t>(weather)] : 100;
    auto scaled = [pc](std::int32_t yards) { return yards * pc / 100 / 100 * 100; };
    return {scaled(20000), scaled(10000), scaled(4000)};
}
