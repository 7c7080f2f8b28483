// sdftool explore: every combination of a few inputs of a design, and the
// variants that fit and that no other variant beats on every objective.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "explore/Explore.h"
#include "platform/Encoding.h"
#include "platform/NumberText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

using Json = nlohmann::ordered_json;

std::string padLeft(const std::string& text, size_t width) {
    const size_t n = platform::utf8Length(text);
    return n >= width ? " " + text : std::string(width - n, ' ') + text;
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string objectiveText(const ExploreObjective& o, double v) {
    if (o.Kind != ObjectiveKind::Hits) return number(v);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
}

Json valueJson(double v) {
    if (v == static_cast<double>(static_cast<std::int64_t>(v))) return static_cast<std::int64_t>(v);
    return v;
}

void printFrontJson(const ExploreRequest& request, const ExploreResult& result) {
    for (const ExploreVariant& v : result.Front) {
        Json line;
        Json inputs = Json::object(), objectives = Json::object();
        for (size_t k = 0; k < request.Ranges.size(); ++k)
            inputs[InfoOf(request.Ranges[k].Input).Key] = valueJson(DisplayValue(request.Ranges[k].Input, v.Values[k]));
        for (size_t k = 0; k < request.Objectives.size(); ++k)
            objectives[request.Objectives[k].Text] = valueJson(v.Objectives[k]);
        line["Inputs"] = inputs;
        line["Objectives"] = objectives;
        line["TotalWeight"] = v.TotalWeight;
        line["Displacement"] = v.Displacement;
        std::printf("%s\n", line.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
    }
    Json summary;
    summary["Evaluated"] = result.Evaluated;
    summary["Feasible"] = result.Feasible;
    summary["Front"] = result.Front.size();
    summary["Seconds"] = std::round(result.Seconds * 1000) / 1000;
    std::printf("%s\n", summary.dump().c_str());
}

// One right-aligned column per input and objective, sized to its widest cell.
void printFrontTable(const ExploreRequest& request, const ExploreResult& result) {
    std::vector<std::string> heads = {"#"};
    for (const auto& r : request.Ranges) heads.push_back(InfoOf(r.Input).Key);
    for (const auto& o : request.Objectives) heads.push_back(o.Text);
    heads.push_back("Total");
    heads.push_back("Displ.");
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < result.Front.size(); ++i) {
        const ExploreVariant& v = result.Front[i];
        std::vector<std::string> row = {std::to_string(i + 1)};
        for (size_t k = 0; k < request.Ranges.size(); ++k)
            row.push_back(number(DisplayValue(request.Ranges[k].Input, v.Values[k])));
        for (size_t k = 0; k < request.Objectives.size(); ++k)
            row.push_back(objectiveText(request.Objectives[k], v.Objectives[k]));
        row.push_back(std::to_string(v.TotalWeight));
        row.push_back(std::to_string(v.Displacement));
        rows.push_back(row);
    }
    std::vector<size_t> widths;
    for (const auto& h : heads) widths.push_back(platform::utf8Length(h) + 1);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size() + 1);
    auto print = [&widths](const std::vector<std::string>& cells) {
        std::string line;
        for (size_t c = 0; c < cells.size(); ++c) line += padLeft(cells[c], widths[c]);
        std::printf("%s\n", line.c_str());
    };
    print(heads);
    for (const auto& row : rows) print(row);
    std::printf("%llu variants evaluated, %llu fit, %zu on the front, %.3f s\n",
                static_cast<unsigned long long>(result.Evaluated), static_cast<unsigned long long>(result.Feasible),
                result.Front.size(), result.Seconds);
}

// Each variant of the front as a design file named after the base class.
int writeBestVariants(const std::string& folder, const ExploreBase& base, const ProgramData& data,
                      const ExploreRequest& request, const ExploreResult& result) {
    int status = 0;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (size_t i = 0; i < result.Front.size(); ++i) {
        int turrets = 0;
        DesignInputs in = VariantInputs(base, request.Ranges, result.Front[i].Values, &turrets);
        in.Name = base.Record.ClassName + " " + std::to_string(i + 1);
        const std::string path = (std::filesystem::path(folder) / (in.Name + ".sdf")).string();
        if (!WriteVariantFile(path, base, data, in, turrets)) {
            std::fprintf(stderr, "sdftool explore: cannot write '%s'\n", path.c_str());
            status = 1;
        }
    }
    return status;
}

struct ExploreOptions {
    ExploreRequest Request;
    bool Json = false;
    std::string WriteBest;
    std::int32_t Threads = 0;
};

void declareExploreOptions(VerbOptions& options, ExploreOptions& o) {
    ExploreRequest& request = o.Request;
    options.Flag("--json", o.Json);
    options.Integer("--threads", o.Threads);
    options.Text("--write-best", o.WriteBest);
    options.Value("--year", YearOption(request.Year));
    options.Value("--vary", [&request](const std::string& v) -> std::optional<std::string> {
        std::string why;
        const auto range = ParseVary(v, request.Ranges, &why);
        if (!range) return why;
        request.Ranges.push_back(*range);
        return std::nullopt;
    });
    options.Value("--objective", [&request](const std::string& v) -> std::optional<std::string> {
        std::string why;
        const auto objective = ParseObjective(v, &why);
        if (!objective) return why;
        request.Objectives.push_back(*objective);
        return std::nullopt;
    });
}

// The usage faults a grid can have before any design is read.
std::optional<int> exploreUsageProblem(VerbOptions& options, ExploreOptions& o) {
    if (options.Files.size() != 1) return options.UsageError("one base design file is needed");
    if (o.Request.Ranges.empty()) return options.UsageError("nothing to vary: give --vary KEY=FROM:TO[:STEP]");
    if (o.Request.Objectives.empty()) return options.UsageError("no objective: give --objective OBJ");
    if (o.Threads < 0 || o.Threads > 256)
        return options.UsageError("--threads must lie within 0 .. 256 (0: every core)");
    o.Request.Threads = static_cast<unsigned>(o.Threads);
    if (auto problem = GridProblem(o.Request.Ranges)) return options.UsageError(*problem);
    return std::nullopt;
}

} // namespace

int runExplore(const Args& args) {
    VerbOptions options("explore");
    ExploreOptions o;
    declareExploreOptions(options, o);
    if (auto exit = options.Parse(args)) return *exit;
    if (auto exit = exploreUsageProblem(options, o)) return *exit;
    const ExploreRequest& request = o.Request;

    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    std::string why;
    const auto base = ReadExploreBase(ReadDesignRecord(options.Files[0]), data, &why);
    if (!base) {
        std::fprintf(stderr, "sdftool explore: %s\n", why.c_str());
        return 1;
    }
    for (const auto& r : request.Ranges)
        if (auto problem = RangeProblem(r, base->Turrets)) return options.UsageError(*problem);

    const ExploreResult result = RunExplore(data, *base, request);
    if (!result.Problem.empty()) {
        std::fprintf(stderr, "sdftool explore: %s\n", result.Problem.c_str());
        return 1;
    }
    if (o.Json) printFrontJson(request, result);
    else printFrontTable(request, result);
    return o.WriteBest.empty() ? 0 : writeBestVariants(o.WriteBest, *base, data, request, result);
}
