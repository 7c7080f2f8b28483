// The engagement computation, ships ready for battle, the names of weather
// and sea states, and sdftool engage's planner options.
#include "tests/core/TestSupport.h"

#include "combat/Damage.h"
#include "combat/Duel.h"
#include "combat/EnvironmentNames.h"
#include "combat/FightShip.h"
#include "combat/Protection.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "designfile/DesignRecord.h"
#include "platform/DayNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

std::string design(const std::string& name) { return testsupport::programDir() + "Designs/" + name + ".sdf"; }

// Dreadnought against Scharnhorst, loaded as sdftool engage loads them.
struct Pair {
    Pair(const char* own = "Dreadnought", const char* opponent = "Scharnhorst") {
        platform::ScopedRecordingMessages quiet;
        const ProgramData& data = testsupport::bundledData();
        ships.Own = CreateShipOnLayer(design(own), own, *ships.Map, data.Preferences, quiet);
        ships.Opponent = CreateShipOnLayer(design(opponent), opponent, *ships.Map, data.Preferences, quiet);
    }
    EngagementShips ships;
};

// The bundled tables and an environment; the engagement seeds its own draws.
CombatContext context(const BattleEnvironment& env) {
    static platform::SeededRandom unused;
    return {testsupport::bundledData(), env, unused, platform::messages()};
}

bool hasLine(const FireFigures& f, const std::string& line) {
    return std::find(f.Breakdown.begin(), f.Breakdown.end(), line) != f.Breakdown.end();
}

} // namespace

TEST(Readiness, FuelForTheRangeSettingAndRoundsForEveryGun) {
    Pair pair;
    TFightingShip& ship = *pair.ships.Own; // Dreadnought: 21 knots, 10 x 12in, 24 x 3in
    EXPECT_EQ(MaxSpeedNow(ship), 5);       // the bare ship, as the rules' callers see it
    EXPECT_EQ(GetRemainingRange(ship, 16, platform::messages()), 0);
    for (int rangeClass : {0, 1, 2, 3, -1, 9}) {
        MakeReadyForBattle(ship, rangeClass);
        EXPECT_EQ(GetRemainingRange(ship, kCruisingSpeed, platform::messages()), EnduranceMiles(rangeClass))
            << rangeClass;
    }
    EXPECT_EQ(EnduranceMiles(9), 5000);
    EXPECT_EQ(MaxSpeedNow(ship), 21);
    EXPECT_EQ(ship.RoundsCarriedMain, 10 * 100);
    EXPECT_EQ(ship.RoundsCarriedTertiary, 24 * 250);
    EXPECT_EQ(DesignRangeClass(ReadDesignRecord(design("Dreadnought"))), 2);
}

