// sdftool engage: one fighting ship firing at another at a given range and
// bearing, with the hit chance breakdown and the rate of fire.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"
#include "sdftool/JsonOut.h"

#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "combat/Identification.h"
#include "combat/RateOfFire.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipLayer.h"
#include "combat/Sighting.h"
#include "designfile/DesignRecord.h"
#include "map/Geodesy.h"
#include "map/MapModel.h"
#include "platform/DayNumber.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Random.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

const char* kEngageUsage =
    "Usage: sdftool engage [--data DIR] FIRER.sdf TARGET.sdf --range YARDS --bearing DEG [options]\n"
    "\n"
    "Puts the firer at latitude 0, longitude 0 and the target at the given compass\n"
    "bearing and range from it, then prints JSON with \"Range\", \"RoundedRange\",\n"
    "\"TrueBearing\", \"RelativeBearing\", \"HitChance\", \"Breakdown\", \"RateOfFire\",\n"
    "\"SightingRange\", \"LightCondition\", \"Glare\", \"IdentificationText\",\n"
    "\"TurretsBearing\" and \"Messages\".\n"
    "\n"
    "Options (defaults give the designer's zero battle environment):\n"
    "  --battery N            1 main, 2 secondary, 3 tertiary (default 1)\n"
    "  --firer-heading DEG    --target-heading DEG (default 0)\n"
    "  --target-speed KN      target's current speed (default 0)\n"
    "  --target-turn DEG      target's turn this turn (default 0)\n"
    "  --target-evading       the target is evading\n"
    "  --ranging-turns N      firer's ranging turns (default 0)\n"
    "  --crew-quality N       firer's crew quality (default 0)\n"
    "  --target-sighting N    --firer-sighting N: sighting levels 0..3 (default 0)\n"
    "  --sea-state N          (default 0)\n"
    "  --weather N            weather code (default 0)\n"
    "  --datetime DAYS        battle date and time as a day number with fraction,\n"
    "                         or YYYY-MM-DD[THH:MM] in universal time (default 0)\n"
    "  --day-range YARDS      --dusk-range YARDS  --night-range YARDS (default 0)\n"
    "  --year YEAR            current year of play (default 0)\n"
    "  --seed N               random seed (default 1)\n"
    "Exit status: 0 done, 1 a design could not be loaded, 2 usage error.\n";

using Json = nlohmann::ordered_json;

std::optional<double> parseReal(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (!end || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

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
    auto v = parseReal(text);
    if (!v || *v < -657434.0 || *v > 2958465.0) return std::nullopt;
    return v;
}

struct EngageOptions {
    std::optional<double> range, bearing;
    std::int32_t battery = 1, firerHeading = 0, targetHeading = 0, targetSpeed = 0, targetTurn = 0;
    bool targetEvading = false;
    std::int32_t rangingTurns = 0, crewQuality = 0, targetSighting = 0, firerSighting = 0;
    std::int32_t seaState = 0, weather = 0, dayRange = 0, duskRange = 0, nightRange = 0, year = 0;
    std::optional<double> dateTime;
    std::int32_t seed = 1;
};

VerbOptions::Handler realOption(const std::string& name, std::optional<double>& target) {
    return [&target, name](const std::string& v) -> std::optional<std::string> {
        target = parseReal(v);
        if (!target) return "'" + v + "' is not a number for " + name;
        return std::nullopt;
    };
}

// The battle environment the options describe; with no option it is the
// designer's, all zero.
BattleEnvironment environmentOf(const EngageOptions& o, TMap& map) {
    BattleEnvironment env;
    env.Year = o.year;
    if (o.dateTime) env.SetClock(*o.dateTime);
    env.SeaState = o.seaState;
    env.Weather = static_cast<std::uint8_t>(o.weather);
    env.DayRange = o.dayRange;
    env.DuskRange = o.duskRange;
    env.NightRange = o.nightRange;
    env.Map = &map;
    return env;
}

} // namespace

