// sdftool report and check, run as the separate program they are.
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

namespace {

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolResult RunTool(const std::vector<std::string>& args, const testsupport::TempDir& scratch) {
    std::string cmd = Quote(SDFTOOL_PATH);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " 2>" + Quote(scratch.path() + "stderr.txt");
    ToolResult r;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = scratch.read("stderr.txt");
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const char* kFastLowShip =
    "[Data]\r\nDisplacement=12000\r\nFreeboard=1\r\nSpeed=25\r\nShipType=CA\r\nNation=1\r\n"
    "[Guns]\r\nMain=8\r\nSecondary=4\r\nTertiary=3\r\n[Turret0]\r\nGuns=2\r\nPos=A\r\n[Turret1]\r\nGuns=2\r\nPos=Y\r\n"
    "[TorpedoMount0]\r\nTubes=2\r\nPos=F\r\n";

} // namespace

TEST(SdftoolReport, PrintsOneJsonObjectPerReadableFile) {
    testsupport::TempDir dir;
    const std::string ship = dir.write("Fast Low.sdf", kFastLowShip);
    auto r = RunTool({"report", "--data", testsupport::programDir(), ship, dir.path() + "Missing.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Missing.sdf"), std::string::npos);
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 1u);
    auto j = nlohmann::json::parse(lines[0]);
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
    const int armour = j["WeightB"].get<int>() + j["WeightD"].get<int>() + j["WeightBE"].get<int>() +
                       j["WeightDE"].get<int>() + j["WeightCT"].get<int>();
    EXPECT_EQ(j["ArmorWeight"].get<int>(), armour);
    bool freeboardWarning = false;
    for (const auto& m : j["Messages"])
        freeboardWarning |= m["kind"] == "warning" && m["text"] == "High speed ships need normal freeboard!";
    EXPECT_TRUE(freeboardWarning);
}

TEST(SdftoolReport, UsageErrorsExitWithTwo) {
    testsupport::TempDir dir;
    EXPECT_EQ(RunTool({"report"}, dir).status, 2);
    EXPECT_EQ(RunTool({"report", "--data"}, dir).status, 2);
    EXPECT_EQ(RunTool({"check"}, dir).status, 2);
    auto help = RunTool({"report", "--help"}, dir);
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
    auto r = RunTool({"check", "--data", testsupport::programDir(), dir.path() + "designs", dir.path() + "gone.sdf"}, dir);
    EXPECT_EQ(r.status, 1);
    auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("Class", 0), 0u);
    EXPECT_EQ(lines[1].rfind("A Fast ", 0), 0u);
    EXPECT_NE(lines[1].find("warnings"), std::string::npos);
    EXPECT_NE(r.out.find("    warning: High speed ships need normal freeboard!"), std::string::npos);
    std::string heavy;
    for (const auto& l : lines)
        if (l.rfind("B Heavy ", 0) == 0) heavy = l;
    EXPECT_NE(heavy.find("OVERWEIGHT"), std::string::npos);
    EXPECT_NE(r.out.find("gone.sdf"), std::string::npos);
    EXPECT_EQ(lines.back().substr(0, 11), "3 designs: ");
    EXPECT_NE(lines.back().find("1 unreadable"), std::string::npos);
    EXPECT_NE(lines.back().find("1 overweight"), std::string::npos);
}
