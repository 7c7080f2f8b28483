// sdftool compare: two designs side by side, as text or JSON.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"
#include "sdftool/JsonOut.h"

#include "designfile/DesignCheck.h"
#include "designfile/DesignRecord.h"
#include "sheets/DesignCompare.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace {

const char* kCompareUsage = "Usage: sdftool compare [--json] [--data DIR] FIRST.sdf SECOND.sdf\n"
                            "\n"
                            "Reads both designs as the design form loads them, builds each as a fighting\n"
                            "ship and prints one row per input and per figure: group, figure, the first\n"
                            "design's value, the second's, and for numbers the signed difference (second\n"
                            "less first). A \"*\" marks the rows that differ. Notes above the table say when\n"
                            "both are the same design or differ in nation or type.\n"
                            "--json prints {\"First\", \"Second\", \"Notes\", \"Rows\": [{\"Group\", \"Figure\",\n"
                            "\"First\", \"Second\", \"Difference\", \"Differs\"}]} instead.\n"
                            "Exit status: 0 compared, 1 a file could not be read, is not a design or holds\n"
                            "values outside what the form accepts (the reason on standard error), 2 usage\n"
                            "error.\n";

using Json = nlohmann::ordered_json;

} // namespace

int runCompare(const Args& args) {
    VerbOptions options("compare", kCompareUsage);
    bool json = false;
    options.Flag("--json", json);
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.size() != 2) return options.UsageError("two design files are needed");
    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    DesignSummary summaries[2];
    for (int i = 0; i < 2; ++i) {
        const DesignRecord record = ReadDesignRecord(options.Files[static_cast<size_t>(i)]);
        // The same gate as every computation: figures of values the form would not make mean nothing.
        if (const auto refusal = DesignRefusal(record)) {
            std::fprintf(stderr, "sdftool compare: %s\n", refusal->c_str());
            return 1;
        }
        summaries[i] = BuildDesignSummary(record, data);
    }
    const DesignComparison c = CompareDesigns(summaries[0], summaries[1]);
    if (!json) {
        std::fputs(RenderComparisonText(c).c_str(), stdout);
        return 0;
    }
    Json j;
    j["First"] = {{"File", options.Files[0]}, {"ClassName", summaries[0].ClassName}};
    j["Second"] = {{"File", options.Files[1]}, {"ClassName", summaries[1].ClassName}};
    j["Notes"] = c.Notes;
    Json rows = Json::array();
    for (const auto& r : c.Rows)
        rows.push_back({{"Group", r.Group},
                        {"Figure", r.Label},
                        {"First", r.A},
                        {"Second", r.B},
                        {"Difference", r.Difference},
                        {"Differs", r.Differs}});
    j["Rows"] = rows;
    std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
    std::printf("%s\n", text.c_str());
    return 0;
}
