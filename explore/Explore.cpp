#include "explore/Explore.h"

#include "combat/Duel.h"
#include "combat/EnvironmentNames.h"
#include "combat/FightShip.h"
#include "combat/Protection.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "combat/StatusFigures.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "explore/ExploreFront.h"
#include "platform/DayNumber.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Problems.h"
#include "platform/Round.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <thread>
#include <tuple>
#include <unordered_map>

namespace {

// Keeps the first n turrets of a list, parking the rest in order so a later
// variant can take them back without copying.
class TurretCut {
public:
    void Keep(std::vector<std::unique_ptr<TTurret>>& list, size_t n) {
        while (list.size() > n) {
            parked_.push_back(std::move(list.back()));
            list.pop_back();
        }
        while (list.size() < n && !parked_.empty()) {
            list.push_back(std::move(parked_.back()));
            parked_.pop_back();
        }
    }

private:
    std::vector<std::unique_ptr<TTurret>> parked_;
};

const std::vector<ExploreInputInfo> kInputs = {
    {ExploreInput::Speed, "speed", "Speed", "kn", 0, 35, 1, false},
    {ExploreInput::Displacement, "displacement", "Displacement", "t", 50, 70000, 500, false},
    {ExploreInput::Belt, "belt", "Belt", "in", 0, 16, 0.5, true},
    {ExploreInput::BeltExt, "belt-ext", "Belt ends", "in", 0, 16, 0.5, true},
    {ExploreInput::Deck, "deck", "Deck", "in", 0, 16, 0.5, true},
    {ExploreInput::DeckExt, "deck-ext", "Deck ends", "in", 0, 16, 0.5, true},
    {ExploreInput::Turret, "turret", "Turret faces", "in", 0, 16, 0.5, true},
    {ExploreInput::TurretTop, "turret-top", "Turret tops", "in", 0, 16, 0.5, true},
    {ExploreInput::ConningTower, "ct", "Conning tower", "in", 0, 16, 0.5, true},
    {ExploreInput::SecondaryArmour, "secondary-armour", "Secondary armour", "in", 0, 16, 0.5, true},
    {ExploreInput::MainCalibre, "main-calibre", "Main calibre", "in", 2, 18, 1, false},
    {ExploreInput::SecondaryCalibre, "secondary-calibre", "Secondary calibre", "in", 2, 35, 1, false},
    {ExploreInput::SecondaryNumber, "secondary-number", "Secondary guns", "", 0, 24, 2, false},
    {ExploreInput::TertiaryNumber, "tertiary-number", "Tertiary guns", "", 0, 24, 2, false},
    {ExploreInput::Range, "range", "Range", "", 0, listsize::Range - 1, 1, false},
    {ExploreInput::FireControl, "fire-control", "Fire control", "", 0, listsize::FireControl - 1, 1, false},
    {ExploreInput::TorpedoDefense, "torpedo-defense", "Torpedo defense", "", 0, listsize::TPS - 1, 1, false},
    {ExploreInput::MainTurrets, "main-turrets", "Main turrets", "", 0, 0, 1, false},
};

int* ArmourField(DesignInputs& in, ExploreInput input) {
    switch (input) {
    case ExploreInput::Belt: return &in.B;
    case ExploreInput::BeltExt: return &in.BE;
    case ExploreInput::Deck: return &in.D;
    case ExploreInput::DeckExt: return &in.DE;
    case ExploreInput::Turret: return &in.T;
    case ExploreInput::TurretTop: return &in.TT;
    case ExploreInput::ConningTower: return &in.CT;
    case ExploreInput::SecondaryArmour: return &in.SEC;
    default: return nullptr;
    }
}

// Puts one stored value into the inputs; main turrets go to `turrets`.
void SetValue(DesignInputs& in, ExploreInput input, std::int32_t v, int& turrets) {
    if (int* armour = ArmourField(in, input)) {
        *armour = v;
        return;
    }
    switch (input) {
    case ExploreInput::Speed: in.Speed = v; break;
    case ExploreInput::Displacement: in.Displacement = v; break;
    case ExploreInput::MainCalibre: in.MainCal = v; break;
    case ExploreInput::SecondaryCalibre: in.SecCal = v; break;
    case ExploreInput::SecondaryNumber: in.Secondaries = v; break;
    case ExploreInput::TertiaryNumber: in.Tertiaries = v; break;
    case ExploreInput::Range: in.Range = v; break;
    case ExploreInput::FireControl: in.FireControl = v; break;
    case ExploreInput::TorpedoDefense: in.TPS = v; break;
    case ExploreInput::MainTurrets: turrets = v; break;
    default: break;
    }
}

std::string Grouped(std::uint64_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

std::string NumberText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::optional<double> ParseNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (!end || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Objective values as compared: every one maximised.
double Sense(const ExploreObjective& o, double v) { return o.Minimise() ? -v : v; }

// A fighting ship made to match a variant: what reading the variant's saved
// file would give, for the fields an explored input reaches.
void PatchFightingShip(TFightingShip& f, const DesignInputs& in, int turrets, TurretCut& cut,
                       platform::Messages& messages) {
    f.Displacement = in.Displacement;
    f.OriginalFlotation = f.Flotation = platform::Div(in.Displacement, 2);
    f.OriginalHitPoints = f.HitPoints = HitPointsForDisplacement(in.Displacement);
    f.Speed = in.Speed;
    f.FireControl = in.FireControl;
    f.TorpedoDefense = in.TPS;
    auto inches = [](int step) { return static_cast<float>(platform::Div(step, 2)); };
    f.ArmorB = inches(in.B), f.ArmorBE = inches(in.BE), f.ArmorD = inches(in.D), f.ArmorDE = inches(in.DE);
    f.ArmorCT = inches(in.CT), f.ArmorT = inches(in.T), f.ArmorTT = inches(in.TT), f.ArmorSEC = inches(in.SEC);
    f.SetBatteryCalibre(in.MainCal, 1, messages);
    f.SetBatteryCalibre(in.SecCal, 2, messages);
    f.SetBatteryCalibre(in.TerCal, 3, messages);
    f.SecNo = in.Secondaries;
    f.TerNo = in.Tertiaries;
    f.SecondaryPort = f.SecondaryStarboard = f.SecondaryPortOriginal = f.SecondaryStarboardOriginal =
        platform::Div(in.Secondaries, 2);
    f.TertiaryPort = f.TertiaryStarboard = f.TertiaryPortOriginal = f.TertiaryStarboardOriginal =
        platform::Div(in.Tertiaries, 2);
    cut.Keep(f.Turrets, static_cast<size_t>(std::max(turrets, 0)));
    MakeReadyForBattle(f, in.Range >= 0 && in.Range <= 3 ? in.Range : 1);
}

// The grid as mixed-radix digits, the first range turning fastest.
struct Grid {
    std::vector<std::vector<std::int32_t>> Values;
    std::uint64_t Size = 1;

    explicit Grid(const std::vector<ExploreRange>& ranges) {
        for (const auto& r : ranges) {
            Values.push_back(RangeValues(r));
            Size *= Values.back().size();
        }
    }
    std::vector<size_t> Digits(std::uint64_t index) const {
        std::vector<size_t> d(Values.size());
        for (size_t k = 0; k < Values.size(); ++k) {
            d[k] = static_cast<size_t>(index % Values[k].size());
            index /= Values[k].size();
        }
        return d;
    }
    std::vector<std::int32_t> ValuesAt(std::uint64_t index) const {
        std::vector<std::int32_t> v;
        const auto d = Digits(index);
        for (size_t k = 0; k < d.size(); ++k) v.push_back(Values[k][d[k]]);
        return v;
    }
};

// The grid handed out in shares to whichever worker is free: variants cost
// unevenly (an overweight one stops early), so fixed halves finish apart.
class WorkShares {
public:
    WorkShares(std::uint64_t size, std::uint64_t share) : size_(size), share_(std::max<std::uint64_t>(share, 1)) {}
    // [begin, end) of the next share; empty when the grid is done.
    std::pair<std::uint64_t, std::uint64_t> Next() {
        const std::uint64_t begin = std::min(next_.fetch_add(share_, std::memory_order_relaxed), size_);
        return {begin, std::min(begin + share_, size_)};
    }

private:
    const std::uint64_t size_, share_;
    std::atomic<std::uint64_t> next_{0};
};

struct OpponentData {
    DesignRecord Record;
};

// One worker's state: its own design ship, fighting ships and caches, so
// nothing is shared between threads but the read-only tables and the base.
class Evaluator {
public:
    Evaluator(const ProgramData& data, const ExploreBase& base, const ExploreRequest& request,
              const std::vector<OpponentData>& opponents)
        : data_(data), request_(request), ship_(data), front_(request.Objectives.size()) {
        ship_.ClearSpecials();
        (void)LoadDesignInto(base.Record, in_, ship_);
        turrets_ = base.Turrets;
        const auto& objectives = request.Objectives;
        for (size_t k = 0; k < objectives.size(); ++k) {
            const ExploreObjective& o = objectives[k];
            if (o.Kind == ObjectiveKind::Immune || o.Kind == ObjectiveKind::BeltSafe)
                protection_.emplace(k, std::vector<double>(size_t{17} * 17, std::numeric_limits<double>::quiet_NaN()));
            if (o.Kind == ObjectiveKind::PointValue && !pointShip_) {
                pointShip_ = std::make_unique<TFightingShip>(nullptr);
                pointShip_->LoadFromDesignRecord(base.Record, quiet_);
            }
            if (o.Kind == ObjectiveKind::Hits) {
                auto h = std::make_unique<HitsState>();
                h->Ships.Own =
                    CreateShipOnLayer(base.Record, base.Record.ClassName, *h->Ships.Map, data.Preferences, quiet_);
                const DesignRecord& target = opponents[k].Record;
                h->Ships.Opponent =
                    CreateShipOnLayer(target, target.ClassName, *h->Ships.Map, data.Preferences, quiet_);
                if (h->Ships.Opponent) MakeReadyForBattle(*h->Ships.Opponent, DesignRangeClass(target));
                h->Scenario = PlannerDefaultScenario(o.Range);
                hits_.emplace(k, std::move(h));
            }
        }
        env_ = PlannerDefaultEnvironment(request.Year);
        values_.resize(objectives.size());
    }

    // Takes the next share of the grid until none is left (or the search is
    // cancelled), then settles its front.
    void Run(const Grid& grid, WorkShares& shares, ExploreControl* control) {
        for (auto [begin, end] = shares.Next(); begin < end; std::tie(begin, end) = shares.Next()) {
            RunShare(grid, begin, end);
            if (!control) continue;
            control->Done.fetch_add(end - begin, std::memory_order_relaxed);
            if (control->Cancel.load(std::memory_order_relaxed)) {
                Cancelled = true;
                break;
            }
        }
        front_.Settle();
    }

    ExploreVariant EvaluateOne(const std::vector<std::int32_t>& values) {
        for (size_t k = 0; k < values.size() && k < request_.Ranges.size(); ++k)
            SetValue(in_, request_.Ranges[k].Input, values[k], turrets_);
        ExploreVariant v;
        v.Values = values;
        v.Fits = Recompute();
        v.TotalWeight = ship_.Weights.TotalWeight;
        v.Displacement = ship_.Displacement;
        for (size_t k = 0; k < request_.Objectives.size(); ++k) v.Objectives.push_back(Objective(k));
        return v;
    }

    const ExploreFront& Result() const { return front_; }
    std::uint64_t Evaluated = 0, Feasible = 0;
    bool Cancelled = false;

private:
    struct HitsState {
        EngagementShips Ships;
        EngagementScenario Scenario;
        TurretCut Cut;
        std::unordered_map<std::uint32_t, double> Cache;
    };

    void RunShare(const Grid& grid, std::uint64_t begin, std::uint64_t end) {
        std::vector<size_t> digits = grid.Digits(begin);
        for (size_t k = 0; k < digits.size(); ++k)
            SetValue(in_, request_.Ranges[k].Input, grid.Values[k][digits[k]], turrets_);
        for (std::uint64_t index = begin; index < end; ++index) {
            Evaluate(index);
            // The next variant: only the digits that turn are set again.
            for (size_t k = 0; k < digits.size(); ++k) {
                const ExploreInput input = request_.Ranges[k].Input;
                if (++digits[k] < grid.Values[k].size()) {
                    SetValue(in_, input, grid.Values[k][digits[k]], turrets_);
                    break;
                }
                digits[k] = 0;
                SetValue(in_, input, grid.Values[k][0], turrets_);
            }
        }
    }

    // The variant in in_ and turrets_ through the design rules; true when it
    // fits: the design check's "ok".
    bool Recompute() {
        designCut_.Keep(ship_.Turrets, static_cast<size_t>(std::max(turrets_, 0)));
        // Only counted: millions of variants build no text.
        platform::Problems said(platform::Problems::Keep::Count);
        ApplyInputs(in_, ship_, said);
        return Fits(said);
    }

    // The recomputed variant is what the design check calls "ok": not
    // overweight, nothing wrong said by the rules, no problem but advice.
    bool Fits(const platform::Problems& said) const {
        if (ship_.Weights.TotalWeight > ship_.Displacement || !said.Empty()) return false;
        for (const DesignProblem& p : CheckDesign(in_, ship_))
            if (p.kind != ProblemKind::Advice) return false;
        return true;
    }

    void Evaluate(std::uint64_t index) {
        ++Evaluated;
        if (!Recompute()) return;
        ++Feasible;
        const auto& objectives = request_.Objectives;
        for (size_t k = 0; k < objectives.size(); ++k) values_[k] = Sense(objectives[k], Objective(k));
        front_.Offer(values_.data(), {index, ship_.Weights.TotalWeight, ship_.Displacement});
    }

    double Objective(size_t k) {
        const ExploreObjective& o = request_.Objectives[k];
        switch (o.Kind) {
        case ObjectiveKind::Speed: return in_.Speed;
        case ObjectiveKind::Belt: return in_.B / 2.0;
        case ObjectiveKind::Deck: return in_.D / 2.0;
        case ObjectiveKind::Spare:
            return static_cast<double>(static_cast<std::int64_t>(ship_.Displacement) - ship_.Weights.TotalWeight);
        case ObjectiveKind::Endurance: return in_.Range;
        case ObjectiveKind::PointValue:
            // The figure the card, the sheet and the library show: a design on its own, year 0.
            PatchFightingShip(*pointShip_, in_, turrets_, pointCut_, quiet_);
            return static_cast<double>(ShownPointValue(*pointShip_, 0));
        case ObjectiveKind::Immune:
        case ObjectiveKind::BeltSafe: return Protection(k, o);
        case ObjectiveKind::Hits: return Hits(*hits_.at(k));
        }
        return 0;
    }

    double Protection(size_t k, const ExploreObjective& o) {
        const ShipArmour armour = ArmourOf(in_);
        const int belt = static_cast<int>(armour.Belt), deck = static_cast<int>(armour.Deck);
        const bool cached = belt >= 0 && belt <= 16 && deck >= 0 && deck <= 16;
        double* slot =
            cached ? &protection_.at(k)[static_cast<size_t>(belt) * 17 + static_cast<size_t>(deck)] : nullptr;
        if (slot && !std::isnan(*slot)) return *slot;
        const ProtectionRow row = ProtectionAgainst(data_.Weapons, armour, o.Calibre);
        const std::int64_t beltSafe = platform::Round(row.BeltSafeBeyond);
        const double v =
            o.Kind == ObjectiveKind::BeltSafe
                ? static_cast<double>(beltSafe)
                : (row.HasZone() ? static_cast<double>(platform::Round(row.DeckSafeWithin) - beltSafe) : 0.0);
        if (slot) *slot = v;
        return v;
    }

    // The firer's own figures reach the hits through its main calibre,
    // turrets and fire control (and the range setting, through readiness);
    // nothing else an explored input changes touches them.
    double Hits(HitsState& h) {
        if (!h.Ships.Own || !h.Ships.Opponent) return 0;
        const std::uint32_t key = static_cast<std::uint32_t>(in_.MainCal & 0xff) |
                                  static_cast<std::uint32_t>(turrets_ & 0xff) << 8 |
                                  static_cast<std::uint32_t>((in_.FireControl + 1) & 0xff) << 16 |
                                  static_cast<std::uint32_t>((in_.Range + 1) & 0xff) << 24;
        if (auto it = h.Cache.find(key); it != h.Cache.end()) return it->second;
        PatchFightingShip(*h.Ships.Own, in_, turrets_, h.Cut, quiet_);
        platform::SeededRandom random(h.Scenario.Seed);
        const CombatContext ctx{data_, env_, random, quiet_};
        const EngagementFigures f = ComputeEngagement(ctx, h.Ships, h.Scenario, false);
        const double v = f.Own.Fire.HitsPerMinute;
        h.Cache.emplace(key, v);
        return v;
    }

    const ProgramData& data_;
    const ExploreRequest& request_;
    // What loading and fighting the variants say: a variant's figures are
    // worked out whatever it raises, and no one reads it.
    platform::QuietMessages quiet_;
    TDesignShip ship_;
    DesignInputs in_;
    int turrets_ = 0;
    TurretCut designCut_, pointCut_;
    std::unique_ptr<TFightingShip> pointShip_;
    std::unordered_map<size_t, std::vector<double>> protection_;
    std::unordered_map<size_t, std::unique_ptr<HitsState>> hits_;
    BattleEnvironment env_;
    std::vector<double> values_;
    ExploreFront front_;
};

} // namespace

// ---------------------------------------------------------------------------

const std::vector<ExploreInputInfo>& ExploreInputs() { return kInputs; }

const ExploreInputInfo& InfoOf(ExploreInput input) { return kInputs[static_cast<size_t>(input)]; }

std::optional<ExploreInput> ExploreInputFromKey(const std::string& key) {
    for (const auto& i : kInputs)
        if (key == i.Key) return i.Input;
    return std::nullopt;
}

std::vector<std::int32_t> RangeValues(const ExploreRange& r) {
    std::vector<std::int32_t> values;
    const double scale = InfoOf(r.Input).Inches ? 2.0 : 1.0;
    constexpr double kLimit = 1e9; // far beyond any input, well inside the stored values
    if (!(std::fabs(r.From) <= kLimit && std::fabs(r.To) <= kLimit && r.Step > 0)) return values;
    // A step beyond the whole range gives its first value alone.
    const auto from = std::llround(r.From * scale), to = std::llround(r.To * scale),
               step = std::llround(std::min(r.Step, std::fabs(r.To - r.From) + 1) * scale);
    if (step <= 0 || from > to) return values;
    for (long long v = from; v <= to; v += step) values.push_back(static_cast<std::int32_t>(v));
    return values;
}

std::optional<std::string> RangeProblem(const ExploreRange& r, int baseTurrets) {
    const ExploreInputInfo& info = InfoOf(r.Input);
    const std::string key = info.Key;
    const double max = r.Input == ExploreInput::MainTurrets ? baseTurrets : info.Max;
    if (r.Step <= 0) return key + ": the step must be above 0";
    if (r.From > r.To) return key + ": FROM " + NumberText(r.From) + " is above TO " + NumberText(r.To);
    if (r.From < info.Min || r.To > max)
        return key + ": " + NumberText(r.From) + " to " + NumberText(r.To) + " lies outside the form's " +
               NumberText(info.Min) + " to " + NumberText(max) + (info.Unit[0] ? std::string(" ") + info.Unit : "");
    const double grain = info.Inches ? 0.5 : 1.0;
    for (double v : {r.From, r.To, r.Step})
        if (std::fabs(v / grain - std::round(v / grain)) > 1e-9)
            return key + ": " + NumberText(v) + (info.Inches ? " is not a half-inch step" : " is not a whole number");
    return std::nullopt;
}

std::optional<ExploreRange> ParseRange(ExploreInput input, const std::string& text, std::string* why) {
    std::vector<std::string> parts;
    size_t at = 0;
    for (;;) {
        const size_t colon = text.find(':', at);
        parts.push_back(text.substr(at, colon == std::string::npos ? std::string::npos : colon - at));
        if (colon == std::string::npos) break;
        at = colon + 1;
    }
    const std::string key = InfoOf(input).Key;
    if (parts.size() < 2 || parts.size() > 3) {
        if (why) *why = key + ": '" + text + "' is not FROM:TO[:STEP]";
        return std::nullopt;
    }
    ExploreRange r{input, 0, 0, InfoOf(input).DefaultStep};
    double* targets[] = {&r.From, &r.To, &r.Step};
    for (size_t i = 0; i < parts.size(); ++i) {
        const auto v = ParseNumber(parts[i]);
        if (!v) {
            if (why) *why = key + ": '" + parts[i] + "' is not a number";
            return std::nullopt;
        }
        *targets[i] = *v;
    }
    return r;
}

std::optional<ExploreRange> ParseVary(const std::string& text, const std::vector<ExploreRange>& given,
                                      std::string* why) {
    auto fail = [why](const std::string& w) -> std::optional<ExploreRange> {
        if (why) *why = w;
        return std::nullopt;
    };
    const size_t eq = text.find('=');
    if (eq == std::string::npos) return fail("'" + text + "' is not KEY=FROM:TO[:STEP]");
    const std::string key = text.substr(0, eq);
    const auto input = ExploreInputFromKey(key);
    if (!input) return fail("unknown key '" + key + "' for --vary");
    for (const auto& r : given)
        if (r.Input == *input) return fail(key + " is varied twice");
    const auto range = ParseRange(*input, text.substr(eq + 1), why);
    if (!range) return std::nullopt;
    // main-turrets is bounded by the base, checked again once it is read.
    if (auto problem = RangeProblem(*range, 1000)) return fail(*problem);
    return range;
}

double DisplayValue(ExploreInput input, std::int32_t stored) {
    return InfoOf(input).Inches ? stored / 2.0 : static_cast<double>(stored);
}

std::int32_t BaseValue(const DesignInputs& inputs, int turrets, ExploreInput input) {
    DesignInputs copy = inputs;
    if (int* armour = ArmourField(copy, input)) return *armour;
    switch (input) {
    case ExploreInput::Speed: return inputs.Speed;
    case ExploreInput::Displacement: return inputs.Displacement;
    case ExploreInput::MainCalibre: return inputs.MainCal;
    case ExploreInput::SecondaryCalibre: return inputs.SecCal;
    case ExploreInput::SecondaryNumber: return inputs.Secondaries;
    case ExploreInput::TertiaryNumber: return inputs.Tertiaries;
    case ExploreInput::Range: return inputs.Range;
    case ExploreInput::FireControl: return inputs.FireControl;
    case ExploreInput::TorpedoDefense: return inputs.TPS;
    case ExploreInput::MainTurrets: return turrets;
    default: return 0;
    }
}

const std::vector<ObjectiveInfo>& ObjectiveInfos() {
    // In ObjectiveKind's order.
    static const std::vector<ObjectiveInfo> infos = {
        {ObjectiveKind::Speed, "speed", "Speed", "kn", false},
        {ObjectiveKind::Belt, "belt", "Belt", "in", false},
        {ObjectiveKind::Deck, "deck", "Deck", "in", false},
        {ObjectiveKind::Spare, "spare", "Tons spare", "t", false},
        {ObjectiveKind::PointValue, "point-value", "Point value", "points", false},
        {ObjectiveKind::Endurance, "endurance", "Endurance", "range class 0-3", false},
        {ObjectiveKind::Immune, "immune", "Immune zone", "yd", true},
        {ObjectiveKind::BeltSafe, "belt-safe", "Belt safe beyond", "yd", true},
        {ObjectiveKind::Hits, "hits", "Hits/min", "", true},
    };
    return infos;
}

const ObjectiveInfo& InfoOf(ObjectiveKind kind) { return ObjectiveInfos()[static_cast<size_t>(kind)]; }

const std::vector<std::string>& ObjectiveKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (const ObjectiveInfo& info : ObjectiveInfos()) k.push_back(info.Key);
        return k;
    }();
    return keys;
}

