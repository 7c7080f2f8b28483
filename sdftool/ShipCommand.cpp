// sdftool ship: each design built as a fighting ship, one JSON object per line.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"
#include "sdftool/JsonOut.h"

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/Identification.h"
#include "combat/RateOfFire.h"
#include "combat/ShipLayer.h"
#include "combat/ShipTypes.h"
#include "combat/StatusFigures.h"
#include "designfile/DesignRecord.h"
#include "map/MapModel.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace {

using Json = nlohmann::ordered_json;

std::string letterText(char p) { return platform::cp1252ToUtf8(std::string_view(&p, 1)); }

// The fields read from the file, in the file's order.
void loadedFields(const TFightingShip& s, Json& j) {
    j["ClassName"] = s.ClassName;
    j["Name"] = s.Name;
    j["ShipType"] = s.ShipType;
    j["ShipTypeCode"] = ShipTypeCode(s.ShipType);
    j["Displacement"] = s.Displacement;
    j["Speed"] = s.Speed;
    j["Dynamos"] = s.Dynamos;
    j["FireControl"] = s.FireControl;
    j["EnemyClassName"] = s.EnemyClassName;
    j["MisidentifiedClassName"] = s.MisidentifiedClassName;
    j["PictureName"] = s.PictureName;
    j["Nation"] = s.Nation;
    j["MineCapacity"] = s.MineCapacity;
    j["ObsoleteDate"] = s.ObsoleteDate;
    j["FuelType"] = s.FuelType;
    j["HSC"] = s.HSC;
    j["TorpedoDefense"] = s.TorpedoDefense;
    j["OriginalHitPoints"] = s.OriginalHitPoints;
    j["HitPoints"] = s.HitPoints;
    j["OriginalFlotation"] = s.OriginalFlotation;
    j["Flotation"] = s.Flotation;
    j["LowFreeboard"] = s.LowFreeboard;
    auto inches = [](float v) { return static_cast<std::int64_t>(v); };
    j["ArmorB"] = inches(s.ArmorB);
    j["ArmorD"] = inches(s.ArmorD);
    j["ArmorBE"] = inches(s.ArmorBE);
    j["ArmorDE"] = inches(s.ArmorDE);
    j["ArmorCT"] = inches(s.ArmorCT);
    j["ArmorSEC"] = inches(s.ArmorSEC);
    j["ArmorT"] = inches(s.ArmorT);
    j["ArmorTT"] = inches(s.ArmorTT);
    j["BatteryCalibre"] = {s.BatteryCalibre[1], s.BatteryCalibre[2], s.BatteryCalibre[3]};
    j["BatteryQuality"] = {s.BatteryQuality[1], s.BatteryQuality[2], s.BatteryQuality[3]};
    j["TorpedoCalibre"] = s.TorpedoCalibre;
    j["TorpedoDesignation"] = s.TorpedoDesignation;
}

