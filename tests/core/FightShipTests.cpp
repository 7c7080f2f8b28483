#include <gtest/gtest.h>

#include "CombatTestSupport.h"
#include "TestSupport.h"
#include "combat/Damage.h"
#include "combat/ShipLayer.h"
#include "platform/Messages.h"
#include "tests/ScopedMessages.h"

namespace {

const char* kSmallDesign =
    "[Data]\r\nDisplacement=18100\r\nSpeed=21\r\nShipType=BB\r\nNation=0\r\nFreeboard=0\r\nFire control=2\r\n"
    "EnemyClassName=Enemy\r\n"
    "[Armor]\r\nB=11\r\nT=22\r\n"
    "[Guns]\r\nMain=12\r\nSecondary=4\r\nTertiary=3\r\nMQ=1\r\nSecNo=7\r\nTerNo=5\r\n"
    "[Torpedoes]\r\nCalibre=18\r\n"
    "[Turret0]\r\nGuns=2\r\nPos=A\r\n"
    "[Turret2]\r\nGuns=0\r\nPos=Y\r\n"
    "[Turret3]\r\nPos=X\r\n"
    "[TorpedoMount0]\r\nTubes=2\r\nPos=F\r\n"
    "[TorpedoMount1]\r\nTubes=0\r\nPos=B\r\n"
    "[TorpedoMount2]\r\nTubes=3\r\nPos=Q\r\n";

} // namespace

TEST(FightShip, HitPointsFromDisplacement) {
    for (auto [tons, points] : std::vector<std::pair<int, int>>{
             {1499, 1829}, {1500, 1836}, {50000, 36177}, {50001, 36251}, {0, 0}, {10000001, 0}})
        EXPECT_EQ(HitPointsForDisplacement(tons), points) << tons;
}

TEST(FightShip, LoadsEveryFieldWithItsDefaults) {
    testsupport::TempDir dir;
    const std::string path = dir.write("Foo.sdf", kSmallDesign);
    platform::ScopedRecordingMessages rec;
    TFightingShip s(nullptr);
    ASSERT_TRUE(s.LoadFromDesignFile(path, platform::messages()));
    EXPECT_EQ(s.MisidentifiedClassName, "Foo");
    EXPECT_EQ(s.ArmorB, 5.0f); // step 11 is 5.5 inches; the half is dropped
    EXPECT_EQ((std::array<int, 4>{s.ObsoleteDate, s.OriginalFlotation, s.SecondaryPort, s.TertiaryStarboardOriginal}),
              (std::array<int, 4>{10000, 9050, 3, 2}));
    // Turret sections 0 and 2 (1 missing, 3 without "Guns"); a casemate still counts.
    ASSERT_EQ(s.Turrets.size(), 2u);
    EXPECT_EQ(std::string() + s.Turrets[0]->Position + s.Turrets[1]->Position, "AY");
    EXPECT_EQ(s.Turrets[1]->Guns, 0);
    EXPECT_EQ(s.CountGuns(false), 3);
    EXPECT_EQ(s.GunsText(), "3(3)");
    // Mount 1 has no tubes; mount 0 at F is submerged and gets reloads.
    ASSERT_EQ(s.TorpedoMounts.size(), 2u);
    auto* m0 = TFightingShip::AsFighting(s.TorpedoMounts[0].get());
    ASSERT_NE(m0, nullptr);
    EXPECT_EQ((std::array<int, 4>{m0->TubeCount, m0->TubesLoaded, m0->Reloads, m0->Tubes}),
              (std::array<int, 4>{2, 2, 2, 0}));
    EXPECT_EQ(TFightingShip::AsFighting(s.TorpedoMounts[1].get())->Reloads, 0);
    EXPECT_EQ((std::array<int, 2>{s.TorpedoesReady(), s.TorpedoBroadside()}), (std::array<int, 2>{5, -5}));
    EXPECT_TRUE(rec.recorded.empty());
}

TEST(FightShip, MissingKeysGiveLowFreeboardAndTheCalibreWarnings) {
    testsupport::TempDir dir;
    const std::string path = dir.write("Bare.sdf", "[Data]\r\nNation=3\r\nShipType=CL\r\n");
    platform::ScopedRecordingMessages rec;
    TFightingShip s(nullptr);
    ASSERT_TRUE(s.LoadFromDesignFile(path, platform::messages()));
    EXPECT_TRUE(s.LowFreeboard);
    EXPECT_TRUE(s.HSC); // nation 3
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Warning! Illegal calibre value for ship class: Bare 0 1",
                                                     "Warning! Illegal calibre value for ship class: Bare 0 2",
                                                     "Warning! Illegal calibre value for ship class: Bare 0 3"}));
}

