#include <gtest/gtest.h>

#include "CombatTestSupport.h"
#include "platform/DayNumber.h"
#include "platform/Messages.h"
#include "tests/ScopedMessages.h"

using combattest::Battle;

namespace {
double june21(int hour) { return platform::dayNumberFromDate({1915, 6, 21}) + hour / 24.0; }
TGeoPoint degrees(double lon, double lat) {
    return TGeoPoint{static_cast<std::int32_t>(lon * kGlobeUnitsPerDegree),
                     static_cast<std::int32_t>(lat * kGlobeUnitsPerDegree), 0};
}
// A battle whose firer stands at the origin and target 10,000 yards north.
struct SightingTest : ::testing::Test {
    Battle battle;
    BattleEnvironment& env = battle.env;
    TFightingShip& firer = battle.Add("A", stBB, 20000);
    TFightingShip& target = battle.Add("T", stBB, 20000, Battle::At(0, 10000));
};
} // namespace

TEST(Sighting, LightConditions) {
    // The sun stands over 23.4 N at noon; 93 and 97 degrees away it is 3 and 7
    // below. Absurd dates count as the zero date.
    struct Case {
        double lat, date;
        TLightCondition light;
    };
    for (const Case& c :
         {Case{23, june21(12), lcDay}, Case{23, june21(0), lcNight}, Case{23.43 - 93, june21(12), lcDusk},
          Case{23.43 - 97, june21(12), lcNight}, Case{0, 0.0, lcNight}, Case{0, 1e300, lcNight}})
        EXPECT_EQ(LightConditionAt(degrees(0, c.lat), c.date), c.light) << c.lat << " " << c.date;
}

TEST_F(SightingTest, SightingRanges) {
    env.DateTime = june21(12);
    env.DayRange = 10000;
    env.DuskRange = 5000;
    for (auto [type, tons, range] :
         {std::tuple{stDD, 900, 8000}, std::tuple{stCL, 4000, 9000}, std::tuple{stBB, 20000, 10000}})
        EXPECT_EQ(GetSightingRange(battle.ctx(), &battle.Add("S", type, tons), false), range) << tons;
    TFightingShip& ca = battle.Add("CA", stCA, 12000, degrees(0, 23.43 - 93));
    ca.CurrentSpeed = 24;
    EXPECT_EQ(GetSightingRange(battle.ctx(), &ca, false), 5600);
    EXPECT_EQ(ca.LightCondition, lcDusk);
    ca.SightingExempt = true;
    EXPECT_EQ(GetSightingRange(battle.ctx(), &ca, false), 5600);
    EXPECT_EQ(GetSightingRange(battle.ctx(), nullptr, false), 0);
    EXPECT_EQ(SightingTypeFactor(battle.Add("D2", stDD, 900), 555), 444);
}

TEST_F(SightingTest, ZeroEnvironmentGivesOnlyTheSpeedBonus) {
    TFightingShip& bb = firer;
    EXPECT_EQ(GetSightingRange(battle.ctx(), &bb, false), 0);
    bb.CurrentSpeed = 19;
    EXPECT_EQ(GetSightingRange(battle.ctx(), &bb, false), 300);
    platform::ScriptedRandom random;
    battle.random = &random;
    random.push(2); // mist: -500 + 1000
    EXPECT_EQ(GetSightingRange(battle.ctx(), &bb, true), 800);
    EXPECT_TRUE(env.IsMistOrRain());
}

TEST_F(SightingTest, Glare) {
    // Near the equinox the sun stands over the equator at noon: at 87 E it is
    // 3 degrees up in the west, and 800,000 yards further east it has set.
    env.DateTime = platform::dayNumberFromDate({1915, 3, 21}) + 0.5;
    TFightingShip& s = battle.Add("S", stBB, 20000, degrees(87, 0));
    EXPECT_FALSE(HasGlare(env, s));
    env.Weather = 2;
    EXPECT_TRUE(HasGlare(env, s));
    s.SetPosition(degrees(0, 0));
    EXPECT_FALSE(HasGlare(env, s));
}

