#include "sdftool/Verbs.h"

#include "combat/EnvironmentNames.h"
#include "explore/Explore.h"
#include "library/DesignLibrary.h"

#include <algorithm>

namespace sdftool {

namespace {

using platform::ExampleSpec;
using platform::OptionSpec;
using platform::ValueKind;
using platform::VerbSpec;

// Names as the options take them: "heavy-rain" for "heavy rain".
std::string optionWord(std::string name) {
    std::replace(name.begin(), name.end(), ' ', '-');
    return name;
}

std::vector<std::string> weatherWords() {
    std::vector<std::string> words;
    for (int code = 0; code < kWeatherCodes; ++code) words.push_back(optionWord(WeatherName(code)));
    return words;
}

std::vector<std::string> seaStateWords() {
    std::vector<std::string> words;
    for (int state = 0; state < kSeaStates; ++state) words.push_back(optionWord(SeaStateName(state)));
    return words;
}

std::vector<std::string> exploreKeys() {
    std::vector<std::string> words;
    for (const ExploreInputInfo& info : ExploreInputs()) words.push_back(info.Key);
    return words;
}

// An objective that takes a figure ("immune:CAL") is offered with its colon.
std::vector<std::string> objectiveWords() {
    std::vector<std::string> words;
    for (const std::string& key : ObjectiveKeys()) words.push_back(ParseObjective(key, nullptr) ? key : key + ":");
    return words;
}

std::vector<std::string> libraryColumns() {
    std::vector<std::string> words;
    for (int c = 0; c < kLibraryColumns; ++c) words.push_back(LibraryColumnName(static_cast<LibraryColumn>(c)));
    return words;
}

std::vector<std::string> batteries() { return {"1", "2", "3"}; }
std::vector<std::string> sheetFormats() { return {"text", "md", "html", "pdf"}; }
std::vector<std::string> papers() { return {"a4", "letter"}; }

constexpr const char* kSdf = "*.sdf";

} // namespace

namespace {

const OptionSpec kEngageOptions[] = {
    {"--range", "YARDS", "range from the firer to the target (0 .. 10000000)"},
    {"--bearing", "DEG", "compass bearing of the target from the firer"},
    {"--battery", "N", "the firing battery: 1 main, 2 secondary, 3 tertiary (default 1)", ValueKind::Words, nullptr,
     batteries},
    {"--firer-heading", "DEG", "the firer's heading (default 0)"},
    {"--target-heading", "DEG", "the target's heading (default 0)"},
    {"--firer-speed", "KN", "the firer's current speed (default 0)"},
    {"--target-speed", "KN", "the target's current speed (default 0)"},
    {"--target-turn", "DEG", "the target's turn this turn (default 0)"},
    {"--firer-evading", nullptr, "the firer is evading"},
    {"--target-evading", nullptr, "the target is evading"},
    {"--ranging-turns", "N", "the firer's ranging turns on the target (default 0)"},
    {"--target-ranging-turns", "N", "the target's ranging turns (default 0)"},
    {"--crew-quality", "N", "the firer's crew quality (default 0)"},
    {"--target-crew-quality", "N", "the target's crew quality (default 0)"},
    {"--target-sighting", "N", "how well the firer sees the target, sighting level 0 .. 3 (default 0)"},
    {"--firer-sighting", "N", "how well the target sees the firer, sighting level 0 .. 3 (default 0)"},
    {"--sea-state", "N|NAME", "0 .. 12 or a name: {choices} (default 0)", ValueKind::Words, nullptr, seaStateWords},
    {"--weather", "N|NAME", "0 .. 7 or a name: {choices} (default 0)", ValueKind::Words, nullptr, weatherWords},
    {"--datetime", "DAYS",
     "battle date and time as a day number with fraction, or YYYY-MM-DD[THH:MM] in universal time (default 0)"},
    {"--day-range", "YARDS",
     "sighting range by day (default 0; with the planner's options and none of the three ranges given, the "
     "weather's, as the planner sets them)"},
    {"--dusk-range", "YARDS", "sighting range at dusk (default as --day-range)"},
    {"--night-range", "YARDS", "sighting range by night (default as --day-range)"},
    {"--year", "YEAR",
     "year of play (default 0; with the planner's options, the year of --datetime, as the planner takes it)"},
    {"--seed", "N", "random seed (default 1)"},
    {"--lat", "DEG", "planner: the firer's latitude (-89 .. 89)"},
    {"--lon", "DEG", "planner: the firer's longitude (-180 .. 180)"},
    {"--ready", nullptr, "planner: both ships ready for battle, fuel and ammunition full"},
    {"--both", nullptr, "planner: the target firing back as well, under \"Return\""},
    {"--sweep", "FROM:TO:STEP",
     "planner: one row per range in yards, both ways, as CSV with a header; replaces --range; the CSV's "
     "penetration columns come last"},
    {"--json", nullptr, "with --sweep: JSON lines instead of CSV"},
};

const ExampleSpec kEngageExamples[] = {
    {"engage Designs/Dreadnought.sdf Designs/Scharnhorst.sdf --range 9000 --bearing 45",
     "hit chance with its breakdown, rate of fire and sighting of Dreadnought's main battery"},
    {"engage Designs/Dreadnought.sdf Designs/Scharnhorst.sdf --sweep 1000:20000:1000 --bearing 90 --ready "
     "--datetime 1916-05-31T16:00 --lat 56.5 --lon 5.5 --weather clear",
     "both ways, one CSV row per range, with belt and deck pierced or not"},
};

} // namespace

const VerbSpec kEngageVerb = {
    "engage",
    "[--data DIR] FIRER.sdf TARGET.sdf --range YARDS --bearing DEG [options]\n"
    "[--data DIR] FIRER.sdf TARGET.sdf --sweep FROM:TO:STEP --bearing DEG [--json] [options]",
    "hit chance and rate of fire of one ship against another",
    "Puts the firer at latitude 0, longitude 0 (or --lat, --lon) and the target at the given compass bearing and "
    "range from it, then prints JSON with \"Range\", \"RoundedRange\", \"TrueBearing\", \"RelativeBearing\", "
    "\"HitChance\", \"Breakdown\", \"RateOfFire\", \"SightingRange\", \"LightCondition\", \"Glare\", "
    "\"IdentificationText\", \"TurretsBearing\" and \"Messages\". \"BeyondGunRange\": true follows \"HitChance\" "
    "when the range exceeds the battery's maximum gun range (no hit is possible there).\n\n"
    "The defaults give the designer's zero battle environment. The options marked \"planner\" compute as the "
    "engagement planner does: each of them also sets both ships' light from the environment before the hit "
    "chance, so the firer's dusk row can apply, and adds \"GunsBearing\", \"HitsPerMinute\" (a chance above 100 "
    "counts as 100; none for a target beyond its sighting range, \"Sighted\": false), \"MaxGunRange\", always "
    "\"BeyondGunRange\", and \"BeltPenetrated\" and \"DeckPenetrated\": whether the battery's shells pierce the "
    "target's belt and deck at the range; false beyond the battery's maximum range.",
    kEngageOptions,
    ValueKind::File,
    kSdf,
    nullptr,
    "0 done, 1 a design could not be loaded or may not fight (not a design, or values outside what the form "
    "accepts: the reason on standard error), 2 usage error.",
    kEngageExamples,
};

namespace {

const OptionSpec kBattleOptions[] = {
    {"--sweep", "FROM:TO:STEP", "one JSON line per range in yards between the leads, without the breakdowns"},
    {"--year", "YEAR", "year of play, over the scenario's \"year\""},
};

const ExampleSpec kBattleExamples[] = {
    {"battle \"Scenarios/Jutland 1916-05-31 1610 5th Battle Squadron.json\"",
     "division against division: every ship's fire and each side's total"},
    {"battle \"Scenarios/Jutland 1916-05-31 1610 5th Battle Squadron.json\" --sweep 8000:20000:1000",
     "the same at every 1,000 yards from 8,000 to 20,000"},
};

} // namespace

const VerbSpec kBattleVerb = {
    "battle",
    "[--data DIR] SCENARIO.json [--sweep FROM:TO:STEP] [--year YEAR]",
    "division against division from a scenario file",
    "Reads a scenario: {\"environment\": {...}, \"sides\": [SIDE, SIDE]}. Environment keys, all optional: "
    "\"lat\", \"lon\", \"datetime\" (YYYY-MM-DDTHH:MM, UT), \"year\" (of play; default the year of "
    "\"datetime\", as --year overrides), \"weather\" and \"sea_state\" (code or name), "
    "\"day_range\", \"dusk_range\", \"night_range\", \"ready\" (default true), \"seed\"; the defaults are the "
    "planner's (56.5 N 5.5 E, 1916-05-31T16:00, clear, moderate sea).\n\n"
    "Side keys: \"name\", \"formation\" (name or code: 0 line ahead, 1 line abreast, 2 search line, 3 screen), "
    "\"course\", \"speed\", \"spacing\" (yards; default 500, a search line 2000), \"ships\": 1 to 8 of "
    "{\"design\": PATH, \"crew\", \"ranging_turns\", \"evading\", \"sighting\", \"battery\", \"target\"}; the "
    "second side also needs \"range\" and \"bearing\" of its lead from the first side's lead. Relative design "
    "paths are read against the scenario's folder. Line ahead puts each ship astern of the one before, the "
    "other formations to starboard of it.\n\n"
    "Prints one JSON object: \"Ships\" (each ship's fire at its target), \"Sides\" (each side's total hits per "
    "minute) and \"Messages\".",
    kBattleOptions,
    ValueKind::File,
    "*.json",
    nullptr,
    "0 done, 1 the scenario cannot be read or a design may not fight (unreadable, not a design, values outside "
    "what the form accepts), 2 usage error.",
    kBattleExamples,
};

namespace {

const OptionSpec kExploreOptions[] = {
    {"--vary", "KEY=FROM:TO[:STEP]",
     "vary an input of the design from FROM to TO (repeat for each input); KEY is {choices}", ValueKind::Words, nullptr,
     exploreKeys, "="},
    {"--objective", "OBJ", "an objective to score the variants on (repeat for each; see OBJ above)", ValueKind::Words,
     nullptr, objectiveWords},
    {"--json", nullptr,
     "one JSON object per variant and line: \"Inputs\", \"Objectives\", \"TotalWeight\", \"Displacement\"; then "
     "one line: \"Evaluated\", \"Feasible\", \"Front\", \"Seconds\""},
    {"--threads", "N", "worker threads (default 0: every core)"},
    {"--year", "YEAR", "the year of play of hits: objectives"},
    {"--write-best", "DIR", "write each variant of the front as \"CLASS N.sdf\" into DIR", ValueKind::Directory},
};

const ExampleSpec kExploreExamples[] = {
    {"explore Designs/Dreadnought.sdf --vary speed=19:23 --vary belt=9:12 --objective speed --objective belt",
     "the variants that fit and the best trade-offs between speed and belt"},
    {"explore Designs/Dreadnought.sdf --vary main-calibre=11:14 --vary main-turrets=3:5 --objective "
     "hits:Designs/Derfflinger.sdf@12000 --objective spare --json --write-best best/",
     "hits on Derfflinger at 12,000 yards against tons to spare, written as JSON lines and design files"},
};

} // namespace

const VerbSpec kExploreVerb = {
    "explore",
    "[--data DIR] BASE.sdf --vary KEY=FROM:TO[:STEP] ... --objective OBJ ... [--json] [--threads N] [--year YEAR] "
    "[--write-best DIR]",
    "the variants of a design that fit and the best trade-offs among them",
    "Applies every combination of the varied inputs to the base design, recomputes each with the design rules "
    "and keeps the variants that fit (not overweight, no message from the rules). Of those it prints the ones no "
    "other variant beats on every objective, best first by the first objective.\n\n"
    "KEY (armour in inches, in half-inch steps; the step defaults to the form's):\n"
    "  speed (kn), displacement (t, step 500), belt, belt-ext, deck, deck-ext,\n"
    "  turret, turret-top, ct, secondary-armour, main-calibre, secondary-calibre\n"
    "  (in), secondary-number, tertiary-number (step 2), range (0 short .. 3\n"
    "  extreme), fire-control (0 .. 5), torpedo-defense (0 .. 4), main-turrets\n"
    "  (keep the first N of the base's turrets)\n\n"
    "OBJ (maximised unless said):\n"
    "  speed, belt, deck, spare (tons under the displacement), point-value,\n"
    "  endurance (the range setting), immune:CAL (yards of immune zone against a\n"
    "  CAL-inch gun), belt-safe:CAL (range beyond which the belt is safe,\n"
    "  minimised), hits:FILE@RANGE (main-battery hits per minute against the\n"
    "  design in FILE at RANGE yards, in the engagement planner's opening scene\n"
    "  with both ships ready, in its year of play 1916 unless --year is given)\n\n"
    "point-value is the figure the status card shows (four times the rules' value, year 0), as every figure of a "
    "design on its own.",
    kExploreOptions,
    ValueKind::File,
    kSdf,
    "Grids above 50,000,000 variants are refused.",
    "0 done, 1 the base (or an opponent) cannot be read or a file cannot be written, 2 usage error.",
    kExploreExamples,
};

namespace {

const OptionSpec kListOptions[] = {
    {"--json", nullptr, "one JSON object per line"},
    {"--csv", nullptr, "comma-separated values with a header line"},
    {"--sort", "KEY", "sort by a column, one of {choices}; \"-KEY\" sorts descending", ValueKind::Words, nullptr,
     libraryColumns},
};

const ExampleSpec kListExamples[] = {
    {"list Designs --sort -PointValue", "every bundled design, the highest point value first"},
    {"list Designs \"Custom Files\" --csv > library.csv", "both folders as a spreadsheet"},
};

} // namespace

const VerbSpec kListVerb = {
    "list",
    "[--data DIR] PATH... [--json | --csv] [--sort KEY]",
    "one row of figures per design, sorted by any column",
    "PATH is a design file or a folder (every *.sdf in it, sorted by name). One row per file with the columns "
    "File, ClassName, Nation, Type, Displacement, Speed, MainGuns, Belt, Deck, TotalWeight, Spare (negative when "
    "overweight), PointValue, HitPoints and Status (\"ok\" or the design's first problem); without --json or "
    "--csv, an aligned table.",
    kListOptions,
    ValueKind::File,
    kSdf,
    "A file that is not a design is listed with the reason in Status.",
    "0 every file is a design, 1 a file is not a design or cannot be read (or the data tables could not be "
    "loaded), 2 usage error.",
    kListExamples,
};

namespace {

const OptionSpec kProtectionOptions[] = {
    {"--against", "CAL[,CAL...]",
     "the calibres to set against, 2 to 18 inches (default: 8 to 18 and the design's own main calibre)"},
    {"--json", nullptr,
     "one JSON object per design and line: \"File\", \"Loaded\", \"ClassName\", \"MainCalibre\", \"Armour\", "
     "\"Rows\" (\"Calibre\", \"HasFigures\", \"Reach\", \"BeltSafeBeyond\", \"DeckSafeWithin\", \"ImmuneZone\" as "
     "[from, to] or null, \"TurretSafeBeyond\", \"ConningTowerSafeBeyond\") and \"Messages\""},
};

const ExampleSpec kProtectionExamples[] = {
    {"protection Designs --against 12,15", "immune zones of each bundled design against 12- and 15-inch guns"},
};

} // namespace

const VerbSpec kProtectionVerb = {
    "protection",
    "[--data DIR] [--against CAL[,CAL...]] [--json] PATH...",
    "immune zones of each design's armour against enemy calibres",
    "PATH is a design file or a folder (every *.sdf in it, sorted by name). Each design is built as a fighting "
    "ship (armour in whole inches) and its belt, deck, turret faces and conning tower are set against the belt "
    "(VPen) and deck (HPen) penetration of each calibre: the range beyond which the belt, turret faces and "
    "conning tower are safe, the range within which the deck is safe, and the immune zone between, in yards. "
    "\"Reach\" is where the gun's figures end.",
    kProtectionOptions,
    ValueKind::File,
    kSdf,
    nullptr,
    "0 done, 1 a design could not be loaded, 2 usage error.",
    kProtectionExamples,
};

namespace {

const OptionSpec kRenderOptions[] = {
    {"--out", "PLAN.png", "the PNG to write (required)", ValueKind::File, "*.png"},
    {"--width", "W", "width in pixels, 1 .. 8000 (default 215)"},
    {"--height", "H", "height in pixels, 1 .. 8000 (default 527)"},
    {"--altitude", "A", "altitude of the view, 1 or more; smaller is closer (default 33)"},
};

const ExampleSpec kRenderExamples[] = {
    {"render Designs/Nevada.sdf --out nevada.png", "the plan view of Nevada as a PNG"},
};

} // namespace

const VerbSpec kRenderVerb = {
    "render",
    "FILE.sdf --out PLAN.png [--width W --height H --altitude A] [--data DIR]",
    "draw the plan view of a design into a PNG",
    "Draws the design's plan view as the design form shows it after a load (default 215 x 527 pixels at "
    "altitude 33; a smaller altitude is closer). Message boxes raised while loading are printed to stderr.",
    kRenderOptions,
    ValueKind::File,
    kSdf,
    nullptr,
    "0 written, 1 the design could not be built or the PNG written, 2 usage error.",
    kRenderExamples,
};

namespace {

const ExampleSpec kCompareExamples[] = {
    {"compare Designs/Dreadnought.sdf Designs/Nassau.sdf", "aligned text, \"*\" marks a difference"},
    {"compare --json Designs/Dreadnought.sdf Designs/Nassau.sdf", "the same rows as JSON"},
};

const OptionSpec kCompareOptions[] = {
    {"--json", nullptr,
     "print {\"First\", \"Second\", \"Notes\", \"Rows\": [{\"Group\", \"Figure\", \"First\", \"Second\", "
     "\"Difference\", \"Differs\"}]} instead"},
};

} // namespace

const VerbSpec kCompareVerb = {
    "compare",
    "[--json] [--data DIR] FIRST.sdf SECOND.sdf",
    "two designs side by side with the differences",
    "Reads both designs as the design form loads them, builds each as a fighting ship and prints one row per "
    "input and per figure: group, figure, the first design's value, the second's, and for numbers the signed "
    "difference (second less first). A \"*\" marks the rows that differ. Notes above the table say when both are "
    "the same design or differ in nation or type.",
    kCompareOptions,
    ValueKind::File,
    kSdf,
    nullptr,
    "0 compared, 1 a file could not be read, is not a design or holds values outside what the form accepts (the "
    "reason on standard error), 2 usage error.",
    kCompareExamples,
};

namespace {

const OptionSpec kSheetOptions[] = {
    {"--format", "FORMAT", "{choices} (default text)", ValueKind::Words, nullptr, sheetFormats},
    {"--out", "PATH", "write the sheet there instead of standard output (a PDF needs it)", ValueKind::File},
    {"--paper", "PAPER", "{choices} (default a4)", ValueKind::Words, nullptr, papers},
};

const ExampleSpec kSheetExamples[] = {
    {"sheet Designs/Kongo.sdf", "plain text on standard output"},
    {"sheet Designs/Kongo.sdf --format md --out kongo.md", "Markdown into a file"},
    {"sheet Designs/Kongo.sdf --format pdf --paper letter --out kongo.pdf", "a PDF on Letter paper"},
};

} // namespace

const VerbSpec kSheetVerb = {
    "sheet",
    "FILE.sdf [--format text|md|html|pdf] [--out PATH] [--paper a4|letter] [--data DIR]",
    "the design's ship sheet",
    "The design's ship sheet: class, nation and type, the description line, the armour, the armament with "
    "positions, the weights with their share of the displacement, the fighting ship's figures and the design "
    "check's problems. Printed on standard output, or written to PATH (a PDF needs --out; A4 unless --paper "
    "letter). An existing file is replaced only by a complete new one.",
    kSheetOptions,
    ValueKind::File,
    kSdf,
    nullptr,
    "0 written, 1 the design could not be read or the sheet not written, 2 usage error.",
    kSheetExamples,
};

namespace {

const ExampleSpec kDataExamples[] = {
    {"data --data ~/ships", "the tables of another program folder"},
};
const ExampleSpec kReportExamples[] = {
    {"report Designs/Dreadnought.sdf", "the design's inputs and weights as JSON"},
};
const ExampleSpec kCheckExamples[] = {
    {"check Designs", "one row per design: weight, spare, warnings; exit 1 on any problem"},
};
const ExampleSpec kShipExamples[] = {
    {"ship Designs/Kongo.sdf", "the design as the combat model builds it"},
};

} // namespace

const VerbSpec kDataVerb = {
    "data",
    "[--data DIR]",
    "print the loaded data tables as JSON",
    "Loads the program data as the designer starts up and prints every table as JSON, with the messages raised "
    "on the way.",
    {},
    ValueKind::Text,
    nullptr,
    nullptr,
    "0 loaded, 1 a design-rule table could not be opened, 2 usage error.",
    kDataExamples,
};

const VerbSpec kReportVerb = {
    "report",
    "[--data DIR] FILE...",
    "read each design as the design form does and print its weights as JSON",
    "Reads each ship design file as the design form loads it, recomputes it and prints one JSON object per "
    "line:\n\n"
    "  \"File\", \"ClassName\"\n"
    "  the inputs under their file sections and keys, as the form holds them after\n"
    "  reading (clamped; a list with nothing selected is -1; flags are true/false):\n"
    "    \"Data\": {\"Displacement\", \"Range\", \"Freeboard\", \"BeltCoverage\", \"Speed\",\n"
    "              \"ShipType\", \"EnemyClassName\", \"MisidentifiedClassName\", \"PictureName\",\n"
    "              \"Nation\", \"Accomodation\", \"Fire control\", \"Torpedo defense\",\n"
    "              \"Mine capacity\", \"Obsolete date\", \"Fuel type\"}\n"
    "    \"Armor\": {\"B\", \"BE\", \"D\", \"DE\", \"CT\", \"T\", \"TT\", \"SEC\", \"PC\"}\n"
    "    \"Guns\": {\"Main\", \"Secondary\", \"Tertiary\", \"MQ\", \"SQ\", \"TQ\", \"SecNo\", \"TerNo\",\n"
    "              \"TerTF\", \"SecTF\", \"CDF\"}\n"
    "    \"Torpedoes\": {\"Calibre\", \"Designation\"}\n"
    "    \"Funnels\": {\"Funnel1Pos\" .. \"Funnel4Pos\", \"Funnel1Oval\" .. \"Funnel4Oval\"}\n"
    "  the results: \"Horsepower\", \"HullWeight\", \"MachineryWeight\", \"WeightB\", \"WeightD\",\n"
    "    \"WeightBE\", \"WeightDE\", \"WeightCT\", \"ArmorWeight\", \"SecondaryWeight\",\n"
    "    \"TertiaryWeight\", \"ArmamentWeight\", \"SpecialsWeight\", \"TPSWeight\",\n"
    "    \"FireControlWeight\", \"Complement\", \"AccommodationSpace\", \"TotalWeight\",\n"
    "    \"Spare\" (displacement less total weight), \"Overweight\" (true/false),\n"
    "    \"Turrets\": [{\"Position\", \"Guns\", \"Weight\"}],\n"
    "    \"TorpedoMounts\": [{\"Position\", \"Tubes\", \"Weight\"}],\n"
    "    \"Messages\": [{\"kind\", \"text\"}] in the order they were raised.\n\n"
    "Messages of loading the data tables go to standard error.",
    {},
    ValueKind::File,
    kSdf,
    nullptr,
    "0 every file read, 1 a file missing or unreadable, 2 usage error.",
    kReportExamples,
};

const VerbSpec kCheckVerb = {
    "check",
    "[--data DIR] PATH...",
    "check designs (files or folders): weight, warnings; exit 1 on any problem",
    "PATH is a design file or a folder (every *.sdf in it, sorted by name). Each design is read as the design "
    "form loads it and recomputed; the table shows class, type, nation, displacement, total weight, weight to "
    "spare, a status and, below the row, every message the design raised. The last line counts the designs.\n\n"
    "Values outside what the form accepts are listed by section, key, value and range (\"illegal\"), and "
    "sections cut short are named (\"incomplete\").\n\n"
    "A design the form's Save would refuse (no nation, no type, no class name) is \"not saveable\", with Save's "
    "own text below the row.",
    {},
    ValueKind::File,
    kSdf,
    nullptr,
    "0 all designs fit and raise no message, 1 a design is overweight, raises a message, holds an illegal value, "
    "is not saveable, is not a ship design file or cannot be read (or the data tables could not be loaded), 2 "
    "usage error.",
    kCheckExamples,
};

const VerbSpec kShipVerb = {
    "ship",
    "[--data DIR] FILE...",
    "build each design as a fighting ship and print it as JSON",
    "Builds each ship design file as a fighting ship on a fresh map and prints one JSON object per line: "
    "\"File\", \"Loaded\", the loaded fields (armour in whole inches, \"BatteryCalibre\" and \"BatteryQuality\" "
    "as arrays of three, \"Turrets\" with \"Position\", \"Guns\", \"Training\", \"TorpedoMounts\" with "
    "\"Position\", \"TubeCount\", \"TubesLoaded\", \"Reloads\"), the layout flags, the derived figures "
    "\"DisplayName\", \"ShipSizeUnits\", \"PointValue\" (as the status card shows it), \"MaxGunRange\" (three), "
    "\"MaxSpeedNow\", \"DamagePercentage\", \"TorpedoBroadside\", \"GunsText\", \"Presenter\" and \"Messages\" "
    "(every message box raised, in order).",
    {},
    ValueKind::File,
    kSdf,
    nullptr,
    "0 every ship built, 1 a file could not be loaded, 2 usage error.",
    kShipExamples,
};

namespace {

const VerbSpec kVerbs[] = {kDataVerb,       kReportVerb, kCheckVerb,   kShipVerb,  kEngageVerb,  kBattleVerb,
                           kProtectionVerb, kRenderVerb, kCompareVerb, kSheetVerb, kExploreVerb, kListVerb};

const OptionSpec kCommon[] = {
    {"--data", "DIR",
     "program directory holding Data/, Designs/, Flags/ and Preferences (default: the directory of sdftool when "
     "Data/ is there, else the installed share/shipdesigner/)",
     ValueKind::Directory},
    {"--help", nullptr, "show this text"},
};

const OptionSpec kToolOptions[] = {
    {"--help", nullptr, "show this text"},
    {"--version", nullptr, "show the version"},
};

} // namespace

const platform::ProgramSpec& Program() {
    static const platform::ProgramSpec program = {
        "sdftool",
        "check, report on, compare, render and explore ship design files",
        "VERB [options] FILE...\n--help | --version",
        "sdftool works on the ship design files (.sdf) of the ship designer without the desktop program: it "
        "checks whole folders of designs against the design rules, prints a design's weights and its fighting "
        "ship as JSON, computes the engagement planner's hit chances between two ships and whole divisions from "
        "a scenario file, sets armour against enemy guns, draws plan views, compares designs, writes ship sheets, "
        "searches the variants of a design and lists a library of designs. It reads the same data tables and "
        "computes with the same code as the designer, so both give the same figures.",
        kToolOptions,
        kVerbs,
        kCommon,
        "0 success, 1 a file that could not be read or a failed check, 2 a usage error.",
        "The program directory holds Data/ (the tables: speed-power, ordnance, nations, guns, torpedoes, basic "
        "data), Designs/ (the bundled designs), Flags/, Scenarios/ and Preferences. Without --data, sdftool uses "
        "its own folder when Data/ stands beside it, else the installed share/shipdesigner/.",
        nullptr,
        {},
        "shipdesigner(1)",
    };
    return program;
}

} // namespace sdftool
