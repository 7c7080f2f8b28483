// The sectioned key reader of Nations.dat and BasicData.dat. It keeps a
// little memory between lookups to go faster; every answer must still be
// what a plain scan of the lines gives, also when a list changes under it.
#include "FuzzSupport.h"

#include "formats/SectionReader.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace {

bool asciiOnly(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The plain scan: the value of the first key line after the section header,
// before the next header.
std::string plainScan(const std::vector<std::string>& lines, const std::string& section, const std::string& key,
                      const std::string& def) {
    const std::string header = fuzz::lower("[" + section + "]");
    size_t start = 0;
    while (start < lines.size() && fuzz::lower(lines[start]) != header) ++start;
    start = start < lines.size() ? start + 1 : 0;
    const std::string prefix = key + "=";
    for (size_t i = start; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && line[0] == '[') break;
        if (line.compare(0, prefix.size(), prefix) == 0)
            return line.size() == prefix.size() ? def : line.substr(prefix.size());
    }
    return def;
}

struct Lookup {
    std::string section, key;
};

std::vector<Lookup> lookups(const std::vector<std::string>& lines) {
    std::vector<std::string> sections = {"1914", "1916", "BasicData", "0"};
    std::vector<std::string> keys = {"Nation0Name",    "Nation1Name2", "Nation10SmokeFloats",
                                     "GunRangeFactor", "ShipType10",   ""};
    for (const std::string& line : lines) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            if (sections.size() < 8) sections.push_back(line.substr(1, line.size() - 2));
        } else if (auto eq = line.find('='); eq != std::string::npos && keys.size() < 32) {
            keys.push_back(line.substr(0, eq));
        }
    }
    std::vector<Lookup> out; // keys in file order within each section, as the loaders ask
    for (const std::string& s : sections)
        for (const std::string& k : keys) out.push_back({s, k});
    return out;
}

void check(const TSectionLines& lines, const Lookup& l) {
    const std::string s = ReadSectionString(lines, l.section, l.key, "\x01");
    const std::int32_t n = ReadSectionInteger(lines, l.section, l.key, -7);
    const bool b = ReadSectionBool(lines, l.section, l.key, true);
    if (!asciiOnly(l.section)) return; // letter case beyond ASCII is the reader's own business
    FUZZ_CHECK(s == plainScan(lines.lines(), l.section, l.key, "\x01"));
    const std::string text = plainScan(lines.lines(), l.section, l.key, "");
    FUZZ_CHECK(n == (text.empty() ? -7 : platform::StrToIntDef(text, -7)));
    FUZZ_CHECK(b == (text != "0"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::beginRun();
    TSectionLines lines(platform::splitLines(platform::cp1252ToUtf8(fuzz::asText(data, size))));
    const std::vector<Lookup> all = lookups(lines.lines());

    // The full list alone, then in turn with a shorter one.
    const TSectionLines half(std::vector<std::string>(
        lines.lines().begin(), lines.lines().begin() + static_cast<long>(lines.lines().size() / 2)));
    for (const Lookup& l : all) check(lines, l);
    for (const Lookup& l : all) {
        check(half, l);
        check(lines, l);
    }
    if (!lines.lines().empty()) {
        // The list changed under the lookups: its first line made its last.
        lines.Set(0, lines.lines().back());
        for (const Lookup& l : all) check(lines, l);
    }
    return 0;
}
