// sdftool ship and engage, run as the separate program they are.
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

struct ToolResult {
    int status = -1;
    std::string out;
};

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolResult runTool(const std::vector<std::string>& args) {
    std::string cmd = quote(SDFTOOL_PATH);
    for (const auto& a : args) cmd += " " + quote(a);
    cmd += " 2>/dev/null";
    ToolResult r;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

const char* kBattleship =
    "[Data]\r\nDisplacement=20000\r\nSpeed=21\r\nShipType=BB\r\nNation=0\r\nFreeboard=0\r\nFire control=3\r\n"
    "[Armor]\r\nB=22\r\n"
    "[Guns]\r\nMain=12\r\nSecondary=4\r\nTertiary=3\r\nSecNo=10\r\n"
    "[Turret0]\r\nGuns=2\r\nPos=A\r\n[Turret1]\r\nGuns=2\r\nPos=Y\r\n"
    "[TorpedoMount0]\r\nTubes=2\r\nPos=G\r\n";

} // namespace

TEST(FightShipTool, ShipPrintsOneLinePerFileAndFailsOnAMissingOne) {
    testsupport::TempDir dir;
    const std::string file = dir.write("Bellona.sdf", kBattleship);
    ToolResult r = runTool({"ship", "--data", testsupport::programDir(), file, dir.path() + "Missing.sdf"});
    EXPECT_EQ(r.status, 1);
    std::istringstream lines(r.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    auto a = nlohmann::json::parse(first);
    EXPECT_EQ(a["Loaded"], true);
    EXPECT_EQ(a["DisplayName"], "BB Bellona");
    EXPECT_EQ(a["ArmorB"], 11);
    EXPECT_EQ(a["BatteryCalibre"], nlohmann::json::array({12, 4, 3}));
    EXPECT_EQ(a["Turrets"][1]["Position"], "Y");
    EXPECT_EQ(a["Turrets"][1]["Training"], 180);
    EXPECT_EQ(a["TorpedoMounts"][0]["Reloads"], 2);
    EXPECT_EQ(a["TorpedoBroadside"], -2);
    EXPECT_EQ(a["GunsText"], "4(4)");
    EXPECT_EQ(a["ShipSizeUnits"], 19);   // 19000..20000 tons: -1
    EXPECT_EQ(a["Presenter"], "LargeShipPresenter0");
    EXPECT_EQ(a["NoSuperimposed"], true);
    EXPECT_TRUE(a["Messages"].empty());
    auto b = nlohmann::json::parse(second);
    EXPECT_EQ(b["Loaded"], false);
    ASSERT_EQ(b["Messages"].size(), 2u);
    EXPECT_EQ(b["Messages"][1]["text"], "Unable to create ship Missing Filename: " + dir.path() + "Missing.sdf");
}

TEST(FightShipTool, EngageInTheZeroEnvironment) {
    testsupport::TempDir dir;
    const std::string a = dir.write("A.sdf", kBattleship);
    const std::string t = dir.write("T.sdf", kBattleship);
    ToolResult r = runTool({"engage", "--data", testsupport::programDir(), a, t, "--range", "4000", "--bearing", "0"});
    ASSERT_EQ(r.status, 0) << r.out;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["Range"], 4000);
    EXPECT_EQ(j["RoundedRange"], 4000);
    EXPECT_EQ(j["TrueBearing"], 0);
    EXPECT_EQ(j["RelativeBearing"], 0);
    EXPECT_EQ(j["SightingRange"], 0);
    EXPECT_EQ(j["LightCondition"], 2);
    EXPECT_EQ(j["Glare"], false);
    EXPECT_EQ(j["IdentificationText"], "UNSIGHTED!");
    EXPECT_EQ(j["TurretsBearing"], nlohmann::json::array({"A"}));
    ASSERT_GE(j["Breakdown"].size(), 3u);
    EXPECT_EQ(j["Breakdown"][0], "Target: UNSIGHTED!");
    EXPECT_EQ(j["Breakdown"][1], "Range: 4000 yards");
    EXPECT_TRUE(j["Breakdown"].back().get<std::string>().rfind("Final hit chance: ", 0) == 0);

    // Turned to port, the target lies on the starboard beam and Y bears too.
    r = runTool({"engage", "--data", testsupport::programDir(), a, t, "--range", "4000", "--bearing", "0",
                 "--firer-heading", "270", "--target-sighting", "3", "--year", "1915", "--seed", "7"});
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["RelativeBearing"], 90);
    EXPECT_EQ(j["TurretsBearing"], nlohmann::json::array({"A", "Y"}));
    EXPECT_EQ(j["IdentificationText"].get<std::string>().find("BB "), 0u);

    // A target at the firer's own position: no chance, no message.
    r = runTool({"engage", "--data", testsupport::programDir(), a, t, "--range", "0", "--bearing", "0"});
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["HitChance"], 0.0);
    EXPECT_TRUE(j["Breakdown"].empty());
    // Without the planner's options none of their keys appear.
    for (const char* key : {"BeyondGunRange", "GunsBearing", "HitsPerMinute", "MaxGunRange", "Return"})
        EXPECT_FALSE(j.contains(key)) << key;
}

