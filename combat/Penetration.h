#pragma once
// Belt and deck penetration of a gun calibre against range, drawn from the
// VPen (belt) and HPen (deck) tables: thirty figures in tenths of an inch at
// 1,000 to 30,000 yards, scaled by PenetrationFactor in tenths.
//
// A curve runs through its figures, straight between the 1,000-yard steps,
// and ends at its last figure above 0: beyond that the shell no longer
// arrives. A 0 before that point is a real 0. Below 1,000 yards the belt
// curve holds its 1,000-yard figure and the deck curve falls straight to 0
// at 0 yards (a shell fired flat cannot strike a deck). Negative figures and
// a PenetrationFactor below 0 count as 0. Every result is finite.
#include <optional>
#include <vector>

#include "tables/WeaponData.h"

enum class ArmourFace { Belt, Deck };

struct PenetrationPoint {
    double Range = 0; // yards
    double Inches = 0;
};

// The knots of a calibre's curve, from 0 yards to its end; empty when the
// calibre has no figure above 0 (or lies outside 2 .. 18).
std::vector<PenetrationPoint> PenetrationCurve(const WeaponTables& w, int calibre, ArmourFace face);

// Penetration in inches at a range in yards; 0 beyond the curve's end. A
// negative or non-finite range reads as 0 yards.
double Penetration(const WeaponTables& w, int calibre, ArmourFace face, double range);
double Penetration(const std::vector<PenetrationPoint>& curve, double range);

// Whether the curve pierces `armour` inches at a range: the range lies
// within the curve's end and the penetration there is at least the
// thickness (armour below 0 or not finite counts as 0).
bool Pierces(const std::vector<PenetrationPoint>& curve, double range, double armour);

// The range in yards of a curve's last figure (0 for an empty curve).
double CurveEnd(const std::vector<PenetrationPoint>& curve);

// The stretch of a curve over which it pierces `armour` inches, that is
// where penetration is at least the thickness: its nearest and farthest
// range. None when the curve never reaches the thickness. Armour below 0 or
// not finite counts as 0, which every range of the curve pierces.
struct PiercedStretch {
    double Nearest = 0;
    double Farthest = 0;
};
std::optional<PiercedStretch> PiercedRanges(const std::vector<PenetrationPoint>& curve, double armour);
