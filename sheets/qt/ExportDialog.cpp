#include "sheets/qt/ExportDialog.h"

std::optional<platform::SaveFileChoice> AskExportFile(platform::SaveFileRequest request, const ExportFolder& folder) {
    if (folder.Last)
        if (std::string last = folder.Last(); !last.empty()) request.startDirectory = std::move(last);
    auto choice = platform::chooseSaveFile(request);
    if (choice && folder.Remember) folder.Remember(choice->path);
    return choice;
}
