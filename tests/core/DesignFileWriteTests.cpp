#include "designfile/DesignFile.h"

#include "platform/Messages.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void AddTurret(TDesignShip& ship, int guns, char pos) {
    auto t = std::make_unique<TTurret>();
    t->Guns = guns;
    t->Position = pos;
    ship.Turrets.push_back(std::move(t));
}

void AddMount(TDesignShip& ship, int tubes, char pos) {
    auto m = std::make_unique<TTorpedomount>();
    m->Tubes = tubes;
    m->Position = pos;
    ship.TorpedoMounts.push_back(std::move(m));
}

std::string Positions(const TDesignShip& ship) {
    std::string s;
    for (const auto& t : ship.Turrets) s += t->Position;
    return s;
}

DesignInputs Battleship() {
    DesignInputs in;
    in.Name = "Test";
    in.Type = 0;
    in.Nation = 0;
    in.EnemyClass = "Enemy";
    in.MisClass = "Mis";
    in.FireControl = 2;
    in.B = 22;
    in.T = 20;
    in.PicName = "test.jpg";
    return in;
}

} // namespace

TEST(DesignFileWrite, SectionsAndKeysComeInTheirFixedOrder) {
    TDesignShip ship;
    AddTurret(ship, 2, 'A');
    AddMount(ship, 3, 'F');
    DesignInputs in = Battleship();
    const std::vector<std::string> expected = {
        "[Data]", "Displacement=10000", "Range=1", "Freeboard=0", "BeltCoverage=0", "Speed=18", "ShipType=BB",
        "EnemyClassName=Enemy", "MisidentifiedClassName=Mis", "PictureName=test.jpg", "Nation=0", "Accomodation=0",
        "Fire control=2", "Torpedo defense=0", "Mine capacity=0", "Obsolete date=41224", "Fuel type=0",
        "[Armor]", "B=22", "BE=0", "D=0", "DE=0", "CT=0", "T=20", "TT=0", "SEC=0", "PC=0",
        "[Guns]", "Main=12", "Secondary=4", "Tertiary=3", "MQ=0", "SQ=0", "TQ=0", "SecNo=0", "TerNo=0", "TerTF=0",
        "SecTF=0", "CDF=0",
        "[Torpedoes]", "Calibre=18", "Designation=",
        "[Turret0]", "Guns=2", "Pos=A",
        "[TorpedoMount0]", "Tubes=3", "Pos=F",
        "[Funnels]", "Funnel1Pos=0", "Funnel2Pos=0", "Funnel3Pos=0", "Funnel4Pos=0", "Funnel1Oval=0",
        "Funnel2Oval=0", "Funnel3Oval=0", "Funnel4Oval=0"};
    EXPECT_EQ(DesignFileLines(in, ship, nullptr), expected);
}

TEST(DesignFileWrite, OutlinesAddFourSuperstructureSections) {
    TDesignShip ship;
    DesignOutlines outlines;
    outlines.Superstructure[3][20] = {-45, 120};
    outlines.IsLine[3] = true;
    auto lines = DesignFileLines(DesignInputs{}, ship, &outlines);
    // 17 + 10 + 12 + 3 + 9 lines before, then 4 x (1 + 42 + 1).
    ASSERT_EQ(lines.size(), 51u + 4 * 44);
    EXPECT_EQ((std::vector<std::string>(lines.begin() + 51, lines.begin() + 54)),
              (std::vector<std::string>{"[Superstructure0]", "Point0Angle=0", "Point0Distance=0"}));
    EXPECT_EQ(lines[51 + 3 * 44], "[Superstructure3]");
    EXPECT_EQ((std::vector<std::string>(lines.end() - 3, lines.end())),
              (std::vector<std::string>{"Point20Angle=-45", "Point20Distance=120", "IsLine=1"}));
}