std::string ObjectiveLabel(const ExploreObjective& o) {
    const ObjectiveInfo& info = InfoOf(o.Kind);
    const std::string caption = info.Caption;
    switch (o.Kind) {
    case ObjectiveKind::Immune:
    case ObjectiveKind::BeltSafe: return caption + " vs " + std::to_string(o.Calibre) + " in (" + info.Unit + ")";
    case ObjectiveKind::Hits: {
        std::string name = std::filesystem::path(o.File).stem().string();
        return caption + " on " + (name.empty() ? o.File : name) + " at " +
               Grouped(static_cast<std::uint64_t>(std::max(o.Range, 0))) + " yd";
    }
    default: return caption + " (" + info.Unit + ")";
    }
}

std::string InputLabel(ExploreInput input) {
    const ExploreInputInfo& info = InfoOf(input);
    return std::string(info.Caption) + (info.Unit[0] ? std::string(" (") + info.Unit + ")" : "");
}

std::optional<ExploreObjective> ParseObjective(const std::string& text, std::string* why) {
    ExploreObjective o;
    o.Text = text;
    const size_t colon = text.find(':');
    const std::string head = text.substr(0, colon);
    const std::string tail = colon == std::string::npos ? "" : text.substr(colon + 1);
    auto fail = [&](const std::string& w) -> std::optional<ExploreObjective> {
        if (why) *why = w;
        return std::nullopt;
    };
    for (const ObjectiveInfo& info : ObjectiveInfos())
        if (!info.Figure && text == info.Key) {
            o.Kind = info.Kind;
            return o;
        }
    if ((head == "immune" || head == "belt-safe") && colon != std::string::npos) {
        o.Kind = head == "immune" ? ObjectiveKind::Immune : ObjectiveKind::BeltSafe;
        const auto n = platform::StrToInt(tail);
        if (!n || *n < kSmallestCalibre || *n > kLargestCalibre)
            return fail(text + ": the calibre must be a whole number of 2 to 18 inches");
        o.Calibre = *n;
        return o;
    }
    if (head == "hits" && colon != std::string::npos) {
        o.Kind = ObjectiveKind::Hits;
        const size_t at = tail.rfind('@');
        if (at == std::string::npos || at == 0) return fail(text + ": write hits:FILE@RANGE");
        o.File = tail.substr(0, at);
        const auto n = platform::StrToInt(tail.substr(at + 1));
        if (!n || *n < 0 || *n > 100000) return fail(text + ": the range must be 0 to 100000 yards");
        o.Range = *n;
        return o;
    }
    return fail("unknown objective '" + text + "'");
}

