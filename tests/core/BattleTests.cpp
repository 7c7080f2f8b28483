// Division battles: the battle state the positions give, one ship a side as
// the engagement planner's duel, scenario files good and bad, and sdftool
// battle against sdftool engage.
#include "tests/core/TestSupport.h"

#include "combat/BattleScenario.h"
#include "combat/FightShip.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipTypes.h"
#include "combat/Squadron.h"
#include "platform/DayNumber.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>

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
}

// One ship a side is the planner's duel both ways, figure for figure.
TEST(Battle, OneShipASideIsTheEngagement) {
    const BattleScenario s = parse(scenario(side("\"course\": 30, \"speed\": 20", {ship("Dreadnought", "\"crew\": 1")}),
                                            side("\"course\": 200, \"speed\": 18, \"range\": 9000, \"bearing\": 75",
                                                 {ship("Scharnhorst", "\"sighting\": 2")}),
                                            R"({"weather": "rain", "datetime": "1916-05-31T19:30"})"));
    BattleShips ships;
    ASSERT_TRUE(ships.Load(testsupport::bundledData(), s.Setup, nullptr));
    const BattleEnvironment env = s.Environment();
    const BattleFigures battle = ComputeBattle(context(env), ships, s.Setup);

    EngagementShips pair;
    pair.Map = std::move(ships.Map); // the ships' layer goes with them
    pair.Own = std::move(ships.Sides[0][0]);
    pair.Opponent = std::move(ships.Sides[1][0]);
    EngagementScenario e;
    e.Range = 9000;
    e.Bearing = 75;
    e.Place = s.Setup.Place;
    e.Own = {.Heading = 30, .Speed = 20, .CrewQuality = 1, .SightingLevel = 3};
    e.Opponent = {.Heading = 200, .Speed = 18, .SightingLevel = 2};
    e.LightFromEnvironment = true;
    const EngagementFigures duel = ComputeEngagement(context(env), pair, e, true);
    for (const auto& [b, d] :
         {std::pair{&battle.Ships[0][0].Fire, &duel.Own}, {&battle.Ships[1][0].Fire, &duel.Opponent}}) {
        EXPECT_EQ(b->Breakdown, d->Breakdown);
        EXPECT_EQ(b->Fire.RateOfFire, d->Fire.RateOfFire);
        EXPECT_EQ(b->Fire.HitsPerMinute, d->Fire.HitsPerMinute);
    }
}

