// The start-up tables: nations, preferences, the load sequence, and the
// bundled data as a whole.
#include "TestSupport.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "shipdata/Tables.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::MessageKind;
using platform::RecordedMessage;
using platform::RecordingMessages;
using Texts = std::vector<std::string>;

namespace {

std::string nationBlock(int year, int accuracy3) {
    std::string s = "[" + std::to_string(year) +
                    "]\r\nNation0Name=Great Britain\r\nNation0Accuracy=" + std::to_string(year - 1913) + "\r\n";
    return accuracy3 ? s + "Nation3Accuracy=" + std::to_string(accuracy3) + "\r\n" : s;
}

void copyData(const testsupport::TempDir& dir, const std::string& name) {
    dir.copy(testsupport::programDir() + "Data/" + name, "Data/" + name);
}

} // namespace

// Which block a year reads: the nearest end outside the file, a missing war
// year reported with every field at its default, and never a value borrowed
// from the block read before.
TEST(Nations, YearSelectionAndMissingFile) {
    testsupport::TempDir dir;
    const std::string three = nationBlock(1914, 0) + nationBlock(1915, 0) + nationBlock(1918, 0);
    const std::string gap = nationBlock(1914, 0) + nationBlock(1915, 4) + nationBlock(1917, 0);
    const std::string reversed = nationBlock(1915, 4) + nationBlock(1916, 0) + "[1914]\r\n";
    const std::string missing = "Problem loading nation data! Cannot find year 1916";
    struct Case {
        std::string file;
        int year, nation, accuracy;
        std::string message;
    };
    for (const Case& c :
         {Case{three, 1900, 0, 1, ""}, Case{three, 1920, 0, 5, ""}, Case{three, 1915, 0, 2, ""},
          Case{gap, 1915, 3, 4, ""}, Case{gap, 1916, 3, 0, missing}, Case{gap, 1916, 0, 0, missing},
          Case{reversed, 1916, 3, 0, ""}, Case{reversed, 1916, 0, 3, ""},
          // Out of range numbers read the default.
          Case{"[1914]\r\nNation0Accuracy=99999999999999999999\r\nNation1Accuracy=-$80000000\r\n", 1914, 1, 0, ""}}) {
        dir.write("Data/Nations.dat", c.file);
        NationTable nations;
        RecordingMessages before, rec;
        LoadNations(dir.path() + "Data/", 1915, nations, before); // the block read before
        LoadNations(dir.path() + "Data/", c.year, nations, rec);
        EXPECT_EQ(nations[c.nation].Accuracy, c.accuracy) << c.year << " " << c.nation;
        // A battle's table of its year of play follows the same rule, silently.
        NationBlocks blocks;
        LoadNationBlocks(dir.path() + "Data/", blocks);
        EXPECT_EQ(blocks.For(c.year)[c.nation].Accuracy, c.accuracy) << "blocks " << c.year << " " << c.nation;
        EXPECT_EQ(rec.texts(), c.message.empty() ? Texts{} : Texts{c.message});
    }

    NationTable nations;
    nations[2].Name = "kept";
    RecordingMessages rec;
    LoadNations(dir.path() + "None/", 0, nations, rec);
    EXPECT_EQ(rec.recorded,
              (std::vector<RecordedMessage>{
                  {MessageKind::Notice, "Cannot find nations file!\r" + dir.path() + "None//Nations.dat"}}));
    EXPECT_EQ(nations[2].Name, "kept");
}

TEST(Preferences, DefaultsProfileRulesAndBadColours) {
    testsupport::TempDir dir;
    TPreferences p;
    RecordingMessages rec;
    LoadPreferences(dir.path(), p, rec); // no file: every default, silently; nations grey
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_EQ(p.NationColor[10], clGrey);

    dir.write("Preferences",
              "[settings]\r\nNationColor3=$000000FF\r\nNationColor4=XXX\r\nNationColor5=255\r\n"
              "NationColor6=clNavy\r\nNationColor7=0x0000FF00\r\napplytodd = 2\r\nRealismSetting=0x10\r\n"
              "SubWarning=yes\r\nObjWarning=0\r\nAutosave=\r\n[MAINFORM]\r\nMainFormWidth=1280\r\n");
    LoadPreferences(dir.path(), p = {}, rec);
    EXPECT_EQ((std::vector<TColor>(p.NationColor.begin() + 3, p.NationColor.begin() + 8)),
              (std::vector<TColor>{0x000000FFu, clGrey, 255u, 0x00800000u, 0x0000FF00u}));
    EXPECT_TRUE(p.ApplyToDD && p.SubWarning && !p.ObjWarning); // "yes" is not a number: the default
    EXPECT_EQ((std::array<int, 3>{p.RealismSetting, p.Autosave, p.MainFormWidth}), (std::array<int, 3>{16, 60, 1280}));
    dir.write("Preferences", "[Settings]\r\nApplyToDD=yes\r\n");
    LoadPreferences(dir.path(), p = {}, rec);
    EXPECT_FALSE(p.ApplyToDD);

    // A bad colour stops the loading where it stands; a later field keeps its previous value.
    p = {};
    p.ApplyToDD = true;
    dir.write("Preferences", "[Settings]\r\nAutosave=30\r\nWaterColor=sea green\r\nLandColor=$00112233\r\n"
                             "NationColor0=$00000001\r\nSubWarning=1\r\n");
    LoadPreferences(dir.path(), p, rec);
    EXPECT_EQ(rec.texts(), Texts{"Error loading preferences"});
    EXPECT_EQ((std::array<int, 2>{p.Autosave, p.MainFormHeight}), (std::array<int, 2>{30, 719}));
    EXPECT_EQ(p.WaterColor + p.LandColor + p.NationColor[0], 0u);
    EXPECT_TRUE(p.ApplyToDD && !p.SubWarning && !p.PreemptWarning);

    for (auto [text, colour] : std::vector<std::pair<const char*, TColor>>{{"$00FFFF80", 0x00FFFF80u},
                                                                           {"16777215", 0x00FFFFFFu},
                                                                           {"clRed", 0x000000FFu},
                                                                           {"CLBLUE", 0x00FF0000u},
                                                                           {"clGrey", clGrey},
                                                                           {"Yellow", 0x0000FFFFu}})
        EXPECT_EQ(ColorFromText(text), colour) << text;
    for (const char* text : {"", "cl", "XXX", "$00FFFF80 "}) EXPECT_FALSE(ColorFromText(text)) << text;
}