BattleEnvironment PlannerDefaultEnvironment(std::optional<std::int32_t> year) {
    BattleConditions conditions = PlannerConditions();
    conditions.Year = year;
    return BuildBattleEnvironment(conditions);
}

EngagementScenario PlannerDefaultScenario(double range) {
    EngagementScenario s = PlannerScenario(range);
    s.AllBatteries = false; // the main battery's figures come first and alone
    return s;
}

std::optional<ExploreBase> ReadExploreBase(const DesignRecord& record, const ProgramData& data, std::string* why) {
    // Unreadable, not a design, or values the form would not accept: no variant of it means anything.
    if (const auto refusal = DesignRefusal(record)) {
        if (why) *why = *refusal;
        return std::nullopt;
    }
    ExploreBase base;
    base.Record = record;
    TDesignShip ship(data);
    ship.ClearSpecials();
    (void)LoadDesignInto(record, base.Inputs, ship);
    base.Turrets = static_cast<int>(ship.Turrets.size());
    return base;
}

DesignInputs VariantInputs(const ExploreBase& base, const std::vector<ExploreRange>& ranges,
                           const std::vector<std::int32_t>& values, int* turrets) {
    DesignInputs in = base.Inputs;
    int kept = base.Turrets;
    for (size_t k = 0; k < ranges.size() && k < values.size(); ++k) SetValue(in, ranges[k].Input, values[k], kept);
    if (turrets) *turrets = kept;
    return in;
}