TEST(DesignFileWrite, FileIsWindows1252WithCrLfAndTheSaveIsAnnounced) {
    testsupport::TempDir dir;
    platform::ScopedRecordingMessages messages;
    TDesignShip ship;
    DesignInputs in = Battleship();
    in.EnemyClass = "Lützow";
    const std::string path = dir.path() + "Test.sdf";
    ASSERT_TRUE(WriteDesignFile(path, in, ship, nullptr));
    const std::string bytes = dir.read("Test.sdf");
    EXPECT_EQ(bytes.substr(0, 26), "[Data]\r\nDisplacement=10000");
    EXPECT_NE(bytes.find("EnemyClassName=L\xFCtzow\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "Funnel4Oval=0\r\n");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Ship design Test saved to file: " + path});

    // The same design twice gives the same bytes.
    ASSERT_TRUE(WriteDesignFile(path, in, ship, nullptr));
    EXPECT_EQ(dir.read("Test.sdf"), bytes);
}

TEST(DesignFileWrite, FailuresLeaveTheOldFileAsItWas) {
    testsupport::TempDir dir;
    platform::ScopedRecordingMessages messages;
    TDesignShip ship;
    const std::string path = dir.write("Old.sdf", "old contents");

    // An unconvertible funnel box, then a name Windows-1252 cannot hold.
    for (int k = 0; k < 2; ++k) {
        DesignInputs in = Battleship();
        (k == 0 ? in.FunnelPos[1] : in.MisClass) = k == 0 ? "abc" : "Sōya";
        EXPECT_FALSE(WriteDesignFile(path, in, ship, nullptr));
        EXPECT_EQ(dir.read("Old.sdf"), "old contents");
    }

    const std::string nowhere = dir.path() + "missing/Ship.sdf";
    EXPECT_FALSE(WriteDesignFile(nowhere, Battleship(), ship, nullptr));

    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{
                  "Error saving file " + path,
                  "Error saving file " + path + "\rMisidentified class name contains a character that cannot be saved: ō",
                  "Error saving file " + nowhere}));
    for (const auto& m : messages.recorded) EXPECT_EQ(m.kind, platform::MessageKind::Notice);
}

TEST(DesignFileWrite, LineBreaksInTextsCannotOpenSections) {
    TDesignShip ship;
    DesignInputs in;
    in.EnemyClass = "Evil\n[Turret0]\r\nGuns=4";
    auto lines = DesignFileLines(in, ship, nullptr);
    EXPECT_EQ(lines[7], "EnemyClassName=Evil [Turret0]  Guns=4");
    for (const auto& line : lines) EXPECT_NE(line, "[Turret0]");
}

TEST(DesignFileWrite, TurretsAtBAndXMoveBehindTheOthers) {
    for (auto [before, after] : std::vector<std::pair<std::string, std::string>>{{"ABXY", "AYXB"}, {"BXAQY", "AQYXB"}, {"", ""}}) {
        TDesignShip ship;
        for (char p : before) AddTurret(ship, 2, p);
        ReorderTurretsForSave(ship);
        EXPECT_EQ(Positions(ship), after) << before;
        if (before != "ABXY") continue;
        auto lines = DesignFileLines(DesignInputs{}, ship, nullptr);
        auto at = std::find(lines.begin(), lines.end(), "[Turret1]");
        ASSERT_NE(at, lines.end());
        EXPECT_EQ(*(at + 2), "Pos=Y");
    }
}

TEST(DesignFileWrite, ClassNamesThatCannotBecomeFileNamesAreRefused) {
    // A trailing blank is kept; device names are refused only whole.
    for (const char* fine : {"Dreadnought", "Lützow ", "Console"}) EXPECT_EQ(ClassNameProblem(fine), std::nullopt) << fine;
    const std::pair<const char*, const char*> refused[] = {
        {"  ", "Class must have a name!"},
        {"a/b", "Class name may not contain \"/\""},
        {"a\\b", "Class name may not contain \"\\\""},
        {"What?", "Class name may not contain \"?\""},
        {"A:B", "Class name may not contain \":\""},
        {"tab\there", "Class name may not contain control characters"},
        {"c1\xC2\x81", "Class name may not contain control characters"},
        {"..", "Class name may not be \".\" or \"..\""},
        {"Sōya", "Class name contains a character that cannot be saved: ō"},
        {"con", "Class name \"con\" is reserved by Windows"},
        {"LPT1", "Class name \"LPT1\" is reserved by Windows"}};
    for (auto [name, problem] : refused) EXPECT_EQ(ClassNameProblem(name), problem) << name;
    EXPECT_EQ(DesignSavePath("/prog/", "Foo "), "/prog/Custom Files/Foo .sdf");
}
