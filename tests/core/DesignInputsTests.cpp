#include "designfile/DesignInputs.h"

#include "combat/WeaponData.h"
#include "platform/Messages.h"
#include "shipdata/Ship.h"

#include <gtest/gtest.h>

TEST(DesignInputs, ClampPutsSpinValuesIntoTheirRangesAndStrayListIndexesToNothing) {
    DesignInputs in;
    in.Displacement = 10;
    in.Speed = 99;
    in.MainCal = 40;
    in.SecCal = 1;
    in.TerCal = 36;
    in.MQ = -9;
    in.SQ = 6;
    in.Secondaries = 25;
    in.Tertiaries = -2;
    in.TorpCal = 30;
    in.Mines = 1001;
    in.ObsoleteDate = -100000;
    in.HullWS = 11;
    in.Nation = 11;
    in.Type = -5;
    in.Range = 4;
    in.B = 33;
    in.TT = 32;
    in.FireControl = 6;
    in.SecTF = 4;
    in.TerTF = 5;
    in.TorpType = 9;
    in.TPS = 4;
    ClampInputs(in);
    EXPECT_EQ(in.Displacement, 50);
    EXPECT_EQ(in.Speed, 35);
    EXPECT_EQ(in.MainCal, 18);
    EXPECT_EQ(in.SecCal, 2);
    EXPECT_EQ(in.TerCal, 35);
    EXPECT_EQ(in.MQ, -5);
    EXPECT_EQ(in.SQ, 5);
    EXPECT_EQ(in.Secondaries, 24);
    EXPECT_EQ(in.Tertiaries, 0);
    EXPECT_EQ(in.TorpCal, 28);
    EXPECT_EQ(in.Mines, 1000);
    EXPECT_EQ(in.ObsoleteDate, ranges::ObsoleteDate.min);
    EXPECT_EQ(in.HullWS, 10);
    EXPECT_EQ(in.Nation, -1);
    EXPECT_EQ(in.Type, -1);
    EXPECT_EQ(in.Range, -1);
    EXPECT_EQ(in.B, -1);
    EXPECT_EQ(in.TT, 32);
    EXPECT_EQ(in.FireControl, -1);
    EXPECT_EQ(in.SecTF, 4);
    EXPECT_EQ(in.TerTF, -1);
    EXPECT_EQ(in.TorpType, -1);
    EXPECT_EQ(in.TPS, 4);
}

TEST(DesignInputs, TypeCodesMatchWithoutLetterCase) {
    EXPECT_EQ(DesignTypeIndex("BB"), 0);
    EXPECT_EQ(DesignTypeIndex("amc"), 7);
    EXPECT_EQ(DesignTypeIndex("Lt"), 10);
    EXPECT_EQ(DesignTypeIndex("XX"), -1);
    EXPECT_EQ(DesignTypeIndex(""), -1);
    EXPECT_EQ(DesignTypeIndex("BBB"), -1);
    DesignInputs in;
    in.Type = 5;
    EXPECT_EQ(in.TypeCode(), "DD");
}

TEST(DesignInputs, TorpedoTypeItemsAreBuiltFromTheNineTypes) {
    const auto saved = TorpedoTypes;
    TorpedoTypes[1] = TTorpedoType{"18in", 30, 22, 3000, 10000, 0};
    TorpedoTypes[9] = TTorpedoType{"Whitehead", 40, 0, 500, 0, 0};
    auto items = TorpedoTypeItems();
    TorpedoTypes = saved;
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0], "18in 3000/30 10000/22");
    EXPECT_EQ(items[8], "Whitehead 500/40 0/0");
}

namespace {
struct DesignInputsApply : ::testing::Test {
    platform::ScopedRecordingMessages messages;
    TDesignShip ship;
    DesignInputs in;
    void SetUp() override { ship.ClearSpecials(); }
};
} // namespace

TEST_F(DesignInputsApply, ArmourStepsReachTheirOwnAreasAsInches) {
    in.B = 1;
    in.D = 2;
    in.BE = 3;
    in.DE = 4;
    in.CT = 5;
    in.SEC = 6;
    in.T = 7;
    in.TT = 8;
    ApplyInputs(in, ship);
    EXPECT_FLOAT_EQ(ship.ArmorB, 0.5f);
    EXPECT_FLOAT_EQ(ship.ArmorD, 1.0f);
    EXPECT_FLOAT_EQ(ship.ArmorBE, 1.5f);
    EXPECT_FLOAT_EQ(ship.ArmorDE, 2.0f);
    EXPECT_FLOAT_EQ(ship.ArmorCT, 2.5f);
    EXPECT_FLOAT_EQ(ship.ArmorSEC, 3.0f);
    EXPECT_FLOAT_EQ(ship.ArmorT, 3.5f);
    EXPECT_FLOAT_EQ(ship.ArmorTT, 4.0f);

    in.B = -1;  // nothing selected
    ApplyInputs(in, ship);
    EXPECT_FLOAT_EQ(ship.ArmorB, 0.0f);
}

TEST_F(DesignInputsApply, EveryInputReachesTheShipAndTheShipIsRecalculated) {
    in.Displacement = 10000;
    in.Speed = 18;
    in.Freeboard = 1;
    in.BeltCoverage = 1;
    in.Accomodation = 1;
    in.Range = 3;
    in.CrossDeck = true;
    in.Secondaries = 12;
    in.Tertiaries = 8;
    in.SecCal = 6;
    in.TerCal = 3;
    in.SecTF = 2;
    in.TerTF = 1;
    in.TorpCal = 21;
    in.FireControl = -1;
    in.TPS = 3;
    in.Mines = 40;
    in.MainCal = 11;
    ApplyInputs(in, ship);
    EXPECT_EQ(ship.Displacement, 10000);
    EXPECT_TRUE(ship.LowFreeboard);
    EXPECT_TRUE(ship.NarrowBelt);
    EXPECT_TRUE(ship.Cramped);
    EXPECT_TRUE(ship.CrossDeckFire);
    EXPECT_EQ(ship.RangeClass, 3);
    EXPECT_EQ(ship.SecNo, 12);
    EXPECT_EQ(ship.TerNo, 8);
    EXPECT_EQ(ship.SecTF, 2);
    EXPECT_EQ(ship.TerTF, 1);
    EXPECT_EQ(ship.TorpedoCalibre, 21);
    EXPECT_EQ(ship.FireControl, -1);
    EXPECT_EQ(ship.TorpedoDefense, 3);
    EXPECT_EQ(ship.MineCapacity, 40);
    EXPECT_EQ(ship.BatteryCalibre[1], 11);
    EXPECT_EQ(ship.BatteryCalibre[2], 6);
    EXPECT_EQ(ship.BatteryCalibre[3], 3);
    // Low freeboard hull of a 10000 t ship: Round(2894 * 0.8).
    EXPECT_EQ(ship.HullWeight, 2315);
}
