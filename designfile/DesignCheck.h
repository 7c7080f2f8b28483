#pragma once
// The checks of a recomputed design, in plain words: what is wrong and what
// would put it right. The design form lists them under its totals and
// `sdftool check` derives its status column from them, so both always agree.
#include <string>
#include <vector>

#include "designfile/DesignInputs.h"
#include "shipdata/Ship.h"

enum class ProblemKind {
    Overweight,   // total weight above the displacement
    RuleMessage,  // a condition on which the design rules raise their message
    Advice,       // raises no message here, but the game or the plan view will not take it as it stands
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
// overweight first, then the rule messages, then the advice.
std::vector<DesignProblem> CheckDesign(const DesignInputs& inputs, const TDesignShip& ship);

// The status of `sdftool check`: "OVERWEIGHT", "warnings", both joined by
// ", ", or "ok". messagesRaised: some message came up while the design was
// read and recomputed.
struct DesignStatus {
    bool overweight = false;
    bool warnings = false;
    std::string Text() const;
};
DesignStatus StatusOf(const std::vector<DesignProblem>& problems, bool messagesRaised);
