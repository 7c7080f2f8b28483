#include "sheets/DesignCompare.h"

#include "platform/Encoding.h"

#include <algorithm>
#include <cmath>

namespace {

const SummaryFigure* findFigure(const DesignSummary& s, const std::string& group, const std::string& label) {
    for (const auto& f : s.Figures)
        if (f.Group == group && f.Label == label) return &f;
    return nullptr;
}

std::string difference(const SummaryFigure& a, const SummaryFigure& b) {
    if (!a.Number || !b.Number) return {};
    const double d = *b.Number - *a.Number;
    if (std::fabs(d) < 1e-9) return {};
    // Half inches keep their decimal; whole differences need none.
    const int decimals = std::fabs(d - std::round(d)) < 1e-9 ? 0 : std::max(a.Decimals, b.Decimals);
    const std::string text = GroupedNumber(d, decimals);
    return (d > 0 ? "+" : "") + (a.Unit.empty() ? text : text + " " + a.Unit);
}

std::string nameOf(const DesignSummary& s) { return s.ClassName.empty() ? "(unnamed class)" : s.ClassName; }

} // namespace

DesignComparison CompareDesigns(const DesignSummary& a, const DesignSummary& b) {
    DesignComparison c;
    c.NameA = nameOf(a);
    c.NameB = nameOf(b);
    // Rows in the first design's order, then any the second alone has.
    auto addRow = [&](const SummaryFigure& key) {
        for (const auto& r : c.Rows)
            if (r.Group == key.Group && r.Label == key.Label) return;
        const SummaryFigure* fa = findFigure(a, key.Group, key.Label);
        const SummaryFigure* fb = findFigure(b, key.Group, key.Label);
        CompareRow row{key.Group, key.Label, fa ? fa->Text : "-", fb ? fb->Text : "-", {}, false};
        if (fa && fb) row.Difference = difference(*fa, *fb);
        row.Differs = row.A != row.B;
        c.Rows.push_back(std::move(row));
    };
    for (const auto& f : a.Figures) addRow(f);
    for (const auto& f : b.Figures) addRow(f);

    const bool anyDifference = std::any_of(c.Rows.begin(), c.Rows.end(), [](const CompareRow& r) { return r.Differs; });
    if (!anyDifference)
        c.Notes.push_back(c.NameA == c.NameB ? "Both sides are the same design: nothing differs."
                                             : "The two designs do not differ in any figure.");
    if (a.NationIndex != b.NationIndex)
        c.Notes.push_back("The designs belong to different nations: " + (a.Nation.empty() ? "none" : a.Nation) +
                          " and " + (b.Nation.empty() ? "none" : b.Nation) + ".");
    if (a.TypeCode != b.TypeCode)
        c.Notes.push_back("The designs are of different types: " + (a.TypeCode.empty() ? "none" : a.TypeCode) +
                          " and " + (b.TypeCode.empty() ? "none" : b.TypeCode) + ".");
    return c;
}

std::string RenderComparisonText(const DesignComparison& c) {
    std::vector<std::vector<std::string>> rows{{"Group", "Figure", c.NameA, c.NameB, "Difference"}};
    for (const auto& r : c.Rows) rows.push_back({r.Group, r.Label, r.A, r.B, r.Difference});
    std::vector<size_t> widths(5, 0);
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], platform::utf8Length(row[i]));
    std::string out;
    for (const auto& note : c.Notes) out += note + "\n";
    if (!c.Notes.empty()) out += "\n";
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string line = (r > 0 && c.Rows[r - 1].Differs) ? "* " : "  ";
        for (size_t i = 0; i < rows[r].size(); ++i) {
            const std::string& cell = rows[r][i];
            const size_t fill = widths[i] - platform::utf8Length(cell);
            // Figures right-aligned, names left.
            line += i >= 2 ? std::string(fill, ' ') + cell : cell + std::string(fill, ' ');
            if (i + 1 < rows[r].size()) line += "  ";
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}
