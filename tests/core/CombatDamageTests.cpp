#include <gtest/gtest.h>

#include "CombatTestSupport.h"
#include "combat/Damage.h"
#include "platform/Messages.h"
#include "platform/Round.h"

using combattest::Battle;
using combattest::ZeroEnvironment;

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
} // namespace

TEST(CombatDamage, DamagePercentage) {
    Battle battle;
    TFightingShip& s = battle.Add("S", stCA, 10000);
    s.OriginalHitPoints = 1000;
    s.HitPoints = 600;
    s.OriginalFlotation = 1000;
    s.Flotation = 800;
    EXPECT_EQ(GetDamagePercentage(s), 45);
    addTurrets(s, 2, 2);
    EXPECT_EQ(GetDamagePercentage(s), 46);   // 100 - 45 is odd
    s.Turrets.clear();
    s.HitPoints = 800;
    s.Flotation = 400;
    EXPECT_EQ(GetDamagePercentage(s), 40);
    s.Flotation = 1000;
    s.HitPoints = 600;   // d = 40
    addTurrets(s, 10, 5);
    EXPECT_EQ(GetDamagePercentage(s), 55);
    s.Turrets.clear();
    s.Speed = 20;
    s.SpeedPercent = 40;
    EXPECT_EQ(GetDamagePercentage(s), 70);
    s.SpeedPercent = 41;
    EXPECT_EQ(GetDamagePercentage(s), 60);
    s.SpeedPercent = 61;
    EXPECT_EQ(GetDamagePercentage(s), 40);
}

TEST(CombatDamage, ZeroHitPointsIsReportedNotDividedBy) {
    Battle battle;
    TFightingShip& s = battle.Add("Nil", stDD, 0);
    platform::ScopedRecordingMessages rec;
    EXPECT_EQ(GetDamagePercentage(s), 0);
    EXPECT_EQ(HullDamagePercent(s), 0);
    EXPECT_EQ(FuelPercentage(s), 0);
    EXPECT_EQ(rec.texts(),
              (std::vector<std::string>{
                  "Debug: Error in GetDamagePercentage procedure!\rDD Nil\r\rFloating point division by zero",
                  "Warning! Ship: DD Nil has zero original endurance!"}));
}

TEST(CombatDamage, MaxSpeedNow) {
    Battle battle;
    TFightingShip& s = battle.Add("S", stCL, 4000);
    s.Speed = 20;
    s.Fuel = 100;
    s.OriginalHitPoints = 1000;
    s.HitPoints = 750;
    EXPECT_EQ(MaxSpeedNow(s), 18);   // loss 25, half 12.5 -> 12, k 88, 17.6
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
    EXPECT_EQ(MaxSpeedForSea(6), 23);
    EXPECT_EQ(MaxSpeedForSea(50), 15);
    EXPECT_EQ(MaxSpeedForSea(51), 50);
}

TEST(CombatDamage, FuelAndEndurance) {
    Battle battle;
    TFightingShip& s = battle.Add("S", stCL, 4000);
    s.OriginalFlotation = s.Flotation = 1000;
    s.HSC = true;
    EXPECT_EQ(GetFuelConsumptionFactor(s, 16), 450);
    s.HSC = false;
    EXPECT_EQ(GetFuelConsumptionFactor(s, 16), 460);
    s.Flotation = 400;   // 60 % flooding
    EXPECT_EQ(GetFuelConsumptionFactor(s, 16), 506);
    s.HSC = true;
    EXPECT_EQ(GetFuelConsumptionFactor(s, 16), 495);
    s.Flotation = 1000;
    EXPECT_EQ(GetFuelConsumptionFactor(s, 0), 10);
    EXPECT_EQ(GetFuelConsumptionFactor(s, 101), 10000);
    EXPECT_EQ(GetFuelConsumptionFactor(s, 33), 7300);
    s.Fuel = 1000;
    EXPECT_EQ(GetRemainingRange(s, 0), 500);
    EXPECT_EQ(GetRemainingRange(s, 20), 21);   // 1000 * 20 / 940
    s.SinkingCount = 1;
    EXPECT_EQ(GetRemainingRange(s, 20), 0);
}

TEST(CombatDamage, PointValue) {
    ZeroEnvironment env;
    Battle battle;
    TFightingShip& s = battle.Add("S", stBB, 20000);
    // (2000 + 20000) div 2 = 11000; belt 0 -> q 98; 10780; no guns.
    EXPECT_EQ(PointValue(s), 10780);
    s.ArmorB = 12;
    EXPECT_EQ(PointValue(s), 11220);
    s.Speed = 25;   // + 5 * (11000 div 50)
    EXPECT_EQ(PointValue(s), platform::Round32((11000 + 5 * 220) * 1.02L));
    TFightingShip& tiny = battle.Add("T", stLT, 1000);
    EXPECT_EQ(PointValue(tiny), 100);   // raised to a tenth of the displacement
    EXPECT_EQ(CurrentPointValue(tiny), 100);
}
