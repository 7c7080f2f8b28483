#pragma once
// The ship record shared by the designer and the combat model, and the
// designer's weight, power and crew rules.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Problems.h"
#include "shipdata/Turrets.h"
#include "tables/ProgramData.h"

// Ship types; only the code text is ever stored.
enum TShipType : std::uint8_t {
    stBB = 0,
    stBC = 1,
    stB = 2,
    stCA = 3,
    stCL = 4,
    stAMC = 5,
    stDD = 6,
    stMS = 7,
    stTR = 8,
    stAV = 9,
    stLT = 10,
};
constexpr int kShipTypeCount = 11;

// Tells `messages` "Warning! Illegal ship type in ship file: <code>" for an
// unknown code (case-sensitive) and returns the fallback type.
TShipType ShipTypeFromCode(const std::string& code, platform::Messages& messages);
// "Debug Warning, illegal ship type! <n>" and "XX" outside 0 to 10. Only a
// fault in the program gives such a number (every type is read through
// ShipTypeFromCode), and names are made where no sink is at hand, so the
// warning goes to the program's sink.
std::string ShipTypeCode(int type);

struct TFunnel {
    std::int32_t Pos = 0; // yards from the centre, negative forward; 0 none
    bool Oval = false;
    bool operator==(const TFunnel&) const = default;
};

struct TOutlinePoint {
    std::int32_t Angle = 0;
    std::int32_t Distance = 0;
    bool operator==(const TOutlinePoint&) const = default;
};
using TOutline = std::array<TOutlinePoint, 21>;

class Tship {
public:
    Tship();
    virtual ~Tship();
    Tship(const Tship&) = delete;
    Tship& operator=(const Tship&) = delete;

    std::string Name;
    std::int32_t Displacement = 0;
    std::int32_t Speed = 0;
    std::int32_t Horsepower = 0;
    float ArmorB = 0, ArmorD = 0, ArmorBE = 0, ArmorDE = 0, ArmorCT = 0, ArmorSEC = 0, ArmorT = 0, ArmorTT = 0;
    std::int32_t TorpedoCalibre = 0;
    std::string TorpedoDesignation;
    std::array<std::int32_t, 4> BatteryCalibre{}; // [1] main, [2] secondary, [3] tertiary; [0] unused
    std::array<std::int32_t, 4> BatteryQuality{}; // same indexing
    std::vector<std::unique_ptr<TTurret>> Turrets;
    std::vector<std::unique_ptr<TTorpedomount>> TorpedoMounts;
    std::int32_t SecNo = 0, TerNo = 0;
    std::int32_t SecTF = 0, TerTF = 0;
    std::int32_t FireControl = 0;
    std::int32_t TorpedoDefense = 0;
    bool NoSuperimposed = false, NoMidships = false, NoWingTurret = false, TurretAtW = false;
    std::array<TFunnel, 5> Funnels{}; // [1..4]; [0] unused
    std::array<TOutline, 4> Superstructure{};
    std::array<bool, 4> IsLine{};
    bool Cramped = false, LowFreeboard = false, CrossDeckFire = false, NarrowBelt = false;
    std::uint8_t RangeClass = 0;
    std::int32_t Dynamos = 0;
    std::int32_t MineCapacity = 0;
    std::uint8_t ShipType = 0; // a TShipType
    std::uint8_t FuelType = 0; // 0 coal, 1 oil

    void SetDisplacementAndSpeed(std::int32_t displacement, std::int32_t speed);
    void SetArmor(float B, float D, float BE, float DE, float CT, float SEC, float T, float TT);
    void SetOptions(int freeboard, int rangeClass, bool crossDeck, int beltCoverage, int accommodation);
    void SetSecondaryBatteries(std::int32_t secNo, std::int32_t terNo, std::int32_t terTF, std::int32_t secTF);
    void SetFireControl(std::int32_t level) { FireControl = level; }
    void SetTorpedoDefense(std::int32_t level) { TorpedoDefense = level; }

    // Weighs the mount with the current torpedo calibre, then appends it.
    int AddTorpedoMount(std::unique_ptr<TTorpedomount> mount);
    void ClearTurrets();
    void ClearTorpedomount();
    bool HasTurretAt(TurretPosition letter) const;
    bool HasTorpedoMountAt(TurretPosition letter) const;
    // False when cross-deck fire is set and turrets stand at both D and E or
    // both R and S; its warning goes into `problems`.
    bool CheckCrossDeckFire(platform::Problems& problems) const;
    void ComputeTurretLayoutFlags();
};

struct TShipWeights {
    std::int32_t WeightB = 0, WeightD = 0, WeightBE = 0, WeightDE = 0, WeightCT = 0;
    std::int32_t ArmorWeight = 0;
    std::int32_t MachineryWeight = 0;
    std::int32_t HullWeight = 0;
    std::int32_t TotalWeight = 0;
    std::int32_t TotalCost = 0;
    std::int32_t SecondaryWeight = 0, TertiaryWeight = 0;
    std::int32_t ArmamentWeight = 0;
    std::int32_t AccommodationSpace = 0;
    std::int32_t SpecialsWeight = 0;
    std::int32_t TPSWeight = 0;
    std::int32_t FireControlWeight = 0;
};

// A ship on the design form: the record plus the design rules' results,
// weighed with the tables of the program data it was made with (which
// outlive it).
class TDesignShip : public Tship {
public:
    explicit TDesignShip(const ProgramData& data) : data_(&data) {}

    TShipWeights Weights;
    std::int32_t Complement = 0;
    std::array<TSpecial, 11> Specials{}; // [1..10]; [0] unused

    const ProgramData& Data() const { return *data_; }
    void ClearSpecials();
    // Applies the design rules in their fixed order and gives what they
    // found wrong, in the order found (the form shows each in its box).
    [[nodiscard]] platform::Problems Recalculate();
    // The same, adding to a list the caller keeps (one that only counts, for
    // a search over many variants).
    void Recalculate(platform::Problems& problems);
    TShipWeights GetWeights() const { return Weights; }
    // Weighs the turret with the current main calibre, cross-deck flag and
    // turret armour, then appends it; returns its index.
    int AddTurret(std::unique_ptr<TTurret> turret);
    // Turret weight with the ship's present calibre, armour and flags.
    std::int32_t TurretWeight(const TTurret& turret) const;

private:
    void GetArmamentWeights(platform::Problems& problems);

    const ProgramData* data_;
};

// Crew per gun by calibre in inches.
std::int32_t CrewPerGun(std::int32_t calibre);
