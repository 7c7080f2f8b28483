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
    EXPECT_EQ(Nations[10].Name2, "Generic");
    // The designer's year 0 reads 1914: British AP shell still poor.
    EXPECT_EQ(Nations[0].APShellQuality, -1);
    CurrentYear = 1918;
    LoadNations(testsupport::programDir() + "Data/");
    EXPECT_EQ(Nations[0].APShellQuality, 1);
}

TEST_F(NationsTest, YearOutsideTheFileTakesTheNearestEndSilently) {
    const std::string data = dataDirWith(block(1914, 0) + block(1915, 0) + block(1918, 0));
    ScopedRecordingMessages rec;
    CurrentYear = 1900;
    LoadNations(data);
    EXPECT_EQ(Nations[0].Accuracy, 1);
    CurrentYear = 1920;
    LoadNations(data);
    EXPECT_EQ(Nations[0].Accuracy, 5);
    CurrentYear = 1915;
    LoadNations(data);
    EXPECT_EQ(Nations[0].Accuracy, 2);
    EXPECT_TRUE(rec.recorded.empty());
}

TEST_F(NationsTest, MissingBlockWithinTheWarYearsIsReportedAndReadsDefaults) {
    const std::string data = dataDirWith(block(1914, 0) + block(1915, 4) + block(1917, 0));
    ScopedRecordingMessages rec;
    CurrentYear = 1915;
    LoadNations(data);
    EXPECT_EQ(Nations[3].Accuracy, 4);
    CurrentYear = 1916;
    LoadNations(data);
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"Problem loading nation data! Cannot find year 1916"});
    EXPECT_EQ(Nations[0].Name, "");
    EXPECT_EQ(Nations[0].Accuracy, 0);
    EXPECT_EQ(Nations[3].Accuracy, 0);  // never the 1915 value
}

TEST_F(NationsTest, BlockWithoutAKeyNeverBorrowsFromTheBlockReadBefore) {
    const std::string data = dataDirWith(block(1915, 4) + block(1916, 0) + "[1914]\r\n");
    CurrentYear = 1915;
    LoadNations(data);
    ASSERT_EQ(Nations[3].Accuracy, 4);
    CurrentYear = 1916;
    LoadNations(data);
    EXPECT_EQ(Nations[3].Accuracy, 0);
    EXPECT_EQ(Nations[0].Accuracy, 3);
}

TEST_F(NationsTest, MissingFileIsReportedWithThePathAndLeavesTheTable) {
    Nations[2].Name = "kept";
    ScopedRecordingMessages rec;
    LoadNations(dir_.path() + "Data/");
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"Cannot find nations file!\r" + dir_.path() + "Data//Nations.dat"});
    EXPECT_EQ(rec.recorded[0].kind, platform::MessageKind::Notice);
    EXPECT_EQ(Nations[2].Name, "kept");
}

TEST_F(NationsTest, HostileFilesLoadWithoutHarm) {
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise.push_back(static_cast<char>((i * 7919 + 13) % 256));
    const std::vector<std::string> files = {
        "",
        noise,
        "[1914]\r\nNation0Name=" + std::string(100000, 'N') + "\r\nNation0Accuracy=2",
        "[1914]\r\nNation0Name=Great Britain\r\nNation0Accu",  // cut short
        "[1914]\r\nNation0Accuracy=99999999999999999999\r\nNation1Accuracy=-$80000000\r\n",
    };
    for (const auto& text : files) {
        Nations = {};
        ScopedRecordingMessages rec;
        LoadNations(dataDirWith(text));
        EXPECT_TRUE(rec.recorded.empty());
    }
    EXPECT_EQ(Nations[0].Accuracy, 0);  // out of range: the default
    EXPECT_EQ(Nations[1].Accuracy, 0);
    LoadNations(dataDirWith(files[2]));
    EXPECT_EQ(Nations[0].Name.size(), 100000u);
    EXPECT_EQ(Nations[0].Accuracy, 2);
}
