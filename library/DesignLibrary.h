#pragma once
// The design library's rows: one per design file with the figures a reader
// sorts and filters a collection by, built without drawing anything, so
// thousands of files list quickly. Shared by `sdftool list` and the
// library window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "designfile/DesignRecord.h"
#include "tables/ProgramData.h"

enum class LibraryColumn {
    File,
    ClassName,
    Nation,
    Type,
    Displacement,
    Speed,
    MainGuns,
    Belt,
    Deck,
    TotalWeight,
    Spare,
    PointValue,
    HitPoints,
    Status
};
constexpr int kLibraryColumns = 14;

struct LibraryRow {
    std::string File;      // the path as found
    std::string ClassName; // from the file name
    bool IsDesign = false; // false: Status says why the file is not listed with figures
    std::string Nation;    // the nation's name, "" when none
    int NationIndex = -1;
    std::string Type; // "BB", "" when none
    std::int32_t Displacement = 0;
    std::int32_t Speed = 0;
    std::int32_t MainGunCount = 0;
    std::int32_t MainCalibre = 0;
    std::int32_t BeltSteps = 0; // half inches, as the file holds them
    std::int32_t DeckSteps = 0;
    std::int32_t TotalWeight = 0;
    std::int64_t Spare = 0; // negative when overweight
    std::int64_t PointValue = 0;
    std::int64_t HitPoints = 0;
    std::string Status; // "ok" or the first problem
    std::string PictureName;
    // What the row was built from, for caches (set by the caller).
    std::int64_t FileSize = -1;
    std::int64_t ModifiedNs = 0;
};

const char* LibraryColumnName(LibraryColumn column);
std::optional<LibraryColumn> LibraryColumnFromName(std::string_view name);
// Columns whose cells are numbers (right-aligned, numbers in JSON).
bool LibraryColumnIsNumber(LibraryColumn column);

// The cell as `sdftool list` writes it: "18100", "5.5", "10 x 12 in";
// numbers of a file that is not a design are empty.
std::string LibraryCellText(const LibraryRow& row, LibraryColumn column);

// Reads, recomputes and checks one file. The first problem of the design
// check, else the first the rules gave, is the status; nothing is shown.
LibraryRow BuildLibraryRow(const std::string& path, const ProgramData& data);

// < 0, 0, > 0. Numbers compare as numbers, texts without regard to letter
// case; rows of files that are not designs come after the designs.
int CompareLibraryRows(const LibraryRow& a, const LibraryRow& b, LibraryColumn column);
// Sorts the row numbers `order` (stable), descending when asked.
void SortLibraryOrder(const std::vector<LibraryRow>& rows, std::vector<std::size_t>& order, LibraryColumn column,
                      bool descending);

struct LibraryFilter {
    std::string Search; // part of the class, nation or type, any letter case
    std::string Nation; // "" any
    std::string Type;   // "" any
    std::optional<std::int32_t> MinDisplacement, MaxDisplacement;
    bool Matches(const LibraryRow& row) const;
};
std::vector<std::size_t> FilterLibraryRows(const std::vector<LibraryRow>& rows, const LibraryFilter& filter);
