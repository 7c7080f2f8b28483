// The design library's rows: `sdftool list` in its three forms, and the
// sorting, filtering and CSV reading the library window relies on.
#include "tests/core/TestSupport.h"

#include "formats/Csv.h"
#include "library/DesignLibrary.h"
#include "sheets/DesignCompare.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <numeric>
#include <sstream>

using testsupport::programDir;
using testsupport::runTool;

// Every bundled design and one file that is not a design: the JSON lines
// and the CSV hold the same cells, the garbage row names its reason and the
// exit status is 1; descending point value puts the garbage last.
TEST(SdftoolList, JsonAndCsvAgreeAndGarbageIsListedWithItsReason) {
    testsupport::TempDir dir;
    const std::string garbage = dir.write("Garbage.sdf", "this is not,\n\"a design\"\n");
    const std::string designs = programDir() + "Designs";
    const auto json =
        runTool({"list", "--data", programDir(), designs, garbage, "--json", "--sort", "-PointValue"}, dir);
    const auto csv = runTool({"list", "--data", programDir(), designs, garbage, "--csv", "--sort", "-PointValue"}, dir);
    ASSERT_EQ(json.status, 1);
    ASSERT_EQ(csv.status, 1);
    EXPECT_NE(json.err.find("Garbage.sdf is not a ship design file: no [Data] section"), std::string::npos) << json.err;

    const auto records = ParseCsv(csv.out);
    std::vector<nlohmann::json> objects;
    std::istringstream lines(json.out);
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(records.size(), 81u); // the header, 79 designs, the garbage
    ASSERT_EQ(objects.size(), 80u);
    ASSERT_EQ(records[0].size(), static_cast<size_t>(kLibraryColumns));
    for (size_t r = 0; r < objects.size(); ++r)
        for (int c = 0; c < kLibraryColumns; ++c) {
            const auto& value = objects[r][records[0][static_cast<size_t>(c)]];
            const std::string& cell = records[r + 1][static_cast<size_t>(c)];
            if (value.is_string()) EXPECT_EQ(value.get<std::string>(), cell);
            else if (value.is_null()) EXPECT_EQ(cell, "");
            else EXPECT_DOUBLE_EQ(value.get<double>(), std::stod(cell)) << records[0][static_cast<size_t>(c)];
        }
    EXPECT_EQ(objects.back()["File"], garbage);
    EXPECT_EQ(objects.back()["Status"], "Garbage.sdf is not a ship design file: no [Data] section");
    for (size_t r = 1; r + 1 < objects.size(); ++r)
        EXPECT_GE(objects[r - 1]["PointValue"].get<long>(), objects[r]["PointValue"].get<long>());
    const auto dreadnought =
        std::find_if(objects.begin(), objects.end(), [](const auto& o) { return o["ClassName"] == "Dreadnought"; });
    ASSERT_NE(dreadnought, objects.end());
    EXPECT_EQ((*dreadnought)["MainGuns"], "10 x 12 in");
    EXPECT_EQ((*dreadnought)["Belt"], 11);

    const auto table = runTool({"list", "--data", programDir(), designs, "--sort", "Displacement"}, dir);
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 80);
    EXPECT_EQ(runTool({"list", designs, "--sort", "Colour"}, dir).status, 2);
    EXPECT_EQ(runTool({"list", designs, "--csv", "--json"}, dir).status, 2);
}

