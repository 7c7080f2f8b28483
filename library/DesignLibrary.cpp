#include "library/DesignLibrary.h"

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/StatusFigures.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "platform/Messages.h"
#include "platform/Paths.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<const char*, kLibraryColumns> kNames{"File",  "ClassName",  "Nation",    "Type",  "Displacement",
                                                          "Speed", "MainGuns",   "Belt",      "Deck",  "TotalWeight",
                                                          "Spare", "PointValue", "HitPoints", "Status"};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// ASCII letters without regard to case; other bytes as they are (sorting
// thousands of rows must not call into the locale per character).
inline int lowerByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
}

int compareText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = lowerByte(a[i]);
        const int cb = lowerByte(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <class T>
int compareNumber(T a, T b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

std::string halfInches(std::int32_t steps) {
    std::string text = std::to_string(steps / 2);
    if (steps % 2 != 0) text += ".5";
    return text;
}

} // namespace

const char* LibraryColumnName(LibraryColumn column) { return kNames[static_cast<size_t>(column)]; }

std::optional<LibraryColumn> LibraryColumnFromName(std::string_view name) {
    const std::string wanted = lower(name);
    for (size_t i = 0; i < kNames.size(); ++i)
        if (lower(kNames[i]) == wanted) return static_cast<LibraryColumn>(i);
    return std::nullopt;
}

bool LibraryColumnIsNumber(LibraryColumn column) {
    switch (column) {
    case LibraryColumn::Displacement:
    case LibraryColumn::Speed:
    case LibraryColumn::Belt:
    case LibraryColumn::Deck:
    case LibraryColumn::TotalWeight:
    case LibraryColumn::Spare:
    case LibraryColumn::PointValue:
    case LibraryColumn::HitPoints: return true;
    default: return false;
    }
}

std::string LibraryCellText(const LibraryRow& r, LibraryColumn column) {
    if (!r.IsDesign && column != LibraryColumn::File && column != LibraryColumn::ClassName &&
        column != LibraryColumn::Status)
        return {};
    switch (column) {
    case LibraryColumn::File: return r.File;
    case LibraryColumn::ClassName: return r.ClassName;
    case LibraryColumn::Nation: return r.Nation;
    case LibraryColumn::Type: return r.Type;
    case LibraryColumn::Displacement: return std::to_string(r.Displacement);
    case LibraryColumn::Speed: return std::to_string(r.Speed);
    case LibraryColumn::MainGuns:
        return r.MainGunCount > 0 ? std::to_string(r.MainGunCount) + " x " + std::to_string(r.MainCalibre) + " in"
                                  : "-";
    case LibraryColumn::Belt: return halfInches(r.BeltSteps);
    case LibraryColumn::Deck: return halfInches(r.DeckSteps);
    case LibraryColumn::TotalWeight: return std::to_string(r.TotalWeight);
    case LibraryColumn::Spare: return std::to_string(r.Spare);
    case LibraryColumn::PointValue: return std::to_string(r.PointValue);
    case LibraryColumn::HitPoints: return std::to_string(r.HitPoints);
    case LibraryColumn::Status: return r.Status;
    }
    return {};
}

LibraryRow BuildLibraryRow(const std::string& path, const ProgramData& data) {
    LibraryRow row;
    row.File = path;
    row.ClassName = DesignClassName(path);
    const DesignRecord record = ReadDesignRecord(path);
    // Values the form would not accept give no figures worth listing: the
    // same gate as every computation, with its reason.
    if (auto why = DesignRefusal(record)) {
        row.Status = *why;
        return row;
    }
    row.IsDesign = true;
    DesignInputs in;
    TDesignShip ship(data);
    ship.ClearSpecials();
    const platform::Problems loading = LoadDesignInto(record, in, ship);
    const std::vector<DesignProblem> problems = CheckDesign(in, ship);

    if (const TNation* n = data.Nation(in.Nation)) row.Nation = n->Name;
    row.NationIndex = in.Nation;
    row.Type = in.TypeCode();
    row.Displacement = ship.Displacement;
    row.Speed = in.Speed;
    for (const auto& t : ship.Turrets) row.MainGunCount += t->Guns == 0 ? 1 : t->Guns; // a casemate is one gun
    row.MainCalibre = in.MainCal;
    row.BeltSteps = std::max(in.B, 0);
    row.DeckSteps = std::max(in.D, 0);
    row.TotalWeight = ship.Weights.TotalWeight;
    row.Spare = static_cast<std::int64_t>(ship.Displacement) - ship.Weights.TotalWeight;
    row.PictureName = in.PicName;
    row.Status = !problems.empty() ? problems.front().text : (!loading.Empty() ? loading.Items().front().Text : "ok");

    // The combat figures of the ship the game would build, on no map.
    // Its messages are left out: the status already names the design's first problem.
    platform::RecordingMessages quiet;
    TFightingShip fighting(nullptr);
    if (fighting.LoadFromDesignRecord(record, quiet)) {
        row.HitPoints = fighting.OriginalHitPoints;
        row.PointValue = ShownPointValue(fighting, 0);
    }
    for (char& c : row.Status)
        if (c == '\r' || c == '\n') c = ' ';
    return row;
}

int CompareLibraryRows(const LibraryRow& a, const LibraryRow& b, LibraryColumn column) {
    if (a.IsDesign != b.IsDesign && column != LibraryColumn::File && column != LibraryColumn::ClassName &&
        column != LibraryColumn::Status)
        return a.IsDesign ? -1 : 1;
    switch (column) {
    case LibraryColumn::File: return compareText(a.File, b.File);
    case LibraryColumn::ClassName: return compareText(a.ClassName, b.ClassName);
    case LibraryColumn::Nation: return compareText(a.Nation, b.Nation);
    case LibraryColumn::Type: return compareText(a.Type, b.Type);
    case LibraryColumn::Displacement: return compareNumber(a.Displacement, b.Displacement);
    case LibraryColumn::Speed: return compareNumber(a.Speed, b.Speed);
    case LibraryColumn::MainGuns:
        // Bigger guns first, then more of them.
        if (int c = compareNumber(a.MainCalibre * (a.MainGunCount > 0), b.MainCalibre * (b.MainGunCount > 0))) return c;
        return compareNumber(a.MainGunCount, b.MainGunCount);
    case LibraryColumn::Belt: return compareNumber(a.BeltSteps, b.BeltSteps);
    case LibraryColumn::Deck: return compareNumber(a.DeckSteps, b.DeckSteps);
    case LibraryColumn::TotalWeight: return compareNumber(a.TotalWeight, b.TotalWeight);
    case LibraryColumn::Spare: return compareNumber(a.Spare, b.Spare);
    case LibraryColumn::PointValue: return compareNumber(a.PointValue, b.PointValue);
    case LibraryColumn::HitPoints: return compareNumber(a.HitPoints, b.HitPoints);
    case LibraryColumn::Status: return compareText(a.Status, b.Status);
    }
    return 0;
}

void SortLibraryOrder(const std::vector<LibraryRow>& rows, std::vector<std::size_t>& order, LibraryColumn column,
                      bool descending) {
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        int c = CompareLibraryRows(rows[x], rows[y], column);
        // Files that are not designs stay last either way.
        if (rows[x].IsDesign == rows[y].IsDesign && descending) c = -c;
        if (c == 0) c = compareText(rows[x].File, rows[y].File);
        return c < 0;
    });
}

bool LibraryFilter::Matches(const LibraryRow& row) const {
    if (!Nation.empty() && row.Nation != Nation) return false;
    if (!Type.empty() && row.Type != Type) return false;
    if ((MinDisplacement || MaxDisplacement) && !row.IsDesign) return false;
    if (MinDisplacement && row.Displacement < *MinDisplacement) return false;
    if (MaxDisplacement && row.Displacement > *MaxDisplacement) return false;
    if (Search.empty()) return true;
    const std::string wanted = lower(Search);
    for (const std::string* text : {&row.ClassName, &row.Nation, &row.Type})
        if (lower(*text).find(wanted) != std::string::npos) return true;
    return false;
}

std::vector<std::size_t> FilterLibraryRows(const std::vector<LibraryRow>& rows, const LibraryFilter& filter) {
    std::vector<std::size_t> out;
    out.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (filter.Matches(rows[i])) out.push_back(i);
    return out;
}
