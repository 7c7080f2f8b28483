#include "designfile/DesignRecord.h"

#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace {

// The keys of [Data] the form reads.
constexpr const char* kFormDataKeys[] = {"Displacement",    "Range",         "Freeboard",      "BeltCoverage",
                                         "Speed",           "ShipType",      "EnemyClassName", "MisidentifiedClassName",
                                         "PictureName",     "Nation",        "Accomodation",   "Fire control",
                                         "Torpedo defense", "Mine capacity", "Obsolete date",  "Fuel type"};

bool hasDataHeader(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.size() < 6 || line[0] != '[') continue;
        const size_t close = line.find(']');
        std::string_view name = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
        if (name.size() == 4 && (name[0] | 0x20) == 'd' && (name[1] | 0x20) == 'a' && (name[2] | 0x20) == 't' &&
            (name[3] | 0x20) == 'a')
            return true;
    }
    return false;
}

bool hasControlBytes(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != 0x1A) return true;
    }
    return false;
}

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

std::optional<std::string> notDesignReason(bool empty, bool binary, bool header, const ProfileText& values) {
    if (empty) return std::string("the file is empty");
    if (header)
        for (const char* key : kFormDataKeys)
            if (values.Find("Data", key)) return std::nullopt;
    if (binary) return std::string("it is not text");
    if (!header) return std::string("no [Data] section");
    return std::string("its [Data] section holds none of the keys of a design");
}

} // namespace

DesignRecord ReadDesignRecord(const std::string& path) {
    DesignRecord record;
    record.ClassName = DesignClassName(path);
    record.Path = path;
    if (auto bytes = platform::readBytes(path, &record.ReadError)) {
        std::string text = platform::cp1252ToUtf8(*bytes);
        const bool header = hasDataHeader(text);
        const bool binary = hasControlBytes(text);
        const bool empty = isBlank(text);
        ProfileText values(std::move(text));
        // Parsed once: lists read whole folders of designs.
        if (auto reason = notDesignReason(empty, binary, header, values)) {
            record.NotDesign = NotDesignMessage(path, *reason);
            return record;
        }
        record.Readable = true;
        record.Values = std::move(values);
    }
    return record;
}

std::optional<std::string> NotDesignReason(std::string_view text) {
    return notDesignReason(isBlank(text), hasControlBytes(text), hasDataHeader(text), ProfileText(std::string(text)));
}

std::string DesignRecordProblem(const DesignRecord& record, const std::string& path) {
    if (record.Readable) return {};
    if (!record.NotDesign.empty()) return record.NotDesign;
    return "Cannot read design file: " + path + (record.ReadError.empty() ? "" : " (" + record.ReadError + ")");
}

std::string NotDesignMessage(const std::string& path, const std::string& reason) {
    return platform::fileNameOf(path) + " is not a ship design file: " + reason;
}

DesignRecord ParseDesignRecord(const std::vector<std::string>& lines, const std::string& className) {
    DesignRecord record;
    record.ClassName = className;
    record.Readable = true;
    std::string text;
    for (const std::string& line : lines) text.append(line).push_back('\n');
    record.Values = ProfileText(std::move(text));
    return record;
}

std::string DesignClassName(const std::string& path) {
    const std::string file = platform::fileNameOf(path);
    const size_t n = platform::utf8Length(file);
    return n > 4 ? platform::utf8Left(file, n - 4) : std::string();
}

TurretPosition PositionLetter(const std::string& text) {
    if (text.empty()) return 'Z'; // a present but empty "Pos" counts as missing
    const auto byte = platform::utf8ToCp1252(platform::utf8Left(text, 1));
    return byte && byte->size() == 1 ? (*byte)[0] : 'Z';
}

namespace {

// Sections name + 0 .. name + (count - 1) whose number key passes.
template <typename Keep>
std::vector<DesignSectionItem> sections(const DesignRecord& record, const char* name, const char* numberKey,
                                        std::int32_t def, int count, Keep keep) {
    std::vector<DesignSectionItem> items;
    for (int n = 0; n < count; ++n) {
        const std::string section = name + std::to_string(n);
        const std::int32_t number = record.Values.ReadInteger(section, numberKey, def);
        if (!keep(number)) continue;
        items.push_back({number, PositionLetter(record.Values.ReadString(section, "Pos", "Z"))});
    }
    return items;
}

} // namespace

std::vector<DesignSectionItem> TurretSections(const DesignRecord& record, int count) {
    return sections(record, "Turret", "Guns", -1, count, [](std::int32_t guns) { return guns >= 0; });
}

std::vector<DesignSectionItem> MountSections(const DesignRecord& record) {
    return sections(record, "TorpedoMount", "Tubes", 0, kMountSections, [](std::int32_t tubes) { return tubes > 0; });
}

void ReadOutlines(const DesignRecord& record, std::array<TOutline, 4>& outlines, std::array<bool, 4>& isLine) {
    // Built once: these names are most of the keys a design is asked for.
    static const auto names = [] {
        struct Names {
            std::array<std::string, 4> sections;
            std::array<std::array<std::string, 2>, 21> points;
        } n;
        for (size_t k = 0; k < 4; ++k) n.sections[k] = "Superstructure" + std::to_string(k);
        for (size_t j = 0; j < 21; ++j)
            n.points[j] = {"Point" + std::to_string(j) + "Angle", "Point" + std::to_string(j) + "Distance"};
        return n;
    }();
    const ProfileText& f = record.Values;
    for (size_t k = 0; k < 4; ++k) {
        for (size_t j = 0; j < 21; ++j) {
            outlines[k][j].Angle = f.ReadInteger(names.sections[k], names.points[j][0], 0);
            outlines[k][j].Distance = f.ReadInteger(names.sections[k], names.points[j][1], 0);
        }
        isLine[k] = f.ReadBool(names.sections[k], "IsLine", false);
    }
}
