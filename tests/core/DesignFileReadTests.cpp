#include "designfile/DesignFile.h"

#include "platform/DayNumber.h"
#include "platform/Messages.h"
#include "tables/WeaponData.h"
#include "tests/ScopedMessages.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct DesignFileRead : ::testing::Test {
    testsupport::TempDir dir;
    platform::ScopedRecordingMessages messages;
    ProgramData data;
    TDesignShip ship{data};
    DesignInputs in;

    void SetUp() override { ship.ClearSpecials(); }
    void Read(const std::string& name, const std::string& text) { ReadDesignFile(dir.write(name, text), in, ship); }
};

// A sample of the defaults, one of each kind.
void ExpectDefaults(const DesignInputs& in, const TDesignShip& ship, const std::string& name) {
    EXPECT_EQ(in.MisClass, name);
    EXPECT_EQ((std::array<int, 5>{in.Displacement, in.Freeboard, in.Type, in.MainCal, in.ObsoleteDate}),
              (std::array<int, 5>{10000, 1, -1, 2, 90000})); // no "Freeboard": low; "Main" clamped into the spin edit
    EXPECT_TRUE(ship.Turrets.empty());
    EXPECT_EQ(in.FunnelPos[3], "0");
}

} // namespace

TEST_F(DesignFileRead, MissingOrEmptyFilesGiveEveryDefault) {
    ReadDesignFile(dir.path() + "Nothing Here.sdf", in, ship);
    ExpectDefaults(in, ship, "Nothing Here");
    EXPECT_EQ(platform::dateFromDayNumber(in.ObsoleteDate), (platform::CivilDate{2146, 5, 29}));

    in = DesignInputs{};
    Read("Empty.sdf", "");
    ExpectDefaults(in, ship, "Empty");
    EXPECT_TRUE(messages.recorded.empty());
}

TEST_F(DesignFileRead, ClassNameIsTheFileNameLessItsLastFourCharacters) {
    for (auto [file, name] : std::vector<std::pair<std::string, std::string>>{
             {"sub/Foo .sdf", "Foo "}, {"Lützow.sdf", "Lützow"}, {"abc", ""}}) {
        Read(file, "");
        EXPECT_EQ(in.Name, name);
    }
}

TEST_F(DesignFileRead, KeysAndSectionsAreFoundInAnyLetterCase) {
    Read("Case.sdf", "[data]\r\nspeed=25\r\nSHIPTYPE=amc\r\nNATION=3\r\n[GUNS]\r\nmain=11\r\ncdf=1\r\n[turret0]"
                     "\r\nguns=3\r\npos=Y\r\n");
    EXPECT_EQ((std::array<int, 4>{in.Speed, in.Type, in.Nation, in.MainCal}), (std::array<int, 4>{25, 7, 3, 11}));
    EXPECT_TRUE(in.CrossDeck);
    ASSERT_EQ(ship.Turrets.size(), 1u);
    EXPECT_EQ(ship.Turrets[0]->Position, 'Y');
}

TEST_F(DesignFileRead, HugeAndNegativeValuesAreClampedOrSelectNothing) {
    Read("Huge.sdf",
         "[Data]\nDisplacement=99999999999\nSpeed=-4\nRange=7\nNation=11\nFire control=-3\nObsolete date=2147483647\n"
         "Mine capacity=0x7FFFFFFF\nFuel type=2\n[Armor]\nB=33\nD=-1\nT=32\n[Guns]\nMain=-2147483648\nSecondary=99\n"
         "SecNo=99\nTerNo=-3\nMQ=9\nSecTF=5\nTerTF=4\n[Torpedoes]\nCalibre=5\n[Funnels]\nFunnel1Pos=-2147483648\n"
         "[Turret0]\nGuns=2147483647\nPos=B\n[TorpedoMount0]\nTubes=2147483647\nPos=A\n");
    // Beyond 32 bits does not convert; list indexes out of range select nothing.
    EXPECT_EQ((std::vector<int>{in.Displacement, in.Speed, in.Range, in.Nation, in.FireControl, in.Mines, in.FuelType,
                                in.B, in.D, in.T, in.MainCal, in.SecCal, in.Secondaries, in.Tertiaries, in.MQ, in.SecTF,
                                in.TerTF, in.TorpCal}),
              (std::vector<int>{10000, 0, -1, -1, -1, 1000, -1, -1, -1, 32, 2, 35, 24, 0, 5, -1, 4, 12}));
    EXPECT_EQ(in.ObsoleteDate, ranges::ObsoleteDate.max);
    EXPECT_EQ(in.FunnelPos[0], "-2147483648");
    // Turret factors and tube counts are kept as written, however absurd.
    ASSERT_EQ(ship.Turrets.size(), 1u);
    EXPECT_EQ(ship.Turrets[0]->Guns, 2147483647);
    ASSERT_EQ(ship.TorpedoMounts.size(), 1u);

    // Recomputing such a design must not fail.
    (void)ApplyInputs(in, ship);
}

