#include "nations/Nations.h"
#include "platform/Messages.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::ScopedRecordingMessages;

namespace {

class NationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Nations = {};
        CurrentYear = 0;
    }
    void TearDown() override {
        Nations = {};
        CurrentYear = 0;
    }
    // A Data directory holding the given Nations.dat text.
    std::string dataDirWith(const std::string& text) {
        dir_.write("Data/Nations.dat", text);
        return dir_.path() + "Data/";
    }
    testsupport::TempDir dir_;
};

std::string block(int year, int accuracy3) {
    std::string s = "[" + std::to_string(year) + "]\r\n";
    s += "Nation0Name=Great Britain\r\nNation0Accuracy=" + std::to_string(year - 1913) + "\r\n";
    if (accuracy3) s += "Nation3Accuracy=" + std::to_string(accuracy3) + "\r\n";
    return s;
}

} // namespace

TEST_F(NationsTest, BundledTableHasElevenNationsInTheFixedOrder) {
    ScopedRecordingMessages rec;
    LoadNations(testsupport::programDir() + "Data/");
    EXPECT_TRUE(rec.recorded.empty());
    const char* names[] = {"Great Britain", "Germany", "France", "Italy", "Austria-Hungary", "Russia",
                           "United States", "Japan", "Ottoman Empire", "Greece", "Generic"};
    for (int i = 0; i <= MaxNation; ++i) {
        EXPECT_EQ(Nations[i].Name, names[i]);
        EXPECT_FALSE(Nations[i].Name2.empty());
        std::ifstream flag(testsupport::programDir() + "Flags/" + Nations[i].FlagFileName);
        EXPECT_TRUE(flag.good()) << Nations[i].FlagFileName;
    }
    EXPECT_EQ(Nations[0].Name2, "British");
    // The designer's year 0 reads 1914: British AP shell still poor.
    EXPECT_EQ(Nations[0].APShellQuality, -1);
    CurrentYear = 1918;
    LoadNations(testsupport::programDir() + "Data/");
    EXPECT_EQ(Nations[0].APShellQuality, 1);
}

// Which block a year reads: the nearest end outside the file, a missing war
// year reported with every field at its default, and never a value borrowed
// from the block read before.
TEST_F(NationsTest, YearSelection) {
    const std::string gap = block(1914, 0) + block(1915, 4) + block(1917, 0);
    const std::string missing = "Problem loading nation data! Cannot find year 1916";
    struct Case { std::string file; int year, nation, accuracy; std::string message; };
    const Case cases[] = {
        {block(1914, 0) + block(1915, 0) + block(1918, 0), 1900, 0, 1, ""},
        {block(1914, 0) + block(1915, 0) + block(1918, 0), 1920, 0, 5, ""},
        {block(1914, 0) + block(1915, 0) + block(1918, 0), 1915, 0, 2, ""},
        {gap, 1915, 3, 4, ""},
        {gap, 1916, 3, 0, missing},
        {gap, 1916, 0, 0, missing},
        {block(1915, 4) + block(1916, 0) + "[1914]\r\n", 1916, 3, 0, ""},
        {block(1915, 4) + block(1916, 0) + "[1914]\r\n", 1916, 0, 3, ""},
        // Out of range numbers read the default.
        {"[1914]\r\nNation0Accuracy=99999999999999999999\r\nNation1Accuracy=-$80000000\r\n", 1914, 1, 0, ""},
    };
    for (const Case& c : cases) {
        const std::string data = dataDirWith(c.file);
        CurrentYear = 1915;
        LoadNations(data);   // the block read before
        ScopedRecordingMessages rec;
        CurrentYear = c.year;
        LoadNations(data);
        EXPECT_EQ(Nations[c.nation].Accuracy, c.accuracy) << c.year << " " << c.nation;
        EXPECT_EQ(rec.texts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
}

TEST_F(NationsTest, MissingFileIsReportedWithThePathAndLeavesTheTable) {
    Nations[2].Name = "kept";
    ScopedRecordingMessages rec;
    LoadNations(dir_.path() + "Data/");
    EXPECT_EQ(rec.recorded, (std::vector<platform::RecordedMessage>{
                                {platform::MessageKind::Notice, "Cannot find nations file!\r" + dir_.path() + "Data//Nations.dat"}}));
    EXPECT_EQ(Nations[2].Name, "kept");
}
