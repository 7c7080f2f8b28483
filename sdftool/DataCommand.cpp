// sdftool data: loads the program data the way the designer starts up and
// prints every table it filled, with the messages raised on the way.
#include "sdftool/Commands.h"
#include "sdftool/JsonOut.h"

#include "platform/Messages.h"
#include "startup/Startup.h"

#include <cstdio>

using nlohmann::json;

namespace {

std::string colorText(TColor c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
    return buf;
}

json nationsJson(const NationTable& nations) {
    json out = json::array();
    for (const TNation& n : nations) {
        out.push_back({{"Name", n.Name},
                       {"Name2", n.Name2},
                       {"FlashFires", n.FlashFires},
                       {"Accuracy", n.Accuracy},
                       {"DamageControl", n.DamageControl},
                       {"APShellQuality", n.APShellQuality},
                       {"DudRate", n.DudRate},
                       {"FlagFileName", n.FlagFileName},
                       {"NightFighting", n.NightFighting},
                       {"SmokeFloats", n.SmokeFloats}});
    }
    return out;
}

json preferencesJson(const TPreferences& p) {
    json colours = json::array();
    for (TColor c : p.NationColor) colours.push_back(colorText(c));
    return {{"BreakOnSighting", p.BreakOnSighting},
            {"BreakOnId", p.BreakOnId},
            {"OpenFireMsg", p.OpenFireMsg},
            {"AIControl", p.AIControl},
            {"BreakOnHit", p.BreakOnHit},
            {"FloatWarning", p.FloatWarning},
            {"BreakOnNewSighting", p.BreakOnNewSighting},
            {"BreakOnTorpedoHit", p.BreakOnTorpedoHit},
            {"BreakOnSinking", p.BreakOnSinking},
            {"BreakOnSunk", p.BreakOnSunk},
            {"BreakOnSubsighting", p.BreakOnSubsighting},
            {"FOW", p.FOW},
            {"DamageMeter", p.DamageMeter},
            {"CourseIndicator", p.CourseIndicator},
            {"ShipFlags", p.ShipFlags},
            {"Compass", p.Compass},
            {"BaseFlags", p.BaseFlags},
            {"CourseClick", p.CourseClick},
            {"LOScalc", p.LOScalc},
            {"SoundOption", p.SoundOption},
            {"Autosave", p.Autosave},
            {"RealismSetting", p.RealismSetting},
            {"HistoricalForces", p.HistoricalForces},
            {"MainFormWidth", p.MainFormWidth},
            {"MainFormHeight", p.MainFormHeight},
            {"MainFormState", p.MainFormState},
            {"WaterColor", colorText(p.WaterColor)},
            {"LandColor", colorText(p.LandColor)},
            {"FogColor", colorText(p.FogColor)},
            {"RainColor", colorText(p.RainColor)},
            {"NationColor", colours},
            {"Scale", p.Scale},
            {"ApplyToDD", p.ApplyToDD},
            {"SubWarning", p.SubWarning},
            {"ObjWarning", p.ObjWarning},
            {"MineWarning", p.MineWarning},
            {"PreemptWarning", p.PreemptWarning},
            {"FFRLow", p.FFRLow}};
}

json gunCalibresJson(const WeaponTables& weapons) {
    json out = json::array();
    for (int c = kMinGunCalibre; c <= kMaxGunCalibre; ++c) {
        const TGunCalibreData& g = weapons.Gun(c);
        json vpen = json::array(), hpen = json::array();
        for (int k = 1; k <= 30; ++k) {
            vpen.push_back(g.VPen[static_cast<size_t>(k)]);
            hpen.push_back(g.HPen[static_cast<size_t>(k)]);
        }
        out.push_back({{"Calibre", c},
                       {"BaseRange", g.BaseRange},
                       {"VPen", vpen},
                       {"HPen", hpen},
                       {"BaseRateOfFire", sdftool::singleJson(g.BaseRateOfFire)},
                       {"MaxRange", g.MaxRange}});
    }
    return out;
}

json torpedoTypesJson(const WeaponTables& weapons) {
    json out = json::array();
    for (int i = 1; i <= 9; ++i) {
        const TTorpedoType& t = weapons.TorpedoTypes[static_cast<size_t>(i)];
        out.push_back({{"Type", i},
                       {"Name", t.Name},
                       {"Speed1", t.Speed1},
                       {"Speed2", t.Speed2},
                       {"Range1", t.Range1},
                       {"Range2", t.Range2},
                       {"Tag", t.Tag}});
    }
    return out;
}

} // namespace

int runData(const Args& args) {
    VerbOptions options("data");
    if (auto exit = options.Parse(args)) return *exit;
    if (!options.Files.empty()) return options.UsageError("unexpected argument '" + options.Files.front() + "'");
    const std::string& dir = options.ProgramDir;

    ProgramData data;
    platform::RecordingMessages recorder;
    const bool complete = LoadProgramData(dir, data, recorder);

    json shipTypes = json::array();
    for (int i = 0; i <= 10; ++i) shipTypes.push_back(data.Weapons.ShipTypeName(i));

    json out = {{"ProgramDir", dir},
                {"CurrentYear", data.NationYear},
                {"Nations", nationsJson(data.Nations)},
                {"Preferences", preferencesJson(data.Preferences)},
                {"GunRangeFactor", data.Weapons.GunRangeFactor},
                {"PenetrationFactor", data.Weapons.PenetrationFactor},
                {"ShipTypeNames", shipTypes},
                {"GunCalibres", gunCalibresJson(data.Weapons)},
                {"TorpedoTypes", torpedoTypesJson(data.Weapons)},
                {"Messages", sdftool::messagesJson(recorder.recorded)}};
    sdftool::printJson(out);
    // A design-rule table that could not be opened broke off the start-up.
    return complete ? 0 : 1;
}
