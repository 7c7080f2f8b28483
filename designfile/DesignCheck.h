#pragma once
// The checks of a recomputed design, in plain words: what is wrong and what
// would put it right. The design form lists them under its totals and
// `sdftool check` derives its status column from them, so both always agree.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "designfile/DesignInputs.h"
#include "designfile/DesignRecord.h"
#include "shipdata/Ship.h"

enum class ProblemKind {
    Overweight,   // total weight above the displacement
    RuleMessage,  // a condition on which the design rules raise their message
    Advice,       // raises no message here, but the game or the plan view will not take it as it stands
    IllegalValue, // a value outside what the form accepts
    Incomplete,   // a section of the file holds only some of its keys (cut short)
    SaveRefusal,  // the form's Save would refuse it (no nation, type or class name)
};

struct DesignProblem {
    ProblemKind kind;
    std::string text;
    bool operator==(const DesignProblem&) const = default;
};

// Torpedo mount sections the game reads (TorpedoMount0 .. TorpedoMount12).
constexpr int kGameMountSections = 13;
// The speeds and displacements the speed-power table holds.
constexpr int kFirstTableKnot = 16, kLastTableKnot = 35;
constexpr int kLargestTableDisplacement = 52000;
// The calibres the gun tables and the fighting ship accept.
constexpr int kSmallestCalibre = 2, kLargestCalibre = 18;

// Checks a ship recomputed from `inputs` (ApplyInputs), in a fixed order:
// what Save would refuse first, then overweight, then the rule messages,
// then the advice, then turrets and mounts the form would not make (the
// form keeps them as read).
std::vector<DesignProblem> CheckDesign(const DesignInputs& inputs, const TDesignShip& ship);

// The status of `sdftool check`: "not saveable", "OVERWEIGHT", "warnings",
// "illegal values", joined by ", ", or "ok". messagesRaised: some message
// came up while the design was read and recomputed.
struct DesignStatus {
    bool unsaveable = false; // Save would refuse it
    bool overweight = false;
    bool warnings = false;
    bool illegal = false; // a value outside what the form accepts
    bool Ok() const { return !unsaveable && !overweight && !warnings && !illegal; }
    std::string Text() const;
};
DesignStatus StatusOf(const std::vector<DesignProblem>& problems, bool messagesRaised);

// A value written in a design file outside what the form accepts: a number
// outside its box's or list's range, or no number at all.
struct IllegalValue {
    std::string Section, Key, Value; // as written
    std::int32_t Min = 0, Max = 0;
    // "[Turret0] Guns=99999 is outside 0 to 4".
    std::string Text() const;
};

// Every value of the file outside what the form accepts, in file order of
// sections: [Data], [Armor], [Guns], [Torpedoes], the turrets, the mounts.
// Missing keys are not illegal (they take their defaults). A turret's
// "Guns" below 0 and a mount's "Tubes" of 0 or less make no turret or mount,
// as the readers say, and are not illegal either.
std::vector<IllegalValue> IllegalValues(const DesignRecord& record);

// What is wrong with the file itself: each illegal value (IllegalValue) and
// each section that holds only some of the keys the form writes into it
// (Incomplete: a file cut short), for the turret, mount, funnel and
// superstructure sections.
std::vector<DesignProblem> CheckDesignRecord(const DesignRecord& record);

// The one gate before a design is computed with: why it may not fight, or
// none. Every path that loads a design to compute with it (the planner's
// duel and divisions, scenarios, sdftool engage, battle, protection and
// compare, the explorer's base and opponents, the compare window, the
// library's figures) asks here, so each refuses the same files with the
// same text: "Cannot read design file: <path> (<reason>)", the NotDesign message,
// or "<class> holds values outside what the form accepts: ..." (figures
// from a 99999-gun turret mean nothing).
std::optional<std::string> DesignRefusal(const DesignRecord& record);

// Why the form's Save refuses a design, in the order Save asks, each as the
// text Save shows: a nation, a type, a class name, a class name that can be
// a file name. Empty when Save would write it. The design check lists the
// same (ProblemKind::SaveRefusal), so "ok" is said only of a design the form
// would save.
std::vector<std::string> SaveRefusals(const DesignInputs& inputs);
