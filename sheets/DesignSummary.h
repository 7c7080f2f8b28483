#pragma once
// A design's summary: what its ship sheet shows and what a comparison sets
// side by side. Built from a parsed design (a file or the form's design held
// in memory) the way the form reads it and the combat model builds it;
// every message raised on the way is kept, none is shown.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "designfile/DesignRecord.h"
#include "tables/ProgramData.h"

// One figure of a design, as the sheet and the comparison show it.
struct SummaryFigure {
    std::string Group;            // "Design", "Armour", "Armament", "Weights", "Fighting ship"
    std::string Label;            // "Displacement"
    std::string Text;             // "18,100 t"
    std::optional<double> Number; // the value compared, when the figure is a number
    std::string Unit;             // "t", "kn", "in", "yd", ... ("" for a count)
    int Decimals = 0;
};

// A table of the sheet; rendered as aligned text, Markdown or HTML.
struct SheetTable {
    std::string Title;
    std::vector<std::string> Header; // empty: no header row
    std::vector<std::vector<std::string>> Rows;
    std::vector<bool> Numeric; // per column: right-aligned
};

struct DesignSummary {
    bool Readable = false; // false: the file could not be read; nothing else is set
    std::string ClassName;
    std::string Nation; // the nation's name, "" when none is chosen
    int NationIndex = -1;
    std::string TypeCode;    // "BB", "" when none is chosen
    std::string TypeName;    // "Battleship"
    std::string Description; // "18,100 t, 21 kn, 10 × 12 in, belt 11 in"
    std::int32_t Displacement = 0;
    std::int32_t TotalWeight = 0;
    std::string PictureName;
    bool FightingShipBuilt = false;
    std::vector<SummaryFigure> Figures;
    std::vector<SheetTable> Tables;
    std::vector<std::string> Problems; // the design check's findings
};

DesignSummary BuildDesignSummary(const DesignRecord& record, const ProgramData& data);

// 18100 -> "18,100"; negative numbers keep their sign.
std::string GroupedNumber(std::int64_t value);
// A number with the given decimals, grouped: 5.5 -> "5.5", 1234.0 -> "1,234".
std::string GroupedNumber(double value, int decimals);
