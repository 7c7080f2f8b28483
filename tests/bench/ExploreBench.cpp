// The design explorer at scale: variants per second with the design-rule
// objectives, a million variants with the hits objective, and the peak
// memory of a ten-million-variant search. Each run is one search; the
// counters carry the figures (PeakRSS_MB is the process's peak so far).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "explore/Explore.h"
#include "platform/Messages.h"
#include "startup/Startup.h"

namespace {

std::string ProgramDir() {
    const char* dir = std::getenv("SHIP_TEST_PROGRAM_DIR");
    return dir ? dir : "./";
}

const ProgramData* Data() {
    static ProgramData data;
    static const bool ok = [] {
        platform::RecordingMessages quiet;
        return LoadProgramData(ProgramDir(), data, quiet);
    }();
    return ok ? &data : nullptr;
}

ExploreRange Range(const char* key, const char* text) { return *ParseRange(*ExploreInputFromKey(key), text, nullptr); }
ExploreObjective Objective(const std::string& text) { return *ParseObjective(text, nullptr); }

void Search(benchmark::State& state, const ExploreRequest& request) {
    const ProgramData* data = Data();
    if (!data) {
        state.SkipWithError("no bundled data: set SHIP_TEST_PROGRAM_DIR to the build's bin/");
        return;
    }
    const auto base = ReadExploreBase(ReadDesignRecord(ProgramDir() + "Designs/Dreadnought.sdf"), *data, nullptr);
    if (!base) {
        state.SkipWithError("Dreadnought.sdf cannot be read");
        return;
    }
    ExploreResult result;
    for (auto _ : state) {
        result = RunExplore(*data, *base, request);
        benchmark::DoNotOptimize(result.Front.size());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["Variants"] = static_cast<double>(result.Evaluated);
    state.counters["Feasible"] = static_cast<double>(result.Feasible);
    state.counters["Front"] = static_cast<double>(result.Front.size());
    state.counters["Seconds"] = result.Seconds;
    state.counters["VariantsPerSecond"] = result.Seconds > 0 ? result.Evaluated / result.Seconds : 0;
    state.counters["PeakRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// 1,012,500 variants: speed, three armours and the main calibre.
ExploreRequest DesignRuleGrid() {
    ExploreRequest r;
    r.Ranges = {Range("speed", "16:35"), Range("belt", "3:15"), Range("deck", "1:5"), Range("turret", "4:16"),
                Range("main-calibre", "10:18")};
    r.Objectives = {Objective("speed"), Objective("belt"), Objective("deck"), Objective("spare"),
                    Objective("immune:12")};
    return r;
}

void BM_ExploreDesignRules(benchmark::State& state) { Search(state, DesignRuleGrid()); }

void BM_ExploreWithHits(benchmark::State& state) {
    ExploreRequest r = DesignRuleGrid();
    r.Objectives = {Objective("hits:" + ProgramDir() + "Designs/Derfflinger.sdf@10000"), Objective("speed"),
                    Objective("belt")};
    Search(state, r);
}

// 10,125,000 variants; the front is all that is kept.
void BM_ExploreTenMillion(benchmark::State& state) {
    ExploreRequest r = DesignRuleGrid();
    r.Ranges.push_back(Range("secondary-number", "0:18:2"));
    Search(state, r);
}

BENCHMARK(BM_ExploreDesignRules)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ExploreWithHits)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ExploreTenMillion)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
