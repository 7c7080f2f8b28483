// The design rules of the ship record: hull, machinery, armour, armament,
// specials, fire control, torpedo defence, crew and the ship type codes.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/Messages.h"
#include "shipdata/Ship.h"
#include "shipdata/Tables.h"

using platform::MessageKind;
using platform::RecordedMessage;
using platform::ScopedRecordingMessages;

namespace {

const std::string kCrossDeck = "Cross deck fire impossible with current turret configuration!";
const std::string kFreeboard = "High speed ships need normal freeboard!";

// Known table figures: 12-inch guns of 50 t with armour base 60, 6-inch of
// 7.5 t with base 8, 3-inch of 1 t; 20 thousand hp for 10 thousand tons at
// 18 knots.
class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSpeed_ = SpeedHPTable;
        savedOrdnance_ = OrdnanceTable;
        SpeedHPTable = {};
        OrdnanceTable = {};
        OrdnanceTable[12 - 3] = {12, 'H', 50.0f, 0, 0, 60, 0, 0};
        OrdnanceTable[6 - 3] = {6, 'M', 7.5f, 0, 0, 8, 0, 0};
        OrdnanceTable[3 - 3] = {3, 'L', 1.0f, 0, 0, 2, 0, 0};
        SpeedHPTable[10 - 3][18 - 16] = 20;
        ship.SetDisplacementAndSpeed(10000, 18);
        ship.ClearSpecials();
    }
    void TearDown() override {
        SpeedHPTable = savedSpeed_;
        OrdnanceTable = savedOrdnance_;
    }
    TTurret* addTurret(char position, int guns = 2) {
        auto t = std::make_unique<TTurret>();
        t->Guns = guns;
        t->Position = position;
        TTurret* raw = t.get();
        ship.AddTurret(std::move(t));
        return raw;
    }
    void addMount(char position, int tubes) {
        auto m = std::make_unique<TTorpedomount>();
        m->Tubes = tubes;
        m->Position = position;
        ship.AddTorpedoMount(std::move(m));
    }
    // The turret of the worked example: double 12-inch, face 10, top 3.
    void exampleTurretArmour() {
        ship.BatteryCalibre[1] = 12;
        ship.SetArmor(0, 0, 0, 0, 0, 0, 10, 3);
    }

    TDesignShip ship;

private:
    decltype(SpeedHPTable) savedSpeed_;
    decltype(OrdnanceTable) savedOrdnance_;
};

// Counts destruction order through a shared log.
struct LoggedTurret : TTurret {
    LoggedTurret(std::vector<int>& log, int id) : log_(log), id_(id) {}
    ~LoggedTurret() override { log_.push_back(id_); }
    std::vector<int>& log_;
    int id_;
};

} // namespace

TEST_F(RulesTest, HullAndFreeboard) {
    ScopedRecordingMessages messages;
    ship.Recalculate();
    EXPECT_EQ(ship.HullWeight, 2894);
    EXPECT_EQ(ship.Horsepower, 18000);
    EXPECT_EQ(ship.MachineryWeight, 900);

    ship.SetOptions(1, 0, false, false, 0, 0);
    ship.Recalculate();
    EXPECT_EQ(ship.HullWeight, 2315);
    EXPECT_TRUE(messages.recorded.empty());   // 18 knots is not high speed

    ship.Speed = 21;
    ship.Recalculate();
    EXPECT_TRUE(messages.recorded.empty());
    ship.Speed = 22;
    ship.Recalculate();
    ship.Speed = 22;
    ship.Recalculate();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{kFreeboard, kFreeboard}));
    EXPECT_EQ(messages.recorded[0].kind, MessageKind::Warning);

    messages.clear();
    ship.SetOptions(0, 0, false, false, 0, 0);
    ship.Recalculate();
    EXPECT_TRUE(messages.recorded.empty());
}

