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
