#pragma once
// Shared by the fuzz targets: a private scratch directory and a message sink
// that keeps boxes quiet, one each per process, and splitting one input
// into files.
#include "platform/Messages.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

// Stops the run the way a sanitizer would, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                                               \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);                              \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace fuzz {

struct Env;
Env& env();

// Left alive on purpose (the sink must outlive every run); the directory goes at exit.
struct Env {
    std::string dir; // ends with "/"
    platform::RecordingMessages messages;

    Env() {
        std::string templ = (std::filesystem::temp_directory_path() / "shipfuzz-XXXXXX").string();
        if (!mkdtemp(templ.data())) std::abort();
        dir = templ + "/";
        std::filesystem::create_directories(dir + "Data");
        platform::setMessages(&messages);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(env().dir, ec);
        });
    }
    std::string write(const std::string& name, std::string_view bytes) const {
        std::ofstream(dir + name, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return dir + name;
    }
    // Writes the file, or removes it when there is no part for it, so the
    // loaders' missing-file paths get their share of runs.
    void writeOrRemove(const std::string& name, const std::vector<std::string_view>& parts, size_t i) const {
        std::error_code ec;
        if (i < parts.size()) write(name, parts[i]);
        else std::filesystem::remove(dir + name, ec);
    }
};

inline Env& env() {
    static Env* e = new Env;
    return *e;
}

// Starts a run: messages of the previous run are dropped.
inline Env& beginRun() {
    Env& e = env();
    e.messages.clear();
    e.messages.answers.clear();
    return e;
}

inline std::string_view asText(const std::uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Splits an input into files at form-feed bytes (which no data file holds).
inline std::vector<std::string_view> splitParts(const std::uint8_t* data, size_t size) {
    std::vector<std::string_view> parts;
    std::string_view all = asText(data, size);
    for (size_t start = 0;;) {
        const size_t ff = all.find('\f', start);
        parts.push_back(all.substr(start, ff == std::string_view::npos ? std::string_view::npos : ff - start));
        if (ff == std::string_view::npos) return parts;
        start = ff + 1;
    }
}

// ASCII lower case and blank trimming, for the plain reference scans.
inline std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
inline std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

} // namespace fuzz