TEST_F(RulesTest, ArmourAreasAndSizeCorrection) {
    ship.SetArmor(12, 0, 0, 0, 0, 0, 0, 0);
    ship.Recalculate();
    EXPECT_EQ(ship.WeightB, 3175);   // 1680 x 1.8 = 3024, x 1.05 = 3175.2

    ship.SetOptions(0, 0, false, false, 1, 0);   // narrow belt
    ship.Recalculate();
    EXPECT_EQ(ship.WeightB, 2495);   // 1320 x 1.8 = 2376, x 1.05 = 2494.8

    ship.SetOptions(0, 0, false, false, 0, 0);
    ship.SetArmor(10, 0, 0, 0, 0, 0, 0, 0);
    const std::vector<std::pair<int, int>> bands = {
        {17000, 2749},   // 2380 x 1.1 = 2618, x 1.05 = 2748.9
        {18000, 2646},   // no correction at either end of the middle band
        {25000, 3675},
        {25001, 3638},   // 3500 x 0.99 = 3465, x 1.05 = 3638.25
    };
    for (auto [d, w] : bands) {
        ship.Displacement = d;
        ship.Recalculate();
        EXPECT_EQ(ship.WeightB, w) << d;
    }
}

TEST_F(RulesTest, EveryArmourAreaAddsUp) {
    ship.Displacement = 20000;
    ship.SetArmor(10, 2, 6, 1.5, 11, 6, 11, 3);
    ship.Recalculate();
    EXPECT_EQ(ship.WeightB, 2940);    // 2800 x 1.05
    EXPECT_EQ(ship.WeightD, 1596);    // 1520 x 1.05
    EXPECT_EQ(ship.WeightBE, 1008);   // 960 x 1.05
    EXPECT_EQ(ship.WeightDE, 315);    // 300 x 1.05
    EXPECT_EQ(ship.WeightCT, 231);    // 220 x 1.05
    EXPECT_EQ(ship.ArmorWeight, 2940 + 1596 + 1008 + 315 + 231);

    ship.SetOptions(0, 0, false, false, 1, 0);
    ship.Recalculate();
    EXPECT_EQ(ship.WeightBE, 756);    // 720 x 1.05
}

TEST_F(RulesTest, ArmourFactorsAreDoubleConstants) {
    // 1 x 0.014 x 1750 lands just above 24.5 with the double factor: 25,
    // then 25 x 2.625 = 65.625 -> 66, x 1.05 = 69.3 -> 69 (not 66).
    ship.Displacement = 1750;
    ship.SetArmor(1, 0, 0, 0, 0, 0, 0, 0);
    ship.Recalculate();
    EXPECT_EQ(ship.WeightB, 69);
}

TEST_F(RulesTest, SetArmorStoresNoNegativeThickness) {
    ship.SetArmor(-0.5f, 2, -3, NAN, 1, -0.0f, 4, 5);
    EXPECT_EQ(ship.ArmorB, 0.0f);
    EXPECT_EQ(ship.ArmorD, 2.0f);
    EXPECT_EQ(ship.ArmorBE, 0.0f);
    EXPECT_EQ(ship.ArmorDE, 0.0f);
    EXPECT_EQ(ship.ArmorCT, 1.0f);
    EXPECT_FALSE(std::signbit(ship.ArmorSEC));
    EXPECT_EQ(ship.ArmorTT, 5.0f);
}

TEST_F(RulesTest, OptionsMapOntoFlags) {
    ship.SetOptions(1, 3, true, true, 1, 1);
    EXPECT_TRUE(ship.LowFreeboard && ship.CrossDeckFire && ship.NarrowBelt && ship.Cramped);
    EXPECT_EQ(ship.RangeClass, 3);
    ship.SetOptions(2, 0, false, false, 2, 2);   // only the value 1 sets a flag
    EXPECT_FALSE(ship.LowFreeboard || ship.CrossDeckFire || ship.NarrowBelt || ship.Cramped);
}

