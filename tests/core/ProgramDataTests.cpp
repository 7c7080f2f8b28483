#include "tables/WeaponData.h"
#include "nations/Nations.h"
#include "nations/Preferences.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "startup/ProgramData.h"
#include "shipdata/Tables.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::ScopedRecordingMessages;

namespace {

class ProgramDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = platform::programDir();
        reset();
    }
    void TearDown() override {
        platform::setProgramDir(saved_);
        reset();
    }
    static void reset() {
        Preferences = {};
        Nations = {};
        SpeedHPTable = {};
        OrdnanceTable = {};
        GunRangeFactor = PenetrationFactor = 0;
        ShipTypeNames = {};
        GunCalibres = {};
        TorpedoTypes = {};
    }
    void copyData(const char* name) {
        std::filesystem::create_directories(dir_.path() + "Data");
        std::filesystem::copy_file(testsupport::programDir() + "Data/" + name, dir_.path() + "Data/" + name);
    }
    testsupport::TempDir dir_;
    std::string saved_;
};

} // namespace

TEST_F(ProgramDataTest, BundledDataLoadsSilently) {
    ScopedRecordingMessages rec;
    EXPECT_TRUE(LoadProgramData(testsupport::programDir()));
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_EQ(Preferences.MainFormWidth, 1000);
    EXPECT_EQ(Nations[MaxNation].Name, "Generic");
    EXPECT_GT(GunCalibre(12).BaseRange, 0);
    EXPECT_FALSE(TorpedoTypes[9].Name.empty());
}

TEST_F(ProgramDataTest, UnopenableDesignTableSkipsTheRestOfTheStartUp) {
    dir_.write("Preferences", "[MainForm]\r\nMainFormWidth=800\r\n");
    copyData("Nations.dat");
    copyData("BasicData.dat");
    ScopedRecordingMessages rec;
    EXPECT_FALSE(LoadProgramData(dir_.path()));
    ASSERT_EQ(rec.recorded.size(), 1u);
    EXPECT_EQ(rec.recorded[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(rec.recorded[0].text, "Cannot open file " + dir_.path() + "Data/SpeedHPTable.dat");
    EXPECT_EQ(Preferences.MainFormWidth, 800);  // loaded before the failure
    EXPECT_EQ(Nations[0].Name, "");
    EXPECT_EQ(GunRangeFactor, 0);
}

TEST_F(ProgramDataTest, OtherMissingFilesAreReportedInStartUpOrder) {
    copyData("SpeedHPTable.dat");
    copyData("OrdnanceTable.dat");
    ScopedRecordingMessages rec;
    EXPECT_TRUE(LoadProgramData(dir_.path()));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{
                               "Cannot find nations file!\r" + dir_.path() + "Data//Nations.dat",
                               "Warning! Cannot find file BasicData.dat!",
                               "Error: Cannot find file VPen.dat",
                           }));
    EXPECT_EQ(Preferences.Autosave, 60);  // no Preferences file: defaults
    EXPECT_EQ(platform::programDir(), dir_.path());
}
