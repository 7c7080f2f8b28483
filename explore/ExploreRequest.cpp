// What a search is asked: the inputs it may vary and their ranges, the
// objectives it weighs, the labels a player reads for both, and the size of
// the grid they make.
#include "explore/Explore.h"
#include "explore/ExploreInternals.h"

#include "designfile/DesignCheck.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>

namespace explore_detail {

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

} // namespace explore_detail

using namespace explore_detail;

namespace {

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

std::string NumberText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

} // namespace

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
        const auto v = platform::StrToReal(parts[i]);
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
