#include <gtest/gtest.h>

#include <cmath>

#include "CombatTestSupport.h"
#include "combat/HitChance.h"
#include "combat/RateOfFire.h"
#include "platform/Messages.h"

using combattest::Battle;
using combattest::ZeroEnvironment;

namespace {

// A battleship firing 12-inch guns (reference range 10,000 yards) at a
// target due north; every nation characteristic at 0.
struct HitChanceFixture : ::testing::Test {
    void SetUp() override {
        CurrentYear = 1915;
        GunCalibres = {};
        for (auto& n : Nations) n = TNation{};
        GunCalibres[12].BaseRange = 10;
        GunCalibres[12].BaseRateOfFire = 0;
        GunCalibres[12].MaxRange = 20;
        GunCalibres[5].BaseRange = 0;
        GunRangeFactor = 10;
    }
    TFightingShip& firer(int type = stBB) {
        TFightingShip& f = battle.Add("A", type, 20000);
        f.FireControl = 3;
        f.BatteryCalibre[1] = 12;
        return f;
    }
    ZeroEnvironment env;
    Battle battle;
};

bool hasLine(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

} // namespace

TEST_F(HitChanceFixture, FullBreakdownInTheZeroEnvironment) {
    TFightingShip& a = firer();
    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4000));
    std::vector<std::string> lines;
    platform::ScopedRecordingMessages rec;
    const float c = GetGunHitChance(a, &t, 12, 1, 0, 0, &lines, false);
    EXPECT_EQ(lines, (std::vector<std::string>{"Target: UNSIGHTED!", "Range: 4000 yards", "Basic hit chance: 10.00",
                                               "Crew quality: 0", "Target size: 0", "Target low speed: + 10",
                                               "Fire control: 0 (Director)", "Near sighting range: -40",
                                               "Night firing: - 10", "Firing in mist: - 30",
                                               "Final hit chance: 4.78"}));
    EXPECT_NEAR(c, 10 * std::pow(0.9, 7), 1e-4);
    EXPECT_TRUE(rec.recorded.empty());
    // Without a list the result is the same.
    EXPECT_FLOAT_EQ(GetGunHitChance(a, &t, 12, 1, 0, 0, nullptr, false), c);
}

TEST_F(HitChanceFixture, BasicChanceRangeBandsAndYearCorrections) {
    TFightingShip& a = firer();
    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4001));
    std::vector<std::string> lines;
    GetGunHitChance(a, &t, 12, 1, 0, 0, &lines, false);
    EXPECT_EQ(lines[2], "Basic hit chance: 9.00");   // 4 * 10000 / 4001 * 0.9 = 8.998
    CurrentYear = 0;   // 0.8 before 1909; a 14-inch gun loses 0.8 again
    GunCalibres[14].BaseRange = 10;
    lines.clear();
    GetGunHitChance(a, &t, 14, 1, 0, 0, &lines, false);
    EXPECT_EQ(lines[2], "Basic hit chance: 5.76");   // 6400 yards: 4 * 6400 / 4001 * 0.9
}

TEST_F(HitChanceFixture, RangingLines) {
    TFightingShip& dd = firer(stDD);
    dd.RangingTurns = 1;
    TFightingShip& t1 = battle.Add("T1", stBB, 20000, Battle::At(0, 3999));
    std::vector<std::string> lines;
    GetGunHitChance(dd, &t1, 12, 1, 0, 0, &lines, false);
    EXPECT_TRUE(hasLine(lines, "Ranging: -20"));
    EXPECT_TRUE(hasLine(lines, "DD firing: -50"));
    lines.clear();
    GetGunHitChance(dd, &t1, 12, 1, 0, 0, &lines, true);
    EXPECT_FALSE(hasLine(lines, "Ranging: -20"));

    battle.ships.clear();
    TFightingShip& bb = firer(stBB);
    bb.RangingTurns = 2;
    TFightingShip& t2 = battle.Add("T2", stBB, 20000, Battle::At(0, 4999));
    lines.clear();
    const float withRanging = GetGunHitChance(bb, &t2, 12, 1, 0, 0, &lines, false);
    EXPECT_TRUE(hasLine(lines, "Ranging: -30"));
    bb.RangingTurns = 0;
    const float without = GetGunHitChance(bb, &t2, 12, 1, 0, 0, nullptr, false);
    EXPECT_NEAR(withRanging, without * std::pow(0.9, 3), 1e-4);   // three points, printed as 30
}

TEST_F(HitChanceFixture, CrowdingAndBatteryLines) {
    TFightingShip& a = firer();
    TFightingShip& t = battle.Add("T", stDD, 700, Battle::At(0, 5000));
    t.FiringShips = 4;
    battle.Add("X1", stCL, 4000, Battle::At(0, 2000));
    battle.Add("X2", stCL, 4000, Battle::At(0, 3000));
    std::vector<std::string> lines;
    GetGunHitChance(a, &t, 12, 2, 0, 0, &lines, false);
    EXPECT_TRUE(hasLine(lines, "2 ships fouling the range: -30"));
    EXPECT_TRUE(hasLine(lines, "4 ships firing at same target: -30"));
    EXPECT_TRUE(hasLine(lines, "Secondary battery firing: -20"));
    EXPECT_TRUE(hasLine(lines, "Big guns firing at DD: -40"));
    EXPECT_TRUE(hasLine(lines, "Target size: -20"));
}