TEST_F(DesignFileRead, TurretSectionsFollowTheFormsRules) {
    Read("Only3.sdf", "[Data]\nShipType=XX\n[Turret3]\nGuns=2\nPos=X\n");
    ASSERT_EQ(ship.Turrets.size(), 1u);
    EXPECT_EQ(ship.Turrets[0]->Position, 'X');
    ship.ClearTurrets();

    // Guns=0 is a casemate, no Guns no turret, an empty or missing Pos is Z,
    // and only the first character of Pos counts.
    Read("Mixed.sdf",
         "[Data]\nShipType=XX\n[Turret0]\nGuns=0\nPos=Q\n[Turret1]\nPos=A\n[Turret2]\nGuns=2\nPos=\n[Turret4]\nGuns=1\n"
         "[Turret5]\nGuns=3\nPos=Yankee\n[Turret6]\nGuns=junk\nPos=B\n");
    ASSERT_EQ(ship.Turrets.size(), 4u);
    EXPECT_EQ(ship.Turrets[0]->Guns, 0);
    EXPECT_EQ(std::string() + ship.Turrets[0]->Position + ship.Turrets[1]->Position + ship.Turrets[2]->Position +
                  ship.Turrets[3]->Position,
              "QZZY");
    ship.ClearTurrets();

    std::string many = "[Data]\nShipType=XX\n";
    for (int n = 0; n < 100; ++n) many += "[Turret" + std::to_string(n) + "]\nGuns=1\nPos=A\n";
    Read("Many.sdf", many);
    EXPECT_EQ(ship.Turrets.size(), 25u);
}

TEST_F(DesignFileRead, EveryMountTheFormCanMakeReadsBack) {
    std::string text = "[Data]\nShipType=XX\n";
    for (int n = 0; n < 20; ++n)
        text += "[TorpedoMount" + std::to_string(n) + "]\nTubes=" + std::to_string(n % 4) + "\nPos=P\n";
    Read("Mounts.sdf", text);
    // Sections 0 .. 15 are read; the ones with Tubes=0 (0, 4, 8, 12) make none.
    EXPECT_EQ(ship.TorpedoMounts.size(), 12u);
    EXPECT_EQ(ship.TorpedoMounts.back()->Tubes, 3);

    TDesignShip full(data);
    for (const char* t : kTorpedoMountTexts) {
        auto m = std::make_unique<TTorpedomount>();
        m->Tubes = 2;
        m->Position = t[0];
        full.TorpedoMounts.push_back(std::move(m));
    }
    const std::string path = dir.path() + "Full.sdf";
    platform::RecordingMessages said;
    ASSERT_TRUE(WriteDesignFile(path, DesignInputs{}, full, nullptr, said));
    TDesignShip back(data);
    ReadDesignFile(path, in, back);
    ASSERT_EQ(back.TorpedoMounts.size(), 16u);
    EXPECT_EQ(back.TorpedoMounts[15]->Position, 'Y');
}

TEST_F(DesignFileRead, DesignationSelectsTheLastMatchingTorpedoType) {
    data.Weapons.TorpedoTypes[1].Name = "Mk VII";
    data.Weapons.TorpedoTypes[2].Name = "Whitehead";
    data.Weapons.TorpedoTypes[3].Name = "Mk II";
    in.TorpType = 1;
    // No match leaves the selection as it was; the default "X" matches nothing here.
    for (auto [text, type] : std::vector<std::pair<std::string, int>>{{"[Torpedoes]\nDesignation=M\n", 2},
                                                                      {"[Torpedoes]\nDesignation=Q\n", 2},
                                                                      {"[Torpedoes]\nDesignation=W\n", 1},
                                                                      {"", 1}}) {
        Read("T.sdf", "[Data]\nShipType=XX\n" + text);
        EXPECT_EQ(in.TorpType, type) << text;
    }
    auto lines = DesignFileLines(in, ship, nullptr);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Designation=W"), lines.end());
}

