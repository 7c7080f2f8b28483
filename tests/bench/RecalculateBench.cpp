// Time of one full recalculation: the design form runs it on every input change.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "platform/Messages.h"
#include "shipdata/Ship.h"
#include "startup/Startup.h"

namespace {

// A battlecruiser with every part of the design filled in, on the bundled
// tables; D and E with cross-deck fire warn once per run unless crossDeck is off.
void run(benchmark::State& state, bool crossDeck) {
    platform::RecordingMessages recorder;
    static ProgramData data;
    const char* dir = std::getenv("SHIP_TEST_PROGRAM_DIR");
    if (data.Nations[0].Name.empty() && !LoadProgramData(dir ? dir : "./", data, recorder))
        state.SkipWithError("no bundled data: set SHIP_TEST_PROGRAM_DIR to the build's bin/");
    TDesignShip ship(data);
    ship.SetDisplacementAndSpeed(26500, 27);
    ship.SetArmor(9, 2.5f, 5, 1.5f, 10, 6, 9, 3);
    ship.SetOptions(0, 2, true, 0, 0);
    ship.BatteryCalibre = {0, 13, 6, 3};
    ship.TorpedoCalibre = 21;
    ship.SetSecondaryBatteries(16, 8, 0, 0);
    ship.SetFireControl(4);
    ship.SetTorpedoDefense(2);
    ship.ClearSpecials();
    for (char position : {'A', 'B', 'D', 'E', 'Q', 'R', 'X', 'Y'}) {
        ship.AddTurret(std::make_unique<TTurret>());
        ship.Turrets.back()->Guns = 2, ship.Turrets.back()->Position = position;
    }
    for (char position : {'F', 'G', 'H', 'I'}) {
        ship.AddTorpedoMount(std::make_unique<TTorpedomount>());
        ship.TorpedoMounts.back()->Tubes = 2, ship.TorpedoMounts.back()->Position = position;
    }
    ship.CrossDeckFire = crossDeck;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ship.Recalculate());
        benchmark::DoNotOptimize(ship.Weights.TotalWeight);
    }
}

void BM_Recalculate(benchmark::State& state) { run(state, true); }
void BM_RecalculateNoWarning(benchmark::State& state) { run(state, false); }
BENCHMARK(BM_Recalculate);
BENCHMARK(BM_RecalculateNoWarning);

} // namespace
