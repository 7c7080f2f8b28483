#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "CombatTestSupport.h"
#include "combat/HitChance.h"
#include "combat/RateOfFire.h"
#include "combat/ShipGeometry.h"
#include "platform/DayNumber.h"
#include "platform/Messages.h"
#include "tests/ScopedMessages.h"

using combattest::Battle;

namespace {

// A battleship firing 12-inch guns (reference range 10,000 yards) at a
// target due north, in the zero environment; every nation value at 0.
struct HitChanceFixture : ::testing::Test {
    void SetUp() override {
        battle.env.Year = 1915;
        for (int c : {6, 12}) {
            battle.data.Weapons.GunCalibres[static_cast<size_t>(c)].BaseRange = 10;
            battle.data.Weapons.GunCalibres[static_cast<size_t>(c)].MaxRange = 20;
        }
        battle.data.Weapons.GunRangeFactor = 10;
    }
    TFightingShip& firer(int type = stBB) {
        TFightingShip& f = battle.Add("A", type, 20000);
        f.FireControl = 3;
        f.BatteryCalibre[1] = 12;
        return f;
    }
    float chance(TFightingShip& f, TFightingShip& t, int calibre = 12, int battery = 1,
                 std::vector<std::string>* lines = nullptr, bool ignoreRanging = false) {
        return GetGunHitChance(battle.ctx(), f, &t, calibre, battery,
                               {.Breakdown = lines, .IgnoreRanging = ignoreRanging});
    }
    float rof(TFightingShip& f, TFightingShip& t, int calibre, std::int32_t range) {
        return GetRateOfFire(battle.ctx(), f, calibre, range, &t, 1, {.Settled = true});
    }
    Battle battle;
};

bool hasLine(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// Noon on midsummer's day at the origin, with this day sighting range.
void atNoon(Battle& b, std::int32_t dayRange) {
    b.env.SetClock(platform::dayNumberFromDate({1915, 6, 21}) + 0.5);
    b.env.DayRange = dayRange;
}

// Modifier steps between two chances of one shot that share their basic
// chance (both modifiers at or below 0, so no banding).
long stepsBetween(float on, float off) { return std::lround(std::log(on / off) / std::log(0.9)) * -1; }

} // namespace

TEST_F(HitChanceFixture, FullBreakdownInTheZeroEnvironment) {
    TFightingShip& a = firer();
    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4000));
    std::vector<std::string> lines;
    platform::ScopedRecordingMessages rec;
    const float c = chance(a, t, 12, 1, &lines);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Target: UNSIGHTED!", "Range: 4000 yards", "Basic hit chance: 10.00",
                                        "Crew quality: 0", "Target size: 0", "Target low speed: + 10",
                                        "Fire control: 0 (Director)", "Near sighting range: -40", "Night firing: - 10",
                                        "Firing in mist: - 30", "Final hit chance: 4.78"}));
    EXPECT_NEAR(c, 10 * std::pow(0.9, 7), 1e-4);
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_FLOAT_EQ(chance(a, t), c); // without a list the result is the same
}

TEST_F(HitChanceFixture, BasicChanceRangeBandsAndYearCorrections) {
    // 4 x reference range / range, times 0.9 above 4,000 yards, 0.8 above
    // 6,000 and 0.7 above 8,000; the reference range is 0.8 of the gun's
    // before 1909 and 0.9 before 1913, and a gun above 12 inches loses 0.8
    // again before 1906.
    TFightingShip& a = firer();
    battle.data.Weapons.GunCalibres[14].BaseRange = 10;
    struct Case {
        int year, calibre, range;
        const char* basic;
    };
    for (const Case& c : {Case{1915, 12, 4000, "10.00"}, Case{1915, 12, 4001, "9.00"}, Case{1915, 12, 6000, "6.00"},
                          Case{1915, 12, 6001, "5.33"}, Case{1915, 12, 8000, "4.00"}, Case{1915, 12, 8001, "3.50"},
                          Case{1908, 12, 4000, "8.00"}, Case{1909, 12, 4000, "9.00"}, Case{1912, 12, 4000, "9.00"},
                          Case{1913, 12, 4000, "10.00"}, Case{1905, 14, 4000, "6.40"}, Case{1906, 14, 4000, "8.00"}}) {
        battle.env.Year = c.year;
        battle.ships.resize(1);
        TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, c.range));
        std::vector<std::string> lines;
        chance(a, t, c.calibre, 1, &lines);
        EXPECT_EQ(lines[2], std::string("Basic hit chance: ") + c.basic) << c.year << " " << c.range;
    }
}

