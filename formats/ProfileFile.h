#pragma once
// Reader of a profile (INI) file on disk (Windows-1252), read and indexed
// on the first lookup; the rules of names, values and defaults are
// ProfileText's. A path whose file does not exist is no error: every
// lookup then yields its default.
#include <cstdint>
#include <string>

#include "formats/ProfileText.h"

class ProfileFile {
public:
    static constexpr size_t kMaxValueLength = ProfileText::kMaxValueLength;

    ProfileFile() = default;
    explicit ProfileFile(const std::string& path) { Open(path); }

    // Reads nothing yet.
    void Open(const std::string& path);
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def);
    bool ReadBool(const std::string& section, const std::string& key, bool def);
    void Close();

    // Parses text already in memory (UTF-8), for tests and fuzzers.
    void OpenText(const std::string& text);

private:
    const ProfileText& text();

    std::string path_;
    bool loaded_ = false;
    ProfileText text_;
};
