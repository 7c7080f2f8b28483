// Time of a division battle: the planner recomputes 8 against 8 on every
// change, and sdftool battle --sweep runs it at every range.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "combat/BattleScenario.h"
#include "combat/Squadron.h"
#include "platform/Messages.h"
#include "startup/Startup.h"

namespace {

const ProgramData* bundled(benchmark::State& state, std::string& dir) {
    static ProgramData data;
    const char* env = std::getenv("SHIP_TEST_PROGRAM_DIR");
    dir = env ? env : "./";
    if (data.Nations[0].Name.empty() && !LoadProgramData(dir, data, platform::messages())) {
        state.SkipWithError("no bundled data: set SHIP_TEST_PROGRAM_DIR to the build's bin/");
        return nullptr;
    }
    return &data;
}

// Eight Queen Elizabeths against eight Derfflingers in line ahead.
std::optional<BattleScenario> eightAgainstEight(const std::string& dir) {
    auto line = [&](const char* name) {
        std::string ships;
        for (int i = 0; i < 8; ++i)
            ships += std::string(i ? ", " : "") + "{\"design\": \"" + dir + "Designs/" + name + ".sdf\"}";
        return ships;
    };
    const std::string text = "{\"sides\": [{\"course\": 150, \"speed\": 24, \"ships\": [" + line("Queen Elizabeth") +
                             "]}, {\"course\": 145, \"speed\": 24, \"range\": 15000, \"bearing\": 100, \"ships\": [" +
                             line("Derfflinger") + "]}]}";
    std::string error;
    return ParseBattleScenario(text, "", error);
}

void BM_Battle8v8(benchmark::State& state) {
    platform::RecordingMessages recorder;
    std::string dir;
    const ProgramData* data = bundled(state, dir);
    const auto scenario = data ? eightAgainstEight(dir) : std::nullopt;
    BattleShips ships;
    if (!scenario || !ships.Load(*data, scenario->Setup, nullptr)) state.SkipWithError("no scenario");
    const bool sweep = state.range(0) != 0;
    const BattleEnvironment env = scenario ? scenario->Environment() : BattleEnvironment{};
    platform::SeededRandom random(1);
    std::optional<CombatContext> ctx;
    if (data) ctx.emplace(CombatContext{*data, env, random, recorder});
    for (auto _ : state) {
        if (!scenario) break;
        if (sweep) {
            benchmark::DoNotOptimize(SweepBattle(*ctx, ships, scenario->Setup, 1000, 30000, 100));
        } else {
            benchmark::DoNotOptimize(ComputeBattle(*ctx, ships, scenario->Setup, true));
        }
        recorder.clear();
    }
}
// 0: one full recompute with every breakdown; 1: the sweep 1,000..30,000 by 100.
BENCHMARK(BM_Battle8v8)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
