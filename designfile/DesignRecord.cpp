#include "designfile/DesignRecord.h"

#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

DesignRecord ReadDesignRecord(const std::string& path) {
    DesignRecord record;
    record.ClassName = DesignClassName(path);
    if (auto bytes = platform::readBytes(path)) {
        record.Readable = true;
        record.Values = ProfileText(platform::cp1252ToUtf8(*bytes));
    }
    return record;
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
    if (text.empty()) return 'Z';  // a present but empty "Pos" counts as missing
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
