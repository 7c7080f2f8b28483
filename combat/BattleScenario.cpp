#include "combat/BattleScenario.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "combat/EnvironmentNames.h"
#include "combat/FightShip.h"
#include "combat/ShipTypes.h"
#include "formats/JsonText.h"
#include "platform/DayNumber.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

// A scenario error: the place in the file and what is wrong there.
struct Bad {
    std::string Text;
};

[[noreturn]] void fail(const std::string& place, const std::string& what) { throw Bad{place + ": " + what}; }

const Json* member(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

double number(const Json& object, const char* key, const std::string& place, double fallback, double lo, double hi,
              bool required = false) {
    const Json* v = member(object, key);
    const std::string at = place + "." + key;
    if (!v) {
        if (required) fail(at, "missing");
        return fallback;
    }
    if (!v->is_number()) fail(at, "not a number");
    const double d = v->get<double>();
    if (!std::isfinite(d) || d < lo || d > hi)
        fail(at, "must lie within " + std::to_string(static_cast<long long>(lo)) + " .. " +
                     std::to_string(static_cast<long long>(hi)));
    return d;
}

std::int32_t whole(const Json& object, const char* key, const std::string& place, std::int32_t fallback,
                   std::int32_t lo, std::int32_t hi) {
    const double d = number(object, key, place, fallback, lo, hi);
    if (d != std::floor(d)) fail(place + "." + key, "not a whole number");
    return static_cast<std::int32_t>(d);
}

bool flag(const Json& object, const char* key, const std::string& place, bool fallback) {
    const Json* v = member(object, key);
    if (!v) return fallback;
    if (!v->is_boolean()) fail(place + "." + key, "not true or false");
    return v->get<bool>();
}

// A code or a name, as the reader given knows them.
std::int32_t coded(const Json& object, const char* key, const std::string& place, std::int32_t fallback,
                   std::int32_t lo, std::int32_t hi, std::optional<std::int32_t> (*fromText)(const std::string&)) {
    const Json* v = member(object, key);
    if (!v) return fallback;
    std::optional<std::int32_t> code;
    if (v->is_number_integer()) code = v->get<std::int32_t>();
    else if (v->is_string()) code = fromText(v->get<std::string>());
    if (!code || *code < lo || *code > hi) fail(place + "." + key, "not a known code or name: " + v->dump());
    return *code;
}

std::string folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u)) out.push_back(static_cast<char>(std::tolower(u)));
    }
    return out;
}

std::optional<std::int32_t> formationCode(const std::string& text) {
    const auto f = FormationFromText(text);
    return f ? std::optional<std::int32_t>(*f) : std::nullopt;
}

std::optional<double> dateTimeOf(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    char sep = 0, extra = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c%d:%d%c", &y, &mo, &d, &sep, &h, &mi, &extra) != 6 || sep != 'T')
        return std::nullopt;
    if (y < 1800 || y > 2200 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59)
        return std::nullopt;
    return platform::dayNumberFromDate({y, mo, d}) + (h * 60 + mi) / 1440.0;
}

std::string dateTimeText(double dayNumber) {
    const double days = std::floor(dayNumber);
    const platform::CivilDate date = platform::dateFromDayNumber(static_cast<std::int64_t>(days));
    const long minutes = std::lround((dayNumber - days) * 1440.0);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02ld:%02ld", date.year, date.month, date.day, minutes / 60 % 24,
                  minutes % 60);
    return buf;
}

bool readText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return static_cast<bool>(in) || in.eof();
}

// A path as the reader forms it: absolute, lexically normal, no trailing
// separator.
fs::path absoluteOf(const std::string& path) {
    std::error_code ec;
    fs::path full = fs::absolute(fs::path(path), ec);
    if (ec) full = fs::path(path);
    full = full.lexically_normal();
    return full.has_filename() || !full.has_parent_path() ? full : full.parent_path();
}

bool within(const fs::path& path, const fs::path& folder) {
    const fs::path relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != ".." && *relative.begin() != ".";
}

// A design as the scenario names it: relative to the scenario's folder when
// it lies under that folder, or under a program folder that also holds the
// scenario (both travel together: "../Designs/Lion.sdf"); absolute
// otherwise. The reader's folder / path gives the design back.
std::string scenarioDesignPath(const std::string& design, const std::string& folder,
                               const std::vector<std::string>& programFolders) {
    const fs::path path = absoluteOf(design);
    if (folder.empty()) return path.generic_string();
    const fs::path home = absoluteOf(folder);
    bool relative = within(path, home);
    for (const std::string& root : programFolders)
        relative = relative || (!root.empty() && within(path, absoluteOf(root)) && within(home, absoluteOf(root)));
    return relative ? path.lexically_relative(home).generic_string() : path.generic_string();
}

