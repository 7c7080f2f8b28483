#pragma once
// The start-up load sequence shared by the desktop program and sdftool.
#include <string>

#include "platform/Messages.h"
#include "tables/ProgramData.h"

// Sets the program directory and loads into data, in this order: the
// preferences, the speed-power and ordnance tables, the nation table (the
// designer's year, 0) and the weapon tables. A design-rule table that cannot
// be opened stops the sequence with the error "Cannot open file <path>"
// (told once) and gives false; the other loaders report their own missing
// files and the sequence goes on. Every message goes to `messages`.
bool LoadProgramData(const std::string& programDir, ProgramData& data, platform::Messages& messages);
