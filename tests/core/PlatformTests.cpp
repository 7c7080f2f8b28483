#include "TestSupport.h"
#include "platform/DayNumber.h"
#include "platform/DesignFolders.h"
#include "platform/Encoding.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/Round.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace platform;

TEST(Round, HalvesGoToTheEvenNeighbour) {
    for (auto [x, n] : std::vector<std::pair<long double, std::int64_t>>{
             {0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {1338.5L, 1338}, {1471.8L, 1472}, {138.6L, 139}})
        EXPECT_EQ(Round(x), n) << static_cast<double>(x);
    // Hostile magnitudes saturate instead of overflowing.
    EXPECT_EQ(Round32(1e30L), INT32_MAX);
    EXPECT_EQ(Round32(-1e30L), INT32_MIN);
    EXPECT_EQ(Round(std::nanl("")), 0);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Mod(-7, 2), -1);
    EXPECT_EQ(Div(5, 0), 0);
}

// The rounding as it was first written, through nearbyintl: the faster one
// must agree with it on every edge.
TEST(Round, AgreesWithNearbyintOnEdges) {
    auto reference = [](long double x) -> std::int64_t {
        if (std::isnan(x)) return 0;
        const long double r = std::nearbyintl(x);
        if (r <= -0x1p63L) return INT64_MIN;
        if (r >= 0x1p63L - 1) return INT64_MAX;
        return static_cast<std::int64_t>(r);
    };
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double values[] = {
        0.0L,
        -0.0L,
        0.5L,
        -0.5L,
        1.5L,
        -1.5L,
        2.5L,
        -2.5L,
        0.49999999999999999995L,
        -0.5000000000000000001L,
        0x1p52L + 0.5L,
        -(0x1p52L + 0.5L),
        0x1p62L + 0.5L,
        -(0x1p62L + 1.5L),
        0x1p63L - 1,
        0x1p63L - 2,
        0x1p63L,
        -0x1p63L,
        -0x1p63L + 1,
        -0x1p63L - 1,
        0x1p64L - 1,
        0x1p64L,
        -0x1p64L,
        1e30L,
        -1e30L,
        std::numeric_limits<long double>::max(),
        std::numeric_limits<long double>::denorm_min(),
        inf,
        -inf,
        std::nanl(""),
        -std::nanl(""),
    };
    std::vector<long double> edges(std::begin(values), std::end(values));
    // Just below and above whole numbers and halves, of both signs, up to
    // the limits of the 32- and 64-bit fields.
    for (long double base : {0.0L, 1.0L, 0.5L, 2.5L, 1e6L + 0.5L, 0x1p31L - 1, 0x1p31L - 0.5L, 0x1p31L, 0x1p53L + 1,
                             0x1p62L + 0.5L, 0x1p63L - 1.5L, 0x1p63L - 1})
        for (long double x : {base, -base})
            for (long double toward : {-inf, inf}) edges.push_back(std::nextafterl(x, toward));
    for (long double x : edges) {
        EXPECT_EQ(Round(x), reference(x)) << static_cast<double>(x);
        EXPECT_EQ(RoundToWhole(x), static_cast<long double>(reference(x))) << static_cast<double>(x);
        EXPECT_EQ(Round32(x), std::clamp<std::int64_t>(reference(x), INT32_MIN, INT32_MAX)) << static_cast<double>(x);
    }
}

TEST(Paths, SeparatorsAndLetterCase) {
    EXPECT_EQ(normalizeSeparators("C:\\prog\\\\Data\\Nations.dat"), "C:/prog/Data/Nations.dat");
    EXPECT_EQ(normalizeSeparators("/opt/x//Data/\\Torpedodata.dat"), "/opt/x/Data/Torpedodata.dat");
    EXPECT_EQ(fileNameOf("C:\\a\\b\\Foo.sdf"), "Foo.sdf");

    testsupport::TempDir dir;
    dir.write("Custom Files/Ship.sdf", "x");
    // "Custom files" is also asked for; the real folder is found.
    EXPECT_EQ(resolvePath(dir.path() + "\\Custom files\\Ship.sdf"), dir.path() + "Custom Files/Ship.sdf");
    EXPECT_TRUE(fileExists(dir.path() + "custom FILES/ship.SDF"));
    // A name that matches nothing is kept, so a new file can be made there.
    EXPECT_EQ(resolvePath(dir.path() + "Custom files/New.sdf"), dir.path() + "Custom Files/New.sdf");
    EXPECT_FALSE(fileExists(dir.path() + "Nowhere/Ship.sdf"));
}

