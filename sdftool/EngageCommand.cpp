// sdftool engage: one fighting ship firing at another at a given range and
// bearing (or a sweep of ranges), with the hit chance breakdown and the rate
// of fire, computed as the engagement planner does.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"
#include "sdftool/JsonOut.h"

#include "combat/Duel.h"
#include "combat/EnvironmentNames.h"
#include "combat/FightShip.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignRecord.h"
#include "platform/DayNumber.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using Json = nlohmann::ordered_json;

// "YYYY-MM-DD" with an optional "THH:MM" or " HH:MM", or a plain day number.
std::optional<double> parseDateTime(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    char sep = 0;
    const int n = std::sscanf(text.c_str(), "%d-%d-%d%c%d:%d", &y, &mo, &d, &sep, &h, &mi);
    if (n == 3 || n == 6) {
        if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59)
            return std::nullopt;
        return platform::dayNumberFromDate({y, mo, d}) + (h * 60 + mi) / 1440.0;
    }
    auto v = platform::StrToReal(text);
    if (!v || *v < -657434.0 || *v > 2958465.0) return std::nullopt;
    return v;
}

struct EngageOptions {
    std::optional<double> range, bearing, lat, lon;
    std::int32_t battery = 1, firerHeading = 0, targetHeading = 0, firerSpeed = 0, targetSpeed = 0, targetTurn = 0;
    bool firerEvading = false, targetEvading = false;
    std::int32_t rangingTurns = 0, crewQuality = 0, targetSighting = 0, firerSighting = 0;
    std::int32_t targetRangingTurns = 0, targetCrewQuality = 0;
    std::int32_t seaState = 0, weather = 0;
    std::optional<std::int32_t> year;
    std::int32_t dayRange = -1, duskRange = -1, nightRange = -1; // -1: not given
    std::optional<double> dateTime;
    std::int32_t seed = 1;
    bool ready = false, both = false, json = false;
    std::optional<std::array<std::int32_t, 3>> sweep;

    // The planner's options; without them the output is what it always was.
    bool plannerMode() const { return lat || lon || ready || both || sweep; }
};

VerbOptions::Handler namedOption(const std::string& name, std::int32_t& target,
                                 std::optional<std::int32_t> (*parse)(const std::string&)) {
    return [&target, name, parse](const std::string& v) -> std::optional<std::string> {
        auto n = parse(v);
        if (!n) return "'" + v + "' is no number or name for " + name;
        target = *n;
        return std::nullopt;
    };
}

VerbOptions::Handler realOption(const std::string& name, std::optional<double>& target) {
    return [&target, name](const std::string& v) -> std::optional<std::string> {
        target = platform::StrToReal(v);
        if (!target) return "'" + v + "' is not a number for " + name;
        return std::nullopt;
    };
}

// The battle conditions the options describe; with no option they make the
// designer's environment, all zero.
BattleConditions conditionsOf(const EngageOptions& o) {
    BattleConditions c;
    c.Latitude = o.lat.value_or(0);
    c.Longitude = o.lon.value_or(0);
    c.DateTime = o.dateTime;
    // As the planner, the clock's year unless one is given; without the
    // planner's options the year stays the designer's 0 unless given.
    c.Year = o.plannerMode() ? o.year : o.year.value_or(0);
    c.SeaState = o.seaState;
    c.Weather = o.weather;
    c.DayRange = std::max(o.dayRange, 0);
    c.DuskRange = std::max(o.duskRange, 0);
    c.NightRange = std::max(o.nightRange, 0);
    // As the planner does, the weather sets the sighting ranges none of
    // which was given; with ranges of 0 nothing would ever be sighted.
    if (o.plannerMode() && o.dayRange < 0 && o.duskRange < 0 && o.nightRange < 0) {
        const SightingRanges ranges = DefaultSightingRanges(o.weather);
        c.DayRange = ranges.Day;
        c.DuskRange = ranges.Dusk;
        c.NightRange = ranges.Night;
    }
    return c;
}

