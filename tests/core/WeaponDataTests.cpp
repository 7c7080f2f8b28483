#include "TestSupport.h"
#include "platform/Messages.h"
#include "tables/WeaponData.h"

#include <gtest/gtest.h>

#include <cstdio>

using Texts = std::vector<std::string>;

namespace {

// A program directory with the given data files, loaded into fresh tables.
struct WeaponDataTest : ::testing::Test {
    testsupport::TempDir dir;
    WeaponTables t;
    platform::RecordingMessages rec; // what the last load said
    void write(const std::string& name, const std::string& text) { dir.write("Data/" + name, text); }
    void remove(const std::string& name) { std::remove((dir.path() + "Data/" + name).c_str()); }
    void load() {
        rec.clear();
        LoadWeaponTables(dir.path(), t = {}, rec);
    }
    // Header plus `rows` rows, the row for calibre c holding "c\tname\t<third>\t..." .
    static std::string gunTable(const std::string& third, int rows = 17) {
        std::string s = "Calibre\tGun\tValue\r\n";
        for (int l = 1; l <= rows; ++l) {
            s += std::to_string(l + 1) + "in\tgun\t" + third;
            for (int k = 1; k <= 30; ++k) s += "\t" + std::to_string(l * 100 + k);
            s += "\r\n";
        }
        return s;
    }
    static std::string torpedoTable(const std::string& row) {
        std::string s = "Name\tfree\tTag\r\n";
        for (int l = 1; l <= 9; ++l) s += row + "\r\n";
        return s;
    }
    void writeAll(const std::string& basic) {
        write("BasicData.dat", basic);
        write("VPen.dat", gunTable("9"));
        write("HPen.dat", gunTable("0"));
        write("Gundata.dat", gunTable("5"));
        write("Torpedodata.dat", torpedoTable("1T\tx\t18\t30\t30\t100\t22"));
    }
    std::array<int, 5> torpedo(int i) const {
        const TTorpedoType& x = t.TorpedoTypes[static_cast<size_t>(i)];
        return {x.Tag, x.Range1, x.Speed1, x.Range2, x.Speed2};
    }
};

} // namespace

TEST(GetTabField, FieldsBeyondTheEndGiveTheLastField) {
    // A trailing TAB leaves nothing after it; a count below 1 gives the last field too.
    struct Case {
        const char* line;
        int n;
        const char* field;
    };
    for (const Case& c :
         {Case{"a\tb\tc", 1, "a"}, Case{"a\tb\tc", 3, "c"}, Case{"a\tb", 9, "b"}, Case{"a\t\tc", 2, ""},
          Case{"", 1, ""}, Case{"", 7, ""}, Case{"a\t", 2, "a"}, Case{"a\tb", 0, "b"}, Case{"a\tb", -3, "b"}})
        EXPECT_EQ(GetTabField(c.line, c.n), c.field) << c.line << " " << c.n;
}

TEST_F(WeaponDataTest, RangeFactorScalesBaseRangeTruncatingTowardZero) {
    writeAll("[BasicData]\r\nGunRangeFactor=12\r\nShipType3=Armoured cruiser\r\n");
    write("VPen.dat", gunTable("9") + "extra\tline\r\n");
    load();
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_EQ((std::array<int, 6>{t.GunRangeFactor, t.PenetrationFactor, t.Gun(12).BaseRange, t.Gun(2).VPen[1],
                                  t.Gun(18).VPen[30], t.Gun(18).HPen[30]}),
              (std::array<int, 6>{12, 10, 10, 101, 1730, 1730}));
    EXPECT_FLOAT_EQ(t.Gun(7).BaseRateOfFire, 0.5f);
    EXPECT_EQ(t.Gun(7).MaxRange, 601);
    EXPECT_EQ(t.ShipTypeName(3), "Armoured cruiser");
    EXPECT_EQ(t.ShipTypeName(11) + t.ShipTypeName(4), "");
    EXPECT_EQ(t.TorpedoTypes[1].Name, "1T");
    EXPECT_EQ(torpedo(1), (std::array<int, 5>{18, 3000, 30, 10000, 22}));

    write("VPen.dat", gunTable("-9"));
    load();
    EXPECT_EQ(t.Gun(12).BaseRange, -10);
    write("BasicData.dat", "[BasicData]\r\nPenetrationFactor=7\r\n");
    load();
    EXPECT_EQ(t.Gun(12).BaseRange, -9);
    EXPECT_EQ(t.PenetrationFactor, 7);
}