TEST_F(RulesTest, TurretWeightsByPosition) {
    exampleTurretArmour();
    EXPECT_EQ(addTurret('A')->Weight, 1338);   // 200 + 11.5 x 99 = 1338.5, half to even
    EXPECT_EQ(addTurret('B')->Weight, 1472);   // 1471.8
    EXPECT_EQ(addTurret('X')->Weight, 1405);   // 1404.9
    EXPECT_EQ(addTurret('D')->Weight, 1204);   // no cross-deck fire: 1204.2
    ship.CrossDeckFire = true;
    EXPECT_EQ(addTurret('D')->Weight, 1405);
    EXPECT_EQ(addTurret('S')->Weight, 1405);
    ship.CrossDeckFire = false;
    EXPECT_EQ(addTurret('R')->Weight, 1204);
    EXPECT_EQ(addTurret('E')->Weight, 1204);
    EXPECT_EQ(addTurret('Y')->Weight, 1338);
    // A casemate weighs only its armour share: 11.5 x 75 x 60 / 100.
    EXPECT_EQ(addTurret('Q', 0)->Weight, 518);   // 517.5
}

TEST_F(RulesTest, PositionFactorsRoundHalvesToEven) {
    // A single gun of 5 t weighs 10; x 1.05 is exactly 10.5 and x 1.1 of a
    // 15 t turret exactly 16.5, which go to the even neighbour.
    OrdnanceTable[12 - 3].GunWeight = 5.0f;
    ship.BatteryCalibre[1] = 12;
    EXPECT_EQ(addTurret('X', 1)->Weight, 10);
    ship.CrossDeckFire = true;
    EXPECT_EQ(addTurret('E', 1)->Weight, 10);
    OrdnanceTable[12 - 3].GunWeight = 7.5f;
    EXPECT_EQ(addTurret('B', 1)->Weight, 16);
}

TEST_F(RulesTest, HostileTurretsStayFinite) {
    exampleTurretArmour();
    EXPECT_EQ(addTurret('A', 4)->Weight, 400 + 1863);   // 11.5 x 162 = 1863
    EXPECT_EQ(addTurret('A', 9)->Weight, 900 + 1863);
    EXPECT_EQ(addTurret('A', -3)->Weight, 0);          // no guns, no armour
    ship.BatteryCalibre[1] = 35;
    OrdnanceTable[18 - 3] = {18, 'H', 150.0f, 0, 0, 68, 0, 0};
    EXPECT_GT(addTurret('A', 2)->Weight, 0);
    ship.BatteryCalibre[1] = INT_MAX;
    ship.SetArmor(0, 0, 0, 0, 0, 0, 3e38f, 3e38f);
    EXPECT_EQ(addTurret('A', INT_MAX)->Weight, INT_MAX);
    ship.Recalculate();
    EXPECT_EQ(ship.ArmamentWeight, INT_MAX);
    EXPECT_EQ(ship.TotalWeight, INT_MAX);
}

TEST_F(RulesTest, CrossDeckCheckWarnsOnEveryRecalculation) {
    ScopedRecordingMessages messages;
    exampleTurretArmour();
    addTurret('D');
    addTurret('E');
    ship.Recalculate();   // not ticked: no warning
    EXPECT_TRUE(messages.recorded.empty());
    EXPECT_TRUE(ship.CheckCrossDeckFire());

    ship.CrossDeckFire = true;
    ship.Recalculate();
    ship.Recalculate();
    EXPECT_EQ(messages.recorded, (std::vector<RecordedMessage>{{MessageKind::Warning, kCrossDeck},
                                                               {MessageKind::Warning, kCrossDeck}}));
    // The flag stays and the wing turrets keep their cross-deck weight.
    EXPECT_TRUE(ship.CrossDeckFire);
    EXPECT_EQ(ship.Turrets[0]->Weight, 1405);

    messages.clear();
    ship.ClearTurrets();
    addTurret('R');
    addTurret('S');
    EXPECT_FALSE(ship.CheckCrossDeckFire());
    ship.ClearTurrets();
    addTurret('D');
    addTurret('S');
    EXPECT_TRUE(ship.CheckCrossDeckFire());
    ship.ClearTurrets();
    addTurret('D');
    ship.Recalculate();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kCrossDeck});
}