EngagementScenario scenarioOf(const EngageOptions& o) {
    EngagementScenario s;
    s.Range = o.range.value_or(0);
    s.Bearing = *o.bearing;
    s.Place = conditionsOf(o).Place();
    s.Own = {.Heading = o.firerHeading,
             .Speed = o.firerSpeed,
             .Turn = 0,
             .CrewQuality = o.crewQuality,
             .RangingTurns = o.rangingTurns,
             .SightingLevel = o.firerSighting,
             .Evading = o.firerEvading};
    s.Opponent = {.Heading = o.targetHeading,
                  .Speed = o.targetSpeed,
                  .Turn = o.targetTurn,
                  .CrewQuality = o.targetCrewQuality,
                  .RangingTurns = o.targetRangingTurns,
                  .SightingLevel = o.targetSighting,
                  .Evading = o.targetEvading};
    s.Battery = o.battery;
    s.LightFromEnvironment = o.plannerMode();
    s.AllBatteries = false;
    s.Seed = static_cast<std::uint64_t>(static_cast<std::uint32_t>(o.seed));
    return s;
}

Json fireJson(const FireFigures& f, bool plannerMode) {
    Json j;
    j["Range"] = f.Range;
    j["RoundedRange"] = f.RoundedRange;
    j["TrueBearing"] = f.TrueBearing;
    j["RelativeBearing"] = f.RelativeBearing;
    j["HitChance"] = static_cast<double>(f.Fire.HitChance);
    if (plannerMode || f.Fire.BeyondGunRange) j["BeyondGunRange"] = f.Fire.BeyondGunRange;
    j["Breakdown"] = f.Breakdown;
    j["RateOfFire"] = static_cast<double>(f.Fire.RateOfFire);
    j["SightingRange"] = f.SightingRange;
    j["LightCondition"] = f.LightCondition;
    j["Glare"] = f.Glare;
    j["IdentificationText"] = f.IdentificationText;
    Json bearing = Json::array();
    for (TurretPosition t : f.TurretsBearing) bearing.push_back(platform::cp1252ToUtf8(std::string_view(&t, 1)));
    j["TurretsBearing"] = bearing;
    if (plannerMode) {
        j["GunsBearing"] = f.Fire.GunsBearing;
        j["HitsPerMinute"] = f.Fire.HitsPerMinute;
        j["Sighted"] = f.Sighted;
        j["MaxGunRange"] = f.Fire.MaxGunRange;
        j["BeltPenetrated"] = f.Fire.Pierces.Belt;
        j["DeckPenetrated"] = f.Fire.Pierces.Deck;
    }
    return j;
}

std::string number(double value, const char* format) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

void addSweepSide(Json& j, const BatteryFigures& b) {
    j["HitChance"] = sdftool::singleJson(b.HitChance);
    j["RateOfFire"] = sdftool::singleJson(b.RateOfFire);
    j["GunsBearing"] = b.GunsBearing;
    j["HitsPerMinute"] = b.HitsPerMinute;
    j["BeyondGunRange"] = b.BeyondGunRange;
    j["BeltPenetrated"] = b.Pierces.Belt;
    j["DeckPenetrated"] = b.Pierces.Deck;
}

std::string sweepSideCsv(const BatteryFigures& b) {
    return number(b.HitChance, "%.7g") + "," + number(b.RateOfFire, "%.7g") + "," + std::to_string(b.GunsBearing) +
           "," + number(b.HitsPerMinute, "%.6g") + "," + (b.BeyondGunRange ? "1" : "0");
}

// After both sides' figures, so the columns scripts already read keep their places.
std::string piercingCsv(const SweepRow& row) {
    std::string text;
    for (const BatteryFigures* b : {&row.Own, &row.Opponent})
        text += std::string(b->Pierces.Belt ? ",1" : ",0") + (b->Pierces.Deck ? ",1" : ",0");
    return text;
}

