// sdftool battle: division against division from a scenario file, every
// ship's fire at its target with the battle state its position gives, and
// each side's total, computed as the planner's division view does.
#include "sdftool/Commands.h"
#include "sdftool/JsonOut.h"

#include "combat/BattleScenario.h"
#include "combat/FightShip.h"
#include "combat/Squadron.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "sdftool/DesignRun.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

using Json = nlohmann::ordered_json;

double finite(double v) { return std::isfinite(v) ? v : 0.0; }

Json shipJson(const ShipFire& s, const BattleShips& ships, bool details) {
    const FireFigures& f = s.Fire;
    Json j;
    j["Side"] = s.Side;
    j["Index"] = s.Index;
    j["ClassName"] = ships.Sides[static_cast<size_t>(s.Side)][static_cast<size_t>(s.Index)]->ClassName;
    j["Target"] = s.Target;
    j["Range"] = f.Range;
    j["TrueBearing"] = f.TrueBearing;
    j["HitChance"] = finite(static_cast<double>(f.Fire.HitChance));
    if (details) j["Breakdown"] = f.Breakdown;
    j["RateOfFire"] = finite(static_cast<double>(f.Fire.RateOfFire));
    j["GunsBearing"] = f.Fire.GunsBearing;
    j["HitsPerMinute"] = finite(f.Fire.HitsPerMinute);
    j["BeyondGunRange"] = f.Fire.BeyondGunRange;
    j["Sighted"] = f.Sighted;
    j["BeltPenetrated"] = f.Fire.Pierces.Belt;
    j["DeckPenetrated"] = f.Fire.Pierces.Deck;
    j["FoulingShips"] = s.FoulingShips;
    j["FiringShips"] = s.FiringShips;
    j["UnderFire"] = s.UnderFire;
    j["SightingRange"] = f.SightingRange;
    return j;
}

Json battleJson(const BattleFigures& figures, const BattleScenario& scenario, const BattleShips& ships, bool details) {
    Json j;
    Json list = Json::array();
    for (const auto& side : figures.Ships)
        for (const ShipFire& s : side) list.push_back(shipJson(s, ships, details));
    j["Ships"] = list;
    Json sides = Json::array();
    for (size_t i = 0; i < 2; ++i)
        sides.push_back({{"Name", scenario.Setup.Sides[i].Name}, {"HitsPerMinute", finite(figures.Totals[i])}});
    j["Sides"] = sides;
    return j;
}

// One JSON line per range between the leads, without the breakdowns.
void printSweep(const CombatContext& ctx, const BattleScenario& scenario, BattleShips& ships,
                const std::array<std::int32_t, 3>& sweep) {
    const auto [from, to, step] = sweep;
    BattleSetup setup = scenario.Setup;
    for (std::int64_t r = from; r <= to; r += step) {
        setup.Range = static_cast<double>(r);
        const BattleFigures f = ComputeBattle(ctx, ships, setup, false);
        Json line;
        line["Range"] = r;
        Json body = battleJson(f, scenario, ships, false);
        line["Ships"] = std::move(body["Ships"]);
        line["Sides"] = std::move(body["Sides"]);
        const std::string text = line.dump(-1, ' ', false, Json::error_handler_t::replace);
        std::fprintf(stdout, "%s\n", text.c_str());
    }
}

} // namespace

int runBattle(const Args& args) {
    VerbOptions options("battle");
    std::optional<std::array<std::int32_t, 3>> sweep;
    std::optional<std::int32_t> year;
    options.Value("--year", YearOption(year));
    options.Value("--sweep", [&sweep](const std::string& v) -> std::optional<std::string> {
        sweep = ParseSweep(v);
        if (!sweep) return "'" + v + "' is not FROM:TO:STEP in whole yards";
        return std::nullopt;
    });
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.size() != 1) return options.UsageError("one scenario file is needed");
    if (sweep) {
        const auto [from, to, step] = *sweep;
        if (from < 1 || to < from || to > kMaxBattleRange || step < 1 ||
            (static_cast<std::int64_t>(to) - from) / step >= 100000)
            return options.UsageError("--sweep needs 1 <= FROM <= TO <= 100000, STEP >= 1 and at most 100000 rows");
    }

    ProgramData data;
    LoadToolData(options.ProgramDir, data);

    std::string error;
    auto scenario = ReadBattleScenario(options.Files[0], error);
    if (!scenario) {
        std::fprintf(stderr, "sdftool battle: %s\n", error.c_str());
        return 1;
    }
    if (year) scenario->Conditions.Year = year;
    platform::RecordingMessages recorder;
    BattleShips ships;
    if (!ships.Load(data, scenario->Setup, &error) || !CheckFormations(*scenario, ships, error)) {
        std::fprintf(stderr, "sdftool battle: %s: %s\n", options.Files[0].c_str(), error.c_str());
        return 1;
    }
    const BattleEnvironment env = scenario->Environment();
    // Each way draws from the scenario's seed, not from this source.
    platform::SeededRandom random(scenario->Setup.Seed);
    const CombatContext ctx{data, env, random, recorder};
    if (sweep) {
        printSweep(ctx, *scenario, ships, *sweep);
        // The lines stay plain JSON; what the rules said goes aside.
        std::vector<std::string> seen;
        for (const auto& m : recorder.recorded) {
            if (std::find(seen.begin(), seen.end(), m.text) != seen.end()) continue;
            seen.push_back(m.text);
            std::fprintf(stderr, "sdftool battle: %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
        }
        return 0;
    }
    const BattleFigures f = ComputeBattle(ctx, ships, scenario->Setup, true);
    Json j = battleJson(f, *scenario, ships, true);
    j["Messages"] = sdftool::messagesJson<Json>(recorder.recorded);
    const std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
    std::fprintf(stdout, "%s\n", text.c_str());
    return 0;
}
