#pragma once
// Text files as lists of lines: read whole (Windows-1252 decoded to UTF-8,
// CR LF or LF), written as Windows-1252 with CR LF through a temporary file
// that replaces the old one only once it is complete.
#include <optional>
#include <string>
#include <vector>

namespace platform {

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

// None when the file cannot be opened or read; why, when given, receives
// the reason ("no such file", "it is a folder", "Permission denied").
std::optional<std::vector<std::string>> readLines(const std::string& path);
std::optional<std::string> readBytes(const std::string& path, std::string* why = nullptr);

enum class WriteResult { Ok, Unencodable, Failed };
// Writes the lines, each followed by CR LF. Refuses (writing nothing) when a
// line holds a character Windows-1252 cannot hold. why, when given,
// receives the reason of a failed write.
WriteResult writeLines(const std::string& path, const std::vector<std::string>& lines, std::string* why = nullptr);

// Writes bytes as they are, through a temporary file beside the target that
// replaces it only once complete: on failure the old file stays whole. why,
// when given, receives the reason of a failure.
bool writeBytes(const std::string& path, const std::string& bytes, std::string* why = nullptr);

// Splits text into lines at CR LF, LF or a lone CR at the end of a line.
std::vector<std::string> splitLines(const std::string& text);

} // namespace platform
