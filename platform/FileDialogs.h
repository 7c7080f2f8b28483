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

// A save dialog: any folder, a default file name; the caller asks before
// replacing a file.
struct SaveFileRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension;
    std::string startDirectory;
    std::string fileName;  // proposed name, without directory
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or none when the user cancels.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
    // The chosen path, or none when the user cancels. Cancels unless overridden.
    virtual std::optional<std::string> saveFile(const SaveFileRequest& request);
};

FileDialogs& fileDialogs();
void setFileDialogs(FileDialogs* dialogs);  // nullptr: a dialog that always cancels

} // namespace platform
