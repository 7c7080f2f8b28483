// The design file writer: key order, encoding, failures, turret order and class names.
#include "designfile/DesignFile.h"

#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "tests/ScopedMessages.h"
#include "tests/core/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using Lines = std::vector<std::string>;

namespace {

const ProgramData kNoTables;

std::unique_ptr<TDesignShip> shipWith(const std::string& turrets, const std::string& mounts = "") {
    auto ship = std::make_unique<TDesignShip>(kNoTables);
    for (char p : turrets) {
        ship->Turrets.push_back(std::make_unique<TTurret>());
        ship->Turrets.back()->Guns = 2, ship->Turrets.back()->Position = p;
    }
    for (char p : mounts) {
        ship->TorpedoMounts.push_back(std::make_unique<TTorpedomount>());
        ship->TorpedoMounts.back()->Tubes = 3, ship->TorpedoMounts.back()->Position = p;
    }
    return ship;
}

DesignInputs battleship() {
    DesignInputs in;
    in.Name = "Test", in.Type = 0, in.Nation = 0, in.EnemyClass = "Enemy", in.MisClass = "Mis";
    in.FireControl = 2, in.B = 22, in.T = 20, in.PicName = "test.jpg";
    return in;
}

} // namespace

// The order of every key is pinned by the design library, written back
// byte for byte; here the first lines and a design without tables.
TEST(DesignFileWrite, SectionsAndKeysComeInTheirFixedOrder) {
    const Lines lines = DesignFileLines(battleship(), *shipWith("A", "F"), nullptr);
    ASSERT_EQ(lines.size(), 57u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 8),
              (Lines{"[Data]", "Displacement=10000", "Range=1", "Freeboard=0", "BeltCoverage=0", "Speed=18",
                     "ShipType=BB", "EnemyClassName=Enemy"}));
    EXPECT_EQ(Lines(lines.begin() + 42, lines.begin() + 49),
              (Lines{"[Turret0]", "Guns=2", "Pos=A", "[TorpedoMount0]", "Tubes=3", "Pos=F", "[Funnels]"}));
    for (const char* line :
         {"Obsolete date=41224", "B=22", "T=20", "Main=12", "Secondary=4", "Tertiary=3", "Calibre=18"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;

    // Outlines add four superstructure sections: 17 + 10 + 12 + 3 + 9 lines
    // before, then 4 x (1 + 42 + 1).
    DesignOutlines outlines;
    outlines.Superstructure[3][20] = {-45, 120};
    outlines.IsLine[3] = true;
    DesignInputs in;
    in.EnemyClass = "Evil\n[Turret0]\r\nGuns=4"; // line breaks in texts cannot open sections
    const Lines more = DesignFileLines(in, *shipWith(""), &outlines);
    ASSERT_EQ(more.size(), 51u + 4 * 44);
    EXPECT_EQ(more[7], "EnemyClassName=Evil [Turret0]  Guns=4");
    EXPECT_EQ(std::count(more.begin(), more.end(), "[Turret0]"), 0);
    EXPECT_EQ(Lines(more.begin() + 51, more.begin() + 54),
              (Lines{"[Superstructure0]", "Point0Angle=0", "Point0Distance=0"}));
    EXPECT_EQ(more[51 + 3 * 44], "[Superstructure3]");
    EXPECT_EQ(Lines(more.end() - 3, more.end()), (Lines{"Point20Angle=-45", "Point20Distance=120", "IsLine=1"}));
}

TEST(DesignFileWrite, FileIsWindows1252WithCrLfAndFailuresLeaveTheOldFile) {
    testsupport::TempDir dir;
    // Saving tells the sink it is given and shows nothing itself.
    const platform::ScopedRecordingMessages boxes;
    platform::RecordingMessages messages;
    auto ship = shipWith("");
    DesignInputs in = battleship();
    in.EnemyClass = "Lützow";
    const std::string path = dir.path() + "Test.sdf";
    ASSERT_TRUE(WriteDesignFile(path, in, *ship, nullptr, messages));
    const std::string bytes = dir.read("Test.sdf");
    EXPECT_EQ(bytes.substr(0, 26), "[Data]\r\nDisplacement=10000");
    EXPECT_NE(bytes.find("EnemyClassName=L\xFCtzow\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "Funnel4Oval=0\r\n");
    ASSERT_TRUE(WriteDesignFile(path, in, *ship, nullptr, messages)); // the same design twice gives the same bytes
    EXPECT_EQ(dir.read("Test.sdf"), bytes);
    EXPECT_EQ(messages.texts(), Lines(2, "Ship design Test saved to file: " + path));

    // An unconvertible funnel box, then a name Windows-1252 cannot hold.
    messages.clear();
    const std::string old = dir.write("Old.sdf", "old contents");
    for (int k = 0; k < 2; ++k) {
        in = battleship();
        (k == 0 ? in.FunnelPos[1] : in.MisClass) = k == 0 ? "abc" : "Sōya";
        EXPECT_FALSE(WriteDesignFile(old, in, *ship, nullptr, messages));
        EXPECT_EQ(dir.read("Old.sdf"), "old contents");
    }
    const std::string nowhere = dir.path() + "missing/Ship.sdf";
    EXPECT_FALSE(WriteDesignFile(nowhere, battleship(), *ship, nullptr, messages));
    EXPECT_EQ(messages.texts(), (Lines{"Error saving file " + old,
                                       "Error saving file " + old +
                                           "\rMisidentified class name contains a character that cannot be saved: ō",
                                       "Error saving file " + nowhere}));
    for (const auto& m : messages.recorded) EXPECT_EQ(m.kind, platform::MessageKind::Notice);
    EXPECT_TRUE(boxes.recorded.empty());
}

TEST(DesignFileWrite, TurretsAtBAndXMoveBehindTheOthers) {
    for (auto [before, after] :
         std::vector<std::pair<std::string, std::string>>{{"ABXY", "AYXB"}, {"BXAQY", "AQYXB"}, {"", ""}}) {
        auto ship = shipWith(before);
        ReorderTurretsForSave(*ship);
        std::string positions;
        for (const auto& t : ship->Turrets) positions += t->Position;
        EXPECT_EQ(positions, after) << before;
    }
    auto ship = shipWith("AYXB");
    auto lines = DesignFileLines(DesignInputs{}, *ship, nullptr);
    EXPECT_EQ(*(std::find(lines.begin(), lines.end(), "[Turret1]") + 2), "Pos=Y");
}

TEST(DesignFileWrite, ClassNamesThatCannotBecomeFileNamesAreRefused) {
    // A trailing blank is kept; device names are refused only whole.
    for (const char* fine : {"Dreadnought", "Lützow ", "Console"})
        EXPECT_EQ(ClassNameProblem(fine), std::nullopt) << fine;
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
