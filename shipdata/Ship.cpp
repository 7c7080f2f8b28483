#include "shipdata/Ship.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Messages.h"
#include "platform/Round.h"
#include "shipdata/Tables.h"

using platform::Clamp32;
using platform::Round;
using platform::Round32;
using platform::RoundToWhole;

namespace {

const char* const kShipTypeCodes[kShipTypeCount] = {"BB", "BC", "B", "CA", "CL", "AMC", "DD", "MS", "TR", "AV", "LT"};

// Armour weight per inch of thickness and ton of displacement. These stay
// double constants: the products that land near a half must round the way
// the design tables were drawn up.
constexpr double kBeltFactor = 0.014;
constexpr double kNarrowBeltFactor = 0.011;
constexpr double kDeckFactor = 0.038;
constexpr double kBeltEndsFactor = 0.008;
constexpr double kNarrowBeltEndsFactor = 0.006;
constexpr double kDeckEndsFactor = 0.01;
constexpr double kConningTowerFactor = 0.001;

// Weight of one protected area, with the size correction: small ships need
// relatively more armour for the same thickness, very large ones a little less.
std::int32_t areaWeight(float thickness, double factor, std::int32_t d) {
    long double w = RoundToWhole(static_cast<long double>(thickness) * static_cast<long double>(factor) * d);
    if (d > 25000) w = RoundToWhole(w * 0.99L);
    else if (d < 18000)
        w = RoundToWhole(w * (static_cast<long double>(18000 - static_cast<std::int64_t>(d)) / 10000 + 1));
    return Round32(w * 105 / 100);
}

std::int32_t fireControlFixedWeight(std::int32_t level) {
    switch (level) {
    case 1: return 10;
    case 2: return 12;
    case 3: return 40;
    case 4: return 45;
    case 5: return 50; // continues the +5 step from the improved director
    default: return 0;
    }
}

std::int32_t torpedoDefenseWeight(std::int32_t level, std::int32_t d) {
    switch (level) {
    case 1: return Clamp32(Round(d * 0.01L) + 200);
    case 2: return Clamp32(Round(d * 0.012L) + 210);
    case 3: return Clamp32(Round(d * 0.02L) + 1000);
    case 4: return Clamp32(Round(d * 0.022L) + 1100);
    default: return 0;
    }
}

// Positions the turret weight rule weighs alike: 0 the plain ones, 1 B,
// 2 X, 3 the wing positions D, E, R and S.
int turretWeightGroup(TurretPosition position) {
    switch (position) {
    case 'B': return 1;
    case 'X': return 2;
    case 'D':
    case 'E':
    case 'R':
    case 'S': return 3;
    default: return 0;
    }
}

// Thicknesses are never negative; NaN from a damaged file counts as none.
float notNegative(float x) { return x > 0 ? x : 0.0f; }

} // namespace

// ---------------------------------------------------------------------------
// Ship types

TShipType ShipTypeFromCode(const std::string& code, platform::Messages& messages) {
    for (int i = 0; i < kShipTypeCount; ++i)
        if (code == kShipTypeCodes[i]) return static_cast<TShipType>(i);
    messages.notice("Warning! Illegal ship type in ship file: " + code);
    // Type 0 is what a fresh record holds, so an unreadable type leaves the
    // ship as if none had been read.
    return stBB;
}

std::string ShipTypeCode(int type) {
    if (type < 0 || type >= kShipTypeCount) {
        platform::messages().notice("Debug Warning, illegal ship type! " + std::to_string(type));
        return "XX";
    }
    return kShipTypeCodes[type];
}

std::int32_t CrewPerGun(std::int32_t calibre) {
    static constexpr std::int32_t kCrew[12] = {0, 0, 0, 7, 11, 12, 14, 18, 24, 32, 38, 45};
    if (calibre < 3) return 5;    // light quick-firers below the 3-inch crew of 7
    if (calibre >= 12) return 50; // heavy guns all take a full crew of 50
    return kCrew[calibre];
}

namespace {

// The crew: the guns' and tubes' crews, the engine room's and the ship's own
// by its size.
std::int64_t crewOf(const TDesignShip& s) {
    const std::int32_t d = s.Displacement;
    std::int64_t crew = 0;
    const std::int64_t mainCrew = CrewPerGun(s.BatteryCalibre[1]);
    for (const auto& t : s.Turrets)
        if (t) crew += std::max<std::int64_t>(t->Guns, 1) * mainCrew;
    crew += static_cast<std::int64_t>(CrewPerGun(s.BatteryCalibre[2])) * s.SecNo;
    crew += static_cast<std::int64_t>(CrewPerGun(s.BatteryCalibre[3])) * s.TerNo;
    for (const auto& m : s.TorpedoMounts)
        if (m) crew += 3 * static_cast<std::int64_t>(m->Tubes);
    crew += s.Weights.MachineryWeight / 16;
    crew += static_cast<std::int64_t>(d / 1000) * 10;
    if (d > 1000) crew += 8;
    if (d > 1500) crew += 8;
    if (d > 2000) crew += 10;
    if (d > 3000) crew += 10;
    return crew;
}

} // namespace

