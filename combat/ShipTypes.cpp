#include "combat/ShipTypes.h"

#include "combat/FightShip.h"
#include "map/Geodesy.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"

std::int32_t ShipSizeUnits(const Tship& ship) {
    const std::int32_t d = ship.Displacement;
    auto in = [d](std::int32_t lo, std::int32_t hi) { return d >= lo && d <= hi; };
    switch (ship.ShipType) {
    case stBB:
    case stBC: {
        std::int32_t adj = 0;
        if (in(1, 16999)) adj = -2;
        else if (in(19000, 20000)) adj = -1;
        else if (in(25000, 29999)) adj = 1;
        else if (in(30000, 100000000)) adj = 2;
        return 20 + adj;
    }
    case stB: return 16 + (d < 14000 ? -2 : 0);
    case stCA: return 15 + (d < 10000 ? -1 : d > 14000 ? 1 : 0);
    case stCL: return 13 + (d > 4500 ? 1 : d < 3000 ? -1 : 0);
    case stAMC:
    case stTR:
    case stAV: return 15 + (d < 4000 ? -1 : d > 5500 ? 1 : 0);
    case stDD: return 10 + (d > 1400 ? 2 : in(1001, 1400) ? 1 : d < 500 ? -1 : 0);
    case stMS: return 6 + (d < 400 ? -1 : 0);
    default: return 15;
    }
}

std::int32_t TurretPositionBearing(const TTurret& turret, platform::Messages& messages) {
    switch (turret.Position) {
    case 'A':
    case 'B':
    case 'D':
    case 'E':
    case 'F':
    case 'G':
    case 'L':
    case '1':
    case '2': return 0;
    case 'C':
    case 'J':
    case 'K':
    case 'Q':
    case 'R':
    case 'S':
    case 'T':
    case 'V':
    case 'W':
    case 'X':
    case 'Y':
    case '3':
    case '4': return 180;
    case 'H': return turret.Guns != 0 ? 0 : 350;
    case 'I': return turret.Guns != 0 ? 0 : 10;
    case '5': return 350;
    case '6': return 10;
    case '7': return 190;
    case '8': return 170;
    default:
        messages.notice("Illegal turret position!" + platform::cp1252ToUtf8(std::string(1, turret.Position)));
        return 270;
    }
}

std::optional<TTurretPlacement> TurretPlacement(const Tship& ship, TurretPosition letter, bool large, int battery) {
    if (!large && battery != 2 && battery >= 1 && battery <= 3 &&
        ship.BatteryCalibre[static_cast<size_t>(battery)] >= 7)
        large = true;
    const bool capital = ship.ShipType == stBB || ship.ShipType == stBC;
    const bool cross = ship.CrossDeckFire;
    const bool noSuper = ship.NoSuperimposed;
    const bool reduced = capital && ship.NoMidships;
    const bool aftExt = ship.TurretAtW;
    // The alternatives of the wing and midships-wing positions.
    auto pick3 = [&](int bl, int dl, int bn, int dn, int be, int de) {
        if (large) return TTurretPlacement{bl, dl};
        if (!capital) return TTurretPlacement{bn, dn};
        return TTurretPlacement{be, de};
    };
    auto pick4 = [&](int bl, int dl, int bn, int dn, int bc, int dc, int be, int de) {
        if (large) return TTurretPlacement{bl, dl};
        if (!capital) return TTurretPlacement{bn, dn};
        if (cross) return TTurretPlacement{bc, dc};
        return TTurretPlacement{be, de};
    };
    auto aft = [&](int d) {
        if (reduced) return d * 9 / 10;
        if (aftExt) return d * 11 / 10;
        return d;
    };
    switch (letter) {
    case '1': return TTurretPlacement{354, 152};
    case '2': return TTurretPlacement{6, 152};
    case '3': return TTurretPlacement{186, 152};
    case '4': return TTurretPlacement{174, 152};
    case '5': return capital ? TTurretPlacement{303, 44} : TTurretPlacement{304, 42};
    case '6': return capital ? TTurretPlacement{57, 44} : TTurretPlacement{56, 42};
    case '7': return capital ? TTurretPlacement{237, 44} : TTurretPlacement{236, 42};
    case '8': return capital ? TTurretPlacement{123, 44} : TTurretPlacement{124, 42};
    case 'A': {
        int d = noSuper ? 135 : 150;
        return TTurretPlacement{0, reduced ? d * 9 / 10 : d};
    }
    case 'B': return TTurretPlacement{0, reduced ? 120 * 9 / 10 : 120};
    case 'C': return TTurretPlacement{0, 100};
    case 'D': return pick3(345, 97, 343, 105, 341, 102);
    case 'E': return pick3(15, 97, 17, 105, 19, 102);
    case 'F': return pick4(331, 55, 330, 66, 322, 61, 329, 67);
    case 'G': return pick4(29, 55, 30, 66, 38, 61, 31, 67);
    case 'H': return TTurretPlacement{270, large ? 30 : 36};
    case 'I': return TTurretPlacement{90, large ? 30 : 36};
    case 'J': return pick4(209, 55, 210, 66, 218, 61, 211, 67);
    case 'K': return pick4(151, 55, 150, 66, 142, 61, 149, 67);
    case 'L': return TTurretPlacement{0, capital ? 44 : 50};
    case 'Q': return TTurretPlacement{0, 0};
    case 'R': return TTurretPlacement{180, 40};
    case 'S': return pick3(195, 97, 197, 105, 199, 102);
    case 'T': return pick3(165, 97, 163, 105, 161, 102);
    case 'V': return TTurretPlacement{180, 60};
    case 'W': return TTurretPlacement{180, noSuper ? 80 : 100};
    case 'X': return TTurretPlacement{180, aft(120)};
    case 'Y': return TTurretPlacement{180, aft(noSuper ? 135 : 150)};
    default: return std::nullopt;
    }
}

