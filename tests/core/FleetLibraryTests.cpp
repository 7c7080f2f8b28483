// The design library in Designs/: every class loads through the design form's
// reader and as a fighting ship, fits its displacement within the form's
// ranges, raises only the warnings Designs/README.md expects, is exactly what
// the writer writes, has funnels and superstructure on its plan, and names a
// picture the program carries.
#include "TestSupport.h"
#include "combat/FightShip.h"
#include "designfile/DesignFile.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The expected warnings of Designs/README.md: every line of the section
// "## Expected warnings" that starts with "- " is "- Class name: warning".
std::set<std::string> ExpectedWarnings() {
    std::set<std::string> expected;
    std::istringstream readme(ReadText(testsupport::sourceDir() + "Designs/README.md"));
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("## ", 0) == 0) inSection = line == "## Expected warnings";
        else if (inSection && line.rfind("- ", 0) == 0) expected.insert(line.substr(2));
    }
    return expected;
}

} // namespace

TEST(FleetLibrary, EveryClassFitsHasItsPlanAndItsPictureAndWarnsOnlyAsExpected) {
    const ProgramData& data = testsupport::bundledData();
    const std::set<std::string> expected = ExpectedWarnings();
    const std::string pictures = testsupport::sourceDir() + "pictures/";
    const std::string qrc = ReadText(pictures + "pictures.qrc");
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(testsupport::sourceDir() + "Designs"))
        if (e.path().extension() == ".sdf") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 72u);
    std::set<int> nations;
    std::set<std::string> types;
    int fastestBattleship = 0, slowestDestroyer = 99;
    for (const auto& file : files) {
        SCOPED_TRACE(file);
        DesignInputs in;
        TDesignShip ship(data);
        ship.ClearSpecials();
        for (const platform::Problem& p : LoadDesignInto(file, in, ship))
            EXPECT_TRUE(expected.count(in.Name + ": " + p.Text)) << p.Text;
        platform::RecordingMessages messages;
        TFightingShip fighting(nullptr);
        EXPECT_TRUE(fighting.LoadFromDesignFile(file, messages));
        for (const auto& text : messages.texts()) EXPECT_TRUE(expected.count(in.Name + ": " + text)) << text;
        EXPECT_LE(ship.Weights.TotalWeight, ship.Displacement);
        EXPECT_GT(ship.Horsepower, 0);
        const std::string name = std::filesystem::path(file).filename().string();
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7F; }));
        for (int cal : {in.MainCal, in.SecCal, in.TerCal}) EXPECT_TRUE(cal >= 2 && cal <= 18) << cal;
        nations.insert(in.Nation);
        types.insert(in.TypeCode());
        if (in.TypeCode() == "BB") fastestBattleship = std::max(fastestBattleship, in.Speed);
        if (in.TypeCode() == "DD") slowestDestroyer = std::min(slowestDestroyer, in.Speed);

        // The plan: funnels (a coast battery has none) and superstructure,
        // the same in both readers, and the file exactly what the form writes.
        const bool battery = in.TypeCode() == "LT";
        const int funnels = static_cast<int>(std::count_if(fighting.Funnels.begin() + 1, fighting.Funnels.end(),
                                                           [](const TFunnel& f) { return f.Pos != 0; }));
        EXPECT_EQ(funnels == 0, battery);
        EXPECT_EQ(in.FunnelPos[0] == "0", battery);
        EXPECT_GT(fighting.Superstructure[0][0].Distance, 0);
        EXPECT_EQ(fighting.Superstructure[0][0].Angle, ship.Superstructure[0][0].Angle);
        DesignOutlines outlines{ship.Superstructure, in.OutlineIsLine};
        std::string written;
        for (const auto& line : DesignFileLines(in, ship, &outlines)) written += line + "\r\n";
        EXPECT_EQ(written, ReadText(file));

        // The picture: a JPEG in pictures/ under the upper-case name, listed
        // in the resource file the program is built with.
        std::string picture = in.PicName;
        std::transform(picture.begin(), picture.end(), picture.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        ASSERT_FALSE(picture.empty());
        EXPECT_TRUE(std::filesystem::exists(pictures + picture + ".jpg")) << picture;
        EXPECT_NE(qrc.find("alias=\"" + picture + "\">" + picture + ".jpg<"), std::string::npos) << picture;
    }
    EXPECT_EQ(nations.size(), 10u); // every nation but Generic
    EXPECT_EQ(types.size(), 11u);   // every ship type
    EXPECT_EQ(nations.count(10), 0u);
    // Destroyers outrun the battleships they screened.
    EXPECT_GE(slowestDestroyer, fastestBattleship + 5);
}

// The list of expected warnings is read line by line; a class may expect
// several, and nothing outside its section counts.
TEST(FleetLibrary, ExpectedWarningsComeOnlyFromTheirSection) {
    for (const auto& entry : ExpectedWarnings()) {
        SCOPED_TRACE(entry);
        const size_t colon = entry.find(": ");
        ASSERT_NE(colon, std::string::npos);
        EXPECT_TRUE(std::filesystem::exists(testsupport::sourceDir() + "Designs/" + entry.substr(0, colon) + ".sdf"));
    }
}
