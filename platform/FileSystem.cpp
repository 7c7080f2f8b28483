#include "platform/FileSystem.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(resolvePath(path), ec);
}

bool directoryExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(resolvePath(path), ec);
}

std::optional<std::string> readBytes(const std::string& path) {
    std::string resolved = resolvePath(path);
    std::error_code ec;
    if (!fs::is_regular_file(resolved, ec)) return std::nullopt;
    std::ifstream in(resolved, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return ss.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            lines.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        if (current.back() == '\r') current.pop_back();
        lines.push_back(std::move(current));
    }
    return lines;
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    auto bytes = readBytes(path);
    if (!bytes) return std::nullopt;
    return splitLines(cp1252ToUtf8(*bytes));
}

WriteResult writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines) {
        auto encoded = utf8ToCp1252(line);
        if (!encoded) return WriteResult::Unencodable;
        content += *encoded;
        content += "\r\n";
    }
    const std::string target = resolvePath(path);
    const std::string temp = target + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return WriteResult::Failed;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return WriteResult::Failed;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return WriteResult::Failed;
    }
    return WriteResult::Ok;
}

} // namespace platform
