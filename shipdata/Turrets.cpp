#include "shipdata/Turrets.h"

#include "platform/Encoding.h"

const char kTurretPositionOrder[24] = {'A', '1', '2', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                                       'K', 'L', 'Q', 'R', 'S', 'T', 'V', 'W', 'X', '3', '4', 'Y'};
const char* const kTorpedoMountTexts[16] = {"A - Forward (sub)",
                                            "B - Forward",
                                            "F - Port broadside (sub)",
                                            "G - Starboard broadside (sub)",
                                            "H - Port broadside swivel mount",
                                            "I - Starboard broadside swivel mount",
                                            "J - Port broadside swivel mount",
                                            "K - Starboard broadside swivel mount",
                                            "L - Port broadside (sub)",
                                            "M - Starboard broadside (sub)",
                                            "P - Midships swivel mount",
                                            "Q - Midships swivel mount",
                                            "R - Midships swivel mount",
                                            "U - Midships swivel mount",
                                            "V - Midships swivel mount",
                                            "Y - Aft (sub)"};

std::string TurretPositionName(TurretPosition letter) {
    switch (letter) {
    case 'A': return "Forward";
    case '1': return "Port forward";
    case '2': return "Stbd forward";
    case 'B': return "Forward superimposed";
    case 'C': return "Forward midships";
    case 'D': return "Port forward wing";
    case 'E': return "Starboard forward wing";
    case 'F': return "Port wing";
    case 'G': return "Starboard wing";
    case 'H': return "Port midships wing";
    case 'I': return "Starboard midships wing";
    case 'J': return "Port wing";
    case 'K': return "Starboard wing";
    case 'L': return "Forward midships";
    case 'Q': return "Midships";
    case 'R': return "Midships aft";
    case 'S': return "Port aft wing";
    case 'T': return "Starboard aft wing";
    case 'V': return "Midships aft superimposed";
    case 'W': return "Midships aft";
    case 'X': return "Aft superimposed";
    case '3': return "Port aft";
    case '4': return "Stbd aft";
    case 'Y': return "Aft";
    default: return "Illegal turret position!";
    }
}

std::string TorpedoMountName(TurretPosition letter) {
    switch (letter) {
    case 'A': return "Forward (sub)";
    case 'B': return "Forward";
    case 'F':
    case 'L': return "Port broadside (sub)";
    case 'G':
    case 'M': return "Starboard broadside (sub)";
    case 'H':
    case 'J': return "Port broadside swivel mount";
    case 'I':
    case 'K': return "Starboard broadside swivel mount";
    case 'P':
    case 'Q':
    case 'R':
    case 'U':
    case 'V': return "Midships swivel mount";
    case 'Y': return "Aft (sub)";
    default: return "Illegal mount designation: " + platform::cp1252ToUtf8(std::string(1, letter));
    }
}

std::int32_t TurretArmourFactor(std::int32_t turretFactor) {
    // A quadruple turret continues the shrinking steps of the smaller ones
    // (+65, +55, then +50); larger factors, which only a damaged file can
    // hold, are armoured like a quadruple, and negative ones not at all.
    static constexpr std::int32_t kFactors[5] = {75, 100, 165, 220, 270};
    if (turretFactor < 0) return 0;
    if (turretFactor > 4) return kFactors[4];
    return kFactors[turretFactor];
}
