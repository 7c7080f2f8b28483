// Ship sheets and design comparisons: the summary, its renderings, the
// comparison rows, the atomic export writer and the sdftool verbs.
#include "tests/core/TestSupport.h"

#include "designfile/DesignRecord.h"
#include "platform/FileSystem.h"
#include "sheets/DesignCompare.h"
#include "sheets/SheetRender.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

using testsupport::bundledData;
using testsupport::programDir;

namespace {

DesignSummary sample(const std::string& name) {
    return BuildDesignSummary(ReadDesignRecord(programDir() + "Designs/" + name + ".sdf"), bundledData());
}

DesignSummary inMemory(const std::vector<std::string>& lines, const std::string& name = "Test<&>") {
    return BuildDesignSummary(ParseDesignRecord(lines, name), bundledData());
}

const SummaryFigure* figure(const DesignSummary& s, const std::string& label) {
    for (const auto& f : s.Figures)
        if (f.Label == label) return &f;
    return nullptr;
}

const CompareRow& row(const DesignComparison& c, const std::string& label) {
    for (const auto& r : c.Rows)
        if (r.Label == label) return r;
    static const CompareRow none;
    return none;
}

} // namespace

TEST(Sheet, GroupsThousandsAndKeepsHalfInches) {
    for (auto [n, text] : {std::pair<std::int64_t, const char*>{0, "0"},
                           {999, "999"},
                           {1000, "1,000"},
                           {18100, "18,100"},
                           {-1234567, "-1,234,567"}})
        EXPECT_EQ(GroupedNumber(n), text);
    EXPECT_EQ(GroupedNumber(5.5, 1), "5.5");
    EXPECT_EQ(GroupedNumber(-0.5, 1), "-0.5");
    EXPECT_EQ(GroupedNumber(1234.0, 0), "1,234");
}

TEST(Sheet, SummarisesASampleInEveryFormat) {
    const DesignSummary s = sample("Dreadnought");
    ASSERT_TRUE(s.Readable);
    EXPECT_EQ(s.Description, "18,100 t, 21 kn, 10 \u00d7 12 in, belt 11 in");
    EXPECT_EQ(SheetSubtitle(s), "Great Britain \u00b7 Battleship (BB)");
    EXPECT_TRUE(s.FightingShipBuilt);
    EXPECT_TRUE(s.Problems.empty());
    EXPECT_EQ(figure(s, "Total weight")->Text, GroupedNumber(std::int64_t{s.TotalWeight}) + " t");
    EXPECT_EQ(figure(s, "Broadside guns")->Text, "8"); // the far wing turret cannot bear
    const std::string text = RenderSheet(s, SheetFormat::Text);
    EXPECT_NE(text.find("A - Forward"), std::string::npos);
    EXPECT_NE(text.find("No problems found."), std::string::npos);
    EXPECT_NE(RenderSheet(s, SheetFormat::Markdown).find("| Hull | 5,157 t | 28% |"), std::string::npos);
    EXPECT_NE(RenderSheet(s, SheetFormat::Html).find("<h1>Dreadnought</h1>"), std::string::npos);
}

TEST(Sheet, EverySampleBuildsWithoutProblems) {
    for (const auto& entry : std::filesystem::directory_iterator(programDir() + "Designs")) {
        if (entry.path().extension() != ".sdf") continue;
        const DesignSummary s = BuildDesignSummary(ReadDesignRecord(entry.path().string()), bundledData());
        EXPECT_TRUE(s.FightingShipBuilt && s.Problems.empty()) << entry.path();
        EXPECT_FALSE(RenderSheet(s, SheetFormat::Markdown).empty());
    }
}