int runEngage(const Args& args) {
    VerbOptions options("engage", kEngageUsage);
    EngageOptions o;
    const std::pair<const char*, std::int32_t*> integers[] = {
        {"--battery", &o.battery},           {"--firer-heading", &o.firerHeading},
        {"--target-heading", &o.targetHeading}, {"--target-speed", &o.targetSpeed},
        {"--target-turn", &o.targetTurn},    {"--ranging-turns", &o.rangingTurns},
        {"--crew-quality", &o.crewQuality},  {"--target-sighting", &o.targetSighting},
        {"--firer-sighting", &o.firerSighting}, {"--sea-state", &o.seaState},
        {"--weather", &o.weather},           {"--day-range", &o.dayRange},
        {"--dusk-range", &o.duskRange},      {"--night-range", &o.nightRange},
        {"--year", &o.year},                 {"--seed", &o.seed}};
    for (const auto& [name, target] : integers) options.Integer(name, *target);
    options.Flag("--target-evading", o.targetEvading);
    options.Value("--range", realOption("--range", o.range));
    options.Value("--bearing", realOption("--bearing", o.bearing));
    options.Value("--datetime", [&o](const std::string& v) -> std::optional<std::string> {
        o.dateTime = parseDateTime(v);
        if (!o.dateTime) return "'" + v + "' is not a date and time";
        return std::nullopt;
    });
    if (auto exit = options.Parse(args)) return *exit;
    const std::vector<std::string>& files = options.Files;
    if (files.size() != 2) return options.UsageError("two design files are needed");
    if (!o.range || !o.bearing) return options.UsageError("--range and --bearing are needed");
    if (*o.range < 0 || *o.range > 10000000) return options.UsageError("--range must lie within 0 .. 10000000 yards");
    if (o.battery < 1 || o.battery > 3) return options.UsageError("--battery must be 1, 2 or 3");
    if (o.weather < 0 || o.weather > 255) return options.UsageError("--weather must lie within 0 .. 255");

    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    platform::SeededRandom random(static_cast<std::uint64_t>(static_cast<std::uint32_t>(o.seed)));
    platform::setRandomSource(&random);

    Json j;
    int status = 0;
    {
        TMap map;
        const BattleEnvironment env = environmentOf(o, map);
        platform::ScopedRecordingMessages recorder;
        std::unique_ptr<TFightingShip> firer =
            CreateShipOnLayer(files[0], DesignClassName(files[0]), map, data.Preferences);
        std::unique_ptr<TFightingShip> target =
            CreateShipOnLayer(files[1], DesignClassName(files[1]), map, data.Preferences);
        if (firer && target) {
            firer->SetHeading(o.firerHeading);
            firer->RangingTurns = o.rangingTurns;
            firer->CrewQuality = o.crewQuality;
            firer->SightingLevel = o.firerSighting;
            firer->SetPosition(TGeoPoint{0, 0, 0});
            target->SetHeading(o.targetHeading);
            target->CurrentSpeed = o.targetSpeed;
            target->CurrentTurn = o.targetTurn;
            target->Evading = o.targetEvading;
            target->SightingLevel = o.targetSighting;
            target->SetPosition(PointAtBearing(TGeoPoint{0, 0, 0}, *o.bearing, *o.range));
            firer->MainTarget = target.get();

            const std::int32_t calibre = firer->BatteryCalibre[static_cast<size_t>(o.battery)];
            const std::int32_t range = GetRangeToShip(*firer, target.get());
            j["Range"] = range;
            j["RoundedRange"] = GetRoundedRangeToShip(*firer, target.get(), false);
            j["TrueBearing"] = GetTrueBearingToShip(*firer, target.get());
            const std::int32_t relative = GetBearingToShip(*firer, target.get());
            j["RelativeBearing"] = relative;
            std::vector<std::string> breakdown;
            const float chance =
                GetGunHitChance(data, env, *firer, target.get(), calibre, o.battery, {.Breakdown = &breakdown});
            j["HitChance"] = static_cast<double>(chance);
            j["Breakdown"] = breakdown;
            j["RateOfFire"] = static_cast<double>(
                GetRateOfFire(data.Weapons, env, *firer, calibre, range, target.get(), o.battery,
                              {.Settled = true, .WeatherDelays = env.IsMistOrRain()}));
            j["SightingRange"] = GetSightingRange(env, target.get(), false);
            j["LightCondition"] = target->LightCondition;
            j["Glare"] = HasGlare(env, *firer);
            j["IdentificationText"] = IdentificationText(env, *target);
            Json bearing = Json::array();
            for (const auto& t : firer->Turrets)
                if (TurretCanBear(*t, relative, firer->CrossDeckFire))
                    bearing.push_back(platform::cp1252ToUtf8(std::string_view(&t->Position, 1)));
            j["TurretsBearing"] = bearing;
        } else {
            status = 1;
        }
        j["Messages"] = sdftool::messagesJson<Json>(recorder.recorded);
        target.reset();
        firer.reset();
    }
    platform::setRandomSource(nullptr);
    std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
    std::fprintf(stdout, "%s\n", text.c_str());
    return status;
}
