// Plan-view geometry: hull and wake outlines, turret icons, secondary
// layouts, funnels, superstructure outlines and their completion. A
// battleship's plan as a whole is the reference picture of the map render
// tests; here one case per branch of each shape rule.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "combat/FightShip.h"
#include "graphics/HullOutline.h"
#include "graphics/ShipDetails.h"
#include "graphics/TurretIcons.h"
#include "map/Geodesy.h"
#include "platform/Messages.h"

namespace {

// Exact distance in yards (globe units / units per yard) from the origin.
double yardsFrom(const TGeoPoint& c, const TGeoPoint& p) { return GeoDistance(c, p) / kGlobeUnitsPerYard; }

std::unique_ptr<TFightingShip> makeShip(TShipType type, std::int32_t displacement, std::int32_t nation = 0) {
    auto ship = std::make_unique<TFightingShip>(nullptr);
    ship->ShipType = type;
    ship->Displacement = displacement;
    ship->Nation = nation;
    return ship;
}

void addTurret(TFightingShip& ship, int guns, char position) {
    auto t = std::make_unique<TFightingTurret>();
    t->Guns = guns;
    t->Position = position;
    ship.Turrets.push_back(std::move(t));
}

bool same(const TOutlinePoint& a, const TOutlinePoint& b) { return a.Angle == b.Angle && a.Distance == b.Distance; }

// Checks a point's compass bearing and distance in yards from the origin.
void expectAt(const TGeoPoint& p, int bearing, double yards) {
    EXPECT_EQ(CompassBearing(TGeoPoint{}, p), bearing);
    EXPECT_NEAR(yardsFrom(TGeoPoint{}, p), yards, 0.05);
}

} // namespace

TEST(GraphicsHull, StationTablesScaleByTruncation) {
    EXPECT_EQ(HullStations(stDD, 20), (std::array<std::int32_t, 6>{242, 205, 164, 113, 72, 37}));
    EXPECT_EQ(HullStations(stCL, 20), HullStations(stDD, 20));
    EXPECT_EQ(HullStations(stDD, 10), (std::array<std::int32_t, 6>{121, 102, 82, 56, 36, 18}));
    EXPECT_EQ((std::array<int, 3>{HullStations(stTR, 20)[0], HullStations(stBC, 20)[1], HullStations(stMS, 20)[0]}),
              (std::array<int, 3>{230, 196, 238}));
}

TEST(GraphicsHull, OutlinesBySizeTypeAndHeading) {
    auto dd = makeShip(stDD, 1000); // size figure 10 halves every station
    const TPointList hull = HullOutline(*dd);
    ASSERT_EQ(hull.size(), 20u);
    expectAt(hull[0], 0, 121 * 1.02); // bow
    expectAt(hull[5], 90, 18);        // starboard beam
    expectAt(hull[10], 180, 121);     // stern

    auto bb = makeShip(stBB, 18000); // size figure 20; a battleship keeps its full stern
    EXPECT_NEAR(yardsFrom(TGeoPoint{}, HullOutline(*bb)[10]), 230, 0.05);
    bb->SetHeading(90);
    expectAt(HullOutline(*bb)[0], 90, 230 * 1.02);
    bb->SightingLevel = 1; // a dimly sighted enemy is drawn at size 15
    EXPECT_EQ(HullSizeUnits(*bb), 15);
    bb->ShownInFull = true;
    EXPECT_EQ(HullSizeUnits(*bb), 20);

    auto tr = makeShip(stTR, 5000); // size figure 15: D0 = 172, stern shortened
    EXPECT_NEAR(yardsFrom(TGeoPoint{}, HullOutline(*tr)[10]), 172 * 0.92, 0.05);
}

TEST(GraphicsHull, SunkShipIsAFixedTriangle) {
    auto ship = makeShip(stCA, 12000); // size figure 15
    ship->Sunk = true;
    const TPointList a = HullOutline(*ship);
    ship->SetHeading(135);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a, HullOutline(*ship));
    const auto D = HullStations(stCA, 15);
    expectAt(a[0], 270, D[2]);
    expectAt(a[1], 45, D[0]);
}