// ---------------------------------------------------------------------------
// Tship

Tship::Tship() = default;

Tship::~Tship() {
    ClearTurrets();
    ClearTorpedomount();
}

void Tship::SetDisplacementAndSpeed(std::int32_t displacement, std::int32_t speed) {
    Displacement = displacement;
    Speed = speed;
}

void Tship::SetArmor(float B, float D, float BE, float DE, float CT, float SEC, float T, float TT) {
    ArmorB = notNegative(B);
    ArmorD = notNegative(D);
    ArmorBE = notNegative(BE);
    ArmorDE = notNegative(DE);
    ArmorCT = notNegative(CT);
    ArmorSEC = notNegative(SEC);
    ArmorT = notNegative(T);
    ArmorTT = notNegative(TT);
}

void Tship::SetOptions(int freeboard, int rangeClass, bool crossDeck, int beltCoverage, int accommodation) {
    LowFreeboard = freeboard == 1;
    RangeClass = static_cast<std::uint8_t>(rangeClass);
    CrossDeckFire = crossDeck;
    NarrowBelt = beltCoverage == 1;
    Cramped = accommodation == 1;
}

void Tship::SetSecondaryBatteries(std::int32_t secNo, std::int32_t terNo, std::int32_t terTF, std::int32_t secTF) {
    SecNo = secNo;
    TerNo = terNo;
    SecTF = secTF;
    TerTF = terTF;
}

int Tship::AddTorpedoMount(std::unique_ptr<TTorpedomount> mount) {
    if (!mount) return -1;
    mount->Weight = Clamp32(static_cast<std::int64_t>(mount->Tubes) * TorpedoCalibre);
    TorpedoMounts.push_back(std::move(mount));
    return static_cast<int>(TorpedoMounts.size()) - 1;
}

// Freed from the last to the first, as the game does.
void Tship::ClearTurrets() {
    while (!Turrets.empty()) Turrets.pop_back();
}

void Tship::ClearTorpedomount() {
    while (!TorpedoMounts.empty()) TorpedoMounts.pop_back();
}

bool Tship::HasTurretAt(TurretPosition letter) const {
    for (const auto& t : Turrets)
        if (t && t->Position == letter) return true;
    return false;
}

bool Tship::HasTorpedoMountAt(TurretPosition letter) const {
    for (const auto& m : TorpedoMounts)
        if (m && m->Position == letter) return true;
    return false;
}

bool Tship::CheckCrossDeckFire(platform::Problems& problems) const {
    if (!CrossDeckFire) return true;
    if ((HasTurretAt('E') && HasTurretAt('D')) || (HasTurretAt('R') && HasTurretAt('S'))) {
        problems.Add(platform::MessageKind::Warning, "CDF",
                     "Cross deck fire impossible with current turret configuration!");
        return false;
    }
    return true;
}

void Tship::ComputeTurretLayoutFlags() {
    NoSuperimposed = true;
    NoMidships = true;
    NoWingTurret = true;
    TurretAtW = false;
    for (const auto& t : Turrets) {
        if (!t) continue;
        switch (t->Position) {
        case 'B':
        case 'V':
        case 'X': NoSuperimposed = false; break;
        default: break;
        }
        switch (t->Position) {
        case 'C':
        case 'D':
        case 'P':
        case 'R':
        case 'V':
        case 'W': NoMidships = false; break;
        default: break;
        }
        switch (t->Position) {
        case 'D':
        case 'E':
        case 'F':
        case 'G':
        case 'H':
        case 'I':
        case 'J':
        case 'K':
        case 'S':
        case 'T': NoWingTurret = false; break;
        default: break;
        }
        if (t->Position == 'W') TurretAtW = true;
    }
}

// ---------------------------------------------------------------------------
// TDesignShip

std::int32_t TDesignShip::TurretWeight(const TTurret& turret) const {
    const std::int32_t c = BatteryCalibre[1];
    const std::int32_t g = turret.Guns;
    const float f =
        static_cast<float>(static_cast<long double>(TurretArmourFactor(g)) * TurretArmourBase(data_->Design, c) / 100);
    const long double guns = std::max<std::int32_t>(g, 0);
    const long double armour = static_cast<long double>(ArmorTT) / 2 + ArmorT;
    long double w = RoundToWhole(guns * GunWeight(data_->Design, c) * 2 + armour * f);
    switch (turretWeightGroup(turret.Position)) {
    case 1: w = RoundToWhole(w * 1.1L); break;
    case 2: w = RoundToWhole(w * 1.05L); break;
    case 3: w = RoundToWhole(w * (CrossDeckFire ? 1.05L : 0.9L)); break;
    default: break;
    }
    return Round32(w);
}

int TDesignShip::AddTurret(std::unique_ptr<TTurret> turret) {
    if (!turret) return -1;
    turret->Weight = TurretWeight(*turret);
    Turrets.push_back(std::move(turret));
    return static_cast<int>(Turrets.size()) - 1;
}

void TDesignShip::ClearSpecials() {
    for (int i = 1; i <= 10; ++i) Specials[i].FreeMark = -1;
}

