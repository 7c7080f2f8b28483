#pragma once
// The duel: one ship against another at a range and bearing, as the
// engagement planner's first tab and sdftool engage show it. A duel is a
// battle of one ship a side: it is placed and fought by the division
// battle's code (combat/Squadron), so the duel, the Divisions tab and
// sdftool battle cannot differ.
#include <memory>
#include <vector>

#include "combat/CombatContext.h"
#include "combat/Engagement.h"
#include "combat/Squadron.h"

class TMap;
class TFightingShip;

// Two fighting ships on a map of their own.
struct EngagementShips {
    EngagementShips();
    ~EngagementShips(); // the ships leave the map before it dies
    EngagementShips(const EngagementShips&) = delete;
    EngagementShips& operator=(const EngagementShips&) = delete;

    std::unique_ptr<TMap> Map;
    std::unique_ptr<TFightingShip> Own, Opponent;
};

struct EngagementFigures {
    FireFigures Own;      // the own ship firing at the opponent
    FireFigures Opponent; // and back (computed only when asked)
};

// The battle a duel is: the own ship alone on the first side (its heading
// the side's course), the opponent alone on the second at the scenario's
// range and bearing, each firing the scenario's battery at the other.
BattleSetup DuelSetup(const EngagementScenario& scenario);

// The planner's opening scene: the opponent 90 degrees off the bow heading
// south, both ships at 18 knots and fully sighted, placed at
// PlannerConditions' sea area, every battery computed.
EngagementScenario PlannerScenario(double range);

// Places the ships and computes the own ship's fire, then (both) the
// opponent's, as ComputeBattle does for DuelSetup(scenario), with the
// scenario's light rule, batteries and details. Messages go to the
// context's sink.
EngagementFigures ComputeEngagement(const CombatContext& ctx, EngagementShips& ships,
                                    const EngagementScenario& scenario, bool both);

// The engagement at every range from `from` to `to` by `step` yards, each
// computed as ComputeEngagement at that range alone would.
std::vector<SweepRow> SweepEngagement(const CombatContext& ctx, EngagementShips& ships, EngagementScenario scenario,
                                      std::int32_t from, std::int32_t to, std::int32_t step);