TEST_F(SightingTest, ShipsInBetween) {
    // Within 300 yards of the line and within 70 degrees of it as the firer
    // sees it, afloat, neither firer nor target; of its own side unless asked.
    battle.Add("Near", stDD, 900, PointAtBearing(Battle::At(0, 5000), 90, 10));
    battle.Add("Edge", stDD, 900, PointAtBearing(Battle::At(0, 5000), 90, 299));
    battle.Add("Wide", stDD, 900, PointAtBearing(Battle::At(0, 5000), 90, 301));
    battle.Add("Abeam", stDD, 900, Battle::At(80, 200)); // 197 yards off the line, but 80 degrees off it
    battle.Add("Beyond", stDD, 900, Battle::At(0, 12000));
    TFightingShip& sunk = battle.Add("Sunk", stDD, 900, Battle::At(0, 6000));
    sunk.Sunk = true;
    TFightingShip& enemy = battle.Add("Enemy", stDD, 900, Battle::At(0, 7000));
    enemy.Side = 1;
    EXPECT_EQ(CountShipsInBetween(battle.ctx(), firer, &target, true), 3);
    EXPECT_EQ(CountShipsInBetween(battle.ctx(), firer, &target, false), 2);
}

TEST_F(SightingTest, NoShipLayer) {
    TMap empty;
    env.Map = &empty;
    platform::ScopedRecordingMessages rec;
    EXPECT_EQ(CountShipsInBetween(battle.ctx(), firer, &firer, true), 0);
    EXPECT_EQ(GetSmokeInterference(battle.ctx(), firer, &firer, true), 0);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>(2, "Warning! No shiplayer in CountShipsInBetween procedure!")));
}

TEST_F(SightingTest, SmokeAcrossTheLineOfFireScaledBySeaState) {
    TFightingShip& smoker = battle.Add("S", stBB, 20000, PointAtBearing(Battle::At(0, 3000), 90, 300));
    smoker.SmokeTrail->Chain(0).Add(Battle::At(0, 4000));
    smoker.SmokeTrail->Chain(0).Add(Battle::At(0, 4500));
    smoker.SmokeTrail->Chain(0).Add(PointAtBearing(Battle::At(0, 4500), 90, 1000)); // off the line
    // A map without a smoke layer gives the points as found, unscaled and unreported.
    platform::ScopedRecordingMessages rec;
    env.SeaState = 0;
    EXPECT_EQ(GetSmokeInterference(battle.ctx(), firer, &target, true), 8);
    EXPECT_TRUE(rec.texts().empty());
    battle.map.LayerByName(kSmokeLayerName);
    const std::pair<int, int> expected[] = {{0, 2}, {5, 2}, {6, 2}, {9, 2}, {10, 1}, {17, 1}, {18, 8}, {20, 8}};
    for (auto [sea, result] : expected) {
        env.SeaState = sea;
        EXPECT_EQ(GetSmokeInterference(battle.ctx(), firer, &target, false), result) << sea;
    }
    env.SeaState = 0;
    GetSmokeInterference(battle.ctx(), firer, &target, true);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"BB A LOS to BB T\rA LOS to T blocked by smoke from S 4"
                                                     "\rA LOS to T blocked by smoke from S 4\rTotal: 8 Effect: 2"}));
}

TEST_F(SightingTest, SmokeFloatsAndAnEmptyReport) {
    TGeoObjectStore& floats = battle.map.LayerByName(kSmokeLayerName).Objects();
    TSmokeFloat lonely(&floats);
    lonely.Chain(0).Add(Battle::At(0, 5000)); // one point: nothing to test
    TSmokeFloat real(&floats);
    real.Chain(0).Add(Battle::At(0, 6000));
    real.Chain(0).Add(Battle::At(0, 6100));
    real.SetPosition(Battle::At(0, 6000));
    platform::ScopedRecordingMessages rec;
    env.SeaState = 20;
    EXPECT_EQ(GetSmokeInterference(battle.ctx(), firer, &target, true), 4);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"BB A LOS to BB T\rA LOS to T blocked by smoke from smokefloat1  4"
                                                     "\rTotal: 4 Effect: 1"}));
    rec.clear();
    real.Chain(0).Clear();
    GetSmokeInterference(battle.ctx(), firer, &target, true);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"BB A LOS to BB T\rTotal: 0 Effect: 0"}));
}
