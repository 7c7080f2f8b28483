#include "combat/Squadron.h"

#include <algorithm>
#include <cmath>

#include "combat/FightShip.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "combat/ShipTypes.h"
#include "combat/Sighting.h"
#include "designfile/DesignCheck.h"
#include "map/Geodesy.h"
#include "platform/Messages.h"

namespace {

// The compass bearing from one ship to the next along the formation:
// astern in line ahead, to starboard in the others.
double nextShipBearing(const DivisionSide& side) {
    const double offset = side.Formation == fmLineAhead ? 180 : 90;
    return std::fmod(side.Course + offset + 720.0, 360.0);
}

void applyState(TFightingShip& ship, const DivisionSide& side, const DivisionShip& setup, int sideIndex) {
    ship.SetHeading(((side.Course % 360) + 360) % 360);
    ship.CurrentSpeed = side.Speed;
    ship.CurrentTurn = side.Turn;
    ship.CrewQuality = setup.CrewQuality;
    ship.RangingTurns = setup.RangingTurns;
    ship.SightingLevel = setup.SightingLevel;
    ship.Evading = setup.Evading;
    ship.Side = sideIndex;
    ship.FiringShips = 0;
    ship.UnderFire = 0;
    ship.IncomingCalibre = 0;
    ship.ReportedType.clear();
    ship.ReportedClassName.clear();
}

int batteryOf(const DivisionShip& ship) { return ship.Battery >= 1 && ship.Battery <= 3 ? ship.Battery : 1; }

} // namespace

double SideSpacing(const DivisionSide& side) {
    if (side.Spacing > 0) return side.Spacing;
    return side.Formation == fmSearchLine ? kDefaultSpacing * kSearchLineSpacingFactor : kDefaultSpacing;
}

bool TargetInLine(int target, int enemies) { return target >= 0 && target < enemies; }

int TargetOf(const DivisionShip& ship, int index, int enemies) {
    if (enemies <= 0) return -1;
    if (TargetInLine(ship.Target, enemies)) return ship.Target;
    return std::min(index, enemies - 1);
}

bool SideFormationAllowed(const DivisionSide& side, const TFightingShip* lead, std::int32_t year, std::string* why) {
    TDivision division;
    if (lead) division.Ships.push_back(const_cast<TFightingShip*>(lead));
    if (FormationAllowed(&division, side.Formation, year)) return true;
    if (why) {
        std::string name = "formation " + std::to_string(side.Formation);
        FormationName(side.Formation, name);
        const std::string type = lead ? ShipTypeCode(lead->ShipType) : "";
        if (lead && (lead->ShipType == stBB || lead->ShipType == stB))
            *why = "A " + type + " may lead only in line ahead or line abreast, not in " + name + ".";
        else
            *why = name + " needs a CA, CL or AMC in the lead" +
                   std::string(side.Formation == fmScreen ? " before 1908" : "") + "; the lead is a " + type + ".";
    }
    return false;
}

BattleShips::BattleShips() : Map(std::make_unique<TMap>()) {}

BattleShips::~BattleShips() {
    for (auto& side : Sides) side.clear(); // the ships leave the map before it dies
}

bool BattleShips::Load(const ProgramData& data, const BattleSetup& setup, std::string* why) {
    for (auto& side : Sides) side.clear();
    // What loading says matters only when a ship cannot be made.
    platform::RecordingMessages recorder;
    for (size_t s = 0; s < 2; ++s)
        for (size_t k = 0; k < setup.Sides[s].Ships.size(); ++k) {
            const DivisionShip& d = setup.Sides[s].Ships[k];
            const auto refusal = DesignRefusal(d.Record);
            auto ship =
                refusal ? nullptr : CreateShipOnLayer(d.Record, d.Record.ClassName, *Map, data.Preferences, recorder);
            if (!ship) {
                if (why && refusal)
                    *why = "sides[" + std::to_string(s) + "].ships[" + std::to_string(k) + "].design: " + *refusal;
                else if (why) {
                    *why = "Cannot make a fighting ship of " + d.Design;
                    for (const std::string& t : recorder.texts()) *why += ": " + t;
                }
                for (auto& side : Sides) side.clear();
                return false;
            }
            if (setup.Ready) MakeReadyForBattle(*ship, DesignRangeClass(d.Record));
            Sides[s].push_back(std::move(ship));
        }
    return true;
}

BattleLines LinesOf(BattleShips& ships) {
    BattleLines lines;
    lines.Map = ships.Map.get();
    for (size_t s = 0; s < 2; ++s)
        for (const auto& ship : ships.Sides[s]) lines.Sides[s].push_back(ship.get());
    return lines;
}

