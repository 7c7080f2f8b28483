#include "combat/BattleEnvironment.h"

#include <cmath>

#include "combat/EnvironmentNames.h"
#include "platform/DayNumber.h"

void BattleEnvironment::SetClock(double dateTime) {
    DateTime = dateTime;
    Sun = SubsolarPoint(dateTime);
}

TGeoPoint SeaAreaPoint(double latitude, double longitude) {
    auto units = [](double degrees, double limit) {
        if (!std::isfinite(degrees)) return 0;
        degrees = degrees < -limit ? -limit : (degrees > limit ? limit : degrees);
        return static_cast<std::int32_t>(std::lround(degrees * kGlobeUnitsPerDegree));
    };
    return TGeoPoint{units(longitude, 180.0), units(latitude, 90.0), 0};
}

std::int32_t BattleConditions::YearOfPlay() const {
    if (Year) return *Year;
    if (!DateTime || !std::isfinite(*DateTime)) return 0;
    return platform::dateFromDayNumber(static_cast<std::int64_t>(std::floor(*DateTime))).year;
}

BattleEnvironment BuildBattleEnvironment(const BattleConditions& c) {
    BattleEnvironment env;
    env.Year = c.YearOfPlay();
    if (c.DateTime) env.SetClock(*c.DateTime);
    env.SeaState = c.SeaState;
    env.Weather = static_cast<std::uint8_t>(c.Weather);
    env.DayRange = c.DayRange;
    env.DuskRange = c.DuskRange;
    env.NightRange = c.NightRange;
    return env;
}

BattleConditions PlannerConditions() {
    BattleConditions c;
    c.Latitude = 56.5;
    c.Longitude = 5.5;
    c.DateTime = platform::dayNumberFromDate({1916, 5, 31}) + 16.0 / 24.0;
    c.Weather = 2;
    c.SeaState = 3;
    const SightingRanges r = DefaultSightingRanges(c.Weather);
    c.DayRange = r.Day;
    c.DuskRange = r.Dusk;
    c.NightRange = r.Night;
    return c;
}
