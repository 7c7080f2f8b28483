#include "sheets/DesignCompare.h"

#include "formats/Csv.h"
#include "platform/Encoding.h"
#include "sheets/SheetRender.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

// Notes, a blank line, then the rows in columns: names left, figures (from
// the third column) right; "* " before each marked row.
std::string alignedTable(const std::vector<std::string>& notes, const std::vector<std::vector<std::string>>& rows,
                         const std::vector<bool>& marked) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], platform::utf8Length(row[i]));
    }
    std::string out;
    for (const auto& note : notes) out += note + "\n";
    if (!notes.empty()) out += "\n";
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string line = marked[r] ? "* " : "  ";
        for (size_t i = 0; i < rows[r].size(); ++i) {
            const std::string& cell = rows[r][i];
            const std::string fill(widths[i] - platform::utf8Length(cell), ' ');
            line += i >= 2 ? fill + cell : cell + fill;
            if (i + 1 < rows[r].size()) line += "  ";
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}

// A number as a spreadsheet reads it: no grouping, a point, decimals only
// where it has a fraction.
std::string plainNumber(double value, int decimals) {
    const bool whole = std::fabs(value - std::round(value)) < 1e-9;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", whole ? 0 : std::max(decimals, 1), value);
    const std::string out = text;
    return out == "-0" ? "0" : out;
}

std::vector<std::string> manyHeader(const ManyComparison& c) {
    std::vector<std::string> header{"Group", "Figure"};
    for (size_t i = 0; i < c.Names.size(); ++i) {
        header.push_back(c.Names[i]);
        if (i > 0) header.push_back("\u0394 " + c.Names[i]);
    }
    return header;
}

// The row as shown: each value, after the first its difference.
std::vector<std::string> shownCells(const ManyCompareRow& r) {
    std::vector<std::string> cells{r.Group, r.Label};
    for (size_t i = 0; i < r.Values.size(); ++i) {
        cells.push_back(r.Values[i]);
        if (i > 0) cells.push_back(r.Differences[i]);
    }
    return cells;
}

// The row for a spreadsheet: numbers plain, the unit with the figure's name.
std::vector<std::string> csvCells(const ManyCompareRow& r) {
    const bool numeric = std::any_of(r.Numbers.begin(), r.Numbers.end(), [](const auto& n) { return n.has_value(); });
    if (!numeric) return shownCells(r);
    std::vector<std::string> cells{r.Group, r.Unit.empty() ? r.Label : r.Label + " (" + r.Unit + ")"};
    const std::optional<double>& first = r.Numbers.front();
    for (size_t i = 0; i < r.Numbers.size(); ++i) {
        const std::optional<double>& n = r.Numbers[i];
        cells.push_back(n ? plainNumber(*n, r.Decimals) : std::string());
        if (i > 0) cells.push_back(n && first ? plainNumber(*n - *first, r.Decimals) : std::string());
    }
    return cells;
}

std::string renderCsv(const ManyComparison& c) {
    std::string out = CsvLine(manyHeader(c)) + "\n";
    for (const auto& r : c.Rows) out += CsvLine(csvCells(r)) + "\n";
    return out;
}

std::string renderMarkdown(const ManyComparison& c) {
    auto cell = [](const std::string& text) {
        std::string escaped;
        for (char ch : text) escaped += ch == '|' ? std::string("\\|") : std::string(1, ch);
        return escaped;
    };
    const std::vector<std::string> header = manyHeader(c);
    std::string out = "# Comparison of " + std::to_string(c.Names.size()) + " designs\n\n";
    for (const auto& n : c.Notes) out += "- " + n + "\n";
    if (!c.Notes.empty()) out += "\n";
    out += "|";
    for (const auto& h : header) out += " " + cell(h) + " |";
    out += "\n|";
    for (size_t i = 0; i < header.size(); ++i) out += i < 2 ? "---|" : "--:|";
    out += "\n";
    for (const auto& r : c.Rows) {
        const std::vector<std::string> cells = shownCells(r);
        out += "|";
        for (size_t i = 0; i < cells.size(); ++i)
            out += " " + (r.Differs && i == 1 ? "**" + cell(cells[i]) + "**" : cell(cells[i])) + " |";
        out += "\n";
    }
    return out;
}

