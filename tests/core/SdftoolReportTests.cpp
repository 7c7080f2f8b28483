// sdftool data, report and check, run as the separate program they are.
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace {

struct ToolResult {
    int status = -1;
    std::string out, err;
    std::vector<std::string> lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    nlohmann::json json() const { return nlohmann::json::parse(out, nullptr, false); }
};

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolResult runTool(const std::vector<std::string>& args, const testsupport::TempDir& scratch) {
    std::string cmd = quote(SDFTOOL_PATH);
    for (const auto& a : args) cmd += " " + quote(a);
    ToolResult r;
    FILE* pipe = popen((cmd + " 2>" + quote(scratch.path() + "stderr.txt")).c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = scratch.read("stderr.txt");
    return r;
}

const char* kFastLowShip =
    "[Data]\r\nDisplacement=12000\r\nFreeboard=1\r\nSpeed=25\r\nShipType=CA\r\nNation=1\r\n"
    "[Guns]\r\nMain=8\r\nSecondary=4\r\nTertiary=3\r\n[Turret0]\r\nGuns=2\r\nPos=A\r\n[Turret1]\r\nGuns=2\r\nPos=Y\r\n"
    "[TorpedoMount0]\r\nTubes=2\r\nPos=F\r\n";

} // namespace

TEST(SdftoolData, PrintsEveryBundledTable) {
    testsupport::TempDir scratch;
    ToolResult r = runTool({"data", "--data", testsupport::programDir()}, scratch);
    ASSERT_EQ(r.status, 0);
    const auto j = r.json();
    ASSERT_FALSE(j.is_discarded());
    EXPECT_TRUE(j["Messages"].empty());
    ASSERT_EQ(j["Nations"].size(), 11u);
    EXPECT_EQ(j["Nations"][0]["Name"], "Great Britain");
    EXPECT_EQ(j["Nations"][1]["Name2"], "German");
    EXPECT_EQ(j["Nations"][10]["FlagFileName"], "Generic.png");
    EXPECT_EQ(j["CurrentYear"], 0);
    EXPECT_EQ(j["Preferences"]["WaterColor"], "$00FFFF80");
    EXPECT_EQ(j["Preferences"]["NationColor"].size(), 11u);
    EXPECT_EQ(j["Preferences"]["MainFormHeight"], 719);
    EXPECT_EQ(j["GunRangeFactor"], 10);
    EXPECT_EQ(j["PenetrationFactor"], 10);
    ASSERT_EQ(j["ShipTypeNames"].size(), 11u);
    EXPECT_EQ(j["ShipTypeNames"][1], "Battlecruiser");
    ASSERT_EQ(j["GunCalibres"].size(), 17u);
    const auto& twelve = j["GunCalibres"][10];
    EXPECT_EQ(twelve["Calibre"], 12);
    EXPECT_EQ(twelve["VPen"].size() + twelve["HPen"].size(), 60u);
    EXPECT_DOUBLE_EQ(twelve["BaseRateOfFire"].get<double>(), 1.5);
    EXPECT_GT(twelve["MaxRange"].get<int>(), twelve["BaseRange"].get<int>());
    ASSERT_EQ(j["TorpedoTypes"].size(), 9u);
    for (const char* key : {"Name", "Speed1", "Speed2", "Range1", "Range2", "Tag"})
        EXPECT_TRUE(j["TorpedoTypes"][0].contains(key)) << key;
}

TEST(SdftoolData, ReportsTheStartUpMessagesInOrder) {
    testsupport::TempDir dir;
    ToolResult r = runTool({"data", "--data", dir.path()}, dir);
    EXPECT_EQ(r.status, 1);
    auto j = r.json();
    ASSERT_EQ(j["Messages"].size(), 1u);
    EXPECT_EQ(j["Messages"][0], (nlohmann::json{{"kind", "error"}, {"text", "Cannot open file " + dir.path() + "Data/SpeedHPTable.dat"}}));
    EXPECT_EQ(j["Nations"][0]["Name"], "");

    std::filesystem::create_directories(dir.path() + "Data");
    for (const char* f : {"SpeedHPTable.dat", "OrdnanceTable.dat", "Nations.dat"})
        std::filesystem::copy_file(testsupport::programDir() + "Data/" + f, dir.path() + "Data/" + f);
    dir.write("Preferences", "[Settings]\r\nWaterColor=murky\r\n");
    r = runTool({"data", "--data", dir.path()}, dir);
    EXPECT_EQ(r.status, 0);
    j = r.json();
    ASSERT_EQ(j["Messages"].size(), 3u);
    EXPECT_EQ(j["Messages"][0]["text"], "Error loading preferences");
    EXPECT_EQ(j["Messages"][1]["text"], "Warning! Cannot find file BasicData.dat!");
    EXPECT_EQ(j["Messages"][2], (nlohmann::json{{"kind", "notice"}, {"text", "Error: Cannot find file VPen.dat"}}));
    EXPECT_EQ(j["Preferences"]["WaterColor"], "$00000000");
    EXPECT_EQ(j["Nations"][7]["Name"], "Japan");
}

TEST(SdftoolReport, PrintsOneJsonObjectPerReadableFile) {
    testsupport::TempDir dir;
    const std::string ship = dir.write("Fast Low.sdf", kFastLowShip);
    auto r = runTool({"report", "--data", testsupport::programDir(), ship, dir.path() + "Missing.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Missing.sdf"), std::string::npos);
    ASSERT_EQ(r.lines().size(), 1u);
    auto j = r.json();
    EXPECT_EQ(j["File"], ship);
    EXPECT_EQ(j["ClassName"], "Fast Low");
    EXPECT_EQ(j["Data"]["Displacement"], 12000);
    EXPECT_EQ(j["Data"]["ShipType"], "CA");
    EXPECT_EQ(j["Data"]["Range"], 1);
    EXPECT_EQ(j["Data"]["Obsolete date"], 90000);
    EXPECT_EQ(j["Guns"]["Main"], 8);
    EXPECT_EQ(j["Armor"]["PC"], false);
    EXPECT_EQ(j["Torpedoes"]["Calibre"], 18);
    ASSERT_EQ(j["Turrets"].size(), 2u);
    EXPECT_EQ(j["Turrets"][1]["Position"], "Y");
    EXPECT_EQ(j["Turrets"][1]["Guns"], 2);
    ASSERT_EQ(j["TorpedoMounts"].size(), 1u);
    EXPECT_EQ(j["TorpedoMounts"][0]["Weight"], 36);  // 2 tubes of 18 inches
    EXPECT_EQ(j["Spare"].get<int>(), 12000 - j["TotalWeight"].get<int>());
    EXPECT_EQ(j["Overweight"], j["TotalWeight"].get<int>() > 12000);
    int armour = 0;
    for (const char* key : {"WeightB", "WeightD", "WeightBE", "WeightDE", "WeightCT"}) armour += j[key].get<int>();
    EXPECT_EQ(j["ArmorWeight"].get<int>(), armour);
    const nlohmann::json freeboard = {{"kind", "warning"}, {"text", "High speed ships need normal freeboard!"}};
    EXPECT_NE(std::find(j["Messages"].begin(), j["Messages"].end(), freeboard), j["Messages"].end());

    // Usage errors exit with 2.
    for (const auto& args : std::vector<std::vector<std::string>>{{"report"}, {"report", "--data"}, {"check"}})
        EXPECT_EQ(runTool(args, dir).status, 2) << args.size();
    auto help = runTool({"report", "--help"}, dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\"Messages\""), std::string::npos);
}

