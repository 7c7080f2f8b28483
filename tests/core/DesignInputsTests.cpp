#include "designfile/DesignInputs.h"

#include "TestSupport.h"
#include "platform/Messages.h"
#include "shipdata/Ship.h"

#include <gtest/gtest.h>

TEST(DesignInputs, ClampPutsSpinValuesIntoTheirRangesAndStrayListIndexesToNothing) {
    DesignInputs in;
    // {field, value written, value after clamping}
    struct Case {
        const char* name;
        std::int32_t DesignInputs::*field;
        std::int32_t raw, clamped;
    };
    const Case cases[] = {{"Displacement", &DesignInputs::Displacement, 10, 50},
                          {"Speed", &DesignInputs::Speed, 99, 35},
                          {"MainCal", &DesignInputs::MainCal, 40, 18},
                          {"SecCal", &DesignInputs::SecCal, 1, 2},
                          {"TerCal", &DesignInputs::TerCal, 36, 35},
                          {"MQ", &DesignInputs::MQ, -9, -5},
                          {"SQ", &DesignInputs::SQ, 6, 5},
                          {"Secondaries", &DesignInputs::Secondaries, 25, 24},
                          {"Tertiaries", &DesignInputs::Tertiaries, -2, 0},
                          {"TorpCal", &DesignInputs::TorpCal, 30, 28},
                          {"Mines", &DesignInputs::Mines, 1001, 1000},
                          {"ObsoleteDate", &DesignInputs::ObsoleteDate, -100000, ranges::ObsoleteDate.min},
                          {"Nation", &DesignInputs::Nation, 11, -1},
                          {"Type", &DesignInputs::Type, -5, -1},
                          {"Range", &DesignInputs::Range, 4, -1},
                          {"B", &DesignInputs::B, 33, -1},
                          {"TT", &DesignInputs::TT, 32, 32},
                          {"FireControl", &DesignInputs::FireControl, 6, -1},
                          {"SecTF", &DesignInputs::SecTF, 4, 4},
                          {"TerTF", &DesignInputs::TerTF, 5, -1},
                          {"TorpType", &DesignInputs::TorpType, 9, -1},
                          {"TPS", &DesignInputs::TPS, 4, 4}};
    for (const Case& c : cases) in.*c.field = c.raw;
    ClampInputs(in);
    for (const Case& c : cases) EXPECT_EQ(in.*c.field, c.clamped) << c.name;
}

TEST(DesignInputs, TypeCodesAndTorpedoTypeItems) {
    for (auto [code, index] : std::vector<std::pair<const char*, int>>{
             {"BB", 0}, {"amc", 7}, {"Lt", 10}, {"XX", -1}, {"", -1}, {"BBB", -1}}) // without letter case
        EXPECT_EQ(DesignTypeIndex(code), index) << code;
    DesignInputs in;
    in.Type = 5;
    EXPECT_EQ(in.TypeCode(), "DD");

    WeaponTables weapons;
    weapons.TorpedoTypes[1] = TTorpedoType{"18in", 30, 22, 3000, 10000, 0};
    weapons.TorpedoTypes[9] = TTorpedoType{"Whitehead", 40, 0, 500, 0, 0};
    auto items = TorpedoTypeItems(weapons);
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0], "18in 3000/30 10000/22");
    EXPECT_EQ(items[8], "Whitehead 500/40 0/0");
}

TEST(DesignInputs, EveryInputReachesTheShipAndTheShipIsRecalculated) {
    TDesignShip ship(testsupport::bundledData());
    ship.ClearSpecials();
    DesignInputs in;
    int DesignInputs::*steps[] = {&DesignInputs::B,  &DesignInputs::D,   &DesignInputs::BE, &DesignInputs::DE,
                                  &DesignInputs::CT, &DesignInputs::SEC, &DesignInputs::T,  &DesignInputs::TT};
    for (int k = 0; k < 8; ++k) in.*steps[k] = k + 1;
    (void)ApplyInputs(in, ship); // armour steps reach their own areas as inches
    EXPECT_EQ((std::array<float, 8>{ship.ArmorB, ship.ArmorD, ship.ArmorBE, ship.ArmorDE, ship.ArmorCT, ship.ArmorSEC,
                                    ship.ArmorT, ship.ArmorTT}),
              (std::array<float, 8>{0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f}));

    in = {};
    in.B = -1; // nothing selected
    in.Freeboard = in.BeltCoverage = in.Accomodation = 1;
    in.Range = 3;
    in.CrossDeck = true;
    in.Secondaries = 12, in.Tertiaries = 8, in.SecCal = 6, in.TerCal = 3, in.SecTF = 2, in.TerTF = 1;
    in.TorpCal = 21, in.TPS = 3, in.Mines = 40, in.MainCal = 11;
    (void)ApplyInputs(in, ship);
    EXPECT_EQ(ship.ArmorB, 0.0f);
    EXPECT_TRUE(ship.LowFreeboard && ship.NarrowBelt && ship.Cramped && ship.CrossDeckFire);
    EXPECT_EQ((std::array<int, 9>{ship.RangeClass, ship.SecNo, ship.TerNo, ship.SecTF, ship.TerTF, ship.TorpedoCalibre,
                                  ship.FireControl, ship.TorpedoDefense, ship.MineCapacity}),
              (std::array<int, 9>{3, 12, 8, 2, 1, 21, -1, 3, 40}));
    EXPECT_EQ(ship.BatteryCalibre, (decltype(ship.BatteryCalibre){0, 11, 6, 3}));
    // Low freeboard hull of a 10000 t ship: Round(2894 * 0.8).
    EXPECT_EQ(ship.Weights.HullWeight, 2315);
}
