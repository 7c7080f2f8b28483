#pragma once
// Two designs side by side: one row per input and per figure of their
// summaries, with the signed difference (second less first) for numbers.
#include <optional>
#include <string>
#include <vector>

#include "sheets/DesignSummary.h"

struct CompareRow {
    std::string Group;
    std::string Label;
    std::string A, B;       // the figures as the sheet writes them
    std::string Difference; // "+1,200 t"; empty when equal or not numbers
    bool Differs = false;
};

struct DesignComparison {
    std::string NameA, NameB;
    std::vector<std::string> Notes; // same design, other nation, other type
    std::vector<CompareRow> Rows;
};

DesignComparison CompareDesigns(const DesignSummary& a, const DesignSummary& b);

// The table as aligned text: Group, Figure, the two designs, Difference; a
// "*" marks rows that differ. Notes come first.
std::string RenderComparisonText(const DesignComparison& comparison);

// Two to six designs side by side: each figure with its difference from the
// first design.
struct ManyCompareRow {
    std::string Group;
    std::string Label;
    std::vector<std::string> Values;      // one per design; "-" when it lacks the figure
    std::vector<std::string> Differences; // from the first; the first's own is empty
    bool Differs = false;                 // some value is not the first's
    // The figures as numbers, one per design (none where it is not a number),
    // in `Unit` ("" for a count) with `Decimals` places.
    std::vector<std::optional<double>> Numbers;
    std::string Unit;
    int Decimals = 0;
};

struct ManyComparison {
    std::vector<std::string> Names;
    std::vector<std::string> Notes;
    std::vector<ManyCompareRow> Rows;
};

ManyComparison CompareManyDesigns(const std::vector<DesignSummary>& designs);

enum class ComparisonFormat { Text, Markdown, Html, Csv };
// The table with a column per design and, after the first, its difference
// ("Δ Name"); text marks differing rows with "*", HTML shades them. CSV
// holds plain numbers ("18100", "-850", "5.5") with the unit in the figure's
// name ("Displacement (t)"), so a spreadsheet reads them as numbers.
std::string RenderManyComparison(const ManyComparison& comparison, ComparisonFormat format);