TEST_F(RulesTest, ArmamentAddsTurretsGunsAndMounts) {
    exampleTurretArmour();
    ship.TorpedoCalibre = 21;
    addTurret('A');
    addTurret('Y');
    addMount('B', 3);
    EXPECT_EQ(ship.TorpedoMounts[0]->Weight, 63);
    ship.SetArmor(0, 0, 0, 0, 0, 6, 10, 3);
    ship.BatteryCalibre[2] = 6;
    ship.BatteryCalibre[3] = 3;
    ship.SetSecondaryBatteries(12, 10, 6, 3, 2, 0);
    ship.TorpedoCalibre = 18;   // mounts are weighed again on recalculation
    ship.Recalculate();
    // 12 casemates: 12 x 7.5 + 12 x 6 x (75 x 8 / 100) + 60 = 582
    EXPECT_EQ(ship.SecondaryWeight, 582);
    EXPECT_EQ(ship.TertiaryWeight, 60);   // tertiaries carry no armour whatever their turret factor
    EXPECT_EQ(ship.TorpedoMounts[0]->Weight, 54);
    EXPECT_EQ(ship.ArmamentWeight, 1338 + 1338 + 582 + 60 + 54);
}

TEST_F(RulesTest, SecondaryArmourFactorIsSinglePrecision) {
    // 165 x 8 / 100 = 13.2 held as a float just below 13.2, so
    // 5 x 2 + 5 x 1.5 x 13.2 / 2 = 59.5 comes out as 59.4999...: 59 + 25.
    OrdnanceTable[6 - 3].GunWeight = 2.0f;
    ship.BatteryCalibre[2] = 6;
    ship.SetArmor(0, 0, 0, 0, 0, 1.5f, 0, 0);
    ship.SetSecondaryBatteries(5, 0, 6, 0, 0, 2);
    ship.Recalculate();
    EXPECT_EQ(ship.SecondaryWeight, 84);
}

TEST_F(RulesTest, ArmamentFailureIsReportedAndTheRestGoesOn) {
    ScopedRecordingMessages messages;
    exampleTurretArmour();
    ship.SecondaryWeight = 777;
    addTurret('A');
    ship.Turrets.push_back(nullptr);
    addTurret('Y');
    ship.SetFireControl(1);
    ship.SetTorpedoDefense(1);
    ship.Recalculate();
    EXPECT_EQ(messages.recorded,
              (std::vector<RecordedMessage>{{MessageKind::Notice, "Error in GetArmamentWeights procedure"}}));
    EXPECT_EQ(ship.ArmamentWeight, 1338);     // what was added before the failure
    EXPECT_EQ(ship.SecondaryWeight, 777);     // later sub-steps skipped
    EXPECT_EQ(ship.FireControlWeight, 30);    // later steps still run
    EXPECT_EQ(ship.TPSWeight, 300);
    EXPECT_EQ(ship.Complement, 2 * 50 + 2 * 50 + 900 / 16 + 100 + 36);
}

