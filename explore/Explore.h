#pragma once
// The design explorer: every combination of a few inputs of a base design,
// each recomputed with the design rules; the variants that fit are scored on
// the player's objectives and only the non-dominated ones are kept (those
// no other variant beats on every objective). sdftool explore and the
// design form's explorer window both run here.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "combat/BattleEnvironment.h"
#include "combat/Engagement.h"
#include "designfile/DesignInputs.h"
#include "designfile/DesignRecord.h"
#include "tables/ProgramData.h"

// ---------------------------------------------------------------------------
// Inputs

enum class ExploreInput {
    Speed,
    Displacement,
    Belt,
    BeltExt,
    Deck,
    DeckExt,
    Turret,
    TurretTop,
    ConningTower,
    SecondaryArmour,
    MainCalibre,
    SecondaryCalibre,
    SecondaryNumber,
    TertiaryNumber,
    Range,
    FireControl,
    TorpedoDefense,
    MainTurrets,
};

struct ExploreInputInfo {
    ExploreInput Input;
    const char* Key;     // "belt-ext"
    const char* Caption; // "Belt ends"
    const char* Unit;    // "in", "kn", "t" or ""
    double Min, Max;     // in the key's unit; MainTurrets: Max is the base's turret count
    double DefaultStep;
    bool Inches; // half-inch list steps
};

const std::vector<ExploreInputInfo>& ExploreInputs();
const ExploreInputInfo& InfoOf(ExploreInput input);
std::optional<ExploreInput> ExploreInputFromKey(const std::string& key);
// What a player reads for an input, with its unit: "Belt (in)", "Secondary guns".
std::string InputLabel(ExploreInput input);

// One input over a range, in the key's unit (inches, knots, tons, counts).
struct ExploreRange {
    ExploreInput Input = ExploreInput::Speed;
    double From = 0, To = 0, Step = 1;
};

// The values a range takes, in the units DesignInputs holds (armour in list
// steps, i.e. half inches; main turrets as a count).
std::vector<std::int32_t> RangeValues(const ExploreRange& range);
// Why a range cannot be searched (outside the form's limits, FROM above TO,
// a step of 0 or off the half-inch list), or none. baseTurrets bounds
// main-turrets.
std::optional<std::string> RangeProblem(const ExploreRange& range, int baseTurrets);
// "FROM:TO[:STEP]" for a key; the step defaults to the key's own.
std::optional<ExploreRange> ParseRange(ExploreInput input, const std::string& text, std::string* why);
// "KEY=FROM:TO[:STEP]" as --vary gives it: the range when the key is known,
// not among those already given and the range within the form's limits
// (main-turrets is bounded by the base once it is read); none, with why.
std::optional<ExploreRange> ParseVary(const std::string& text, const std::vector<ExploreRange>& given,
                                      std::string* why);
// A stored value in the key's unit: 7.5 for list step 15 of an armour list.
double DisplayValue(ExploreInput input, std::int32_t stored);
// The base's own value of an input, stored units.
std::int32_t BaseValue(const DesignInputs& inputs, int turrets, ExploreInput input);

// ---------------------------------------------------------------------------
// Objectives

enum class ObjectiveKind { Speed, Belt, Deck, Spare, PointValue, Endurance, Immune, BeltSafe, Hits };

struct ExploreObjective {
    ObjectiveKind Kind = ObjectiveKind::Speed;
    std::string Text;       // as given: "immune:12", "hits:Seydlitz.sdf@10000"
    int Calibre = 0;        // Immune, BeltSafe
    std::string File;       // Hits: the opponent's design file
    std::int32_t Range = 0; // Hits: yards
    bool Minimise() const { return Kind == ObjectiveKind::BeltSafe; }
};

struct ObjectiveInfo {
    ObjectiveKind Kind;
    const char* Key;     // "belt-safe", as the options name it
    const char* Caption; // "Belt safe beyond"
    const char* Unit;    // of its figure: "yd"
    bool Figure;         // takes ":CAL" or ":FILE@RANGE" after the key
};
// Every objective, in the order the options and the window list them.
const std::vector<ObjectiveInfo>& ObjectiveInfos();
const ObjectiveInfo& InfoOf(ObjectiveKind kind);

std::optional<ExploreObjective> ParseObjective(const std::string& text, std::string* why);
// "speed", "belt" ... as the options name them, for lists.
const std::vector<std::string>& ObjectiveKeys();
// What a player reads for an objective, with its unit and never a path:
// "Speed (kn)", "Immune zone vs 12 in (yd)", "Hits/min on Derfflinger at
// 10,000 yd" (the opponent named by its file).
std::string ObjectiveLabel(const ExploreObjective& objective);

