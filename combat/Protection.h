#pragma once
// A ship's armour against enemy guns: for each calibre, the range beyond
// which the belt (and the turret faces, and the conning tower) are safe,
// the range within which the deck is safe, and the immune zone between
// them. Ranges in yards, armour in whole inches as the fighting ship holds
// it.
#include <vector>

#include "combat/Penetration.h"
#include "designfile/DesignInputs.h"
#include "shipdata/Ship.h"

struct ShipArmour {
    double Belt = 0, Deck = 0, Turret = 0, ConningTower = 0; // inches
};

// The thicknesses a ship holds (ArmorB, ArmorD, ArmorT, ArmorCT).
ShipArmour ArmourOf(const Tship& ship);
// The thicknesses the fighting ship would hold after the form's inputs are
// saved and read back: each half-inch step halved, a final half inch dropped.
ShipArmour ArmourOf(const DesignInputs& inputs);

struct ProtectionRow {
    int Calibre = 0;
    // False when the calibre has no penetration figure (none above 0, or a
    // calibre outside 2 .. 18): nothing is pierced and there is no zone.
    bool HasFigures = false;
    double Reach = 0; // the farther end of the belt and deck curves
    // Beyond the farthest range at which the face is pierced, 0 when it is
    // never pierced; the end of the belt curve when pierced all the way.
    double BeltSafeBeyond = 0, TurretSafeBeyond = 0, ConningTowerSafeBeyond = 0;
    // Within the nearest range at which the deck is pierced; Reach when it
    // is never pierced.
    double DeckSafeWithin = 0;

    // Neither belt nor deck is pierced between BeltSafeBeyond and
    // DeckSafeWithin; none when the two cross or meet.
    bool HasZone() const { return HasFigures && DeckSafeWithin > BeltSafeBeyond; }
};

ProtectionRow ProtectionAgainst(const WeaponTables& w, const ShipArmour& armour, int calibre);

// The calibres a protection table lists: 8 to 18 inches, and the ship's own
// main calibre when it lies outside them (2 .. 7), in rising order.
std::vector<int> ProtectionCalibres(int ownMainCalibre);

struct Piercing {
    bool Belt = false, Deck = false;
    double BeltInches = 0, DeckInches = 0; // penetration at the range
};

// Whether a calibre pierces the armour at a range. Beyond a curve's end
// nothing arrives and nothing is pierced.
Piercing PiercingAt(const WeaponTables& w, int calibre, const ShipArmour& armour, double range);

// The firer's main battery against the target: the target's immune band,
// and what it pierces at a range.
ProtectionRow ImmuneBand(const WeaponTables& w, const Tship& firer, const Tship& target);
Piercing MainBatteryPiercing(const WeaponTables& w, const Tship& firer, const Tship& target, double range);
