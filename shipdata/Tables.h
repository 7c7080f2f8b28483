#pragma once
// The speed-power and ordnance tables read from Data.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tables/Errors.h"

class Tship;

constexpr int kSpeedHPFirstThousand = 3;   // rows: 3 .. 52 thousand tons
constexpr int kSpeedHPLastThousand = 52;
constexpr int kSpeedHPFirstKnot = 16;      // columns: 16 .. 35 knots
constexpr int kSpeedHPLastKnot = 35;

struct TOrdnance {
    std::int32_t Calibre = 0;
    char Code = 0;
    float GunWeight = 0;          // tons per gun
    float Value4 = 0;             // column 4 / 10; kept, read nowhere
    std::int32_t Value8 = 0;      // column 8; kept, read nowhere
    std::int32_t TurretArmourBase = 0;
    std::int32_t Value6 = 0;      // kept, read nowhere
    std::int32_t Value7 = 0;      // kept, read nowhere
};

// Horsepower in thousands, [thousands of tons - 3][knots - 16].
extern std::array<std::array<std::int32_t, 20>, 50> SpeedHPTable;
// Indexed by calibre - 3 (3 .. 18 inches).
extern std::array<TOrdnance, 16> OrdnanceTable;




// dataDir ends with a separator; the file name is appended to it.
void LoadSpeedHPTable(const std::string& dataDir);
void LoadOrdnanceTable(const std::string& dataDir);

float GunWeight(std::int32_t calibre);
std::int32_t TurretArmourBase(std::int32_t calibre);

// Sets the ship's Horsepower (and Speed -1 for a rejected speed).
void RequiredHorsepower(Tship& ship);

// Splits a table line at TABs the way both table files are read.
// Exposed for tests and the fuzzers.
std::vector<std::string> SplitTableLine(const std::string& line);