// The bundled data loads without a message, every table filled, rising with
// size, speed and calibre, penetration falling with range through the belt
// and rising through the deck.
TEST(ProgramData, BundledDataLoadsSilentlyFilledAndRising) {
    RecordingMessages rec;
    ProgramData d;
    EXPECT_TRUE(LoadProgramData(testsupport::programDir(), d, rec));
    EXPECT_TRUE(rec.recorded.empty());
    for (int i = 0; i <= MaxNation; ++i) {
        EXPECT_FALSE(d.Nation(i)->Name.empty() || d.Nations[i].Name2.empty()) << i;
        EXPECT_TRUE(std::ifstream(testsupport::programDir() + "Flags/" + d.Nations[i].FlagFileName).good()) << i;
        EXPECT_TRUE(i == MaxNation || d.Preferences.NationColor[i] != clGrey) << i;
        EXPECT_FALSE(d.Weapons.ShipTypeName(i).empty()) << i;
    }
    EXPECT_EQ(d.Nation(MaxNation + 1), nullptr);
    for (int row = 0; row < 50; ++row)
        for (int col = 0; col < 20; ++col)
            EXPECT_TRUE(d.Design.SpeedHP[row][col] > 0 &&
                        (col == 0 || d.Design.SpeedHP[row][col] >= d.Design.SpeedHP[row][col - 1]) &&
                        (row == 0 || d.Design.SpeedHP[row][col] >= d.Design.SpeedHP[row - 1][col]))
                << row << "/" << col;
    for (int c = 4; c <= 18; ++c) {
        EXPECT_EQ(d.Design.Ordnance[c - 3].Calibre, c);
        EXPECT_GT(GunWeight(d.Design, c), GunWeight(d.Design, c - 1)) << c;
        EXPECT_GT(TurretArmourBase(d.Design, c), TurretArmourBase(d.Design, c - 1)) << c;
    }
    const WeaponTables& w = d.Weapons;
    for (int c = kMinGunCalibre; c <= kMaxGunCalibre; ++c) {
        const TGunCalibreData& g = w.Gun(c);
        EXPECT_TRUE(g.BaseRange > 0 && g.MaxRange > g.BaseRange && g.BaseRateOfFire > 0.0f) << c;
        EXPECT_TRUE(g.VPen[1] >= g.VPen[10] && g.HPen[1] <= g.HPen[std::min(g.MaxRange, 30)]) << c;
    }
    std::string designations;
    for (int i = 1; i <= 9; ++i) {
        const TTorpedoType& x = w.TorpedoTypes[i];
        ASSERT_FALSE(x.Name.empty());
        EXPECT_EQ(designations.find(x.Name[0]), std::string::npos);
        designations += x.Name[0];
        EXPECT_TRUE(x.Range2 > x.Range1 && x.Speed2 < x.Speed1) << i;
    }
}

TEST(ProgramData, UnopenableDesignTableSkipsTheRestOfTheStartUp) {
    testsupport::TempDir dir;
    dir.write("Preferences", "[MainForm]\r\nMainFormWidth=800\r\n");
    copyData(dir, "Nations.dat");
    copyData(dir, "BasicData.dat");
    RecordingMessages rec;
    ProgramData data;
    EXPECT_FALSE(LoadProgramData(dir.path(), data, rec));
    EXPECT_EQ(rec.recorded, (std::vector<RecordedMessage>{
                                {MessageKind::Error, "Cannot open file " + dir.path() + "Data/SpeedHPTable.dat"}}));
    EXPECT_EQ(data.Preferences.MainFormWidth, 800); // loaded before the failure
    EXPECT_EQ(data.Nations[0].Name, "");
    EXPECT_EQ(data.Weapons.GunRangeFactor, 0);
}

TEST(ProgramData, OtherMissingFilesAreReportedInStartUpOrder) {
    testsupport::TempDir dir;
    copyData(dir, "SpeedHPTable.dat");
    copyData(dir, "OrdnanceTable.dat");
    RecordingMessages rec;
    ProgramData data;
    EXPECT_TRUE(LoadProgramData(dir.path(), data, rec));
    EXPECT_EQ(rec.texts(), (Texts{"Cannot find nations file!\r" + dir.path() + "Data//Nations.dat",
                                  "Warning! Cannot find file BasicData.dat!", "Error: Cannot find file VPen.dat"}));
    EXPECT_EQ(data.Preferences.Autosave, 60); // no Preferences file: defaults
}
