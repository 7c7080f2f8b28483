#pragma once
// A division battle kept as a JSON file: where and when, the weather, and
// each side's formation, course, speed, spacing and ships. sdftool battle
// reads it and the planner saves and opens it.
//
// {"environment": {"lat", "lon", "datetime" ("YYYY-MM-DDTHH:MM", UT),
//   "year" (of play; the clock's when left out), "weather", "sea_state"
//   (code or name), "day_range", "dusk_range", "night_range", "ready",
//   "seed"},
//  "sides": [SIDE, SIDE]}
// SIDE: {"name", "formation" (name or code), "course", "speed", "spacing",
//   "ships": [{"design", "crew", "ranging_turns", "evading", "sighting",
//   "battery", "target"}]}; the second side also needs "range" and
//   "bearing": where its lead stands from the first side's lead.
// Everything but "sides", "ships", "design", "range" and "bearing" may be
// left out; design paths are read against the scenario's folder.
#include <optional>
#include <string>
#include <vector>

#include "combat/BattleEnvironment.h"
#include "combat/Squadron.h"

struct BattleScenario {
    BattleSetup Setup;
    // The planner's opening scene unless the file says otherwise.
    BattleConditions Conditions = PlannerConditions();
    BattleScenario();

    BattleEnvironment Environment() const { return BuildBattleEnvironment(Conditions); }
};

// The scenario of a JSON text; none, with a message naming the place
// ("sides[1].ships[2].target: ...", "line 3, column 7: expected a value"),
// after `fileName` when one is given, when the text is no scenario. Each
// design is read as it is; one that may not fight (DesignRefusal) is kept,
// and BattleShips::Load refuses it with its reason. `folder` is where
// relative design paths start.
std::optional<BattleScenario> ParseBattleScenario(const std::string& text, const std::string& folder,
                                                  std::string& error, const std::string& fileName = {});
std::optional<BattleScenario> ReadBattleScenario(const std::string& path, std::string& error);
// The lead's formation checked against the rules once the ships are loaded;
// the message names the side.
bool CheckFormations(const BattleScenario& scenario, const BattleShips& ships, std::string& error);
// The scenario as JSON text to be saved in `folder`. A design path is
// written relative to `folder` when the design lies under it, or when the
// design and `folder` both lie under one of `programFolders` (the folders
// shared or moved whole, such as the program's own); absolute otherwise.
// Reading the text against `folder` finds every design again.
std::string BattleScenarioJson(const BattleScenario& scenario, const std::string& folder,
                               const std::vector<std::string>& programFolders = {});
// "Line ahead" ... "Screen"; a code or a name (letter case, blanks, "-" and
// "_" do not matter) read back.
std::string FormationText(int formation);
std::optional<int> FormationFromText(const std::string& text);
