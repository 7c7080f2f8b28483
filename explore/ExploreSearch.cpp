// The search: every variant of the grid recomputed with the design rules on
// a pool of threads, scored on the objectives, and kept on the front of
// variants no other beats.
#include "explore/Explore.h"
#include "explore/ExploreFront.h"
#include "explore/ExploreInternals.h"

#include "combat/Duel.h"
#include "combat/EnvironmentNames.h"
#include "combat/FightShip.h"
#include "combat/Protection.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "combat/StatusFigures.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "platform/DayNumber.h"
#include "platform/Messages.h"
#include "platform/Problems.h"
#include "platform/Round.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <thread>
#include <tuple>
#include <unordered_map>

using namespace explore_detail;

namespace {

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
