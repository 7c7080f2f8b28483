// The sample designs shipped in Designs/: written by our own writer, every
// ship type present, and each one within its displacement without a warning.
#include "designfile/DesignFile.h"

#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "startup/ProgramData.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace {

std::vector<std::string> SampleFiles() {
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(testsupport::sourceDir() + "Designs"))
        if (e.path().extension() == ".sdf") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(DesignFileSamples, EveryTypeIsThereAndEveryFileIsExactlyWhatTheWriterWrites) {
    testsupport::TempDir dir;
    platform::ScopedRecordingMessages messages;
    ASSERT_TRUE(LoadProgramData(testsupport::programDir()));  // the torpedo types behind "Designation"
    const auto files = SampleFiles();
    ASSERT_GE(files.size(), 12u);
    std::set<std::string> types;
    for (const auto& file : files) {
        SCOPED_TRACE(file);
        const std::string name = std::filesystem::path(file).filename().string();
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7F; }));
        DesignInputs in;
        TDesignShip ship;
        ReadDesignFile(file, in, ship);
        types.insert(in.TypeCode());
        EXPECT_GE(in.Nation, 0);
        for (int cal : {in.MainCal, in.SecCal, in.TerCal}) {
            EXPECT_GE(cal, 2);
            EXPECT_LE(cal, 18);
        }
        EXPECT_GE(in.Speed, 16);  // the speed-power table starts at 16 knots
        ASSERT_TRUE(WriteDesignFile(dir.path() + "copy.sdf", in, ship, nullptr));
        EXPECT_EQ(dir.read("copy.sdf"), *platform::readBytes(file));
    }
    EXPECT_EQ(types.size(), 11u);
}

TEST(DesignFileSamples, EachDesignFitsItsDisplacementWithoutAMessage) {
    platform::ScopedRecordingMessages messages;
    ASSERT_TRUE(LoadProgramData(testsupport::programDir()));
    for (const auto& file : SampleFiles()) {
        SCOPED_TRACE(file);
        messages.clear();
        DesignInputs in;
        TDesignShip ship;
        ship.ClearSpecials();
        LoadDesignInto(file, in, ship);
        EXPECT_LE(ship.TotalWeight, ship.Displacement);
        EXPECT_GT(ship.Horsepower, 0);
        EXPECT_TRUE(messages.texts().empty());
    }
}

// Destroyers are built at their own speeds, above those of the battleships
// and battlecruisers they screened.
TEST(DesignFileSamples, DestroyersOutrunTheCapitalShips) {
    platform::ScopedRecordingMessages messages;
    ASSERT_TRUE(LoadProgramData(testsupport::programDir()));
    int fastestCapital = 0, slowestDestroyer = 99;
    for (const auto& file : SampleFiles()) {
        DesignInputs in;
        TDesignShip ship;
        ReadDesignFile(file, in, ship);
        const std::string type = in.TypeCode();
        if (type == "BB" || type == "BC") fastestCapital = std::max(fastestCapital, in.Speed);
        if (type == "DD") slowestDestroyer = std::min(slowestDestroyer, in.Speed);
    }
    ASSERT_GT(fastestCapital, 0);
    ASSERT_LT(slowestDestroyer, 99);
    EXPECT_GE(slowestDestroyer, fastestCapital + 5);   // 33 kn against Kongo's 27
}
