// The design explorer against a brute force over small grids.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <random>
#include <set>
#include <thread>

#include "TestSupport.h"
#include "combat/Duel.h"
#include "combat/FightShip.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "combat/StatusFigures.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "explore/Explore.h"
#include "explore/ExploreFront.h"

namespace {

using testsupport::bundledData;
using testsupport::programDir;
using testsupport::runTool;

ExploreBase Base(const std::string& name) {
    auto base = ReadExploreBase(ReadDesignRecord(programDir() + "Designs/" + name), bundledData(), nullptr);
    EXPECT_TRUE(base);
    return *base;
}

ExploreRange Range(const std::string& key, const std::string& text) {
    auto r = ParseRange(*ExploreInputFromKey(key), text, nullptr);
    EXPECT_TRUE(r) << key;
    return *r;
}

ExploreObjective Objective(const std::string& text) {
    auto o = ParseObjective(text, nullptr);
    EXPECT_TRUE(o) << text;
    return *o;
}

// A variant recomputed from scratch the way the form would, with its
// verdict and design-rule objectives worked out independently.
struct Checked {
    bool feasible = false;
    std::vector<double> objectives;
};

Checked Recheck(const ExploreBase& base, const ExploreRequest& request, const std::vector<std::int32_t>& values) {
    int turrets = 0;
    const DesignInputs in = VariantInputs(base, request.Ranges, values, &turrets);
    TDesignShip ship(bundledData());
    ship.ClearSpecials();
    DesignInputs loaded;
    (void)LoadDesignInto(base.Record, loaded, ship);
    while (static_cast<int>(ship.Turrets.size()) > turrets) ship.Turrets.pop_back();
    const platform::Problems said = ApplyInputs(in, ship);
    Checked c;
    c.feasible = StatusOf(CheckDesign(in, ship), !said.Empty()).Text() == "ok";
    for (const auto& o : request.Objectives) {
        const ProtectionRow row = ProtectionAgainst(bundledData().Weapons, ArmourOf(in), o.Calibre);
        switch (o.Kind) {
        case ObjectiveKind::Speed: c.objectives.push_back(in.Speed); break;
        case ObjectiveKind::Belt: c.objectives.push_back(in.B / 2.0); break;
        case ObjectiveKind::Spare: c.objectives.push_back(ship.Displacement - ship.Weights.TotalWeight); break;
        case ObjectiveKind::Immune:
            c.objectives.push_back(row.HasZone() ? std::round(row.DeckSafeWithin) - std::round(row.BeltSafeBeyond) : 0);
            break;
        case ObjectiveKind::BeltSafe: c.objectives.push_back(std::round(row.BeltSafeBeyond)); break;
        default: c.objectives.push_back(0); break;
        }
    }
    return c;
}

std::vector<std::vector<std::int32_t>> Grid(const std::vector<ExploreRange>& ranges) {
    std::vector<std::vector<std::int32_t>> all = {{}};
    for (const auto& r : ranges) {
        std::vector<std::vector<std::int32_t>> next;
        for (std::int32_t v : RangeValues(r))
            for (const auto& head : all) {
                next.push_back(head);
                next.back().push_back(v);
            }
        all = next;
    }
    return all;
}

// a beats b: as good on every objective and better on one, the belt's safe
// range being the one objective that is better smaller.
bool Beats(const std::vector<double>& a, const std::vector<double>& b,
           const std::vector<ExploreObjective>& objectives) {
    bool better = false;
    for (size_t k = 0; k < a.size(); ++k) {
        const bool smaller = objectives[k].Kind == ObjectiveKind::BeltSafe;
        if (smaller ? a[k] > b[k] : a[k] < b[k]) return false;
        better = better || a[k] != b[k];
    }
    return better;
}

TEST(Explore, FrontIsExactlyTheNonDominatedFeasibleVariants) {
    const ExploreBase base = Base("Dreadnought.sdf");
    ExploreRequest request;
    // Below 16 kn the machinery weighs nothing: light variants the rules refuse.
    request.Ranges = {Range("speed", "14:25"), Range("belt", "9:13"), Range("deck", "1.5:3.5"),
                      Range("main-calibre", "11:13")};
    const std::vector<ExploreObjective> three = {Objective("speed"), Objective("belt"), Objective("immune:12")};
    std::vector<ExploreObjective> four = three;
    four.push_back(Objective("spare"));
    const std::vector<ExploreObjective> safe = {Objective("speed"), Objective("belt-safe:12"), Objective("spare")};
    const std::vector<ExploreObjective> ties = {Objective("belt")}; // whatever the speed, deck and guns
    const std::pair<unsigned, std::vector<ExploreObjective>> cases[] = {{1, three}, {2, four}, {3, safe}, {4, ties}};
    for (const auto& [threads, objectives] : cases) {
        request.Threads = threads;
        request.Objectives = objectives;
        const ExploreResult result = RunExplore(bundledData(), base, request);
        const auto grid = Grid(request.Ranges);
        ASSERT_EQ(result.Evaluated, grid.size());
        std::vector<std::vector<double>> front;
        for (const ExploreVariant& v : result.Front) {
            const Checked c = Recheck(base, request, v.Values);
            EXPECT_TRUE(c.feasible);
            EXPECT_EQ(c.objectives, v.Objectives);
            front.push_back(v.Objectives);
        }
        for (const auto& a : front)
            for (const auto& b : front) EXPECT_FALSE(Dominates(a, b, request.Objectives));
        // Every variant that fits and that none beats, ties included.
        std::vector<std::vector<double>> fits, unbeaten;
        for (const auto& values : grid)
            if (const Checked c = Recheck(base, request, values); c.feasible) fits.push_back(c.objectives);
        for (const auto& c : fits)
            if (std::none_of(fits.begin(), fits.end(), [&](const auto& f) { return Beats(f, c, request.Objectives); }))
                unbeaten.push_back(c);
        std::sort(front.begin(), front.end());
        std::sort(unbeaten.begin(), unbeaten.end());
        EXPECT_EQ(front, unbeaten);
        const std::uint64_t feasible = fits.size();
        EXPECT_EQ(result.Feasible, feasible);
        // The grid is worth searching: some variants fit, some do not, and
        // more than one trade-off is left.
        EXPECT_GT(feasible, 0u);
        EXPECT_LT(feasible, grid.size());
        EXPECT_GT(front.size(), 1u);
    }
}

// The front against a brute force over random scores with few distinct
// values, so many offers tie and many are equal; offered in small blocks to
// two fronts merged after, as the workers' are. Every offer no other beats
// is kept, equal ones included.
TEST(Explore, FrontKeepsExactlyTheUnbeatenOffersEqualOnesIncluded) {
    struct Case {
        size_t objectives, offers, block;
        unsigned levels;
        bool tradeOff; // the last score falls as the others rise, as spare tons do: a large front
    };
    const Case cases[] = {{1, 300, 7, 5, false},  {2, 800, 16, 4, true},   {3, 2000, 64, 6, true},
                          {4, 1500, 1, 3, false}, {4, 3000, 100, 9, true}, {6, 2500, 4096, 3, true}};
    std::mt19937 random(29);
    auto beats = [](const std::vector<double>& a, const std::vector<double>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), std::greater_equal<>()) && a != b;
    };
    for (const Case& c : cases) {
        std::vector<std::vector<double>> scores(c.offers, std::vector<double>(c.objectives));
        for (auto& s : scores) {
            unsigned sum = 0;
            for (double& v : s) sum += static_cast<unsigned>(v = random() % c.levels);
            if (c.tradeOff) s.back() = c.levels * c.objectives - sum + random() % 2;
        }
        ExploreFront even(c.objectives, c.block), odd(c.objectives, c.block);
        for (size_t i = 0; i < scores.size(); ++i) (i % 2 ? odd : even).Offer(scores[i].data(), {i, 0, 0});
        even.Settle();
        odd.Settle();
        even.Absorb(odd);
        even.Settle();
        std::vector<std::uint64_t> kept;
        for (size_t i = 0; i < even.Size(); ++i) {
            kept.push_back(even.At(i).Index);
            EXPECT_TRUE(std::equal(scores[kept.back()].begin(), scores[kept.back()].end(), even.ValuesAt(i)));
        }
        std::sort(kept.begin(), kept.end());
        std::vector<std::uint64_t> unbeaten;
        for (size_t i = 0; i < scores.size(); ++i)
            if (std::none_of(scores.begin(), scores.end(), [&](const auto& s) { return beats(s, scores[i]); }))
                unbeaten.push_back(i);
        EXPECT_EQ(kept, unbeaten) << c.objectives << " objectives, " << c.offers << " offers";
        std::set<std::vector<double>> distinct;
        for (std::uint64_t i : kept) distinct.insert(scores[i]);
        EXPECT_LT(distinct.size(), kept.size()); // equal offers were there to be kept
    }
    // A figure that could not be worked out is the worst, not a tie with all.
    ExploreFront front(2);
    const double unknown[] = {std::nan(""), 1}, known[] = {0, 1}, lower[] = {0, 0};
    for (const double* values : {unknown, known, lower}) front.Offer(values, {0, 0, 0});
    front.Settle();
    ASSERT_EQ(front.Size(), 1u);
    EXPECT_EQ(front.ValuesAt(0)[0], 0);
}