TEST_F(RulesTest, SpecialsFireControlAndTorpedoDefence) {
    ship.Specials[3].Percent = 2;
    ship.Specials[3].FreeMark = 0;
    ship.Specials[7].Percent = 1;
    ship.Specials[7].FreeMark = 5;
    ship.Specials[9].Percent = 50;   // free: not weighed
    ship.Recalculate();
    EXPECT_EQ(ship.Specials[3].Weight, 200);
    EXPECT_EQ(ship.SpecialsWeight, 300);
    ship.ClearSpecials();
    ship.Recalculate();
    EXPECT_EQ(ship.SpecialsWeight, 0);

    const std::vector<std::pair<int, int>> fireControl = {{-1, 20}, {0, 20}, {1, 30}, {2, 32},
                                                          {3, 60},  {4, 65}, {5, 70}, {6, 20}};
    for (auto [level, weight] : fireControl) {
        ship.SetFireControl(level);
        ship.Recalculate();
        EXPECT_EQ(ship.FireControlWeight, weight) << level;
    }

    ship.Displacement = 20000;
    const std::vector<std::pair<int, int>> tps = {{0, 0},   {1, 400},  {2, 450}, {3, 1400},
                                                  {4, 1540}, {5, 0},   {-1, 0}};
    for (auto [level, weight] : tps) {
        ship.SetTorpedoDefense(level);
        ship.Recalculate();
        EXPECT_EQ(ship.TPSWeight, weight) << level;
    }
}

TEST_F(RulesTest, ComplementAndAccommodation) {
    // 10416 t: 24000 + Round(2400 x 0.416) = 24998 hp, x 0.8 = 19998:
    // machinery 1000.
    SpeedHPTable[10 - 3][18 - 16] = 24;
    ship.Displacement = 10416;
    ship.Recalculate();
    EXPECT_EQ(ship.MachineryWeight, 1000);
    EXPECT_EQ(ship.Complement, 198);
    EXPECT_EQ(ship.AccommodationSpace, 198);
    ship.SetOptions(0, 0, false, false, 0, 1);
    ship.Recalculate();
    EXPECT_EQ(ship.AccommodationSpace, 139);   // 138.6

    // Guns: a casemate counts as one gun; mounts 3 per tube.
    ship.SetOptions(0, 0, false, false, 0, 0);
    ship.BatteryCalibre[1] = 12;
    ship.BatteryCalibre[2] = 6;
    ship.BatteryCalibre[3] = 3;
    addTurret('A', 3);
    addTurret('Q', 0);
    addMount('B', 4);
    ship.SetSecondaryBatteries(10, 4, 6, 3, 0, 0);
    ship.Recalculate();
    EXPECT_EQ(ship.Complement, 198 + 4 * 50 + 10 * 14 + 4 * 7 + 12);

    // The size steps of the crew.
    ship.ClearTurrets();
    ship.ClearTorpedomount();
    ship.SetSecondaryBatteries(0, 0, 0, 0, 0, 0);
    const std::vector<std::pair<int, int>> sizes = {{1000, 10}, {1001, 18}, {1500, 18}, {1501, 26},
                                                    {2000, 36}, {2001, 46}, {3000, 56}, {3001, 66}};
    for (auto [d, crew] : sizes) {
        ship.Displacement = d;
        ship.Speed = 18;   // no table value: no machinery crew
        ship.Recalculate();
        EXPECT_EQ(ship.Complement, crew) << d;
    }
}

TEST(ShipRules, CrewPerGunByCalibre) {
    const std::vector<std::pair<int, int>> crew = {{3, 7},   {4, 11},  {5, 12},  {6, 14},  {7, 18},
                                                   {8, 24},  {9, 32},  {10, 38}, {11, 45}, {12, 50},
                                                   {20, 50}, {21, 50}, {35, 50}, {2, 5},   {0, 5},
                                                   {-7, 5},  {INT_MIN, 5}, {INT_MAX, 50}};
    for (auto [calibre, n] : crew) EXPECT_EQ(CrewPerGun(calibre), n) << calibre;
}

