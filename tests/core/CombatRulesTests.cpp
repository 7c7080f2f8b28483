#include <gtest/gtest.h>

#include "CombatTestSupport.h"
#include "combat/Identification.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipTypes.h"
#include "platform/Messages.h"
#include "tests/ScopedMessages.h"

using combattest::Battle;

namespace {
std::int32_t sizeOf(int type, std::int32_t displacement) {
    Tship s;
    s.ShipType = static_cast<std::uint8_t>(type);
    s.Displacement = displacement;
    return ShipSizeUnits(s);
}
TTurret turretAt(char letter, int guns = 2) {
    TTurret t;
    t.Position = letter;
    t.Guns = guns;
    return t;
}
} // namespace

TEST(ShipTypes, SizeFigures) {
    struct Case {
        int type, displacement, size;
    };
    for (const Case& c : {Case{stBB, 18000, 20}, Case{stBB, 19500, 19}, Case{stBB, 16999, 18}, Case{stBB, 30000, 22},
                          Case{stBB, 0, 20} /* in no range of its type */, Case{stDD, 1000, 10}, Case{stDD, 1001, 11},
                          Case{stDD, 499, 9}, Case{stDD, 1401, 12}, Case{stLT, 1, 15}, Case{77, 5000, 15}})
        EXPECT_EQ(sizeOf(c.type, c.displacement), c.size) << c.type << " " << c.displacement;
}

TEST(ShipTypes, TurretFacingsAndTheIllegalLetterMessage) {
    platform::ScopedRecordingMessages rec;
    struct Case {
        char letter;
        int guns, bearing;
    };
    for (const Case& c :
         {Case{'C', 2, 180}, Case{'L', 2, 0}, Case{'H', 2, 0}, Case{'H', 0, 350}, Case{'I', 0, 10}, Case{'7', 2, 190}})
        EXPECT_EQ(TurretPositionBearing(turretAt(c.letter, c.guns), platform::messages()), c.bearing)
            << c.letter << c.guns;
    EXPECT_TRUE(rec.recorded.empty());
    EXPECT_EQ(TurretPositionBearing(turretAt('Z'), platform::messages()), 270);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Illegal turret position!Z"}));
}

TEST(ShipTypes, TurretOffsets) {
    Tship bb, ca;
    bb.ShipType = stBB;
    bb.NoSuperimposed = false; // a turret at B
    bb.NoMidships = true;
    EXPECT_EQ(TurretPlacement(bb, 'Y', true, 1)->Distance, 135);
    EXPECT_EQ(TurretPlacement(bb, 'A', true, 1)->Distance, 135);
    ca.ShipType = stCA;
    ca.TurretAtW = true;
    ca.NoMidships = true; // not capital, so not reduced
    EXPECT_EQ(TurretPlacement(ca, 'X', true, 1)->Distance, 132);
    // Wing positions: large, then not capital, then cross-deck.
    bb.BatteryCalibre[1] = 12;
    EXPECT_EQ(TurretPlacement(bb, 'F', false, 1)->Bearing, 331); // calibre 12 makes it large
    bb.BatteryCalibre[2] = 12;
    bb.CrossDeckFire = true;
    EXPECT_EQ(TurretPlacement(bb, 'F', false, 2)->Bearing, 322); // the secondary is never large by calibre
    EXPECT_EQ(TurretPlacement(ca, 'F', false, 2)->Distance, 66);
    EXPECT_FALSE(TurretPlacement(bb, 'U', true, 1).has_value());
}

TEST(ShipTypes, TurretOffsetOnTheMapTurnsWithTheShip) {
    Battle battle;
    TFightingShip& s = battle.Add("S", stBB, 18000);
    s.NoSuperimposed = true;
    s.SetHeading(90);
    const TGeoPoint p = TurretPositionOffset(s, 'A', true, 1); // 135 yards ahead
    EXPECT_EQ(CompassBearing({}, p), 90);
    EXPECT_NEAR(DistanceYards({}, p), 135, 1);
    EXPECT_EQ(TurretPositionOffset(s, 'U', true, 1), s.Position());
}