// Hits and point value come from a fighting ship patched per variant and
// cached; each must equal the same figure of the variant's written design.
TEST(Explore, CombatObjectivesMatchTheVariantsOwnDesignFile) {
    const ExploreBase base = Base("Dreadnought.sdf");
    const std::string opponent = programDir() + "Designs/Derfflinger.sdf";
    ExploreRequest request;
    request.Ranges = {Range("main-calibre", "11:13"),       Range("main-turrets", "3:5"),
                      Range("fire-control", "1:3"),         Range("speed", "20:22"),
                      Range("secondary-number", "0:24:12"), Range("range", "1:2"),
                      Range("displacement", "17600:18100"), Range("belt", "10:11:1")};
    request.Objectives = {Objective("hits:" + opponent + "@10000"), Objective("point-value"), Objective("spare")};
    request.Year = 1912; // the hits in this year of play, not the scene's clock's
    const ExploreResult result = RunExplore(bundledData(), base, request);
    ASSERT_GT(result.Front.size(), 2u);
    const DesignRecord target = ReadDesignRecord(opponent);
    for (const ExploreVariant& v : result.Front) {
        int turrets = 0;
        const DesignInputs in = VariantInputs(base, request.Ranges, v.Values, &turrets);
        const DesignRecord record = ParseDesignRecord(VariantFileLines(base, bundledData(), in, turrets), "Variant");
        platform::ScopedRecordingMessages quiet;
        EngagementShips ships;
        ships.Own = CreateShipOnLayer(record, "Variant", *ships.Map, bundledData().Preferences, quiet);
        ships.Opponent = CreateShipOnLayer(target, target.ClassName, *ships.Map, bundledData().Preferences, quiet);
        MakeReadyForBattle(*ships.Own, DesignRangeClass(record));
        MakeReadyForBattle(*ships.Opponent, DesignRangeClass(target));
        const BattleEnvironment env = PlannerDefaultEnvironment(1912);
        platform::SeededRandom random(1);
        const EngagementFigures f =
            ComputeEngagement({bundledData(), env, random, quiet}, ships, PlannerDefaultScenario(10000), false);
        EXPECT_DOUBLE_EQ(v.Objectives[0], f.Own.Fire.HitsPerMinute);
        EXPECT_EQ(v.Objectives[1], ShownPointValue(*ships.Own, 0)); // the card's figure, year 0
    }
}

