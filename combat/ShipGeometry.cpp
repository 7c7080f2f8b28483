#include "combat/ShipGeometry.h"

#include "combat/FightShip.h"
#include "combat/Identification.h"
#include "map/Geodesy.h"
#include "platform/Encoding.h"
#include "platform/Messages.h"

std::int32_t GetRangeToShip(const TFightingShip& ship, const TFightingShip* other) {
    if (!other) return 0;
    return DistanceYards(ship.Position(), other->Position());
}

std::int32_t GetRoundedRangeToShip(const CombatContext& ctx, const TFightingShip& ship, const TFightingShip* other,
                                   bool withError) {
    if (!other) {
        ctx.Messages.notice("Error in GetRoundedRangeToShip procedure for " + DisplayName(ship) + "! Ship = nil!");
        return 0;
    }
    std::int64_t r = GetRangeToShip(ship, other);
    if (withError) {
        const std::int32_t error = ctx.Draw(static_cast<std::int32_t>(r / 5));
        r = r + r / 10 - error;
    }
    return static_cast<std::int32_t>(r / 100 * 100);
}

std::int32_t GetTrueBearingToShip(const TFightingShip& ship, const TFightingShip* other, platform::Messages& messages) {
    if (!other) {
        messages.notice("Warning! Cannot get bearing to nil ship!" + ship.Name);
        return 0;
    }
    return CompassBearing(ship.Position(), other->Position());
}

std::int32_t GetBearingToShip(const TFightingShip& ship, const TFightingShip* other, platform::Messages& messages) {
    if (!other) {
        messages.notice("Warning! GetBearingToShip " + ship.Name + " to nil ship!");
        return 0;
    }
    return NormalizeBearing(GetTrueBearingToShip(ship, other, messages), -ship.Heading);
}

std::int32_t GetBearingToPoint(const TFightingShip& ship, const TGeoPoint& point) {
    return CompassBearing(ship.Position(), point);
}

bool TurretCanBear(const TTurret& turret, std::int32_t b, bool crossDeckFire, platform::Messages& messages) {
    auto between = [b](int lo, int hi) { return b > lo && b < hi; };
    switch (turret.Position) {
    case '1': return b < 45 || b > 225;
    case '2': return b < 135 || b > 315;
    case '3': return between(135, 315);
    case '4': return between(45, 225);
    case '5':
    case '7': return between(210, 330);
    case '6':
    case '8': return between(30, 150);
    case 'A':
    case 'B': return b < 135 || b > 225;
    case 'C':
    case 'L':
    case 'Q':
    case 'R':
    case 'W': return between(45, 135) || between(225, 315);
    case 'D': return between(225, 340);
    case 'E': return between(20, 145);
    case 'F': return between(210, 335) || (crossDeckFire && between(55, 125));
    case 'G': return between(25, 150) || (crossDeckFire && between(235, 305));
    case 'H': return between(210, 330);
    case 'I': return between(30, 150);
    case 'J': return between(205, 330) || (crossDeckFire && between(55, 125));
    case 'K': return between(30, 155) || (crossDeckFire && between(235, 305));
    case 'S': return between(200, 325);
    case 'T': return between(35, 160);
    case 'V':
    case 'X':
    case 'Y': return between(45, 315);
    default:
        messages.notice("Warning! Illegal turret position: " + platform::cp1252ToUtf8(std::string(1, turret.Position)));
        return false;
    }
}
