#pragma once
// Files are Windows-1252 text; in memory every string is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Every byte maps to a character; the five unassigned bytes of the code page
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string cp1252ToUtf8(std::string_view bytes);

// None when the text holds a character Windows-1252 cannot hold or is not
// valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// The first character Windows-1252 cannot hold, as UTF-8, or none.
std::optional<std::string> firstUnencodable(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
size_t utf8Length(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string utf8Left(std::string_view utf8, size_t n);

} // namespace platform
