// Time of one full recalculation: the design form runs it on every input change.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "platform/Messages.h"
#include "shipdata/Ship.h"
#include "shipdata/Tables.h"

namespace {

void loadTables() {
    const char* dir = std::getenv("SHIP_TEST_PROGRAM_DIR");
    const std::string dataDir = std::string(dir ? dir : "./") + "Data/";
    try {
        LoadSpeedHPTable(dataDir);
        LoadOrdnanceTable(dataDir);
    } catch (const std::exception&) {
        // Without the bundled files the rules still run on empty tables.
        for (auto& row : SpeedHPTable) row.fill(60);
        for (int c = 3; c <= 18; ++c) OrdnanceTable[c - 3] = {c, 'H', c * c * 0.4f, 0, 0, c * c / 5, 0, 0};
    }
}

// A battlecruiser with every part of the design filled in.
void fillDesign(TDesignShip& ship) {
    ship.SetDisplacementAndSpeed(26500, 27);
    ship.SetArmor(9, 2.5f, 5, 1.5f, 10, 6, 9, 3);
    ship.SetOptions(0, 2, false, true, 0, 0);
    ship.BatteryCalibre = {0, 13, 6, 3};
    ship.TorpedoCalibre = 21;
    ship.SetSecondaryBatteries(16, 8, 6, 3, 0, 0);
    ship.SetFireControl(4);
    ship.SetTorpedoDefense(2);
    ship.ClearSpecials();
    for (char position : {'A', 'B', 'D', 'E', 'Q', 'R', 'X', 'Y'}) {
        auto turret = std::make_unique<TTurret>();
        turret->Guns = 2;
        turret->Position = position;
        ship.AddTurret(std::move(turret));
    }
    for (char position : {'F', 'G', 'H', 'I'}) {
        auto mount = std::make_unique<TTorpedomount>();
        mount->Tubes = 2;
        mount->Position = position;
        ship.AddTorpedoMount(std::move(mount));
    }
}

void BM_Recalculate(benchmark::State& state) {
    loadTables();
    platform::RecordingMessages recorder;   // D and E with cross-deck fire: one warning per run
    platform::setMessages(&recorder);
    TDesignShip ship;
    fillDesign(ship);
    for (auto _ : state) {
        ship.Recalculate();
        benchmark::DoNotOptimize(ship.TotalWeight);
        recorder.clear();
    }
    platform::setMessages(nullptr);
}
BENCHMARK(BM_Recalculate);

} // namespace

namespace {
void BM_RecalculateNoWarning(benchmark::State& state) {
    loadTables();
    platform::RecordingMessages recorder;
    platform::setMessages(&recorder);
    TDesignShip ship;
    fillDesign(ship);
    ship.CrossDeckFire = false;
    for (auto _ : state) {
        ship.Recalculate();
        benchmark::DoNotOptimize(ship.TotalWeight);
    }
    platform::setMessages(nullptr);
}
BENCHMARK(BM_RecalculateNoWarning);
} // namespace