TEST_F(RulesTest, TotalIsTheSumOfItsParts) {
    ScopedRecordingMessages messages;
    exampleTurretArmour();
    ship.SetArmor(8, 2, 4, 1, 6, 3, 10, 3);
    ship.TorpedoCalibre = 18;
    addTurret('A');
    addTurret('X');
    addMount('F', 2);
    ship.BatteryCalibre[2] = 6;
    ship.SetSecondaryBatteries(8, 0, 6, 0, 0, 0);
    ship.SetFireControl(3);
    ship.SetTorpedoDefense(2);
    ship.Specials[1] = {"Aircraft", 1, 0, 0, 0};
    ship.Recalculate();
    EXPECT_TRUE(messages.recorded.empty());
    EXPECT_EQ(ship.ArmorWeight, ship.WeightB + ship.WeightD + ship.WeightBE + ship.WeightDE + ship.WeightCT);
    EXPECT_EQ(ship.TotalWeight, ship.ArmorWeight + ship.MachineryWeight + ship.HullWeight + ship.ArmamentWeight +
                                    ship.AccommodationSpace + ship.SpecialsWeight + ship.TPSWeight +
                                    ship.FireControlWeight);
    EXPECT_EQ(ship.TotalCost, 0);
    const TShipWeights w = ship.GetWeights();
    EXPECT_EQ(w.WeightB, ship.WeightB);
    EXPECT_EQ(w.WeightCT, ship.WeightCT);
    EXPECT_EQ(w.HullWeight, 2894);
    EXPECT_EQ(w.MachineryWeight, 900);
    EXPECT_EQ(w.TotalWeight, ship.TotalWeight);
    EXPECT_EQ(w.SecondaryWeight, ship.SecondaryWeight);
    EXPECT_EQ(w.ArmamentWeight, ship.ArmamentWeight);
    EXPECT_EQ(w.AccommodationSpace, ship.AccommodationSpace);
    EXPECT_EQ(w.SpecialsWeight, 100);
    EXPECT_EQ(w.TPSWeight, 330);
    EXPECT_EQ(w.FireControlWeight, 60);
}

TEST_F(RulesTest, HostileDisplacementsAndSpeeds) {
    ScopedRecordingMessages messages;
    ship.SetArmor(16, 16, 16, 16, 16, 16, 16, 16);
    ship.SetTorpedoDefense(4);
    ship.Displacement = INT_MAX;
    ship.Recalculate();
    EXPECT_EQ(ship.Horsepower, 0);
    EXPECT_EQ(ship.TotalWeight, INT_MAX);
    ship.Displacement = INT_MIN;
    ship.Speed = 18;
    ship.Recalculate();
    EXPECT_EQ(ship.Horsepower, 0);
    ship.Displacement = 10000;
    ship.Speed = 0;
    ship.Recalculate();
    EXPECT_EQ(ship.Speed, -1);
    EXPECT_EQ(ship.MachineryWeight, 0);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Illegal displacement", "Illegal Speed value: 0"}));
}

TEST(ShipRules, ShipTypeCodes) {
    ScopedRecordingMessages messages;
    const char* codes[] = {"BB", "BC", "B", "CA", "CL", "AMC", "DD", "MS", "TR", "AV", "LT"};
    for (int i = 0; i < kShipTypeCount; ++i) {
        EXPECT_EQ(ShipTypeCode(i), codes[i]);
        EXPECT_EQ(ShipTypeFromCode(codes[i]), i);
    }
    EXPECT_TRUE(messages.recorded.empty());
    EXPECT_EQ(ShipTypeFromCode("bb"), stBB);   // codes compare case-sensitively
    EXPECT_EQ(ShipTypeFromCode(""), stBB);
    EXPECT_EQ(ShipTypeCode(11), "XX");
    EXPECT_EQ(ShipTypeCode(-1), "XX");
    EXPECT_EQ(messages.recorded,
              (std::vector<RecordedMessage>{{MessageKind::Notice, "Warning! Illegal ship type in ship file: bb"},
                                            {MessageKind::Notice, "Warning! Illegal ship type in ship file: "},
                                            {MessageKind::Notice, "Debug Warning, illegal ship type! 11"},
                                            {MessageKind::Notice, "Debug Warning, illegal ship type! -1"}}));
}

