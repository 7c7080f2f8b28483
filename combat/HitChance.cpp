#include "combat/HitChance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "combat/FightShip.h"
#include "combat/Identification.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipTypes.h"
#include "combat/Sighting.h"
#include "map/Geodesy.h"
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
    static constexpr std::int32_t kSmall[] = {1, 2, 4, 4, 6, 7, 9, 12, 12}; // sea 4..12
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

std::string num(std::int64_t v) { return std::to_string(v); }
std::int64_t absTurn(std::int32_t t) { return std::llabs(static_cast<long long>(t)); }

// The modifier's table: each row applies its change and prints its line.
// Rows carry their step number, so the stages below can add them in any
// order and the breakdown still prints them in the table's order.
class HitTable {
public:
    // Some lines print another figure than the change they stand for; both
    // are kept exactly as the table gives them.
    void row(int step, std::int64_t change, std::string line) {
        modifier_ += change;
        lines_.push_back({step, std::move(line)});
    }
    // A change the table makes without a line of its own.
    void silent(std::int64_t change) { modifier_ += change; }
    std::int64_t modifier() const { return modifier_; }
    void print(std::vector<std::string>& out) {
        std::stable_sort(lines_.begin(), lines_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& line : lines_) out.push_back(std::move(line.second));
    }

private:
    std::int64_t modifier_ = 0;
    std::vector<std::pair<int, std::string>> lines_;
};

// What every stage reads about one shot.
struct Shot {
    const CombatContext& ctx;
    const BattleEnvironment& env;
    TFightingShip& firer;
    TFightingShip& target;
    std::int32_t calibre;
    int battery;
    std::int32_t range;
    const TNation& nation;
    bool ignoreRanging;
};

// The nation's figures in the battle's year of play.
const TNation& nationOf(const CombatContext& ctx, const TFightingShip& ship) {
    static const TNation none{};
    const TNation* n = NationAt(ctx.Data.NationsOf(ctx.Env.Year), ship.Nation);
    return n ? *n : none;
}

// The reference range of the gun in yards, by the year and the battery's
// quality; 0 when the gun data has none.
std::int64_t referenceRange(const ProgramData& data, const Shot& s) {
    std::int64_t E = static_cast<std::int64_t>(data.Weapons.Gun(s.calibre).BaseRange) * 1000;
    if (E == 0) return 0;
    const std::int32_t year = s.env.Year;
    if (year < 1909) E = platform::Round(E * 0.8L);
    else if (year < 1913) E = platform::Round(E * 0.9L);
    if (year < 1906 && s.calibre > 12) E = platform::Round(E * 0.8L);
    const std::int32_t quality = s.firer.BatteryQuality[static_cast<size_t>(s.battery)];
    if (quality > 0) E += 300;
    else if (quality < 0) E -= 300;
    return E;
}

float basicChance(std::int32_t R, std::int64_t E) {
    float B = static_cast<float>(4.0L / (static_cast<long double>(R) / E));
    if (R > 8000) B = static_cast<float>(B * 0.7L);
    else if (R > 6000) B = static_cast<float>(B * 0.8L);
    else if (R > 4000) B = static_cast<float>(B * 0.9L);
    return B;
}

