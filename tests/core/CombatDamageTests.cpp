#include <gtest/gtest.h>

#include "CombatTestSupport.h"
#include "combat/Damage.h"
#include "platform/Messages.h"
#include "platform/Round.h"
#include "tests/ScopedMessages.h"

using combattest::Battle;

namespace {
void addTurrets(TFightingShip& s, int count, int working) {
    for (int i = 0; i < count; ++i) {
        auto t = std::make_unique<TFightingTurret>();
        t->Guns = 1;
        t->Position = 'A';
        t->Knocked = i >= working;
        s.Turrets.push_back(std::move(t));
    }
}
struct CombatDamage : ::testing::Test {
    Battle battle;
};
} // namespace

TEST_F(CombatDamage, DamagePercentage) {
    TFightingShip& s = battle.Add("S", stCA, 10000);
    s.OriginalHitPoints = 1000;
    s.HitPoints = 600;
    s.OriginalFlotation = 1000;
    s.Flotation = 800;
    EXPECT_EQ(GetDamagePercentage(s, platform::messages()), 45);
    addTurrets(s, 2, 2);
    EXPECT_EQ(GetDamagePercentage(s, platform::messages()), 46); // 100 - 45 is odd
    s.Turrets.clear();
    s.HitPoints = 800;
    s.Flotation = 400;
    EXPECT_EQ(GetDamagePercentage(s, platform::messages()), 40);
    s.Flotation = 1000;
    s.HitPoints = 600; // d = 40
    addTurrets(s, 10, 5);
    EXPECT_EQ(GetDamagePercentage(s, platform::messages()), 55);
    s.Turrets.clear();
    s.Speed = 20;
    for (auto [percent, damage] : {std::pair{40, 70}, {41, 60}, {61, 40}}) {
        s.SpeedPercent = percent;
        EXPECT_EQ(GetDamagePercentage(s, platform::messages()), damage) << percent;
    }
}

TEST_F(CombatDamage, ZeroHitPointsIsReportedNotDividedBy) {
    TFightingShip& s = battle.Add("Nil", stDD, 0);
    platform::ScopedRecordingMessages rec;
    EXPECT_EQ(GetDamagePercentage(s, platform::messages()), 0);
    EXPECT_EQ(HullDamagePercent(s), 0);
    EXPECT_EQ(FuelPercentage(s, platform::messages()), 0);
    EXPECT_EQ(rec.texts(),
              (std::vector<std::string>{
                  "Debug: Error in GetDamagePercentage procedure!\rDD Nil\r\rFloating point division by zero",
                  "Warning! Ship: DD Nil has zero original endurance!"}));
}

TEST_F(CombatDamage, MaxSpeedNow) {
    TFightingShip& s = battle.Add("S", stCL, 4000);
    s.Speed = 20;
    s.Fuel = 100;
    s.OriginalHitPoints = 1000;
    s.HitPoints = 750;
    EXPECT_EQ(MaxSpeedNow(s), 18); // loss 25, half 12.5 -> 12, k 88, 17.6
    s.HitPoints = 1000;
    s.Displacement = 1400;
    s.EngineDamage = true;
    EXPECT_EQ(MaxSpeedNow(s), 0);
    s.Displacement = 1401;
    EXPECT_EQ(MaxSpeedNow(s), 10);
    s.EngineDamage = false;
    s.GratesFouling = 401;
    EXPECT_EQ(MaxSpeedNow(s), 18);
    s.GratesFouling = 0;
    s.Fuel = 0;
    EXPECT_EQ(MaxSpeedNow(s), 5);
    for (auto [sea, knots] : {std::pair{6, 23}, {50, 15}, {51, 50}}) EXPECT_EQ(MaxSpeedForSea(sea), knots) << sea;
}

TEST_F(CombatDamage, FuelAndEndurance) {
    TFightingShip& s = battle.Add("S", stCL, 4000);
    s.OriginalFlotation = s.Flotation = 1000;
    // {high-speed coal, flotation left (400: 60 % flooding), knots, factor}
    struct Case {
        bool hsc;
        int flotation, knots, factor;
    };
    for (const Case& c :
         {Case{true, 1000, 16, 450}, Case{false, 1000, 16, 460}, Case{false, 400, 16, 506}, Case{true, 400, 16, 495},
          Case{true, 1000, 0, 10}, Case{true, 1000, 101, 10000}, Case{true, 1000, 33, 7300}}) {
        s.HSC = c.hsc;
        s.Flotation = c.flotation;
        EXPECT_EQ(GetFuelConsumptionFactor(s, c.knots), c.factor) << c.hsc << " " << c.flotation << " " << c.knots;
    }
    s.Fuel = 1000;
    EXPECT_EQ(GetRemainingRange(s, 0, platform::messages()), 500);
    EXPECT_EQ(GetRemainingRange(s, 20, platform::messages()), 21); // 1000 * 20 / 940
    s.SinkingCount = 1;
    EXPECT_EQ(GetRemainingRange(s, 20, platform::messages()), 0);
}

TEST_F(CombatDamage, PointValue) {
    TFightingShip& s = battle.Add("S", stBB, 20000);
    // (2000 + 20000) div 2 = 11000; belt 0 -> q 98; 10780; no guns.
    EXPECT_EQ(PointValue(s, 0), 10780);
    s.ArmorB = 12;
    EXPECT_EQ(PointValue(s, 0), 11220);
    s.Speed = 25; // + 5 * (11000 div 50)
    EXPECT_EQ(PointValue(s, 0), platform::Round32((11000 + 5 * 220) * 1.02L));
    TFightingShip& tiny = battle.Add("T", stLT, 1000);
    EXPECT_EQ(PointValue(tiny, 0), 100); // raised to a tenth of the displacement
    EXPECT_EQ(CurrentPointValue(tiny, 0, platform::messages()), 100);
}