namespace {
// The variant as the form would hold it after loading the base and setting
// its inputs: the base's turrets cut to the variant's count.
void BuildVariantShip(const ExploreBase& base, const DesignInputs& inputs, int turrets, TDesignShip& ship) {
    ship.ClearSpecials();
    DesignInputs loaded;
    (void)LoadDesignInto(base.Record, loaded, ship);
    TurretCut cut;
    cut.Keep(ship.Turrets, static_cast<size_t>(std::max(turrets, 0)));
    (void)ApplyInputs(inputs, ship);
}

// The outlines go with the design only when the base had them.
std::optional<DesignOutlines> BaseOutlines(const ExploreBase& base, const TDesignShip& ship, const DesignInputs& in) {
    if (!base.Record.Values.Find("Superstructure0", "Point0Angle")) return std::nullopt;
    return DesignOutlines{ship.Superstructure, in.OutlineIsLine};
}
} // namespace

std::vector<std::string> VariantFileLines(const ExploreBase& base, const ProgramData& data, const DesignInputs& inputs,
                                          int turrets) {
    TDesignShip ship(data);
    BuildVariantShip(base, inputs, turrets, ship);
    const auto outlines = BaseOutlines(base, ship, inputs);
    return DesignFileLines(inputs, ship, outlines ? &*outlines : nullptr);
}