// The planner's opening scene (PlannerConditions, PlannerScenario), the
// main battery alone. Hits are reckoned there, in the clock's year of play
// unless one is given.
BattleEnvironment PlannerDefaultEnvironment(std::optional<std::int32_t> year = std::nullopt);
EngagementScenario PlannerDefaultScenario(double range);

// ---------------------------------------------------------------------------
// The base design and a variant of it

struct ExploreBase {
    DesignRecord Record;
    DesignInputs Inputs;
    int Turrets = 0; // main turrets of the base, in its order
};

// Reads the design as the form loads it. Every caller reads its base here,
// so whatever a base must pass to be explored is checked in one place.
std::optional<ExploreBase> ReadExploreBase(const DesignRecord& record, const ProgramData& data, std::string* why);

struct ExploreVariant {
    std::uint64_t Index = 0;          // in the grid
    std::vector<std::int32_t> Values; // one per range, stored units
    std::vector<double> Objectives;   // one per objective, as shown
    std::int32_t TotalWeight = 0, Displacement = 0;
    bool Fits = true; // every variant of a front fits
};

// The base's inputs with a variant's values put in; turrets: how many of
// the base's main turrets the variant keeps.
DesignInputs VariantInputs(const ExploreBase& base, const std::vector<ExploreRange>& ranges,
                           const std::vector<std::int32_t>& values, int* turrets);
// The file lines of a variant (the base's turrets cut to the variant's
// count, its outlines kept), and the same written to a design file (true
// when written; the name inside is inputs.Name).
std::vector<std::string> VariantFileLines(const ExploreBase& base, const ProgramData& data, const DesignInputs& inputs,
                                          int turrets);
bool WriteVariantFile(const std::string& path, const ExploreBase& base, const ProgramData& data,
                      const DesignInputs& inputs, int turrets);

// ---------------------------------------------------------------------------
// The search

// Grids above this many variants are refused.
constexpr std::uint64_t kMaxExploreVariants = 50'000'000;

struct ExploreRequest {
    std::vector<ExploreRange> Ranges;
    std::vector<ExploreObjective> Objectives;
    std::optional<std::int32_t> Year; // the year of play of hits: objectives; none: the clock's
    unsigned Threads = 0;             // 0: every core
};

// Shared with the thread that watches: how far the search has come, and a
// request to stop early.
struct ExploreControl {
    std::atomic<std::uint64_t> Done{0};
    std::atomic<bool> Cancel{false};
};

struct ExploreResult {
    std::uint64_t Evaluated = 0, Feasible = 0;
    std::vector<ExploreVariant> Front; // best first by the first objective
    double Seconds = 0;
    bool Cancelled = false;
    std::string Problem; // an opponent that cannot be read; nothing searched
};

// Variants in the grid; saturates at UINT64_MAX.
std::uint64_t GridSize(const std::vector<ExploreRange>& ranges);
// "The grid holds N variants; at most 50,000,000 can be searched." or none.
std::optional<std::string> GridProblem(const std::vector<ExploreRange>& ranges);

ExploreResult RunExplore(const ProgramData& data, const ExploreBase& base, const ExploreRequest& request,
                         ExploreControl* control = nullptr);

// One variant scored whether it fits or not (the base, say: values none
// gives the base itself). Problem set as RunExplore's.
ExploreVariant EvaluateVariant(const ProgramData& data, const ExploreBase& base, const ExploreRequest& request,
                               const std::vector<std::int32_t>& values, std::string* problem = nullptr);

// True when a is at least as good as b on every objective and better on one
// (objectives in the request's order, minimised ones taken into account).
bool Dominates(const std::vector<double>& a, const std::vector<double>& b,
               const std::vector<ExploreObjective>& objectives);

// ---------------------------------------------------------------------------
// What each step costs

struct StepCost {
    std::string Text;      // "+1 kn"
    std::int32_t Tons = 0; // added (negative: freed)
    bool Possible = true;  // false at the end of an input's range
    std::string Why;       // why a step weighs nothing, when the rules say so
};

// For the design as it stands: the weight one step of each input adds: a
// knot, half an inch of each armour, an inch of main and of secondary
// calibre, one pair of secondary guns, the next range setting.
std::vector<StepCost> StepCosts(const ExploreBase& base, const ProgramData& data);
// "+1 kn: +312 t", "Range Extreme: +0 t (the rules give range no weight)";
// beforeWhy: "\n" puts the reason on a line of its own.
std::string StepCostText(const StepCost& cost, const std::string& beforeWhy = " ");
