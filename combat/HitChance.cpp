#include "combat/HitChance.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "combat/FightShip.h"
#include "combat/Identification.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipTypes.h"
#include "combat/Sighting.h"
#include "tables/WeaponData.h"
#include "map/Geodesy.h"
#include "nations/Nations.h"
#include "platform/Messages.h"
#include "platform/Round.h"

std::string FormatChance(float chance) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(chance));
    return buf;
}

std::int32_t SideAccuracy(std::int32_t) { return 0; }

float BandHitChance(float c, bool closeTransport) {
    if (!(c > 10.0f)) return c;
    if (closeTransport) return static_cast<float>(c - 5.0L + 10.0L);
    const std::int64_t n = platform::Round(c);
    if (n <= 40) return 10.0f;
    if (n <= 45) return 11.0f;
    if (n <= 50) return 12.0f;
    if (n <= 55) return 13.0f;
    if (n <= 60) return 14.0f;
    if (n <= 65) return 15.0f;
    if (n <= 70) return 16.0f;
    if (n <= 100) return 17.0f;
    return c;
}

std::int32_t SeaStatePenalty(int type, std::int32_t sea) {
    static constexpr std::int32_t kSmall[] = {1, 2, 4, 4, 6, 7, 9, 12, 12};    // sea 4..12
    static constexpr std::int32_t kCruiser[] = {0, 1, 3, 3, 4, 6, 7, 10, 10};
    static constexpr std::int32_t kOther[] = {0, 1, 2, 2, 3, 4, 6, 9, 10};
    const bool small = type == stDD || type == stMS;
    const bool cruiser = type == stCL || type == stAMC;
    if (sea >= 4 && sea <= 12) {
        const int i = sea - 4;
        return small ? kSmall[i] : cruiser ? kCruiser[i] : kOther[i];
    }
    if (sea >= 13 && sea <= 2000) return small ? 12 : cruiser ? 10 : 0;
    return 0;
}

std::int32_t GetTargetSizeModifier(const TFightingShip& target, std::int32_t range) {
    const std::int32_t k = target.Displacement / 1000;
    const int band = range <= 5000 ? 0 : range <= 8000 ? 1 : 2;
    std::int32_t m = 0;
    if (k >= 0 && k <= 2) m = -2 - band;
    else if (k >= 3 && k <= 6) m = band == 2 ? -2 : -1;
    else if (k >= 7 && k <= 9) m = band == 2 ? -1 : 0;
    else if (k >= 29 && k <= 100) m = band == 2 ? 0 : 1;
    if (target.ShipType == stTR) m += 4;
    if (target.ShipType == stAMC) m += 2;
    return m;
}

namespace {

const TNation& nationOf(const TFightingShip& ship) {
    static const TNation none{};
    return ship.Nation >= 0 && ship.Nation <= MaxNation ? Nations[static_cast<size_t>(ship.Nation)] : none;
}

std::int64_t absTurn(std::int32_t t) { return std::llabs(static_cast<long long>(t)); }

} // namespace

