#include "sheets/SheetRender.h"

#include "platform/Encoding.h"

#include <algorithm>

namespace {

const char* kNoProblems = "No problems found.";

std::string pad(const std::string& text, size_t width, bool right) {
    const size_t n = platform::utf8Length(text);
    if (n >= width) return text;
    return right ? std::string(width - n, ' ') + text : text + std::string(width - n, ' ');
}

std::string trimEnd(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string className(const DesignSummary& s) { return s.ClassName.empty() ? "(unnamed class)" : s.ClassName; }

std::string textTable(const SheetTable& t) {
    std::vector<std::vector<std::string>> rows;
    if (!t.Header.empty()) rows.push_back(t.Header);
    rows.insert(rows.end(), t.Rows.begin(), t.Rows.end());
    std::vector<size_t> widths;
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], platform::utf8Length(row[c]));
        }
    std::string out = t.Title + "\n" + std::string(platform::utf8Length(t.Title), '-') + "\n";
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string line;
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const bool right = c < t.Numeric.size() && t.Numeric[c];
            line += "  " + pad(rows[r][c], widths[c], right);
        }
        out += trimEnd(line) + "\n";
    }
    return out;
}

std::string renderText(const DesignSummary& s) {
    const std::string title = className(s);
    std::string out = title + "\n" + std::string(platform::utf8Length(title), '=') + "\n";
    out += SheetSubtitle(s) + "\n" + s.Description + "\n\n";
    for (const SheetTable& t : s.Tables) out += textTable(t) + "\n";
    out += "Design check\n------------\n";
    if (s.Problems.empty()) out += std::string("  ") + kNoProblems + "\n";
    for (const auto& p : s.Problems) out += "  - " + p + "\n";
    return out;
}

// Characters that would start Markdown syntax or break a table cell.
std::string escapeMarkdown(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '|' || c == '\\' || c == '*' || c == '_' || c == '`' || c == '[' || c == ']' || c == '<' || c == '>' ||
            c == '#')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

std::string markdownTable(const SheetTable& t) {
    std::string out = "## " + escapeMarkdown(t.Title) + "\n\n";
    const size_t columns = t.Header.empty() ? (t.Rows.empty() ? 1 : t.Rows.front().size()) : t.Header.size();
    auto row = [&](const std::vector<std::string>& cells) {
        std::string line = "|";
        for (size_t c = 0; c < columns; ++c) line += " " + escapeMarkdown(c < cells.size() ? cells[c] : "") + " |";
        return line + "\n";
    };
    out += row(t.Header.empty() ? std::vector<std::string>(columns) : t.Header);
    std::string rule = "|";
    for (size_t c = 0; c < columns; ++c) rule += (c < t.Numeric.size() && t.Numeric[c]) ? " ---: |" : " --- |";
    out += rule + "\n";
    for (const auto& r : t.Rows) out += row(r);
    return out + "\n";
}

std::string renderMarkdown(const DesignSummary& s) {
    std::string out = "# " + escapeMarkdown(className(s)) + "\n\n";
    out += "*" + escapeMarkdown(SheetSubtitle(s)) + "*  \n" + escapeMarkdown(s.Description) + "\n\n";
    for (const SheetTable& t : s.Tables) out += markdownTable(t);
    out += "## Design check\n\n";
    if (s.Problems.empty()) out += std::string(kNoProblems) + "\n";
    for (const auto& p : s.Problems) out += "- " + escapeMarkdown(p) + "\n";
    return out;
}

std::string htmlTable(const SheetTable& t) {
    std::string out = "<h2>" + EscapeHtml(t.Title) + "</h2>\n<table>\n";
    auto cells = [&](const std::vector<std::string>& row, const char* tag) {
        std::string line = "<tr>";
        for (size_t c = 0; c < row.size(); ++c) {
            const bool right = c < t.Numeric.size() && t.Numeric[c];
            line += std::string("<") + tag + (right ? " align=\"right\"" : " align=\"left\"") + ">" +
                    EscapeHtml(row[c]) + "</" + tag + ">";
        }
        return line + "</tr>\n";
    };
    if (!t.Header.empty()) out += cells(t.Header, "th");
    for (const auto& r : t.Rows) out += cells(r, "td");
    return out + "</table>\n";
}

} // namespace

std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

std::string SheetSubtitle(const DesignSummary& s) {
    std::string nation = s.Nation.empty() ? "No nation" : s.Nation;
    std::string type =
        s.TypeCode.empty() ? "no type" : (s.TypeName.empty() ? s.TypeCode : s.TypeName + " (" + s.TypeCode + ")");
    return nation + " \u00b7 " + type;
}

std::string RenderSheetHtmlBody(const DesignSummary& s) {
    std::string out = "<h1>" + EscapeHtml(className(s)) + "</h1>\n";
    out += "<p><i>" + EscapeHtml(SheetSubtitle(s)) + "</i><br>\n<b>" + EscapeHtml(s.Description) + "</b></p>\n";
    for (const SheetTable& t : s.Tables) out += htmlTable(t);
    out += "<h2>Design check</h2>\n";
    if (s.Problems.empty()) return out + "<p>" + kNoProblems + "</p>\n";
    out += "<ul>\n";
    for (const auto& p : s.Problems) out += "<li>" + EscapeHtml(p) + "</li>\n";
    return out + "</ul>\n";
}

std::string RenderSheet(const DesignSummary& s, SheetFormat format) {
    switch (format) {
    case SheetFormat::Text: return renderText(s);
    case SheetFormat::Markdown: return renderMarkdown(s);
    case SheetFormat::Html:
        return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + EscapeHtml(className(s)) +
               "</title>\n<style>\nbody { font-family: sans-serif; }\ntable { border-collapse: collapse; }\n"
               "td, th { padding: 1px 10px 1px 0; }\n</style>\n</head>\n<body>\n" +
               RenderSheetHtmlBody(s) + "</body>\n</html>\n";
    }
    return {};
}
