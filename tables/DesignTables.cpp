#include "tables/DesignTables.h"

#include <cstdint>

#include "platform/FileSystem.h"

namespace {

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

void LoadSpeedHPTable(const std::string& dataDir, DesignTables& tables) {
    const auto lines = readTable(dataDir + "SpeedHPTable.dat");
    tables.SpeedHP = {};
    // Line 2 is the row for 3 thousand tons; lines past the last row and
    // fields past the last column have no place in the table.
    for (size_t row = 0; row < tables.SpeedHP.size() && row + 1 < lines.size(); ++row) {
        const auto fields = SplitTableLine(lines[row + 1]);
        for (size_t col = 0; col < tables.SpeedHP[row].size() && col + 1 < fields.size(); ++col)
            tables.SpeedHP[row][col] = fieldValue(fields[col + 1]);
    }
}

void LoadOrdnanceTable(const std::string& dataDir, DesignTables& tables) {
    const auto lines = readTable(dataDir + "OrdnanceTable.dat");
    tables.Ordnance = {};
    for (size_t i = 1; i < lines.size(); ++i) {
        const auto fields = SplitTableLine(lines[i]);
        if (fields.empty()) continue;
        const std::int32_t calibre = fieldValue(fields[0]);
        if (calibre < kOrdnanceFirstCalibre || calibre > kOrdnanceLastCalibre) continue;
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
        tables.Ordnance[static_cast<size_t>(calibre - kOrdnanceFirstCalibre)] = o;
    }
}
