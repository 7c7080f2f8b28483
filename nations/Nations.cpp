#include "nations/Nations.h"

#include "formats/SectionReader.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"

#include <stdexcept>
#include <string>

namespace {

constexpr std::int32_t kFirstYear = 1914;
constexpr std::int32_t kLastYear = 1918;

// The block year for a year of play; reports a missing block inside the years
// the file is meant to cover and then reads that year anyway, so every field
// takes its default rather than another year's value.
std::int32_t blockYear(TSectionReader& reader, std::int32_t year) {
    if (reader.HeaderIndex(std::to_string(year)) >= 0) return year;
    if (year < kFirstYear) return kFirstYear;
    if (year > kLastYear) return kLastYear;
    platform::messages().notice("Problem loading nation data! Cannot find year " + std::to_string(year));
    return year;
}

void readNation(TSectionReader& reader, const std::string& section, int i, TNation& nation) {
    const std::string prefix = "Nation" + std::to_string(i);
    // Each field is stored as soon as it is read, so a failure part way
    // leaves the fields read so far with their new values.
    nation.Name = reader.ReadString(section, prefix + "Name", "");
    nation.Name2 = reader.ReadString(section, prefix + "Name2", "");
    nation.FlagFileName = reader.ReadString(section, prefix + "FlagFileName", "");
    nation.FlashFires = reader.ReadInteger(section, prefix + "FlashFires", 0);
    nation.Accuracy = reader.ReadInteger(section, prefix + "Accuracy", 0);
    nation.DamageControl = reader.ReadInteger(section, prefix + "DamageControl", 0);
    nation.APShellQuality = reader.ReadInteger(section, prefix + "APShellQuality", 0);
    nation.DudRate = reader.ReadInteger(section, prefix + "DudRate", 0);
    nation.NightFighting = reader.ReadInteger(section, prefix + "NightFighting", 0);
    nation.SmokeFloats = reader.ReadBool(section, prefix + "SmokeFloats", false);
}

} // namespace

void LoadNations(const std::string& dataDirectory, std::int32_t year, NationTable& nations) {
    const std::string path = dataDirectory + "/Nations.dat";
    if (!platform::fileExists(path)) {
        platform::messages().notice("Cannot find nations file!\r" + path);
        return;
    }
    try {
        auto lines = platform::readLines(path);
        if (!lines) throw std::runtime_error("unreadable");
        TSectionReader reader(std::move(*lines));
        const std::string section = std::to_string(blockYear(reader, year));
        for (int i = 0; i <= MaxNation; ++i) readNation(reader, section, i, nations[static_cast<size_t>(i)]);
    } catch (const std::exception&) { platform::messages().notice("Error loading nation table"); }
}

const TNation* NationAt(const NationTable& nations, std::int32_t index) {
    return index >= 0 && index <= MaxNation ? &nations[static_cast<size_t>(index)] : nullptr;
}
