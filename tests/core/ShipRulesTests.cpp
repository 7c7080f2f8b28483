// The design rules of the ship record: hull, machinery, armour, armament,
// specials, fire control, torpedo defence, crew and the ship type codes.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/Messages.h"
#include "platform/Problems.h"
#include "shipdata/Ship.h"
#include "tests/ScopedMessages.h"

using platform::MessageKind;
using platform::Problem;
using Problems = std::vector<Problem>;
using Texts = std::vector<std::string>;

namespace {

const std::string kCrossDeck = "Cross deck fire impossible with current turret configuration!";
const std::string kFreeboard = "High speed ships need normal freeboard!";

// Known table figures: 12-inch guns of 50 t with armour base 60, 6-inch of
// 7.5 t with base 8, 3-inch of 1 t; 20 thousand hp for 10 thousand tons at
// 18 knots.
ProgramData rulesData() {
    ProgramData d;
    d.Design.Ordnance[12 - 3] = {12, 'H', 50.0f, 0, 0, 60, 0, 0};
    d.Design.Ordnance[6 - 3] = {6, 'M', 7.5f, 0, 0, 8, 0, 0};
    d.Design.Ordnance[3 - 3] = {3, 'L', 1.0f, 0, 0, 2, 0, 0};
    d.Design.SpeedHP[10 - 3][18 - 16] = 20;
    return d;
}

class RulesTest : public ::testing::Test {
protected:
    RulesTest() {
        ship.SetDisplacementAndSpeed(10000, 18);
        ship.ClearSpecials();
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
    void expectSeries(std::int32_t& input, const std::int32_t& output, const std::vector<std::pair<int, int>>& cases) {
        for (auto [in, out] : cases) {
            input = in;
            EXPECT_EQ(recalculated(output), out) << in;
        }
    }
    // `figure` after a recalculation.
    std::int32_t recalculated(const std::int32_t& figure) {
        ship.Recalculate(said);
        return figure;
    }
    Texts saidTexts() const {
        Texts texts;
        for (const Problem& p : said) texts.push_back(p.Text);
        return texts;
    }

    ProgramData data = rulesData();
    TDesignShip ship{data};
    TShipWeights& w = ship.Weights;
    platform::Problems said; // every recalculation's problems, in order
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
    ship.Recalculate(said);
    EXPECT_EQ((std::array<int, 3>{w.HullWeight, ship.Horsepower, w.MachineryWeight}),
              (std::array<int, 3>{2894, 18000, 900}));
    ship.SetOptions(1, 0, false, 0, 0);
    ship.Speed = 21; // not yet high speed
    EXPECT_EQ(recalculated(w.HullWeight), 2315);
    EXPECT_TRUE(said.Empty());
    ship.Speed = 22;
    ship.Recalculate(said);
    EXPECT_EQ(ship.Recalculate().Items(), (Problems{{MessageKind::Warning, kFreeboard, "Freeboard"}}));
    EXPECT_EQ(said.Items(), (Problems{{MessageKind::Warning, kFreeboard, "Freeboard"}}));
    ship.SetOptions(0, 0, false, 0, 0);
    EXPECT_TRUE(ship.Recalculate().Empty());
}

TEST_F(RulesTest, ArmourAreasAndSizeCorrection) {
    ship.SetArmor(12, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(recalculated(w.WeightB), 3175); // 1680 x 1.8 = 3024, x 1.05 = 3175.2
    ship.SetOptions(0, 0, false, 1, 0);       // narrow belt
    EXPECT_EQ(recalculated(w.WeightB), 2495); // 1320 x 1.8 = 2376, x 1.05 = 2494.8
    ship.SetOptions(0, 0, false, 0, 0);
    ship.SetArmor(10, 0, 0, 0, 0, 0, 0, 0);
    // 17000: 2380 x 1.1 x 1.05; 18000 and 25000 uncorrected; 25001: x 0.99.
    expectSeries(ship.Displacement, w.WeightB, {{17000, 2749}, {18000, 2646}, {25000, 3675}, {25001, 3638}});

    ship.Displacement = 20000;
    ship.SetArmor(10, 2, 6, 1.5, 11, 6, 11, 3);
    ship.Recalculate(said);
    EXPECT_EQ((std::array<int, 6>{w.WeightB, w.WeightD, w.WeightBE, w.WeightDE, w.WeightCT, w.ArmorWeight}),
              (std::array<int, 6>{2940, 1596, 1008, 315, 231, 2940 + 1596 + 1008 + 315 + 231})); // each x 1.05
    ship.SetOptions(0, 0, false, 1, 0);
    EXPECT_EQ(recalculated(w.WeightBE), 756); // 720 x 1.05

    // 1 x 0.014 x 1750 lands just above 24.5 with the double factor: 25,
    // then 25 x 2.625 = 65.625 -> 66, x 1.05 = 69.3 -> 69 (not 66).
    ship.SetOptions(0, 0, false, 0, 0);
    ship.Displacement = 1750;
    ship.SetArmor(1, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(recalculated(w.WeightB), 69);
}

TEST_F(RulesTest, SetArmorAndSetOptions) {
    ship.SetArmor(-0.5f, 2, -3, NAN, 1, -0.0f, 4, 5); // no negative or NaN thickness is stored
    EXPECT_EQ((std::array<float, 6>{ship.ArmorB, ship.ArmorD, ship.ArmorBE, ship.ArmorDE, ship.ArmorCT, ship.ArmorTT}),
              (std::array<float, 6>{0, 2, 0, 0, 1, 5}));
    EXPECT_FALSE(std::signbit(ship.ArmorSEC));
    ship.SetOptions(1, 3, true, 1, 1);
    EXPECT_TRUE(ship.LowFreeboard && ship.CrossDeckFire && ship.NarrowBelt && ship.Cramped && ship.RangeClass == 3);
    ship.SetOptions(2, 0, false, 2, 2); // only the value 1 sets a flag
    EXPECT_FALSE(ship.LowFreeboard || ship.CrossDeckFire || ship.NarrowBelt || ship.Cramped);
}

TEST_F(RulesTest, TurretWeightsByPosition) {
    exampleTurretArmour();
    // A 1338.5, half to even; B 1471.8; X 1404.9; wing without cross-deck 1204.2.
    const std::vector<std::pair<char, int>> weights = {{'A', 1338}, {'B', 1472}, {'X', 1405}, {'D', 1204},
                                                       {'R', 1204}, {'E', 1204}, {'Y', 1338}};
    for (auto [pos, weight] : weights) EXPECT_EQ(addTurret(pos)->Weight, weight) << pos;
    // Weighed again all together, each keeps its own.
    (void)ship.Recalculate();
    for (size_t i = 0; i < weights.size(); ++i) EXPECT_EQ(ship.Turrets[i]->Weight, weights[i].second) << i;
    ship.CrossDeckFire = true;
    EXPECT_EQ(addTurret('D')->Weight, 1405);
    EXPECT_EQ(addTurret('S')->Weight, 1405);
    // A casemate weighs only its armour share: 11.5 x 75 x 60 / 100 = 517.5.
    EXPECT_EQ(addTurret('Q', 0)->Weight, 518);

    // A single 5 t gun weighs 10; x 1.05 is exactly 10.5 and x 1.1 of a
    // 15 t turret exactly 16.5, which go to the even neighbour.
    ship.SetArmor(0, 0, 0, 0, 0, 0, 0, 0);
    data.Design.Ordnance[12 - 3].GunWeight = 5.0f;
    EXPECT_EQ(addTurret('E', 1)->Weight, 10);
    ship.CrossDeckFire = false;
    EXPECT_EQ(addTurret('X', 1)->Weight, 10);
    data.Design.Ordnance[12 - 3].GunWeight = 7.5f;
    EXPECT_EQ(addTurret('B', 1)->Weight, 16);
}

TEST_F(RulesTest, HostileTurretsStayFinite) {
    exampleTurretArmour();
    EXPECT_EQ(addTurret('A', 4)->Weight, 400 + 1863); // 11.5 x 162 = 1863
    EXPECT_EQ(addTurret('A', 9)->Weight, 900 + 1863);
    EXPECT_EQ(addTurret('A', -3)->Weight, 0); // no guns, no armour
    ship.BatteryCalibre[1] = 35;
    data.Design.Ordnance[18 - 3] = {18, 'H', 150.0f, 0, 0, 68, 0, 0};
    EXPECT_GT(addTurret('A', 2)->Weight, 0);
    ship.BatteryCalibre[1] = INT_MAX;
    ship.SetArmor(0, 0, 0, 0, 0, 0, 3e38f, 3e38f);
    EXPECT_EQ(addTurret('A', INT_MAX)->Weight, INT_MAX);
    EXPECT_EQ(recalculated(w.ArmamentWeight), INT_MAX);
    EXPECT_EQ(w.TotalWeight, INT_MAX);
}

TEST_F(RulesTest, CrossDeckCheckWarnsOnEveryRecalculation) {
    exampleTurretArmour();
    addTurret('D');
    addTurret('E');
    ship.Recalculate(said); // not ticked: no warning
    EXPECT_TRUE(said.Empty());
    platform::Problems checked;
    EXPECT_TRUE(ship.CheckCrossDeckFire(checked));
    ship.CrossDeckFire = true;
    ship.Recalculate(said);
    ship.Recalculate(said);
    const Problem warning{MessageKind::Warning, kCrossDeck, "CDF"};
    EXPECT_EQ(said.Items(), (Problems{warning, warning}));
    // The flag stays and the wing turrets keep their cross-deck weight.
    EXPECT_TRUE(ship.CrossDeckFire);
    EXPECT_EQ(ship.Turrets[0]->Weight, 1405);
    for (auto [pair, legal] : std::vector<std::pair<std::string, bool>>{{"RS", false}, {"DS", true}, {"D", true}}) {
        ship.ClearTurrets();
        for (char p : pair) addTurret(p);
        platform::Problems one;
        EXPECT_EQ(ship.CheckCrossDeckFire(one), legal) << pair;
        EXPECT_EQ(one.Count(), legal ? 0u : 1u) << pair;
    }
    EXPECT_TRUE(ship.Recalculate().Empty());
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
    ship.SetSecondaryBatteries(12, 10, 2, 0);
    ship.TorpedoCalibre = 18; // mounts are weighed again on recalculation
    ship.Recalculate(said);
    // 12 casemates: 12 x 7.5 + 12 x 6 x (75 x 8 / 100) + 60 = 582; tertiaries
    // carry no armour whatever their turret factor.
    EXPECT_EQ(
        (std::array<int, 4>{w.SecondaryWeight, w.TertiaryWeight, ship.TorpedoMounts[0]->Weight, w.ArmamentWeight}),
        (std::array<int, 4>{582, 60, 54, 1338 + 1338 + 582 + 60 + 54}));

    // 165 x 8 / 100 = 13.2 held as a float just below 13.2, so
    // 5 x 2 + 5 x 1.5 x 13.2 / 2 = 59.5 comes out as 59.4999...: 59 + 25.
    ship.ClearTurrets();
    ship.ClearTorpedomount();
    data.Design.Ordnance[6 - 3].GunWeight = 2.0f;
    ship.SetArmor(0, 0, 0, 0, 0, 1.5f, 0, 0);
    ship.SetSecondaryBatteries(5, 0, 0, 2);
    EXPECT_EQ(recalculated(w.SecondaryWeight), 84);
}

TEST_F(RulesTest, ArmamentFailureIsReportedAndTheRestGoesOn) {
    exampleTurretArmour();
    w.SecondaryWeight = 777;
    addTurret('A');
    ship.Turrets.push_back(nullptr);
    addTurret('Y');
    ship.SetFireControl(1);
    ship.SetTorpedoDefense(1);
    ship.Recalculate(said);
    EXPECT_EQ(said.Items(), (Problems{{MessageKind::Notice, "Error in GetArmamentWeights procedure", ""}}));
    // What was added before the failure; later sub-steps skipped; later steps still run.
    EXPECT_EQ((std::array<int, 4>{w.ArmamentWeight, w.SecondaryWeight, w.FireControlWeight, w.TPSWeight}),
              (std::array<int, 4>{1338, 777, 30, 300}));
    EXPECT_EQ(ship.Complement, 2 * 50 + 2 * 50 + 900 / 16 + 100 + 36);
}

TEST_F(RulesTest, SpecialsFireControlAndTorpedoDefence) {
    ship.Specials[3].Percent = 2;
    ship.Specials[3].FreeMark = 0;
    ship.Specials[7].Percent = 1;
    ship.Specials[7].FreeMark = 5;
    ship.Specials[9].Percent = 50; // free: not weighed
    EXPECT_EQ(recalculated(w.SpecialsWeight), 300);
    EXPECT_EQ(ship.Specials[3].Weight, 200);
    ship.ClearSpecials();
    EXPECT_EQ(recalculated(w.SpecialsWeight), 0);
    expectSeries(ship.FireControl, w.FireControlWeight,
                 {{-1, 20}, {0, 20}, {1, 30}, {2, 32}, {3, 60}, {4, 65}, {5, 70}, {6, 20}});
    ship.Displacement = 20000;
    expectSeries(ship.TorpedoDefense, w.TPSWeight, {{0, 0}, {1, 400}, {2, 450}, {3, 1400}, {4, 1540}, {5, 0}, {-1, 0}});
}

TEST_F(RulesTest, ComplementAndAccommodation) {
    // 10416 t: 24000 + Round(2400 x 0.416) = 24998 hp, x 0.8 = 19998: machinery 1000.
    data.Design.SpeedHP[10 - 3][18 - 16] = 24;
    ship.Displacement = 10416;
    ship.Recalculate(said);
    EXPECT_EQ((std::array<int, 3>{w.MachineryWeight, ship.Complement, w.AccommodationSpace}),
              (std::array<int, 3>{1000, 198, 198}));
    ship.SetOptions(0, 0, false, 0, 1);
    EXPECT_EQ(recalculated(w.AccommodationSpace), 139); // 138.6

    // Guns: a casemate counts as one gun; mounts 3 per tube.
    ship.SetOptions(0, 0, false, 0, 0);
    ship.BatteryCalibre = {0, 12, 6, 3};
    addTurret('A', 3);
    addTurret('Q', 0);
    addMount('B', 4);
    ship.SetSecondaryBatteries(10, 4, 0, 0);
    EXPECT_EQ(recalculated(ship.Complement), 198 + 4 * 50 + 10 * 14 + 4 * 7 + 12);

    // The size steps of the crew; 18 knots has no table value here, so no machinery crew.
    ship.ClearTurrets();
    ship.ClearTorpedomount();
    ship.SetSecondaryBatteries(0, 0, 0, 0);
    expectSeries(ship.Displacement, ship.Complement,
                 {{1000, 10}, {1001, 18}, {1500, 18}, {1501, 26}, {2000, 36}, {2001, 46}, {3000, 56}, {3001, 66}});

    for (auto [calibre, n] : std::vector<std::pair<int, int>>{{2, 5}, {3, 7}, {12, 50}, {INT_MIN, 5}, {INT_MAX, 50}})
        EXPECT_EQ(CrewPerGun(calibre), n) << calibre;
}

TEST_F(RulesTest, TotalIsTheSumOfItsParts) {
    exampleTurretArmour();
    ship.SetArmor(8, 2, 4, 1, 6, 3, 10, 3);
    addTurret('A');
    addMount('F', 2);
    ship.SetSecondaryBatteries(8, 0, 0, 0);
    ship.SetFireControl(3);
    ship.SetTorpedoDefense(2);
    ship.Specials[1] = {"Aircraft", 1, 0, 0, 0};
    ship.Recalculate(said);
    EXPECT_EQ(w.TotalWeight, w.ArmorWeight + w.MachineryWeight + w.HullWeight + w.ArmamentWeight +
                                 w.AccommodationSpace + w.SpecialsWeight + w.TPSWeight + w.FireControlWeight);
    EXPECT_EQ((std::array<int, 2>{w.SpecialsWeight, w.TPSWeight}), (std::array<int, 2>{100, 330}));
}

TEST_F(RulesTest, HostileDisplacementsAndSpeeds) {
    ship.SetArmor(16, 16, 16, 16, 16, 16, 16, 16);
    ship.SetTorpedoDefense(4);
    ship.Displacement = INT_MAX;
    EXPECT_EQ(recalculated(ship.Horsepower), 0);
    EXPECT_EQ(w.TotalWeight, INT_MAX);
    ship.Displacement = INT_MIN;
    EXPECT_EQ(recalculated(ship.Horsepower), 0);
    ship.Displacement = 10000;
    ship.Speed = 0;
    EXPECT_EQ(recalculated(ship.Speed), -1);
    EXPECT_EQ(w.MachineryWeight, 0);
    EXPECT_EQ(saidTexts(), (Texts{"Illegal displacement", "Illegal Speed value: 0"}));
    EXPECT_EQ(said.Items().back(), (Problem{MessageKind::Notice, "Illegal Speed value: 0", "Speed"}));
    // A list that only counts gets the same count and keeps no text.
    platform::Problems counted(platform::Problems::Keep::Count);
    ship.Speed = 0;
    ship.Recalculate(counted);
    EXPECT_EQ(counted.Count(), 1u);
    EXPECT_TRUE(counted.Items().empty());
}

TEST(ShipRules, ShipTypeCodesAndPositionNames) {
    platform::ScopedRecordingMessages program; // the code guard reports to the program's sink
    platform::RecordingMessages reading;       // the file's reader hands its own
    const char* codes[] = {"BB", "BC", "B", "CA", "CL", "AMC", "DD", "MS", "TR", "AV", "LT"};
    for (int i = 0; i < kShipTypeCount; ++i) {
        EXPECT_EQ(ShipTypeCode(i), codes[i]);
        EXPECT_EQ(ShipTypeFromCode(codes[i], reading), i);
    }
    EXPECT_TRUE(program.recorded.empty() && reading.recorded.empty());
    // Codes compare case-sensitively.
    EXPECT_EQ((std::array<int, 2>{ShipTypeFromCode("bb", reading), ShipTypeFromCode("", reading)}),
              (std::array<int, 2>{stBB, stBB}));
    EXPECT_EQ(ShipTypeCode(11), "XX");
    EXPECT_EQ(ShipTypeCode(-1), "XX");
    EXPECT_EQ(reading.texts(),
              (Texts{"Warning! Illegal ship type in ship file: bb", "Warning! Illegal ship type in ship file: "}));
    EXPECT_EQ(reading.recorded[0].kind, MessageKind::Notice);
    EXPECT_EQ(program.texts(), (Texts{"Debug Warning, illegal ship type! 11", "Debug Warning, illegal ship type! -1"}));

    // A position byte above 127 is a Windows-1252 character; the text stays valid UTF-8.
    EXPECT_EQ(
        (std::vector<std::string>{TurretPositionName('R'), TurretPositionName('W'), TurretPositionName('P'),
                                  TorpedoMountName('U'), TorpedoMountName('C'), TorpedoMountName('\xC4')}),
        (std::vector<std::string>{"Midships aft", "Midships aft", "Illegal turret position!", "Midships swivel mount",
                                  "Illegal mount designation: C", "Illegal mount designation: \xC3\x84"}));
}

TEST_F(RulesTest, LayoutFlags) {
    addTurret('A');
    addTurret('Y');
    ship.ComputeTurretLayoutFlags();
    EXPECT_TRUE(ship.NoSuperimposed && ship.NoMidships && ship.NoWingTurret);
    EXPECT_FALSE(ship.TurretAtW);
    struct Case {
        char letter;
        bool superimposed, midships, wing, w;
    };
    for (const Case& c : {Case{'B', true, false, false, false}, Case{'V', true, true, false, false},
                          Case{'X', true, false, false, false}, Case{'C', false, true, false, false},
                          Case{'P', false, true, false, false}, Case{'W', false, true, false, true},
                          Case{'D', false, true, true, false}, Case{'E', false, false, true, false},
                          Case{'T', false, false, true, false}, Case{'Q', false, false, false, false}}) {
        ship.ClearTurrets();
        addTurret('A');
        addTurret(c.letter);
        ship.ComputeTurretLayoutFlags();
        EXPECT_EQ((std::array<bool, 4>{!ship.NoSuperimposed, !ship.NoMidships, !ship.NoWingTurret, ship.TurretAtW}),
                  (std::array<bool, 4>{c.superimposed, c.midships, c.wing, c.w}))
            << c.letter;
    }
}

TEST(ShipRules, ListsFreeFromLastToFirst) {
    std::vector<int> log;
    const ProgramData data;
    {
        TDesignShip ship(data);
        for (int id = 1; id <= 3; ++id) {
            auto t = std::make_unique<LoggedTurret>(log, id);
            t->Position = "ABX"[id - 1];
            EXPECT_EQ(ship.AddTurret(std::move(t)), id - 1);
        }
        EXPECT_FALSE(ship.HasTurretAt('b'));
        EXPECT_EQ(ship.AddTurret(nullptr), -1);
        ship.ClearTurrets();
        EXPECT_EQ(log, (std::vector<int>{3, 2, 1}));
        EXPECT_FALSE(ship.HasTurretAt('B'));
        ship.AddTurret(std::make_unique<LoggedTurret>(log, 4));
    }
    EXPECT_EQ(log, (std::vector<int>{3, 2, 1, 4})); // the ship frees what it still holds
}
