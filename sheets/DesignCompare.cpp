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

ManyComparison CompareManyDesigns(const std::vector<DesignSummary>& designs) {
    ManyComparison c;
    for (const auto& d : designs) c.Names.push_back(nameOf(d));
    if (designs.empty()) return c;
    auto addRow = [&](const SummaryFigure& key) {
        for (const auto& r : c.Rows)
            if (r.Group == key.Group && r.Label == key.Label) return;
        ManyCompareRow row{key.Group, key.Label, {}, {}, false};
        const SummaryFigure* first = findFigure(designs.front(), key.Group, key.Label);
        for (const auto& d : designs) {
            const SummaryFigure* f = findFigure(d, key.Group, key.Label);
            row.Values.push_back(f ? f->Text : "-");
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
    std::vector<std::string> header{"Group", "Figure"};
    for (size_t i = 0; i < c.Names.size(); ++i) {
        header.push_back(c.Names[i]);
        if (i > 0) header.push_back("\u0394 " + c.Names[i]);
    }
    std::vector<std::vector<std::string>> rows;
    for (const auto& r : c.Rows) {
        std::vector<std::string> cells{r.Group, r.Label};
        for (size_t i = 0; i < r.Values.size(); ++i) {
            cells.push_back(r.Values[i]);
            if (i > 0) cells.push_back(r.Differences[i]);
        }
        rows.push_back(std::move(cells));
    }
    std::string out;
    switch (format) {
    case ComparisonFormat::Csv: {
        auto line = [](const std::vector<std::string>& cells) {
            std::string text;
            for (size_t i = 0; i < cells.size(); ++i) {
                if (i > 0) text += ",";
                if (cells[i].find_first_of(",\"\r\n") == std::string::npos) {
                    text += cells[i];
                    continue;
                }
                text += "\"";
                for (char ch : cells[i]) text += ch == '"' ? std::string("\"\"") : std::string(1, ch);
                text += "\"";
            }
            return text + "\n";
        };
        out += line(header);
        for (const auto& r : rows) out += line(r);
        return out;
    }
    case ComparisonFormat::Markdown: {
        auto cell = [](std::string text) {
            std::string escaped;
            for (char ch : text) escaped += ch == '|' ? std::string("\\|") : std::string(1, ch);
            return escaped;
        };
        out += "# Comparison of " + std::to_string(c.Names.size()) + " designs\n\n";
        for (const auto& n : c.Notes) out += "- " + n + "\n";
        if (!c.Notes.empty()) out += "\n";
        out += "|";
        for (const auto& h : header) out += " " + cell(h) + " |";
        out += "\n|";
        for (size_t i = 0; i < header.size(); ++i) out += i < 2 ? "---|" : "--:|";
        out += "\n";
        for (size_t r = 0; r < rows.size(); ++r) {
            out += "|";
            for (size_t i = 0; i < rows[r].size(); ++i)
                out += " " + (c.Rows[r].Differs && i == 1 ? "**" + cell(rows[r][i]) + "**" : cell(rows[r][i])) + " |";
            out += "\n";
        }
        return out;
    }
    case ComparisonFormat::Html: {
        auto esc = [](const std::string& text) {
            std::string e;
            for (char ch : text) {
                switch (ch) {
                case '&': e += "&amp;"; break;
                case '<': e += "&lt;"; break;
                case '>': e += "&gt;"; break;
                case '"': e += "&quot;"; break;
                default: e += ch;
                }
            }
            return e;
        };
        out += "<html><head><meta charset=\"utf-8\"><title>Comparison of designs</title></head><body>\n";
        out += "<h1>Comparison of " + std::to_string(c.Names.size()) + " designs</h1>\n";
        for (const auto& n : c.Notes) out += "<p>" + esc(n) + "</p>\n";
        out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
        for (const auto& h : header) out += "<th>" + esc(h) + "</th>";
        out += "</tr>\n";
        for (size_t r = 0; r < rows.size(); ++r) {
            out += c.Rows[r].Differs ? "<tr bgcolor=\"#ffeca0\">" : "<tr>";
            for (size_t i = 0; i < rows[r].size(); ++i)
                out += (i < 2 ? "<td>" : "<td align=\"right\">") + esc(rows[r][i]) + "</td>";
            out += "</tr>\n";
        }
        out += "</table>\n</body></html>\n";
        return out;
    }
    case ComparisonFormat::Text: break;
    }
    std::vector<std::vector<std::string>> all{header};
    all.insert(all.end(), rows.begin(), rows.end());
    std::vector<size_t> widths(header.size(), 0);
    for (const auto& row : all)
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], platform::utf8Length(row[i]));
    for (const auto& note : c.Notes) out += note + "\n";
    if (!c.Notes.empty()) out += "\n";
    for (size_t r = 0; r < all.size(); ++r) {
        std::string line = (r > 0 && c.Rows[r - 1].Differs) ? "* " : "  ";
        for (size_t i = 0; i < all[r].size(); ++i) {
            const size_t fill = widths[i] - platform::utf8Length(all[r][i]);
            line += i >= 2 ? std::string(fill, ' ') + all[r][i] : all[r][i] + std::string(fill, ' ');
            if (i + 1 < all[r].size()) line += "  ";
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}
