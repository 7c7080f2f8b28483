// The profile reader behind both design-file readings and the preferences:
// read from disk (Windows-1252) and from memory, every lookup must give what
// a plain scan of the lines gives, and no value may pass the length cap.
#include "FuzzSupport.h"

#include "formats/ProfileFile.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"

#include <optional>

namespace {

using fuzz::lower;
using fuzz::trim;

// The rules without an index: the first entry of the section and key, in
// any letter case, wherever the section stands.
std::optional<std::string> plainFind(const std::string& text, const std::string& section, const std::string& key) {
    const std::string wantSection = lower(trim(section)), wantKey = lower(trim(key));
    std::optional<std::string> current;
    for (const std::string& raw : platform::splitLines(text)) {
        const std::string line = trim(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            current = lower(trim(line.substr(1, close == std::string::npos ? close : close - 1)));
        } else if (const size_t eq = line.find('='); current && eq != std::string::npos) {
            const std::string name = lower(trim(line.substr(0, eq)));
            if (!name.empty() && *current == wantSection && name == wantKey) return trim(line.substr(eq + 1));
        }
    }
    return std::nullopt;
}

struct Lookup {
    std::string section, key;
};

// Keys the readers really ask for, and the names the input itself uses.
std::vector<Lookup> lookups(const std::string& text) {
    std::vector<Lookup> out = {{"Data", "Displacement"},
                               {"Data", "ShipType"},
                               {"Guns", "Main"},
                               {"Turret0", "Guns"},
                               {"Turret0", "Pos"},
                               {"Settings", "WaterColor"},
                               {"Superstructure3", "Point20Distance"}};
    std::string section;
    for (const std::string& line : platform::splitLines(text)) {
        if (out.size() >= 64) break;
        if (!line.empty() && line[0] == '[') section = line.substr(1, line.find(']') - 1); // npos - 1: to the end
        else if (auto eq = line.find('='); eq != std::string::npos) out.push_back({section, line.substr(0, eq)});
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const std::string path = env.write("input.ini", fuzz::asText(data, size));
    const std::string text = platform::cp1252ToUtf8(fuzz::asText(data, size));

    ProfileFile fromDisk(path);
    ProfileFile fromText;
    fromText.OpenText(text);
    for (const Lookup& l : lookups(text)) {
        const std::string a = fromDisk.ReadString(l.section, l.key, "\x01");
        FUZZ_CHECK(a == fromText.ReadString(l.section, l.key, "\x01"));
        FUZZ_CHECK(platform::utf8Length(a) <= ProfileFile::kMaxValueLength);
        const auto plain = plainFind(text, l.section, l.key);
        FUZZ_CHECK(a == (plain ? platform::utf8Left(*plain, ProfileFile::kMaxValueLength) : "\x01"));
        FUZZ_CHECK(fromDisk.ReadInteger(l.section, l.key, -7) == fromText.ReadInteger(l.section, l.key, -7));
        FUZZ_CHECK(fromDisk.ReadBool(l.section, l.key, true) == fromText.ReadBool(l.section, l.key, true));
    }
    fromDisk.Close(); // closed, it answers from the file again
    fromDisk.Open(path);
    (void)fromDisk.ReadInteger("Data", "Speed", 18);
    return 0;
}
