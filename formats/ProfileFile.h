#pragma once
// Reader of profile (INI) files: "[section]" lines and "key=value" lines.
// Section and key names match without regard to letter case; blanks around
// keys and values are ignored; lines starting with ";" are comments. A
// missing file, section or key yields the default, and so does an empty
// value for integers and flags. When a name occurs twice, the first
// occurrence wins.
#include <cstdint>
#include <string>
#include <unordered_map>

class ProfileFile {
public:
    static constexpr size_t kMaxValueLength = 2047;

    ProfileFile() = default;
    explicit ProfileFile(const std::string& path) { Open(path); }

    // Reads nothing yet; a path whose file does not exist is no error.
    void Open(const std::string& path);
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def);
    bool ReadBool(const std::string& section, const std::string& key, bool def);
    void Close();

    // Parses text already in memory (UTF-8), for tests and fuzzers.
    void OpenText(const std::string& text);

private:
    const std::string* find(const std::string& section, const std::string& key);
    void load();

    std::string path_;
    bool loaded_ = false;
    std::unordered_map<std::string, std::string> values_;  // "section\nkey", lower case
};
