#pragma once
// Division against division: each side a line of one to eight ships in a
// formation, every ship firing one battery at one enemy ship, with the
// battle state the positions call for (ships fouling the range, several
// ships on one target, ships under fire). One ship a side is the duel of
// the engagement planner and sdftool engage (combat/Duel), which compute
// here too.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "combat/CombatContext.h"
#include "combat/Engagement.h"
#include "designfile/DesignRecord.h"

class TFightingShip;

constexpr int kMaxDivisionShips = 8;
constexpr double kDefaultSpacing = 500; // yards between ships
// A search line spreads out to look: four times the others' spacing.
constexpr double kSearchLineSpacingFactor = 4;
// Limits a scenario is held to; beyond them the figures mean nothing.
constexpr double kMaxSpacing = 20000, kMaxBattleRange = 100000, kMaxBattleSpeed = 60;

struct DivisionShip {
    std::string Design;  // the design file (or a name for a design held in memory)
    DesignRecord Record; // the design itself
    std::int32_t CrewQuality = 0;
    std::int32_t RangingTurns = 0;
    bool Evading = false;
    std::int32_t SightingLevel = 3; // how well the enemy sees this ship, 0..3
    int Battery = 1;                // the battery it fires
    int Target = -1;                // index in the enemy line; -1 the same place (or the last)
};

struct DivisionSide {
    std::string Name;
    int Formation = 0;       // TFormation
    std::int32_t Course = 0; // compass degrees
    std::int32_t Speed = 0;  // knots
    std::int32_t Turn = 0;   // signed degrees the side turned this turn
    double Spacing = 0;      // yards; 0 the formation's default
    std::vector<DivisionShip> Ships;
};

// The spacing a side keeps: its own, or the formation's default.
double SideSpacing(const DivisionSide& side);
// Whether a chosen target index names a ship of an enemy line of `enemies`
// ships: the one guard on a target index, wherever one comes in.
bool TargetInLine(int target, int enemies);
// The index of the enemy ship a ship fires at: its chosen target when that
// is in the enemy line, else the ship in its own place (or the last one).
int TargetOf(const DivisionShip& ship, int index, int enemies);
// Whether the side's lead may take its formation in the year; false with a
// reason ("A BB may lead only in line ahead or line abreast") when it may not.
bool SideFormationAllowed(const DivisionSide& side, const TFightingShip* lead, std::int32_t year, std::string* why);

struct BattleSetup {
    std::array<DivisionSide, 2> Sides;
    TGeoPoint Place{};    // the first side's lead
    double Range = 10000; // yards from the first lead to the second
    double Bearing = 90;  // compass bearing of the second lead from the first
    bool Ready = true;    // fuel and ammunition full
    std::uint64_t Seed = 1;
};

// The fighting ships of both sides on one map, so each sees the others in
// its line of fire.
struct BattleShips {
    BattleShips();
    ~BattleShips();
    BattleShips(const BattleShips&) = delete;
    BattleShips& operator=(const BattleShips&) = delete;

    std::unique_ptr<TMap> Map;
    std::array<std::vector<std::unique_ptr<TFightingShip>>, 2> Sides;
    // Loads the designs of the setup; false (with the reason) when one is
    // refused (DesignRefusal: not a design, unreadable, values outside the
    // form's) or cannot be made into a fighting ship: then nothing fights.
    bool Load(const ProgramData& data, const BattleSetup& setup, std::string* why);
};

// The ships of a battle wherever they are held (BattleShips, the duel's
// pair): each side's line in order, and the map they stand on.
struct BattleLines {
    TMap* Map = nullptr;
    std::array<std::vector<TFightingShip*>, 2> Sides;
};
BattleLines LinesOf(BattleShips& ships);

// One ship firing at its target.
struct ShipFire {
    int Side = 0, Index = 0, Target = 0;
    FireFigures Fire;                 // with the breakdown of its battery
    std::int32_t FoulingShips = 0;    // ships counted in the line of fire
    std::int32_t FiringShips = 0;     // ships firing at its target, itself included
    std::int32_t UnderFire = 0;       // enemy ships firing at this ship
    std::int32_t IncomingCalibre = 0; // the largest calibre fired at it
};

struct BattleFigures {
    std::array<std::vector<ShipFire>, 2> Ships;
    std::array<double, 2> Totals{}; // expected hits per minute of each side
};

// What each ship's fire is worked out with.
struct FireOptions {
    bool Details = true;      // breakdowns, identification and zones; a sweep leaves them out
    bool AllBatteries = true; // every battery with guns, not only the one fired
    // Both ships' light from the environment (every battle); off only in
    // sdftool engage without the planner's options, which keeps the
    // designer's reckoning (combat/Engagement).
    bool LightFromEnvironment = true;
    bool SecondSideFires = true; // off: only the first side fires
};

// Puts every ship where its side's formation puts it, heading on the side's
// course, with the battle state of who fires at whom.
void PlaceDivisions(const BattleLines& ships, const BattleSetup& setup);
void PlaceDivisions(BattleShips& ships, const BattleSetup& setup);
// Every ship's fire, each way drawing from a source seeded with the setup's
// seed; the ships' map replaces the environment's.
BattleFigures ComputeBattle(const CombatContext& ctx, const BattleLines& ships, const BattleSetup& setup,
                            const FireOptions& options);
// The same with every detail, or (details false) as a sweep wants it.
BattleFigures ComputeBattle(const CombatContext& ctx, BattleShips& ships, const BattleSetup& setup,
                            bool details = true);

struct BattleSweepRow {
    std::int32_t Range = 0;
    std::array<double, 2> Totals{};
};
// Each side's total at every range between the leads from `from` to `to`.
std::vector<BattleSweepRow> SweepBattle(const CombatContext& ctx, BattleShips& ships, BattleSetup setup,
                                        std::int32_t from, std::int32_t to, std::int32_t step);