TEST(DesignLibrary, SortsAndFiltersRows) {
    auto row = [](const char* cls, const char* nation, const char* type, int displacement, int guns, int calibre) {
        LibraryRow r;
        r.File = std::string("/d/") + cls + ".sdf";
        r.ClassName = cls;
        r.IsDesign = true;
        r.Nation = nation;
        r.Type = type;
        r.Displacement = displacement;
        r.MainGunCount = guns;
        r.MainCalibre = calibre;
        return r;
    };
    LibraryRow broken;
    broken.File = "/d/broken.sdf";
    broken.ClassName = "broken";
    const std::vector<LibraryRow> rows{row("Nassau", "Germany", "BB", 18570, 12, 11), broken,
                                       row("Dreadnought", "Great Britain", "BB", 18100, 10, 12),
                                       row("Invincible", "Great Britain", "BC", 17250, 8, 12)};
    struct Case {
        LibraryColumn column;
        bool descending;
        std::vector<size_t> order;
    };
    for (const Case& c : std::vector<Case>{{LibraryColumn::ClassName, false, {1, 2, 3, 0}},
                                           {LibraryColumn::Displacement, false, {3, 2, 0, 1}},
                                           {LibraryColumn::Displacement, true, {0, 2, 3, 1}},
                                           {LibraryColumn::MainGuns, true, {2, 3, 0, 1}}}) {
        std::vector<size_t> order(rows.size());
        std::iota(order.begin(), order.end(), 0);
        SortLibraryOrder(rows, order, c.column, c.descending);
        EXPECT_EQ(order, c.order) << LibraryColumnName(c.column) << c.descending;
    }
    struct FilterCase {
        LibraryFilter filter;
        std::vector<size_t> shown;
    };
    for (const FilterCase& c : std::vector<FilterCase>{{{"brit", "", "", {}, {}}, {2, 3}},
                                                       {{"", "", "BB", {}, {}}, {0, 2}},
                                                       {{"", "Great Britain", "", 17500, {}}, {2}},
                                                       {{"", "", "", {}, 18200}, {2, 3}},
                                                       {{"BROKEN", "", "", {}, {}}, {1}}})
        EXPECT_EQ(FilterLibraryRows(rows, c.filter), c.shown) << c.filter.Search;
    EXPECT_EQ(LibraryColumnFromName("pointvalue"), LibraryColumn::PointValue);
}

TEST(DesignLibrary, CsvFieldsSurviveQuotesCommasAndLineBreaks) {
    const std::vector<std::string> fields{"plain", "a,b", "say \"no\"", "two\nlines", ""};
    const auto parsed = ParseCsv(CsvLine(fields) + "\r\n" + CsvLine({"x"}) + "\n");
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0], fields);
    EXPECT_EQ(parsed[1], std::vector<std::string>{"x"});
}

// Each design's difference is from the first; a row differs when any value
// is not the first's; every format carries every design.
TEST(DesignLibrary, ComparesSeveralDesignsWithTheFirst) {
    std::vector<DesignSummary> designs;
    for (const char* name : {"Dreadnought", "Nassau", "Invincible", "Dreadnought"})
        designs.push_back(BuildDesignSummary(ReadDesignRecord(programDir() + "Designs/" + name + ".sdf"),
                                             testsupport::bundledData()));
    const ManyComparison c = CompareManyDesigns(designs);
    const auto row =
        std::find_if(c.Rows.begin(), c.Rows.end(), [](const auto& r) { return r.Label == "Displacement"; });
    ASSERT_NE(row, c.Rows.end());
    EXPECT_EQ(row->Values, (std::vector<std::string>{"18,100 t", "18,570 t", "17,250 t", "18,100 t"}));
    EXPECT_EQ(row->Differences, (std::vector<std::string>{"", "+470 t", "-850 t", ""}));
    EXPECT_TRUE(row->Differs);
    // A spreadsheet gets numbers, the unit with the figure; texts stay texts.
    const auto csv = ParseCsv(RenderManyComparison(c, ComparisonFormat::Csv));
    EXPECT_EQ(csv.size(), c.Rows.size() + 1);
    EXPECT_EQ(csv[0].size(), 2u + 4u + 3u);
    const auto csvRow = [&csv](const std::string& figure) {
        const auto at = std::find_if(csv.begin(), csv.end(), [&](const auto& r) { return r.at(1) == figure; });
        return at == csv.end() ? std::vector<std::string>{} : *at;
    };
    EXPECT_EQ(csvRow("Displacement (t)"), (std::vector<std::string>{"Design", "Displacement (t)", "18100", "18570",
                                                                    "470", "17250", "-850", "18100", "0"}));
    EXPECT_EQ(csvRow("Main guns"),
              (std::vector<std::string>{"Armament", "Main guns", "10", "12", "2", "8", "-2", "10", "0"}));
    EXPECT_EQ(csvRow("Nation").at(3), "Germany");
    for (auto format : {ComparisonFormat::Text, ComparisonFormat::Markdown, ComparisonFormat::Html})
        EXPECT_NE(RenderManyComparison(c, format).find("Invincible"), std::string::npos);
}