std::string renderHtml(const ManyComparison& c) {
    std::string out = "<html><head><meta charset=\"utf-8\"><title>Comparison of designs</title></head><body>\n";
    out += "<h1>Comparison of " + std::to_string(c.Names.size()) + " designs</h1>\n";
    for (const auto& n : c.Notes) out += "<p>" + EscapeHtml(n) + "</p>\n";
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    for (const auto& h : manyHeader(c)) out += "<th>" + EscapeHtml(h) + "</th>";
    out += "</tr>\n";
    for (const auto& r : c.Rows) {
        const std::vector<std::string> cells = shownCells(r);
        out += r.Differs ? "<tr bgcolor=\"#ffeca0\">" : "<tr>";
        for (size_t i = 0; i < cells.size(); ++i)
            out += (i < 2 ? "<td>" : "<td align=\"right\">") + EscapeHtml(cells[i]) + "</td>";
        out += "</tr>\n";
    }
    return out + "</table>\n</body></html>\n";
}

std::string renderManyText(const ManyComparison& c) {
    std::vector<std::vector<std::string>> rows{manyHeader(c)};
    std::vector<bool> marked{false};
    for (const auto& r : c.Rows) {
        rows.push_back(shownCells(r));
        marked.push_back(r.Differs);
    }
    return alignedTable(c.Notes, rows, marked);
}

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
    std::vector<bool> marked{false};
    for (const auto& r : c.Rows) {
        rows.push_back({r.Group, r.Label, r.A, r.B, r.Difference});
        marked.push_back(r.Differs);
    }
    return alignedTable(c.Notes, rows, marked);
}

ManyComparison CompareManyDesigns(const std::vector<DesignSummary>& designs) {
    ManyComparison c;
    for (const auto& d : designs) c.Names.push_back(nameOf(d));
    if (designs.empty()) return c;
    auto addRow = [&](const SummaryFigure& key) {
        for (const auto& r : c.Rows)
            if (r.Group == key.Group && r.Label == key.Label) return;
        ManyCompareRow row{key.Group, key.Label, {}, {}, false, {}, {}, 0};
        const SummaryFigure* first = findFigure(designs.front(), key.Group, key.Label);
        for (const auto& d : designs) {
            const SummaryFigure* f = findFigure(d, key.Group, key.Label);
            row.Values.push_back(f ? f->Text : "-");
            row.Numbers.push_back(f ? f->Number : std::nullopt);
            if (f && f->Number) {
                if (row.Unit.empty()) row.Unit = f->Unit;
                row.Decimals = std::max(row.Decimals, f->Decimals);
            }
            row.Differences.push_back(f && first && &d != &designs.front() ? difference(*first, *f) : std::string());
            row.Differs = row.Differs || row.Values.back() != row.Values.front();
        }
        c.Rows.push_back(std::move(row));
    };
    for (const auto& d : designs)
        for (const auto& f : d.Figures) addRow(f);

    auto distinct = [&](auto member) {
        for (const auto& d : designs)
            if (d.*member != designs.front().*member) return true;
        return false;
    };
    if (designs.size() > 1 &&
        std::none_of(c.Rows.begin(), c.Rows.end(), [](const ManyCompareRow& r) { return r.Differs; }))
        c.Notes.push_back("The designs do not differ in any figure.");
    if (distinct(&DesignSummary::NationIndex)) c.Notes.push_back("The designs belong to different nations.");
    if (distinct(&DesignSummary::TypeCode)) c.Notes.push_back("The designs are of different types.");
    return c;
}

std::string RenderManyComparison(const ManyComparison& c, ComparisonFormat format) {
    switch (format) {
    case ComparisonFormat::Csv: return renderCsv(c);
    case ComparisonFormat::Markdown: return renderMarkdown(c);
    case ComparisonFormat::Html: return renderHtml(c);
    case ComparisonFormat::Text: break;
    }
    return renderManyText(c);
}
