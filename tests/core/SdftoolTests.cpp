// sdftool data, report, check, ship and engage, run as the separate program they are.
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>

using nlohmann::json;
using testsupport::programDir;
using testsupport::runTool;

namespace {

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const char* kFastLowShip =
    "[Data]\r\nDisplacement=12000\r\nFreeboard=1\r\nSpeed=25\r\nShipType=CA\r\nNation=1\r\n"
    "[Guns]\r\nMain=8\r\nSecondary=4\r\nTertiary=3\r\n[Turret0]\r\nGuns=2\r\nPos=A\r\n[Turret1]\r\nGuns=2\r\nPos=Y\r\n"
    "[TorpedoMount0]\r\nTubes=2\r\nPos=F\r\n";

const char* kBattleship =
    "[Data]\r\nDisplacement=20000\r\nSpeed=21\r\nShipType=BB\r\nNation=0\r\nFreeboard=0\r\nFire control=3\r\n"
    "[Armor]\r\nB=22\r\n[Guns]\r\nMain=12\r\nSecondary=4\r\nTertiary=3\r\nSecNo=10\r\n"
    "[Turret0]\r\nGuns=2\r\nPos=A\r\n[Turret1]\r\nGuns=2\r\nPos=Y\r\n[TorpedoMount0]\r\nTubes=2\r\nPos=G\r\n";

} // namespace

// Every table is printed, colours as hexadecimal texts.
TEST(SdftoolData, PrintsEveryBundledTable) {
    testsupport::TempDir scratch;
    auto r = runTool({"data", "--data", programDir()}, scratch);
    ASSERT_EQ(r.status, 0);
    const json j = json::parse(r.out);
    EXPECT_TRUE(j["Messages"].empty());
    EXPECT_EQ((std::array<size_t, 4>{j["Nations"].size(), j["GunCalibres"].size(), j["TorpedoTypes"].size(),
                                     j["GunCalibres"][10]["VPen"].size() + j["GunCalibres"][10]["HPen"].size()}),
              (std::array<size_t, 4>{11, 17, 9, 60}));
    EXPECT_EQ(j["CurrentYear"], 0);
    EXPECT_EQ(j["Preferences"]["WaterColor"], "$00FFFF80");
    EXPECT_EQ(j["GunCalibres"][10]["Calibre"], 12);
    for (auto [object, key] : std::vector<std::pair<json, const char*>>{{j, "GunRangeFactor"},
                                                                        {j, "ShipTypeNames"},
                                                                        {j["Nations"][0], "Name2"},
                                                                        {j["Nations"][0], "FlagFileName"},
                                                                        {j["Preferences"], "MainFormHeight"},
                                                                        {j["GunCalibres"][0], "BaseRateOfFire"},
                                                                        {j["TorpedoTypes"][0], "Name"},
                                                                        {j["TorpedoTypes"][0], "Speed2"},
                                                                        {j["TorpedoTypes"][0], "Range2"},
                                                                        {j["TorpedoTypes"][0], "Tag"}})
        EXPECT_TRUE(object.contains(key)) << key;
}

TEST(SdftoolData, ReportsTheStartUpMessagesInOrder) {
    testsupport::TempDir dir;
    auto r = runTool({"data", "--data", dir.path()}, dir);
    EXPECT_EQ(r.status, 1);
    json j = json::parse(r.out);
    ASSERT_EQ(j["Messages"].size(), 1u);
    EXPECT_EQ(j["Messages"][0],
              (json{{"kind", "error"}, {"text", "Cannot open file " + dir.path() + "Data/SpeedHPTable.dat"}}));

    for (const char* f : {"SpeedHPTable.dat", "OrdnanceTable.dat", "Nations.dat"})
        dir.copy(programDir() + "Data/" + f, std::string("Data/") + f);
    dir.write("Preferences", "[Settings]\r\nWaterColor=murky\r\n");
    r = runTool({"data", "--data", dir.path()}, dir);
    EXPECT_EQ(r.status, 0);
    j = json::parse(r.out);
    ASSERT_EQ(j["Messages"].size(), 3u);
    EXPECT_EQ(j["Messages"][0]["text"], "Error loading preferences");
    EXPECT_EQ(j["Messages"][1]["text"], "Warning! Cannot find file BasicData.dat!");
    EXPECT_EQ(j["Messages"][2], (json{{"kind", "notice"}, {"text", "Error: Cannot find file VPen.dat"}}));
    EXPECT_EQ(j["Preferences"]["WaterColor"], "$00000000");
}

