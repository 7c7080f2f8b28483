#include "combat/Protection.h"

#include <algorithm>

#include "platform/Round.h"

ShipArmour ArmourOf(const Tship& ship) { return {ship.ArmorB, ship.ArmorD, ship.ArmorT, ship.ArmorCT}; }

ShipArmour ArmourOf(const DesignInputs& in) {
    auto inches = [](int step) { return static_cast<double>(platform::Div(step, 2)); };
    return {inches(in.B), inches(in.D), inches(in.T), inches(in.CT)};
}

ProtectionRow ProtectionAgainst(const WeaponTables& w, const ShipArmour& armour, int calibre) {
    ProtectionRow row;
    row.Calibre = calibre;
    const auto belt = PenetrationCurve(w, calibre, ArmourFace::Belt);
    const auto deck = PenetrationCurve(w, calibre, ArmourFace::Deck);
    row.HasFigures = !belt.empty() || !deck.empty();
    if (!row.HasFigures) return row;
    row.Reach = std::max(CurveEnd(belt), CurveEnd(deck));
    auto safeBeyond = [&](double inches) {
        const auto pierced = PiercedRanges(belt, inches);
        return pierced ? pierced->Farthest : 0.0;
    };
    row.BeltSafeBeyond = safeBeyond(armour.Belt);
    row.TurretSafeBeyond = safeBeyond(armour.Turret);
    row.ConningTowerSafeBeyond = safeBeyond(armour.ConningTower);
    const auto deckPierced = PiercedRanges(deck, armour.Deck);
    row.DeckSafeWithin = deckPierced ? deckPierced->Nearest : row.Reach;
    return row;
}

std::vector<int> ProtectionCalibres(int own) {
    std::vector<int> calibres;
    if (own >= kMinGunCalibre && own < 8) calibres.push_back(own);
    for (int c = 8; c <= 18; ++c) calibres.push_back(c);
    return calibres;
}

Piercing PiercingAt(const WeaponTables& w, int calibre, const ShipArmour& armour, double range) {
    Piercing p;
    const auto belt = PenetrationCurve(w, calibre, ArmourFace::Belt);
    const auto deck = PenetrationCurve(w, calibre, ArmourFace::Deck);
    p.BeltInches = Penetration(belt, range);
    p.DeckInches = Penetration(deck, range);
    p.Belt = Pierces(belt, range, armour.Belt);
    p.Deck = Pierces(deck, range, armour.Deck);
    return p;
}

ProtectionRow ImmuneBand(const WeaponTables& w, const Tship& firer, const Tship& target) {
    return ProtectionAgainst(w, ArmourOf(target), firer.BatteryCalibre[1]);
}

Piercing MainBatteryPiercing(const WeaponTables& w, const Tship& firer, const Tship& target, double range) {
    return PiercingAt(w, firer.BatteryCalibre[1], ArmourOf(target), range);
}