TEST(GraphicsHull, LightTargetSquares) {
    auto ship = makeShip(stLT, 1000);
    ship->Heading = 30;
    ship->SetHeading(45); // an LT's heading cannot be set through SetHeading
    EXPECT_EQ(ship->Heading, 30);
    const TPointList hull = HullOutline(*ship);
    ASSERT_EQ(hull.size(), 4u);
    expectAt(hull[1], 135, 200);
    addTurret(*ship, 1, 'A'); // with a gun it turns with its heading
    expectAt(HullOutline(*ship)[1], 195, 190);
    ship->Side = 1; // an enemy seen only dimly is the plain square again
    ship->SightingLevel = 1;
    EXPECT_NEAR(yardsFrom(TGeoPoint{}, HullOutline(*ship)[0]), 200, 0.05);
    ship->Sunk = true;
    const TPointList sunk = HullOutline(*ship);
    ASSERT_EQ(sunk.size(), 12u);
    expectAt(sunk[0], 180, 50);
}

TEST(GraphicsWake, PolygonTailAndRefresh) {
    auto ship = makeShip(stBB, 18000); // u = 20, L = 30
    TPointList wake = WakePolygonPoints(*ship);
    ASSERT_EQ(wake.size(), 2u);
    expectAt(wake[0], 155, 90);
    EXPECT_EQ(CompassBearing(TGeoPoint{}, wake[1]), 205);
    TGeoChain& track = ship->WakeLine->Chain(1);
    track.Add(TGeoPoint{});
    track.Add(TGeoPoint{});
    wake = WakePolygonPoints(*ship);
    ASSERT_EQ(wake.size(), 3u);
    EXPECT_NEAR(yardsFrom(TGeoPoint{}, wake[1]), 500, 0.05);
    track.Add(TGeoPoint{}); // three points: no tail
    EXPECT_EQ(WakePolygonPoints(*ship).size(), 2u);
    ship->Sunk = true;
    EXPECT_TRUE(WakePolygonPoints(*ship).empty());

    // On the designer a refresh hides the wakes and builds the hull.
    TMap map;
    TFightingShip cl(&map.LayerByName(kShipLayerName).Objects());
    cl.ShipType = stCL;
    cl.Displacement = 4000;
    cl.SmokeTrail->Hidden = false;
    RefreshShipMapObjects(cl);
    EXPECT_TRUE(cl.SmokeTrail->Hidden && cl.WakePolygon->Hidden && cl.WakeLine->Hidden && cl.Location->Closed);
    EXPECT_EQ(cl.Location->Chain(0).Count(), 20);
    EXPECT_EQ(cl.Position(), TGeoPoint{}); // rebuilding never moves the ship
    cl.ShowWake = true;
    RefreshShipMapObjects(cl);
    EXPECT_FALSE(cl.WakePolygon->Hidden);
    cl.SinkingCount = 1; // a sinking ship leaves no wake
    RefreshShipMapObjects(cl);
    EXPECT_TRUE(cl.WakePolygon->Hidden);
}

TEST(GraphicsTurrets, IconSizeAndShapeChoice) {
    EXPECT_EQ(TurretIconSize(12), 10);
    EXPECT_EQ(TurretIconSize(14), 12);
    auto bb = makeShip(stBB, 18000);
    auto pre = makeShip(stB, 15000, 3);
    EXPECT_EQ(ChooseTurretShape(*bb, 2, 12, true), TTurretShape::TwinC);
    EXPECT_EQ(ChooseTurretShape(*bb, 2, 14, true), TTurretShape::TwinB);
    EXPECT_EQ(ChooseTurretShape(*pre, 2, 14, true), TTurretShape::TwinD);
    pre->Nation = 8;
    EXPECT_EQ(ChooseTurretShape(*pre, 2, 12, true), TTurretShape::TwinD);
    pre->Nation = 0;
    EXPECT_EQ(ChooseTurretShape(*pre, 2, 12, true), TTurretShape::TwinA);
    struct Case {
        int guns, calibre;
        bool armoured;
        TTurretShape shape;
    };
    for (const Case& c : {Case{3, 12, false, TTurretShape::Triple}, Case{4, 12, false, TTurretShape::Quadruple},
                          Case{1, 6, true, TTurretShape::SingleArmoured}, Case{1, 6, false, TTurretShape::SingleOpen},
                          Case{0, 6, false, TTurretShape::Casemate}})
        EXPECT_EQ(ChooseTurretShape(*bb, c.guns, c.calibre, c.armoured), c.shape) << c.guns;
    EXPECT_FALSE(ChooseTurretShape(*bb, 5, 6, false));
}