void firerRows(const Shot& s, HitTable& t) {
    const TFightingShip& f = s.firer;
    const std::int32_t R = s.range;
    t.row(1, f.CrewQuality, "Crew quality: " + num(static_cast<std::int64_t>(f.CrewQuality) * 10));
    const std::int32_t fc = FireControlRangeModifier(f.FireControl, R);
    t.row(4, fc, "Fire control: " + num(std::int64_t{fc} * 10) + " (" + FireControlName(f.FireControl) + ")");
    const std::int32_t side = SideAccuracy(f.Side);
    if (s.nation.Accuracy != 0 || side != 0) {
        const std::int64_t sum = static_cast<std::int64_t>(s.nation.Accuracy) + side;
        t.row(5, sum, "National characteristic: " + num(sum * 10));
    }
    if (!s.ignoreRanging && s.battery == 1 && f.RangingTurns >= 1) {
        const bool small = f.ShipType == stDD || f.ShipType == stMS;
        const bool close = R < (small ? 4000 : 5000);
        if (small) t.row(8, close ? -3 : -5, close ? "Ranging: -20" : "Ranging: -30");
        else t.row(8, close ? -3 : -5, close ? "Ranging: -30" : "Ranging: -50");
    }
    if (s.battery > 1)
        t.row(9, -s.battery, s.battery == 2 ? "Secondary battery firing: -20" : "Tertiary battery firing: -30");
    if (s.battery == 3 && R > 5000) t.silent(-1);
    const std::int64_t ownTurn = absTurn(f.CurrentTurn);
    if (ownTurn >= 1 && ownTurn <= 2000) {
        const int p = ownTurn <= 10 ? 1 : ownTurn <= 20 ? 2 : ownTurn <= 30 ? 4 : ownTurn <= 50 ? 6 : 8;
        t.row(13, -p, "Ship turning: -" + num(std::int64_t{p} * 10));
    }
    if (f.Evading) t.row(16, -4, "Firing ship evading: -40");
    if (f.UnderFire > 9 || (f.UnderFire > 4 && !f.IsCapitalShip())) t.row(18, -2, "Under fire: -20");
    else if (f.UnderFire > 0) t.row(18, -1, "Under fire: -10");
    // A ship without flotation (no displacement) counts as undamaged.
    const std::int64_t afloat =
        f.OriginalFlotation == 0 ? 100
                                 : platform::Round(static_cast<long double>(f.Flotation) / f.OriginalFlotation * 100);
    const std::int64_t damage = 100 - afloat;
    if (damage > 20) t.row(23, -(damage / 20), "Firing ship damage: -" + num(damage / 20) + "0");
    if (f.ShipType == stDD || f.ShipType == stMS) {
        const int p = R < 2000 ? 2 : R < 3000 ? 4 : R < 5000 ? 5 : 6;
        t.row(24, -p, "DD firing: -" + num(std::int64_t{p} * 10));
    } else if (f.ShipType == stCL) {
        t.row(24, -2, R < 5000 ? "CL firing: -10" : "CL firing: -20");
    } else if (f.ShipType == stAMC) {
        t.row(24, -3, "AMC firing: -30");
    }
}

void targetRows(const Shot& s, HitTable& t) {
    const TFightingShip& g = s.target;
    const std::int32_t R = s.range;
    const std::int32_t size = GetTargetSizeModifier(g, R);
    t.row(2, size, "Target size: " + num(std::int64_t{size} * 10));
    if (g.CurrentSpeed < 6) t.row(3, 1, "Target low speed: + 10");
    const std::int64_t turn = absTurn(g.CurrentTurn);
    if (turn >= 15 && turn <= 900) {
        const int p = turn <= 30 ? 1 : turn <= 60 ? 2 : 3;
        t.row(14, -p, "Target turning: -" + num(std::int64_t{p} * 10));
    }
    if (g.Evading && g.Speed >= 16) {
        if (turn < 61) t.row(15, -3, "Target evading: -30");
        else t.row(15, -2, "Target evading: -20");
    }
    if (g.FiringShips > 1) {
        const std::int32_t n = std::min(g.FiringShips, 3);
        t.row(17, -n, num(g.FiringShips) + " ships firing at same target: -" + num(n) + "0");
    }
    if (g.SightingLevel == 1) t.row(19, -4, "Target sighting level: -20");
    else if (g.SightingLevel == 2) t.row(19, -2, "Target sighting level: -10");
    if (g.ShipType == stLT && g.Speed == 1) t.row(20, -4, "Firing at unspotted battery: -50");
    if (g.ShipType == stDD && s.calibre > 8) {
        if (R < 6000) t.row(21, -4, "Big guns firing at DD: -40");
        else t.row(21, -2, "Big guns firing at DD: -30");
    } else if (g.ShipType == stDD && s.calibre > 4 && g.Displacement < 800) {
        t.row(21, -4, "Medium guns firing at small DD: -30");
    }
}

