// sdftool: check, report on and render ship design files from the command line.
#include "sdftool/Commands.h"

#include <cstdio>
#include <cstring>

namespace {

const char* kUsage =
    "Usage: sdftool VERB [options] FILE...\n"
    "\n"
    "Verbs:\n"
    "  data                 print the loaded data tables as JSON\n"
    "  report FILE...       read each design as the design form does and print its weights as JSON\n"
    "  check PATH...        check designs (files or folders): weight, warnings; exit 1 on any problem\n"
    "  ship FILE...         build each design as a fighting ship and print it as JSON\n"
    "  engage FIRER TARGET --range YARDS --bearing DEG [options]\n"
    "                       hit chance and rate of fire of one ship against another\n"
    "  battle SCENARIO.json [--sweep FROM:TO:STEP]\n"
    "                       division against division from a scenario file\n"
    "  protection PATH... [--against CAL[,CAL...]] [--json]\n"
    "                       immune zones of each design's armour against enemy calibres\n"
    "  render FILE --out PLAN.png [--width W --height H --altitude A]\n"
    "                       draw the plan view of a design into a PNG\n"
    "  compare FIRST SECOND [--json]\n"
    "                       two designs side by side with the differences\n"
    "  sheet FILE [--format text|md|html|pdf] [--out PATH] [--paper a4|letter]\n"
    "                       the design's ship sheet\n"
    "  explore BASE --vary KEY=FROM:TO[:STEP] ... --objective OBJ ... [--json]\n"
    "                       the variants of a design that fit and the best trade-offs among them\n"
    "  list PATH... [--json | --csv] [--sort KEY]\n"
    "                       one row of figures per design, sorted by any column\n"
    "\n"
    "Options:\n"
    "  --data DIR           program directory holding Data/, Designs/, Flags/ and Preferences\n"
    "                       (default: the directory of sdftool when Data/ is there,\n"
    "                       else the installed share/shipdesigner/)\n"
    "  --help               show this text\n"
    "  --version            show the version\n";

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string verb = argv[1];
    Args args(argv + 2, argv + argc);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (verb == "--version") {
        std::printf("sdftool %s\n", SHIP_VERSION_TEXT);
        return 0;
    }
    if (verb == "data") return runData(args);
    if (verb == "report") return runReport(args);
    if (verb == "check") return runCheck(args);
    if (verb == "ship") return runShip(args);
    if (verb == "engage") return runEngage(args);
    if (verb == "render") return runRender(args);
    if (verb == "battle") return runBattle(args);
    if (verb == "protection") return runProtection(args);
    if (verb == "compare") return runCompare(args);
    if (verb == "sheet") return runSheet(args);
    if (verb == "explore") return runExplore(args);
    if (verb == "list") return runList(args);
    std::fprintf(stderr, "sdftool: unknown verb '%s'\n\n%s", verb.c_str(), kUsage);
    return 2;
}