TEST(FightShipTool, EngageAsThePlannerBothWaysAndSwept) {
    testsupport::TempDir dir;
    const std::string a = dir.write("A.sdf", kBattleship);
    const std::string d = testsupport::programDir();
    // Beyond the 12-inch gun's range the flag shows even without the planner's options.
    ToolResult r = runTool({"engage", "--data", d, a, a, "--range", "40000", "--bearing", "0"});
    EXPECT_EQ(nlohmann::json::parse(r.out)["BeyondGunRange"], true);

    r = runTool({"engage", "--data", d, a, a, "--range", "8000", "--bearing", "90", "--both", "--ready", "--lat",
                 "56.5", "--lon", "5.5", "--weather", "heavy rain", "--sea-state", "gale"});
    ASSERT_EQ(r.status, 0) << r.out;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["BeyondGunRange"], false);
    EXPECT_EQ(j["Return"]["TrueBearing"], 270);
    EXPECT_EQ(j["GunsBearing"], 4);   // A and Y both bear on the beam
    EXPECT_TRUE(j["Return"].contains("HitsPerMinute"));
    EXPECT_NE(std::find(j["Breakdown"].begin(), j["Breakdown"].end(), "Rain: - 30"), j["Breakdown"].end());

    r = runTool({"engage", "--data", d, a, a, "--sweep", "1000:3000:1000", "--bearing", "0"});
    EXPECT_EQ(r.out.rfind("Range,HitChance,RateOfFire,GunsBearing,HitsPerMinute,BeyondGunRange,ReturnHitChance", 0), 0u);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
    r = runTool({"engage", "--data", d, a, a, "--sweep", "3000:3000:100", "--bearing", "0", "--json"});
    EXPECT_EQ(nlohmann::json::parse(r.out)["Range"], 3000);

    for (std::vector<std::string> bad : {std::vector<std::string>{"--range", "100", "--sweep", "1:2:1"},
                                         {"--sweep", "5:1:1"}, {"--sweep", "1:2"}, {"--range", "1", "--json"},
                                         {"--range", "1", "--lat", "90"}, {"--range", "1", "--weather", "drizzle"}}) {
        std::vector<std::string> args = {"engage", a, a, "--bearing", "0"};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(runTool(args).status, 2) << bad[1];
    }
}

TEST(FightShipTool, EngageUsageErrors) {
    testsupport::TempDir dir;
    const std::string a = dir.write("A.sdf", kBattleship);
    EXPECT_EQ(runTool({"engage", a, a, "--bearing", "0"}).status, 2);
    EXPECT_EQ(runTool({"engage", a, a, "--range", "x", "--bearing", "0"}).status, 2);
    EXPECT_EQ(runTool({"engage", a, a, "--range", "100", "--bearing", "0", "--battery", "4"}).status, 2);
    EXPECT_EQ(runTool({"engage", a, "--range", "100", "--bearing", "0"}).status, 2);
    EXPECT_EQ(runTool({"engage", a, a, "--range", "100", "--bearing", "0", "--bogus", "1"}).status, 2);
    EXPECT_EQ(runTool({"ship"}).status, 2);
    EXPECT_EQ(runTool({"engage", "--data", testsupport::programDir(), a, dir.path() + "None.sdf", "--range", "100",
                       "--bearing", "0"})
                  .status,
              1);
}
