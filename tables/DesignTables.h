#pragma once
// The design rules' tables read from Data: speed-power and ordnance.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tables/Errors.h"

constexpr int kSpeedHPFirstThousand = 3; // rows: 3 .. 52 thousand tons
constexpr int kSpeedHPLastThousand = 52;
constexpr int kSpeedHPFirstKnot = 16; // columns: 16 .. 35 knots
constexpr int kSpeedHPLastKnot = 35;
constexpr int kOrdnanceFirstCalibre = 3;
constexpr int kOrdnanceLastCalibre = 18;

struct TOrdnance {
    std::int32_t Calibre = 0;
    char Code = 0;
    float GunWeight = 0;     // tons per gun
    float Value4 = 0;        // column 4 / 10; kept, read nowhere
    std::int32_t Value8 = 0; // column 8; kept, read nowhere
    std::int32_t TurretArmourBase = 0;
    std::int32_t Value6 = 0; // kept, read nowhere
    std::int32_t Value7 = 0; // kept, read nowhere
};

struct DesignTables {
    // Horsepower in thousands, [thousands of tons - 3][knots - 16].
    std::array<std::array<std::int32_t, 20>, 50> SpeedHP{};
    // Indexed by calibre - 3 (3 .. 18 inches).
    std::array<TOrdnance, 16> Ordnance{};
};

// dataDir ends with a separator; the file name is appended to it. A file
// that cannot be opened raises FileOpenError and leaves the table as it was.
void LoadSpeedHPTable(const std::string& dataDir, DesignTables& tables);
void LoadOrdnanceTable(const std::string& dataDir, DesignTables& tables);

// Splits a table line at TABs the way both table files are read.
// Exposed for tests and the fuzzers.
std::vector<std::string> SplitTableLine(const std::string& line);
