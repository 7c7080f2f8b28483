#include "sheets/DesignSummary.h"

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/RateOfFire.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipLayer.h"
#include "combat/ShipTypes.h"
#include "combat/StatusFigures.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "map/MapModel.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"
#include "platform/Round.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::array<const char*, 5> kTurretNames{"Casemate", "Single turret", "Double turret", "Triple turret",
                                                  "Quadruple turret"};
constexpr std::array<const char*, 5> kMountingNames{"Casemates", "Single turrets", "Double turrets", "Triple turrets",
                                                    "Quadruple turrets"};

template <size_t N>
std::string itemText(const std::array<const char*, N>& items, int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? items[static_cast<size_t>(index)] : "-";
}

std::string letterText(TurretPosition p) { return platform::cp1252ToUtf8(std::string_view(&p, 1)); }

std::string withUnit(const std::string& number, const std::string& unit) {
    return unit.empty() ? number : number + " " + unit;
}

// Armour steps are half inches.
double inchesOfStep(int step) { return step < 0 ? 0.0 : step / 2.0; }
int decimalsOfStep(int step) { return step % 2 != 0 ? 1 : 0; }

std::int32_t percentOf(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0 : static_cast<std::int32_t>(platform::Round(static_cast<long double>(part) / whole * 100));
}

// A casemate counts as one gun.
std::int32_t gunsOf(const TTurret& t) { return t.Guns == 0 ? 1 : t.Guns; }

class Builder {
public:
    Builder(DesignSummary& s) : s_(s) {}

    void Number(const char* group, const char* label, double value, const std::string& unit, int decimals = 0,
                std::string text = {}) {
        if (text.empty()) text = withUnit(GroupedNumber(value, decimals), unit);
        s_.Figures.push_back({group, label, text, value, unit, decimals});
    }
    void Text(const char* group, const char* label, const std::string& text) {
        s_.Figures.push_back({group, label, text, std::nullopt, "", 0});
    }
    SheetTable& Table(const char* title, std::vector<std::string> header, std::vector<bool> numeric) {
        s_.Tables.push_back({title, std::move(header), {}, std::move(numeric)});
        return s_.Tables.back();
    }

private:
    DesignSummary& s_;
};

struct Inputs {
    const DesignInputs& in;
    const TDesignShip& ship;
    const ProgramData& data;
};

std::int32_t mainGuns(const Tship& ship) {
    std::int32_t n = 0;
    for (const auto& t : ship.Turrets) n += gunsOf(*t);
    return n;
}

std::string describe(const Inputs& x) {
    std::string line =
        GroupedNumber(static_cast<std::int64_t>(x.in.Displacement)) + " t, " + std::to_string(x.in.Speed) + " kn";
    if (const std::int32_t guns = mainGuns(x.ship); guns > 0)
        line += ", " + std::to_string(guns) + " \u00d7 " + std::to_string(x.in.MainCal) + " in";
    if (x.in.B > 0) line += ", belt " + GroupedNumber(inchesOfStep(x.in.B), decimalsOfStep(x.in.B)) + " in";
    return line;
}

void designFigures(const Inputs& x, Builder& b, DesignSummary& s) {
    const DesignInputs& in = x.in;
    b.Text("Design", "Nation", s.Nation.empty() ? "-" : s.Nation);
    b.Text("Design", "Type", s.TypeCode.empty() ? "-" : s.TypeCode);
    b.Number("Design", "Displacement", in.Displacement, "t");
    b.Number("Design", "Speed", in.Speed, "kn");
    b.Number("Design", "Horsepower", x.ship.Horsepower, "hp");
    b.Text("Design", "Range", itemText(listtext::Range, in.Range));
    b.Text("Design", "Freeboard", itemText(listtext::Freeboard, in.Freeboard));
    b.Text("Design", "Fuel", itemText(listtext::FuelType, in.FuelType));
    b.Number("Design", "Complement", x.ship.Complement, "men");
    b.Text("Design", "Accommodation", itemText(listtext::Accomodation, in.Accomodation));

    SheetTable& t = b.Table("Design", {}, {false, false});
    for (const char* label :
         {"Displacement", "Speed", "Horsepower", "Range", "Freeboard", "Fuel", "Complement", "Accommodation"})
        for (const auto& f : s.Figures)
            if (f.Group == "Design" && f.Label == label) t.Rows.push_back({f.Label, f.Text});
}

