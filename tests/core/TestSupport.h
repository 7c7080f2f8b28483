#pragma once
// Helpers shared by the core tests: the bundled program directory and its
// data, scratch directories, and sdftool run as the separate program it is.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "startup/Startup.h"
#include "tests/ScopedMessages.h"

#ifndef SHIP_TEST_PROGRAM_DIR_DEFAULT
#define SHIP_TEST_PROGRAM_DIR_DEFAULT "./"
#define SHIP_TEST_SOURCE_DIR_DEFAULT "./"
#endif

namespace testsupport {

// The build's program directory (Data/, Designs/ ... beside the binaries).
inline std::string programDir() {
    const char* dir = std::getenv("SHIP_TEST_PROGRAM_DIR");
    return dir ? dir : SHIP_TEST_PROGRAM_DIR_DEFAULT;
}

// The source tree, for files kept with the tests.
inline std::string sourceDir() {
    const char* dir = std::getenv("SHIP_TEST_SOURCE_DIR");
    return dir ? dir : SHIP_TEST_SOURCE_DIR_DEFAULT;
}

// The bundled tables, loaded once (their messages kept out of the tests).
inline const ProgramData& bundledData() {
    static const ProgramData data = [] {
        ProgramData d;
        platform::RecordingMessages quiet;
        LoadProgramData(programDir(), d, quiet);
        return d;
    }();
    return data;
}

// A fresh directory removed at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string templ = (std::filesystem::temp_directory_path() / "shiptest-XXXXXX").string();
        path_ = mkdtemp(templ.data());
        path_ += "/";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes bytes as they are (no encoding, no line-end change).
    std::string write(const std::string& name, const std::string& bytes) const {
        std::string full = path_ + name;
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << bytes;
        return full;
    }
    std::string copy(const std::string& from, const std::string& name) const {
        std::filesystem::create_directories(std::filesystem::path(path_ + name).parent_path());
        std::filesystem::copy_file(from, path_ + name);
        return path_ + name;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string path_;
};

#ifdef SDFTOOL_PATH
struct ToolResult {
    int status = -1;
    std::string out, err;
};

// Runs sdftool with `args`; its error stream passes through `scratch`.
inline ToolResult runTool(const std::vector<std::string>& args, const TempDir& scratch) {
    auto quote = [](const std::string& s) {
        std::string q = "'";
        for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    // The tool built beside the tests, unless the run moved it (run as another user).
    const char* moved = std::getenv("SHIP_TEST_SDFTOOL");
    std::string cmd = quote(moved && *moved ? moved : SDFTOOL_PATH);
    for (const auto& a : args) cmd += " " + quote(a);
    ToolResult r;
    FILE* pipe = popen((cmd + " 2>" + quote(scratch.path() + "stderr.txt")).c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = scratch.read("stderr.txt");
    return r;
}
#endif

} // namespace testsupport
