#pragma once
// Rounding and integer division as the design rules use them.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Rounds in the current rounding mode (the program never leaves the default,
// nearest with halves to even) to a 64-bit integer; x is not NaN and lies
// strictly inside the 64-bit range. C++'s own conversion truncates, which on
// x87 reloads the control word before and after every store: slow on some
// processors. fistp rounds as rintl does, with the control word as it is.
inline std::int64_t RoundInRange(long double x) {
#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__)) && LDBL_MANT_DIG == 64
    std::int64_t out;
    __asm__("fistpll %0" : "=m"(out) : "t"(x) : "st");
    return out;
#else
    return static_cast<std::int64_t>(std::rintl(x));
#endif
}

// Round to the nearest whole number, halves to the even neighbour. Values
// beyond the 64-bit range saturate and NaN gives 0, so hostile input can
// never reach undefined behaviour through a conversion.
inline std::int64_t Round(long double x) {
    if (std::isnan(x)) return 0;
    constexpr long double lo = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    constexpr long double hi = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    // Both limits are whole, so x beyond one rounds beyond it as well.
    if (x <= lo) return std::numeric_limits<std::int64_t>::min();
    if (x >= hi) return std::numeric_limits<std::int64_t>::max();
    return RoundInRange(x);
}

// Round, kept as an extended real for the next step of a rule: the value
// of Round(x), without the trip through memory to an integer and back.
inline long double RoundToWhole(long double x) {
    if (std::isnan(x)) return 0;
    constexpr long double lo = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    constexpr long double hi = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    if (x <= lo) return lo;
    if (x >= hi) return hi;
    return std::rintl(x);
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