bool WriteVariantFile(const std::string& path, const ExploreBase& base, const ProgramData& data,
                      const DesignInputs& inputs, int turrets) {
    platform::RecordingMessages quiet;
    TDesignShip ship(data);
    BuildVariantShip(base, inputs, turrets, ship);
    const auto outlines = BaseOutlines(base, ship, inputs);
    return WriteDesignFile(path, inputs, ship, outlines ? &*outlines : nullptr, quiet);
}

std::uint64_t GridSize(const std::vector<ExploreRange>& ranges) {
    std::uint64_t n = 1;
    for (const auto& r : ranges) {
        const std::uint64_t k = RangeValues(r).size();
        if (k != 0 && n > std::numeric_limits<std::uint64_t>::max() / k)
            return std::numeric_limits<std::uint64_t>::max();
        n *= k;
    }
    return n;
}

std::optional<std::string> GridProblem(const std::vector<ExploreRange>& ranges) {
    const std::uint64_t n = GridSize(ranges);
    if (n <= kMaxExploreVariants) return std::nullopt;
    return "the grid holds " + (n == std::numeric_limits<std::uint64_t>::max() ? std::string("more than ") : "") +
           Grouped(n) + " variants; at most " + Grouped(kMaxExploreVariants) + " can be searched";
}

