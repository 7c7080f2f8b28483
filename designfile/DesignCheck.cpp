#include "designfile/DesignCheck.h"

#include "designfile/DesignFile.h"
#include "platform/Encoding.h"
#include "platform/Round.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

std::string tons(std::int64_t t) {
    std::string digits = std::to_string(t < 0 ? -t : t);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return (t < 0 ? "-" : "") + digits + " t";
}

std::string share(std::int64_t part, std::int64_t total) {
    const std::int64_t pc = total <= 0 ? 0 : platform::Round(static_cast<long double>(part) / total * 100);
    return std::to_string(pc) + "%";
}

// The weight groups the total is made of, heaviest first.
std::vector<std::pair<std::string, std::int64_t>> weightGroups(const TDesignShip& ship) {
    const TShipWeights& w = ship.Weights;
    std::int64_t turrets = 0, mounts = 0;
    for (const auto& t : ship.Turrets) turrets += t ? t->Weight : 0;
    for (const auto& m : ship.TorpedoMounts) mounts += m ? m->Weight : 0;
    std::vector<std::pair<std::string, std::int64_t>> groups = {{"armour", w.ArmorWeight},
                                                                {"hull", w.HullWeight},
                                                                {"machinery", w.MachineryWeight},
                                                                {"main turrets", turrets},
                                                                {"secondary guns", w.SecondaryWeight},
                                                                {"tertiary guns", w.TertiaryWeight},
                                                                {"torpedo mounts", mounts},
                                                                {"accommodation", w.AccommodationSpace},
                                                                {"special equipment", w.SpecialsWeight},
                                                                {"torpedo defense", w.TPSWeight},
                                                                {"fire control", w.FireControlWeight}};
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return groups;
}

std::string overweightText(const TDesignShip& ship) {
    const std::int64_t total = ship.Weights.TotalWeight;
    std::string text = "Overweight by " + tons(total - ship.Displacement) + ". Largest weights: ";
    const auto groups = weightGroups(ship);
    for (size_t i = 0; i < 3 && i < groups.size(); ++i)
        text += (i ? ", " : "") + groups[i].first + " " + tons(groups[i].second) + " (" +
                share(groups[i].second, total) + ")";
    return text + ". Lighten these or raise the displacement.";
}

std::string calibreText(const char* battery, std::int32_t calibre) {
    return std::string(battery) + " calibre " + std::to_string(calibre) + " in is outside " +
           std::to_string(kSmallestCalibre) + " to " + std::to_string(kLargestCalibre) +
           " in, the guns the game knows: the plan view and the game warn and take " +
           std::to_string(std::clamp(calibre, kSmallestCalibre, kLargestCalibre)) + " in. Choose " +
           std::to_string(kSmallestCalibre) + " to " + std::to_string(kLargestCalibre) + " in.";
}

std::string positionText(TurretPosition p) { return platform::cp1252ToUtf8(std::string_view(&p, 1)); }

struct KeyRange {
    const char* section;
    const char* key;
    SpinRange range;
};

constexpr SpinRange List(int count) { return {0, count - 1, 1}; }

// What the form's boxes and lists accept, key by key.
const KeyRange kKeyRanges[] = {
    {"Data", "Displacement", ranges::Displacement},
    {"Data", "Range", List(listsize::Range)},
    {"Data", "Freeboard", List(listsize::Freeboard)},
    {"Data", "BeltCoverage", List(listsize::BeltCoverage)},
    {"Data", "Speed", ranges::Speed},
    {"Data", "Nation", List(listsize::Nation)},
    {"Data", "Accomodation", List(listsize::Accomodation)},
    {"Data", "Fire control", {-1, listsize::FireControl - 1, 1}}, // -1: none chosen, as the form writes it
    {"Data", "Torpedo defense", List(listsize::TPS)},
    {"Data", "Mine capacity", ranges::Mines},
    {"Data", "Obsolete date", ranges::ObsoleteDate},
    {"Data", "Fuel type", List(listsize::FuelType)},
    {"Armor", "B", List(listsize::Armour)},
    {"Armor", "BE", List(listsize::Armour)},
    {"Armor", "D", List(listsize::Armour)},
    {"Armor", "DE", List(listsize::Armour)},
    {"Armor", "CT", List(listsize::Armour)},
    {"Armor", "T", List(listsize::Armour)},
    {"Armor", "TT", List(listsize::Armour)},
    {"Armor", "SEC", List(listsize::Armour)},
    {"Guns", "Main", ranges::MainCal},
    {"Guns", "Secondary", ranges::SmallCal},
    {"Guns", "Tertiary", ranges::SmallCal},
    {"Guns", "MQ", ranges::Quality},
    {"Guns", "SQ", ranges::Quality},
    {"Guns", "TQ", ranges::Quality},
    {"Guns", "SecNo", ranges::SmallGuns},
    {"Guns", "TerNo", ranges::SmallGuns},
    {"Guns", "TerTF", List(listsize::TurretFactor)},
    {"Guns", "SecTF", List(listsize::TurretFactor)},
    {"Torpedoes", "Calibre", ranges::TorpCal},
};