TEST_F(DesignFileRead, WritingWhatWasReadKeepsEveryKey) {
    const std::string original =
        "[Data]\r\nDisplacement=26350\r\nRange=2\r\nFreeboard=0\r\nBeltCoverage=1\r\nSpeed=27\r\nShipType=BC\r\n"
        "EnemyClassName=Kongo\r\nMisidentifiedClassName=Lion\r\nPictureName=kongo.jpg\r\nNation=7\r\n"
        "Accomodation=1\r\nFire control=-1\r\nTorpedo defense=2\r\nMine capacity=20\r\nObsolete date=12000\r\n"
        "Fuel type=1\r\n[Armor]\r\nB=16\r\nBE=6\r\nD=4\r\nDE=2\r\nCT=18\r\nT=18\r\nTT=6\r\nSEC=12\r\nPC=1\r\n"
        "[Guns]\r\nMain=14\r\nSecondary=6\r\nTertiary=3\r\nMQ=1\r\nSQ=-1\r\nTQ=0\r\nSecNo=16\r\nTerNo=8\r\n"
        "TerTF=0\r\nSecTF=0\r\nCDF=1\r\n[Torpedoes]\r\nCalibre=21\r\nDesignation=\r\n[Turret0]\r\nGuns=2\r\nPos=A\r\n"
        "[Turret1]\r\nGuns=2\r\nPos=Q\r\n[Turret2]\r\nGuns=2\r\nPos=Y\r\n[Turret3]\r\nGuns=2\r\nPos=B\r\n"
        "[TorpedoMount0]\r\nTubes=4\r\nPos=F\r\n[TorpedoMount1]\r\nTubes=4\r\nPos=G\r\n[Funnels]\r\n"
        "Funnel1Pos=-40\r\nFunnel2Pos=0\r\nFunnel3Pos=25\r\nFunnel4Pos=0\r\nFunnel1Oval=1\r\nFunnel2Oval=0\r\n"
        "Funnel3Oval=0\r\nFunnel4Oval=0\r\n";
    Read("Kongo.sdf", original);
    const std::string copy = dir.path() + "Copy.sdf";
    platform::RecordingMessages said;
    ASSERT_TRUE(WriteDesignFile(copy, in, ship, nullptr, said));
    EXPECT_EQ(dir.read("Copy.sdf"), original);

    // With outlines the superstructure comes back into the ship and the
    // "Line" boxes.
    DesignOutlines outlines;
    outlines.Superstructure[1][7] = {90, -33};
    outlines.IsLine[2] = true;
    ASSERT_TRUE(WriteDesignFile(copy, in, ship, &outlines, said));
    DesignInputs back;
    TDesignShip backShip(data);
    (void)LoadDesignInto(copy, back, backShip);
    EXPECT_EQ(backShip.Superstructure[1][7].Angle, 90);
    EXPECT_EQ(backShip.Superstructure[1][7].Distance, -33);
    EXPECT_TRUE(back.OutlineIsLine[2] && !back.OutlineIsLine[1]);
    EXPECT_EQ(back.Name + "/" + back.EnemyClass, "Copy/Kongo");
}

TEST_F(DesignFileRead, LoadingReplacesTheListsAndOutlinesOfTheLastDesign) {
    auto t = std::make_unique<TTurret>();
    ship.Turrets.push_back(std::move(t));
    ship.TorpedoMounts.push_back(std::make_unique<TTorpedomount>());
    ship.Superstructure[0][0] = {10, 10};
    (void)LoadDesignInto(dir.write("New.sdf", "[Turret0]\nGuns=2\nPos=A\n[Data]\nDisplacement=20000\n"), in, ship);
    EXPECT_EQ(ship.Turrets.size(), 1u);
    EXPECT_TRUE(ship.TorpedoMounts.empty());
    EXPECT_EQ(ship.Superstructure[0][0].Angle, 0);
    EXPECT_EQ(ship.Displacement, 20000);
}
