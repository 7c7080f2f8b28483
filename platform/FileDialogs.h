#pragma once
// File-open dialogs behind an interface, so GUI tests can answer them.
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct OpenFileRequest {
    std::string title;
    std::string filter;           // "Ship design files (sdf)|*.sdf"
    std::string defaultExtension; // "sdf"
    std::string startDirectory;
    bool existingOnly = true;
};

struct SaveFileRequest {
    std::string title;
    std::vector<std::string> filters; // "PDF, A4|*.pdf", one per kind of file
    std::string startDirectory;
    std::string suggestedName;          // file name offered at the start
    bool callerConfirmsReplace = false; // the caller asks its own question before replacing a file
};

struct SaveFileChoice {
    std::string path;
    int filter = 0; // index into SaveFileRequest::filters
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or none when the user cancels.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
    // The path to write and the kind of file chosen, or none when the user
    // cancels. Dialogs that only open files cancel.
    virtual std::optional<SaveFileChoice> saveFile(const SaveFileRequest&) { return std::nullopt; }
};

FileDialogs& fileDialogs();
void setFileDialogs(FileDialogs* dialogs); // nullptr: a dialog that always cancels

// The kind of file follows the name typed: an extension one of the kinds
// offers chooses that kind (the one chosen first, so "PDF, Letter" stays
// Letter); a name with none of them gets the chosen kind's first extension.
// So "cmp.html" typed with "PDF" chosen is written as HTML.
SaveFileChoice MatchTypedExtension(const SaveFileRequest& request, SaveFileChoice choice);
// fileDialogs().saveFile with the answer matched to the typed extension.
std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request);

} // namespace platform
