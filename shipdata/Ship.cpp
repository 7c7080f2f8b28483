#include "shipdata/Ship.h"

#include "platform/Messages.h"
#include "shipdata/Tables.h"

// Placeholder bodies; the design rules are filled in by the rules work.
Tship::Tship() = default;
Tship::~Tship() = default;

void Tship::SetDisplacementAndSpeed(std::int32_t displacement, std::int32_t speed) {
    Displacement = displacement;
    Speed = speed;
}
void Tship::SetArmor(float, float, float, float, float, float, float, float) {}
void Tship::SetOptions(int, int, bool, bool, int, int) {}
void Tship::SetSecondaryBatteries(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
int Tship::AddTurret(std::unique_ptr<TTurret> turret) {
    Turrets.push_back(std::move(turret));
    return static_cast<int>(Turrets.size()) - 1;
}
int Tship::AddTorpedoMount(std::unique_ptr<TTorpedomount> mount) {
    TorpedoMounts.push_back(std::move(mount));
    return static_cast<int>(TorpedoMounts.size()) - 1;
}
void Tship::ClearTurrets() { Turrets.clear(); }
void Tship::ClearTorpedomount() { TorpedoMounts.clear(); }
bool Tship::HasTurretAt(TurretPosition letter) const {
    for (const auto& t : Turrets)
        if (t->Position == letter) return true;
    return false;
}
bool Tship::HasTorpedoMountAt(TurretPosition letter) const {
    for (const auto& m : TorpedoMounts)
        if (m->Position == letter) return true;
    return false;
}
bool Tship::CheckCrossDeckFire() const { return true; }
void Tship::ComputeTurretLayoutFlags() {}
std::int32_t Tship::TurretWeight(const TTurret&) const { return 0; }

void TDesignShip::ClearSpecials() {
    for (int i = 1; i <= 10; ++i) Specials[i].FreeMark = -1;
}
void TDesignShip::Recalculate() {}
void TDesignShip::GetArmamentWeights() {}
TShipWeights TDesignShip::GetWeights() const { return {}; }

TShipType ShipTypeFromCode(const std::string&) { return stBB; }
std::string ShipTypeCode(int) { return "XX"; }
std::int32_t CrewPerGun(std::int32_t) { return 0; }
