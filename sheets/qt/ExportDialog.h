#pragma once
// The save dialog of every export (comparison, ship sheet): it starts in the
// folder the last export went to, wherever it was made from, and the kind of
// file follows the extension typed.
#include <functional>
#include <optional>
#include <string>

#include "platform/FileDialogs.h"

// The last export's folder, kept in the program's settings by whoever makes
// the windows; empty functions remember nothing.
struct ExportFolder {
    std::function<std::string()> Last; // "" when none is remembered or it is gone
    std::function<void(const std::string& chosenPath)> Remember;
};

// request.startDirectory is where a first export starts.
std::optional<platform::SaveFileChoice> AskExportFile(platform::SaveFileRequest request, const ExportFolder& folder);
