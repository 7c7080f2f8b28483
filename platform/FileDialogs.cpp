#include "platform/FileDialogs.h"

#include "platform/FileSystem.h"
#include "platform/Messages.h"

#include <algorithm>
#include <cctype>

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

namespace {

std::string lowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "HTML|*.html;*.htm" -> {".html", ".htm"}
std::vector<std::string> extensionsOf(const std::string& filter) {
    std::vector<std::string> out;
    const size_t bar = filter.find('|');
    std::string patterns = bar == std::string::npos ? std::string() : filter.substr(bar + 1);
    for (size_t at = 0; at <= patterns.size();) {
        const size_t end = std::min(patterns.find(';', at), patterns.size());
        const std::string pattern = patterns.substr(at, end - at);
        if (pattern.size() > 2 && pattern.compare(0, 2, "*.") == 0) out.push_back(lowerAscii(pattern.substr(1)));
        at = end + 1;
    }
    return out;
}

bool endsWithExtensionOf(const std::string& name, const std::string& filter) {
    const std::vector<std::string> extensions = extensionsOf(filter);
    return std::any_of(extensions.begin(), extensions.end(), [&name](const std::string& e) {
        return name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0;
    });
}

} // namespace

SaveFileChoice MatchTypedExtension(const SaveFileRequest& request, SaveFileChoice choice) {
    const auto& filters = request.filters;
    if (filters.empty()) return choice;
    choice.filter = std::clamp(choice.filter, 0, static_cast<int>(filters.size()) - 1);
    const size_t slash = choice.path.find_last_of('/');
    const std::string name = lowerAscii(slash == std::string::npos ? choice.path : choice.path.substr(slash + 1));
    if (endsWithExtensionOf(name, filters[static_cast<size_t>(choice.filter)])) return choice;
    for (size_t i = 0; i < filters.size(); ++i)
        if (endsWithExtensionOf(name, filters[i])) {
            choice.filter = static_cast<int>(i);
            return choice;
        }
    const std::vector<std::string> chosen = extensionsOf(filters[static_cast<size_t>(choice.filter)]);
    if (!chosen.empty()) choice.path += chosen.front();
    return choice;
}

std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) {
    auto choice = fileDialogs().saveFile(request);
    if (!choice) return choice;
    const std::string typed = choice->path;
    *choice = MatchTypedExtension(request, std::move(*choice));
    // The dialog asked about replacing the name typed, not the one it became.
    if (choice->path != typed && !request.callerConfirmsReplace && fileExists(choice->path) &&
        !messages().confirm(choice->path + " already exists. Replace it?"))
        return std::nullopt;
    return choice;
}

} // namespace platform