TEST(FightShip, CalibreIsClampedAndLandTargetsAreNotWarned) {
    platform::ScopedRecordingMessages rec;
    TFightingShip s(nullptr);
    s.ClassName = "K";
    s.SetBatteryCalibre(25, 2, platform::messages());
    s.SetBatteryCalibre(18, 1, platform::messages());
    s.ShipType = stLT;
    s.SetBatteryCalibre(1, 3, platform::messages());
    EXPECT_EQ(s.BatteryCalibre, (decltype(s.BatteryCalibre){0, 18, 18, 2}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Warning! Illegal calibre value for ship class: K 25 2"}));
}

TEST(FightShip, NationOutOfRangeStopsTheLoad) {
    testsupport::TempDir dir;
    for (const char* nation : {"", "Nation=-1\r\n", "Nation=11\r\n"}) {
        const std::string path = dir.write("Bad.sdf", std::string("[Data]\r\nShipType=BB\r\n") + nation +
                                                          "[Guns]\r\nMain=12\r\n[Turret0]\r\nGuns=2\r\n");
        platform::ScopedRecordingMessages rec;
        TFightingShip s(nullptr);
        EXPECT_FALSE(s.LoadFromDesignFile(path, platform::messages())) << nation;
        EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Illegal nation value! Class: Bad"})) << nation;
        EXPECT_TRUE(s.Turrets.empty());
    }
}

TEST(FightShip, MissingFileAndCreateShipOnLayerMessages) {
    TMap map;
    platform::ScopedRecordingMessages rec;
    auto ship = CreateShipOnLayer("/no/such/Gone.sdf", "Gone", map, TPreferences{}, rec);
    EXPECT_EQ(ship, nullptr);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"Cannot find file: /no/such/Gone.sdf",
                                                     "Unable to create ship Gone Filename: /no/such/Gone.sdf"}));
    // The freed ship left nothing on the layer.
    EXPECT_EQ(map.LayerByName("ShipLayer").Objects().Count(), 0);
}

TEST(ShipLayer, PresentersAreSharedBySizeClassAndNation) {
    TPreferences preferences;
    preferences.ApplyToDD = false;
    preferences.NationColor[2] = 0x0000FF;
    preferences.NationColor[5] = 0x00FF00;
    testsupport::TempDir dir;
    auto design = [&](const std::string& name, const char* type, int nation) {
        return dir.write(name + ".sdf", std::string("[Data]\r\nShipType=") + type +
                                            "\r\nNation=" + std::to_string(nation) +
                                            "\r\n[Guns]\r\nMain=4\r\nSecondary=2\r\nTertiary=2\r\n");
    };
    TMap map;
    platform::ScopedRecordingMessages rec;
    auto d1 = CreateShipOnLayer(design("D1", "DD", 2), "D1", map, preferences, rec);
    auto d2 = CreateShipOnLayer(design("D2", "DD", 5), "D2", map, preferences, rec);
    auto d3 = CreateShipOnLayer(design("D3", "DD", 2), "D3", map, preferences, rec);
    auto b1 = CreateShipOnLayer(design("B1", "BB", 2), "B1", map, preferences, rec);
    ASSERT_TRUE(d1 && d2 && d3 && b1);
    TMapLayer& layer = map.LayerByName("ShipLayer");
    auto* p2 = dynamic_cast<TPolygonPresenter*>(layer.FindPresenter("SmallShipPresenter2"));
    auto* p5 = dynamic_cast<TPolygonPresenter*>(layer.FindPresenter("SmallShipPresenter5"));
    auto* large = dynamic_cast<TPolygonPresenter*>(layer.FindPresenter("LargeShipPresenter2"));
    ASSERT_TRUE(p2 && p5 && large);
    EXPECT_EQ(p5->PolyBrush.BrushColor, clGrey); // not applied to destroyers
    EXPECT_EQ(large->PolyBrush.BrushColor, 0x0000FFu);
    EXPECT_EQ(d3->Location->PresenterID, p2->PresenterID);
    EXPECT_EQ(d3->ShipPresenterID, p2->PresenterID);
    EXPECT_EQ(b1->Location->PresenterID, large->PresenterID);
    EXPECT_EQ(d1->Location->Title, ShipTypeCode(stDD) + " D1");
    // Smoke, wake and wake polygon presenters exist once.
    auto* smoke = dynamic_cast<TPolyPresenter*>(layer.FindPresenter("SmokePresenter"));
    ASSERT_NE(smoke, nullptr);
    EXPECT_EQ(d2->SmokeTrail->PresenterID, smoke->PresenterID);
    EXPECT_NE(layer.FindPresenter("NewWake"), nullptr);
    EXPECT_EQ(layer.PresenterCount(), 3 + 3);
}

TEST(ShipLayer, ApplyToDDColoursDestroyersAndLandTargetsAreTitledByName) {
    TPreferences preferences;
    preferences.ApplyToDD = true;
    preferences.NationColor[4] = 0x123456;
    TMap map;
    TFightingShip dd(&map.LayerByName("ShipLayer").Objects());
    dd.ShipType = stDD;
    dd.Nation = 4;
    dd.Name = "Fort";
    AssignShipPresenters(dd, map, preferences, platform::messages());
    auto* p = dynamic_cast<TPolygonPresenter*>(map.LayerByName("ShipLayer").FindPresenter("SmallShipPresenter4"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->PolyBrush.BrushColor, 0x123456u);
    dd.ShipType = stLT;
    AssignShipPresenters(dd, map, preferences, platform::messages());
    EXPECT_EQ(dd.Location->Title, "Fort");
}