namespace {

// A row of the modifier table: the line it prints and the steps it changes,
// and how to turn its condition on and off.
struct ModifierRow {
    const char* line;
    long steps;
    std::function<void(Battle&, TFightingShip& firer, TFightingShip& target, bool on)> set;
    int calibre = 12, battery = 1, range = 4000;
};

std::vector<ModifierRow> modifierRows() {
    return {
        {"Target in dusk: -20", -2,
         [](Battle& b, auto& a, auto&, bool on) {
             a.LightCondition = on ? lcDusk : lcDay;
             b.env.Sun = Battle::At(180, 1000000); // behind the firer, the target north
         }},
        {"Glare: -40", -4,
         [](Battle& b, auto& a, auto& t, bool on) {
             // Equinox noon: at 87 E the sun stands low in the west and has set 800,000 units east.
             b.env.SetClock(platform::dayNumberFromDate({1915, 3, 21}) + 0.5);
             a.SetPosition(TGeoPoint{87 * kGlobeUnitsPerDegree, 0, 0});
             t.SetPosition(PointAtBearing(a.Position(), GetBearingToPoint(a, b.env.Sun), 6000));
             b.env.Weather = on ? 2 : 4;
         }},
        {"Ship turning: -40", -4, [](Battle&, auto& a, auto&, bool on) { a.CurrentTurn = on ? -25 : 0; }},
        {"Target low speed: + 10", 1, [](Battle&, auto&, auto& t, bool on) { t.CurrentSpeed = on ? 5 : 6; }},
        {"Target turning: -10", -1, [](Battle&, auto&, auto& t, bool on) { t.CurrentTurn = on ? 30 : 0; }},
        {"Target turning: -20", -2, [](Battle&, auto&, auto& t, bool on) { t.CurrentTurn = on ? 31 : 0; }},
        {"Near sighting range: -40", -4, [](Battle& b, auto&, auto&, bool on) { atNoon(b, on ? 10000 : 20000); }, 12, 1,
         9001},
        {"Near sighting range: -20", -2, [](Battle& b, auto&, auto&, bool on) { atNoon(b, on ? 10000 : 20000); }, 12, 1,
         9000},
        {"Target evading: -30", -3, [](Battle&, auto&, auto& t, bool on) { t.Speed = 20, t.Evading = on; }},
        {"Firing ship evading: -40", -4, [](Battle&, auto& a, auto&, bool on) { a.Evading = on; }},
        {"2 ships firing at same target: -20", -2,
         [](Battle&, auto&, auto& t, bool on) { t.FiringShips = on ? 2 : 1; }},
        {"Under fire: -20", -2, [](Battle&, auto& a, auto&, bool on) { a.ShipType = stCL, a.UnderFire = on ? 5 : 0; }},
        {"Under fire: -10", -1, [](Battle&, auto& a, auto&, bool on) { a.UnderFire = on ? 5 : 0; }},
        {"Target sighting level: -20", -4, [](Battle&, auto&, auto& t, bool on) { t.SightingLevel = on ? 1 : 3; }},
        {"Target sighting level: -10", -2, [](Battle&, auto&, auto& t, bool on) { t.SightingLevel = on ? 2 : 3; }},
        {"Firing at unspotted battery: -50", -4,
         [](Battle&, auto&, auto& t, bool on) { t.ShipType = stLT, t.Speed = on ? 1 : 2; }},
        {"Medium guns firing at small DD: -30", -4,
         [](Battle&, auto&, auto& t, bool on) { t.ShipType = stDD, t.Displacement = on ? 700 : 800; }, 6},
        {"Big guns firing at DD: -30", -2,
         [](Battle&, auto&, auto& t, bool on) { t.ShipType = on ? stDD : stCL, t.Displacement = 900; }, 12, 1, 6000},
        // Against the secondary battery: the tertiary's -3 and a silent -1 beyond 5,000 yards.
        {"Tertiary battery firing: -30", -2, [](Battle&, auto&, auto&, bool) {}, 12, 3, 6000},
        {"Smoke interference: -20", -2,
         [](Battle& b, auto&, auto&, bool on) {
             b.map.LayerByName(kSmokeLayerName); // a battle map: the points scaled by the sea state
             TFightingShip& s = b.Add("S", stBB, 20000, PointAtBearing(Battle::At(0, 1500), 90, 500));
             if (on)
                 for (int y : {2000, 2500}) s.SmokeTrail->Chain(0).Add(Battle::At(0, y));
         }},
        {"Firing ship damage: -20", -2,
         [](Battle&, auto& a, auto&, bool on) { a.Flotation = on ? a.OriginalFlotation / 2 : a.OriginalFlotation; }},
        {"CL firing: -10", -2, [](Battle&, auto& a, auto&, bool on) { a.ShipType = on ? stCL : stBB; }},
        {"CL firing: -20", -2, [](Battle&, auto& a, auto&, bool on) { a.ShipType = on ? stCL : stBB; }, 12, 1, 5000},
        {"AMC firing: -30", -3, [](Battle&, auto& a, auto&, bool on) { a.ShipType = on ? stAMC : stBB; }},
        {"Nightfighting ability: +20", 2,
         [](Battle& b, auto&, auto&, bool on) { b.data.Nations[0].NightFighting = on ? 2 : 0; }},
        {"Nightfighting ability: -10", -1,
         [](Battle& b, auto&, auto&, bool on) { b.data.Nations[0].NightFighting = on ? -1 : 0; }},
        {"Rain: - 20", -2, [](Battle& b, auto&, auto&, bool on) { b.env.Weather = on ? 6 : 4; }},
        {"Rain: - 30", -3, [](Battle& b, auto&, auto&, bool on) { b.env.Weather = on ? 7 : 4; }},
    };
}

} // namespace

