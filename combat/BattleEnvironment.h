#pragma once
// Everything the combat rules read about a battle that is not a ship. The
// designer's default environment is all zero: no date, a calm sea, mist
// code 0, no sighting ranges, no battle map and the sun at the origin.
#include <cstdint>

#include "map/GeoTypes.h"

class TMap;

struct BattleEnvironment {
    std::int32_t Year = 0; // calendar year of play
    double DateTime = 0.0; // day number with the time of day (UT)
    std::int32_t SeaState = 0;
    std::uint8_t Weather = 0; // <2 mist, 2-3 clear, 6 rain, 7 heavy rain
    std::int32_t DayRange = 0, DuskRange = 0, NightRange = 0;
    TGeoPoint Sun{};     // the point where the sun stands overhead
    TMap* Map = nullptr; // ships and smoke; none outside a battle

    // Sets the date and time and puts the sun where it stands then.
    void SetClock(double dateTime);
    bool IsMistOrRain() const { return Weather < 2 || Weather == 6 || Weather == 7; }
};

// The point where the sun stands overhead at a date and time (UT).
TGeoPoint SubsolarPoint(double dateTime);