TEST(ShipTypes, FireControlRangeModifierAndNames) {
    struct Case {
        int level, range, modifier;
    };
    for (const Case& c : {Case{4, 10000, -2}, Case{4, 10001, 1}, Case{2, 8000, 0}, Case{2, 8001, -1}, Case{0, 2001, -1},
                          Case{0, 1200001, -2}, Case{1, -1, -2}, Case{5, 12000, 1}, Case{5, 12001, 2},
                          Case{5, 8000, -2}, Case{9, 100, -2}})
        EXPECT_EQ(FireControlRangeModifier(c.level, c.range), c.modifier) << c.level << " " << c.range;
    EXPECT_EQ(FireControlName(3), "Director");
    EXPECT_EQ(FireControlName(-1), "Unknown -1");
}

TEST(ShipTypes, FormationsAndRoles) {
    Battle battle;
    TDivision division;
    EXPECT_TRUE(FormationAllowed(&division, 2, 0));
    division.Ships.push_back(&battle.Add("BB", stBB, 20000));
    for (int year : {1906, 1915})
        for (int f = 0; f < 4; ++f) EXPECT_EQ(FormationAllowed(&division, f, year), f < 2) << year << " " << f;
    division.Ships[0] = &battle.Add("CL", stCL, 4000);
    for (int f = 0; f < 4; ++f) EXPECT_TRUE(FormationAllowed(&division, f, 1906)) << f;
    division.Ships[0] = &battle.Add("DD", stDD, 800);
    EXPECT_EQ((std::array<bool, 7>{FormationAllowed(&division, 3, 1906), FormationAllowed(&division, 2, 1906),
                                   FormationAllowed(&division, 3, 1908), RoleAllowed(&division, 4, 1908),
                                   RoleAllowed(&division, 4, 1907), RoleAllowed(&division, 2, 1908),
                                   RoleAllowed(&division, 3, 1908)}),
              (std::array<bool, 7>{false, false, true, true, false, true, false}));
    EXPECT_EQ(RoleName(6), "Illegal Role value!");
    std::string name = "kept";
    FormationName(4, name); // no such formation: the name is kept
    EXPECT_EQ(name, "kept");
    FormationName(2, name);
    EXPECT_EQ(name, "Search line");
}

TEST(ShipGeometry, RangesAndBearingsBetweenShips) {
    Battle battle;
    TFightingShip& a = battle.Add("A", stBB, 20000);
    TFightingShip& b = battle.Add("B", stBB, 20000, TGeoPoint{0, kGlobeUnitsPerMinute, 0});
    EXPECT_EQ(GetRangeToShip(a, &b), 2027);
    EXPECT_EQ(GetRoundedRangeToShip(battle.ctx(), a, &b, false), 2000);
    EXPECT_EQ(GetRangeToShip(a, nullptr), 0);

    TFightingShip& c = battle.Add("C", stBB, 20000, Battle::At(10, 5000));
    a.SetHeading(350);
    EXPECT_EQ(GetTrueBearingToShip(a, &c, platform::messages()), 10);
    EXPECT_EQ(GetBearingToShip(a, &c, platform::messages()), 20);
    TFightingShip& d = battle.Add("D", stBB, 20000, Battle::At(350, 5000));
    a.SetHeading(10);
    EXPECT_EQ(GetBearingToShip(a, &d, platform::messages()), 340);
}

TEST(ShipGeometry, RoundedRangeWithErrorDrawsFirst) {
    Battle battle;
    TFightingShip& a = battle.Add("A", stBB, 20000);
    TFightingShip& b = battle.Add("B", stBB, 20000, Battle::At(0, 10000));
    platform::ScriptedRandom random;
    battle.random = &random;
    random.push(0);
    EXPECT_EQ(GetRoundedRangeToShip(battle.ctx(), a, &b, true), 11000); // 10000 + 1000 - 0
    random.push(1999);
    EXPECT_EQ(GetRoundedRangeToShip(battle.ctx(), a, &b, true), 9000); // 11000 - 1999 = 9001
    EXPECT_EQ(random.draws, 2);
    TFightingShip& near = battle.Add("N", stBB, 20000, Battle::At(0, 4));
    EXPECT_EQ(GetRoundedRangeToShip(battle.ctx(), a, &near, true), 0);
}

TEST(ShipGeometry, NilShipMessages) {
    Battle battle;
    TFightingShip& a = battle.Add("A", stDD, 900);
    platform::ScopedRecordingMessages rec;
    EXPECT_EQ(GetTrueBearingToShip(a, nullptr, platform::messages()), 0);
    EXPECT_EQ(GetBearingToShip(a, nullptr, platform::messages()), 0);
    EXPECT_EQ(GetRoundedRangeToShip(battle.ctx(), a, nullptr, false), 0);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{
                               "Warning! Cannot get bearing to nil ship!A", "Warning! GetBearingToShip A to nil ship!",
                               "Error in GetRoundedRangeToShip procedure for DD A! Ship = nil!"}));
}

