// The base design of a search, its variants as the form would hold and save
// them, and what one step of each input weighs.
#include "explore/Explore.h"
#include "explore/ExploreInternals.h"

#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "platform/Messages.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

using namespace explore_detail;

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
