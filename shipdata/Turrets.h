#pragma once
// Turrets, torpedo mounts and special equipment slots, with their position
// letters and names.
#include <cstdint>
#include <string>

// One character naming a turret or mount position (a letter or a digit).
using TurretPosition = char;

class TTurret {
public:
    virtual ~TTurret() = default;
    std::int32_t Guns = 0; // 0 casemate, 1 single ... 4 quadruple
    TurretPosition Position = 'Z';
    std::int32_t Weight = 0; // tons, set by the turret weight rule
};

class TTorpedomount {
public:
    virtual ~TTorpedomount() = default;
    std::int32_t Tubes = 0;
    TurretPosition Position = 'Z';
    std::int32_t Weight = 0;
};

struct TSpecial {
    std::string Name;
    std::int32_t Percent = 0; // weight as a share of the displacement
    std::int32_t Weight = 0;
    std::int32_t Unused = 0;    // carried by the record, read by nothing
    std::int32_t FreeMark = -1; // -1: the slot is free
};

// Position letters in the order the add-turret dialog offers them.
extern const char kTurretPositionOrder[24];
// The sixteen torpedo mount texts in the order they are offered.
extern const char* const kTorpedoMountTexts[16];

std::string TurretPositionName(TurretPosition letter);
std::string TorpedoMountName(TurretPosition letter);

// Turret armour factor by turret factor (0 casemate .. 4 quadruple).
std::int32_t TurretArmourFactor(std::int32_t turretFactor);
