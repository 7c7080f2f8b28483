#pragma once
// Everything the combat rules read about a battle that is not a ship. The
// designer's default environment is all zero: no date, a calm sea, mist
// code 0, no sighting ranges, no battle map and the sun at the origin.
#include <cstdint>
#include <optional>

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

// The map point of a latitude and longitude in degrees.
TGeoPoint SeaAreaPoint(double latitude, double longitude);

// What the player sets of a battle: where and when, the weather and sea,
// the sighting ranges and the year of play. The planner, sdftool engage and
// battle, and the explorer's hits all make their environment from it.
struct BattleConditions {
    double Latitude = 0, Longitude = 0;
    std::optional<double> DateTime;   // day number with the time of day, UT; none: no clock
    std::optional<std::int32_t> Year; // the year of play as given; none: the clock's
    std::int32_t Weather = 0, SeaState = 0;
    std::int32_t DayRange = 0, DuskRange = 0, NightRange = 0; // yards

    // The year the rules read: as given, else the clock's calendar year,
    // else 0 (the designer's, as every figure of a design on its own).
    std::int32_t YearOfPlay() const;
    TGeoPoint Place() const { return SeaAreaPoint(Latitude, Longitude); }
};

// The one way a battle's environment is made: the clock places the sun, the
// year of play is YearOfPlay, and weather, sea and sighting ranges are
// taken as they are. No map: the ships bring theirs when they fight.
BattleEnvironment BuildBattleEnvironment(const BattleConditions& conditions);

// The planner's opening scene: the North Sea off Jutland (56.5 N, 5.5 E),
// 31 May 1916 at 16:00 UT, clear weather with its sighting ranges, sea
// state 3, the year of play the clock's.
BattleConditions PlannerConditions();
