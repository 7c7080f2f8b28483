#include "sheets/DesignCheck.h"

#include "sheets/DesignSummary.h"

#include <algorithm>

std::vector<std::string> DesignCheckProblems(const std::vector<platform::RecordedMessage>& messages,
                                             const TDesignShip& ship) {
    std::vector<std::string> problems;
    for (const auto& m : messages) {
        // A message box's line breaks become blanks on a sheet line.
        std::string text = m.text;
        std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        if (std::find(problems.begin(), problems.end(), text) == problems.end()) problems.push_back(text);
    }
    const std::int64_t over = static_cast<std::int64_t>(ship.Weights.TotalWeight) - ship.Displacement;
    if (over > 0) problems.push_back("Overweight by " + GroupedNumber(over) + " t");
    return problems;
}
