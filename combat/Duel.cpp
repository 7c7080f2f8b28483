#include "combat/Duel.h"

#include "combat/FightShip.h"
#include "map/MapModel.h"

EngagementShips::EngagementShips() : Map(std::make_unique<TMap>()) {}

EngagementShips::~EngagementShips() {
    Opponent.reset();
    Own.reset();
}

namespace {

DivisionSide sideOf(const EngagementShipState& state, int battery) {
    DivisionSide side;
    side.Course = state.Heading;
    side.Speed = state.Speed;
    side.Turn = state.Turn;
    DivisionShip ship;
    ship.CrewQuality = state.CrewQuality;
    ship.RangingTurns = state.RangingTurns;
    ship.Evading = state.Evading;
    ship.SightingLevel = state.SightingLevel;
    ship.Battery = battery;
    side.Ships.push_back(std::move(ship));
    return side;
}

} // namespace

BattleSetup DuelSetup(const EngagementScenario& scenario) {
    BattleSetup setup;
    setup.Sides = {sideOf(scenario.Own, scenario.Battery), sideOf(scenario.Opponent, scenario.Battery)};
    setup.Place = scenario.Place;
    setup.Range = scenario.Range;
    setup.Bearing = scenario.Bearing;
    setup.Seed = scenario.Seed;
    return setup;
}

EngagementScenario PlannerScenario(double range) {
    EngagementScenario s;
    s.Range = range;
    s.Bearing = 90;
    s.Place = PlannerConditions().Place();
    s.Own.Speed = s.Opponent.Speed = 18;
    s.Own.SightingLevel = s.Opponent.SightingLevel = 3;
    s.Opponent.Heading = 180;
    s.Battery = 1;
    s.LightFromEnvironment = true;
    s.AllBatteries = true;
    return s;
}

EngagementFigures ComputeEngagement(const CombatContext& ctx, EngagementShips& ships,
                                    const EngagementScenario& scenario, bool both) {
    EngagementFigures figures;
    if (!ships.Own || !ships.Opponent) return figures;
    BattleLines lines;
    lines.Map = ships.Map.get();
    lines.Sides = {std::vector<TFightingShip*>{ships.Own.get()}, std::vector<TFightingShip*>{ships.Opponent.get()}};
    FireOptions options;
    options.Details = scenario.Details;
    options.AllBatteries = scenario.AllBatteries;
    options.LightFromEnvironment = scenario.LightFromEnvironment;
    options.SecondSideFires = both;
    const BattleFigures battle = ComputeBattle(ctx, lines, DuelSetup(scenario), options);
    if (!battle.Ships[0].empty()) figures.Own = battle.Ships[0].front().Fire;
    if (!battle.Ships[1].empty()) figures.Opponent = battle.Ships[1].front().Fire;
    return figures;
}

std::vector<SweepRow> SweepEngagement(const CombatContext& ctx, EngagementShips& ships, EngagementScenario scenario,
                                      std::int32_t from, std::int32_t to, std::int32_t step) {
    std::vector<SweepRow> rows;
    if (step < 1 || from > to) return rows;
    scenario.AllBatteries = false;
    scenario.Details = false;
    for (std::int64_t r = from; r <= to; r += step) {
        scenario.Range = static_cast<double>(r);
        const EngagementFigures f = ComputeEngagement(ctx, ships, scenario, true);
        rows.push_back({static_cast<std::int32_t>(r), f.Own.Fire, f.Opponent.Fire});
    }
    return rows;
}