// The sun, the sighting range and what lies across the line of fire. Sets
// the target's light condition, which the environment's night row reads.
void geometryRows(const Shot& s, HitTable& t) {
    const std::int32_t R = s.range;
    const std::int32_t trueBearing = GetTrueBearingToShip(s.firer, &s.target, s.ctx.Messages);
    const std::int32_t sunBearing = GetBearingToPoint(s.firer, s.env.Sun);
    if (s.firer.LightCondition == lcDusk && AngleDifference((sunBearing + 180) % 360, trueBearing) < 45)
        t.row(6, -2, "Target in dusk: -20");
    if (HasGlare(s.env, s.firer)) {
        const std::int32_t d = AngleDifference(sunBearing, trueBearing);
        if (d < 30) t.row(7, -4, "Glare: -40");
        else if (d < 45) t.row(7, -2, "Glare: -20");
    }
    const std::int64_t S = GetSightingRange(s.ctx, &s.target, false);
    if (R > 0.9L * S) t.row(11, -4, "Near sighting range: -40");
    else if (R > 0.8L * S) t.row(11, -2, "Near sighting range: -20");
    const std::int32_t between = CountShipsInBetween(s.ctx, s.firer, &s.target, true);
    if (between > 0)
        t.row(12, -(between + 1),
              num(between) + " ships fouling the range: " + num(-10 * (static_cast<std::int64_t>(between) + 1)));
    const std::int32_t smoke = GetSmokeInterference(s.ctx, s.firer, &s.target, false);
    if (smoke > 0) t.row(22, -smoke, "Smoke interference: -" + num(static_cast<std::int64_t>(smoke) * 10));
}

void environmentRows(const Shot& s, HitTable& t) {
    const std::int32_t P = SeaStatePenalty(s.firer.ShipType, s.env.SeaState);
    if (P > 0) t.row(25, -P, "Sea state: -" + num(std::int64_t{P} * 10));
    if (s.target.LightCondition == lcNight) {
        t.row(26, -1, "Night firing: - 10");
        const std::int32_t N = s.nation.NightFighting;
        if (N >= 1) t.row(26, N, "Nightfighting ability: +" + num(static_cast<std::int64_t>(N) * 10));
        else if (N < 0) t.row(26, N, "Nightfighting ability: " + num(static_cast<std::int64_t>(N) * 10));
    }
    const std::uint8_t w = s.env.Weather;
    if (w < 2) t.row(27, -3, "Firing in mist: - 30");
    else if (w == 6) t.row(27, -2, "Rain: - 20");
    else if (w == 7) t.row(27, -3, "Rain: - 30");
}

} // namespace

float GetGunHitChance(const CombatContext& ctx, TFightingShip& firer, TFightingShip* target, std::int32_t calibre,
                      int battery, const HitChanceOptions& options) {
    const ProgramData& data = ctx.Data;
    if (!target || battery < 1 || battery > 3) return 0.0f;
    const std::int32_t R = GetRangeToShip(firer, target);
    if (R == 0) return 0.0f;
    const Shot shot{ctx, ctx.Env, firer, *target, calibre, battery, R, nationOf(ctx, firer), options.IgnoreRanging};
    if (data.Weapons.Gun(calibre).BaseRange == 0) {
        ctx.Messages.notice("Error in gun data!\rShip: " + DisplayName(firer) + "\rCalibre: " + num(calibre));
        return 0.0f;
    }
    const std::int64_t E = referenceRange(data, shot);
    if (E == 0) return 0.0f; // a quality step that cancels the whole reference range
    const float B = basicChance(R, E);

    std::vector<std::string>* out = options.Breakdown;
    if (out) {
        out->push_back("Target: " + IdentificationText(ctx, *target));
        out->push_back("Range: " + num(GetRoundedRangeToShip(ctx, firer, target, false)) + " yards");
        out->push_back("Basic hit chance: " + FormatChance(B));
    }
    HitTable table;
    firerRows(shot, table);
    targetRows(shot, table);
    geometryRows(shot, table);
    environmentRows(shot, table);
    if (out) table.print(*out);

    const std::int64_t hitMod = table.modifier();
    if (hitMod > 50)
        ctx.Messages.notice("Warning! HitMod > 50! HitMod: " + num(hitMod) + "\rShip: " + DisplayName(firer) +
                            " Target: " + DisplayName(*target));
    float C = hitMod > 0 ? static_cast<float>(B * std::pow(1.1L, static_cast<long double>(hitMod)))
                         : static_cast<float>(B * std::pow(0.9L, static_cast<long double>(-hitMod)));
    // An absurd modifier from a hostile input must still give a number.
    if (!std::isfinite(C)) C = std::numeric_limits<float>::max();
    C = BandHitChance(C, target->ShipType == stTR && R < 1500);
    if (out) out->push_back("Final hit chance: " + FormatChance(C));
    return C;
}