// Every list of designs reads these folders: the bundled ones, both Custom
// Files, then the folders the settings hold, each folder that exists once.
TEST(Paths, OneListOfDesignFolders) {
    testsupport::TempDir dir;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", (dir.path() + "xdg").c_str(), 1);
    for (const char* folder : {"prog/Designs", "prog/Custom Files", "xdg/shipdesigner/Custom Files", "added"})
        dir.write(std::string(folder) + "/x.sdf", "x");
    const std::string prog = dir.path() + "prog/";
    const std::vector<std::string> folders =
        DesignFolders(prog, {dir.path() + "added", dir.path() + "gone", prog + "Designs/../Designs", ""});
    EXPECT_EQ(folders, (std::vector<std::string>{prog + "Designs", prog + "Custom Files",
                                                 dir.path() + "xdg/shipdesigner/Custom Files", dir.path() + "added"}));
    EXPECT_EQ(BundledDesignsFolder(prog), prog + "Designs");
    EXPECT_EQ(SaveFolder(prog), prog + "Custom Files"); // the program's folder can be written
    if (old) setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
}

// The extension typed chooses the kind of file written; a name without one
// of the offered extensions gets the chosen kind's.
TEST(FileDialogs, TheTypedExtensionChoosesTheKindOfFile) {
    SaveFileRequest request;
    request.filters = {"PDF, A4|*.pdf", "PDF, Letter|*.pdf", "HTML|*.html;*.htm", "Markdown|*.md", "CSV|*.csv"};
    struct Case {
        SaveFileChoice typed, written;
    };
    for (const Case& c : std::vector<Case>{{{"/out/cmp.html", 0}, {"/out/cmp.html", 2}},
                                           {{"/out/cmp.HTM", 1}, {"/out/cmp.HTM", 2}},
                                           {{"/out/cmp.pdf", 1}, {"/out/cmp.pdf", 1}},
                                           {{"/out/cmp.pdf", 4}, {"/out/cmp.pdf", 0}},
                                           {{"/out/cmp", 4}, {"/out/cmp.csv", 4}},
                                           {{"/v1.2/Dreadnought v1.2", 3}, {"/v1.2/Dreadnought v1.2.md", 3}}}) {
        const SaveFileChoice written = MatchTypedExtension(request, c.typed);
        EXPECT_EQ(written.path, c.written.path) << c.typed.path;
        EXPECT_EQ(written.filter, c.written.filter) << c.typed.path;
    }
}

TEST(Encoding, Windows1252RoundTrip) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    std::string utf8 = cp1252ToUtf8(bytes);
    auto back = utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, bytes);
    EXPECT_EQ(cp1252ToUtf8("\x80\xBD"), "\xE2\x82\xAC\xC2\xBD"); // € ½
    EXPECT_EQ(firstUnencodable("Kongō"), std::optional<std::string>("ō"));
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value()); // truncated sequence
    EXPECT_EQ(utf8Left("Malmö x", 5), "Malmö");
}

TEST(DayNumber, EpochAndKnownDates) {
    EXPECT_EQ(dayNumberFromDate({1899, 12, 30}), 0);
    EXPECT_EQ(dateFromDayNumber(10000), (CivilDate{1927, 5, 18}));
    EXPECT_EQ(dayNumberFromDate({2012, 11, 11}), 41224);
    for (int n : {-1000, 59, 60, 61, 90000}) EXPECT_EQ(dayNumberFromDate(dateFromDayNumber(n)), n);
    EXPECT_GT(todayDayNumber(), 40000);
}

TEST(Random, SeededIsRepeatableAndScriptedPlaysBack) {
    SeededRandom a(42), b(42);
    for (int i = 0; i < 100; ++i) {
        const int x = a.next(100);
        EXPECT_TRUE(x == b.next(100) && x >= 0 && x < 100);
    }
    EXPECT_EQ(a.next(0), 0);
    ScriptedRandom s;
    s.push(7);
    s.push(250);
    EXPECT_EQ(s.next(100), 7);
    EXPECT_EQ(s.next(100), 50);
    EXPECT_EQ(s.next(100), 0);
    EXPECT_EQ(s.draws, 3);
}

TEST(NumberText, DecimalHexAndFailures) {
    for (auto [text, n] : std::vector<std::pair<const char*, std::int32_t>>{{"42", 42},
                                                                            {" 5", 5},
                                                                            {"$A", 10},
                                                                            {"0x1F", 31},
                                                                            {"x10", 16},
                                                                            {"-$10", -16},
                                                                            {"$FFFFFFFF", -1},
                                                                            {"-2147483648", INT32_MIN}})
        EXPECT_EQ(StrToInt(text), n) << text;
    for (const char* text : {"5 ", "2147483648", "yes", "", "-", "$", "99999999999999999999"})
        EXPECT_FALSE(StrToInt(text).has_value()) << text;
}
