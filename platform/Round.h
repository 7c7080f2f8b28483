#pragma once
// Rounding and integer division as the design rules use them.
#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Round to the nearest whole number, halves to the even neighbour. Values
// beyond the 64-bit range saturate and NaN gives 0, so hostile input can
// never reach undefined behaviour through a conversion. rintl rounds as
// nearbyintl does but without saving and restoring the floating-point
// environment, which would cost more than the whole weight calculation;
// the program never leaves the default rounding mode.
inline std::int64_t Round(long double x) {
    if (std::isnan(x)) return 0;
    long double r = std::rintl(x);
    constexpr long double lo = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    constexpr long double hi = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    if (r <= lo) return std::numeric_limits<std::int64_t>::min();
    if (r >= hi) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(r);
}

// Round into a 32-bit field, saturating at its limits.
inline std::int32_t Round32(long double x) {
    std::int64_t r = Round(x);
    if (r < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    if (r > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

// Integer division truncating toward zero (C++ semantics); guards the two
// cases that trap: division by zero gives 0, INT_MIN div -1 saturates.
inline std::int32_t Div(std::int32_t a, std::int32_t b) {
    if (b == 0) return 0;
    if (b == -1 && a == std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::max();
    return a / b;
}

inline std::int32_t Mod(std::int32_t a, std::int32_t b) {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

// Saturating conversion from a wide integer into a 32-bit field.
inline std::int32_t Clamp32(std::int64_t v) {
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

} // namespace platform
