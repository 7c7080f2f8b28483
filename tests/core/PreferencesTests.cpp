#include "nations/Preferences.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using platform::ScopedRecordingMessages;

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = platform::programDir();
        platform::setProgramDir(dir_.path());
        Preferences = {};
    }
    void TearDown() override {
        platform::setProgramDir(saved_);
        Preferences = {};
    }
    void load(const std::string& text) {
        dir_.write("Preferences", text);
        LoadPreferences();
    }
    testsupport::TempDir dir_;
    std::string saved_;
};

} // namespace

TEST_F(PreferencesTest, MissingFileGivesEveryDefault) {
    ScopedRecordingMessages rec;
    LoadPreferences();
    EXPECT_TRUE(rec.recorded.empty());
    // A sample of the defaults, one of each kind of field.
    const TPreferences& p = Preferences;
    EXPECT_EQ(p.OpenFireMsg, 5);
    EXPECT_TRUE(p.BreakOnNewSighting && !p.DamageMeter);
    EXPECT_EQ(p.WaterColor, 0x00FFFF80u);
    EXPECT_EQ(p.NationColor[10], clGrey);
}

TEST_F(PreferencesTest, ValuesFollowTheProfileRules) {
    load("[settings]\r\n"
         "NationColor3=$000000FF\r\n"
         "NationColor4=XXX\r\n"
         "NationColor5=255\r\n"
         "NationColor6=clNavy\r\n"
         "NationColor7=0x0000FF00\r\n"
         "applytodd = 2\r\n"
         "RealismSetting=0x10\r\n"
         "SubWarning=yes\r\n"
         "ObjWarning=0\r\n"
         "Autosave=\r\n"
         "[MAINFORM]\r\nMainFormWidth=1280\r\n");
    const TPreferences& p = Preferences;
    EXPECT_EQ((std::vector<TColor>(p.NationColor.begin() + 3, p.NationColor.begin() + 8)),
              (std::vector<TColor>{0x000000FFu, clGrey, 255u, 0x00800000u, 0x0000FF00u}));
    EXPECT_TRUE(p.ApplyToDD);
    EXPECT_EQ(p.RealismSetting, 16);
    EXPECT_TRUE(p.SubWarning);  // not a number: the default
    EXPECT_FALSE(p.ObjWarning);
    EXPECT_EQ(p.Autosave, 60);
    EXPECT_EQ(p.MainFormWidth, 1280);
    load("[Settings]\r\nApplyToDD=yes\r\n");
    EXPECT_FALSE(Preferences.ApplyToDD);
}

TEST_F(PreferencesTest, BadColourStopsTheLoadingWhereItStands) {
    Preferences.ApplyToDD = true;  // a later field keeps its previous value
    ScopedRecordingMessages rec;
    load("[Settings]\r\nAutosave=30\r\nWaterColor=sea green\r\nLandColor=$00112233\r\n"
         "NationColor0=$00000001\r\nSubWarning=1\r\n");
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"Error loading preferences"});
    const TPreferences& p = Preferences;
    EXPECT_EQ(p.Autosave, 30);
    EXPECT_EQ(p.MainFormHeight, 719);
    EXPECT_EQ(p.WaterColor + p.LandColor + p.NationColor[0], 0u);
    EXPECT_TRUE(p.ApplyToDD);
    EXPECT_FALSE(p.SubWarning);
    EXPECT_FALSE(p.PreemptWarning);
}

TEST_F(PreferencesTest, ColourTexts) {
    for (auto [text, colour] : std::vector<std::pair<const char*, TColor>>{
             {"$00FFFF80", 0x00FFFF80u}, {"16777215", 0x00FFFFFFu}, {"clRed", 0x000000FFu}, {"CLBLUE", 0x00FF0000u},
             {"clGrey", clGrey}, {"Yellow", 0x0000FFFFu}})
        EXPECT_EQ(ColorFromText(text), colour) << text;
    for (const char* text : {"", "cl", "XXX", "$00FFFF80 "}) EXPECT_FALSE(ColorFromText(text)) << text;
}

TEST_F(PreferencesTest, BundledFileGivesItsOwnColours) {
    platform::setProgramDir(testsupport::programDir());
    ScopedRecordingMessages rec;
    LoadPreferences();
    EXPECT_TRUE(rec.recorded.empty());
    for (int i = 0; i < MaxNation; ++i) EXPECT_NE(Preferences.NationColor[i], clGrey) << i;
    EXPECT_EQ(Preferences.WaterColor, 0x00FFFF80u);
}
