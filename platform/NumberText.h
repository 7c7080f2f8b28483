#pragma once
// Text to integer the way the data files write numbers: optional leading
// blanks, a sign, then decimal digits, or hexadecimal digits introduced by
// "$", "x", "X", "0x" or "0X". Anything else, a trailing blank included,
// fails. Hexadecimal takes up to 32 bits and wraps into the signed range;
// a decimal value outside the 32-bit range fails.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::optional<std::int32_t> StrToInt(std::string_view text);

// A whole text as a finite number as C reads it ("12", "0.5", "1e3"); empty
// text, trailing characters, infinities and NaN fail.
std::optional<double> StrToReal(const std::string& text);

inline std::int32_t StrToIntDef(std::string_view text, std::int32_t def) {
    auto v = StrToInt(text);
    return v ? *v : def;
}

} // namespace platform
