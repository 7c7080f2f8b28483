#include "nations/Nations.h"

// Placeholder; filled in by the data-file work.
std::array<TNation, MaxNation + 1> Nations{};
std::int32_t CurrentYear = 0;
void LoadNations(const std::string&) {}