TEST(Battle, BadScenariosNameThePlace) {
    const std::string one = side("", {ship("Dreadnought")});
    const std::string two = side("\"range\": 9000, \"bearing\": 90", {ship("Dreadnought")});
    const std::vector<std::string> nine(9, ship("Dreadnought"));
    const struct {
        std::string text, says;
    } cases[] = {
        {"{\"sides\": [", "not JSON"},
        {"[]", "scenario: not a JSON object"},
        {"{\"sides\": [" + one + "]}", "sides: not a list of two sides"},
        {scenario(one, side("\"bearing\": 90", {ship("Dreadnought")})), "sides[1].range: missing"},
        {scenario(one, side("\"range\": -5, \"bearing\": 90", {ship("Dreadnought")})),
         "sides[1].range: must lie within"},
        {scenario(one, side("\"range\": 1e300, \"bearing\": 90", {ship("Dreadnought")})), "sides[1].range: must lie"},
        {scenario(side("\"spacing\": 5", {ship("Dreadnought")}), two), "sides[0].spacing: must lie within 50"},
        {scenario(side("\"speed\": 900", {ship("Dreadnought")}), two), "sides[0].speed: must lie within"},
        {scenario(side("", {"{\"crew\": 1}"}), two), "sides[0].ships[0].design: missing"},
        {scenario(side("", {"{\"design\": \"Nowhere.sdf\"}"}), two),
         "sides[0].ships[0].design: cannot read the design file"},
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

TEST(Battle, ASavedScenarioReadsBackTheSame) {
    testsupport::TempDir dir;
    dir.copy(design("Lion"), "Designs/Lion.sdf");
    BattleScenario s =
        parse(scenario(side("\"name\": \"BCF\", \"formation\": 1, \"spacing\": 700",
                            {ship("Dreadnought", "\"target\": 0, \"battery\": 3")}),
                       side("\"range\": 12000, \"bearing\": 100", {ship("Scharnhorst", "\"evading\": true")}),
                       R"({"datetime": "1915-01-24T09:00", "sea_state": "calm", "seed": 7})"));
    s.Setup.Sides[0].Ships[0].Design = dir.path() + "Designs/Lion.sdf";
    const std::string text = BattleScenarioJson(s, dir.path());
    EXPECT_NE(text.find("\"design\": \"Designs/Lion.sdf\""), std::string::npos); // relative to the file's folder
    std::string error;
    const auto back = ParseBattleScenario(text, dir.path(), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(BattleScenarioJson(*back, dir.path()), text);
    EXPECT_EQ(back->Environment().Year, 1915);
    EXPECT_EQ(back->Setup.Sides[0].Ships[0].Battery, 3);
}

TEST(Battle, SdftoolBattleAgreesWithEngageAndRefusesBadFiles) {
    testsupport::TempDir dir;
    dir.copy(design("Dreadnought"), "D.sdf");
    dir.copy(design("Scharnhorst"), "S.sdf");
    const std::string path = dir.write("duel.json", R"({"environment": {"datetime": "1916-05-31T16:00"}, "sides": [
        {"course": 10, "speed": 18, "ships": [{"design": "D.sdf"}]},
        {"course": 180, "speed": 18, "range": 9000, "bearing": 90, "ships": [{"design": "S.sdf"}]}]})");
    auto r = testsupport::runTool({"battle", "--data", programDir(), path}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto battle = nlohmann::json::parse(r.out);
    r = testsupport::runTool({"engage",
                              "--data",
                              programDir(),
                              dir.path() + "D.sdf",
                              dir.path() + "S.sdf",
                              "--range",
                              "9000",
                              "--bearing",
                              "90",
                              "--both",
                              "--ready",
                              "--lat",
                              "56.5",
                              "--lon",
                              "5.5",
                              "--year",
                              "1916",
                              "--datetime",
                              "1916-05-31T16:00",
                              "--weather",
                              "2",
                              "--sea-state",
                              "3",
                              "--day-range",
                              "20000",
                              "--dusk-range",
                              "10000",
                              "--night-range",
                              "4000",
                              "--firer-heading",
                              "10",
                              "--target-heading",
                              "180",
                              "--firer-speed",
                              "18",
                              "--target-speed",
                              "18",
                              "--firer-sighting",
                              "3",
                              "--target-sighting",
                              "3"},
                             dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto engage = nlohmann::json::parse(r.out);
    for (const auto& [mine, theirs] : {std::pair{battle["Ships"][0], engage}, {battle["Ships"][1], engage["Return"]}})
        for (const char* key : {"Range", "HitChance", "Breakdown", "RateOfFire", "GunsBearing", "HitsPerMinute",
                                "BeltPenetrated", "DeckPenetrated", "SightingRange", "Sighted"})
            EXPECT_EQ(mine[key], theirs[key]) << key;
    EXPECT_EQ(battle["Sides"][1]["HitsPerMinute"], engage["Return"]["HitsPerMinute"]);

    r = testsupport::runTool({"battle", "--data", programDir(), path, "--sweep", "1000:3000:1000"}, dir);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(nlohmann::json::parse(r.out.substr(0, r.out.find('\n')))["Range"], 1000);
    // The scenario's faults exit 1 with the place; the command line's 2.
    const std::string bad = dir.write("bad.json", R"({"sides": [{"ships": [{"design": "D.sdf", "target": 4}]},
        {"range": 9000, "bearing": 90, "ships": [{"design": "S.sdf"}]}]})");
    r = testsupport::runTool({"battle", "--data", programDir(), bad}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.json: sides[0].ships[0].target: 4 is beyond"), std::string::npos) << r.err;
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