TEST_F(HitChanceFixture, FinalBanding) {
    struct Case { float raw; bool secondary; float banded; };
    for (const Case& c : {Case{10.4f, false, 10.0f}, Case{40.4f, false, 10.0f}, Case{40.6f, false, 11.0f},
                          Case{100.4f, false, 17.0f}, Case{100.6f, false, 100.6f}, Case{30.0f, true, 35.0f},
                          Case{9.9f, true, 9.9f}, Case{10.0f, false, 10.0f}})
        EXPECT_FLOAT_EQ(BandHitChance(c.raw, c.secondary), c.banded) << c.raw;
    EXPECT_EQ(FormatChance(4.782969f), "4.78");
    EXPECT_EQ(FormatChance(0.0f), "0.00");
}

TEST_F(HitChanceFixture, SeaStateAndTargetSize) {
    EXPECT_EQ(SeaStatePenalty(stBB, 11), 9);
    EXPECT_EQ(SeaStatePenalty(stBB, 14), 0);
    EXPECT_EQ(SeaStatePenalty(stDD, 11), 12);
    EXPECT_EQ(SeaStatePenalty(stDD, 2000), 12);
    EXPECT_EQ(SeaStatePenalty(stDD, 2001), 0);
    EXPECT_EQ(SeaStatePenalty(stCL, 13), 10);
    EXPECT_EQ(SeaStatePenalty(stAMC, 4), 0);
    EXPECT_EQ(SeaStatePenalty(stMS, 4), 1);
    Battle b2;
    TFightingShip& small = b2.Add("S", stTR, 2999);
    EXPECT_EQ(GetTargetSizeModifier(small, 8001), -4 + 4);
    TFightingShip& big = b2.Add("B", stBB, 29000);
    EXPECT_EQ(GetTargetSizeModifier(big, 8000), 1);
    EXPECT_EQ(GetTargetSizeModifier(big, 8001), 0);
}

TEST_F(HitChanceFixture, MessagesAndTheSilentZeroRange) {
    TFightingShip& a = firer();
    TFightingShip& same = battle.Add("Same", stBB, 20000);
    platform::ScopedRecordingMessages rec;
    std::vector<std::string> lines;
    EXPECT_EQ(GetGunHitChance(a, &same, 12, 1, 0, 0, &lines, false), 0.0f);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(rec.recorded.empty());
    same.SetPosition(Battle::At(180, 5000));   // out of the line of fire

    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4000));
    EXPECT_EQ(GetGunHitChance(a, &t, 5, 1, 0, 0, nullptr, false), 0.0f);
    a.CrewQuality = 60;
    GetGunHitChance(a, &t, 12, 1, 0, 0, nullptr, false);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Error in gun data!\rShip: BB A\rCalibre: 5",
                                                     "Warning! HitMod > 50! HitMod: 53\rShip: BB A Target: BB T"}));
}

TEST_F(HitChanceFixture, RateOfFire) {
    TFightingShip& a = firer();
    TFightingShip& t = battle.Add("T", stBB, 20000, Battle::At(0, 4000));
    // m = -5, steady course -3, no rounds carried -2 -2, no crew bonus -2.
    const double k = std::pow(0.9, 14);
    EXPECT_NEAR(GetRateOfFire(a, 12, 5999, true, &t, false, 0, 1), 1.0 * k, 1e-6);
    EXPECT_NEAR(GetRateOfFire(a, 12, 6000, true, &t, false, 0, 1), 0.8 * k, 1e-6);
    EXPECT_NEAR(GetRateOfFire(a, 12, 21000, true, &t, false, 0, 1), 0.5 * k, 1e-6);
    a.CurrentTurn = 25;   // 21..30 costs nothing
    EXPECT_NEAR(GetRateOfFire(a, 12, 5000, true, &t, false, 0, 1), std::pow(0.9, 11), 1e-6);
    a.CurrentTurn = -40;
    EXPECT_NEAR(GetRateOfFire(a, 12, 5000, true, &t, false, 0, 1), std::pow(0.9, 19), 1e-6);
    a.CurrentTurn = 41;
    EXPECT_NEAR(GetRateOfFire(a, 12, 5000, true, &t, false, 0, 1), std::pow(0.9, 41), 1e-6);
    EXPECT_NEAR(GetRateOfFire(a, 6, 5000, true, &t, false, 0, 1), std::pow(0.9, 23), 1e-6);
    a.CurrentTurn = 0;
    a.CrewQuality = 44;   // m = 30: capped at 4.0
    EXPECT_FLOAT_EQ(GetRateOfFire(a, 12, 5000, true, &t, false, 0, 1), 4.0f);
    a.CrewQuality = 45;   // m = 31
    EXPECT_FLOAT_EQ(GetRateOfFire(a, 12, 5000, true, &t, false, 0, 1), 0.0f);
}

TEST_F(HitChanceFixture, MaxGunRange) {
    TFightingShip& a = firer();
    EXPECT_EQ(MaxGunRange(a, 1), 20000);
    a.BatteryQuality[1] = 2;
    EXPECT_EQ(MaxGunRange(a, 1), 24000);
    a.BatteryQuality[1] = 0;
    a.ShipType = stDD;
    EXPECT_EQ(MaxGunRange(a, 1), 19500);
    a.ShipType = stBB;
    CurrentYear = 1905;
    GunCalibres[13].MaxRange = 20;
    a.BatteryCalibre[1] = 13;
    EXPECT_EQ(MaxGunRange(a, 1), 17400);
    GunCalibres[13].MaxRange = 2000000;
    GunRangeFactor = 1000;   // the product only fits in 64 bits
    CurrentYear = 1915;
    EXPECT_EQ(MaxGunRange(a, 1), 2147483647);
    EXPECT_EQ(MaxGunRange(a, 4), 0);
}
