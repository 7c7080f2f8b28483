#include "combat/StatusFigures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "combat/Identification.h"
#include "combat/RateOfFire.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipTypes.h"
#include "nations/Nations.h"

namespace {

std::string str(std::int64_t n) { return std::to_string(n); }

// "#0.00": at least one integer digit, exactly two decimals.
std::string formatReal(long double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2Lf", value);
    return buf;
}

std::string hitPercentage(std::int32_t hits, std::int32_t rounds) {
    if (rounds == 0) return formatReal(0);
    return formatReal(static_cast<long double>(hits) / rounds * 100);
}

// Whole inches, "½" for an exact half, the inch sign and the suffix; empty
// for no armour.
std::string armourText(float inches, const char* suffix) {
    if (!(inches > 0)) return {};
    const double value = std::min<double>(inches, 1e9);
    const auto whole = static_cast<std::int64_t>(std::trunc(value));
    std::string text = str(whole);
    if (value - static_cast<double>(whole) == 0.5) text += "\u00BD";
    return text + "\"" + suffix;
}

void turretsAndMounts(const TFightingShip& ship, ShipStatusFigures& f) {
    for (const auto& t : ship.Turrets) {
        std::string line = TurretPositionName(t->Position) + " " + (t->Guns == 0 ? std::string("1") : str(t->Guns));
        if (const TFightingTurret* ft = TFightingShip::AsFighting(t.get())) {
            if (ft->Knocked) line += " Destroyed!";
            else if (ft->DisabledTurns > 0) line += " Disabled!";
        }
        f.Turrets.push_back(line);
    }
    for (const auto& m : ship.TorpedoMounts) {
        const TFightingTorpedoMount* fm = TFightingShip::AsFighting(m.get());
        if (!fm) {
            f.TorpedoMounts.push_back(TorpedoMountName(m->Position) + " " + str(m->Tubes));
            continue;
        }
        std::string line =
            TorpedoMountName(fm->Position) + " " + str(fm->TubeCount) + " (" + str(fm->TubesLoaded) + ")";
        if (fm->Destroyed) line += " Destroyed!";
        else if (fm->Submerged() && fm->ReloadMinutes >= 1 && fm->Reloads >= 1)
            line += " Reloading, " + str(fm->ReloadMinutes) + " minutes left";
        f.TorpedoMounts.push_back(line);
    }
}

void heading(const CombatContext& ctx, const TFightingShip& ship, const StatusOptions& o, ShipStatusFigures& f) {
    const TNation* nation = ctx.Data.Nation(ship.Nation);
    if (nation) f.FlagFile = nation->FlagFileName;
    if (ship.MineCapacity >= 1) f.Mines = str(ship.MineCapacity) + " mines";
    const std::string n2 = nation ? nation->Name2 : std::string();
    const std::string typeName = ctx.Data.Weapons.ShipTypeName(ship.ShipType);
    f.Heading = ((!o.SideName.empty() && n2 == "Unspecified") || n2 == "Generic")
                    ? UpperText(o.SideName) + " " + typeName
                    : UpperText(n2) + " " + typeName;
    if (ship.ObsoleteDate < o.Date) f.Heading = "OLD " + f.Heading;
    f.ShipName = UpperText(ship.Name);
    f.MainGuns = str(ship.CountGuns(false)) + " - " + str(ship.BatteryCalibre[1]) + " inch.";
    f.ClassName = UpperText(ship.EnemyClassName + " CLASS");
    f.Displacement = "Displacement, " + str(ship.Displacement) + " tons";
}

void summary(const TFightingShip& ship, ShipStatusFigures& f) {
    if (ship.SecondaryPort > 0) f.SecondaryGuns = str(ship.SecNo) + " - " + str(ship.BatteryCalibre[2]) + " inch.";
    if (ship.TertiaryPort > 0) f.TertiaryGuns = str(ship.TerNo) + " - " + str(ship.BatteryCalibre[3]) + " inch.";
    f.TorpedoPanel = !ship.TorpedoMounts.empty();
    if (f.TorpedoPanel) f.TorpedoPanelTitle = "Torpedo tubes (" + str(ship.TorpedoCalibre) + " inch)";
    const std::int32_t broadside = ship.TorpedoBroadside();
    if (broadside >= 1) {
        f.TorpedoTubes = str(broadside);
        f.TorpedoPlacement = "above water";
    } else if (broadside < 0) {
        f.TorpedoTubes = str(-static_cast<std::int64_t>(broadside));
        f.TorpedoPlacement = "submerged";
    }
    f.Belt = armourText(ship.ArmorB, " Belt (amidships)");
    f.Deck = armourText(ship.ArmorD, " Deck");
    f.TurretArmour = armourText(ship.ArmorT, " Turrets");
    f.BatteryArmour = armourText(ship.ArmorSEC, " Battery");
    f.ConningTower = armourText(ship.ArmorCT, " C.T.");
}

void stateBoxes(const CombatContext& ctx, const TFightingShip& ship, const StatusOptions& o, ShipStatusFigures& f) {
    if (ship.SteamMinutesLeft >= 1)
        f.LimitedByWeather = "Raising steam! " + str(ship.SteamMinutesLeft) + " minutes left";
    else if (ctx.Env.SeaState > 5)
        f.LimitedByWeather = "Speed limited to " + str(MaxSpeedForSea(ctx.Env.SeaState)) + " knots by weather!";
    f.GratesFouled = ship.GratesFouling > 180;
    f.HitChanceEnabled = ship.MainTarget != nullptr;
    f.Evading = ship.Evading;
    f.Flooding = str(FloodingPercent(ship));
    f.SinkingShown = ship.SinkingCount >= 1 || ship.Fires >= 2 || ship.Sunk;
    if (ship.Sunk) f.Sinking = "Sunk!";
    else if (ship.SinkingCount >= 1) f.Sinking = "Sinking!";
    else if (ship.Fires >= 2) f.Sinking = "On fire! (" + str(static_cast<std::int64_t>(ship.Fires) - 1) + ")";
    f.HeavyHits = str(ship.HitCounterHeavy);
    f.MediumHits = str(o.Tallies.MediumHits);
    f.LightHits = str(ship.HitCounterLight);
    f.TorpedoHits = str(o.Tallies.TorpedoHits);
    f.Course = str(ship.Heading);
    f.Endurance = str(GetRemainingRange(ship, ship.CurrentSpeed, ctx.Messages)) + "/" +
                  str(GetRemainingRange(ship, 16, ctx.Messages));
    f.CrewQuality = str(ship.CrewQuality);
    f.Speed = str(MaxSpeedNow(ship)) + "/" + str(ship.Speed);
    f.CurrentSpeed = str(ship.CurrentSpeed);
    f.PointValue = ShownPointValue(ship, ctx.Env.Year);
    f.PointValueText = str(f.PointValue);
    f.FireControl = FireControlName(ship.FireControl);
    static const char* const rudder[] = {"", "Rudder jammed stbd", "Rudder jammed center", "Rudder jammed port"};
    if (o.Tallies.RudderState >= 1 && o.Tallies.RudderState <= 3) f.Rudder = rudder[o.Tallies.RudderState];
}

// The boxes of a secondary or tertiary battery with guns on a side.
StatusBattery smallBattery(std::int32_t portOriginal, std::int32_t port, std::int32_t starboardOriginal,
                           std::int32_t starboard, std::int32_t calibre, std::int32_t hits, std::int32_t fired,
                           std::int32_t carried) {
    StatusBattery b;
    if (port <= 0) return b;
    b.Shown = true;
    b.Port = str(portOriginal) + " (" + str(port) + ")";
    b.Starboard = str(starboardOriginal) + " (" + str(starboard) + ")";
    b.Calibre = str(calibre) + " in";
    b.HitsScored = str(hits);
    b.RoundsFired = str(fired);
    b.RoundsLeft = str(static_cast<std::int64_t>(carried) - fired);
    b.HitPercentage = hitPercentage(hits, fired);
    return b;
}

void batteries(const TFightingShip& ship, const StatusOptions& o, ShipStatusFigures& f) {
    f.TorpedoCalibre = ship.TorpedoMounts.empty() ? std::string() : str(ship.TorpedoCalibre) + " in";
    f.MainCalibre = str(ship.BatteryCalibre[1]) + " in";
    f.MainHits = str(o.Tallies.HitsScored[1]);
    f.MainRoundsFired = str(ship.RoundsFiredMain);
    f.MainRoundsLeft = str(static_cast<std::int64_t>(ship.RoundsCarriedMain) - ship.RoundsFiredMain);
    f.MainHitPercentage = hitPercentage(o.Tallies.HitsScored[1], ship.RoundsFiredMain);
    f.Secondary = smallBattery(ship.SecondaryPortOriginal, ship.SecondaryPort, ship.SecondaryStarboardOriginal,
                               ship.SecondaryStarboard, ship.BatteryCalibre[2], o.Tallies.HitsScored[2],
                               ship.RoundsFiredSecondary, ship.RoundsCarriedSecondary);
    // Filled whether or not the ship has secondaries: a ship with tertiary
    // guns only (the Dreadnought's 12-pounders) showed an empty tab.
    f.Tertiary = smallBattery(ship.TertiaryPortOriginal, ship.TertiaryPort, ship.TertiaryStarboardOriginal,
                              ship.TertiaryStarboard, ship.BatteryCalibre[3], o.Tallies.HitsScored[3],
                              ship.RoundsFiredTertiary, ship.RoundsCarriedTertiary);
}

StatusTarget target(const CombatContext& ctx, TFightingShip& ship, TFightingShip* t, int battery) {
    StatusTarget s;
    if (!t) return s;
    s.Present = true;
    s.Name = IdentificationText(ctx, *t);
    const std::int32_t calibre = ship.BatteryCalibre[static_cast<size_t>(battery)];
    s.HitChance = FormatChance(GetGunHitChance(ctx, ship, t, calibre, battery, {.Breakdown = &s.Breakdown}));
    return s;
}

void targets(const CombatContext& ctx, TFightingShip& ship, const StatusOptions& o, ShipStatusFigures& f) {
    if (TFightingShip* main = ship.MainTarget) {
        f.MainTarget = target(ctx, ship, main, 1);
        const std::int32_t calibre = ship.BatteryCalibre[1];
        f.MainRateOfFire = FormatChance(GetRateOfFire(ctx, ship, calibre, GetRangeToShip(ship, main), main, 1,
                                                      {.Settled = true, .WeatherDelays = ctx.Env.IsMistOrRain()}));
    }
    const bool secondary = o.SmallGunsBattery != 3;
    f.SmallGunsPort =
        target(ctx, ship, secondary ? ship.SecondaryTargetPort : ship.TertiaryTargetPort, secondary ? 2 : 3);
    f.SmallGunsStarboard =
        target(ctx, ship, secondary ? ship.SecondaryTargetStarboard : ship.TertiaryTargetStarboard, secondary ? 2 : 3);
}

void damageBars(const TFightingShip& ship, ShipStatusFigures& f) {
    // A bar whose range is 0..0 would show as busy; damage beyond the full
    // figure shows as a full bar.
    auto bar = [](std::int32_t full, std::int64_t lost, std::int32_t& outFull, std::int32_t& outLost) {
        outFull = std::max<std::int32_t>(full, 1);
        outLost = static_cast<std::int32_t>(std::clamp<std::int64_t>(lost, 0, outFull));
    };
    bar(ship.OriginalHitPoints, static_cast<std::int64_t>(ship.OriginalHitPoints) - ship.HitPoints, f.HullFull,
        f.HullLost);
    f.HullToolTip = "Structure: " + str(ship.HitPoints) + " of " + str(ship.OriginalHitPoints) + " hit points left";
    bar(ship.OriginalFlotation, static_cast<std::int64_t>(ship.OriginalFlotation) - ship.Flotation, f.FloatFull,
        f.FloatLost);
    f.FloatToolTip = "Flotation: " + str(ship.Flotation) + " of " + str(ship.OriginalFlotation) + " left";
}

// Appends the UTF-8 bytes of a code point.
void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::string UpperText(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(b >= 'a' && b <= 'z' ? static_cast<char>(b - 32) : static_cast<char>(b));
            ++i;
            continue;
        }
        // Two-byte sequences hold the letters of Windows-1252; anything else
        // is copied as it stands.
        if ((b & 0xE0) == 0xC0 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            char32_t c = static_cast<char32_t>(((b & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F));
            if (c == 0xDF) {
                out += "SS";
                i += 2;
                continue;
            }
            if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) c -= 0x20;
            else if (c == 0xFF) c = 0x178;
            else if (c == 0xB5) c = 0x39C;
            else if (c == 0x153 || c == 0x161 || c == 0x17E) c -= 1;
            appendUtf8(out, c);
            i += 2;
            continue;
        }
        out.push_back(static_cast<char>(b));
        ++i;
    }
    return out;
}

ShipStatusFigures BuildStatusFigures(const CombatContext& ctx, TFightingShip& ship, const StatusOptions& options) {
    ShipStatusFigures f;
    f.Title = DisplayName(ship);
    turretsAndMounts(ship, f);
    heading(ctx, ship, options, f);
    summary(ship, f);
    stateBoxes(ctx, ship, options, f);
    batteries(ship, options, f);
    targets(ctx, ship, options, f);
    damageBars(ship, f);
    return f;
}

std::int64_t ShownPointValue(const TFightingShip& ship, std::int32_t year) {
    return static_cast<std::int64_t>(PointValue(ship, year)) * 4;
}
