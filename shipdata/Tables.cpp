#include "shipdata/Tables.h"

#include <cfloat>
#include <cmath>
#include <optional>

#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Round.h"
#include "shipdata/Ship.h"

std::array<std::array<std::int32_t, 20>, 50> SpeedHPTable{};
std::array<TOrdnance, 16> OrdnanceTable{};

namespace {

constexpr int kFirstCalibre = 3;
constexpr int kLastCalibre = 18;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Decimal only: optional leading blanks, a sign, digits, nothing after.
// Anything else, or a value beyond 32 bits, reads as -1.
std::int32_t fieldValue(const std::string& field) {
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    if (i >= field.size()) return -1;
    std::int64_t v = 0;
    for (; i < field.size(); ++i) {
        char c = field[i];
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) return -1;
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) return -1;
    return static_cast<std::int32_t>(v);
}

std::vector<std::string> readTable(const std::string& path) {
    auto lines = platform::readLines(path);
    if (!lines) throw FileOpenError(path);
    return std::move(*lines);
}

const TOrdnance* ordnanceFor(std::int32_t calibre) {
    if (calibre < kFirstCalibre || calibre > kLastCalibre) return nullptr;
    return &OrdnanceTable[calibre - kFirstCalibre];
}

// Calibres the table has no row for are scaled from the nearest row:
// gun weight with the cube of the calibre (a gun's mass grows with its
// bore in all three dimensions), the turret-armour base with its square
// (the armoured face grows with the mount's breadth and height).
long double scaledFromTable(std::int32_t calibre, long double (*field)(const TOrdnance&), int power) {
    if (calibre <= 0) return 0;
    int nearest = calibre < kFirstCalibre ? kFirstCalibre : kLastCalibre;
    long double ratio = static_cast<long double>(calibre) / nearest;
    return field(*ordnanceFor(nearest)) * std::pow(ratio, static_cast<long double>(power));
}

long double gunWeightOf(const TOrdnance& o) { return o.GunWeight; }
long double armourBaseOf(const TOrdnance& o) { return o.TurretArmourBase; }

// Band factor of the displacement; 1301..1400 t take 1.45, halfway between
// the bands on either side, where a gap would otherwise leave the power
// unscaled.
long double horsepowerFactor(std::int32_t d) {
    if (d <= 800) return 2.0L;
    if (d <= 900) return 1.9L;
    if (d <= 1000) return 1.8L;
    if (d <= 1100) return 1.7L;
    if (d <= 1200) return 1.6L;
    if (d <= 1300) return 1.5L;
    if (d <= 1400) return 1.45L;
    if (d <= 1600) return 1.4L;
    if (d <= 1800) return 1.3L;
    if (d <= 2000) return 1.2L;
    if (d <= 4000) return 1.1L;
    if (d <= 6000) return 1.05L;
    if (d <= 8000) return 1.0L;
    if (d <= 10000) return 0.9L;
    if (d <= 15000) return 0.8L;
    return 0.7L;
}

} // namespace

std::vector<std::string> SplitTableLine(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(trimmed(line.substr(start, tab - start)));
        start = tab + 1;
    }
    std::string tail = line.substr(start);
    if (!trimmed(tail).empty()) fields.push_back(tail);
    return fields;
}

void LoadSpeedHPTable(const std::string& dataDir) {
    const auto lines = readTable(dataDir + "SpeedHPTable.dat");
    SpeedHPTable = {};
    // Line 2 is the row for 3 thousand tons; lines past the last row and
    // fields past the last column have no place in the table.
    for (size_t row = 0; row < SpeedHPTable.size() && row + 1 < lines.size(); ++row) {
        const auto fields = SplitTableLine(lines[row + 1]);
        for (size_t col = 0; col < SpeedHPTable[row].size() && col + 1 < fields.size(); ++col)
            SpeedHPTable[row][col] = fieldValue(fields[col + 1]);
    }
}

void LoadOrdnanceTable(const std::string& dataDir) {
    const auto lines = readTable(dataDir + "OrdnanceTable.dat");
    OrdnanceTable = {};
    for (size_t i = 1; i < lines.size(); ++i) {
        const auto fields = SplitTableLine(lines[i]);
        if (fields.empty()) continue;
        const std::int32_t calibre = fieldValue(fields[0]);
        if (calibre < kFirstCalibre || calibre > kLastCalibre) continue;
        // A short line reads its missing columns like non-numeric ones.
        auto column = [&](size_t n) { return n <= fields.size() ? fieldValue(fields[n - 1]) : -1; };
        TOrdnance o;
        o.Calibre = calibre;
        o.Code = fields.size() >= 2 && !fields[1].empty() ? fields[1][0] : '\0';
        o.GunWeight = static_cast<float>(static_cast<long double>(column(3)) / 10);
        o.Value4 = static_cast<float>(static_cast<long double>(column(4)) / 10);
        o.Value8 = column(8);
        o.TurretArmourBase = column(5);
        o.Value6 = column(6);
        o.Value7 = column(7);
        OrdnanceTable[calibre - kFirstCalibre] = o;
    }
}

float GunWeight(std::int32_t calibre) {
    if (const TOrdnance* o = ordnanceFor(calibre)) return o->GunWeight;
    long double w = scaledFromTable(calibre, gunWeightOf, 3);
    if (w > FLT_MAX) return FLT_MAX;
    if (w < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(w);
}

std::int32_t TurretArmourBase(std::int32_t calibre) {
    if (const TOrdnance* o = ordnanceFor(calibre)) return o->TurretArmourBase;
    return platform::Round32(scaledFromTable(calibre, armourBaseOf, 2));
}

void RequiredHorsepower(Tship& ship) {
    const std::int32_t d = ship.Displacement;
    const std::int32_t s = ship.Speed;
    if (d > 52000) {
        platform::messages().notice("Illegal displacement");
        ship.Horsepower = 0;
        return;
    }
    const std::int32_t k = d < 3000 ? kSpeedHPFirstThousand : d / 1000;
    if (s < kSpeedHPFirstKnot || s > kSpeedHPLastKnot) {
        platform::messages().notice("Illegal Speed value: " + std::to_string(s));
        // No column exists for this speed; the machinery weighs nothing until
        // a valid speed is entered.
        ship.Speed = -1;
        ship.Horsepower = 0;
        return;
    }
    // A ship of no or negative displacement needs no power.
    if (d <= 0) {
        ship.Horsepower = 0;
        return;
    }
    long double h = static_cast<long double>(SpeedHPTable[k - kSpeedHPFirstThousand][s - kSpeedHPFirstKnot]) * 1000;
    if (d < 3000)
        h = platform::Round(h * d / 3000);
    else if (d % 1000 != 0)
        h = h + platform::Round((h / k) * (d % 1000) / 1000);
    ship.Horsepower = platform::Round32(h * horsepowerFactor(d));
}
