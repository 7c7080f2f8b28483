// Speed-power and ordnance tables: file reading, lookups and the horsepower rule.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/Messages.h"
#include "shipdata/Ship.h"
#include "shipdata/Tables.h"
#include "tests/core/TestSupport.h"

using platform::MessageKind;
using Fields = std::vector<std::string>;

namespace {

// Every test starts from empty tables.
struct TablesTest : ::testing::Test {
    DesignTables t;
    testsupport::TempDir dir;
    std::int32_t& cell(int thousands, int knots) { return t.SpeedHP[thousands - 3][knots - 16]; }
    std::int32_t horsepower(std::int32_t displacement, std::int32_t speed) {
        Tship ship;
        ship.SetDisplacementAndSpeed(displacement, speed);
        RequiredHorsepower(t, ship, said);
        return ship.Horsepower;
    }
    platform::Problems said; // what the rule refused, in order
};

} // namespace

TEST(TableLineSplitting, FieldsAreTrimmedExceptTheTail) {
    EXPECT_EQ(SplitTableLine(" a \t b\t\tc "), (Fields{"a", "b", "", "c "}));
    EXPECT_EQ(SplitTableLine("a\tb\t   "), (Fields{"a", "b"})); // blank remainder gives no field
    EXPECT_EQ(SplitTableLine("a\t"), (Fields{"a"}));
    EXPECT_EQ(SplitTableLine("\t\t"), (Fields{"", ""}));
    EXPECT_EQ(SplitTableLine(" only "), (Fields{" only "}));
    EXPECT_EQ(SplitTableLine(""), Fields{});
}

TEST_F(TablesTest, SpeedPowerRowsFollowFileOrderAndNonNumbersReadMinusOne) {
    dir.write("SpeedHPTable.dat", "header\t16\t17\r\n"
                                  "3000\t1\t x \t$10\t+4\t-5\t6 \r\n"
                                  "4000\t7\t8\t99999999999\t2.5\t\t 9\r\n"
                                  "\r\n"
                                  "6000\t11\r\n");
    LoadSpeedHPTable(dir.path(), t);
    // -1: not a number, hexadecimal, tail with a trailing blank, beyond 32
    // bits, not whole, empty; leading blanks of the tail are allowed and the
    // blank line still takes its row.
    struct Cell {
        int thousands, knots, value;
    };
    for (const Cell& c : {Cell{3, 16, 1}, Cell{3, 17, -1}, Cell{3, 18, -1}, Cell{3, 19, 4}, Cell{3, 20, -5},
                          Cell{3, 21, -1}, Cell{3, 22, 0}, Cell{4, 18, -1}, Cell{4, 19, -1}, Cell{4, 20, -1},
                          Cell{4, 21, 9}, Cell{5, 16, 0}, Cell{6, 16, 11}})
        EXPECT_EQ(cell(c.thousands, c.knots), c.value) << c.thousands << "/" << c.knots;

    // Extra lines and columns are ignored.
    std::string text = "header\r\n";
    for (int row = 0; row < 60; ++row) {
        text += "label";
        for (int col = 0; col < 25; ++col) text += "\t" + std::to_string(row * 100 + col);
        text += "\r\n";
    }
    dir.write("SpeedHPTable.dat", text);
    LoadSpeedHPTable(dir.path(), t);
    EXPECT_EQ((std::array<int, 4>{cell(3, 16), cell(3, 35), cell(52, 16), cell(52, 35)}),
              (std::array<int, 4>{0, 19, 4900, 4919}));
}

TEST_F(TablesTest, HeaderOnlyFilesGiveEmptyTablesAndMissingOnesThrow) {
    dir.write("SpeedHPTable.dat", "Displacement\t16\t17\r\n");
    dir.write("OrdnanceTable.dat", "Calibre\tCode\r\n");
    cell(10, 18) = 5;
    t.Ordnance[9].GunWeight = 57;
    LoadSpeedHPTable(dir.path(), t);
    LoadOrdnanceTable(dir.path(), t);
    EXPECT_EQ(t.SpeedHP, DesignTables{}.SpeedHP);
    for (const auto& o : t.Ordnance) EXPECT_EQ(std::pair(o.Calibre, o.GunWeight), std::pair(0, 0.0f));

    const std::string dataDir = dir.path() + "NoData/";
    for (auto [load, file] :
         {std::pair{&LoadSpeedHPTable, "SpeedHPTable.dat"}, std::pair{&LoadOrdnanceTable, "OrdnanceTable.dat"}}) {
        try {
            load(dataDir, t);
            ADD_FAILURE() << "no error for " << file;
        } catch (const FileOpenError& e) { EXPECT_EQ(std::string(e.what()), "Cannot open file " + dataDir + file); }
    }
}

TEST_F(TablesTest, OrdnanceColumnsByCalibreWithLaterLinesWinning) {
    dir.write("OrdnanceTable.dat", "Calibre\tCode\tGun\tShell\tBase\tRange\tRate\tVelocity\r\n"
                                   "12\tH\t570\t8500\t30\t190\t20\t2725\r\n"
                                   "6\tMedium\t75\t1000\t8\t140\t60\t2775\r\n"
                                   "2\tX\t5\t5\t5\t5\t5\t5\r\n"
                                   "19\tX\t5\t5\t5\t5\t5\t5\r\n"
                                   "35\tX\t5\t5\t5\t5\t5\t5\r\n"
                                   "abc\tX\t5\t5\t5\t5\t5\t5\r\n"
                                   "6\tM\t72\t1000\t8\t140\t60\t2775\r\n"
                                   "9\t\t250\r\n");
    LoadOrdnanceTable(dir.path(), t);
    EXPECT_EQ(GunWeight(t, 12), 57.0f); // tenths of tons in the file
    EXPECT_EQ(TurretArmourBase(t, 12), 30);
    EXPECT_EQ(GunWeight(t, 6), 7.2f); // the later line for 6 inches
    EXPECT_EQ(t.Ordnance[6 - 3].Code, 'M');
    // A short line reads its missing columns like non-numeric ones.
    EXPECT_EQ(t.Ordnance[9 - 3].Code, '\0');
    EXPECT_EQ(GunWeight(t, 9), 25.0f);
    EXPECT_EQ(TurretArmourBase(t, 9), -1);
    // Calibres without a row were ignored, so nothing else was touched.
    for (int c : {3, 4, 5, 7, 8, 10, 11, 13, 14, 15, 16, 17, 18}) EXPECT_EQ(t.Ordnance[c - 3].Calibre, 0) << c;
}

