#include "platform/DayNumber.h"

#include <ctime>

namespace platform {

namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date (Howard Hinnant).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 is day 0.
const std::int64_t kEpochOffset = daysFromCivil(1899, 12, 30);

} // namespace

std::int32_t dayNumberFromDate(const CivilDate& date) {
    return static_cast<std::int32_t>(daysFromCivil(date.year, date.month, date.day) - kEpochOffset);
}

CivilDate dateFromDayNumber(std::int64_t dayNumber) { return civilFromDays(dayNumber + kEpochOffset); }

std::int32_t todayDayNumber() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dayNumberFromDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

} // namespace platform
