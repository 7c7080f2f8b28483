#include "shipdata/Tables.h"

#include <cfloat>
#include <cmath>

#include "platform/Round.h"
#include "shipdata/Ship.h"

namespace {

constexpr int kFirstCalibre = kOrdnanceFirstCalibre;
constexpr int kLastCalibre = kOrdnanceLastCalibre;

const TOrdnance* ordnanceFor(const DesignTables& tables, std::int32_t calibre) {
    if (calibre < kFirstCalibre || calibre > kLastCalibre) return nullptr;
    return &tables.Ordnance[static_cast<size_t>(calibre - kFirstCalibre)];
}

// Calibres the table has no row for are scaled from the nearest row:
// gun weight with the cube of the calibre (a gun's mass grows with its
// bore in all three dimensions), the turret-armour base with its square
// (the armoured face grows with the mount's breadth and height).
long double scaledFromTable(const DesignTables& tables, std::int32_t calibre, long double (*field)(const TOrdnance&),
                            int power) {
    if (calibre <= 0) return 0;
    int nearest = calibre < kFirstCalibre ? kFirstCalibre : kLastCalibre;
    long double ratio = static_cast<long double>(calibre) / nearest;
    return field(*ordnanceFor(tables, nearest)) * std::pow(ratio, static_cast<long double>(power));
}

long double gunWeightOf(const TOrdnance& o) { return o.GunWeight; }
long double armourBaseOf(const TOrdnance& o) { return o.TurretArmourBase; }

// Band factor of the displacement; 1301..1400 t take 1.45, halfway between
// the bands on either side, where a gap would otherwise leave the power
// unscaled.
long double horsepowerFactor(std::int32_t d) {
    if (d <= 800) return 2.0L;
    if (d <= 900) return 1.9L;
    if (d <= 1000) return 1.8L;
    if (d <= 1100) return 1.7L;
    if (d <= 1200) return 1.6L;
    if (d <= 1300) return 1.5L;
    if (d <= 1400) return 1.45L;
    if (d <= 1600) return 1.4L;
    if (d <= 1800) return 1.3L;
    if (d <= 2000) return 1.2L;
    if (d <= 4000) return 1.1L;
    if (d <= 6000) return 1.05L;
    if (d <= 8000) return 1.0L;
    if (d <= 10000) return 0.9L;
    if (d <= 15000) return 0.8L;
    return 0.7L;
}

} // namespace

float GunWeight(const DesignTables& tables, std::int32_t calibre) {
    if (const TOrdnance* o = ordnanceFor(tables, calibre)) return o->GunWeight;
    long double w = scaledFromTable(tables, calibre, gunWeightOf, 3);
    if (w > FLT_MAX) return FLT_MAX;
    if (w < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(w);
}

std::int32_t TurretArmourBase(const DesignTables& tables, std::int32_t calibre) {
    if (const TOrdnance* o = ordnanceFor(tables, calibre)) return o->TurretArmourBase;
    return platform::Round32(scaledFromTable(tables, calibre, armourBaseOf, 2));
}

void RequiredHorsepower(const DesignTables& tables, Tship& ship, platform::Problems& problems) {
    const std::int32_t d = ship.Displacement;
    const std::int32_t s = ship.Speed;
    if (d > 52000) {
        problems.Add(platform::MessageKind::Notice, "Displacement", "Illegal displacement");
        ship.Horsepower = 0;
        return;
    }
    const std::int32_t k = d < 3000 ? kSpeedHPFirstThousand : d / 1000;
    if (s < kSpeedHPFirstKnot || s > kSpeedHPLastKnot) {
        problems.Add(platform::MessageKind::Notice, "Speed",
                     [s] { return "Illegal Speed value: " + std::to_string(s); });
        // No column exists for this speed; the machinery weighs nothing until
        // a valid speed is entered.
        ship.Speed = -1;
        ship.Horsepower = 0;
        return;
    }
    // A ship of no or negative displacement needs no power.
    if (d <= 0) {
        ship.Horsepower = 0;
        return;
    }
    long double h = static_cast<long double>(tables.SpeedHP[static_cast<size_t>(k - kSpeedHPFirstThousand)]
                                                           [static_cast<size_t>(s - kSpeedHPFirstKnot)]) *
                    1000;
    if (d < 3000) h = platform::RoundToWhole(h * d / 3000);
    else if (d % 1000 != 0) h = h + platform::RoundToWhole((h / k) * (d % 1000) / 1000);
    ship.Horsepower = platform::Round32(h * horsepowerFactor(d));
}