TEST_F(WeaponDataTest, ShortLinesRepeatTheirLastFieldAndScaledNumbersSaturate) {
    writeAll("[BasicData]\r\n");
    std::string vpen = "h\r\n";
    for (int l = 1; l <= 17; ++l) vpen += "c\tn\t8\r\n";
    write("VPen.dat", vpen);
    write("Torpedodata.dat", torpedoTable("Short\tfree\t18\t40\t35"));
    load();
    EXPECT_EQ(t.Gun(5).BaseRange, 8);
    EXPECT_EQ(t.Gun(5).VPen[17], 8);
    EXPECT_EQ(torpedo(4), (std::array<int, 5>{18, 4000, 35, 3500, 35}));

    writeAll("[BasicData]\r\nGunRangeFactor=2000000000\r\n");
    write("Torpedodata.dat", torpedoTable("T\tx\t18\t2147483647\t30\t-2147483648\t22"));
    write("VPen.dat", gunTable("2000000000"));
    load();
    EXPECT_EQ(t.Gun(12).BaseRange, INT32_MAX);
    EXPECT_EQ(t.TorpedoTypes[2].Range1, INT32_MAX);
    EXPECT_EQ(t.TorpedoTypes[2].Range2, INT32_MIN);
}

TEST_F(WeaponDataTest, MissingFilesStopTheLoadingWithTheirMessages) {
    writeAll("[BasicData]\r\n");
    remove("BasicData.dat");
    {
        load();
        EXPECT_EQ(rec.texts(), Texts{"Warning! Cannot find file BasicData.dat!"});
        EXPECT_EQ(t.GunRangeFactor, 0);
        EXPECT_EQ(t.Gun(12).BaseRange, 0); // the factor stayed 0
        EXPECT_EQ(t.Gun(12).MaxRange, 1101);
        EXPECT_EQ(t.TorpedoTypes[9].Speed1, 30);
    }
    writeAll("[BasicData]\r\n");
    for (auto [file, text] : std::vector<std::pair<std::string, std::string>>{
             {"Torpedodata.dat", "Error: Cannot find file " + dir.path() + "/Data/Torpedodata.dat"},
             {"Gundata.dat", "Error: Cannot find file Gundata.dat"},
             {"HPen.dat", "Error: Cannot find file HPen.dat"},
             {"VPen.dat", "Error: Cannot find file VPen.dat"}}) {
        remove(file);
        load();
        EXPECT_EQ(rec.texts(), Texts{text});
        EXPECT_EQ(t.TorpedoTypes[1].Speed1, 0);
    }
    // With only VPen.dat gone nothing after it was read.
    EXPECT_EQ(t.Gun(3).VPen[1], 0);
    EXPECT_EQ(t.GunRangeFactor, 10);

    // A short file stops the rest and keeps the rows read.
    writeAll("[BasicData]\r\n");
    write("VPen.dat", gunTable("9", 9)); // ten lines: header and calibres 2..10
    load();
    EXPECT_EQ(rec.texts(), Texts{"Error loading weapon tables!"});
    EXPECT_EQ((std::array<int, 4>{t.Gun(10).BaseRange, t.Gun(11).BaseRange, t.Gun(2).HPen[1], t.Gun(2).MaxRange}),
              (std::array<int, 4>{9, 0, 0, 0}));
    EXPECT_EQ(t.TorpedoTypes[1].Name, "");
}
