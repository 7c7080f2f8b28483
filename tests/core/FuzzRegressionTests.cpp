// Inputs the fuzzers found, kept as they were found (trimmed to what
// matters), so the faults stay mended.
#include "TestSupport.h"
#include "combat/FightShip.h"
#include "designfile/DesignFile.h"
#include "explore/Explore.h"
#include "platform/Messages.h"
#include "tests/ScopedMessages.h"

#include <gtest/gtest.h>

// A non-ASCII position letter: the fighting ship took the first byte of the
// letter's UTF-8 text (0xC3 for both letters here), so the plan view and the
// form disagreed about where the turret stands.
TEST(FuzzRegression, FightingShipReadsPositionLettersAsTheFormDoes) {
    testsupport::TempDir dir;
    const std::string path = dir.write("Odd Letters.sdf", "[Data]\r\nShipType=BB\r\nNation=1\r\n"
                                                          "[Guns]\r\nMain=12\r\nSecondary=4\r\nTertiary=3\r\n"
                                                          "[Turret0]\r\nGuns=2\r\nPos=\xFF\xFF\xFF\x01\r\n"
                                                          "[Turret1]\r\nGuns=1\r\nPos=\r\n"
                                                          "[TorpedoMount0]\r\nTubes=2\r\nPos=\xC4\r\n");
    platform::ScopedRecordingMessages messages;
    TFightingShip ship(nullptr);
    ASSERT_TRUE(ship.LoadFromDesignFile(path, platform::messages()));
    EXPECT_TRUE(messages.recorded.empty());
    ASSERT_EQ(ship.Turrets.size(), 2u);
    EXPECT_EQ(ship.Turrets[0]->Position, '\xFF');
    EXPECT_EQ(ship.Turrets[1]->Position, 'Z');
    ASSERT_EQ(ship.TorpedoMounts.size(), 1u);
    EXPECT_EQ(ship.TorpedoMounts[0]->Position, '\xC4');

    DesignInputs inputs;
    TDesignShip design(testsupport::bundledData());
    ReadDesignFile(path, inputs, design);
    ASSERT_EQ(design.Turrets.size(), 2u);
    EXPECT_EQ(design.Turrets[0]->Position, ship.Turrets[0]->Position);
    EXPECT_EQ(design.TorpedoMounts[0]->Position, ship.TorpedoMounts[0]->Position);
}

// A step far beyond a range's span: rounding it to a whole number of
// stored steps overflowed, and the range was accepted with no value at all.
TEST(FuzzRegression, HugeStepGivesTheFirstValueAlone) {
    std::string why;
    for (const char* text : {"displacement=15000:25000:5e28", "belt=9:12:1e300", "speed=20:20:7"}) {
        const auto range = ParseVary(text, {}, &why);
        ASSERT_TRUE(range) << text << ": " << why;
        const std::vector<std::int32_t> values = RangeValues(*range);
        ASSERT_EQ(values.size(), 1u) << text;
        EXPECT_EQ(DisplayValue(range->Input, values[0]), range->From) << text;
    }
}
