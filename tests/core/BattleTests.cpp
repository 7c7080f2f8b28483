// Division battles: the battle state the positions give, one ship a side as
// the engagement planner's duel, scenario files good and bad, and sdftool
// battle against sdftool engage.
#include "tests/core/TestSupport.h"

#include "combat/BattleScenario.h"
#include "combat/Duel.h"
#include "combat/EnvironmentNames.h"
#include "combat/FightShip.h"
#include "combat/Readiness.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipLayer.h"
#include "combat/ShipTypes.h"
#include "combat/Squadron.h"
#include "platform/DayNumber.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <tuple>

using testsupport::programDir;

namespace {

std::string design(const std::string& name) { return programDir() + "Designs/" + name + ".sdf"; }

std::string side(const std::string& extra, const std::vector<std::string>& ships) {
    std::string text = "{" + extra + (extra.empty() ? "" : ", ") + "\"ships\": [";
    for (size_t i = 0; i < ships.size(); ++i) text += (i ? ", " : "") + ships[i];
    return text + "]}";
}
std::string ship(const std::string& name, const std::string& extra = "") {
    return "{\"design\": \"" + design(name) + "\"" + (extra.empty() ? "" : ", " + extra) + "}";
}
std::string scenario(const std::string& first, const std::string& second, const std::string& env = "{}") {
    return "{\"environment\": " + env + ", \"sides\": [" + first + ", " + second + "]}";
}

BattleScenario parse(const std::string& text) {
    std::string error;
    auto s = ParseBattleScenario(text, "", error);
    EXPECT_TRUE(s) << error;
    return s ? *s : BattleScenario{};
}

// The bundled tables and an environment; the battle seeds its own draws.
CombatContext context(const BattleEnvironment& env) {
    static platform::SeededRandom unused;
    return {testsupport::bundledData(), env, unused, platform::messages()};
}

bool hasLine(const ShipFire& s, const std::string& line) {
    return std::find(s.Fire.Breakdown.begin(), s.Fire.Breakdown.end(), line) != s.Fire.Breakdown.end();
}

} // namespace

// Two in line ahead heading north, the enemy dead ahead in line ahead to the
// east: the second ship's fire passes its leader (fouled); both fire at one
// enemy, which is under fire twice and receives 15-inch fire.
TEST(Battle, TheBattleStateComesFromThePositions) {
    const BattleScenario s =
        parse(scenario(side("\"course\": 0", {ship("Queen Elizabeth"), ship("Queen Elizabeth")}),
                       side("\"course\": 90, \"range\": 10000, \"bearing\": 0", {ship("Derfflinger")}),
                       R"({"datetime": "1916-05-31T15:00"})"));
    BattleShips ships;
    std::string why;
    ASSERT_TRUE(ships.Load(testsupport::bundledData(), s.Setup, &why)) << why;
    const BattleEnvironment env = s.Environment();
    const BattleFigures f = ComputeBattle(context(env), ships, s.Setup);
    ASSERT_EQ(f.Ships[0].size(), 2u);
    const ShipFire& lead = f.Ships[0][0];
    const ShipFire& second = f.Ships[0][1];
    EXPECT_EQ(lead.FoulingShips, 0);
    EXPECT_EQ(second.FoulingShips, 1);
    EXPECT_TRUE(hasLine(second, "1 ships fouling the range: -20"));
    EXPECT_EQ(second.Target, 0); // the enemy line is shorter: its last ship
    EXPECT_EQ(lead.FiringShips, 2);
    EXPECT_TRUE(hasLine(lead, "2 ships firing at same target: -20"));
    const ShipFire& enemy = f.Ships[1][0];
    EXPECT_EQ(enemy.UnderFire, 2);
    EXPECT_EQ(enemy.IncomingCalibre, 15);
    EXPECT_TRUE(hasLine(enemy, "Under fire: -10"));
    EXPECT_LT(second.Fire.Fire.HitChance, lead.Fire.Fire.HitChance);
    EXPECT_DOUBLE_EQ(f.Totals[0], lead.Fire.Fire.HitsPerMinute + second.Fire.Fire.HitsPerMinute);
    // Line ahead astern, line abreast to starboard; a search line spreads four times wider.
    EXPECT_EQ(GetRangeToShip(*ships.Sides[0][0], ships.Sides[0][1].get()), 500);
    EXPECT_EQ(GetTrueBearingToShip(*ships.Sides[0][0], ships.Sides[0][1].get(), platform::messages()), 180);
    BattleSetup abreast = s.Setup;
    abreast.Sides[0].Formation = fmLineAbreast;
    PlaceDivisions(ships, abreast);
    EXPECT_EQ(GetTrueBearingToShip(*ships.Sides[0][0], ships.Sides[0][1].get(), platform::messages()), 90);
    DivisionSide search;
    search.Formation = fmSearchLine;
    EXPECT_EQ(SideSpacing(search), 2000);
    // A chosen target outside the enemy line falls back to the ship in the
    // same place, or the last one.
    const struct {
        int target, index, enemies, fires;
    } targets[] = {{-1, 0, 3, 0}, {-1, 5, 3, 2}, {2, 0, 3, 2}, {3, 0, 3, 0}, {3, 4, 3, 2}, {0, 0, 0, -1}};
    for (const auto& t : targets) {
        DivisionShip firer;
        firer.Target = t.target;
        EXPECT_EQ(TargetOf(firer, t.index, t.enemies), t.fires) << t.target << " of " << t.enemies;
    }
}