TEST(SdftoolReport, PrintsOneJsonObjectPerReadableFile) {
    testsupport::TempDir dir;
    const std::string ship = dir.write("Fast Low.sdf", kFastLowShip);
    auto r = runTool({"report", "--data", programDir(), ship, dir.path() + "Missing.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Missing.sdf"), std::string::npos);
    ASSERT_EQ(lines(r.out).size(), 1u);
    const json j = json::parse(r.out);
    EXPECT_EQ(j["File"], ship);
    EXPECT_EQ(j["ClassName"], "Fast Low");
    EXPECT_EQ(j["Data"]["ShipType"], "CA");
    EXPECT_EQ(j["Data"]["Obsolete date"], 90000);
    EXPECT_EQ(j["Armor"]["PC"], false);
    EXPECT_EQ(j["Turrets"][1]["Position"], "Y");
    EXPECT_EQ(j["TorpedoMounts"][0]["Weight"], 36); // 2 tubes of 18 inches
    EXPECT_EQ(j["Spare"].get<int>(), 12000 - j["TotalWeight"].get<int>());
    const json freeboard = {{"kind", "warning"}, {"text", "High speed ships need normal freeboard!"}};
    EXPECT_NE(std::find(j["Messages"].begin(), j["Messages"].end(), freeboard), j["Messages"].end());
    auto help = runTool({"report", "--help"}, dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\"Messages\""), std::string::npos);
}