// Each row of the modifier table: the line it prints and the steps it
// changes, found by comparing the shot with the row's condition on and off.
// Several rows print another figure than the steps they apply.
TEST_F(HitChanceFixture, EveryRowPrintsItsLineAndAppliesItsChange) {
    for (const ModifierRow& row : modifierRows()) {
        float result[2] = {};
        for (bool on : {false, true}) {
            Battle b;
            b.data.Weapons = battle.data.Weapons;
            b.env.Year = battle.env.Year;
            TFightingShip& a = b.Add("A", stBB, 20000);
            a.FireControl = 3;
            TFightingShip& t = b.Add("T", stBB, 20000, Battle::At(0, row.range));
            row.set(b, a, t, on);
            const int battery = row.battery == 3 && !on ? 2 : row.battery;
            std::vector<std::string> lines;
            result[on] = GetGunHitChance(b.ctx(), a, &t, row.calibre, battery, {.Breakdown = &lines});
            EXPECT_EQ(hasLine(lines, row.line), on) << row.line;
        }
        EXPECT_EQ(stepsBetween(result[1], result[0]), row.steps) << row.line;
    }
}

TEST_F(HitChanceFixture, RangingCrowdingAndTheFinalBanding) {
    TFightingShip& dd = firer(stDD);
    dd.RangingTurns = 1;
    TFightingShip& t1 = battle.Add("T1", stBB, 20000, Battle::At(0, 3999));
    std::vector<std::string> lines;
    chance(dd, t1, 12, 1, &lines);
    EXPECT_TRUE(hasLine(lines, "Ranging: -20"));
    EXPECT_TRUE(hasLine(lines, "DD firing: -50"));
    lines.clear();
    chance(dd, t1, 12, 1, &lines, true); // ranging ignored
    EXPECT_FALSE(hasLine(lines, "Ranging: -20"));

    battle.ships.clear();
    TFightingShip& bb = firer(stBB);
    bb.RangingTurns = 2;
    TFightingShip& t2 = battle.Add("T2", stDD, 700, Battle::At(0, 4999));
    t2.FiringShips = 4;
    battle.Add("X1", stCL, 4000, Battle::At(0, 2000));
    battle.Add("X2", stCL, 4000, Battle::At(0, 3000));
    lines.clear();
    const float withRanging = chance(bb, t2, 12, 1, &lines);
    for (const char* line : {"Ranging: -30", "2 ships fouling the range: -30", "4 ships firing at same target: -30",
                             "Big guns firing at DD: -40", "Target size: -20"})
        EXPECT_TRUE(hasLine(lines, line)) << line;
    bb.RangingTurns = 0;
    EXPECT_EQ(stepsBetween(withRanging, chance(bb, t2)), -3); // printed as 30

    struct Case {
        float raw;
        bool closeTransport;
        float banded;
    };
    // Each band's edge from both sides: a chance rounds first, then bands.
    for (const Case& c :
         {Case{10.4f, false, 10.0f},   Case{40.4f, false, 10.0f}, Case{40.6f, false, 11.0f}, Case{45.4f, false, 11.0f},
          Case{45.6f, false, 12.0f},   Case{50.4f, false, 12.0f}, Case{50.6f, false, 13.0f}, Case{55.4f, false, 13.0f},
          Case{55.6f, false, 14.0f},   Case{60.4f, false, 14.0f}, Case{60.6f, false, 15.0f}, Case{65.4f, false, 15.0f},
          Case{65.6f, false, 16.0f},   Case{70.4f, false, 16.0f}, Case{70.6f, false, 17.0f}, Case{100.4f, false, 17.0f},
          Case{100.6f, false, 100.6f}, Case{30.0f, true, 35.0f},  Case{9.9f, true, 9.9f},    Case{10.0f, false, 10.0f}})
        EXPECT_FLOAT_EQ(BandHitChance(c.raw, c.closeTransport), c.banded) << c.raw;
    EXPECT_EQ(FormatChance(4.782969f), "4.78");
}