void armourFigures(const Inputs& x, Builder& b) {
    const DesignInputs& in = x.in;
    const TShipWeights& w = x.ship.Weights;
    struct Area {
        const char* label;
        int step;
        std::optional<std::int32_t> weight; // none: weighed with the guns
    };
    const Area areas[] = {{"Belt", in.B, w.WeightB},
                          {"Belt extended", in.BE, w.WeightBE},
                          {"Deck", in.D, w.WeightD},
                          {"Deck extended", in.DE, w.WeightDE},
                          {"Conning tower", in.CT, w.WeightCT},
                          {"Turrets", in.T, std::nullopt},
                          {"Turret top", in.TT, std::nullopt},
                          {"Secondaries", in.SEC, std::nullopt}};
    SheetTable& t = b.Table("Armour", {"Area", "Thickness", "Weight"}, {false, true, true});
    for (const Area& a : areas) {
        const double inches = inchesOfStep(a.step);
        b.Number("Armour", a.label, inches, "in", decimalsOfStep(a.step));
        t.Rows.push_back(
            {a.label, withUnit(GroupedNumber(inches, decimalsOfStep(a.step)), "in"),
             a.weight ? withUnit(GroupedNumber(static_cast<std::int64_t>(*a.weight)), "t") : "with the guns"});
    }
    b.Text("Armour", "Belt coverage", itemText(listtext::BeltCoverage, in.BeltCoverage));
    b.Text("Armour", "Protected cruiser", in.ProtectedCruiser ? "Yes" : "No");
    t.Rows.push_back({"Belt coverage", itemText(listtext::BeltCoverage, in.BeltCoverage), ""});
    if (in.ProtectedCruiser) t.Rows.push_back({"Protected cruiser", "Yes", ""});
}

std::string torpedoTypeText(const Inputs& x) {
    const auto items = TorpedoTypeItems(x.data.Weapons);
    return x.in.TorpType >= 0 && static_cast<size_t>(x.in.TorpType) < items.size()
               ? items[static_cast<size_t>(x.in.TorpType)]
               : "-";
}

void armamentFigures(const Inputs& x, Builder& b) {
    const DesignInputs& in = x.in;
    const TDesignShip& ship = x.ship;

    std::string turrets;
    std::int32_t tubes = 0;
    for (const auto& t : ship.Turrets)
        turrets += (turrets.empty() ? "" : ", ") + letterText(t->Position) + " " +
                   (t->Guns == 0 ? std::string("casemate") : std::to_string(t->Guns));
    for (const auto& m : ship.TorpedoMounts) tubes += m->Tubes;
    std::string mounts;
    for (const auto& m : ship.TorpedoMounts)
        mounts += (mounts.empty() ? "" : ", ") + letterText(m->Position) + " " + std::to_string(m->Tubes);

    // A battery without guns has no calibre to compare.
    auto calibre = [&](const char* label, std::int32_t count, std::int32_t value) {
        count > 0 ? b.Number("Armament", label, value, "in") : b.Text("Armament", label, "-");
    };
    b.Number("Armament", "Main guns", mainGuns(ship), "");
    calibre("Main calibre", mainGuns(ship), in.MainCal);
    b.Text("Armament", "Main turrets", turrets.empty() ? "-" : turrets);
    b.Text("Armament", "Cross deck fire", in.CrossDeck ? "Yes" : "No");
    b.Number("Armament", "Secondary guns", in.Secondaries, "");
    calibre("Secondary calibre", in.Secondaries, in.SecCal);
    b.Text("Armament", "Secondary mounting", itemText(kMountingNames, in.SecTF));
    b.Number("Armament", "Tertiary guns", in.Tertiaries, "");
    calibre("Tertiary calibre", in.Tertiaries, in.TerCal);
    b.Number("Armament", "Torpedo tubes", tubes, "");
    calibre("Torpedo calibre", tubes, in.TorpCal);
    b.Text("Armament", "Torpedo mounts", mounts.empty() ? "-" : mounts);
    // The type's name alone; the sheet's equipment table gives its ranges.
    const bool typeChosen = in.TorpType >= 0 && in.TorpType < listsize::TorpType;
    b.Text("Armament", "Torpedo type",
           tubes > 0 && typeChosen ? x.data.Weapons.TorpedoTypes[static_cast<size_t>(in.TorpType) + 1].Name : "-");
    b.Number("Armament", "Mines", in.Mines, "");
    b.Text("Armament", "Fire control", itemText(listtext::FireControl, in.FireControl));
    b.Text("Armament", "Torpedo defence", itemText(listtext::TPS, in.TPS));
}