// Funnels, outlines, the small guns and the turret and mount lists.
void layoutFields(const TFightingShip& s, Json& j) {
    Json funnels = Json::array();
    for (int i = 1; i <= 4; ++i)
        funnels.push_back(
            {{"Pos", s.Funnels[static_cast<size_t>(i)].Pos}, {"Oval", s.Funnels[static_cast<size_t>(i)].Oval}});
    j["Funnels"] = funnels;
    Json outlines = Json::array();
    for (int k = 0; k < 4; ++k) {
        Json points = Json::array();
        for (const auto& p : s.Superstructure[static_cast<size_t>(k)]) points.push_back({p.Angle, p.Distance});
        outlines.push_back({{"IsLine", s.IsLine[static_cast<size_t>(k)]}, {"Points", points}});
    }
    j["Superstructure"] = outlines;
    j["ShowSecondary"] = s.ShowSecondary;
    j["SecNo"] = s.SecNo;
    j["TerNo"] = s.TerNo;
    j["TerTF"] = s.TerTF;
    j["SecTF"] = s.SecTF;
    j["SecondaryPort"] = s.SecondaryPort;
    j["SecondaryStarboard"] = s.SecondaryStarboard;
    j["TertiaryPort"] = s.TertiaryPort;
    j["TertiaryStarboard"] = s.TertiaryStarboard;
    j["CrossDeckFire"] = s.CrossDeckFire;
    Json turrets = Json::array();
    for (const auto& t : s.Turrets) {
        const TFightingTurret* ft = TFightingShip::AsFighting(t.get());
        turrets.push_back(
            {{"Position", letterText(t->Position)}, {"Guns", t->Guns}, {"Training", ft ? ft->Training : 0}});
    }
    j["Turrets"] = turrets;
    Json mounts = Json::array();
    for (const auto& m : s.TorpedoMounts) {
        const TFightingTorpedoMount* fm = TFightingShip::AsFighting(m.get());
        mounts.push_back({{"Position", letterText(m->Position)},
                          {"TubeCount", fm ? fm->TubeCount : 0},
                          {"TubesLoaded", fm ? fm->TubesLoaded : 0},
                          {"Reloads", fm ? fm->Reloads : 0}});
    }
    j["TorpedoMounts"] = mounts;
    j["NoSuperimposed"] = s.NoSuperimposed;
    j["NoMidships"] = s.NoMidships;
    j["NoWingTurret"] = s.NoWingTurret;
    j["TurretAtW"] = s.TurretAtW;
}

// Figures that depend on the year of play are given for the designer's year, 0.
void derivedFigures(TFightingShip& s, TMap& map, const ProgramData& data, platform::Messages& messages, Json& j) {
    const std::int32_t year = 0;
    j["DisplayName"] = DisplayName(s);
    j["ShipSizeUnits"] = ShipSizeUnits(s);
    // The status card's figure, in the designer's zero environment.
    const BattleEnvironment env;
    platform::SeededRandom random(platform::kDefaultSeed);
    j["PointValue"] = BuildStatusFigures({data, env, random, messages}, s).PointValue;
    j["MaxGunRange"] = {MaxGunRange(data.Weapons, year, s, 1), MaxGunRange(data.Weapons, year, s, 2),
                        MaxGunRange(data.Weapons, year, s, 3)};
    j["MaxSpeedNow"] = MaxSpeedNow(s);
    j["DamagePercentage"] = GetDamagePercentage(s, messages);
    j["TorpedoBroadside"] = s.TorpedoBroadside();
    j["GunsText"] = s.GunsText();
    const TPresenter* presenter = s.Location ? map.FindPresenterByID(s.Location->PresenterID) : nullptr;
    j["Presenter"] = presenter ? presenter->Name : std::string();
}

Json shipJson(TFightingShip& s, TMap& map, const ProgramData& data, platform::Messages& messages) {
    Json j;
    loadedFields(s, j);
    layoutFields(s, j);
    derivedFigures(s, map, data, messages, j);
    return j;
}

} // namespace

int runShip(const Args& args) {
    VerbOptions options("ship");
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.empty()) return options.UsageError("no design file given");
    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    return ForEachDesign(options.Files, [&](const std::string& file) {
        TMap map;
        Json j;
        j["File"] = file;
        platform::RecordingMessages recorder;
        std::unique_ptr<TFightingShip> ship =
            CreateShipOnLayer(file, DesignClassName(file), map, data.Preferences, recorder);
        j["Loaded"] = ship != nullptr;
        if (ship) {
            Json fields = shipJson(*ship, map, data, recorder);
            for (auto& [key, value] : fields.items()) j[key] = value;
        }
        j["Messages"] = sdftool::messagesJson<Json>(recorder.recorded);
        std::string line = j.dump(-1, ' ', false, Json::error_handler_t::replace);
        std::fprintf(stdout, "%s\n", line.c_str());
        return ship != nullptr;
    });
}