DivisionShip readShip(const Json& j, const std::string& place, const std::string& folder) {
    if (!j.is_object()) fail(place, "not an object");
    DivisionShip ship;
    const Json* design = member(j, "design");
    if (!design) fail(place + ".design", "missing");
    if (!design->is_string() || design->get<std::string>().empty()) fail(place + ".design", "not a file name");
    const fs::path given = fs::path(design->get<std::string>());
    // Held absolute: a scenario saved elsewhere still finds its designs.
    std::error_code ec;
    const fs::path full = given.is_absolute() || folder.empty() ? given : fs::path(folder) / given;
    const fs::path absolute = fs::absolute(full, ec);
    ship.Design = (ec ? full : absolute).lexically_normal().string();
    ship.Record = ReadDesignRecord(ship.Design);
    ship.CrewQuality = whole(j, "crew", place, 0, -5, 5);
    ship.RangingTurns = whole(j, "ranging_turns", place, 0, 0, 20);
    ship.Evading = flag(j, "evading", place, false);
    ship.SightingLevel = whole(j, "sighting", place, 3, 0, 3);
    ship.Battery = whole(j, "battery", place, 1, 1, 3);
    ship.Target = whole(j, "target", place, -1, -1, 1000);
    return ship;
}

DivisionSide readSide(const Json& j, const std::string& place, const std::string& folder) {
    if (!j.is_object()) fail(place, "not an object");
    DivisionSide side;
    if (const Json* name = member(j, "name")) {
        if (!name->is_string()) fail(place + ".name", "not a text");
        side.Name = name->get<std::string>();
    }
    side.Formation = coded(j, "formation", place, fmLineAhead, 0, 3, formationCode);
    side.Course =
        static_cast<std::int32_t>(std::lround(std::fmod(number(j, "course", place, 0, -3600, 3600) + 3600, 360.0)));
    side.Speed = whole(j, "speed", place, 0, 0, static_cast<std::int32_t>(kMaxBattleSpeed));
    side.Spacing = number(j, "spacing", place, 0, 0, kMaxSpacing);
    if (member(j, "spacing") && side.Spacing < 50) fail(place + ".spacing", "must lie within 50 .. 20000");
    const Json* ships = member(j, "ships");
    if (!ships) fail(place + ".ships", "missing");
    if (!ships->is_array() || ships->empty()) fail(place + ".ships", "not a list of one or more ships");
    if (ships->size() > static_cast<size_t>(kMaxDivisionShips))
        fail(place + ".ships", std::to_string(ships->size()) + " ships; a division has at most 8");
    for (size_t i = 0; i < ships->size(); ++i)
        side.Ships.push_back(readShip((*ships)[i], place + ".ships[" + std::to_string(i) + "]", folder));
    return side;
}

void readEnvironment(const Json& e, BattleScenario& s) {
    const std::string at = "environment";
    BattleConditions& c = s.Conditions;
    c.Latitude = number(e, "lat", at, c.Latitude, -89, 89);
    c.Longitude = number(e, "lon", at, c.Longitude, -180, 180);
    if (const Json* when = member(e, "datetime")) {
        const auto d = when->is_string() ? dateTimeOf(when->get<std::string>()) : std::nullopt;
        if (!d) fail(at + ".datetime", "not YYYY-MM-DDTHH:MM");
        c.DateTime = *d;
    }
    if (member(e, "year")) c.Year = whole(e, "year", at, 0, 0, 9999);
    c.Weather = coded(e, "weather", at, c.Weather, 0, 255, WeatherFromText);
    // The weather's sighting ranges unless the file gives its own.
    const SightingRanges r = DefaultSightingRanges(c.Weather);
    c.SeaState = coded(e, "sea_state", at, c.SeaState, 0, 2000, SeaStateFromText);
    c.DayRange = whole(e, "day_range", at, r.Day, 0, 100000);
    c.DuskRange = whole(e, "dusk_range", at, r.Dusk, 0, 100000);
    c.NightRange = whole(e, "night_range", at, r.Night, 0, 100000);
    s.Setup.Ready = flag(e, "ready", at, true);
    s.Setup.Seed = static_cast<std::uint64_t>(number(e, "seed", at, 1, 0, 4294967295.0));
}

} // namespace

BattleScenario::BattleScenario() { Setup.Place = Conditions.Place(); }

std::string FormationText(int formation) {
    std::string name = "Line ahead";
    FormationName(formation, name);
    return name;
}

std::optional<int> FormationFromText(const std::string& text) {
    const std::string f = folded(text);
    for (int code = 0; code <= 3; ++code)
        if (f == folded(FormationText(code)) || f == std::to_string(code)) return code;
    return std::nullopt;
}