// The sheet's armament table: each turret and mount with its guns and weight.
void armamentTables(const Inputs& x, Builder& b) {
    const DesignInputs& in = x.in;
    const TDesignShip& ship = x.ship;
    const TShipWeights& w = ship.Weights;
    SheetTable& t = b.Table("Armament", {"Position", "Guns", "Mounting", "Weight"}, {false, false, false, true});
    auto tons = [](std::int32_t v) { return withUnit(GroupedNumber(static_cast<std::int64_t>(v)), "t"); };
    for (const auto& turret : ship.Turrets)
        t.Rows.push_back({letterText(turret->Position) + " - " + TurretPositionName(turret->Position),
                          std::to_string(gunsOf(*turret)) + " \u00d7 " + std::to_string(in.MainCal) + " in",
                          itemText(kTurretNames, turret->Guns), tons(turret->Weight)});
    if (in.Secondaries > 0)
        t.Rows.push_back({"Secondary battery",
                          std::to_string(in.Secondaries) + " \u00d7 " + std::to_string(in.SecCal) + " in",
                          itemText(kMountingNames, in.SecTF), tons(w.SecondaryWeight)});
    if (in.Tertiaries > 0)
        t.Rows.push_back({"Tertiary battery",
                          std::to_string(in.Tertiaries) + " \u00d7 " + std::to_string(in.TerCal) + " in",
                          itemText(kMountingNames, in.TerTF), tons(w.TertiaryWeight)});
    for (const auto& m : ship.TorpedoMounts)
        t.Rows.push_back({letterText(m->Position) + " - " + TorpedoMountName(m->Position),
                          std::to_string(m->Tubes) + " \u00d7 " + std::to_string(in.TorpCal) + " in",
                          m->Tubes == 1 ? "Torpedo tube" : "Torpedo tubes", tons(m->Weight)});
    if (t.Rows.empty()) t.Rows.push_back({"No guns or torpedoes", "", "", ""});

    SheetTable& e = b.Table("Equipment", {}, {false, false});
    if (!ship.TorpedoMounts.empty()) e.Rows.push_back({"Torpedo type", torpedoTypeText(x)});
    if (in.Mines > 0) e.Rows.push_back({"Mines", std::to_string(in.Mines)});
    if (in.CrossDeck) e.Rows.push_back({"Cross deck fire", "Yes"});
    e.Rows.push_back({"Fire control", itemText(listtext::FireControl, in.FireControl)});
    e.Rows.push_back({"Torpedo defence", itemText(listtext::TPS, in.TPS)});
}

void weightFigures(const Inputs& x, Builder& b) {
    const TDesignShip& ship = x.ship;
    const TShipWeights& w = ship.Weights;
    const std::int64_t displacement = ship.Displacement;
    const std::pair<const char*, std::int32_t> groups[] = {
        {"Hull", w.HullWeight},           {"Machinery", w.MachineryWeight},        {"Armour", w.ArmorWeight},
        {"Armament", w.ArmamentWeight},   {"Accommodation", w.AccommodationSpace}, {"Specials", w.SpecialsWeight},
        {"Torpedo defence", w.TPSWeight}, {"Fire control", w.FireControlWeight},
    };
    SheetTable& t = b.Table("Weights", {"Group", "Weight", "Share"}, {false, true, true});
    for (const auto& [label, weight] : groups) {
        const std::string share = std::to_string(percentOf(weight, displacement)) + "%";
        b.Number("Weights", label, weight, "t", 0,
                 withUnit(GroupedNumber(static_cast<std::int64_t>(weight)), "t") + " (" + share + ")");
        t.Rows.push_back({label, withUnit(GroupedNumber(static_cast<std::int64_t>(weight)), "t"), share});
    }
    const std::int64_t spare = displacement - w.TotalWeight;
    b.Number("Weights", "Total weight", w.TotalWeight, "t");
    b.Number("Weights", "Spare", static_cast<double>(spare), "t");
    b.Text("Weights", "Overweight", spare < 0 ? "Yes" : "No");
    t.Rows.push_back({"Total weight", withUnit(GroupedNumber(static_cast<std::int64_t>(w.TotalWeight)), "t"),
                      std::to_string(percentOf(w.TotalWeight, displacement)) + "%"});
    t.Rows.push_back({"Displacement", withUnit(GroupedNumber(displacement), "t"), "100%"});
    t.Rows.push_back({spare < 0 ? "Overweight" : "Spare", withUnit(GroupedNumber(spare < 0 ? -spare : spare), "t"),
                      std::to_string(percentOf(spare < 0 ? -spare : spare, displacement)) + "%"});
}

// Main guns that bear on the better beam.
std::int32_t broadsideGuns(const TFightingShip& ship, platform::Messages& sink) {
    std::int32_t best = 0;
    for (std::int32_t bearing : {90, 270}) {
        std::int32_t n = 0;
        for (const auto& t : ship.Turrets)
            if (TurretCanBear(*t, bearing, ship.CrossDeckFire, sink)) n += gunsOf(*t);
        best = std::max(best, n);
    }
    return best;
}

