#include "combat/Penetration.h"

#include <algorithm>
#include <cmath>

namespace {

double cleanArmour(double inches) { return std::isfinite(inches) && inches > 0 ? inches : 0; }

double cleanRange(double yards) { return std::isfinite(yards) && yards > 0 ? yards : 0; }

} // namespace

std::vector<PenetrationPoint> PenetrationCurve(const WeaponTables& w, int calibre, ArmourFace face) {
    std::vector<PenetrationPoint> curve;
    if (calibre < kMinGunCalibre || calibre > kMaxGunCalibre) return curve;
    const auto& figures = face == ArmourFace::Belt ? w.Gun(calibre).VPen : w.Gun(calibre).HPen;
    // Tenths of an inch times a factor in tenths.
    const double scale = std::max<double>(w.PenetrationFactor, 0) / 100.0;
    int end = 0;
    for (int k = 1; k <= 30; ++k)
        if (figures[static_cast<size_t>(k)] > 0) end = k;
    if (end == 0) return curve;
    auto inches = [&](int k) { return std::max<double>(figures[static_cast<size_t>(k)], 0) * scale; };
    curve.push_back({0, face == ArmourFace::Belt ? inches(1) : 0.0});
    for (int k = 1; k <= end; ++k) curve.push_back({k * 1000.0, inches(k)});
    return curve;
}

double CurveEnd(const std::vector<PenetrationPoint>& curve) { return curve.empty() ? 0 : curve.back().Range; }

double Penetration(const std::vector<PenetrationPoint>& curve, double range) {
    range = cleanRange(range);
    if (curve.empty() || range > curve.back().Range) return 0;
    for (size_t i = 1; i < curve.size(); ++i) {
        const PenetrationPoint& a = curve[i - 1];
        const PenetrationPoint& b = curve[i];
        if (range <= b.Range) return a.Inches + (b.Inches - a.Inches) * (range - a.Range) / (b.Range - a.Range);
    }
    return curve.back().Inches;
}

double Penetration(const WeaponTables& w, int calibre, ArmourFace face, double range) {
    return Penetration(PenetrationCurve(w, calibre, face), range);
}

bool Pierces(const std::vector<PenetrationPoint>& curve, double range, double armour) {
    return !curve.empty() && cleanRange(range) <= CurveEnd(curve) && Penetration(curve, range) >= cleanArmour(armour);
}

std::optional<PiercedStretch> PiercedRanges(const std::vector<PenetrationPoint>& curve, double armour) {
    armour = cleanArmour(armour);
    std::optional<PiercedStretch> stretch;
    auto add = [&](double from, double to) {
        if (!stretch) stretch = PiercedStretch{from, to};
        stretch->Nearest = std::min(stretch->Nearest, from);
        stretch->Farthest = std::max(stretch->Farthest, to);
    };
    for (size_t i = 1; i < curve.size(); ++i) {
        const PenetrationPoint& a = curve[i - 1];
        const PenetrationPoint& b = curve[i];
        const bool inA = a.Inches >= armour, inB = b.Inches >= armour;
        // Where the straight piece meets the thickness; only asked when the
        // two ends lie on either side, so the divisor is never 0.
        auto crossing = [&] { return a.Range + (armour - a.Inches) / (b.Inches - a.Inches) * (b.Range - a.Range); };
        if (inA && inB) add(a.Range, b.Range);
        else if (inA) add(a.Range, crossing());
        else if (inB) add(crossing(), b.Range);
    }
    return stretch;
}
