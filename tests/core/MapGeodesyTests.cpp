#include <gtest/gtest.h>

#include "map/Geodesy.h"
#include "map/MapModel.h"

TEST(MapGeodesy, PointAtBearingComesBackAtTheSameBearingAndRange) {
    const TGeoPoint origin{1000000, -2000000, 7};
    for (int bearing : {0, 1, 45, 90, 135, 179, 180, 226, 270, 359}) {
        const TGeoPoint p = PointAtBearing(origin, bearing, 8000);
        EXPECT_EQ(CompassBearing(origin, p), bearing) << bearing;
        EXPECT_NEAR(DistanceYards(origin, p), 8000, 1) << bearing;
        EXPECT_EQ(p.Height, 7);
    }
    // East at the equator grows the longitude, west shrinks it.
    EXPECT_GT(PointAtBearing({}, 90, 1000).Lon, 0);
    EXPECT_LT(PointAtBearing({}, 270, 1000).Lon, 0);
}

TEST(MapGeodesy, BearingArithmetic) {
    // NormalizeBearing(-800, 0) lies below zero after the mod.
    for (auto [got, want] : std::vector<std::pair<std::int64_t, std::int64_t>>{{NormalizeBearing(10, -20), 350},
                                                                               {NormalizeBearing(10, -350), 20},
                                                                               {NormalizeBearing(350, 20), 10},
                                                                               {NormalizeBearing(-800, 0), 0},
                                                                               {AngleDifference(350, 10), 20},
                                                                               {AngleDifference(10, 350), 20},
                                                                               {AngleDifference(0, 180), 180},
                                                                               {AngleDifference(720, 0), 0},
                                                                               {CompassToMapAngle(0), 1944000000},
                                                                               {CompassToMapAngle(90), 270 * 5400000},
                                                                               {MapAngleToCompass(270 * 5400000), 90},
                                                                               {MapAngleToCompass(0), 0},
                                                                               {AddMilliBearings(359000, 2000), 1000},
                                                                               {MapAngleToMilli(270 * 5400000), 90000},
                                                                               {MilliToMapAngle(90000), 270 * 5400000}})
        EXPECT_EQ(got, want);
}

TEST(MapGeodesy, PointNearSegment) {
    const TGeoPoint a{0, 0, 0}, b{0, 10000, 0};
    EXPECT_TRUE(PointNearSegment({100, 5000, 0}, a, b, 100));
    EXPECT_FALSE(PointNearSegment({101, 5000, 0}, a, b, 100));
    EXPECT_FALSE(PointNearSegment({0, 10001, 0}, a, b, 100)); // beyond the end
    EXPECT_FALSE(PointNearSegment({0, 0, 0}, a, a, 100));     // no segment
}

TEST(MapModel, ObjectOutlivingItsMapIsSafe) {
    auto map = std::make_unique<TMap>();
    auto object = std::make_unique<TGeoDataObject>(&map->LayerByName("L").Objects());
    map.reset();
    EXPECT_EQ(object->Store(), nullptr);
    object.reset(); // must not touch the dead store
}

TEST(MapModel, PresentersGetIdsUniqueWithinTheMapAndAreFoundByExactName) {
    TMap map;
    auto* p1 = map.LayerByName("A").AddPresenter(std::make_unique<TPolyPresenter>());
    p1->Name = "WakePresenter";
    auto* p2 = map.LayerByName("B").AddPresenter(std::make_unique<TPolygonPresenter>());
    EXPECT_NE(p1->PresenterID, p2->PresenterID);
    EXPECT_NE(p1->PresenterID, 0);
    EXPECT_EQ(map.FindPresenterByID(p2->PresenterID), p2);
    EXPECT_EQ(map.LayerByName("A").FindPresenter("WakePresenter"), p1);
    EXPECT_EQ(map.LayerByName("A").FindPresenter("wakepresenter"), nullptr);
}

TEST(MapModel, SetPositionMovesTheChainsAndKeepsThePosition) {
    TGeoDataObject o(nullptr);
    o.Chain(0).Add({10, 10, 0});
    o.Chain(0).Add({30, 10, 0});
    EXPECT_EQ(o.Centroid(), (TGeoPoint{20, 10, 0})); // mean of chain 0 until placed
    o.SetPosition({120, 110, 0});
    EXPECT_EQ(o.Chain(0)[0], (TGeoPoint{110, 110, 0}));
    EXPECT_EQ(o.Chain(0)[1], (TGeoPoint{130, 110, 0}));
    // Rebuilding the outline lopsidedly does not move the object.
    o.Chain(0).Clear();
    o.Chain(0).Add({500, 500, 0});
    EXPECT_EQ(o.Centroid(), (TGeoPoint{120, 110, 0}));
}
