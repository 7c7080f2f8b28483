// sdftool: check, report on and render ship design files from the command line.
#include "platform/Version.h"
#include "sdftool/Commands.h"
#include "sdftool/Verbs.h"

#include <cstdio>
#include <string_view>

namespace {

using Runner = int (*)(const Args&);

// The verb each name runs; the names, synopses and options are in sdftool/Verbs.
const std::pair<std::string_view, Runner> kRunners[] = {
    {"data", runData},       {"report", runReport}, {"check", runCheck},           {"ship", runShip},
    {"engage", runEngage},   {"battle", runBattle}, {"protection", runProtection}, {"render", runRender},
    {"compare", runCompare}, {"sheet", runSheet},   {"explore", runExplore},       {"list", runList},
};

} // namespace

int main(int argc, char* argv[]) {
    const std::string usage = platform::ProgramUsage(sdftool::Program());
    if (argc < 2) {
        std::fputs(usage.c_str(), stderr);
        return 2;
    }
    std::string verb = argv[1];
    Args args(argv + 2, argv + argc);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::fputs(usage.c_str(), stdout);
        return 0;
    }
    if (verb == "--version") {
        std::fputs(platform::VersionText("sdftool").c_str(), stdout);
        return 0;
    }
    for (const auto& [name, run] : kRunners)
        if (verb == name && platform::FindVerb(sdftool::Program(), name)) return run(args);
    std::fprintf(stderr, "sdftool: unknown verb '%s'\n\n%s", verb.c_str(), usage.c_str());
    return 2;
}
