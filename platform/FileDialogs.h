#pragma once
// File-open dialogs behind an interface, so GUI tests can answer them.
#include <optional>
#include <string>

namespace platform {

struct OpenFileRequest {
    std::string title;
    std::string filter;            // "Ship design files (sdf)|*.sdf"
    std::string defaultExtension;  // "sdf"
    std::string startDirectory;
    bool existingOnly = true;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or none when the user cancels.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
};

FileDialogs& fileDialogs();
void setFileDialogs(FileDialogs* dialogs);  // nullptr: a dialog that always cancels

} // namespace platform