namespace {
// Each ship that has a target in the enemy line: its side, its place in its
// line, itself, its target's place and its target.
template <class Visit>
void forEachFiring(const BattleLines& ships, const BattleSetup& setup, Visit visit) {
    for (int s = 0; s < 2; ++s) {
        const auto& line = ships.Sides[static_cast<size_t>(s)];
        const auto& enemy = ships.Sides[static_cast<size_t>(1 - s)];
        const DivisionSide& side = setup.Sides[static_cast<size_t>(s)];
        for (size_t i = 0; i < line.size() && i < side.Ships.size(); ++i) {
            const int t = TargetOf(side.Ships[i], static_cast<int>(i), static_cast<int>(enemy.size()));
            if (t < 0) continue;
            visit(s, i, side.Ships[i], *line[i], t, *enemy[static_cast<size_t>(t)]);
        }
    }
}
} // namespace

void PlaceDivisions(const BattleLines& ships, const BattleSetup& setup) {
    for (int s = 0; s < 2; ++s) {
        const DivisionSide& side = setup.Sides[static_cast<size_t>(s)];
        const auto& line = ships.Sides[static_cast<size_t>(s)];
        TGeoPoint at = s == 0 ? setup.Place : PointAtBearing(setup.Place, setup.Bearing, setup.Range);
        const double spacing = SideSpacing(side), towards = nextShipBearing(side);
        for (size_t i = 0; i < line.size() && i < side.Ships.size(); ++i) {
            if (i > 0) at = PointAtBearing(at, towards, spacing);
            applyState(*line[i], side, side.Ships[i], s);
            line[i]->SetPosition(at);
        }
    }
    // Who fires at whom. One ship a side is the planner's duel, fought
    // without battle state; from two ships on, each ship counts the enemy
    // ships firing at it and the largest calibre among their batteries.
    const size_t total = ships.Sides[0].size() + ships.Sides[1].size();
    forEachFiring(ships, setup,
                  [total](int, size_t, const DivisionShip& ship, TFightingShip& firer, int, TFightingShip& target) {
                      firer.MainTarget = &target;
                      if (total <= 2) return;
                      target.FiringShips += 1;
                      target.UnderFire += 1;
                      const std::int32_t calibre = firer.BatteryCalibre[static_cast<size_t>(batteryOf(ship))];
                      target.IncomingCalibre = std::max(target.IncomingCalibre, calibre);
                  });
}

void PlaceDivisions(BattleShips& ships, const BattleSetup& setup) { PlaceDivisions(LinesOf(ships), setup); }

BattleFigures ComputeBattle(const CombatContext& ctx, const BattleLines& ships, const BattleSetup& setup,
                            const FireOptions& options) {
    BattleFigures figures;
    PlaceDivisions(ships, setup);
    BattleEnvironment battle = ctx.Env;
    battle.Map = ships.Map;
    const CombatContext here{ctx.Data, battle, ctx.Random, ctx.Messages};
    forEachFiring(ships, setup,
                  [&](int s, size_t i, const DivisionShip& ship, TFightingShip& firer, int t, TFightingShip& target) {
                      if (s == 1 && !options.SecondSideFires) return;
                      EngagementScenario scenario;
                      scenario.Battery = batteryOf(ship);
                      scenario.LightFromEnvironment = options.LightFromEnvironment;
                      scenario.AllBatteries = options.AllBatteries;
                      scenario.Details = options.Details;
                      scenario.Seed = setup.Seed;
                      ShipFire fire;
                      fire.Side = s;
                      fire.Index = static_cast<int>(i);
                      fire.Target = t;
                      fire.Fire = ComputeFire(here, firer, target, scenario);
                      fire.FoulingShips = CountShipsInBetween(here, firer, &target, true);
                      fire.FiringShips = std::max(1, target.FiringShips);
                      fire.UnderFire = firer.UnderFire;
                      fire.IncomingCalibre = firer.IncomingCalibre;
                      const double hits = fire.Fire.Fire.HitsPerMinute;
                      if (std::isfinite(hits)) figures.Totals[static_cast<size_t>(s)] += hits;
                      figures.Ships[static_cast<size_t>(s)].push_back(std::move(fire));
                  });
    return figures;
}

BattleFigures ComputeBattle(const CombatContext& ctx, BattleShips& ships, const BattleSetup& setup, bool details) {
    FireOptions options;
    options.Details = options.AllBatteries = details;
    return ComputeBattle(ctx, LinesOf(ships), setup, options);
}

std::vector<BattleSweepRow> SweepBattle(const CombatContext& ctx, BattleShips& ships, BattleSetup setup,
                                        std::int32_t from, std::int32_t to, std::int32_t step) {
    std::vector<BattleSweepRow> rows;
    if (step < 1 || from > to) return rows;
    for (std::int64_t r = from; r <= to; r += step) {
        setup.Range = static_cast<double>(r);
        const BattleFigures f = ComputeBattle(ctx, ships, setup, false);
        rows.push_back({static_cast<std::int32_t>(r), f.Totals});
    }
    return rows;
}