// Turret sections either reading scans (the fighting ship reads one more).
constexpr int kTurretSectionsRead = 26;

// The value of a key as the readers convert it, none when it does not convert.
std::optional<std::int32_t> number(const ProfileText& f, const std::string& section, const char* key) {
    const std::int32_t a = f.ReadInteger(section, key, 0), b = f.ReadInteger(section, key, 1);
    if (a == b) return a;
    return std::nullopt;
}

void checkKey(const ProfileText& f, const std::string& section, const char* key, SpinRange range, bool skipNegative,
              bool skipNotPositive, std::vector<IllegalValue>& out) {
    const auto text = f.Find(section, key);
    if (!text || text->empty()) return;
    const auto value = number(f, section, key);
    if (value && skipNegative && *value < 0) return;
    if (value && skipNotPositive && *value <= 0) return;
    if (value && *value >= range.min && *value <= range.max) return;
    out.push_back({section, key, std::string(*text), range.min, range.max});
}

} // namespace

std::string IllegalValue::Text() const {
    return "[" + Section + "] " + Key + "=" + Value + " is outside " + std::to_string(Min) + " to " +
           std::to_string(Max);
}

std::vector<IllegalValue> IllegalValues(const DesignRecord& record) {
    std::vector<IllegalValue> out;
    if (!record.Readable) return out;
    const ProfileText& f = record.Values;
    for (const KeyRange& k : kKeyRanges) checkKey(f, k.section, k.key, k.range, false, false, out);
    for (int n = 0; n < kTurretSectionsRead; ++n)
        checkKey(f, "Turret" + std::to_string(n), "Guns", {0, 4, 1}, true, false, out);
    for (int n = 0; n < kMountSections; ++n)
        checkKey(f, "TorpedoMount" + std::to_string(n), "Tubes", {1, 4, 1}, false, true, out);
    return out;
}

namespace {

// The keys the form writes into a section, when some but not all are there.
std::optional<std::string> missingKeys(const ProfileText& f, const std::string& section,
                                       const std::vector<std::string>& keys) {
    std::string missing;
    size_t found = 0;
    for (const std::string& key : keys) {
        if (f.Find(section, key)) ++found;
        else missing += (missing.empty() ? "" : ", ") + key;
    }
    if (found == 0 || found == keys.size()) return std::nullopt;
    return missing;
}

} // namespace

std::vector<DesignProblem> CheckDesignRecord(const DesignRecord& record) {
    std::vector<DesignProblem> problems;
    if (!record.Readable) return problems;
    for (const IllegalValue& v : IllegalValues(record))
        problems.push_back({ProblemKind::IllegalValue,
                            v.Text() + ", what the form accepts: the design's figures from it mean nothing. Choose " +
                                std::to_string(v.Min) + " to " + std::to_string(v.Max) + "."});
    const ProfileText& f = record.Values;
    auto incomplete = [&](const std::string& section, const std::vector<std::string>& keys) {
        if (auto missing = missingKeys(f, section, keys))
            problems.push_back(
                {ProblemKind::Incomplete, "[" + section + "] is incomplete (no " + *missing +
                                              "): the file may have been cut short; the missing keys "
                                              "take their defaults. Check the design and save it again."});
    };
    for (int n = 0; n < kTurretSectionsRead; ++n) incomplete("Turret" + std::to_string(n), {"Guns", "Pos"});
    for (int n = 0; n < kMountSections; ++n) incomplete("TorpedoMount" + std::to_string(n), {"Tubes", "Pos"});
    std::vector<std::string> funnelKeys;
    for (const char* what : {"Pos", "Oval"})
        for (int k = 1; k <= 4; ++k) funnelKeys.push_back("Funnel" + std::to_string(k) + what);
    incomplete("Funnels", funnelKeys);
    std::vector<std::string> pointKeys;
    for (int j = 0; j <= 20; ++j)
        for (const char* what : {"Angle", "Distance"}) pointKeys.push_back("Point" + std::to_string(j) + what);
    pointKeys.push_back("IsLine");
    for (int k = 0; k < 4; ++k) incomplete("Superstructure" + std::to_string(k), pointKeys);
    return problems;
}

std::optional<std::string> DesignRefusal(const DesignRecord& record) {
    if (!record.NotDesign.empty()) return record.NotDesign;
    if (!record.Readable) return DesignRecordProblem(record, record.Path);
    const auto illegal = IllegalValues(record);
    if (illegal.empty()) return std::nullopt;
    std::string text = record.ClassName + " holds values outside what the form accepts: ";
    for (size_t i = 0; i < illegal.size(); ++i) text += (i ? "; " : "") + illegal[i].Text();
    return text;
}

