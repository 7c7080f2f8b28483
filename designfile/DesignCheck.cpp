#include "designfile/DesignCheck.h"

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
    std::vector<std::pair<std::string, std::int64_t>> groups = {
        {"armour", w.ArmorWeight},           {"hull", w.HullWeight},
        {"machinery", w.MachineryWeight},    {"main turrets", turrets},
        {"secondary guns", w.SecondaryWeight}, {"tertiary guns", w.TertiaryWeight},
        {"torpedo mounts", mounts},          {"accommodation", w.AccommodationSpace},
        {"special equipment", w.SpecialsWeight}, {"torpedo defense", w.TPSWeight},
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

} // namespace

std::vector<DesignProblem> CheckDesign(const DesignInputs& in, const TDesignShip& ship) {
    std::vector<DesignProblem> problems;
    auto add = [&](ProblemKind kind, std::string text) { problems.push_back({kind, std::move(text)}); };

    if (ship.Weights.TotalWeight > ship.Displacement) add(ProblemKind::Overweight, overweightText(ship));

    // The same conditions on which Recalculate raises its messages.
    if (in.Displacement > kLargestTableDisplacement)
        add(ProblemKind::RuleMessage,
            "Displacement " + tons(in.Displacement) + " is above " + tons(kLargestTableDisplacement) +
                ", the largest the speed-power table holds: no horsepower and no machinery weight are counted. "
                "Choose " + tons(ranges::Displacement.min) + " to " + tons(kLargestTableDisplacement) + ".");
    if (in.Speed < kFirstTableKnot || in.Speed > kLastTableKnot)
        add(ProblemKind::RuleMessage,
            "Speed " + std::to_string(in.Speed) + " kn is outside " + std::to_string(kFirstTableKnot) + " to " +
                std::to_string(kLastTableKnot) +
                " kn, the speeds the speed-power table holds: no horsepower and no machinery weight are counted. "
                "Choose " + std::to_string(kFirstTableKnot) + " to " + std::to_string(kLastTableKnot) + " kn.");
    if (in.Speed > 21 && in.Freeboard == 1)
        add(ProblemKind::RuleMessage, "High speed ships need normal freeboard: at " + std::to_string(in.Speed) +
                                          " kn (above 21 kn) set Freeboard to Normal or the speed to 21 kn or less.");
    if (in.CrossDeck) {
        const bool de = ship.HasTurretAt('D') && ship.HasTurretAt('E');
        const bool rs = ship.HasTurretAt('R') && ship.HasTurretAt('S');
        if (de || rs)
            add(ProblemKind::RuleMessage,
                std::string("Cross deck fire is impossible with turrets at both ") + (de ? "D and E" : "R and S") +
                    (de && rs ? " and at both R and S" : "") +
                    ": delete one turret of the pair or clear Cross deck fire.");
    }

    if (in.SecCal < kSmallestCalibre || in.SecCal > kLargestCalibre) add(ProblemKind::Advice, calibreText("Secondary", in.SecCal));
    if (in.TerCal < kSmallestCalibre || in.TerCal > kLargestCalibre) add(ProblemKind::Advice, calibreText("Tertiary", in.TerCal));
    const auto mounts = static_cast<int>(ship.TorpedoMounts.size());
    if (mounts > kGameMountSections)
        add(ProblemKind::Advice, std::to_string(mounts) + " torpedo mounts: the game reads only the first " +
                                     std::to_string(kGameMountSections) + " and drops the last " +
                                     std::to_string(mounts - kGameMountSections) + ". Delete mounts down to " +
                                     std::to_string(kGameMountSections) + ".");
    return problems;
}

std::string DesignStatus::Text() const {
    std::string status;
    if (overweight) status = "OVERWEIGHT";
    if (warnings) status += status.empty() ? "warnings" : ", warnings";
    return status.empty() ? "ok" : status;
}

DesignStatus StatusOf(const std::vector<DesignProblem>& problems, bool messagesRaised) {
    DesignStatus status;
    status.warnings = messagesRaised;
    for (const DesignProblem& p : problems) {
        if (p.kind == ProblemKind::Overweight) status.overweight = true;
        if (p.kind == ProblemKind::RuleMessage) status.warnings = true;
    }
    return status;
}