TEST_F(TablesTest, CalibresOutsideTheTableAreScaledFromItsEnds) {
    t.Ordnance[0] = {3, 'L', 1.0f, 0, 0, 2, 0, 0};
    t.Ordnance[15] = {18, 'H', 150.0f, 0, 0, 68, 0, 0};
    EXPECT_FLOAT_EQ(GunWeight(t, 2), 8.0f / 27.0f);
    EXPECT_FLOAT_EQ(GunWeight(t, 36), 1200.0f);
    EXPECT_EQ(TurretArmourBase(t, 2), 1); // 2 x 4/9 = 0.89
    EXPECT_EQ(TurretArmourBase(t, 36), 272);
    for (int c : {0, -1, INT_MIN})
        EXPECT_EQ(std::pair(GunWeight(t, c), TurretArmourBase(t, c)), std::pair(0.0f, 0)) << c;
    EXPECT_TRUE(std::isfinite(GunWeight(t, INT_MAX)));
    EXPECT_EQ(TurretArmourBase(t, INT_MAX), INT_MAX);
}

TEST_F(TablesTest, HorsepowerScalesTheRowAndAppliesTheBandFactor) {
    cell(10, 18) = 20;
    EXPECT_EQ(horsepower(10000, 18), 18000);
    EXPECT_EQ(horsepower(10500, 18), 16800); // 21000 x 0.8; the next row is not used
    cell(3, 20) = 12;
    EXPECT_EQ(horsepower(2500, 20), 11000); // Round(12000 x 2500 / 3000) x 1.1
    cell(52, 35) = 400;
    EXPECT_EQ(horsepower(52000, 35), 280000);
    EXPECT_TRUE(said.Empty());
    // Huge table values saturate.
    cell(52, 35) = INT_MAX;
    cell(3, 35) = INT_MIN;
    EXPECT_EQ(horsepower(52000, 35), INT_MAX);
    EXPECT_EQ(horsepower(51999, 35), 0);
    EXPECT_EQ(horsepower(2000, 35), INT_MIN);
}

TEST_F(TablesTest, HorsepowerFactorBands) {
    for (auto& row : t.SpeedHP) row.fill(30);
    // Below 3000 t the 3000 t row is scaled: 10 hp per ton before the factor.
    // Both sides of every band; 1301 t: 13010 x 1.45 = 18864.5, half to even;
    // 4001 t: 30000 + Round(7.5) = 30008, x 1.05.
    const std::vector<std::pair<int, int>> cases = {
        {800, 16000},   {801, 15219},   {900, 17100},   {901, 16218},   {1000, 18000}, {1001, 17017}, {1100, 18700},
        {1101, 17616},  {1200, 19200},  {1201, 18015},  {1300, 19500},  {1301, 18864}, {1400, 20300}, {1401, 19614},
        {1600, 22400},  {1601, 20813},  {1800, 23400},  {1801, 21612},  {2000, 24000}, {2001, 22011}, {2999, 32989},
        {3000, 33000},  {4000, 33000},  {4001, 31508},  {6000, 31500},  {6001, 30005}, {8000, 30000}, {8001, 27004},
        {10000, 27000}, {10001, 24002}, {15000, 24000}, {15001, 21001}, {52000, 21000}};
    for (auto [d, hp] : cases) EXPECT_EQ(horsepower(d, 20), hp) << d << " t";
}

TEST_F(TablesTest, RejectedSpeedsAndDisplacements) {
    for (auto& row : t.SpeedHP) row.fill(30);
    EXPECT_EQ(horsepower(10000, 16) + horsepower(10000, 35), 2 * 27000);
    EXPECT_TRUE(said.Empty());

    Tship ship;
    ship.SetDisplacementAndSpeed(10000, 15);
    RequiredHorsepower(t, ship, said);
    EXPECT_EQ(ship.Speed, -1);
    EXPECT_EQ(ship.Horsepower, 0);
    for (auto [d, s] : std::vector<std::pair<int, int>>{{10000, 36}, {10000, INT_MIN}, {52001, 20}})
        EXPECT_EQ(horsepower(d, s), 0);
    EXPECT_EQ(horsepower(INT_MAX, 99), 0); // the displacement is refused first
    EXPECT_EQ(said.Items(),
              (std::vector<platform::Problem>{{MessageKind::Notice, "Illegal Speed value: 15", "Speed"},
                                              {MessageKind::Notice, "Illegal Speed value: 36", "Speed"},
                                              {MessageKind::Notice, "Illegal Speed value: -2147483648", "Speed"},
                                              {MessageKind::Notice, "Illegal displacement", "Displacement"},
                                              {MessageKind::Notice, "Illegal displacement", "Displacement"}}));
    said = {};
    // No or negative displacement needs no power and reads no row.
    for (int d : {0, -500, INT_MIN}) EXPECT_EQ(horsepower(d, 20), 0) << d;
    EXPECT_TRUE(said.Empty());
}
