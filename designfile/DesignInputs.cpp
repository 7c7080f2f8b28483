#include "designfile/DesignInputs.h"

#include "platform/DayNumber.h"
#include "shipdata/Ship.h"
#include "tables/WeaponData.h"

#include <cctype>

const std::array<const char*, 11> kDesignTypeCodes = {"BB", "BC", "B", "CA", "CL", "DD", "MS", "AMC", "AV", "TR", "LT"};

DesignInputs::DesignInputs() : ObsoleteDate(platform::dayNumberFromDate({2012, 11, 11})) {}

std::string DesignInputs::TypeCode() const {
    return Type >= 0 && Type < static_cast<int>(kDesignTypeCodes.size()) ? kDesignTypeCodes[Type] : "";
}

std::string ArmourStepText(int step) {
    const std::string whole = step == 1 ? std::string() : std::to_string(step / 2);
    return step % 2 == 1 ? whole + ".5" : whole;
}

std::vector<std::string> TorpedoTypeItems(const WeaponTables& weapons) {
    std::vector<std::string> items;
    for (int i = 1; i <= listsize::TorpType; ++i) {
        const TTorpedoType& t = weapons.TorpedoTypes[static_cast<size_t>(i)];
        items.push_back(t.Name + " " + std::to_string(t.Range1) + "/" + std::to_string(t.Speed1) + " " +
                        std::to_string(t.Range2) + "/" + std::to_string(t.Speed2));
    }
    return items;
}

int DesignTypeIndex(const std::string& code) {
    for (size_t i = 0; i < kDesignTypeCodes.size(); ++i) {
        const std::string item = kDesignTypeCodes[i];
        if (item.size() != code.size()) continue;
        bool same = true;
        for (size_t k = 0; k < item.size() && same; ++k)
            same = std::toupper(static_cast<unsigned char>(code[k])) == static_cast<unsigned char>(item[k]);
        if (same) return static_cast<int>(i);
    }
    return -1;
}

void ClampInputs(DesignInputs& in) {
    in.Nation = ListIndex(in.Nation, listsize::Nation);
    in.Type = ListIndex(in.Type, listsize::Type);
    in.Displacement = ranges::Displacement.clamp(in.Displacement);
    in.Range = ListIndex(in.Range, listsize::Range);
    in.Freeboard = ListIndex(in.Freeboard, listsize::Freeboard);
    in.Speed = ranges::Speed.clamp(in.Speed);
    in.FuelType = ListIndex(in.FuelType, listsize::FuelType);
    for (int* step : {&in.B, &in.BE, &in.D, &in.DE, &in.CT, &in.T, &in.TT, &in.SEC})
        *step = ListIndex(*step, listsize::Armour);
    in.BeltCoverage = ListIndex(in.BeltCoverage, listsize::BeltCoverage);
    in.FireControl = ListIndex(in.FireControl, listsize::FireControl);
    in.MainCal = ranges::MainCal.clamp(in.MainCal);
    in.MQ = ranges::Quality.clamp(in.MQ);
    in.SecCal = ranges::SmallCal.clamp(in.SecCal);
    in.Secondaries = ranges::SmallGuns.clamp(in.Secondaries);
    in.SecTF = ListIndex(in.SecTF, listsize::TurretFactor);
    in.SQ = ranges::Quality.clamp(in.SQ);
    in.TerCal = ranges::SmallCal.clamp(in.TerCal);
    in.Tertiaries = ranges::SmallGuns.clamp(in.Tertiaries);
    in.TerTF = ListIndex(in.TerTF, listsize::TurretFactor);
    in.TQ = ranges::Quality.clamp(in.TQ);
    in.TorpCal = ranges::TorpCal.clamp(in.TorpCal);
    in.TorpType = ListIndex(in.TorpType, listsize::TorpType);
    in.TPS = ListIndex(in.TPS, listsize::TPS);
    in.Mines = ranges::Mines.clamp(in.Mines);
    in.Accomodation = ListIndex(in.Accomodation, listsize::Accomodation);
    in.ObsoleteDate = ranges::ObsoleteDate.clamp(in.ObsoleteDate);
}

namespace {
// An armour list index as inches; nothing selected (-1) gives -0.5, which
// SetArmor stores as 0.
float Inches(int step) { return static_cast<float>(step) / 2.0f; }
} // namespace

platform::Problems ApplyInputs(const DesignInputs& in, TDesignShip& ship) {
    platform::Problems problems;
    ApplyInputs(in, ship, problems);
    return problems;
}

void ApplyInputs(const DesignInputs& in, TDesignShip& ship, platform::Problems& problems) {
    ship.SetArmor(Inches(in.B), Inches(in.D), Inches(in.BE), Inches(in.DE), Inches(in.CT), Inches(in.SEC), Inches(in.T),
                  Inches(in.TT));
    ship.SetDisplacementAndSpeed(in.Displacement, in.Speed);
    ship.SetOptions(in.Freeboard, in.Range, in.CrossDeck, in.BeltCoverage, in.Accomodation);
    ship.SetSecondaryBatteries(in.Secondaries, in.Tertiaries, in.TerTF, in.SecTF);
    ship.TorpedoCalibre = in.TorpCal;
    ship.SetFireControl(in.FireControl);
    ship.SetTorpedoDefense(in.TPS);
    ship.MineCapacity = in.Mines;
    ship.BatteryCalibre[1] = in.MainCal;
    ship.BatteryCalibre[2] = in.SecCal;
    ship.BatteryCalibre[3] = in.TerCal;
    ship.Recalculate(problems);
}