TGeoPoint TurretPositionOffset(const TFightingShip& ship, TurretPosition letter, bool large, int battery) {
    const TGeoPoint centre = ship.Position();
    const auto place = TurretPlacement(ship, letter, large, battery);
    if (!place) return centre;
    const std::int32_t distance = place->Distance * ShipSizeUnits(ship) / 20;
    const std::int32_t bearing = NormalizeBearing(place->Bearing, ship.Heading);
    return PointAtBearing(centre, bearing, distance);
}

void FormationName(int formation, std::string& name) {
    switch (formation) {
    case 0: name = "Line ahead"; break;
    case 1: name = "Line abreast"; break;
    case 2: name = "Search line"; break;
    case 3: name = "Screen"; break;
    default: break;
    }
}

std::string RoleName(int role) {
    switch (role) {
    case 0: return "Independent";
    case 1: return "Core";
    case 2: return "Support";
    case 3: return "Scout";
    case 4: return "Screen";
    case 5: return "Patrol";
    default: return "Illegal Role value!";
    }
}

bool FormationAllowed(const TDivision* division, int formation, std::int32_t year) {
    const TFightingShip* lead = division ? division->Leader() : nullptr;
    if (!lead) return true;
    const int type = lead->ShipType;
    const bool cruiserLead = type >= 3 && type <= 5;
    bool allowed = true;
    if (year < 1908 && formation == fmScreen && !cruiserLead) allowed = false;
    if (formation == fmSearchLine && !cruiserLead) allowed = false;
    if (type == stBB || type == stB) allowed = formation == 0 || formation == 1;
    return allowed;
}

bool RoleAllowed(const TDivision* division, int role, std::int32_t year) {
    const TFightingShip* lead = division ? division->Leader() : nullptr;
    if (!lead) return true;
    const int type = lead->ShipType;
    switch (role) {
    case 0:
    case 1:
    case 5: return true;
    case 2: return type >= 4 && type <= 7;
    case 3: return type == 1 || (type >= 3 && type <= 5);
    case 4:
        if (year < 1908) return type == 1 || (type >= 3 && type <= 5);
        return type == 1 || (type >= 3 && type <= 7);
    default: return false;
    }
}

std::string FireControlName(std::int32_t level) {
    switch (level) {
    case 0: return "Local only";
    case 1: return "Central rangefinder";
    case 2: return "Central firing";
    case 3: return "Director";
    case 4: return "Improved director";
    case 5: return "Advanced director";
    default: return "Unknown " + std::to_string(level);
    }
}

std::int32_t FireControlRangeModifier(std::int32_t level, std::int32_t range) {
    auto in = [range](std::int32_t lo, std::int32_t hi) { return range >= lo && range <= hi; };
    switch (level) {
    case 0:
        if (in(0, 2000)) return 0;
        if (in(2001, 4000)) return -1;
        if (in(4001, 8000)) return -2;
        if (in(8001, 12000)) return -3;
        if (in(12001, 1200000)) return -4;
        return -2;
    case 1:
        if (in(0, 4000)) return 0;
        if (in(4001, 8000)) return -1;
        if (in(8001, 12000)) return -2;
        if (in(12001, 120000)) return -3;
        return -2;
    case 2:
        if (in(0, 8000)) return 0;
        if (in(8001, 14000)) return -1;
        if (in(14001, 18000)) return -2;
        if (in(18001, 180000)) return -3;
        return -2;
    case 3: return 0;
    case 4: return range > 10000 ? 1 : -2;
    case 5:
        if (range > 12000) return 2;
        if (in(8001, 12000)) return 1;
        return -2;
    default: return -2;
    }
}