float GetGunHitChance(TFightingShip& firer, TFightingShip* target, std::int32_t calibre, int battery,
                      std::int32_t seaState, std::uint8_t weather, std::vector<std::string>* breakdown,
                      bool noRangingPenalty) {
    if (!target || battery < 1 || battery > 3) return 0.0f;
    auto line = [breakdown](const std::string& text) {
        if (breakdown) breakdown->push_back(text);
    };
    auto num = [](std::int64_t v) { return std::to_string(v); };

    const std::int32_t R = GetRangeToShip(firer, target);
    if (R == 0) return 0.0f;
    std::int64_t E = static_cast<std::int64_t>(GunCalibre(calibre).BaseRange) * 1000;
    if (E == 0) {
        platform::messages().notice("Error in gun data!\rShip: " + DisplayName(firer) + "\rCalibre: " + num(calibre));
        return 0.0f;
    }
    if (CurrentYear < 1909) E = platform::Round(E * 0.8L);
    else if (CurrentYear < 1913) E = platform::Round(E * 0.9L);
    if (CurrentYear < 1906 && calibre > 12) E = platform::Round(E * 0.8L);
    const std::int32_t quality = firer.BatteryQuality[static_cast<size_t>(battery)];
    if (quality > 0) E += 300;
    else if (quality < 0) E -= 300;
    if (E == 0) return 0.0f;   // a quality step that cancels the whole reference range

    float B = static_cast<float>(4.0L / (static_cast<long double>(R) / E));
    if (R > 8000) B = static_cast<float>(B * 0.7L);
    else if (R > 6000) B = static_cast<float>(B * 0.8L);
    else if (R > 4000) B = static_cast<float>(B * 0.9L);

    if (breakdown) {
        line("Target: " + IdentificationText(*target));
        line("Range: " + num(GetRoundedRangeToShip(firer, target, false)) + " yards");
        line("Basic hit chance: " + FormatChance(B));
    }

    std::int64_t hitMod = 0;
    // 1-5: crew, size, speed, fire control, nation.
    hitMod += firer.CrewQuality;
    line("Crew quality: " + num(static_cast<std::int64_t>(firer.CrewQuality) * 10));
    const std::int32_t size = GetTargetSizeModifier(*target, R);
    hitMod += size;
    line("Target size: " + num(size * 10));
    if (target->CurrentSpeed < 6) {
        hitMod += 1;
        line("Target low speed: + 10");
    }
    const std::int32_t fc = FireControlRangeModifier(firer.FireControl, R);
    hitMod += fc;
    line("Fire control: " + num(fc * 10) + " (" + FireControlName(firer.FireControl) + ")");
    const TNation& nation = nationOf(firer);
    const std::int32_t side = SideAccuracy(firer.Side);
    if (nation.Accuracy != 0 || side != 0) {
        const std::int64_t sum = static_cast<std::int64_t>(nation.Accuracy) + side;
        hitMod += sum;
        line("National characteristic: " + num(sum * 10));
    }

    // 6-7: the sun.
    const std::int32_t trueBearing = GetTrueBearingToShip(firer, target);
    const std::int32_t sunBearing = GetBearingToPoint(firer, SunPosition);
    if (firer.LightCondition == lcDusk && AngleDifference((sunBearing + 180) % 360, trueBearing) < 45) {
        hitMod -= 2;
        line("Target in dusk: -20");
    }
    if (HasGlare(firer)) {
        const std::int32_t d = AngleDifference(sunBearing, trueBearing);
        if (d < 30) {
            hitMod -= 4;
            line("Glare: -40");
        } else if (d < 45) {
            hitMod -= 2;
            line("Glare: -20");
        }
    }

    // 8-10: ranging and the smaller batteries.
    if (!noRangingPenalty && battery == 1 && firer.RangingTurns >= 1) {
        if (firer.ShipType == stDD || firer.ShipType == stMS) {
            hitMod -= R < 4000 ? 3 : 5;
            line(R < 4000 ? "Ranging: -20" : "Ranging: -30");
        } else {
            hitMod -= R < 5000 ? 3 : 5;
            line(R < 5000 ? "Ranging: -30" : "Ranging: -50");
        }
    }
    if (battery > 1) {
        hitMod -= battery;
        line(battery == 2 ? "Secondary battery firing: -20" : "Tertiary battery firing: -30");
    }
    if (battery == 3 && R > 5000) hitMod -= 1;

    // 11-12: sighting range and ships in the way.
    const std::int64_t S = GetSightingRange(target, false);
    if (R > 0.9L * S) {
        hitMod -= 4;
        line("Near sighting range: -40");
    } else if (R > 0.8L * S) {
        hitMod -= 2;
        line("Near sighting range: -20");
    }
    const std::int32_t between = CountShipsInBetween(firer, target, true);
    if (between > 0) {
        hitMod -= between + 1;
        line(num(between) + " ships fouling the range: " + num(-10 * (static_cast<std::int64_t>(between) + 1)));
    }

    // 13-16: turning and evading.
    const std::int64_t ownTurn = absTurn(firer.CurrentTurn);
    if (ownTurn >= 1 && ownTurn <= 2000) {
        const int p = ownTurn <= 10 ? 1 : ownTurn <= 20 ? 2 : ownTurn <= 30 ? 4 : ownTurn <= 50 ? 6 : 8;
        hitMod -= p;
        line("Ship turning: -" + num(p * 10));
    }
    const std::int64_t targetTurn = absTurn(target->CurrentTurn);
    if (targetTurn >= 15 && targetTurn <= 900) {
        const int p = targetTurn <= 30 ? 1 : targetTurn <= 60 ? 2 : 3;
        hitMod -= p;
        line("Target turning: -" + num(p * 10));
    }
    if (target->Evading && target->Speed >= 16) {
        if (targetTurn < 61) {
            hitMod -= 3;
            line("Target evading: -30");
        } else {
            hitMod -= 2;
            line("Target evading: -20");
        }
    }
    if (firer.Evading) {
        hitMod -= 4;
        line("Firing ship evading: -40");
    }

    // 17-21: crowding, fire received, sighting, small targets.
    if (target->FiringShips > 1) {
        const std::int32_t n = target->FiringShips < 3 ? target->FiringShips : 3;
        hitMod -= n;
        line(num(target->FiringShips) + " ships firing at same target: -" + num(n) + "0");
    }
    if (firer.UnderFire > 4 && !firer.IsCapitalShip()) {
        hitMod -= 2;
        line("Under fire: -20");
    } else if (firer.UnderFire > 9) {
        hitMod -= 2;
        line("Under fire: -20");
    } else if (firer.UnderFire > 0) {
        hitMod -= 1;
        line("Under fire: -10");
    }
    if (target->SightingLevel == 1) {
        hitMod -= 4;
        line("Target sighting level: -20");
    } else if (target->SightingLevel == 2) {
        hitMod -= 2;
        line("Target sighting level: -10");
    }
    if (target->ShipType == stLT && target->Speed == 1) {
        hitMod -= 4;
        line("Firing at unspotted battery: -50");
    }
    if (target->ShipType == stDD && calibre > 8) {
        if (R < 6000) {
            hitMod -= 4;
            line("Big guns firing at DD: -40");
        } else {
            hitMod -= 2;
            line("Big guns firing at DD: -30");
        }
    } else if (target->ShipType == stDD && calibre > 4 && target->Displacement < 800) {
        hitMod -= 4;
        line("Medium guns firing at small DD: -30");
    }

    // 22-23: smoke and the firer's own damage.
    const std::int32_t smoke = GetSmokeInterference(firer, target, false);
    if (smoke > 0) {
        hitMod -= smoke;
        line("Smoke interference: -" + num(static_cast<std::int64_t>(smoke) * 10));
    }
    // A ship without flotation (no displacement) counts as undamaged.
    const std::int64_t afloat = firer.OriginalFlotation == 0
                                    ? 100
                                    : platform::Round(static_cast<long double>(firer.Flotation) /
                                                      firer.OriginalFlotation * 100);
    const std::int64_t damage = 100 - afloat;
    if (damage > 20) {
        hitMod -= damage / 20;
        line("Firing ship damage: -" + num(damage / 20) + "0");
    }

    // 24-27: the firer's type, the sea, night and weather.
    if (firer.ShipType == stDD || firer.ShipType == stMS) {
        const int p = R < 2000 ? 2 : R < 3000 ? 4 : R < 5000 ? 5 : 6;
        hitMod -= p;
        line("DD firing: -" + num(p * 10));
    } else if (firer.ShipType == stCL) {
        hitMod -= 2;
        line(R < 5000 ? "CL firing: -10" : "CL firing: -20");
    } else if (firer.ShipType == stAMC) {
        hitMod -= 3;
        line("AMC firing: -30");
    }
    const std::int32_t P = SeaStatePenalty(firer.ShipType, seaState);
    if (P > 0) {
        hitMod -= P;
        line("Sea state: -" + num(P * 10));
    }
    if (target->LightCondition == lcNight) {
        hitMod -= 1;
        line("Night firing: - 10");
        const std::int32_t N = nation.NightFighting;
        if (N >= 1) {
            hitMod += N;
            line("Nightfighting ability: +" + num(static_cast<std::int64_t>(N) * 10));
        } else if (N < 0) {
            hitMod += N;
            line("Nightfighting ability: " + num(static_cast<std::int64_t>(N) * 10));
        }
    }
    if (weather < 2) {
        hitMod -= 3;
        line("Firing in mist: - 30");
    } else if (weather == 6) {
        hitMod -= 2;
        line("Rain: - 20");
    } else if (weather == 7) {
        hitMod -= 3;
        line("Rain: - 30");
    }

    if (hitMod > 50)
        platform::messages().notice("Warning! HitMod > 50! HitMod: " + num(hitMod) + "\rShip: " + DisplayName(firer) +
                                    " Target: " + DisplayName(*target));
    float C = hitMod > 0 ? static_cast<float>(B * std::pow(1.1L, static_cast<long double>(hitMod)))
                         : static_cast<float>(B * std::pow(0.9L, static_cast<long double>(-hitMod)));
    // An absurd modifier from a hostile input must still give a number.
    if (!std::isfinite(C)) C = std::numeric_limits<float>::max();
    C = BandHitChance(C, target->ShipType == stTR && R < 1500);
    line("Final hit chance: " + FormatChance(C));
    return C;
}
