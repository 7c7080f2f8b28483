#pragma once
// The chance in percent that one gun of a battery hits a target, with the
// breakdown of every step that changed it.
#include <cstdint>
#include <string>
#include <vector>

#include "combat/BattleEnvironment.h"
#include "combat/CombatContext.h"
#include "tables/ProgramData.h"

class TFightingShip;

struct HitChanceOptions {
    // Receives the printed lines ("Target: ...", one per row, "Final hit
    // chance: ..."); none when not wanted.
    std::vector<std::string>* Breakdown = nullptr;
    // Leaves out the ranging penalty, as for a ship that has found the range.
    bool IgnoreRanging = false;
};

float GetGunHitChance(const CombatContext& ctx, TFightingShip& firer, TFightingShip* target, std::int32_t calibre,
                      int battery, const HitChanceOptions& options = {});
std::int32_t GetTargetSizeModifier(const TFightingShip& target, std::int32_t range);
// Sea-state penalty of a firing ship type.
std::int32_t SeaStatePenalty(int firerType, std::int32_t seaState);
// Accuracy of a side; the designer keeps every side at 0.
std::int32_t SideAccuracy(std::int32_t side);
// The final banding of a chance above 10 percent; a transport inside 1,500
// yards instead gets 5 points more.
float BandHitChance(float chance, bool closeTransport);
// A chance as "#0.00".
std::string FormatChance(float chance);