void fightingFigures(TFightingShip* ship, const std::vector<platform::RecordedMessage>& messages,
                     const ProgramData& data, platform::Messages& sink, Builder& b) {
    SheetTable& t = b.Table("Fighting ship", {}, {false, true});
    if (!ship) {
        std::string why;
        for (const auto& m : messages) why += (why.empty() ? "" : " ") + m.text;
        t.Rows.push_back({"Not built", why.empty() ? "-" : why});
        return;
    }
    // The designer's battle environment: year 0, as on the status card.
    const std::int32_t year = 0;
    auto add = [&](const char* label, std::int64_t value, const char* unit) {
        b.Number("Fighting ship", label, static_cast<double>(value), unit);
        t.Rows.push_back({label, withUnit(GroupedNumber(value), unit)});
    };
    add("Hit points", ship->OriginalHitPoints, "");
    add("Flotation", ship->OriginalFlotation, "");
    add("Size", ShipSizeUnits(*ship), "");
    // The status card's figures, in the designer's zero environment.
    const BattleEnvironment env;
    platform::SeededRandom random(platform::kDefaultSeed);
    const ShipStatusFigures card = BuildStatusFigures({data, env, random, sink}, *ship);
    add("Point value", card.PointValue, "");
    const std::pair<const char*, std::int32_t> batteries[] = {{"Max range, main guns", mainGuns(*ship)},
                                                              {"Max range, secondary guns", ship->SecNo},
                                                              {"Max range, tertiary guns", ship->TerNo}};
    for (int battery = 1; battery <= 3; ++battery) {
        const auto& [label, guns] = batteries[battery - 1];
        if (guns > 0) {
            add(label, MaxGunRange(data.Weapons, year, *ship, battery), "yd");
        } else {
            b.Text("Fighting ship", label, "-");
            t.Rows.push_back({label, "-"});
        }
    }
    add("Broadside guns", broadsideGuns(*ship, sink), "");
    const std::int32_t torpedoes = ship->TorpedoBroadside();
    add("Torpedo broadside", torpedoes < 0 ? -torpedoes : torpedoes, "");
}

} // namespace

std::string GroupedNumber(std::int64_t value) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -(value + 1) + 1ULL : static_cast<unsigned long long>(value));
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return negative ? "-" + out : out;
}

std::string GroupedNumber(double value, int decimals) {
    if (!std::isfinite(value)) return "-";
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    const double whole = std::trunc(rounded);
    std::string text = GroupedNumber(static_cast<std::int64_t>(whole));
    if (whole == 0 && rounded < 0) text = "-" + text;
    if (decimals > 0) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(rounded - whole));
        text += std::string(buf).substr(1); // ".5"
    }
    return text;
}

DesignSummary BuildDesignSummary(const DesignRecord& record, const ProgramData& data) {
    DesignSummary s;
    s.ClassName = record.ClassName;
    if (!record.Readable) return s;
    s.Readable = true;

    DesignInputs in;
    TDesignShip ship(data);
    ship.ClearSpecials();
    // The rules' problems come back below as the design check, in plain words.
    (void)LoadDesignInto(record, in, ship);

    platform::RecordingMessages recorder;
    TMap map;
    std::unique_ptr<TFightingShip> fighting =
        CreateShipOnLayer(record, record.ClassName, map, data.Preferences, recorder);
    const std::vector<platform::RecordedMessage> shipMessages = recorder.recorded;

    s.NationIndex = in.Nation;
    if (const TNation* n = data.Nation(in.Nation)) s.Nation = n->Name;
    s.TypeCode = in.TypeCode();
    if (!s.TypeCode.empty()) s.TypeName = data.Weapons.ShipTypeName(ShipTypeFromCode(s.TypeCode, recorder));
    s.Displacement = ship.Displacement;
    s.TotalWeight = ship.Weights.TotalWeight;
    s.PictureName = in.PicName;
    s.FightingShipBuilt = fighting != nullptr;

    const Inputs x{in, ship, data};
    s.Description = describe(x);
    Builder b(s);
    designFigures(x, b, s);
    armourFigures(x, b);
    armamentFigures(x, b);
    armamentTables(x, b);
    weightFigures(x, b);
    fightingFigures(fighting.get(), shipMessages, data, recorder, b);
    // The design check of the form and of `sdftool check`, in its plain words.
    for (const DesignProblem& problem : CheckDesign(in, ship)) s.Problems.push_back(problem.text);
    fighting.reset(); // before the map it stands on
    return s;
}
