// sdftool protection: the immune-zone table of each design against the
// calibres of 8 to 18 inches (and its own main calibre), or those asked for.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"
#include "sdftool/JsonOut.h"

#include "combat/FightShip.h"
#include "combat/Protection.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignRecord.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Round.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

std::optional<std::string> parseCalibres(const std::string& text, std::vector<int>& out) {
    out.clear();
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');) {
        const auto n = platform::StrToInt(item);
        if (!n) return "'" + item + "' is not a whole number for --against";
        if (*n < kMinGunCalibre || *n > kMaxGunCalibre)
            return "calibre " + item + " lies outside 2 .. 18 for --against";
        out.push_back(*n);
    }
    if (out.empty()) return std::string("--against needs at least one calibre");
    return std::nullopt;
}

std::int64_t yards(double range) { return platform::Round(range); }

// Whole yards rounded to 100 with thousands separated: 11,400.
std::string rangeText(double range) {
    std::string digits = std::to_string(platform::Round(range / 100) * 100);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

std::string padLeft(const std::string& text, size_t width) {
    const size_t n = platform::utf8Length(text);
    return n >= width ? " " + text : std::string(width - n, ' ') + text;
}

Json rowJson(const ProtectionRow& r) {
    Json j;
    j["Calibre"] = r.Calibre;
    j["HasFigures"] = r.HasFigures;
    j["Reach"] = yards(r.Reach);
    j["BeltSafeBeyond"] = yards(r.BeltSafeBeyond);
    j["DeckSafeWithin"] = yards(r.DeckSafeWithin);
    j["ImmuneZone"] = r.HasZone() ? Json::array({yards(r.BeltSafeBeyond), yards(r.DeckSafeWithin)}) : Json();
    j["TurretSafeBeyond"] = yards(r.TurretSafeBeyond);
    j["ConningTowerSafeBeyond"] = yards(r.ConningTowerSafeBeyond);
    return j;
}

std::string inchText(double inches) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", inches);
    return buf;
}

void printTable(const TFightingShip& ship, const ShipArmour& a, const std::vector<ProtectionRow>& rows) {
    std::printf("%s: belt %s in, deck %s in, turret faces %s in, conning tower %s in, main guns %d in\n",
                ship.ClassName.c_str(), inchText(a.Belt).c_str(), inchText(a.Deck).c_str(), inchText(a.Turret).c_str(),
                inchText(a.ConningTower).c_str(), ship.BatteryCalibre[1]);
    const size_t w[] = {8, 8, 12, 12, 16, 14, 14};
    const char* heads[] = {"Calibre", "Reach", "Belt safe", "Deck safe", "Immune zone", "Turret safe", "CT safe"};
    const char* heads2[] = {"in", "yd", "beyond", "within", "yd", "beyond", "beyond"};
    std::string h1, h2;
    for (size_t i = 0; i < 7; ++i) {
        h1 += padLeft(heads[i], w[i]);
        h2 += padLeft(heads2[i], w[i]);
    }
    std::printf("%s\n%s\n", h1.c_str(), h2.c_str());
    for (const ProtectionRow& r : rows) {
        std::string line = padLeft(std::to_string(r.Calibre), w[0]);
        if (!r.HasFigures) {
            std::printf("%s  no penetration figures\n", line.c_str());
            continue;
        }
        line += padLeft(rangeText(r.Reach), w[1]) + padLeft(rangeText(r.BeltSafeBeyond), w[2]) +
                padLeft(rangeText(r.DeckSafeWithin), w[3]) +
                padLeft(r.HasZone() ? rangeText(r.BeltSafeBeyond) + "-" + rangeText(r.DeckSafeWithin) : "none", w[4]) +
                padLeft(rangeText(r.TurretSafeBeyond), w[5]) + padLeft(rangeText(r.ConningTowerSafeBeyond), w[6]);
        std::printf("%s\n", line.c_str());
    }
}

} // namespace

int runProtection(const Args& args) {
    VerbOptions options("protection");
    bool json = false;
    std::vector<int> against;
    options.Flag("--json", json);
    options.Value("--against", [&against](const std::string& v) { return parseCalibres(v, against); });
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.empty()) return options.UsageError("no design file or folder given");
    ProgramData data;
    LoadToolData(options.ProgramDir, data);

    bool first = true;
    return ForEachDesign(CollectDesignFiles(options.Files, "protection"), [&](const std::string& file) {
        platform::RecordingMessages recorder;
        TFightingShip ship(nullptr);
        // Armour keys of two thousand million inches give no immune zone worth printing.
        const auto refusal = DesignRefusal(ReadDesignRecord(file));
        if (refusal) recorder.notice(*refusal);
        const bool loaded = !refusal && ship.LoadFromDesignFile(file, recorder);
        const ShipArmour armour = ArmourOf(ship);
        std::vector<ProtectionRow> rows;
        if (loaded)
            for (int calibre : against.empty() ? ProtectionCalibres(ship.BatteryCalibre[1]) : against)
                rows.push_back(ProtectionAgainst(data.Weapons, armour, calibre));
        if (json) {
            Json j;
            j["File"] = file;
            j["Loaded"] = loaded;
            if (loaded) {
                j["ClassName"] = ship.ClassName;
                j["MainCalibre"] = ship.BatteryCalibre[1];
                j["Armour"] = {{"Belt", armour.Belt},
                               {"Deck", armour.Deck},
                               {"Turret", armour.Turret},
                               {"ConningTower", armour.ConningTower}};
                Json list = Json::array();
                for (const ProtectionRow& r : rows) list.push_back(rowJson(r));
                j["Rows"] = list;
            }
            j["Messages"] = sdftool::messagesJson<Json>(recorder.recorded);
            std::printf("%s\n", j.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
            return loaded;
        }
        if (!first) std::printf("\n");
        first = false;
        if (loaded) printTable(ship, armour, rows);
        else std::printf("%s: cannot be loaded\n", file.c_str());
        for (const auto& m : recorder.recorded)
            std::printf("    %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
        return loaded;
    });
}
