// sdftool report: each design read and recomputed as the design form does,
// one JSON object per line.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "sdftool/JsonOut.h"

#include "platform/Encoding.h"
#include "platform/NumberText.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace {

using Json = nlohmann::ordered_json;

// Position letters are Windows-1252 bytes.
std::string PositionText(char p) { return platform::cp1252ToUtf8(std::string_view(&p, 1)); }

// What the design file holds, in the file's own groups.
void AddInputs(Json& j, const DesignInputs& in, const ProgramData& data) {
    j["Data"] = {{"Displacement", in.Displacement},
                 {"Range", in.Range},
                 {"Freeboard", in.Freeboard},
                 {"BeltCoverage", in.BeltCoverage},
                 {"Speed", in.Speed},
                 {"ShipType", in.TypeCode()},
                 {"EnemyClassName", in.EnemyClass},
                 {"MisidentifiedClassName", in.MisClass},
                 {"PictureName", in.PicName},
                 {"Nation", in.Nation},
                 {"Accomodation", in.Accomodation},
                 {"Fire control", in.FireControl},
                 {"Torpedo defense", in.TPS},
                 {"Mine capacity", in.Mines},
                 {"Obsolete date", in.ObsoleteDate},
                 {"Fuel type", in.FuelType}};
    j["Armor"] = {{"B", in.B},   {"BE", in.BE},   {"D", in.D},
                  {"DE", in.DE}, {"CT", in.CT},   {"T", in.T},
                  {"TT", in.TT}, {"SEC", in.SEC}, {"PC", in.ProtectedCruiser}};
    j["Guns"] = {{"Main", in.MainCal},
                 {"Secondary", in.SecCal},
                 {"Tertiary", in.TerCal},
                 {"MQ", in.MQ},
                 {"SQ", in.SQ},
                 {"TQ", in.TQ},
                 {"SecNo", in.Secondaries},
                 {"TerNo", in.Tertiaries},
                 {"TerTF", in.TerTF},
                 {"SecTF", in.SecTF},
                 {"CDF", in.CrossDeck}};
    std::string designation;
    const auto items = TorpedoTypeItems(data.Weapons);
    if (in.TorpType >= 0 && in.TorpType < static_cast<int>(items.size()))
        designation = platform::utf8Left(items[in.TorpType], 1);
    j["Torpedoes"] = {{"Calibre", in.TorpCal}, {"Designation", designation}};
    Json funnels = Json::object();
    for (int k = 0; k < 4; ++k) {
        // The boxes hold text; a number is shown as one.
        auto value = platform::StrToInt(in.FunnelPos[k]);
        Json pos = value ? Json(*value) : Json(in.FunnelPos[k]);
        funnels["Funnel" + std::to_string(k + 1) + "Pos"] = pos;
    }
    for (int k = 0; k < 4; ++k) funnels["Funnel" + std::to_string(k + 1) + "Oval"] = in.FunnelOval[k];
    j["Funnels"] = funnels;
}

// What the rules made of it.
void AddWeights(Json& j, const TDesignShip& s) {
    const TShipWeights& w = s.Weights;
    j["Horsepower"] = s.Horsepower;
    j["HullWeight"] = w.HullWeight;
    j["MachineryWeight"] = w.MachineryWeight;
    j["WeightB"] = w.WeightB;
    j["WeightD"] = w.WeightD;
    j["WeightBE"] = w.WeightBE;
    j["WeightDE"] = w.WeightDE;
    j["WeightCT"] = w.WeightCT;
    j["ArmorWeight"] = w.ArmorWeight;
    j["SecondaryWeight"] = w.SecondaryWeight;
    j["TertiaryWeight"] = w.TertiaryWeight;
    j["ArmamentWeight"] = w.ArmamentWeight;
    j["SpecialsWeight"] = w.SpecialsWeight;
    j["TPSWeight"] = w.TPSWeight;
    j["FireControlWeight"] = w.FireControlWeight;
    j["Complement"] = s.Complement;
    j["AccommodationSpace"] = w.AccommodationSpace;
    j["TotalWeight"] = w.TotalWeight;
    j["Spare"] = static_cast<std::int64_t>(s.Displacement) - w.TotalWeight;
    j["Overweight"] = w.TotalWeight > s.Displacement;
    Json turrets = Json::array();
    for (const auto& t : s.Turrets)
        turrets.push_back({{"Position", PositionText(t->Position)}, {"Guns", t->Guns}, {"Weight", t->Weight}});
    j["Turrets"] = turrets;
    Json mounts = Json::array();
    for (const auto& m : s.TorpedoMounts)
        mounts.push_back({{"Position", PositionText(m->Position)}, {"Tubes", m->Tubes}, {"Weight", m->Weight}});
    j["TorpedoMounts"] = mounts;
}

Json ReportJson(const DesignRun& run, const ProgramData& data) {
    Json j;
    j["File"] = run.file;
    j["ClassName"] = run.inputs.Name;
    AddInputs(j, run.inputs, data);
    AddWeights(j, *run.ship);
    j["Messages"] = sdftool::messagesJson<Json>(run.problems);
    return j;
}

} // namespace

int runReport(const Args& args) {
    VerbOptions options("report");
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.empty()) return options.UsageError("no design file given");
    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    return ForEachDesign(options.Files, [&](const std::string& file) {
        DesignRun run = RunDesign(file, data);
        if (!run.readable) {
            ReportUnreadable("report", file);
            return false;
        }
        std::string line = ReportJson(run, data).dump(-1, ' ', false, Json::error_handler_t::replace);
        std::fprintf(stdout, "%s\n", line.c_str());
        return true;
    });
}