bool Dominates(const std::vector<double>& a, const std::vector<double>& b,
               const std::vector<ExploreObjective>& objectives) {
    std::vector<double> x(objectives.size()), y(objectives.size());
    for (size_t k = 0; k < objectives.size(); ++k) x[k] = Sense(objectives[k], a[k]), y[k] = Sense(objectives[k], b[k]);
    return Beats(x.data(), y.data(), objectives.size());
}

namespace {
bool ReadOpponents(const ExploreRequest& request, std::vector<OpponentData>& opponents, std::string& problem) {
    opponents.assign(request.Objectives.size(), {});
    for (size_t k = 0; k < request.Objectives.size(); ++k) {
        const ExploreObjective& o = request.Objectives[k];
        if (o.Kind != ObjectiveKind::Hits) continue;
        opponents[k].Record = ReadDesignRecord(o.File);
        if (const auto refusal = DesignRefusal(opponents[k].Record)) {
            problem = *refusal;
            return false;
        }
        platform::RecordingMessages quiet;
        TFightingShip probe(nullptr);
        if (!probe.LoadFromDesignRecord(opponents[k].Record, quiet)) {
            problem = "cannot make a fighting ship of '" + o.File + "'";
            return false;
        }
    }
    return true;
}
} // namespace

ExploreVariant EvaluateVariant(const ProgramData& data, const ExploreBase& base, const ExploreRequest& request,
                               const std::vector<std::int32_t>& values, std::string* problem) {
    std::vector<OpponentData> opponents;
    std::string why;
    if (!ReadOpponents(request, opponents, why)) {
        if (problem) *problem = why;
        ExploreVariant none;
        none.Fits = false;
        none.Objectives.assign(request.Objectives.size(), 0.0);
        return none;
    }
    Evaluator one(data, base, request, opponents);
    return one.EvaluateOne(values);
}