TEST_F(HitChanceFixture, SeaStateAndTargetSize) {
    struct Case {
        int type, sea, penalty;
    };
    for (const Case& c :
         {Case{stBB, 11, 9}, Case{stBB, 14, 0}, Case{stDD, 11, 12}, Case{stDD, 2000, 12}, Case{stDD, 2001, 0},
          Case{stCL, 11, 10}, Case{stCL, 13, 10}, Case{stAMC, 4, 0}, Case{stMS, 4, 1}})
        EXPECT_EQ(SeaStatePenalty(c.type, c.sea), c.penalty) << c.type << " " << c.sea;
    TFightingShip& small = battle.Add("S", stTR, 2999);
    TFightingShip& big = battle.Add("B", stBB, 29000);
    EXPECT_EQ((std::array<int, 3>{GetTargetSizeModifier(small, 8001), GetTargetSizeModifier(big, 8000),
                                  GetTargetSizeModifier(big, 8001)}),
              (std::array<int, 3>{-4 + 4, 1, 0}));
}

TEST_F(HitChanceFixture, MessagesAndTheSilentZeroRange) {
    TFightingShip& a = firer();
    TFightingShip& same = battle.Add("Same", stBB, 20000);
    platform::ScopedRecordingMessages rec;
    std::vector<std::string> lines;
    EXPECT_EQ(chance(a, same, 12, 1, &lines), 0.0f);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(rec.recorded.empty());
    same.SetPosition(Battle::At(180, 5000)); // out of the line of fire

    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4000));
    EXPECT_EQ(chance(a, t, 5), 0.0f);
    a.CrewQuality = 60;
    chance(a, t);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Error in gun data!\rShip: BB A\rCalibre: 5",
                                                     "Warning! HitMod > 50! HitMod: 53\rShip: BB A Target: BB T"}));
}