std::optional<BattleScenario> ParseBattleScenario(const std::string& text, const std::string& folder,
                                                  std::string& error, const std::string& fileName) {
    const std::optional<Json> parsed = ParseJson(text, fileName, error);
    if (!parsed) return std::nullopt;
    const Json& j = *parsed;
    try {
        if (!j.is_object()) fail("scenario", "not a JSON object");
        BattleScenario s;
        if (const Json* e = member(j, "environment")) {
            if (!e->is_object()) fail("environment", "not an object");
            readEnvironment(*e, s);
        }
        s.Setup.Place = s.Conditions.Place();
        const Json* sides = member(j, "sides");
        if (!sides) fail("sides", "missing");
        if (!sides->is_array() || sides->size() != 2) fail("sides", "not a list of two sides");
        for (size_t i = 0; i < 2; ++i)
            s.Setup.Sides[i] = readSide((*sides)[i], "sides[" + std::to_string(i) + "]", folder);
        s.Setup.Range = number((*sides)[1], "range", "sides[1]", 0, 1, kMaxBattleRange, true);
        s.Setup.Bearing = std::fmod(number((*sides)[1], "bearing", "sides[1]", 0, -3600, 3600, true) + 3600, 360.0);
        for (size_t i = 0; i < 2; ++i) {
            const auto& ships = s.Setup.Sides[i].Ships;
            const size_t enemies = s.Setup.Sides[1 - i].Ships.size();
            for (size_t k = 0; k < ships.size(); ++k)
                if (ships[k].Target >= 0 && !TargetInLine(ships[k].Target, static_cast<int>(enemies)))
                    fail("sides[" + std::to_string(i) + "].ships[" + std::to_string(k) + "].target",
                         std::to_string(ships[k].Target) + " is beyond the other side's " + std::to_string(enemies) +
                             " ship(s), counted from 0");
        }
        return s;
    } catch (const Bad& bad) {
        error = fileName.empty() ? bad.Text : fileName + ": " + bad.Text;
        return std::nullopt;
    }
}

std::optional<BattleScenario> ReadBattleScenario(const std::string& path, std::string& error) {
    std::string text;
    if (!readText(path, text)) {
        error = "cannot read the scenario file " + path;
        return std::nullopt;
    }
    return ParseBattleScenario(text, fs::path(path).parent_path().string(), error, path);
}

bool CheckFormations(const BattleScenario& scenario, const BattleShips& ships, std::string& error) {
    const std::int32_t year = scenario.Conditions.YearOfPlay();
    for (size_t i = 0; i < 2; ++i) {
        const TFightingShip* lead = ships.Sides[i].empty() ? nullptr : ships.Sides[i].front().get();
        std::string why;
        if (!SideFormationAllowed(scenario.Setup.Sides[i], lead, year, &why)) {
            error = "sides[" + std::to_string(i) + "].formation: " + why;
            return false;
        }
    }
    return true;
}

std::string BattleScenarioJson(const BattleScenario& scenario, const std::string& folder,
                               const std::vector<std::string>& programFolders) {
    Json j;
    Json& e = j["environment"];
    const BattleConditions& c = scenario.Conditions;
    e["lat"] = c.Latitude;
    e["lon"] = c.Longitude;
    if (c.DateTime) e["datetime"] = dateTimeText(*c.DateTime);
    if (c.Year) e["year"] = *c.Year;
    e["weather"] = WeatherName(c.Weather);
    e["sea_state"] = SeaStateName(c.SeaState);
    e["day_range"] = c.DayRange;
    e["dusk_range"] = c.DuskRange;
    e["night_range"] = c.NightRange;
    e["ready"] = scenario.Setup.Ready;
    e["seed"] = scenario.Setup.Seed;
    Json sides = Json::array();
    for (size_t i = 0; i < 2; ++i) {
        const DivisionSide& side = scenario.Setup.Sides[i];
        Json s;
        s["name"] = side.Name;
        s["formation"] = FormationText(side.Formation);
        s["course"] = side.Course;
        s["speed"] = side.Speed;
        // Left out, the spacing stays the formation's own.
        if (side.Spacing > 0) s["spacing"] = side.Spacing;
        if (i == 1) {
            s["range"] = scenario.Setup.Range;
            s["bearing"] = scenario.Setup.Bearing;
        }
        Json ships = Json::array();
        for (const DivisionShip& d : side.Ships) {
            Json ship;
            ship["design"] = scenarioDesignPath(d.Design, folder, programFolders);
            ship["crew"] = d.CrewQuality;
            ship["ranging_turns"] = d.RangingTurns;
            ship["evading"] = d.Evading;
            ship["sighting"] = d.SightingLevel;
            ship["battery"] = d.Battery;
            if (TargetInLine(d.Target, static_cast<int>(scenario.Setup.Sides[1 - i].Ships.size())))
                ship["target"] = d.Target;
            ships.push_back(ship);
        }
        s["ships"] = ships;
        sides.push_back(s);
    }
    j["sides"] = sides;
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