TEST(SdftoolCheck, TabulatesFoldersInNameOrderAndCountsTheProblems) {
    testsupport::TempDir dir;
    dir.write("designs/B Heavy.sdf",
              "[Data]\nDisplacement=50\nSpeed=10\nFreeboard=0\nShipType=DD\nNation=0\n[Guns]\nMain=12\n"
              "[Turret0]\nGuns=4\nPos=A\n[Turret1]\nGuns=4\nPos=Y\n");
    dir.write("designs/A Fast.sdf", kFastLowShip);
    dir.write("designs/notes.txt", "not a design");
    auto r = runTool({"check", "--data", testsupport::programDir(), dir.path() + "designs", dir.path() + "gone.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    auto lines = r.lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("Class", 0), 0u);
    EXPECT_EQ(lines[1].rfind("A Fast ", 0), 0u);
    EXPECT_NE(lines[1].find("warnings"), std::string::npos);
    EXPECT_NE(r.out.find("    warning: High speed ships need normal freeboard!"), std::string::npos);
    const auto heavy = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("B Heavy ", 0) == 0; });
    ASSERT_NE(heavy, lines.end());
    EXPECT_NE(heavy->find("OVERWEIGHT"), std::string::npos);
    EXPECT_NE(r.out.find("gone.sdf"), std::string::npos);
    EXPECT_EQ(lines.back().substr(0, 11), "3 designs: ");
    EXPECT_NE(lines.back().find("1 unreadable"), std::string::npos);
    EXPECT_NE(lines.back().find("1 overweight"), std::string::npos);
}