TEST(Sheet, BadDesignsGiveAPlainSheet) {
    // No guns, no turrets, a speed the speed-power rule refuses, a name
    // that needs escaping, and a nation the fighting ship cannot have.
    const DesignSummary s = inMemory({"[Data]", "Displacement=1000", "Speed=10", "Nation=0", "ShipType=DD"});
    EXPECT_EQ(s.Description, "1,000 t, 10 kn");
    EXPECT_FALSE(s.Problems.empty());
    EXPECT_NE(RenderSheet(s, SheetFormat::Text).find("No guns or torpedoes"), std::string::npos);
    EXPECT_NE(RenderSheet(s, SheetFormat::Html).find("Test&lt;&amp;&gt;"), std::string::npos);
    EXPECT_NE(RenderSheet(s, SheetFormat::Markdown).find("# Test\\<&\\>"), std::string::npos);

    const DesignSummary noNation = inMemory({"[Data]", "Nation=-1"});
    EXPECT_FALSE(noNation.FightingShipBuilt);
    EXPECT_NE(RenderSheet(noNation, SheetFormat::Text).find("Illegal nation value! Class: Test<&>"), std::string::npos);
    EXPECT_FALSE(BuildDesignSummary(ReadDesignRecord("/no/such/file.sdf"), bundledData()).Readable);
}

TEST(Compare, RowsCarrySignedDifferencesAndNotes) {
    const DesignComparison c = CompareDesigns(sample("Dreadnought"), sample("Nassau"));
    for (auto [label, difference] : {std::pair{"Displacement", "+470 t"}, {"Belt", "+0.5 in"}, {"Speed", "-2 kn"}})
        EXPECT_TRUE(row(c, label).Differs && row(c, label).Difference == difference) << label;
    EXPECT_FALSE(row(c, "Type").Differs);
    ASSERT_EQ(c.Notes.size(), 1u);
    EXPECT_EQ(c.Notes[0], "The designs belong to different nations: Great Britain and Germany.");

    const DesignComparison same = CompareDesigns(sample("Nassau"), sample("Nassau"));
    EXPECT_EQ(same.Notes, std::vector<std::string>{"Both sides are the same design: nothing differs."});
    const std::string text = RenderComparisonText(same);
    EXPECT_EQ(text.find("\n* "), std::string::npos); // no row marked
}

TEST(ExportWriter, ReplacesWholeFilesAndSaysWhyItCannot) {
    testsupport::TempDir dir;
    const std::string file = dir.write("sheet.md", "old");
    EXPECT_TRUE(platform::writeBytes(file, "new sheet"));
    EXPECT_EQ(dir.read("sheet.md"), "new sheet");
    std::string why;
    EXPECT_FALSE(platform::writeBytes(dir.path() + "missing/sheet.md", "x", &why));
    EXPECT_EQ(why, "No such file or directory");
    EXPECT_FALSE(platform::writeBytes(dir.path(), "x", &why));
    EXPECT_EQ(why, "it is a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // no temporary left
}

TEST(SdftoolShare, CompareAndSheet) {
    testsupport::TempDir dir;
    const std::string a = programDir() + "Designs/Dreadnought.sdf", b = programDir() + "Designs/Nassau.sdf";
    auto r = testsupport::runTool({"compare", "--data", programDir(), a, b}, dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("* Design         Displacement"), std::string::npos);
    r = testsupport::runTool({"compare", "--json", "--data", programDir(), a, b}, dir);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["Rows"][2]["Difference"], "+470 t");
    EXPECT_EQ(testsupport::runTool({"compare", "--data", programDir(), a, "/no/such.sdf"}, dir).status, 1);
    EXPECT_EQ(testsupport::runTool({"compare", a}, dir).status, 2);

    for (const char* format : {"text", "md", "html", "pdf"}) {
        const std::string out = dir.path() + "sheet." + format;
        r = testsupport::runTool({"sheet", "--data", programDir(), a, "--format", format, "--out", out}, dir);
        if (r.err.find("this build has no Qt") != std::string::npos) continue; // the sanitizer tree
        EXPECT_EQ(r.status, 0) << format << r.err;
        EXPECT_GT(std::filesystem::file_size(out), 500u) << format;
    }
    r = testsupport::runTool({"sheet", "--data", programDir(), a, "--out", dir.path() + "no/such/dir.txt"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("No such file or directory"), std::string::npos);
}
