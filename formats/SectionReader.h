#pragma once
// Reader of "[section]" / "key=value" files already read into lines (the
// nation table and the basic data). Keys are case-sensitive and start in
// the first column; headers match without regard to letter case.
//
// A lookup finds the first header "[section]" and scans the lines after it
// (from the top of the list when there is no such header) up to the next
// line beginning with "["; the first line beginning with key + "=" answers,
// with everything after its first "=". An empty answer gives the default.
//
// Files are read key after key in the order they are written, so a reader
// remembers the header index of the section it looked up last and the line
// of the key it found last, and first tries the line after that one. Both
// shortcuts give exactly what the full scan gives.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <unordered_set>
#include <vector>

class TSectionReader {
public:
    TSectionReader() = default;
    explicit TSectionReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    const std::vector<std::string>& lines() const { return lines_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def);
    bool ReadBool(const std::string& section, const std::string& key, bool def);

    // Index of the first line "[section]" (letter case ignored), or -1.
    int HeaderIndex(const std::string& section);

private:
    // The key's line, or -1.
    int findKey(int header, const std::string& key);

    std::vector<std::string> lines_; // never changed after construction

    bool haveSection_ = false;
    std::string section_;
    int header_ = -1;

    // The last key line found, the header it was found under, and the text
    // before the first "=" of every line from that header up to it: a key
    // among them would have answered the scan before the next line does.
    int keyLine_ = -1;
    int keyHeader_ = -1;
    std::unordered_set<std::string> keysUpToKeyLine_;
};

// A list of lines for the free functions below. It keeps the shortcuts of
// the lookups made in it, and every change to the list drops them, so they
// never answer for another list or for an earlier state of this one.
class TSectionLines {
public:
    TSectionLines() = default;
    TSectionLines(std::vector<std::string> lines) : reader_(std::move(lines)) {}
    TSectionLines(std::initializer_list<std::string> lines) : reader_(std::vector<std::string>(lines)) {}

    const std::vector<std::string>& lines() const { return reader_.lines(); }
    void Set(size_t index, std::string line);

private:
    friend std::string ReadSectionString(const TSectionLines&, const std::string&, const std::string&,
                                         const std::string&);
    friend std::int32_t ReadSectionInteger(const TSectionLines&, const std::string&, const std::string&, std::int32_t);
    friend bool ReadSectionBool(const TSectionLines&, const std::string&, const std::string&, bool);

    mutable TSectionReader reader_; // a lookup only moves its shortcuts
};

std::string ReadSectionString(const TSectionLines& lines, const std::string& section, const std::string& key,
                              const std::string& def);
std::int32_t ReadSectionInteger(const TSectionLines& lines, const std::string& section, const std::string& key,
                                std::int32_t def);
bool ReadSectionBool(const TSectionLines& lines, const std::string& section, const std::string& key, bool def);