void TDesignShip::GetArmamentWeights(platform::Problems& problems) {
    TShipWeights& w = Weights;
    try {
        CheckCrossDeckFire(problems);

        std::int64_t total = 0;
        w.ArmamentWeight = 0;
        // Turrets of as many guns at positions weighed alike weigh the same:
        // five twin turrets take two computations, not five.
        std::int32_t alike[5][4];
        bool known[5][4] = {};
        for (const auto& t : Turrets) {
            if (!t) throw std::logic_error("empty turret entry");
            const int guns = t->Guns, group = turretWeightGroup(t->Position);
            if (guns < 0 || guns > 4) {
                t->Weight = TurretWeight(*t);
            } else {
                if (!known[guns][group]) alike[guns][group] = TurretWeight(*t), known[guns][group] = true;
                t->Weight = alike[guns][group];
            }
            total += t->Weight;
            w.ArmamentWeight = Clamp32(total);
        }

        const std::int32_t secCalibre = BatteryCalibre[2];
        const float f = static_cast<float>(static_cast<long double>(TurretArmourFactor(SecTF)) *
                                           TurretArmourBase(data_->Design, secCalibre) / 100);
        const long double d = SecTF == 0 ? 1 : SecTF;
        const long double secNo = SecNo;
        w.SecondaryWeight = Clamp32(Round(secNo * GunWeight(data_->Design, secCalibre) + secNo * ArmorSEC * f / d) +
                                    5 * static_cast<std::int64_t>(SecNo));

        w.TertiaryWeight =
            Clamp32(Round(static_cast<long double>(TerNo) * GunWeight(data_->Design, BatteryCalibre[3])) +
                    5 * static_cast<std::int64_t>(TerNo));

        total += static_cast<std::int64_t>(w.SecondaryWeight) + w.TertiaryWeight;
        w.ArmamentWeight = Clamp32(total);

        for (const auto& m : TorpedoMounts) {
            if (!m) throw std::logic_error("empty torpedo mount entry");
            m->Weight = Clamp32(static_cast<std::int64_t>(m->Tubes) * TorpedoCalibre);
            total += m->Weight;
            w.ArmamentWeight = Clamp32(total);
        }
    } catch (const std::exception&) {
        problems.Add(platform::MessageKind::Notice, "", "Error in GetArmamentWeights procedure");
    }
}

platform::Problems TDesignShip::Recalculate() {
    platform::Problems problems;
    Recalculate(problems);
    return problems;
}

void TDesignShip::Recalculate(platform::Problems& problems) {
    TShipWeights& w = Weights;
    const std::int32_t d = Displacement;

    // 1. Hull
    w.HullWeight = Clamp32(static_cast<std::int64_t>(d / 34) + d / 4 + 100);
    if (LowFreeboard) w.HullWeight = Round32(w.HullWeight * 0.8L);

    // 2. Machinery
    if (Speed > 21 && LowFreeboard)
        problems.Add(platform::MessageKind::Warning, "Freeboard", "High speed ships need normal freeboard!");
    RequiredHorsepower(data_->Design, *this, problems);
    w.MachineryWeight = Round32(static_cast<long double>(Horsepower) * 50 / 1000);

    // 3. Armour
    w.WeightB = areaWeight(ArmorB, NarrowBelt ? kNarrowBeltFactor : kBeltFactor, d);
    w.WeightD = areaWeight(ArmorD, kDeckFactor, d);
    w.WeightBE = areaWeight(ArmorBE, NarrowBelt ? kNarrowBeltEndsFactor : kBeltEndsFactor, d);
    w.WeightDE = areaWeight(ArmorDE, kDeckEndsFactor, d);
    w.WeightCT = areaWeight(ArmorCT, kConningTowerFactor, d);
    w.ArmorWeight = Clamp32(static_cast<std::int64_t>(w.WeightB) + w.WeightD + w.WeightBE + w.WeightDE + w.WeightCT);

    // 4. Armament
    GetArmamentWeights(problems);

    // 5. Specials
    std::int64_t specials = 0;
    for (int i = 1; i <= 10; ++i) {
        TSpecial& slot = Specials[i];
        if (slot.FreeMark == -1) continue;
        slot.Weight = Round32(static_cast<long double>(d) * slot.Percent / 100);
        specials += slot.Weight;
    }
    w.SpecialsWeight = Clamp32(specials);

    // 6. Fire control
    w.FireControlWeight = Clamp32(fireControlFixedWeight(FireControl) + Round(d * 0.002L));

    // 7. Torpedo defence
    w.TPSWeight = torpedoDefenseWeight(TorpedoDefense, d);

    // 8. Complement and accommodation
    Complement = Clamp32(crewOf(*this));
    w.AccommodationSpace = Cramped ? Round32(Complement * 0.7L) : Complement;

    // 9. Total
    w.TotalWeight =
        Clamp32(static_cast<std::int64_t>(w.ArmorWeight) + w.MachineryWeight + w.HullWeight + w.ArmamentWeight +
                w.AccommodationSpace + w.SpecialsWeight + w.TPSWeight + w.FireControlWeight);
}