TEST(ShipRules, PositionNames) {
    // Every offered position has a name; two pairs of positions share one.
    for (char letter : kTurretPositionOrder) EXPECT_NE(TurretPositionName(letter), "Illegal turret position!");
    EXPECT_EQ(TurretPositionName('F'), TurretPositionName('J'));
    EXPECT_EQ(TurretPositionName('R'), "Midships aft");
    EXPECT_EQ(TurretPositionName('W'), "Midships aft");
    EXPECT_EQ(TurretPositionName('1'), "Port forward");
    for (char letter : {'a', 'P', 'Z', '5', '\0'}) EXPECT_EQ(TurretPositionName(letter), "Illegal turret position!");

    // Every offered mount text is its letter, " - " and its name.
    for (const char* text : kTorpedoMountTexts) EXPECT_EQ(text, std::string(1, text[0]) + " - " + TorpedoMountName(text[0]));
    EXPECT_EQ(TorpedoMountName('U'), "Midships swivel mount");
    EXPECT_EQ(TorpedoMountName('C'), "Illegal mount designation: C");
    EXPECT_EQ(TorpedoMountName('y'), "Illegal mount designation: y");
}

TEST_F(RulesTest, LayoutFlags) {
    addTurret('A');
    addTurret('Y');
    ship.ComputeTurretLayoutFlags();
    EXPECT_TRUE(ship.NoSuperimposed && ship.NoMidships && ship.NoWingTurret);
    EXPECT_FALSE(ship.TurretAtW);

    struct Case { char letter; bool superimposed, midships, wing, w; };
    for (const Case& c : {Case{'B', true, false, false, false}, Case{'V', true, true, false, false},
                          Case{'X', true, false, false, false}, Case{'C', false, true, false, false},
                          Case{'P', false, true, false, false}, Case{'W', false, true, false, true},
                          Case{'D', false, true, true, false}, Case{'E', false, false, true, false},
                          Case{'T', false, false, true, false}, Case{'Q', false, false, false, false}}) {
        ship.ClearTurrets();
        addTurret('A');
        addTurret(c.letter);
        ship.ComputeTurretLayoutFlags();
        EXPECT_EQ(!ship.NoSuperimposed, c.superimposed) << c.letter;
        EXPECT_EQ(!ship.NoMidships, c.midships) << c.letter;
        EXPECT_EQ(!ship.NoWingTurret, c.wing) << c.letter;
        EXPECT_EQ(ship.TurretAtW, c.w) << c.letter;
    }
}

TEST(ShipRules, ListsFreeFromLastToFirst) {
    std::vector<int> log;
    {
        Tship ship;
        for (int id = 1; id <= 3; ++id) {
            auto t = std::make_unique<LoggedTurret>(log, id);
            t->Position = "ABX"[id - 1];
            EXPECT_EQ(ship.AddTurret(std::move(t)), id - 1);
        }
        EXPECT_TRUE(ship.HasTurretAt('B'));
        EXPECT_FALSE(ship.HasTurretAt('b'));
        EXPECT_EQ(ship.AddTurret(nullptr), -1);
        ship.ClearTurrets();
        EXPECT_EQ(log, (std::vector<int>{3, 2, 1}));
        EXPECT_TRUE(ship.Turrets.empty());
        EXPECT_FALSE(ship.HasTurretAt('B'));

        ship.AddTurret(std::make_unique<LoggedTurret>(log, 4));
        auto m = std::make_unique<TTorpedomount>();
        m->Position = 'P';
        ship.AddTorpedoMount(std::move(m));
        EXPECT_TRUE(ship.HasTorpedoMountAt('P'));
        ship.ClearTorpedomount();
        EXPECT_FALSE(ship.HasTorpedoMountAt('P'));
    }
    EXPECT_EQ(log, (std::vector<int>{3, 2, 1, 4}));   // the ship frees what it still holds
}
