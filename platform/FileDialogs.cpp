#include "platform/FileDialogs.h"

namespace platform {

namespace {
class CancellingDialogs : public FileDialogs {
public:
    std::optional<std::string> openFile(const OpenFileRequest&) override { return std::nullopt; }
};
CancellingDialogs defaultDialogs;
FileDialogs* current = &defaultDialogs;
} // namespace

FileDialogs& fileDialogs() { return *current; }
void setFileDialogs(FileDialogs* dialogs) { current = dialogs ? dialogs : &defaultDialogs; }

} // namespace platform