TEST(GraphicsTurrets, IconPoints) {
    platform::RecordingMessages rec; // an illegal gun count warns every time
    // The battleship's twin turrets are drawn in the reference picture.
    // Twin C trained abeam: both barrels' tips, and the rear around the back.
    auto ship = makeShip(stBB, 18000);
    const TPointList twin = BuildTurretIcon(*ship, 2, 90, 12, true, TGeoPoint{}, rec);
    ASSERT_EQ(twin.size(), 20u);
    const std::pair<size_t, int> tips[] = {{4, 79}, {5, 81}, {9, 99}, {10, 101}};
    for (auto [i, bearing] : tips) expectAt(twin[i], bearing, 25);
    const std::tuple<size_t, int, double> rear[] = {{15, 229, 15}, {17, 270, 14}, {19, 311, 15}};
    for (auto [i, bearing, yards] : rear) expectAt(twin[i], bearing, yards);
    auto cl = makeShip(stCL, 4000);
    EXPECT_NEAR(yardsFrom(TGeoPoint{}, BuildTurretIcon(*cl, 1, 0, 6, false, TGeoPoint{}, rec)[8]), 10,
                0.05); // 20 x 5 div 10
    const TPointList armoured = BuildTurretIcon(*cl, 1, 0, 6, true, TGeoPoint{}, rec);
    expectAt(armoured[18], 140, 6);
    EXPECT_EQ(CompassBearing(TGeoPoint{}, BuildTurretIcon(*cl, 1, 0, 8, true, TGeoPoint{}, rec)[18]), 150);

    EXPECT_TRUE(BuildTurretIcon(*ship, 5, 0, 12, true, TGeoPoint{}, rec).empty());
    EXPECT_TRUE(BuildTurretIcon(*ship, -1, 0, 12, true, TGeoPoint{}, rec).empty());
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Warning! 5 guns not legal!", "Warning! -1 guns not legal!"}));
}

TEST(GraphicsSecondaries, LayoutsBySideCount) {
    struct Case {
        int count;
        bool port;
        std::string letters;
    };
    for (const Case& c : {Case{1, true, "H"}, Case{1, false, "I"}, Case{3, true, "FHJ"}, Case{4, false, "EGKT"},
                          Case{6, true, "DF57JS"}, Case{30, false, "EG6I8KT"}, Case{0, true, ""}, Case{31, true, ""},
                          Case{-2, true, ""}}) {
        const auto letters = SecondaryMountLetters(c.count, c.port);
        EXPECT_EQ(std::string(letters.begin(), letters.end()), c.letters) << c.count << c.port;
    }
}

TEST(GraphicsSecondaries, TwinMountsSkipMainTurretsButCasematesDoNot) {
    auto ship = makeShip(stCA, 12000);
    ship->BatteryCalibre[2] = 6;
    ship->SecNo = 12;
    ship->SecTF = 2;          // 3 twin mounts a side
    addTurret(*ship, 2, 'F'); // a place of both layouts
    platform::RecordingMessages said;
    auto letters = [&] {
        std::string out;
        for (const auto& i : SecondaryMountIcons(*ship, said)) out += i.Letter;
        return out;
    };
    EXPECT_EQ(letters(), "HJGIK");
    ship->SecTF = 0; // 6 casemates a side, F among them
    EXPECT_EQ(letters(), "DF57JSEG68KT");
    // Port letters on the port (west) side: the picture, being symmetric, would not tell.
    for (const auto& icon : SecondaryMountIcons(*ship, said))
        for (const auto& p : icon.Points) EXPECT_EQ(p.Lon < 0, icon.Port) << icon.Letter;

    // Small guns on a capital ship are drawn only when asked for.
    ship->ShipType = stBB;
    ship->BatteryCalibre[2] = 4;
    ship->SecNo = 8;
    ship->SecTF = 1;
    ship->Turrets.clear();
    EXPECT_FALSE(SecondariesShown(*ship));
    EXPECT_TRUE(SecondaryMountIcons(*ship, said).empty());
    ship->ShowSecondary = true;
    EXPECT_EQ(SecondaryMountIcons(*ship, said).size(), 8u);
    ship->ShowSecondary = false;
    ship->ShipType = stCA;
    EXPECT_TRUE(SecondariesShown(*ship));
}

