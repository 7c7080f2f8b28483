#pragma once
// Helpers shared by the core tests: the bundled program directory and its
// data, and scratch directories.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Messages.h"
#include "startup/Startup.h"

namespace testsupport {

// The build's program directory (Data/, Designs/ ... beside the binaries).
inline std::string programDir() {
    const char* dir = std::getenv("SHIP_TEST_PROGRAM_DIR");
#ifdef SHIP_TEST_PROGRAM_DIR_DEFAULT
    return dir ? dir : SHIP_TEST_PROGRAM_DIR_DEFAULT;
#else
    return dir ? dir : "./";
#endif
}

// The bundled tables, loaded once (their messages kept out of the tests).
inline const ProgramData& bundledData() {
    static const ProgramData data = [] {
        ProgramData d;
        platform::ScopedRecordingMessages quiet;
        LoadProgramData(programDir(), d);
        return d;
    }();
    return data;
}

// The source tree, for files kept with the tests.
inline std::string sourceDir() {
    const char* dir = std::getenv("SHIP_TEST_SOURCE_DIR");
#ifdef SHIP_TEST_SOURCE_DIR_DEFAULT
    return dir ? dir : SHIP_TEST_SOURCE_DIR_DEFAULT;
#else
    return dir ? dir : "./";
#endif
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
        std::ofstream out(full, std::ios::binary);
        out << bytes;
        return full;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string path_;
};

} // namespace testsupport
