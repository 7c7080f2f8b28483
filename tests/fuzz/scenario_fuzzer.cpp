// The battle scenario reader (sdftool battle, the planner's Open...), its
// designs read from the bundled Designs/ as the scenarios' relative paths
// give them. A scenario read must hold two sides of one to eight ships,
// each target within the other side, and write out as a text that reads
// back the same; one refused must say why. A ship whose design cannot be
// read stays in its place with the reason (the planner refuses it there).
#include "FuzzSupport.h"

#include "combat/BattleScenario.h"
#include "designfile/DesignRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::beginRun();
    const std::string folder = std::string(SHIP_SOURCE_DIR) + "Scenarios";
    std::string error;
    const auto scenario = ParseBattleScenario(std::string(fuzz::asText(data, size)), folder, error);
    if (!scenario) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (size_t i = 0; i < 2; ++i) {
        const auto& ships = scenario->Setup.Sides[i].Ships;
        FUZZ_CHECK(!ships.empty() && ships.size() <= 8);
        for (const DivisionShip& s : ships) {
            FUZZ_CHECK(s.Record.Readable || !DesignRecordProblem(s.Record, s.Design).empty());
            FUZZ_CHECK(s.Target < static_cast<int>(scenario->Setup.Sides[1 - i].Ships.size()));
        }
    }
    const std::string text = BattleScenarioJson(*scenario, folder);
    std::string again;
    const auto reread = ParseBattleScenario(text, folder, again);
    FUZZ_CHECK(reread && BattleScenarioJson(*reread, folder) == text);
    return 0;
}
