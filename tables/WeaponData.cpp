#include "tables/WeaponData.h"

#include "formats/SectionReader.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "platform/Round.h"
#include "tables/Errors.h"

#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kGunRows = kMaxGunCalibre - kMinGunCalibre + 1; // lines 1 .. 17
constexpr int kTorpedoRows = 9;

// A line the step reads that the file does not have.
struct ShortTableError : std::runtime_error {
    ShortTableError() : std::runtime_error("table file too short") {}
};

const std::string& lineAt(const std::vector<std::string>& lines, int index) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) throw ShortTableError();
    return lines[static_cast<size_t>(index)];
}

std::int32_t intField(const std::string& line, int n) { return platform::StrToIntDef(GetTabField(line, n), 0); }

// Reads a table file, or tells the missing-file text and gives none.
std::optional<std::vector<std::string>> tableFile(const std::string& path, const std::string& missingText,
                                                  platform::Messages& messages) {
    if (!platform::fileExists(path)) {
        messages.notice(missingText);
        return std::nullopt;
    }
    auto lines = platform::readLines(path);
    if (!lines) throw FileOpenError(path);
    return lines;
}

void readVPen(const std::vector<std::string>& lines, WeaponTables& tables) {
    for (int l = 1; l <= kGunRows; ++l) {
        const std::string& line = lineAt(lines, l);
        TGunCalibreData& gun = tables.GunCalibres[static_cast<size_t>(l) + 1];
        gun.BaseRange = platform::Clamp32(static_cast<std::int64_t>(intField(line, 3)) * tables.GunRangeFactor / 10);
        for (int k = 1; k <= 30; ++k) gun.VPen[static_cast<size_t>(k)] = intField(line, k + 3);
    }
}

void readHPen(const std::vector<std::string>& lines, WeaponTables& tables) {
    for (int l = 1; l <= kGunRows; ++l) {
        const std::string& line = lineAt(lines, l);
        TGunCalibreData& gun = tables.GunCalibres[static_cast<size_t>(l) + 1];
        for (int k = 1; k <= 30; ++k) gun.HPen[static_cast<size_t>(k)] = intField(line, k + 3);
    }
}

void readGundata(const std::vector<std::string>& lines, WeaponTables& tables) {
    for (int l = 1; l <= kGunRows; ++l) {
        const std::string& line = lineAt(lines, l);
        TGunCalibreData& gun = tables.GunCalibres[static_cast<size_t>(l) + 1];
        gun.BaseRateOfFire = static_cast<float>(static_cast<long double>(intField(line, 3)) / 10.0L);
        gun.MaxRange = intField(line, 4);
    }
}

void readTorpedoes(const std::vector<std::string>& lines, WeaponTables& tables) {
    for (int l = 1; l <= kTorpedoRows; ++l) {
        const std::string& line = lineAt(lines, l);
        TTorpedoType& t = tables.TorpedoTypes[static_cast<size_t>(l)];
        t.Name = GetTabField(line, 1);
        t.Tag = intField(line, 3);
        t.Range1 = platform::Clamp32(static_cast<std::int64_t>(intField(line, 4)) * 100);
        t.Speed1 = intField(line, 5);
        t.Range2 = platform::Clamp32(static_cast<std::int64_t>(intField(line, 6)) * 100);
        t.Speed2 = intField(line, 7);
    }
}

} // namespace

std::string GetTabField(const std::string& line, int n) {
    // A field beyond the last one gives the last field; the tables rely on
    // nothing else, and short lines then still load.
    std::string field;
    size_t pos = 0;
    bool restEmpty = line.empty();
    for (int i = 1; !restEmpty; ++i) {
        const size_t tab = line.find('\t', pos);
        if (tab == std::string::npos) {
            field = line.substr(pos);
            restEmpty = true;
        } else {
            field = line.substr(pos, tab - pos);
            pos = tab + 1;
            restEmpty = pos >= line.size();
        }
        if (i == n) break;
    }
    return field;
}

void LoadBasicData(const std::string& programDirectory, WeaponTables& tables, platform::Messages& messages) {
    const std::string path = programDirectory + "/Data/BasicData.dat";
    if (!platform::fileExists(path)) {
        messages.notice("Warning! Cannot find file BasicData.dat!");
        return;
    }
    try {
        auto lines = platform::readLines(path);
        if (!lines) throw FileOpenError(path);
        TSectionReader reader(std::move(*lines));
        tables.PenetrationFactor = reader.ReadInteger("BasicData", "PenetrationFactor", 10);
        tables.GunRangeFactor = reader.ReadInteger("BasicData", "GunRangeFactor", 10);
        for (int i = 0; i <= 10; ++i)
            tables.ShipTypeNames[static_cast<size_t>(i)] =
                reader.ReadString("BasicData", "ShipType" + std::to_string(i), "");
    } catch (const std::exception& e) {
        messages.notice(std::string("Error in LoadBasicData procedure!\r") + e.what());
    }
}

void LoadWeaponTables(const std::string& programDirectory, WeaponTables& tables, platform::Messages& messages) {
    LoadBasicData(programDirectory, tables, messages);
    const std::string data = programDirectory + "/Data/";
    try {
        auto vpen = tableFile(data + "VPen.dat", "Error: Cannot find file VPen.dat", messages);
        if (!vpen) return;
        readVPen(*vpen, tables);
        auto hpen = tableFile(data + "HPen.dat", "Error: Cannot find file HPen.dat", messages);
        if (!hpen) return;
        readHPen(*hpen, tables);
        auto gundata = tableFile(data + "Gundata.dat", "Error: Cannot find file Gundata.dat", messages);
        if (!gundata) return;
        readGundata(*gundata, tables);
        const std::string torpedoPath = data + "Torpedodata.dat";
        auto torpedoes = tableFile(torpedoPath, "Error: Cannot find file " + torpedoPath, messages);
        if (!torpedoes) return;
        readTorpedoes(*torpedoes, tables);
    } catch (const std::exception&) { messages.notice("Error loading weapon tables!"); }
}

std::string WeaponTables::ShipTypeName(int type) const {
    return type >= 0 && type <= 10 ? ShipTypeNames[static_cast<size_t>(type)] : std::string();
}

const TGunCalibreData& WeaponTables::Gun(int calibre) const {
    static const TGunCalibreData empty{};
    return calibre >= kMinGunCalibre && calibre <= kMaxGunCalibre ? GunCalibres[static_cast<size_t>(calibre)] : empty;
}
