#include "tables/WeaponData.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using platform::ScopedRecordingMessages;

namespace {

void clearWeaponTables() {
    GunRangeFactor = 0;
    PenetrationFactor = 0;
    ShipTypeNames = {};
    GunCalibres = {};
    TorpedoTypes = {};
}

// A program directory with the given data files; a file given as none is
// left out.
class WeaponDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = platform::programDir();
        platform::setProgramDir(dir_.path());
        clearWeaponTables();
    }
    void TearDown() override {
        platform::setProgramDir(saved_);
        clearWeaponTables();
    }
    void write(const std::string& name, const std::string& text) { dir_.write("Data/" + name, text); }
    // Header plus 17 rows, row for calibre c holding "c\tname\t<third>\t..." .
    static std::string gunTable(const std::string& third, int rows = 17) {
        std::string s = "Calibre\tGun\tValue\r\n";
        for (int l = 1; l <= rows; ++l) {
            s += std::to_string(l + 1) + "in\tgun\t" + third;
            for (int k = 1; k <= 30; ++k) s += "\t" + std::to_string(l * 100 + k);
            s += "\r\n";
        }
        return s;
    }
    void writeAll(const std::string& basic) {
        write("BasicData.dat", basic);
        write("VPen.dat", gunTable("9"));
        write("HPen.dat", gunTable("0"));
        write("Gundata.dat", gunTable("5"));
        std::string torp = "Name\tfree\tTag\r\n";
        for (int l = 1; l <= 9; ++l) torp += std::to_string(l) + "T\tx\t18\t30\t30\t100\t22\r\n";
        write("Torpedodata.dat", torp);
    }
    testsupport::TempDir dir_;
    std::string saved_;
};

} // namespace

TEST(GetTabField, FieldsBeyondTheEndGiveTheLastField) {
    // A trailing TAB leaves nothing after it; a count below 1 gives the last field too.
    struct Case { const char* line; int n; const char* field; };
    for (const Case& c : {Case{"a\tb\tc", 1, "a"}, Case{"a\tb\tc", 3, "c"}, Case{"a\tb", 9, "b"}, Case{"a\t\tc", 2, ""},
                          Case{"", 1, ""}, Case{"", 7, ""}, Case{"a\t", 2, "a"}, Case{"a\tb", 0, "b"}, Case{"a\tb", -3, "b"}})
        EXPECT_EQ(GetTabField(c.line, c.n), c.field) << c.line << " " << c.n;
}

TEST_F(WeaponDataTest, RangeFactorScalesBaseRangeTruncatingTowardZero) {
    writeAll("[BasicData]\r\nGunRangeFactor=12\r\nShipType3=Armoured cruiser\r\n");
    write("VPen.dat", gunTable("9") + "extra\tline\r\n");
    ScopedRecordingMessages rec;
    LoadWeaponTables(dir_.path());
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_EQ(GunRangeFactor, 12);
    EXPECT_EQ(PenetrationFactor, 10);
    EXPECT_EQ(GunCalibre(12).BaseRange, 10);
    EXPECT_EQ(GunCalibre(2).VPen[1], 101);
    EXPECT_EQ(GunCalibre(18).VPen[30], 1730);
    EXPECT_EQ(GunCalibre(18).HPen[30], 1730);
    EXPECT_FLOAT_EQ(GunCalibre(7).BaseRateOfFire, 0.5f);
    EXPECT_EQ(GunCalibre(7).MaxRange, 601);
    EXPECT_EQ(ShipTypeName(3), "Armoured cruiser");
    EXPECT_EQ(ShipTypeName(11) + ShipTypeName(4), "");
    const TTorpedoType& t = TorpedoTypes[1];
    EXPECT_EQ(t.Name, "1T");
    EXPECT_EQ((std::array<int, 5>{t.Tag, t.Range1, t.Speed1, t.Range2, t.Speed2}),
              (std::array<int, 5>{18, 3000, 30, 10000, 22}));

    write("VPen.dat", gunTable("-9"));
    LoadWeaponTables(dir_.path());
    EXPECT_EQ(GunCalibre(12).BaseRange, -10);
    write("BasicData.dat", "[BasicData]\r\nPenetrationFactor=7\r\n");
    LoadWeaponTables(dir_.path());
    EXPECT_EQ(GunCalibre(12).BaseRange, -9);
    EXPECT_EQ(PenetrationFactor, 7);
}

TEST_F(WeaponDataTest, ShortLinesRepeatTheirLastField) {
    writeAll("[BasicData]\r\n");
    std::string vpen = "h\r\n";
    for (int l = 1; l <= 17; ++l) vpen += "c\tn\t8\r\n";
    write("VPen.dat", vpen);
    std::string torp = "h\r\n";
    for (int l = 1; l <= 9; ++l) torp += "Short\tfree\t18\t40\t35\r\n";
    write("Torpedodata.dat", torp);
    LoadWeaponTables(dir_.path());
    EXPECT_EQ(GunCalibre(5).BaseRange, 8);
    EXPECT_EQ(GunCalibre(5).VPen[17], 8);
    const TTorpedoType& t = TorpedoTypes[4];
    EXPECT_EQ((std::array<int, 5>{t.Tag, t.Range1, t.Speed1, t.Range2, t.Speed2}),
              (std::array<int, 5>{18, 4000, 35, 3500, 35}));
}

