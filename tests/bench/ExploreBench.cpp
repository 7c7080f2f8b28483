// The design explorer at scale: variants per second on one and on two
// threads with a one-member front (spare), a front of thousands (speed,
// belt, deck, spare) and the hits objective beside them, and the peak memory
// of a fifty-million-variant search. Each run is one search; the counters
// carry the figures (PeakRSS_MB is the process's peak so far).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <string>
#include <vector>

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

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

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
    const double cpuBefore = CpuSeconds();
    for (auto _ : state) {
        result = RunExplore(*data, *base, request);
        benchmark::DoNotOptimize(result.Front.size());
    }
    const double cpu = CpuSeconds() - cpuBefore;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["Variants"] = static_cast<double>(result.Evaluated);
    state.counters["Feasible"] = static_cast<double>(result.Feasible);
    state.counters["Front"] = static_cast<double>(result.Front.size());
    state.counters["Seconds"] = result.Seconds;
    state.counters["VariantsPerSecond"] = result.Seconds > 0 ? result.Evaluated / result.Seconds : 0;
    // Processor time over every thread: the figure to compare while others
    // load the machine, when the wall clock is not.
    state.counters["CpuSeconds"] = cpu;
    state.counters["PeakRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Dreadnought over 1,061,775 variants: speed, belt, deck, turret faces and
// the main calibre. Argument: threads.
ExploreRequest Grid(const std::vector<std::string>& objectives, unsigned threads) {
    ExploreRequest r;
    r.Ranges = {Range("speed", "16:30"), Range("belt", "0:16:0.5"), Range("deck", "0:6:0.5"),
                Range("turret", "0:16:0.5"), Range("main-calibre", "11:15")};
    for (const auto& o : objectives) r.Objectives.push_back(Objective(o));
    r.Threads = threads;
    return r;
}

std::string Hits() { return "hits:" + ProgramDir() + "Designs/Derfflinger.sdf@10000"; }
const std::vector<std::string> kFour = {"speed", "belt", "deck", "spare"};

void BM_ExploreSpare(benchmark::State& state) { Search(state, Grid({"spare"}, static_cast<unsigned>(state.range(0)))); }

// A front of thousands: the four trade against each other.
void BM_ExploreFour(benchmark::State& state) { Search(state, Grid(kFour, static_cast<unsigned>(state.range(0)))); }

void BM_ExploreFourAndHits(benchmark::State& state) {
    std::vector<std::string> objectives = kFour;
    objectives.push_back(Hits());
    Search(state, Grid(objectives, static_cast<unsigned>(state.range(0))));
}

// 49,903,425 variants (47 displacements): the front is all that is kept, so
// memory stays that of the front. Run it alone for its PeakRSS_MB.
void BM_ExploreFiftyMillion(benchmark::State& state) {
    ExploreRequest r = Grid(kFour, 0);
    r.Ranges.push_back(Range("displacement", "17000:19300:50"));
    Search(state, r);
}

BENCHMARK(BM_ExploreSpare)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ExploreFour)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ExploreFourAndHits)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ExploreFiftyMillion)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
