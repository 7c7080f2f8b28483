#include "platform/FileSystem.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

std::optional<std::string> readBytes(const std::string& path, std::string* why) {
    auto fail = [why](const std::string& reason) -> std::optional<std::string> {
        if (why) *why = reason;
        return std::nullopt;
    };
    std::string resolved = resolvePath(path);
    std::error_code ec;
    const fs::file_status status = fs::status(resolved, ec);
    if (!fs::exists(status))
        return fail(ec && ec != std::errc::no_such_file_or_directory ? ec.message() : "no such file");
    if (fs::is_directory(status)) return fail("it is a folder");
    if (!fs::is_regular_file(status)) return fail("it is not a plain file");
    errno = 0;
    std::ifstream in(resolved, std::ios::binary);
    if (!in) return fail(std::strerror(errno ? errno : EIO));
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return fail(std::strerror(errno ? errno : EIO));
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

WriteResult writeLines(const std::string& path, const std::vector<std::string>& lines, std::string* why) {
    std::string content;
    for (const auto& line : lines) {
        auto encoded = utf8ToCp1252(line);
        if (!encoded) return WriteResult::Unencodable;
        content += *encoded;
        content += "\r\n";
    }
    return writeBytes(path, content, why) ? WriteResult::Ok : WriteResult::Failed;
}

bool writeBytes(const std::string& path, const std::string& bytes, std::string* why) {
    auto fail = [why](const std::string& reason) {
        if (why) *why = reason;
        return false;
    };
    const std::string target = resolvePath(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) return fail("it is a folder");
    const std::string temp = target + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return fail(std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string reason = std::strerror(errno ? errno : EIO);
            out.close();
            fs::remove(temp, ec);
            return fail(reason);
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        return fail(reason);
    }
    return true;
}

} // namespace platform