void printSweep(const std::vector<SweepRow>& rows, bool json) {
    if (!json)
        std::fputs("Range,HitChance,RateOfFire,GunsBearing,HitsPerMinute,BeyondGunRange,"
                   "ReturnHitChance,ReturnRateOfFire,ReturnGunsBearing,ReturnHitsPerMinute,ReturnBeyondGunRange,"
                   "BeltPenetrated,DeckPenetrated,ReturnBeltPenetrated,ReturnDeckPenetrated\n",
                   stdout);
    for (const SweepRow& row : rows) {
        if (json) {
            Json j;
            j["Range"] = row.Range;
            addSweepSide(j, row.Own);
            Json back;
            addSweepSide(back, row.Opponent);
            j["Return"] = back;
            const std::string text = j.dump(-1, ' ', false, Json::error_handler_t::replace);
            std::fprintf(stdout, "%s\n", text.c_str());
        } else {
            std::fprintf(stdout, "%d,%s,%s%s\n", row.Range, sweepSideCsv(row.Own).c_str(),
                         sweepSideCsv(row.Opponent).c_str(), piercingCsv(row).c_str());
        }
    }
}

// Declares every option of the verb, each writing into `o`.
void declareEngageOptions(VerbOptions& options, EngageOptions& o) {
    const std::pair<const char*, std::int32_t*> integers[] = {{"--battery", &o.battery},
                                                              {"--firer-heading", &o.firerHeading},
                                                              {"--target-heading", &o.targetHeading},
                                                              {"--target-speed", &o.targetSpeed},
                                                              {"--firer-speed", &o.firerSpeed},
                                                              {"--target-turn", &o.targetTurn},
                                                              {"--ranging-turns", &o.rangingTurns},
                                                              {"--target-ranging-turns", &o.targetRangingTurns},
                                                              {"--crew-quality", &o.crewQuality},
                                                              {"--target-crew-quality", &o.targetCrewQuality},
                                                              {"--target-sighting", &o.targetSighting},
                                                              {"--firer-sighting", &o.firerSighting},
                                                              {"--day-range", &o.dayRange},
                                                              {"--dusk-range", &o.duskRange},
                                                              {"--night-range", &o.nightRange},
                                                              {"--seed", &o.seed}};
    for (const auto& [name, target] : integers) options.Integer(name, *target);
    options.Value("--year", YearOption(o.year));
    options.Value("--sea-state", namedOption("--sea-state", o.seaState, SeaStateFromText));
    options.Value("--weather", namedOption("--weather", o.weather, WeatherFromText));
    options.Flag("--target-evading", o.targetEvading);
    options.Flag("--firer-evading", o.firerEvading);
    options.Flag("--ready", o.ready);
    options.Flag("--both", o.both);
    options.Flag("--json", o.json);
    options.Value("--range", realOption("--range", o.range));
    options.Value("--bearing", realOption("--bearing", o.bearing));
    options.Value("--lat", realOption("--lat", o.lat));
    options.Value("--lon", realOption("--lon", o.lon));
    options.Value("--sweep", [&o](const std::string& v) -> std::optional<std::string> {
        o.sweep = ParseSweep(v);
        if (!o.sweep) return "'" + v + "' is not FROM:TO:STEP in whole yards";
        return std::nullopt;
    });
    options.Value("--datetime", [&o](const std::string& v) -> std::optional<std::string> {
        o.dateTime = parseDateTime(v);
        if (!o.dateTime) return "'" + v + "' is not a date and time";
        return std::nullopt;
    });
}

