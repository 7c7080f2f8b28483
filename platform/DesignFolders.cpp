#include "platform/DesignFolders.h"

#include <filesystem>

#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace platform {

std::string BundledDesignsFolder(const std::string& programDir) {
    return resolvePath(folderPath(programDir) + "Designs");
}

std::string SaveFolder(const std::string& programDir) {
    return resolvePath(customFilesRoot(folderPath(programDir)) + "Custom Files");
}

std::vector<std::string> DesignFolders(const std::string& programDir, const std::vector<std::string>& remembered) {
    const std::string dir = folderPath(programDir);
    std::vector<std::string> candidates = {BundledDesignsFolder(dir), resolvePath(dir + "Custom Files"),
                                           SaveFolder(dir), resolvePath(userDataDir() + "Custom Files")};
    candidates.insert(candidates.end(), remembered.begin(), remembered.end());
    std::vector<std::string> folders;
    std::vector<fs::path> seen;
    for (const std::string& folder : candidates) {
        std::error_code ec;
        if (folder.empty() || !fs::is_directory(folder, ec)) continue;
        const fs::path real = fs::canonical(folder, ec);
        if (ec) continue;
        bool known = false;
        for (const fs::path& p : seen) known = known || p == real;
        if (known) continue;
        seen.push_back(real);
        folders.push_back(folder);
    }
    return folders;
}

} // namespace platform
