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

using Json = nlohmann::ordered_json;

} // namespace

int runCompare(const Args& args) {
    VerbOptions options("compare");
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
