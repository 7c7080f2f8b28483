// sdftool data, run as the separate program it is.
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

namespace {

struct DataRun {
    int status = -1;
    nlohmann::json out;
};

DataRun runData(const std::string& programDir) {
    std::string cmd = std::string("'") + SDFTOOL_PATH + "' data --data '" + programDir + "' 2>/dev/null";
    DataRun r;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return r;
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) text.append(buf, n);
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = nlohmann::json::parse(text, nullptr, false);
    return r;
}

} // namespace

TEST(SdftoolData, PrintsEveryBundledTable) {
    DataRun r = runData(testsupport::programDir());
    ASSERT_EQ(r.status, 0);
    ASSERT_FALSE(r.out.is_discarded());
    const auto& j = r.out;
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
    EXPECT_EQ(twelve["VPen"].size(), 30u);
    EXPECT_EQ(twelve["HPen"].size(), 30u);
    EXPECT_DOUBLE_EQ(twelve["BaseRateOfFire"].get<double>(), 1.5);
    EXPECT_GT(twelve["MaxRange"].get<int>(), twelve["BaseRange"].get<int>());
    ASSERT_EQ(j["TorpedoTypes"].size(), 9u);
    for (const char* key : {"Name", "Speed1", "Speed2", "Range1", "Range2", "Tag"})
        EXPECT_TRUE(j["TorpedoTypes"][0].contains(key)) << key;
}

TEST(SdftoolData, ReportsTheStartUpMessagesInOrder) {
    testsupport::TempDir dir;
    DataRun r = runData(dir.path());
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.out["Messages"].size(), 1u);
    EXPECT_EQ(r.out["Messages"][0]["kind"], "error");
    EXPECT_EQ(r.out["Messages"][0]["text"], "Cannot open file " + dir.path() + "Data/SpeedHPTable.dat");
    EXPECT_EQ(r.out["Nations"][0]["Name"], "");

    std::filesystem::create_directories(dir.path() + "Data");
    for (const char* f : {"SpeedHPTable.dat", "OrdnanceTable.dat", "Nations.dat"})
        std::filesystem::copy_file(testsupport::programDir() + "Data/" + f, dir.path() + "Data/" + f);
    dir.write("Preferences", "[Settings]\r\nWaterColor=murky\r\n");
    r = runData(dir.path());
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.out["Messages"].size(), 3u);
    EXPECT_EQ(r.out["Messages"][0]["text"], "Error loading preferences");
    EXPECT_EQ(r.out["Messages"][1]["text"], "Warning! Cannot find file BasicData.dat!");
    EXPECT_EQ(r.out["Messages"][2]["kind"], "notice");
    EXPECT_EQ(r.out["Messages"][2]["text"], "Error: Cannot find file VPen.dat");
    EXPECT_EQ(r.out["Preferences"]["WaterColor"], "$00000000");
    EXPECT_EQ(r.out["Nations"][7]["Name"], "Japan");
}
