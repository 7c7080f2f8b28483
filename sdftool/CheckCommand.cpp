// sdftool check: a table of designs with their weights and every message,
// failing when any design is overweight, raises a message or cannot be read.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "designfile/DesignCheck.h"
#include "nations/Nations.h"
#include "platform/Encoding.h"
#include "platform/Paths.h"

#include <cstdio>

namespace {

// Pads a UTF-8 text with blanks to a width in characters.
std::string Pad(const std::string& text, size_t width) {
    size_t n = platform::utf8Length(text);
    return n >= width ? text + " " : text + std::string(width - n, ' ');
}

std::string PadLeft(const std::string& text, size_t width) {
    size_t n = platform::utf8Length(text);
    return n >= width ? " " + text : std::string(width - n, ' ') + text;
}

// Multi-line messages stay on their row of the table.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

} // namespace

int runCheck(const Args& args) {
    VerbOptions options("check");
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.empty()) return options.UsageError("no design file or folder given");
    ProgramData data;
    const bool dataOk = LoadToolData(options.ProgramDir, data);
    if (!dataOk) std::fputs("sdftool check: the data tables could not be loaded; weights are not meaningful\n", stderr);

    const std::vector<std::string> files = CollectDesignFiles(options.Files, "check");
    int ok = 0, overweight = 0, warned = 0, unreadable = 0;
    std::printf("%s%s%s%s%s%s%s\n", Pad("Class", 28).c_str(), Pad("Type", 6).c_str(), Pad("Nation", 18).c_str(),
                PadLeft("Displ.", 8).c_str(), PadLeft("Total", 8).c_str(), PadLeft("Spare", 8).c_str(), "  Status");
    for (const auto& file : files) {
        DesignRun run = RunDesign(file, data);
        if (!run.readable) {
            ++unreadable;
            std::printf("%s%s\n", Pad(platform::fileNameOf(file), 28 + 6 + 18 + 24).c_str(),
                        run.notDesign.empty() ? "  unreadable" : "  not a design");
            ReportUnreadable("check", file);
            continue;
        }
        const DesignInputs& in = run.inputs;
        const TDesignShip& s = *run.ship;
        const std::int32_t total = s.Weights.TotalWeight;
        // The design form's "Design check" list, reduced to its status words.
        // The file's own problems name each illegal value by its key, so the
        // form's turret and mount items would only repeat them.
        std::vector<DesignProblem> problems;
        for (DesignProblem& p : CheckDesign(in, s))
            if (p.kind != ProblemKind::IllegalValue) problems.push_back(std::move(p));
        problems.insert(problems.end(), run.fileProblems.begin(), run.fileProblems.end());
        const DesignStatus check = StatusOf(problems, !run.problems.Empty());
        const std::string status = check.Text();
        ok += check.Ok();
        overweight += check.overweight;
        warned += check.warnings;
        const TNation* n = data.Nation(in.Nation);
        const std::string nation = n ? n->Name : "-";
        const std::string type = in.TypeCode().empty() ? "-" : in.TypeCode();
        std::printf("%s%s%s%s%s%s  %s\n", Pad(in.Name, 28).c_str(), Pad(type, 6).c_str(),
                    Pad(nation.empty() ? "-" : nation, 18).c_str(), PadLeft(std::to_string(s.Displacement), 8).c_str(),
                    PadLeft(std::to_string(total), 8).c_str(),
                    PadLeft(std::to_string(static_cast<std::int64_t>(s.Displacement) - total), 8).c_str(),
                    status.c_str());
        for (const DesignProblem& p : problems)
            if (p.kind == ProblemKind::SaveRefusal) std::printf("    not saveable: %s\n", OneLine(p.text).c_str());
        for (const platform::Problem& p : run.problems)
            std::printf("    %s: %s\n", platform::messageKindName(p.Kind), OneLine(p.Text).c_str());
        for (const DesignProblem& p : run.fileProblems)
            std::printf("    %s: %s\n", p.kind == ProblemKind::IllegalValue ? "illegal" : "incomplete",
                        OneLine(p.text).c_str());
    }
    std::printf("%zu designs: %d ok, %d overweight, %d with warnings, %d unreadable\n", files.size(), ok, overweight,
                warned, unreadable);
    return (ok == static_cast<int>(files.size()) && dataOk) ? 0 : 1;
}