namespace {
// Plain std::thread taking shares of the grid as they finish them, so the
// core needs no library beyond the standard one. Each worker keeps its own
// front; they are merged after.
std::vector<std::unique_ptr<Evaluator>> SearchGrid(const ProgramData& data, const ExploreBase& base,
                                                   const ExploreRequest& request,
                                                   const std::vector<OpponentData>& opponents, const Grid& grid,
                                                   ExploreControl* control) {
    unsigned threads = request.Threads ? request.Threads : std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, std::max<std::uint64_t>(grid.Size, 1)));
    std::vector<std::unique_ptr<Evaluator>> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.push_back(std::make_unique<Evaluator>(data, base, request, opponents));
    // Shares small enough that the workers finish within a few milliseconds
    // of each other, large enough that taking one costs nothing.
    const std::uint64_t share = std::clamp<std::uint64_t>(grid.Size / (threads * 64ull), 64, 8192);
    WorkShares shares(grid.Size, share);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back([&, t] { workers[t]->Run(grid, shares, control); });
    for (auto& th : pool) th.join();
    return workers;
}
} // namespace

ExploreResult RunExplore(const ProgramData& data, const ExploreBase& base, const ExploreRequest& request,
                         ExploreControl* control) {
    ExploreResult result;
    const auto start = std::chrono::steady_clock::now();
    std::vector<OpponentData> opponents;
    if (!ReadOpponents(request, opponents, result.Problem)) return result;
    if (auto problem = GridProblem(request.Ranges)) {
        result.Problem = *problem;
        return result;
    }
    const Grid grid(request.Ranges);

    const auto workers = SearchGrid(data, base, request, opponents, grid, control);
    ExploreFront merged(request.Objectives.size());
    for (const auto& w : workers) {
        result.Evaluated += w->Evaluated;
        result.Feasible += w->Feasible;
        result.Cancelled = result.Cancelled || w->Cancelled;
        merged.Absorb(w->Result());
    }
    merged.Settle();
    for (size_t i = 0; i < merged.Size(); ++i) {
        ExploreVariant v;
        v.Index = merged.At(i).Index;
        v.Values = grid.ValuesAt(v.Index);
        for (size_t k = 0; k < request.Objectives.size(); ++k)
            v.Objectives.push_back(Sense(request.Objectives[k], merged.ValuesAt(i)[k]));
        v.TotalWeight = merged.At(i).TotalWeight;
        v.Displacement = merged.At(i).Displacement;
        result.Front.push_back(std::move(v));
    }
    const auto& objectives = request.Objectives;
    std::sort(result.Front.begin(), result.Front.end(), [&](const ExploreVariant& a, const ExploreVariant& b) {
        for (size_t k = 0; k < objectives.size(); ++k) {
            const double x = Sense(objectives[k], a.Objectives[k]), y = Sense(objectives[k], b.Objectives[k]);
            if (x != y) return x > y;
        }
        return a.Index < b.Index;
    });
    result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

std::vector<StepCost> StepCosts(const ExploreBase& base, const ProgramData& data) {
    TDesignShip ship(data);
    ship.ClearSpecials();
    DesignInputs in;
    (void)LoadDesignInto(base.Record, in, ship);
    const std::int32_t before = ship.Weights.TotalWeight;
    std::vector<StepCost> costs;
    // A step that weighs nothing looks like a fault unless it says why (free).
    auto step = [&](const std::string& text, bool possible, auto change, const char* free = "") {
        StepCost c;
        c.Text = text;
        c.Possible = possible;
        if (possible) {
            DesignInputs changed = in;
            change(changed);
            (void)ApplyInputs(changed, ship);
            c.Tons = ship.Weights.TotalWeight - before;
            if (c.Tons == 0) c.Why = free;
        }
        costs.push_back(c);
    };
    const char* noSecondaries = in.Secondaries == 0 ? "no secondary guns" : "";
    step("+1 kn", in.Speed < ranges::Speed.max, [](DesignInputs& d) { ++d.Speed; });
    for (ExploreInput a :
         {ExploreInput::Belt, ExploreInput::BeltExt, ExploreInput::Deck, ExploreInput::DeckExt, ExploreInput::Turret,
          ExploreInput::TurretTop, ExploreInput::ConningTower, ExploreInput::SecondaryArmour}) {
        std::string caption = InfoOf(a).Caption;
        caption[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[0])));
        step(
            "+0.5 in " + caption, *ArmourField(in, a) < listsize::Armour - 1,
            [a](DesignInputs& d) { ++*ArmourField(d, a); }, a == ExploreInput::SecondaryArmour ? noSecondaries : "");
    }
    step("+1 in main calibre", in.MainCal < ranges::MainCal.max, [](DesignInputs& d) { ++d.MainCal; });
    step(
        "+1 in secondary calibre", in.SecCal < ranges::SmallCal.max, [](DesignInputs& d) { ++d.SecCal; },
        noSecondaries);
    step("+2 secondary guns", in.Secondaries + 2 <= ranges::SmallGuns.max, [](DesignInputs& d) { d.Secondaries += 2; });
    const bool nextRange = in.Range >= 0 && in.Range + 1 < listsize::Range;
    step(
        std::string("Range ") + (nextRange ? listtext::Range[static_cast<size_t>(in.Range) + 1] : "(none further)"),
        nextRange, [](DesignInputs& d) { ++d.Range; }, "the rules give range no weight");
    (void)ApplyInputs(in, ship);
    return costs;
}

std::string StepCostText(const StepCost& c, const std::string& beforeWhy) {
    if (!c.Possible) return c.Text + ": at the limit";
    const std::string sign = c.Tons < 0 ? "-" : "+";
    return c.Text + ": " + sign + Grouped(static_cast<std::uint64_t>(std::llabs(c.Tons))) + " t" +
           (c.Why.empty() ? "" : beforeWhy + "(" + c.Why + ")");
}
