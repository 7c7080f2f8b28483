// The profile reader behind both design-file readers and the preferences:
// read from disk (Windows-1252) and from memory, the same keys must answer
// alike and no value may pass the length cap.
#include "FuzzSupport.h"

#include "formats/ProfileFile.h"
#include "platform/Encoding.h"

#include <string>
#include <vector>

namespace {

struct Lookup {
    std::string section, key;
};

// Keys the readers really ask for, and the names the input itself uses.
std::vector<Lookup> lookups(const std::string& text) {
    std::vector<Lookup> out = {{"Data", "Displacement"}, {"Data", "ShipType"}, {"Guns", "Main"},
                               {"Turret0", "Guns"},      {"Turret0", "Pos"},   {"Settings", "WaterColor"},
                               {"Superstructure3", "Point20Distance"}};
    std::string section;
    size_t pos = 0;
    while (pos < text.size() && out.size() < 64) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line[0] == '[') {
            section = line.substr(1, line.find(']') == std::string::npos ? std::string::npos : line.find(']') - 1);
        } else if (auto eq = line.find('='); eq != std::string::npos) {
            out.push_back({section, line.substr(0, eq)});
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const std::string path = env.scratch.write("input.ini", fuzz::asText(data, size));
    const std::string text = platform::cp1252ToUtf8(fuzz::asText(data, size));

    ProfileFile fromDisk(path);
    ProfileFile fromText;
    fromText.OpenText(text);
    for (const Lookup& l : lookups(text)) {
        const std::string a = fromDisk.ReadString(l.section, l.key, "\x01");
        FUZZ_CHECK(a == fromText.ReadString(l.section, l.key, "\x01"));
        FUZZ_CHECK(platform::utf8Length(a) <= ProfileFile::kMaxValueLength);
        FUZZ_CHECK(fromDisk.ReadInteger(l.section, l.key, -7) == fromText.ReadInteger(l.section, l.key, -7));
        FUZZ_CHECK(fromDisk.ReadBool(l.section, l.key, true) == fromText.ReadBool(l.section, l.key, true));
    }
    fromDisk.Close();
    // Closed, it answers from the file again.
    fromDisk.Open(path);
    (void)fromDisk.ReadInteger("Data", "Speed", 18);
    return 0;
}