namespace {

// A duel drawn at random: two bundled designs, a clock from 1905 to 1918, a
// place, weather and sea, and each ship's heading, speed, crew, ranging,
// how well it is seen, evading, and the battery both fire.
struct DuelSetting {
    std::string Own, Opponent;
    BattleConditions Conditions;
    EngagementScenario Scenario;
    std::string DateTime; // as a scenario file writes it
};

DuelSetting drawDuel(std::mt19937& g, const std::vector<std::string>& designs) {
    auto pick = [&g](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    DuelSetting d;
    d.Own = designs[static_cast<size_t>(pick(0, static_cast<int>(designs.size()) - 1))];
    d.Opponent = designs[static_cast<size_t>(pick(0, static_cast<int>(designs.size()) - 1))];
    const int y = pick(1905, 1918), mo = pick(1, 12), day = pick(1, 28), h = pick(0, 23), mi = pick(0, 59);
    char when[32];
    std::snprintf(when, sizeof when, "%04d-%02d-%02dT%02d:%02d", y, mo, day, h, mi);
    d.DateTime = when;
    BattleConditions& c = d.Conditions;
    c.Latitude = pick(-60, 70), c.Longitude = pick(-40, 150);
    c.DateTime = platform::dayNumberFromDate({y, mo, day}) + (h * 60 + mi) / 1440.0;
    c.Weather = pick(0, 7), c.SeaState = pick(0, 8);
    const SightingRanges r = DefaultSightingRanges(c.Weather);
    c.DayRange = r.Day, c.DuskRange = r.Dusk, c.NightRange = r.Night;
    EngagementScenario& s = d.Scenario;
    s.Range = pick(10, 200) * 100, s.Bearing = pick(0, 359), s.Place = c.Place();
    for (EngagementShipState* st : {&s.Own, &s.Opponent})
        *st = {.Heading = pick(0, 359),
               .Speed = pick(0, 30),
               .Turn = 0,
               .CrewQuality = pick(-2, 2),
               .RangingTurns = pick(0, 3),
               .SightingLevel = pick(0, 3),
               .Evading = pick(0, 1) == 1};
    s.Battery = pick(1, 3);
    s.LightFromEnvironment = true;
    return d;
}

std::string battleJson(const DuelSetting& d) {
    const BattleConditions& c = d.Conditions;
    auto shipOf = [&](const std::string& name, const EngagementShipState& st) {
        return ship(name, "\"crew\": " + std::to_string(st.CrewQuality) + ", \"ranging_turns\": " +
                              std::to_string(st.RangingTurns) + ", \"evading\": " + (st.Evading ? "true" : "false") +
                              ", \"sighting\": " + std::to_string(st.SightingLevel) +
                              ", \"battery\": " + std::to_string(d.Scenario.Battery));
    };
    auto course = [](const EngagementShipState& st) {
        return "\"course\": " + std::to_string(st.Heading) + ", \"speed\": " + std::to_string(st.Speed);
    };
    return scenario(side(course(d.Scenario.Own), {shipOf(d.Own, d.Scenario.Own)}),
                    side(course(d.Scenario.Opponent) + ", \"range\": " + std::to_string(d.Scenario.Range) +
                             ", \"bearing\": " + std::to_string(d.Scenario.Bearing),
                         {shipOf(d.Opponent, d.Scenario.Opponent)}),
                    "{\"lat\": " + std::to_string(c.Latitude) + ", \"lon\": " + std::to_string(c.Longitude) +
                        ", \"datetime\": \"" + d.DateTime + "\", \"weather\": " + std::to_string(c.Weather) +
                        ", \"sea_state\": " + std::to_string(c.SeaState) + "}");
}

void expectSameFire(const FireFigures& a, const FireFigures& b, bool batteries, const std::string& where) {
    EXPECT_EQ(std::tie(a.Range, a.TrueBearing, a.RelativeBearing, a.SightingRange, a.Sighted, a.LightCondition),
              std::tie(b.Range, b.TrueBearing, b.RelativeBearing, b.SightingRange, b.Sighted, b.LightCondition))
        << where;
    EXPECT_EQ(a.Breakdown, b.Breakdown) << where;
    EXPECT_EQ(std::tie(a.Glare, a.IdentificationText, a.TurretsBearing),
              std::tie(b.Glare, b.IdentificationText, b.TurretsBearing))
        << where;
    auto same = [&](const BatteryFigures& x, const BatteryFigures& y) {
        EXPECT_EQ(std::tie(x.Battery, x.HitChance, x.RateOfFire, x.GunsBearing, x.HitsPerMinute, x.BeyondGunRange),
                  std::tie(y.Battery, y.HitChance, y.RateOfFire, y.GunsBearing, y.HitsPerMinute, y.BeyondGunRange))
            << where;
        EXPECT_EQ(std::tie(x.MaxGunRange, x.Pierces.Belt, x.Pierces.Deck),
                  std::tie(y.MaxGunRange, y.Pierces.Belt, y.Pierces.Deck))
            << where;
    };
    same(a.Fire, b.Fire);
    if (!batteries) return;
    ASSERT_EQ(a.Batteries.size(), b.Batteries.size()) << where;
    for (size_t i = 0; i < a.Batteries.size(); ++i) same(a.Batteries[i], b.Batteries[i]);
}

std::vector<std::string> bundledDesigns() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(programDir() + "Designs"))
        if (entry.path().extension() == ".sdf") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// The duel is a battle of one ship a side: the planner's duel (every
// battery), sdftool engage's computation (its one battery) and a scenario
// file of one ship a side give the same figures and breakdowns both ways,
// in the clock's year of play, over 300 random settings.
TEST(Battle, TheDuelIsABattleOfOneShipASide) {
    const std::vector<std::string> designs = bundledDesigns();
    std::mt19937 g(27);
    for (int n = 0; n < 300; ++n) {
        const DuelSetting d = drawDuel(g, designs);
        const std::string where = std::to_string(n) + ": " + d.Own + " v " + d.Opponent + " " + d.DateTime;
        const BattleScenario battle = parse(battleJson(d));
        BattleShips ships;
        std::string why;
        ASSERT_TRUE(ships.Load(testsupport::bundledData(), battle.Setup, &why)) << why;
        const BattleEnvironment env = battle.Environment();
        ASSERT_EQ(env.Year, platform::dateFromDayNumber(static_cast<std::int64_t>(*d.Conditions.DateTime)).year);
        const BattleFigures b = ComputeBattle(context(env), ships, battle.Setup);

        EngagementShips pair;
        for (auto [slot, name] : {std::pair{&pair.Own, d.Own}, {&pair.Opponent, d.Opponent}}) {
            const DesignRecord record = ReadDesignRecord(design(name));
            platform::ScopedRecordingMessages quiet;
            *slot =
                CreateShipOnLayer(record, record.ClassName, *pair.Map, testsupport::bundledData().Preferences, quiet);
            MakeReadyForBattle(**slot, DesignRangeClass(record));
        }
        const BattleEnvironment duelEnv = BuildBattleEnvironment(d.Conditions);
        EngagementScenario tab = d.Scenario; // the planner's tab: the main battery, every battery
        tab.Battery = 1;
        EngagementScenario engage = d.Scenario; // sdftool engage: its one battery
        engage.AllBatteries = false;
        for (const EngagementScenario& e : {tab, engage}) {
            if (e.Battery != d.Scenario.Battery) continue; // the tab fires the main battery only
            const EngagementFigures f = ComputeEngagement(context(duelEnv), pair, e, true);
            expectSameFire(b.Ships[0][0].Fire, f.Own, e.AllBatteries, where);
            expectSameFire(b.Ships[1][0].Fire, f.Opponent, e.AllBatteries, where);
        }
        if (HasFailure()) return;
    }
}

TEST(Battle, BadScenariosNameThePlace) {
    const std::string one = side("", {ship("Dreadnought")});
    const std::string two = side("\"range\": 9000, \"bearing\": 90", {ship("Dreadnought")});
    const std::vector<std::string> nine(9, ship("Dreadnought"));
    const struct {
        std::string text, says;
    } cases[] = {
        // A text that is no JSON: where, and what was wanted there.
        {"{\"sides\": [", "line 1, column 12: the file ends too soon; expected a value"},
        {"{\n  \"sides\": [\n    {\"ships\": }", "line 3, column 15: expected a value"},
        // The end of the word read, counted in characters (é is one).
        {"{\"\xC3\xA9\": 1 \"b\": 2}", "line 1, column 11: expected ',' or '}'"},
        {"{\"sides\" []}", "line 1, column 10: expected ':' after the name"},
        {"{} []", "line 1, column 4: expected the end of the file after the value"},
        {" \n", "the file is empty"},
        {"[]", "scenario: not a JSON object"},
        {"{\"sides\": [" + one + "]}", "sides: not a list of two sides"},
        {scenario(one, side("\"bearing\": 90", {ship("Dreadnought")})), "sides[1].range: missing"},
        {scenario(one, side("\"range\": -5, \"bearing\": 90", {ship("Dreadnought")})),
         "sides[1].range: must lie within"},
        {scenario(one, side("\"range\": 1e300, \"bearing\": 90", {ship("Dreadnought")})), "sides[1].range: must lie"},
        {scenario(side("\"spacing\": 5", {ship("Dreadnought")}), two), "sides[0].spacing: must lie within 50"},
        {scenario(side("\"speed\": 900", {ship("Dreadnought")}), two), "sides[0].speed: must lie within"},
        {scenario(side("", {"{\"crew\": 1}"}), two), "sides[0].ships[0].design: missing"},
        {scenario(side("", {ship("Dreadnought", "\"target\": 1")}), two), "sides[0].ships[0].target: 1 is beyond"},
        {scenario(side("\"formation\": \"wedge\"", {ship("Dreadnought")}), two), "sides[0].formation: not a known"},
        {scenario(side("", nine), two), "sides[0].ships: 9 ships; a division has at most 8"},
        {scenario(one, two, R"({"datetime": "31/05/1916"})"), "environment.datetime: not YYYY-MM-DDTHH:MM"},
        {scenario(one, two, R"({"weather": "drizzle"})"), "environment.weather: not a known code or name"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseBattleScenario(c.text, "", error)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    // A battleship may not lead a search line.
    BattleScenario s = parse(scenario(side("\"formation\": \"search line\"", {ship("Dreadnought")}), two));
    BattleShips ships;
    ASSERT_TRUE(ships.Load(testsupport::bundledData(), s.Setup, nullptr));
    std::string error;
    EXPECT_FALSE(CheckFormations(s, ships, error));
    EXPECT_EQ(error, "sides[0].formation: A BB may lead only in line ahead or line abreast, not in Search line.");
}

// A scenario saved among the program's folders names their designs relative
// to itself, so the folder copied whole still finds them; a design elsewhere
// is named in full. The spacing is written only where it was set.
TEST(Battle, ASavedScenarioReadsBackTheSameFromAnotherFolder) {
    testsupport::TempDir dir, elsewhere;
    const std::string designs[] = {dir.copy(design("Lion"), "program/Designs/Lion.sdf"),
                                   dir.copy(design("Nassau"), "program/Scenarios/mine/Nassau.sdf"),
                                   elsewhere.copy(design("Dreadnought"), "Dreadnought.sdf")};
    BattleScenario s = parse(
        scenario(side("\"name\": \"BCF\", \"formation\": 1, \"spacing\": 700",
                      {ship("Dreadnought", "\"target\": 0, \"battery\": 3"), ship("Dreadnought"), ship("Dreadnought")}),
                 side("\"range\": 12000, \"bearing\": 100", {ship("Scharnhorst", "\"evading\": true")}),
                 R"({"datetime": "1915-01-24T09:00", "sea_state": "calm", "seed": 7})"));
    for (size_t i = 0; i < 3; ++i) s.Setup.Sides[0].Ships[i].Design = designs[i];
    const std::string text = BattleScenarioJson(s, dir.path() + "program/Scenarios", {dir.path() + "program/"});
    const std::string written[] = {"../Designs/Lion.sdf", "mine/Nassau.sdf", designs[2]};
    for (const std::string& path : written)
        EXPECT_NE(text.find("\"design\": \"" + path + "\""), std::string::npos) << path << "\n" << text;
    EXPECT_EQ(text.find("\"spacing\""), text.rfind("\"spacing\"")); // the second side keeps its formation's
    // Saved outside the program's folders, the program's designs are named in full.
    EXPECT_NE(BattleScenarioJson(s, elsewhere.path(), {dir.path() + "program"}).find(designs[0]), std::string::npos);

    std::filesystem::copy(dir.path() + "program", dir.path() + "copy", std::filesystem::copy_options::recursive);
    std::filesystem::remove_all(dir.path() + "program");
    std::string error;
    const auto back = ReadBattleScenario(dir.write("copy/Scenarios/Mine.json", text), error);
    ASSERT_TRUE(back) << error;
    const std::string found[] = {dir.path() + "copy/Designs/Lion.sdf", dir.path() + "copy/Scenarios/mine/Nassau.sdf",
                                 designs[2]};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back->Setup.Sides[0].Ships[i].Design, found[i]);
        EXPECT_FALSE(back->Setup.Sides[0].Ships[i].Record.ClassName.empty()) << found[i];
    }
    EXPECT_EQ(BattleScenarioJson(*back, dir.path() + "copy/Scenarios", {dir.path() + "copy"}), text);
    EXPECT_EQ(back->Environment().Year, 1915); // the clock's year of play
    EXPECT_EQ(text.find("\"year\""), std::string::npos);
    EXPECT_EQ(back->Setup.Sides[0].Ships[0].Battery, 3);
    // A year given is kept apart from the clock, and written back.
    s.Conditions.Year = 1913;
    const auto given = ParseBattleScenario(BattleScenarioJson(s, dir.path()), dir.path(), error);
    ASSERT_TRUE(given) << error;
    EXPECT_EQ(std::make_pair(given->Environment().Year, given->Conditions.YearOfPlay()), std::make_pair(1913, 1913));
}

namespace {

// sdftool engage with the planner's options for the same duel; no --year:
// the year of play is the clock's.
std::vector<std::string> engageArgs(const DuelSetting& d) {
    const EngagementScenario& e = d.Scenario;
    const BattleConditions& c = d.Conditions;
    std::vector<std::string> args = {"engage", "--data",  programDir(), design(d.Own), design(d.Opponent),
                                     "--both", "--ready", "--datetime", d.DateTime};
    const std::pair<const char*, double> values[] = {{"--range", e.Range},
                                                     {"--bearing", e.Bearing},
                                                     {"--lat", c.Latitude},
                                                     {"--lon", c.Longitude},
                                                     {"--weather", c.Weather},
                                                     {"--sea-state", c.SeaState},
                                                     {"--battery", e.Battery},
                                                     {"--firer-heading", e.Own.Heading},
                                                     {"--target-heading", e.Opponent.Heading},
                                                     {"--firer-speed", e.Own.Speed},
                                                     {"--target-speed", e.Opponent.Speed},
                                                     {"--firer-sighting", e.Own.SightingLevel},
                                                     {"--target-sighting", e.Opponent.SightingLevel},
                                                     {"--crew-quality", e.Own.CrewQuality},
                                                     {"--target-crew-quality", e.Opponent.CrewQuality},
                                                     {"--ranging-turns", e.Own.RangingTurns},
                                                     {"--target-ranging-turns", e.Opponent.RangingTurns}};
    for (const auto& [option, value] : values) args.insert(args.end(), {option, std::to_string(std::lround(value))});
    if (e.Own.Evading) args.push_back("--firer-evading");
    if (e.Opponent.Evading) args.push_back("--target-evading");
    return args;
}

} // namespace

// The verbs as the player runs them: sdftool engage with the planner's
// options (the year from its clock) against sdftool battle of one ship a side.
TEST(Battle, SdftoolBattleAgreesWithEngageAndRefusesBadFiles) {
    testsupport::TempDir dir;
    const std::vector<std::string> designs = bundledDesigns();
    std::mt19937 g(1916);
    std::string path;
    for (int n = 0; n < 12; ++n) {
        const DuelSetting d = drawDuel(g, designs);
        path = dir.write("duel.json", battleJson(d));
        auto r = testsupport::runTool({"battle", "--data", programDir(), path}, dir);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto battle = nlohmann::json::parse(r.out);
        r = testsupport::runTool(engageArgs(d), dir);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto engage = nlohmann::json::parse(r.out);
        for (const auto& [mine, theirs] :
             {std::pair{battle["Ships"][0], engage}, {battle["Ships"][1], engage["Return"]}})
            for (const char* key : {"Range", "HitChance", "Breakdown", "RateOfFire", "GunsBearing", "HitsPerMinute",
                                    "BeltPenetrated", "DeckPenetrated", "SightingRange", "Sighted", "BeyondGunRange"})
                EXPECT_EQ(mine[key], theirs[key]) << n << " " << key;
        EXPECT_EQ(battle["Sides"][1]["HitsPerMinute"], engage["Return"]["HitsPerMinute"]);
    }

    // --year sets the year of play over the clock's.
    auto r = testsupport::runTool({"battle", "--data", programDir(), path, "--year", "1905"}, dir);
    EXPECT_NE(r.out, testsupport::runTool({"battle", "--data", programDir(), path}, dir).out);
    EXPECT_EQ(testsupport::runTool({"battle", "--data", programDir(), path, "--year", "x"}, dir).status, 2);
    r = testsupport::runTool({"battle", "--data", programDir(), path, "--sweep", "1000:3000:1000"}, dir);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(nlohmann::json::parse(r.out.substr(0, r.out.find('\n')))["Range"], 1000);
    // The scenario's faults exit 1 with the place; the command line's 2.
    const std::string bad = dir.write("bad.json", R"({"sides": [{"ships": [{"design": "D.sdf", "target": 4}]},
        {"range": 9000, "bearing": 90, "ships": [{"design": "S.sdf"}]}]})");
    r = testsupport::runTool({"battle", "--data", programDir(), bad}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.json: sides[0].ships[0].target: 4 is beyond"), std::string::npos) << r.err;
    r = testsupport::runTool(
        {"battle", "--data", programDir(), dir.write("scenario.json", "{\n  \"sides\": [\n    {\"ships\": }")}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("scenario.json line 3, column 15: expected a value"), std::string::npos) << r.err;
    EXPECT_EQ(testsupport::runTool({"battle", "--data", programDir(), path, "--sweep", "5:1:1"}, dir).status, 2);
    EXPECT_EQ(testsupport::runTool({"battle", "--data", programDir()}, dir).status, 2);
}

TEST(Battle, TheBundledScenariosFight) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(programDir() + "Scenarios")) {
        if (entry.path().extension() != ".json") continue;
        ++count;
        std::string error;
        const auto s = ReadBattleScenario(entry.path().string(), error);
        ASSERT_TRUE(s) << error;
        BattleShips ships;
        ASSERT_TRUE(ships.Load(testsupport::bundledData(), s->Setup, &error)) << error;
        EXPECT_TRUE(CheckFormations(*s, ships, error)) << error;
        const BattleEnvironment env = s->Environment();
        const BattleFigures f = ComputeBattle(context(env), ships, s->Setup);
        for (double total : f.Totals) EXPECT_TRUE(std::isfinite(total) && total > 0) << entry.path();
    }
    EXPECT_GE(count, 3);
}
