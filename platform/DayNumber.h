#pragma once
// Dates are kept as day numbers: whole days since 30 December 1899.
#include <cstdint>

namespace platform {

struct CivilDate {
    int year;
    int month; // 1..12
    int day;   // 1..31
    bool operator==(const CivilDate&) const = default;
};

std::int32_t dayNumberFromDate(const CivilDate& date);
CivilDate dateFromDayNumber(std::int64_t dayNumber);
// The whole day number of the present local date.
std::int32_t todayDayNumber();

} // namespace platform