// Four threads on a grid many times their progress steps, cancelled from
// another thread once the search is under way: it stops early, and what it
// kept is a front of variants that fit.
TEST(Explore, CancelledInTheMiddleStopsEarlyWithAFront) {
    const ExploreBase base = Base("Dreadnought.sdf");
    ExploreRequest request;
    // A grid of a million variants, a good part of a second's work, so the
    // cancel lands in the middle even when the canceller waits its turn on a
    // busy machine.
    request.Ranges = {Range("speed", "0:35"), Range("belt", "0:16"), Range("deck", "0:3"),
                      Range("main-calibre", "10:13"), Range("turret", "0:16")};
    request.Objectives = {Objective("speed"), Objective("belt")};
    request.Threads = 4;
    ExploreControl control;
    std::thread canceller([&control] {
        while (control.Done.load() == 0) std::this_thread::yield();
        control.Cancel = true;
    });
    const ExploreResult result = RunExplore(bundledData(), base, request, &control);
    canceller.join();
    EXPECT_TRUE(result.Cancelled);
    EXPECT_GE(result.Evaluated, control.Done.load());
    EXPECT_LT(result.Evaluated, GridSize(request.Ranges));
    ASSERT_FALSE(result.Front.empty());
    for (const ExploreVariant& v : result.Front) EXPECT_TRUE(Recheck(base, request, v.Values).feasible);
}

