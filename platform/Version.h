#pragma once
// The program's one version, set by project(... VERSION) in CMakeLists.txt.
#include <string>

namespace platform {

inline constexpr const char* kVersion = SHIP_VERSION;
// What the program is, in a line (packaging/description.txt).
inline constexpr const char* kSummary = SHIP_SUMMARY;

// What "--version" prints: "<program> <version>", the copyright and the licence.
std::string VersionText(const char* program);

} // namespace platform
