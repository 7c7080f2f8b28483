#pragma once
// One ship firing at another at a range and bearing: what each battery of
// it can do against the other. Every battle computes its fire here: the
// duel of the planner and sdftool engage (combat/Duel) and the divisions
// (combat/Squadron).
#include <cstdint>
#include <string>
#include <vector>

#include "combat/BattleEnvironment.h"
#include "combat/CombatContext.h"
#include "combat/Protection.h"
#include "map/MapModel.h"
#include "shipdata/Ship.h"
#include "tables/ProgramData.h"

class TFightingShip;

// The state one ship fights in.
struct EngagementShipState {
    std::int32_t Heading = 0; // compass degrees
    std::int32_t Speed = 0;   // current speed, knots
    std::int32_t Turn = 0;    // signed degrees turned this turn
    std::int32_t CrewQuality = 0;
    std::int32_t RangingTurns = 0;
    std::int32_t SightingLevel = 0; // how well the enemy sees this ship, 0..3
    bool Evading = false;
};

struct EngagementScenario {
    double Range = 0;   // yards between the ships
    double Bearing = 0; // compass bearing of the opponent from the own ship
    TGeoPoint Place{};  // the own ship's position
    EngagementShipState Own, Opponent;
    int Battery = 1; // the battery whose breakdown is wanted
    // Both ships' light conditions from the environment before the hit
    // chance (the firer's dusk row needs it). Off, only the target's is set,
    // by its sighting range, as sdftool engage always did.
    bool LightFromEnvironment = false;
    // Every battery with guns in FireFigures::Batteries; off, only the
    // scenario's battery is computed.
    bool AllBatteries = true;
    std::uint64_t Seed = 1; // the random draws (rate of fire in mist or rain, reports)
    // The breakdown, identification and immune zone; a sweep needs only the figures.
    bool Details = true;
};

struct BatteryFigures {
    int Battery = 1; // 1 main, 2 secondary, 3 tertiary
    std::int32_t Calibre = 0;
    std::int32_t Guns = 0;        // every gun of the battery
    std::int32_t GunsBearing = 0; // those that can fire on the target's bearing
    float HitChance = 0;          // percent, per gun
    float RateOfFire = 0;         // rounds per gun per minute
    std::int32_t MaxGunRange = 0; // yards
    // The range exceeds MaxGunRange: the rules still give a chance, but no
    // hit is possible, and HitsPerMinute is 0.
    bool BeyondGunRange = false;
    // The target lies within its sighting range; a target not seen draws no
    // fire, whatever chance the rules give.
    bool Sighted = true;
    // GunsBearing x RateOfFire x the chance, taken as at most 100 %: the
    // rules may give more, but a shell hits once.
    double HitsPerMinute = 0;
    // What the battery's shells do to the target's belt and deck at the
    // range; beyond MaxGunRange none lands, so nothing is pierced.
    Piercing Pierces;
};

// One ship firing at the other.
struct FireFigures {
    std::int32_t Range = 0, RoundedRange = 0, TrueBearing = 0, RelativeBearing = 0;
    std::vector<std::string> Breakdown;         // of the scenario's battery
    BatteryFigures Fire;                        // the scenario's battery
    std::vector<BatteryFigures> Batteries;      // each battery with guns, main first
    std::vector<TurretPosition> TurretsBearing; // main turrets that bear, in list order
    std::int32_t SightingRange = 0;             // of the target
    bool Sighted = true;                        // the target lies within it (planner's mode)
    std::int32_t LightCondition = 0;            // of the target: 1 day, 2 night, 3 dusk
    bool Glare = false;                         // the firer is dazzled
    std::string IdentificationText;             // what the firer sees of the target
    ProtectionRow TargetZone;                   // the target's immune zone against the firer's main battery
};

// One ship firing at another where they stand (ctx.Env.Map their map),
// with the scenario's battery and light rule, drawing from a source seeded
// with the scenario's seed: one way of ComputeEngagement.
FireFigures ComputeFire(const CombatContext& ctx, TFightingShip& firer, TFightingShip& target,
                        const EngagementScenario& scenario);

// One range of a sweep: the scenario's battery both ways.
struct SweepRow {
    std::int32_t Range = 0;
    BatteryFigures Own, Opponent;
};

// Who leads in expected hits per minute along a sweep: the first entry is
// the first range where either ship leads, each further entry a range where
// the lead passes to the other ship. Ranges where the two are within a
// twentieth of the larger (both 0, say) count as even and change nothing.
struct AdvantageChange {
    std::int32_t Range = 0;
    bool Own = true; // the own ship leads from here on
};
std::vector<AdvantageChange> AdvantageChanges(const std::vector<SweepRow>& rows);

// Whether a battery has guns: main turrets, or secondary or tertiary guns.
bool BatteryHasGuns(const TFightingShip& ship, int battery);
// The guns of a battery that bear on a relative bearing: main turrets by
// their arcs and cross-deck fire; secondary and tertiary guns of the side
// the target lies on (dead ahead counts as starboard, dead astern as port).
std::int32_t GunsBearing(const TFightingShip& ship, int battery, std::int32_t relativeBearing,
                         platform::Messages& messages, std::vector<TurretPosition>* turrets = nullptr);