TEST(SdftoolCheck, TabulatesFoldersInNameOrderAndCountsTheProblems) {
    testsupport::TempDir dir;
    dir.write("designs/B Heavy.sdf", "[Data]\nDisplacement=50\nSpeed=10\nFreeboard=0\nShipType=DD\nNation=0\n"
                                     "[Guns]\nMain=12\n[Turret0]\nGuns=4\nPos=A\n[Turret1]\nGuns=4\nPos=Y\n");
    dir.write("designs/A Fast.sdf", kFastLowShip);
    dir.write("designs/C Bare.sdf", "[Data]\nDisplacement=5000\nSpeed=20\n"); // what Save would refuse
    dir.write("designs/notes.txt", "not a design");
    auto r = runTool({"check", "--data", programDir(), dir.path() + "designs", dir.path() + "gone.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    const auto l = lines(r.out);
    ASSERT_GE(l.size(), 5u);
    EXPECT_EQ(l[0].rfind("Class", 0), 0u);
    EXPECT_EQ(l[1].rfind("A Fast ", 0), 0u);
    EXPECT_NE(l[1].find("warnings"), std::string::npos);
    EXPECT_NE(r.out.find("    warning: High speed ships need normal freeboard!"), std::string::npos);
    const auto heavy =
        std::find_if(l.begin(), l.end(), [](const std::string& s) { return s.rfind("B Heavy ", 0) == 0; });
    ASSERT_NE(heavy, l.end());
    EXPECT_NE(heavy->find("OVERWEIGHT"), std::string::npos);
    EXPECT_NE(r.out.find("gone.sdf"), std::string::npos);
    const auto bare = std::find_if(l.begin(), l.end(), [](const std::string& s) { return s.rfind("C Bare ", 0) == 0; });
    ASSERT_NE(bare, l.end());
    EXPECT_EQ(bare->substr(bare->size() - 14), "  not saveable") << *bare;
    EXPECT_NE(r.out.find("    not saveable: Ship must belong to a nation!\n    not saveable: Ship must have a type!\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(l.back().substr(0, 11), "4 designs: ");
    EXPECT_NE(l.back().find(": 0 ok,"), std::string::npos);
    EXPECT_NE(l.back().find("1 unreadable"), std::string::npos);
    EXPECT_NE(l.back().find("1 overweight"), std::string::npos);
}

TEST(FightShipTool, ShipPrintsOneLinePerFileAndFailsOnAMissingOne) {
    testsupport::TempDir dir;
    const std::string file = dir.write("Bellona.sdf", kBattleship);
    auto r = runTool({"ship", "--data", programDir(), file, dir.path() + "Missing.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 2u);
    const json a = json::parse(l[0]), b = json::parse(l[1]);
    EXPECT_EQ(a["DisplayName"], "BB Bellona");
    EXPECT_EQ(a["ArmorB"], 11);
    EXPECT_EQ(a["BatteryCalibre"], json::array({12, 4, 3}));
    EXPECT_EQ(a["Turrets"][1]["Training"], 180);
    EXPECT_EQ(a["TorpedoMounts"][0]["Reloads"], 2);
    EXPECT_EQ(a["GunsText"], "4(4)");
    EXPECT_EQ(a["ShipSizeUnits"], 19); // 19000..20000 tons: -1
    EXPECT_EQ(a["Presenter"], "LargeShipPresenter0");
    EXPECT_TRUE(a["Messages"].empty());
    EXPECT_EQ(b["Loaded"], false);
    ASSERT_EQ(b["Messages"].size(), 2u);
    EXPECT_EQ(b["Messages"][1]["text"], "Unable to create ship Missing Filename: " + dir.path() + "Missing.sdf");
}

TEST(FightShipTool, EngageInTheZeroEnvironment) {
    testsupport::TempDir dir;
    const std::string a = dir.write("A.sdf", kBattleship), t = dir.write("T.sdf", kBattleship);
    const std::vector<std::string> base = {"engage", "--data", programDir(), a, t, "--bearing", "0", "--range"};
    auto engage = [&](std::vector<std::string> more) {
        more.insert(more.begin(), base.begin(), base.end());
        auto r = runTool(more, dir);
        EXPECT_EQ(r.status, 0) << r.out;
        return json::parse(r.out);
    };
    json j = engage({"4000"});
    EXPECT_EQ(j["RoundedRange"], 4000);
    EXPECT_EQ(j["TrueBearing"], 0);
    EXPECT_EQ(j["SightingRange"], 0);
    EXPECT_EQ(j["LightCondition"], 2);
    EXPECT_EQ(j["Glare"], false);
    EXPECT_EQ(j["IdentificationText"], "UNSIGHTED!");
    EXPECT_EQ(j["TurretsBearing"], json::array({"A"}));
    ASSERT_GE(j["Breakdown"].size(), 3u);
    EXPECT_EQ(j["Breakdown"][1], "Range: 4000 yards");
    EXPECT_EQ(j["Breakdown"].back().get<std::string>().rfind("Final hit chance: ", 0), 0u);

    // Turned to port, the target lies on the starboard beam and Y bears too.
    j = engage({"4000", "--firer-heading", "270", "--target-sighting", "3", "--year", "1915", "--seed", "7"});
    EXPECT_EQ(j["RelativeBearing"], 90);
    EXPECT_EQ(j["TurretsBearing"], json::array({"A", "Y"}));
    EXPECT_EQ(j["IdentificationText"].get<std::string>().find("BB "), 0u);

    // A target at the firer's own position: no chance, no message.
    j = engage({"0"});
    EXPECT_EQ(j["HitChance"], 0.0);
    EXPECT_TRUE(j["Breakdown"].empty());
    // Without the planner's options none of their keys appear.
    for (const char* key : {"BeyondGunRange", "GunsBearing", "HitsPerMinute", "MaxGunRange", "Return", "BeltPenetrated",
                            "DeckPenetrated"})
        EXPECT_FALSE(j.contains(key)) << key;
}

TEST(FightShipTool, EngageAsThePlannerBothWaysAndSwept) {
    testsupport::TempDir dir;
    const std::string a = dir.write("A.sdf", kBattleship);
    const std::string d = programDir();
    // Beyond the 12-inch gun's range the flag shows even without the planner's options.
    auto r = runTool({"engage", "--data", d, a, a, "--range", "40000", "--bearing", "0"}, dir);
    EXPECT_EQ(json::parse(r.out)["BeyondGunRange"], true);

    r = runTool({"engage", "--data", d, a, a, "--range", "8000", "--bearing", "90", "--both", "--ready", "--lat",
                 "56.5", "--lon", "5.5", "--weather", "heavy rain", "--sea-state", "gale"},
                dir);
    ASSERT_EQ(r.status, 0) << r.out;
    json j = json::parse(r.out);
    EXPECT_EQ(j["BeyondGunRange"], false);
    EXPECT_EQ(j["Return"]["TrueBearing"], 270);
    EXPECT_EQ(j["GunsBearing"], 4); // A and Y both bear on the beam
    EXPECT_TRUE(j["Return"].contains("HitsPerMinute"));
    // At 8,000 yards the 12-inch gun no longer pierces the 11-inch belt; a deck of 0 is always pierced.
    EXPECT_EQ(j["Return"]["BeltPenetrated"], false);
    EXPECT_EQ(j["DeckPenetrated"], true);
    EXPECT_NE(std::find(j["Breakdown"].begin(), j["Breakdown"].end(), "Rain: - 30"), j["Breakdown"].end());

    r = runTool({"engage", "--data", d, a, a, "--sweep", "1000:3000:1000", "--bearing", "0"}, dir);
    EXPECT_EQ(r.out.rfind("Range,HitChance,RateOfFire,GunsBearing,HitsPerMinute,BeyondGunRange,ReturnHitChance", 0),
              0u);
    EXPECT_NE(
        r.out.find("ReturnBeyondGunRange,BeltPenetrated,DeckPenetrated,ReturnBeltPenetrated,ReturnDeckPenetrated\n"),
        std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), ','), 4 * 14); // every row as long as the header
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
    r = runTool({"engage", "--data", d, a, a, "--sweep", "3000:3000:100", "--bearing", "0", "--json"}, dir);
    EXPECT_EQ(json::parse(r.out)["Range"], 3000);
    EXPECT_TRUE(json::parse(r.out)["Return"]["BeltPenetrated"].is_boolean());
    // Without sighting ranges the weather sets them, as in the planner: a clear afternoon sees 9,000 yards.
    r = runTool({"engage", "--data", d, a, a, "--range", "9000", "--bearing", "90", "--ready", "--datetime",
                 "1916-05-31T16:00", "--lat", "56.5", "--lon", "5.5", "--weather", "clear"},
                dir);
    EXPECT_EQ(json::parse(r.out)["Sighted"], true);
    EXPECT_GT(json::parse(r.out)["HitsPerMinute"].get<double>(), 0.0);
}

TEST(FightShipTool, UsageErrorsExitWithTwoAndUnreadableFilesWithOne) {
    testsupport::TempDir dir;
    const std::string a = dir.write("A.sdf", kBattleship);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"report"}, {"report", "--data"}, {"check"}, {"ship"}})
        EXPECT_EQ(runTool(args, dir).status, 2) << args[0];
    // engage A A --bearing 0 with these: no range, a bad one, a range and a sweep, a bad sweep, JSON rows
    // without a sweep, a latitude off the globe, a weather without a name, a battery past the third, an unknown option.
    for (std::vector<std::string> bad : {std::vector<std::string>{},
                                         {"--range", "x"},
                                         {"--range", "100", "--sweep", "1:2:1"},
                                         {"--sweep", "5:1:1"},
                                         {"--sweep", "1:2"},
                                         {"--range", "1", "--json"},
                                         {"--range", "1", "--lat", "90"},
                                         {"--range", "1", "--weather", "drizzle"},
                                         {"--range", "100", "--battery", "4"},
                                         {"--range", "100", "--bogus", "1"}}) {
        bad.insert(bad.begin(), {"engage", a, a, "--bearing", "0"});
        EXPECT_EQ(runTool(bad, dir).status, 2) << bad.size() << " " << bad.back();
    }
    EXPECT_EQ(runTool({"engage", a, "--range", "100", "--bearing", "0"}, dir).status, 2); // one design
    EXPECT_EQ(
        runTool({"engage", "--data", programDir(), a, dir.path() + "None.sdf", "--range", "100", "--bearing", "0"}, dir)
            .status,
        1);
}
