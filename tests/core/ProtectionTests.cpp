// Penetration curves, immune zones and sdftool protection.
#include "tests/core/TestSupport.h"

#include "combat/FightShip.h"
#include "combat/Protection.h"
#include "designfile/DesignFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

// Calibre 12 with three belt steps (10, 8, 6 in) and three deck steps
// (0.4, 1, 3 in): the curves end at 3,000 yards.
WeaponTables smallTables(std::int32_t factor = 10) {
    WeaponTables w;
    w.PenetrationFactor = factor;
    auto& g = w.GunCalibres[12];
    g.VPen[1] = 100, g.VPen[2] = 80, g.VPen[3] = 60;
    g.HPen[1] = 4, g.HPen[2] = 10, g.HPen[3] = 30;
    return w;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(Penetration, StepsBetweenStepsBelowTheFirstAndBeyondTheEnd) {
    const WeaponTables w = smallTables();
    const struct {
        double range, belt, deck;
    } cases[] = {{1000, 10, 0.4}, {1500, 9, 0.7}, {3000, 6, 3},  {2500, 7, 2},   {500, 10, 0.2},
                 {0, 10, 0},      {-50, 10, 0},   {kNaN, 10, 0}, {3000.5, 0, 0}, {1e300, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Penetration(w, 12, ArmourFace::Belt, c.range), c.belt) << c.range;
        EXPECT_DOUBLE_EQ(Penetration(w, 12, ArmourFace::Deck, c.range), c.deck) << c.range;
    }
    EXPECT_DOUBLE_EQ(CurveEnd(PenetrationCurve(w, 12, ArmourFace::Belt)), 3000);
}

TEST(Penetration, FactorScalesAndBadFiguresReadAsZero) {
    EXPECT_DOUBLE_EQ(Penetration(smallTables(15), 12, ArmourFace::Belt, 2000), 12);
    for (std::int32_t factor : {0, -10}) EXPECT_EQ(Penetration(smallTables(factor), 12, ArmourFace::Belt, 1000), 0);
    WeaponTables w = smallTables();
    w.GunCalibres[12].VPen[2] = -80; // a negative figure is a 0 inside the curve
    EXPECT_DOUBLE_EQ(Penetration(w, 12, ArmourFace::Belt, 1500), 5);
    for (int calibre : {1, 19, 11}) { // outside 2 .. 18, and a row without figures
        EXPECT_TRUE(PenetrationCurve(w, calibre, ArmourFace::Belt).empty());
        const ProtectionRow row = ProtectionAgainst(w, {5, 1, 5, 5}, calibre);
        EXPECT_FALSE(row.HasFigures);
        EXPECT_FALSE(row.HasZone());
        EXPECT_FALSE(PiercingAt(w, calibre, {}, 1000).Belt);
    }
}

TEST(Protection, ZonesThatExistCrossOrAreAlwaysPierced) {
    const WeaponTables w = smallTables();
    const struct {
        ShipArmour armour;
        double beltSafe, deckSafe;
        bool zone;
    } cases[] = {
        {{8, 2, 0, 0}, 2000, 2500, true},   // belt pierced to 2,000, deck from 2,500
        {{7, 1, 0, 0}, 2500, 2000, false},  // the curves cross: no zone
        {{11, 4, 0, 0}, 0, 3000, true},     // never pierced: immune to the gun's reach
        {{0, 0, 0, 0}, 3000, 0, false},     // no armour is always pierced
        {{kNaN, -3, 0, 0}, 3000, 0, false}, // bad thicknesses count as none
    };
    for (const auto& c : cases) {
        const ProtectionRow row = ProtectionAgainst(w, c.armour, 12);
        EXPECT_DOUBLE_EQ(row.BeltSafeBeyond, c.beltSafe) << c.armour.Belt;
        EXPECT_DOUBLE_EQ(row.DeckSafeWithin, c.deckSafe) << c.armour.Deck;
        EXPECT_EQ(row.HasZone(), c.zone) << c.armour.Belt;
        EXPECT_DOUBLE_EQ(row.Reach, 3000);
    }
    const ProtectionRow faces = ProtectionAgainst(w, {8, 2, 9, 0}, 12);
    EXPECT_DOUBLE_EQ(faces.TurretSafeBeyond, 1500);
    EXPECT_DOUBLE_EQ(faces.ConningTowerSafeBeyond, 3000);
    // At a range: pierced within the curve, never beyond its end.
    const Piercing near = PiercingAt(w, 12, {8, 2, 0, 0}, 1999);
    const Piercing far = PiercingAt(w, 12, {0, 0, 0, 0}, 3001);
    EXPECT_TRUE(near.Belt);
    EXPECT_FALSE(near.Deck);
    EXPECT_FALSE(far.Belt || far.Deck);
    EXPECT_TRUE(PiercingAt(w, 12, {8, 1, 0, 0}, 2000).Belt && PiercingAt(w, 12, {8, 1, 0, 0}, 2000).Deck); // just
    // The table lists 8 to 18 inches, and the design's own calibre when it is smaller.
    EXPECT_EQ(ProtectionCalibres(8), ProtectionCalibres(0));
    EXPECT_EQ(ProtectionCalibres(7).size(), ProtectionCalibres(0).size() + 1);
}

TEST(Protection, BundledDataGivesFiniteAnswersAndDreadnoughtsZone) {
    const WeaponTables& w = testsupport::bundledData().Weapons;
    for (int calibre = 0; calibre <= 20; ++calibre)
        for (double inches : {0.0, 1.0, 3.0, 6.0, 11.0, 16.0, 40.0}) {
            const ProtectionRow r = ProtectionAgainst(w, {inches, inches / 4, inches, inches}, calibre);
            for (double v : {r.Reach, r.BeltSafeBeyond, r.DeckSafeWithin, r.TurretSafeBeyond})
                ASSERT_TRUE(std::isfinite(v) && v >= 0 && v <= 30000) << calibre << " " << inches;
        }
    // Against Scharnhorst, and at a range, in the engagement tests.
    TFightingShip dreadnought(nullptr);
    platform::ScopedRecordingMessages quiet;
    ASSERT_TRUE(
        dreadnought.LoadFromDesignFile(testsupport::programDir() + "Designs/Dreadnought.sdf", platform::messages()));
    // Her 11-inch belt and 2-inch deck against a 12-inch gun.
    const ProtectionRow own = ImmuneBand(w, dreadnought, dreadnought);
    EXPECT_NEAR(own.BeltSafeBeyond, 7750, 50);
    EXPECT_DOUBLE_EQ(own.DeckSafeWithin, 15000);
}

// The form's inputs give the armour the saved design fights with.
TEST(Protection, FormInputsMatchTheFightingShipOfTheSavedFile) {
    testsupport::TempDir dir;
    platform::RecordingMessages quiet;
    TDesignShip design(testsupport::bundledData());
    DesignInputs in;
    (void)LoadDesignInto(testsupport::programDir() + "Designs/Dreadnought.sdf", in, design);
    in.B = 11, in.D = 3, in.T = 21, in.CT = -1; // half inches, and nothing selected
    ASSERT_TRUE(WriteDesignFile(dir.path() + "Half.sdf", in, design, nullptr, quiet));
    TFightingShip ship(nullptr);
    ASSERT_TRUE(ship.LoadFromDesignFile(dir.path() + "Half.sdf", quiet));
    const ShipArmour fromForm = ArmourOf(in), fromFile = ArmourOf(ship);
    EXPECT_EQ(fromForm.Belt, 5);
    EXPECT_EQ(std::tie(fromForm.Belt, fromForm.Deck, fromForm.Turret, fromForm.ConningTower),
              std::tie(fromFile.Belt, fromFile.Deck, fromFile.Turret, fromFile.ConningTower));
}

TEST(SdftoolProtection, TablesJsonAndUsageErrors) {
    testsupport::TempDir scratch;
    const std::string designs = testsupport::programDir() + "Designs";
    auto text = testsupport::runTool({"protection", "--data", testsupport::programDir(), designs}, scratch);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Dreadnought: belt 11 in, deck 2 in"), std::string::npos);
    auto json = testsupport::runTool({"protection", "--data", testsupport::programDir(), "--json", "--against", "12,15",
                                      designs, scratch.path() + "missing.sdf"},
                                     scratch);
    EXPECT_EQ(json.status, 1);
    size_t loaded = 0, lines = 0;
    std::istringstream in(json.out);
    for (std::string line; std::getline(in, line); ++lines) {
        const auto j = nlohmann::json::parse(line);
        if (!j["Loaded"]) continue;
        ++loaded;
        ASSERT_EQ(j["Rows"].size(), 2u);
        EXPECT_EQ(j["Rows"][1]["Calibre"], 15);
    }
    EXPECT_EQ(loaded + 1, lines);
    EXPECT_GT(loaded, 70u);
    for (const char* bad : {"20", "x", ""})
        EXPECT_EQ(testsupport::runTool({"protection", "--against", bad, designs}, scratch).status, 2) << bad;
}
