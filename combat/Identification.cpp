#include "combat/Identification.h"

#include "combat/FightShip.h"
#include "combat/ShipTypes.h"

std::string DisplayName(const TFightingShip& ship) {
    if (ship.ShipType == stLT) return ship.Name;
    return ShipTypeCode(ship.ShipType) + " " + ship.Name;
}

std::string IdentificationText(const CombatContext& ctx, TFightingShip& ship) {
    if (ship.ShipType == stLT) {
        switch (ship.SightingLevel) {
        case 0: return "UNSIGHTED!";
        case 1: return "Unidentified land feature";
        case 2:
        case 3: return ship.EnemyClassName;
        default: return "";
        }
    }
    if (ship.ReportedType.empty()) ChooseReportedType(ship, 20000, ctx.Env.Year, ctx.Random);
    if (ship.ReportedClassName.empty()) ChooseReportedClassName(ship, ctx.Random);
    switch (ship.SightingLevel) {
    case 0: return "UNSIGHTED!";
    case 1: return "Unidentified ship";
    case 2: return ship.ReportedType;
    case 3:
        if (ship.Side == 3) return "Neutral steamer";
        return ShipTypeCode(ship.ShipType) + " " + ship.ReportedClassName + "-class";
    default: return "";
    }
}

void ChooseReportedClassName(TFightingShip& ship, platform::RandomSource& random) {
    const std::int32_t r = random.next(100);
    if (r < 25 && ship.ReportedClassName != ship.EnemyClassName) ship.ReportedClassName = ship.MisidentifiedClassName;
    else ship.ReportedClassName = ship.EnemyClassName;
}

namespace {

// Step 5: a misreport by the true type from one draw r.
void misreport(TFightingShip& ship, std::int32_t r, platform::RandomSource& random) {
    std::string& rt = ship.ReportedType;
    auto in = [r](int lo, int hi) { return r >= lo && r <= hi; };
    switch (ship.ShipType) {
    case stBB:
        if (in(0, 20)) rt = "BC";
        else if (in(21, 25)) rt = "CA";
        else if (in(26, 30)) rt = "B";
        break;
    case stBC:
        if (in(0, 20)) rt = "BB";
        else if (in(21, 25)) rt = "CA";
        else if (in(26, 30)) rt = "B";
        break;
    case stB:
        if (in(0, 10)) rt = "BB";
        else if (in(11, 20)) rt = "CA";
        else if (in(21, 30)) rt = "BC";
        break;
    case stCA:
        if (in(0, 20)) rt = "B";
        else if (in(21, 25)) rt = "BC";
        else if (in(26, 30)) rt = "BB";
        break;
    case stCL:
        if (in(0, 14)) rt = "CA";
        else if (in(15, 28)) rt = "DD";
        else if (r == 29) rt = "B";
        else if (r == 30) rt = "BB";
        break;
    case stAMC:
        if (in(0, 26)) rt = "TR";
        else if (in(27, 30)) rt = "AV";
        break;
    case stDD:
        if (in(0, 24)) rt = "CL";
        else if (in(25, 26)) rt = "CA";
        else if (in(27, 30)) rt = "MS";
        break;
    case stMS:
        if (in(0, 30)) rt = "DD";
        if (ship.Displacement > 800 && random.next(100) < 30) rt = "CL";
        break;
    case stTR:
        if (in(0, 20)) rt = "AMC";
        else if (in(21, 30)) rt = "AV";
        break;
    case stAV:
        if (in(0, 15)) rt = "TR";
        else if (in(26, 30)) rt = "AMC";
        break;
    default: break;
    }
}

} // namespace

void ChooseReportedType(TFightingShip& ship, std::int32_t range, std::int32_t year, platform::RandomSource& random) {
    std::string& rt = ship.ReportedType;
    const std::string trueCode = ShipTypeCode(ship.ShipType);
    if (!rt.empty() && random.next(100) < 90) return;
    if (!rt.empty() && rt != trueCode && random.next(100) < 85) return;
    if (ship.Division && random.next(100) < 50 && !ship.Division->Ships.empty()) {
        const TFightingShip* leader = ship.Division->Leader();
        if (leader && !leader->ReportedType.empty()) {
            rt = leader->ReportedType;
            return;
        }
    }
    if (rt == trueCode && random.next(100) < 90) return;
    misreport(ship, random.next(100), random);
    if (year < 1907 && rt == "BC") rt = random.next(100) < 50 ? "B" : "CA";
    if (random.next(100) < range / 1000 - 15) {
        const std::int32_t r = random.next(100);
        if (r <= 10) rt = "CL";
        else if (r <= 20) rt = "AMC";
        else if (r <= 30) rt = "CA";
        else if (r <= 40) rt = "B";
        else if (r <= 50) rt = "BC";
        else if (r <= 60) rt = "BB";
        else if (r <= 70) rt = "DD";
    }
    if (rt.empty()) rt = trueCode;
}