std::vector<std::string> SaveRefusals(const DesignInputs& in) {
    std::vector<std::string> refusals;
    if (in.Nation < 0) refusals.push_back("Ship must belong to a nation!");
    if (in.Type < 0) refusals.push_back("Ship must have a type!");
    if (auto problem = ClassNameProblem(in.Name)) refusals.push_back(*problem);
    return refusals;
}

std::vector<DesignProblem> CheckDesign(const DesignInputs& in, const TDesignShip& ship) {
    std::vector<DesignProblem> problems;
    auto add = [&](ProblemKind kind, std::string text) { problems.push_back({kind, std::move(text)}); };

    for (std::string& refusal : SaveRefusals(in)) add(ProblemKind::SaveRefusal, std::move(refusal));

    if (ship.Weights.TotalWeight > ship.Displacement) add(ProblemKind::Overweight, overweightText(ship));

    // The same conditions on which Recalculate raises its messages.
    if (in.Displacement > kLargestTableDisplacement)
        add(ProblemKind::RuleMessage,
            "Displacement " + tons(in.Displacement) + " is above " + tons(kLargestTableDisplacement) +
                ", the largest the speed-power table holds: no horsepower and no machinery weight are counted. "
                "Choose " +
                tons(ranges::Displacement.min) + " to " + tons(kLargestTableDisplacement) + ".");
    if (in.Speed < kFirstTableKnot || in.Speed > kLastTableKnot)
        add(ProblemKind::RuleMessage,
            "Speed " + std::to_string(in.Speed) + " kn is outside " + std::to_string(kFirstTableKnot) + " to " +
                std::to_string(kLastTableKnot) +
                " kn, the speeds the speed-power table holds: no horsepower and no machinery weight are counted. "
                "Choose " +
                std::to_string(kFirstTableKnot) + " to " + std::to_string(kLastTableKnot) + " kn.");
    if (in.Speed > 21 && in.Freeboard == 1)
        add(ProblemKind::RuleMessage, "High speed ships need normal freeboard: at " + std::to_string(in.Speed) +
                                          " kn (above 21 kn) set Freeboard to Normal or the speed to 21 kn or less.");
    if (in.CrossDeck) {
        const bool de = ship.HasTurretAt('D') && ship.HasTurretAt('E');
        const bool rs = ship.HasTurretAt('R') && ship.HasTurretAt('S');
        if (de || rs)
            add(ProblemKind::RuleMessage, std::string("Cross deck fire is impossible with turrets at both ") +
                                              (de ? "D and E" : "R and S") + (de && rs ? " and at both R and S" : "") +
                                              ": delete one turret of the pair or clear Cross deck fire.");
    }

    if (in.SecCal < kSmallestCalibre || in.SecCal > kLargestCalibre)
        add(ProblemKind::Advice, calibreText("Secondary", in.SecCal));
    if (in.TerCal < kSmallestCalibre || in.TerCal > kLargestCalibre)
        add(ProblemKind::Advice, calibreText("Tertiary", in.TerCal));
    const auto mounts = static_cast<int>(ship.TorpedoMounts.size());
    if (mounts > kGameMountSections)
        add(ProblemKind::Advice, std::to_string(mounts) + " torpedo mounts: the game reads only the first " +
                                     std::to_string(kGameMountSections) + " and drops the last " +
                                     std::to_string(mounts - kGameMountSections) + ". Delete mounts down to " +
                                     std::to_string(kGameMountSections) + ".");
    for (const auto& t : ship.Turrets)
        if (t && (t->Guns < 0 || t->Guns > 4))
            add(ProblemKind::IllegalValue, "Turret at " + positionText(t->Position) + " has " +
                                               std::to_string(t->Guns) +
                                               " guns, outside 0 (casemate) to 4: delete it and add it again.");
    for (const auto& m : ship.TorpedoMounts)
        if (m && (m->Tubes < 1 || m->Tubes > 4))
            add(ProblemKind::IllegalValue, "Torpedo mount at " + positionText(m->Position) + " has " +
                                               std::to_string(m->Tubes) +
                                               " tubes, outside 1 to 4: delete it and add it again.");
    return problems;
}

std::string DesignStatus::Text() const {
    std::string status;
    if (unsaveable) status = "not saveable";
    if (overweight) status += status.empty() ? "OVERWEIGHT" : ", OVERWEIGHT";
    if (warnings) status += status.empty() ? "warnings" : ", warnings";
    if (illegal) status += status.empty() ? "illegal values" : ", illegal values";
    return status.empty() ? "ok" : status;
}

DesignStatus StatusOf(const std::vector<DesignProblem>& problems, bool messagesRaised) {
    DesignStatus status;
    status.warnings = messagesRaised;
    for (const DesignProblem& p : problems) {
        if (p.kind == ProblemKind::SaveRefusal) status.unsaveable = true;
        if (p.kind == ProblemKind::Overweight) status.overweight = true;
        if (p.kind == ProblemKind::RuleMessage) status.warnings = true;
        if (p.kind == ProblemKind::IllegalValue) status.illegal = true;
    }
    return status;
}