TEST(Readiness, ADesignHeldInMemoryLoadsAsItsFile) {
    const DesignRecord file = ReadDesignRecord(design("Kongo"));
    std::vector<std::string> lines;
    std::ifstream in(design("Kongo"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    TFightingShip fromFile(nullptr), fromLines(nullptr);
    ASSERT_TRUE(fromFile.LoadFromDesignRecord(file, platform::messages()));
    ASSERT_TRUE(fromLines.LoadFromDesignRecord(ParseDesignRecord(lines, "Kongo"), platform::messages()));
    EXPECT_EQ(fromLines.ClassName, "Kongo");
    EXPECT_EQ(fromLines.Displacement, fromFile.Displacement);
    EXPECT_EQ(fromLines.Turrets.size(), fromFile.Turrets.size());
    EXPECT_EQ(fromLines.SecNo, fromFile.SecNo);
}

TEST(EnvironmentNames, NamesAndNumbersBothRead) {
    for (auto [text, weather] : {std::pair<const char*, std::optional<int>>{"Heavy-Rain", 7},
                                 {" clear ", 2},
                                 {"6", 6},
                                 {"drizzle", std::nullopt}})
        EXPECT_EQ(WeatherFromText(text), weather) << text;
    EXPECT_EQ(SeaStateFromText("near_gale"), 7);
    EXPECT_EQ(SeaStateFromText("14"), 14); // numbers beyond the names are the rules' to judge
    EXPECT_EQ(SeaStateName(12), "hurricane");
    EXPECT_EQ(WeatherName(9), "9");
    EXPECT_EQ(DefaultSightingRanges(2).Day, 20000);
    EXPECT_EQ(DefaultSightingRanges(7).Night, 1000);
}

TEST(Engagement, GunsBearingBeyondGunRangeAndHitsPerMinute) {
    Pair pair;
    EngagementScenario s;
    s.Range = 9000;
    s.Bearing = 90; // on Dreadnought's starboard beam
    const EngagementFigures f = ComputeEngagement(context({}), pair.ships, s, true);
    const BatteryFigures& main = f.Own.Fire;
    EXPECT_EQ(main.GunsBearing, 8); // A, E, W, Y; the port wing turret D does not bear
    EXPECT_EQ(std::string(f.Own.TurretsBearing.begin(), f.Own.TurretsBearing.end()), "AEWY");
    EXPECT_FALSE(main.BeyondGunRange);
    EXPECT_DOUBLE_EQ(main.HitsPerMinute, 8.0 * main.RateOfFire * main.HitChance / 100.0);
    ASSERT_EQ(f.Own.Batteries.size(), 2u);         // main and tertiary; Dreadnought has no secondary guns
    EXPECT_EQ(f.Own.Batteries[1].GunsBearing, 12); // the starboard half of 24
    EXPECT_EQ(f.Opponent.RelativeBearing, 270);

    s.Range = main.MaxGunRange + 100;
    const EngagementFigures far = ComputeEngagement(context({}), pair.ships, s, false);
    EXPECT_TRUE(far.Own.Fire.BeyondGunRange);
    EXPECT_GT(far.Own.Fire.HitChance, 0.0f); // the rules still give a chance
    EXPECT_EQ(far.Own.Fire.HitsPerMinute, 0.0);
}

TEST(Engagement, LightFromTheEnvironmentLetsTheFirersDuskRowApply) {
    Pair pair;
    BattleEnvironment env;
    env.Year = 1916;
    env.SetClock(platform::dayNumberFromDate({1916, 5, 31}) + 20.5 / 24); // dusk in the North Sea
    env.Weather = 2;
    env.DayRange = 20000, env.DuskRange = 10000, env.NightRange = 4000;
    EngagementScenario s;
    s.Range = 9000;
    s.Bearing = 120; // away from the setting sun
    s.Place = SeaAreaPoint(56.5, 5.5);
    for (bool light : {false, true}) {
        s.LightFromEnvironment = light;
        const EngagementFigures f = ComputeEngagement(context(env), pair.ships, s, false);
        EXPECT_EQ(f.Own.LightCondition, 3);
        EXPECT_EQ(hasLine(f.Own, "Target in dusk: -20"), light);
    }
}

// The year of play takes the nations' figures of its own block: Britain
// fights at night at -1 until 1916 and at 0 from 1917 (Data/Nations.dat);
// year 0, the designer's, reads the 1914 block.
TEST(Engagement, TheYearOfPlayTakesItsNationsBlock) {
    Pair pair;
    BattleConditions night = PlannerConditions();
    night.DateTime = platform::dayNumberFromDate({1916, 12, 1}) + 2.0 / 24;
    EngagementScenario s = PlannerScenario(3000);
    for (auto [year, line] : {std::pair{0, true}, {1905, true}, {1916, true}, {1917, false}, {1930, false}}) {
        night.Year = year;
        const EngagementFigures f = ComputeEngagement(context(BuildBattleEnvironment(night)), pair.ships, s, false);
        EXPECT_EQ(hasLine(f.Own, "Nightfighting ability: -10"), line) << year;
    }
    EXPECT_EQ(&testsupport::bundledData().NationsOf(0), &testsupport::bundledData().Nations);
}

TEST(Engagement, ASweepRowIsTheEngagementAtThatRange) {
    Pair pair;
    EngagementScenario s;
    s.Bearing = 45;
    const std::vector<SweepRow> rows = SweepEngagement(context({}), pair.ships, s, 1000, 21000, 5000);
    ASSERT_EQ(rows.size(), 5u);
    s.Range = 16000;
    s.AllBatteries = true; // more batteries one way draw nothing from the other way
    const EngagementFigures f = ComputeEngagement(context({}), pair.ships, s, true);
    EXPECT_EQ(rows[3].Own.HitChance, f.Own.Fire.HitChance);
    EXPECT_EQ(rows[3].Opponent.RateOfFire, f.Opponent.Fire.RateOfFire); // mist: the same seeded draws
    EXPECT_TRUE(SweepEngagement(context({}), pair.ships, s, 5000, 1000, 100).empty());
}

// What each way pierces and the target's zone are the protection rules,
// except that beyond a battery's reach no shell lands to pierce anything.
TEST(Engagement, PiercingAndZonesAreTheProtectionRulesWithinGunRange) {
    Pair pair;
    const WeaponTables& w = testsupport::bundledData().Weapons;
    const TFightingShip& dreadnought = *pair.ships.Own;
    TFightingShip& scharnhorst = *pair.ships.Opponent;
    scharnhorst.BatteryQuality[1] = -1; // her 8-inch guns reach 16,200 yards, short of their curves' end
    EngagementScenario s;
    s.Bearing = 90;
    const struct {
        double range;
        bool belt, deck, returnDeck; // 12-inch on a 6-inch belt and 1-inch deck; 8-inch on a 2-inch deck
    } cases[] = {{9000, true, false, false}, {16100, true, true, true}, {17000, true, true, false}};
    for (const auto& c : cases) {
        s.Range = c.range;
        const EngagementFigures f = ComputeEngagement(context({}), pair.ships, s, true);
        const Piercing own = MainBatteryPiercing(w, dreadnought, scharnhorst, f.Own.Range);
        const Piercing back = MainBatteryPiercing(w, scharnhorst, dreadnought, f.Opponent.Range);
        EXPECT_EQ(std::tie(f.Own.Fire.Pierces.Belt, f.Own.Fire.Pierces.Deck), std::tie(own.Belt, own.Deck)) << c.range;
        EXPECT_EQ(f.Opponent.Fire.Pierces.Deck, back.Deck && !f.Opponent.Fire.BeyondGunRange) << c.range;
        // The 8-inch deck curve still pierces at 17,000 yards, past the guns' reach.
        EXPECT_EQ(std::make_tuple(own.Belt, own.Deck, back.Deck, f.Opponent.Fire.Pierces.Deck),
                  std::make_tuple(c.belt, c.deck, c.range > 15000, c.returnDeck))
            << c.range;
        EXPECT_DOUBLE_EQ(f.Opponent.TargetZone.DeckSafeWithin, ImmuneBand(w, scharnhorst, dreadnought).DeckSafeWithin);
        EXPECT_TRUE(f.Opponent.TargetZone.HasZone() && !f.Own.TargetZone.HasZone());
    }
}

TEST(Engagement, TheLeadChangesOnlyOnAClearMargin) {
    auto row = [](std::int32_t r, double own, double opponent) {
        SweepRow x;
        x.Range = r;
        x.Own.HitsPerMinute = own;
        x.Opponent.HitsPerMinute = opponent;
        return x;
    };
    const std::vector<SweepRow> rows = {row(1000, 2, 1), row(2000, 1, 1.02), row(3000, 1, 2),
                                        row(4000, 0, 0), row(5000, 0, 1),    row(6000, 1, 0)};
    const std::vector<AdvantageChange> changes = AdvantageChanges(rows);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_TRUE(changes[0].Own && changes[0].Range == 1000);
    EXPECT_TRUE(!changes[1].Own && changes[1].Range == 3000); // 2000 is even: within a twentieth
    EXPECT_TRUE(changes[2].Own && changes[2].Range == 6000);
    // The margin's edge: within a twentieth of the larger is even, beyond it a lead.
    const struct {
        double own, opponent;
        int leader; // 1 own, -1 opponent, 0 even
    } edges[] = {{1, 1.05, 0}, {1, 1.06, -1}, {1.05, 1, 0}, {1.06, 1, 1}, {0.96, 1, 0}, {0.94, 1, -1}, {1, 0, 1}};
    for (const auto& e : edges) {
        const std::vector<AdvantageChange> lead = AdvantageChanges({row(1000, e.own, e.opponent)});
        EXPECT_EQ(lead.empty() ? 0 : (lead[0].Own ? 1 : -1), e.leader) << e.own << " v " << e.opponent;
    }
}