TEST_F(HitChanceFixture, RateOfFire) {
    TFightingShip& a = firer();
    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4000));
    // m = -5, steady course -3, no rounds carried -2 -2, no crew bonus -2.
    // The base rate by range band; beyond them the gun's own rate, or 0.5.
    const double k = std::pow(0.9, 14);
    for (auto [range, base] : {std::pair{5999, 1.0},
                               {6000, 0.8},
                               {7999, 0.8},
                               {8000, 0.6},
                               {9999, 0.6},
                               {10000, 0.4},
                               {13999, 0.4},
                               {14000, 0.2},
                               {20999, 0.2},
                               {21000, 0.5}})
        EXPECT_NEAR(rof(a, t, 12, range), base * k, 1e-6) << range;
    for (auto [turn, calibre, steps] : {std::tuple{25, 12, 11}, {-40, 12, 19}, {41, 12, 41}, {41, 6, 23}}) {
        a.CurrentTurn = turn; // 21..30 costs nothing
        EXPECT_NEAR(rof(a, t, calibre, 5000), std::pow(0.9, steps), 1e-6) << turn;
    }
    a.CurrentTurn = 0;
    a.CrewQuality = 44; // m = 30: capped at 4.0
    EXPECT_FLOAT_EQ(rof(a, t, 12, 5000), 4.0f);
    a.CrewQuality = 45; // m = 31
    EXPECT_FLOAT_EQ(rof(a, t, 12, 5000), 0.0f);
    a.CrewQuality = 0;

    // Short of main-battery rounds, a capital ship's big guns lose 6 at a DD
    // and 4 at any ship that is not capital, and every ship 6 at such a ship
    // beyond 10,000 yards; a battleship's main battery loses 4 more at a
    // small ship beyond half its maximum range.
    struct Case {
        int firerType, targetType, calibre, range, steps;
    };
    for (const Case& c :
         {Case{stBB, stDD, 12, 5000, 10}, Case{stBB, stCL, 12, 5000, 4}, Case{stCA, stCL, 12, 11000, 10},
          Case{stBB, stCL, 12, 11000, 14}, Case{stBB, stDD, 6, 5000, 0}, Case{stCL, stDD, 12, 11000, 6}}) {
        a.ShipType = static_cast<std::uint8_t>(c.firerType);
        t.ShipType = stBB;
        const float off = rof(a, t, c.calibre, c.range);
        t.ShipType = static_cast<std::uint8_t>(c.targetType);
        EXPECT_EQ(stepsBetween(rof(a, t, c.calibre, c.range), off), -c.steps) << c.firerType << " " << c.targetType;
    }
    t.ShipType = stBB;

    // Rounds left: below 50 % the main battery loses 2, below 30 % every battery 2 more.
    a.ShipType = stBB;
    a.Turrets.push_back(std::make_unique<TTurret>());
    a.RoundsCarriedMain = 100;
    for (auto [plenty, short_] : {std::pair{50, 51}, {70, 71}}) {
        a.RoundsFiredMain = plenty;
        const float off = rof(a, t, 12, 5000);
        a.RoundsFiredMain = short_;
        EXPECT_EQ(stepsBetween(rof(a, t, 12, 5000), off), -2) << short_;
    }
    a.Turrets.clear();
    a.RoundsCarriedMain = a.RoundsFiredMain = 0;

    // The sea state, by the firer's type.
    for (auto [type, sea, steps] : {std::tuple{stDD, 10, 7}, {stDD, 4, 0}, {stCL, 9, 4}, {stBB, 11, 5}}) {
        a.ShipType = static_cast<std::uint8_t>(type);
        battle.env.SeaState = 0;
        const float calm = rof(a, t, 12, 5000);
        battle.env.SeaState = sea;
        EXPECT_EQ(stepsBetween(rof(a, t, 12, 5000), calm), -steps) << type << " " << sea;
    }
}

TEST_F(HitChanceFixture, MaxGunRange) {
    TFightingShip& a = firer();
    WeaponTables& w = battle.data.Weapons;
    EXPECT_EQ(MaxGunRange(w, 1915, a, 1), 20000);
    a.BatteryQuality[1] = 2;
    EXPECT_EQ(MaxGunRange(w, 1915, a, 1), 24000);
    a.BatteryQuality[1] = 0;
    a.ShipType = stDD;
    EXPECT_EQ(MaxGunRange(w, 1915, a, 1), 19500);
    a.ShipType = stBB;
    w.GunCalibres[13].MaxRange = 20;
    a.BatteryCalibre[1] = 13;
    EXPECT_EQ(MaxGunRange(w, 1905, a, 1), 17400);
    w.GunCalibres[13].MaxRange = 2000000;
    w.GunRangeFactor = 1000; // the product only fits in 64 bits
    EXPECT_EQ(MaxGunRange(w, 1915, a, 1), 2147483647);
    EXPECT_EQ(MaxGunRange(w, 1915, a, 4), 0);
}
