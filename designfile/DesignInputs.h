#pragma once
// One field per input control of the design form. The form binds its
// widgets to this record in one place; the design file's writer and reader
// work on it, and sdftool and the tests recompute from it the way the form
// does.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Problems.h"
#include "tables/WeaponData.h"

class TDesignShip;

struct SpinRange {
    std::int32_t min;
    std::int32_t max;
    std::int32_t step;
    // A value put into a spin edit is clamped into its range.
    std::int32_t clamp(std::int64_t v) const { return v < min ? min : (v > max ? max : static_cast<std::int32_t>(v)); }
};

// Ranges and steps of the form's spin edits.
namespace ranges {
constexpr SpinRange Displacement{50, 70000, 100}; // step becomes 500 above 4000
constexpr SpinRange Speed{0, 35, 1};
constexpr SpinRange MainCal{2, 18, 1};
constexpr SpinRange Quality{-5, 5, 1};   // seMQ, seSQ, seTQ
constexpr SpinRange SmallCal{2, 35, 1};  // seSecCal, seTerCal
constexpr SpinRange SmallGuns{0, 24, 2}; // seSecondaries, seTertiaries
constexpr SpinRange TorpCal{12, 28, 1};
constexpr SpinRange Mines{0, 1000, 10};
// Day numbers the obsolete-date picker holds: 14 September 1752 to
// 31 December 9999, the range of a Qt date edit.
constexpr SpinRange ObsoleteDate{-53797, 2958465, 1};
} // namespace ranges

// Item texts of the form's fixed lists, by index; the ship sheet prints the
// same texts.
namespace listtext {
constexpr std::array<const char*, 4> Range{"Short", "Medium", "Long", "Extreme"};
constexpr std::array<const char*, 2> Freeboard{"Normal", "Low"};
constexpr std::array<const char*, 2> BeltCoverage{"Normal", "Narrow"};
constexpr std::array<const char*, 2> FuelType{"Coal", "Oil"};
constexpr std::array<const char*, 2> Accomodation{"Normal", "Cramped"};
constexpr std::array<const char*, 6> FireControl{"None (local only)", "Rangefinder",  "Improved rangefinder",
                                                 "Director control",  "Improved DCT", "Advanced DCT"};
constexpr std::array<const char*, 5> TPS{"0 - None", "1 - Bulkheads", "2 - Bulkheads and bunkers", "3 - Early TPS",
                                         "4 - Advanced TPS"};
constexpr std::array<const char*, 5> TurretFactor{"Casemates", "1", "2", "3", "4"}; // cbSecTF, cbTerTF
} // namespace listtext

// Item counts of the form's lists; an index outside 0 .. count-1 selects
// nothing (-1), as setting a list's index out of range does.
namespace listsize {
constexpr int Nation = 11; // cbNation: nations 0 .. MaxNation
constexpr int Type = 11;   // cbType
constexpr int Range = static_cast<int>(listtext::Range.size());
constexpr int Freeboard = static_cast<int>(listtext::Freeboard.size());
constexpr int BeltCoverage = static_cast<int>(listtext::BeltCoverage.size());
constexpr int FuelType = static_cast<int>(listtext::FuelType.size());
constexpr int Armour = 33; // "0", ".5" .. "16"
constexpr int FireControl = static_cast<int>(listtext::FireControl.size());
constexpr int TurretFactor = static_cast<int>(listtext::TurretFactor.size());
constexpr int TorpType = 9; // torpedo types 1 .. 9
constexpr int TPS = static_cast<int>(listtext::TPS.size());
constexpr int Accomodation = static_cast<int>(listtext::Accomodation.size());
} // namespace listsize

// The list index for a value, or -1 when the list has no such item.
inline int ListIndex(std::int64_t value, int count) {
    return value >= 0 && value < count ? static_cast<int>(value) : -1;
}

// Items of the ship type list, in the order the form lists them.
extern const std::array<const char*, 11> kDesignTypeCodes;
// The armour list's item for a step: "0", ".5", "1", "1.5" ... "16".
std::string ArmourStepText(int step);

// List indexes are -1 when nothing is selected.
struct DesignInputs {
    std::string Name;       // edName
    std::string EnemyClass; // edEnemyClass
    std::string MisClass;   // edMisClass
    int Nation = -1;        // cbNation
    int Type = -1;          // cbType, index into kDesignTypeCodes
    std::int32_t Displacement = 10000;
    int Range = 1;     // cbRange
    int Freeboard = 0; // cbFreeboard
    std::int32_t Speed = 18;
    int FuelType = 0;                                                                   // cbFuelType
    int B = 0, BeltCoverage = 0, BE = 0, D = 0, DE = 0, CT = 0, T = 0, TT = 0, SEC = 0; // armour steps
    bool ProtectedCruiser = false;
    int FireControl = -1; // cbFireControl
    std::int32_t MainCal = 12;
    std::int32_t MQ = 0;
    bool CrossDeck = false;
    std::int32_t SecCal = 4, Secondaries = 0;
    int SecTF = 0; // cbSecTF
    std::int32_t SQ = 0;
    std::int32_t TerCal = 3, Tertiaries = 0;
    int TerTF = 0; // cbTerTF
    std::int32_t TQ = 0;
    std::int32_t TorpCal = 18;
    int TorpType = -1; // cbTorpType, 0 = torpedo type 1
    int TPS = 0;       // cbTPS
    std::int32_t Mines = 0;
    int Accomodation = 0;                                     // cbAccomodation
    std::int32_t ObsoleteDate;                                // dtpObsolete, a day number
    std::string PicName;                                      // edPicName
    std::array<std::string, 4> FunnelPos{"0", "0", "0", "0"}; // stFunnel1Pos .. stFunnel4Pos texts
    std::array<bool, 4> FunnelOval{};                         // cbFunnel1Oval .. cbFunnel4Oval
    std::array<bool, 4> OutlineIsLine{};                      // cbClosed .. cbClosed4

    DesignInputs();
    bool operator==(const DesignInputs&) const = default;
    // The type code of the selected item, or "" when none is selected.
    std::string TypeCode() const;
};

// Items of the torpedo type list: one per torpedo type 1 .. 9, each
// Name + " " + Range1 + "/" + Speed1 + " " + Range2 + "/" + Speed2. The
// first character of an item is the designation kept in the design file.
std::vector<std::string> TorpedoTypeItems(const WeaponTables& weapons);

// Index into kDesignTypeCodes of a code, matched without regard to letter
// case, or -1.
int DesignTypeIndex(const std::string& code);

// Clamps every spin-edit value into its range and turns every list index
// outside its list into -1, as the widgets would.
void ClampInputs(DesignInputs& inputs);

// Writes the inputs into the ship and recalculates, in the order of the
// form's recompute, giving what the rules found wrong. The ship's turret and
// mount lists are left as they are.
[[nodiscard]] platform::Problems ApplyInputs(const DesignInputs& inputs, TDesignShip& ship);
// The same, adding to the caller's list.
void ApplyInputs(const DesignInputs& inputs, TDesignShip& ship, platform::Problems& problems);