// The first usage error of the parsed options, none when they go together.
std::optional<std::string> engageUsageError(const EngageOptions& o, size_t files, const VerbOptions& options) {
    if (files != 2) return "two design files are needed";
    if (o.sweep && o.range) return "--range and --sweep exclude each other";
    if ((!o.range && !o.sweep) || !o.bearing) return "--range and --bearing are needed";
    if (o.range && (*o.range < 0 || *o.range > 10000000)) return "--range must lie within 0 .. 10000000 yards";
    if (o.sweep) {
        const auto [from, to, step] = *o.sweep;
        if (from < 0 || to < from || to > 10000000 || step < 1 ||
            (static_cast<std::int64_t>(to) - from) / step >= 100000)
            return "--sweep needs 0 <= FROM <= TO <= 10000000, STEP >= 1 and at most 100000 rows";
    }
    if (o.json && !o.sweep) return "--json goes with --sweep";
    if (o.lat && (*o.lat < -89 || *o.lat > 89)) return "--lat must lie within -89 .. 89 degrees";
    if (o.lon && (*o.lon < -180 || *o.lon > 180)) return "--lon must lie within -180 .. 180 degrees";
    if (!options.Accepts("--battery", std::to_string(o.battery)))
        return "--battery must be " + options.Choices("--battery");
    if (o.weather < 0 || o.weather > 255) return "--weather must lie within 0 .. 255";
    return std::nullopt;
}

// Both designs through the one gate; false (the reason on standard error)
// when one may not fight.
bool designsMayFight(const std::vector<std::string>& files) {
    for (const std::string& file : {files[0], files[1]})
        if (const auto refusal = DesignRefusal(ReadDesignRecord(file))) {
            std::fprintf(stderr, "sdftool engage: %s\n", refusal->c_str());
            return false;
        }
    return true;
}

// What the rules said beside a sweep's rows, each text once.
void printAside(const std::vector<platform::RecordedMessage>& recorded) {
    std::vector<std::string> seen;
    for (const auto& m : recorded) {
        if (std::find(seen.begin(), seen.end(), m.text) != seen.end()) continue;
        seen.push_back(m.text);
        std::fprintf(stderr, "sdftool engage: %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
    }
}

// Loads both ships, computes and prints; the exit status.
int engage(const EngageOptions& o, const std::vector<std::string>& files, const std::string& programDir) {
    if (!designsMayFight(files)) return 1;
    ProgramData data;
    LoadToolData(programDir, data);

    Json j;
    int status = 0;
    {
        const BattleEnvironment env = BuildBattleEnvironment(conditionsOf(o));
        const EngagementScenario scenario = scenarioOf(o);
        platform::RecordingMessages recorder;
        platform::SeededRandom random(scenario.Seed);
        const CombatContext ctx{data, env, random, recorder};
        EngagementShips ships;
        ships.Own = CreateShipOnLayer(files[0], DesignClassName(files[0]), *ships.Map, data.Preferences, recorder);
        ships.Opponent = CreateShipOnLayer(files[1], DesignClassName(files[1]), *ships.Map, data.Preferences, recorder);
        if (ships.Own && ships.Opponent && o.ready) {
            MakeReadyForBattle(*ships.Own, DesignRangeClass(ReadDesignRecord(files[0])));
            MakeReadyForBattle(*ships.Opponent, DesignRangeClass(ReadDesignRecord(files[1])));
        }
        if (ships.Own && ships.Opponent && o.sweep) {
            const auto [from, to, step] = *o.sweep;
            printSweep(SweepEngagement(ctx, ships, scenario, from, to, step), o.json);
        } else if (ships.Own && ships.Opponent) {
            const EngagementFigures f = ComputeEngagement(ctx, ships, scenario, o.both);
            j = fireJson(f.Own, o.plannerMode());
            if (o.both) j["Return"] = fireJson(f.Opponent, true);
        } else {
            status = 1;
        }
        // The rows stay plain CSV or JSON lines; what the rules said goes aside.
        if (o.sweep) printAside(recorder.recorded);
        else j["Messages"] = sdftool::messagesJson<Json>(recorder.recorded);
    }
    if (o.sweep) return status;
    std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
    std::fprintf(stdout, "%s\n", text.c_str());
    return status;
}

} // namespace

int runEngage(const Args& args) {
    VerbOptions options("engage");
    EngageOptions o;
    declareEngageOptions(options, o);
    if (auto exit = options.Parse(args)) return *exit;
    if (auto error = engageUsageError(o, options.Files.size(), options)) return options.UsageError(*error);
    return engage(o, options.Files, options.ProgramDir);
}
