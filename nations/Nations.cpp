#include "nations/Nations.h"

#include "formats/SectionReader.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

constexpr std::int32_t kFirstYear = 1914;
constexpr std::int32_t kLastYear = 1918;

// The block year for a year of play; reports a missing block inside the years
// the file is meant to cover and then reads that year anyway, so every field
// takes its default rather than another year's value.
std::int32_t blockYear(TSectionReader& reader, std::int32_t year, platform::Messages& messages) {
    const bool has = reader.HeaderIndex(std::to_string(year)) >= 0;
    const std::int32_t block = NationBlockYear(year, has);
    if (!has && block == year) messages.notice("Problem loading nation data! Cannot find year " + std::to_string(year));
    return block;
}

// The year of a header line "[1916]", none for any other line.
std::optional<std::int32_t> headerYear(const std::string& line) {
    const std::string& text = line;
    if (text.size() < 3 || text.size() > 12 || text.front() != '[' || text.back() != ']') return std::nullopt;
    const std::string digits = text.substr(1, text.size() - 2);
    const size_t start = digits[0] == '-' ? 1 : 0;
    if (start == digits.size()) return std::nullopt;
    for (size_t i = start; i < digits.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(digits[i]))) return std::nullopt;
    // A header is matched as the whole line, so "[01916]" is no block of 1916.
    if (std::to_string(std::stoll(digits)) != digits) return std::nullopt;
    const long long y = std::stoll(digits);
    if (y < INT32_MIN || y > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(y);
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

void LoadNations(const std::string& dataDirectory, std::int32_t year, NationTable& nations,
                 platform::Messages& messages) {
    const std::string path = dataDirectory + "/Nations.dat";
    if (!platform::fileExists(path)) {
        messages.notice("Cannot find nations file!\r" + path);
        return;
    }
    try {
        auto lines = platform::readLines(path);
        if (!lines) throw std::runtime_error("unreadable");
        TSectionReader reader(std::move(*lines));
        const std::string section = std::to_string(blockYear(reader, year, messages));
        for (int i = 0; i <= MaxNation; ++i) readNation(reader, section, i, nations[static_cast<size_t>(i)]);
    } catch (const std::exception&) { messages.notice("Error loading nation table"); }
}

std::int32_t NationBlockYear(std::int32_t year, bool fileHasYear) {
    if (fileHasYear) return year;
    if (year < kFirstYear) return kFirstYear;
    if (year > kLastYear) return kLastYear;
    return year;
}

const NationTable& NationBlocks::For(std::int32_t year) const {
    static const NationTable kDefaults{};
    const auto it = Years.find(NationBlockYear(year, Years.count(year) > 0));
    return it == Years.end() ? kDefaults : it->second;
}

void LoadNationBlocks(const std::string& dataDirectory, NationBlocks& blocks) {
    blocks.Years.clear();
    auto lines = platform::readLines(dataDirectory + "/Nations.dat");
    if (!lines) return;
    TSectionReader reader(std::move(*lines));
    for (const std::string& line : reader.lines())
        if (const auto year = headerYear(line); year && !blocks.Years.count(*year)) {
            NationTable& table = blocks.Years[*year];
            for (int i = 0; i <= MaxNation; ++i)
                readNation(reader, std::to_string(*year), i, table[static_cast<size_t>(i)]);
        }
}

const TNation* NationAt(const NationTable& nations, std::int32_t index) {
    return index >= 0 && index <= MaxNation ? &nations[static_cast<size_t>(index)] : nullptr;
}