TEST_F(WeaponDataTest, MissingFilesStopTheLoadingWithTheirMessages) {
    writeAll("[BasicData]\r\n");
    std::remove((dir_.path() + "Data/BasicData.dat").c_str());
    {
        ScopedRecordingMessages rec;
        LoadWeaponTables(dir_.path());
        EXPECT_EQ(rec.texts(), std::vector<std::string>{"Warning! Cannot find file BasicData.dat!"});
        EXPECT_EQ(GunRangeFactor, 0);
        EXPECT_EQ(GunCalibre(12).BaseRange, 0);  // the factor stayed 0
        EXPECT_EQ(GunCalibre(12).MaxRange, 1101);
        EXPECT_EQ(TorpedoTypes[9].Speed1, 30);
    }
    const struct {
        const char* file;
        std::string text;
    } cases[] = {
        {"Torpedodata.dat", "Error: Cannot find file " + dir_.path() + "/Data/Torpedodata.dat"},
        {"Gundata.dat", "Error: Cannot find file Gundata.dat"},
        {"HPen.dat", "Error: Cannot find file HPen.dat"},
        {"VPen.dat", "Error: Cannot find file VPen.dat"},
    };
    writeAll("[BasicData]\r\n");
    for (const auto& c : cases) {
        clearWeaponTables();
        std::remove((dir_.path() + "Data/" + c.file).c_str());
        ScopedRecordingMessages rec;
        LoadWeaponTables(dir_.path());
        EXPECT_EQ(rec.texts(), std::vector<std::string>{c.text});
        EXPECT_EQ(TorpedoTypes[1].Speed1, 0);
    }
    // With only VPen.dat gone nothing after it was read.
    EXPECT_EQ(GunCalibre(3).VPen[1], 0);
    EXPECT_EQ(GunRangeFactor, 10);
}

TEST_F(WeaponDataTest, ShortFileStopsTheRestAndKeepsTheRowsRead) {
    writeAll("[BasicData]\r\n");
    write("VPen.dat", gunTable("9", 9));  // ten lines: header and calibres 2..10
    ScopedRecordingMessages rec;
    LoadWeaponTables(dir_.path());
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"Error loading weapon tables!"});
    EXPECT_EQ(GunCalibre(10).BaseRange, 9);
    EXPECT_EQ(GunCalibre(11).BaseRange, 0);
    EXPECT_EQ(GunCalibre(2).HPen[1], 0);
    EXPECT_EQ(GunCalibre(2).MaxRange, 0);
    EXPECT_EQ(TorpedoTypes[1].Name, "");
}

TEST_F(WeaponDataTest, ScaledNumbersSaturate) {
    // Numbers that would overflow when scaled saturate instead.
    writeAll("[BasicData]\r\nGunRangeFactor=2000000000\r\n");
    std::string torp = "h\r\n";
    for (int l = 1; l <= 9; ++l) torp += "T\tx\t18\t2147483647\t30\t-2147483648\t22\r\n";
    write("Torpedodata.dat", torp);
    write("VPen.dat", gunTable("2000000000"));
    LoadWeaponTables(dir_.path());
    EXPECT_EQ(GunCalibre(12).BaseRange, INT32_MAX);
    EXPECT_EQ(TorpedoTypes[2].Range1, INT32_MAX);
    EXPECT_EQ(TorpedoTypes[2].Range2, INT32_MIN);
}

TEST_F(WeaponDataTest, BundledTablesAreComplete) {
    platform::setProgramDir(testsupport::programDir());
    ScopedRecordingMessages rec;
    LoadWeaponTables(testsupport::programDir());
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_EQ(GunRangeFactor, 10);
    EXPECT_EQ(ShipTypeName(0), "Battleship");
    for (int c = kMinGunCalibre; c <= kMaxGunCalibre; ++c) {
        const TGunCalibreData& g = GunCalibre(c);
        EXPECT_GT(g.BaseRange, 0) << c;
        EXPECT_GT(g.MaxRange, g.BaseRange) << c;
        EXPECT_GT(g.BaseRateOfFire, 0.0f) << c;
        EXPECT_GE(g.VPen[1], g.VPen[10]) << c;    // belt penetration falls with range
        EXPECT_LE(g.HPen[1], g.HPen[std::min(g.MaxRange, 30)]) << c;  // deck penetration rises
    }
    std::string designations;
    for (int t = 1; t <= 9; ++t) {
        ASSERT_FALSE(TorpedoTypes[t].Name.empty());
        EXPECT_EQ(designations.find(TorpedoTypes[t].Name[0]), std::string::npos);
        designations += TorpedoTypes[t].Name[0];
        EXPECT_GT(TorpedoTypes[t].Range2, TorpedoTypes[t].Range1);
        EXPECT_LT(TorpedoTypes[t].Speed2, TorpedoTypes[t].Speed1);
    }
}
