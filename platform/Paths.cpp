#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <strings.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

std::string normalizeSeparators(const std::string& path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        char ch = (c == '\\') ? '/' : c;
        if (ch == '/' && !out.empty() && out.back() == '/') continue;
        out.push_back(ch);
    }
    return out;
}

std::string resolvePath(const std::string& path) {
    std::string norm = normalizeSeparators(path);
    if (norm.empty()) return norm;
    const bool absolute = norm.front() == '/';
    const bool trailing = norm.size() > 1 && norm.back() == '/';

    std::vector<std::string> parts;
    std::string current;
    for (char c : norm) {
        if (c == '/') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(current);

    std::string built = absolute ? "/" : "";
    bool lost = false; // below a missing component nothing can be matched
    for (const std::string& part : parts) {
        const std::string dir = built.empty() ? "." : built;
        std::string candidate = built + ((built.empty() || built.back() == '/') ? "" : "/") + part;
        std::error_code ec;
        if (!lost && part != "." && part != ".." && !fs::exists(candidate, ec)) {
            std::string match;
            for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
                std::string name = it->path().filename().string();
                if (strcasecmp(name.c_str(), part.c_str()) == 0) {
                    match = name;
                    break;
                }
            }
            if (!match.empty()) candidate = built + ((built.empty() || built.back() == '/') ? "" : "/") + match;
            else lost = true;
        }
        built = candidate;
    }
    if (trailing && (built.empty() || built.back() != '/')) built.push_back('/');
    return built;
}

std::string folderPath(const std::string& dir) {
    std::string path = normalizeSeparators(dir);
    if (path.empty() || path.back() != '/') path.push_back('/');
    return path;
}

std::string executableDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir.push_back('/');
    return dir;
}

std::string defaultProgramDir() {
    std::string exe = executableDir();
    std::error_code ec;
    if (fs::is_directory(exe + "Data", ec)) return exe;
    const std::string share = normalizeSeparators(exe + "../share/shipdesigner/");
    if (fs::is_directory(share + "Data", ec)) return fs::path(share).lexically_normal().string();
    return exe;
}

std::string userDataDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.local/share";
    }
    return normalizeSeparators(base + "/shipdesigner/");
}

std::string customFilesRoot(const std::string& programDir) {
    // The folder itself when it is there, else the program folder it would
    // be made in.
    const std::string custom = resolvePath(programDir + "Custom Files");
    std::error_code ec;
    const std::string probe = fs::is_directory(custom, ec) ? custom : resolvePath(programDir);
    return ::access(probe.c_str(), W_OK) == 0 ? programDir : userDataDir();
}

std::string fileNameOf(const std::string& path) {
    auto pos = path.find_last_of("/\\:");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

} // namespace platform
