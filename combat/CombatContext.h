#pragma once
// What a combat rule reads besides the ships: the program's tables, the
// battle, where its random draws come from and where its messages go. The
// caller builds one (the status card, the planner, sdftool, a test) and
// hands it down, so no rule reaches for state of the whole process.
#include <cstdint>

#include "combat/BattleEnvironment.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "tables/ProgramData.h"

struct CombatContext {
    const ProgramData& Data;
    const BattleEnvironment& Env;
    platform::RandomSource& Random;
    platform::Messages& Messages;

    // A uniform draw 0 <= r < n of the rules; 0 when n <= 0.
    std::int32_t Draw(std::int32_t n) const { return Random.next(n); }
};