TEST(Explore, StepCostsAreTheWeightOfOneStepOfEachInput) {
    const ExploreBase base = Base("Dreadnought.sdf");
    const auto costs = StepCosts(base, bundledData());
    ASSERT_FALSE(costs.empty());
    EXPECT_EQ(costs[0].Text, "+1 kn");
    EXPECT_GT(costs[0].Tons, 0);
    EXPECT_EQ(StepCostText({"+1 kn", 1312, true, ""}), "+1 kn: +1,312 t");
    EXPECT_EQ(StepCostText({"Range Long", -40, true, ""}), "Range Long: -40 t");
    // A step that weighs nothing says why; a calibre step says it is calibre.
    EXPECT_EQ(StepCostText(costs.back()), "Range Extreme: +0 t (the rules give range no weight)");
    auto calibre = std::find_if(costs.begin(), costs.end(),
                                [](const StepCost& c) { return c.Text.rfind("+1 in secondary", 0) == 0; });
    ASSERT_NE(calibre, costs.end());
    EXPECT_EQ(calibre->Text, "+1 in secondary calibre");
}

// Objectives are shown as a player reads them: a unit each, never a path.
TEST(Explore, ObjectivesAreLabelledWithTheirUnits) {
    const std::pair<const char*, const char*> labels[] = {
        {"speed", "Speed (kn)"},
        {"spare", "Tons spare (t)"},
        {"immune:12", "Immune zone vs 12 in (yd)"},
        {"belt-safe:15", "Belt safe beyond vs 15 in (yd)"},
        {"hits:/some/where/Designs/Derfflinger.sdf@10000", "Hits/min on Derfflinger at 10,000 yd"},
    };
    for (const auto& [text, label] : labels) EXPECT_EQ(ObjectiveLabel(Objective(text)), label);
    for (const ObjectiveInfo& info : ObjectiveInfos())
        EXPECT_TRUE(info.Kind == ObjectiveKind::Hits || info.Unit[0]) << info.Key;
    EXPECT_EQ(InputLabel(ExploreInput::BeltExt), "Belt ends (in)");
}

TEST(Explore, SdftoolPrintsTheFrontAndRefusesBadRequests) {
    testsupport::TempDir dir;
    const std::string d = programDir(), base = d + "Designs/Dreadnought.sdf";
    auto r = testsupport::runTool({"explore", "--data", d, base, "--vary", "speed=20:22", "--vary", "belt=9:11",
                                   "--objective", "speed", "--objective", "belt", "--json", "--write-best",
                                   dir.path() + "best"},
                                  dir);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<nlohmann::json> lines;
    for (size_t at = 0, nl; (nl = r.out.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(nlohmann::json::parse(r.out.substr(at, nl - at)));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back()["Evaluated"], 15);
    EXPECT_EQ(lines.back()["Front"], lines.size() - 1);
    EXPECT_TRUE(lines[0]["Inputs"].contains("belt"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "best/Dreadnought 1.sdf"));

    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"--vary", "knots=1:2", "--objective", "speed"}, 2},
        {{"--vary", "speed=20:22", "--objective", "agility"}, 2},
        {{"--vary", "speed=20:40", "--objective", "speed"}, 2},
        {{"--vary", "speed=22:20", "--objective", "speed"}, 2},
        {{"--vary", "speed=20:22:0", "--objective", "speed"}, 2},
        {{"--vary", "belt=1:2:0.25", "--objective", "speed"}, 2},
        {{"--vary", "main-turrets=0:40", "--objective", "speed"}, 2},
        {{"--vary", "speed=20:22"}, 2},
    };
    for (const auto& [extra, status] : cases) {
        std::vector<std::string> args = {"explore", "--data", d, base};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(runTool(args, dir).status, status) << extra[1];
    }
    r = runTool({"explore", "--data", d, base, "--vary", "displacement=50:70000:1", "--vary", "speed=0:35", "--vary",
                 "belt=0:16", "--objective", "speed"},
                dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("the grid holds 83,101,788 variants"), std::string::npos) << r.err;
    EXPECT_EQ(
        runTool({"explore", "--data", d, dir.path() + "None.sdf", "--vary", "speed=20:22", "--objective", "speed"}, dir)
            .status,
        1);
}

} // namespace