TEST(GraphicsFunnels, PositionRadiusAndShape) {
    // Round funnels are drawn in the reference picture.
    auto ship = makeShip(stBB, 18000); // size 20: r = 178 x 20 div 12 = 296
    EXPECT_EQ(FunnelRadius(*ship), 296);
    ship->Funnels[2].Pos = 30;
    ship->Funnels[2].Oval = true;
    const TPointList oval = FunnelPoints(*ship, 2);
    const TGeoPoint c = PointAtBearing(TGeoPoint{}, 180, 30);
    EXPECT_NEAR(GeoDistance(c, oval[0]), std::round(296 * 1.4), 1); // long axis fore and aft
    EXPECT_NEAR(GeoDistance(c, oval[3]), 296, 1);
    EXPECT_LT(oval[0].Lat, 0);

    // Position 0 is no funnel; a negative position lies ahead of the centre.
    ship->Funnels[1].Pos = 0;
    EXPECT_TRUE(FunnelPoints(*ship, 1).empty());
    ship->Funnels[1].Pos = -20;
    for (int heading : {0, 90}) {
        ship->SetHeading(heading);
        const TPointList round = FunnelPoints(*ship, 1);
        ASSERT_EQ(round.size(), 12u);
        const TGeoPoint middle{(round[0].Lon + round[6].Lon) / 2, (round[0].Lat + round[6].Lat) / 2, 0};
        expectAt(middle, heading, 20);
    }
}

TEST(GraphicsSuperstructure, EmptyPointsRepeatAndOutlinesTurnWithTheShip) {
    auto ship = makeShip(stBB, 18000);
    TOutline& o = ship->Superstructure[1];
    o[0] = OutlinePointTo(PointAtBearing(TGeoPoint{}, 350, 50));
    o[1] = OutlinePointTo(PointAtBearing(TGeoPoint{}, 200, 60));
    EXPECT_TRUE(SuperstructurePoints(*ship, 0).empty());
    const TPointList pts = SuperstructurePoints(*ship, 1);
    ASSERT_EQ(pts.size(), 21u);
    EXPECT_EQ(pts[20], pts[1]);
    ship->SetHeading(90);
    EXPECT_EQ(CompassBearing(TGeoPoint{}, SuperstructurePoints(*ship, 1)[1]), 290);
    // An empty first point hides the outline whatever the rest holds.
    o[0].Distance = 0;
    EXPECT_TRUE(SuperstructurePoints(*ship, 1).empty());
}

TEST(GraphicsOutlineEditing, CompletionMirrorsThePointsGiven) {
    TOutline one{};
    one[0] = OutlinePointTo(PointAtBearing(TGeoPoint{}, 300, 40));
    CompleteOutline(one, 1);
    EXPECT_EQ(one[9].Distance, one[0].Distance);
    EXPECT_EQ(MapAngleToCompass(one[10].Angle), 60);

    TOutline o{};
    for (int j = 0; j < 10; ++j) o[j] = OutlinePointTo(PointAtBearing(TGeoPoint{}, 200 + j * 15, 30 + j));
    const TOutline before = o;
    CompleteOutline(o, 10);
    for (int j = 0; j < 10; ++j) EXPECT_TRUE(same(o[j], before[j])) << j;
    // Points 10 and 11 both mirror point 9; point 20 mirrors point 0.
    EXPECT_TRUE(same(o[10], o[11]));
    EXPECT_EQ(MapAngleToCompass(o[10].Angle), 360 - 335);
    EXPECT_EQ(MapAngleToCompass(o[20].Angle), 160);

    TOutline none{}; // no points leaves the outline empty
    CompleteOutline(none, 0);
    EXPECT_TRUE(same(none[20], TOutlinePoint{}));
}
