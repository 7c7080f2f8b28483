#include "nations/Preferences.h"

// Placeholder; filled in by the data-file work.
TPreferences Preferences{};
void LoadPreferences() {}
std::optional<TColor> ColorFromText(const std::string&) { return std::nullopt; }