TEST(ShipGeometry, TurretArcs) {
    struct Case {
        char letter;
        int bearing;
        bool crossDeck, bears;
    };
    for (const Case& c : {Case{'1', 44, false, true}, Case{'1', 226, false, true}, Case{'1', 45, false, false},
                          Case{'1', 225, false, false}, Case{'F', 90, false, false}, Case{'F', 90, true, true},
                          Case{'G', 270, true, true}, Case{'Y', 0, false, false}, Case{'Y', 180, false, true},
                          Case{'C', 90, false, true}, Case{'C', 180, false, false}})
        EXPECT_EQ(TurretCanBear(turretAt(c.letter), c.bearing, c.crossDeck, platform::messages()), c.bears)
            << c.letter << " " << c.bearing;
    platform::ScopedRecordingMessages rec;
    EXPECT_FALSE(TurretCanBear(turretAt('M'), 90, true, platform::messages()));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Warning! Illegal turret position: M"}));
}

TEST(Identification, DisplayNamesAndSightingLevels) {
    Battle battle;
    platform::ScriptedRandom random;
    battle.random = &random;
    TFightingShip& bb = battle.Add("Iron Duke", stBB, 25000);
    TFightingShip& fort = battle.Add("Fort", stLT, 1000);
    EXPECT_EQ(DisplayName(bb) + "|" + DisplayName(fort), "BB Iron Duke|Fort");
    bb.ReportedClassName = "Orion";
    struct Case {
        TFightingShip& ship;
        int level, side;
        const char* text;
    };
    for (const Case& c :
         {Case{bb, 0, 0, "UNSIGHTED!"}, Case{bb, 1, 0, "Unidentified ship"}, Case{bb, 3, 0, "BB Orion-class"},
          Case{bb, 3, 3, "Neutral steamer"}, Case{fort, 1, 0, "Unidentified land feature"}, Case{fort, 2, 0, "Fort"}}) {
        c.ship.SightingLevel = c.level, c.ship.Side = c.side;
        EXPECT_EQ(IdentificationText(battle.ctx(), c.ship), c.text);
    }
}

TEST(Identification, ScriptedDrawsChooseTheReportedTypeAndClass) {
    Battle battle;
    platform::ScriptedRandom random;
    battle.random = &random;
    TFightingShip& bc = battle.Add("Lion", stBC, 26000);
    bc.SightingLevel = 2;
    // Empty type: steps 1, 2 and 4 draw nothing; step 5 draws 10 (BB), step 6
    // (year 0 < 1907) does not apply to BB, step 7 draws 99 (no confusion),
    // then the class draw 10 picks the misidentified name.
    for (int v : {10, 99, 10}) random.push(v);
    EXPECT_EQ(IdentificationText(battle.ctx(), bc), "BB");
    EXPECT_EQ(bc.ReportedClassName, "Lion-mis");
    EXPECT_EQ(random.draws, 3);

    // A battleship misreported as BC before 1907 becomes B or CA.
    TFightingShip& bb = battle.Add("Nevada", stBB, 27000);
    random.draws = 0;
    for (int v : {5, 10, 99}) random.push(v); // step 5 BC, step 6 B, step 7 none
    ChooseReportedType(bb, 20000, 0, random);
    EXPECT_EQ(bb.ReportedType, "B");
    EXPECT_EQ(random.draws, 3);

    // Long-range confusion at 20000 yards applies below 5.
    TFightingShip& cl = battle.Add("Arethusa", stCL, 3500);
    random.draws = 0;
    for (int v : {99, 4, 65}) random.push(v); // no misreport; confusion 4 < 5 draws 65: DD
    ChooseReportedType(cl, 20000, 0, random);
    EXPECT_EQ(cl.ReportedType, "DD");
    // Once set, it is kept nine times in ten.
    random.push(50);
    ChooseReportedType(cl, 20000, 0, random);
    EXPECT_EQ(cl.ReportedType, "DD");
    // At 15000 yards the confusion never applies; an unchanged type becomes the true code.
    TFightingShip& dd = battle.Add("V25", stDD, 800);
    for (int v : {99, 0}) random.push(v);
    ChooseReportedType(dd, 15000, 0, random);
    EXPECT_EQ(dd.ReportedType, "DD");
}
