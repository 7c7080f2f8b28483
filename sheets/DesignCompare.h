#pragma once
// Two designs side by side: one row per input and per figure of their
// summaries, with the signed difference (second less first) for numbers.
#include <string>
#include <vector>

#include "sheets/DesignSummary.h"

struct CompareRow {
    std::string Group;
    std::string Label;
    std::string A, B;          // the figures as the sheet writes them
    std::string Difference;    // "+1,200 t"; empty when equal or not numbers
    bool Differs = false;
};

struct DesignComparison {
    std::string NameA, NameB;
    std::vector<std::string> Notes;   // same design, other nation, other type
    std::vector<CompareRow> Rows;
};

DesignComparison CompareDesigns(const DesignSummary& a, const DesignSummary& b);

// The table as aligned text: Group, Figure, the two designs, Difference; a
// "*" marks rows that differ. Notes come first.
std::string RenderComparisonText(const DesignComparison& comparison);
