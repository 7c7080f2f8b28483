#include "shipdata/Turrets.h"

// Placeholder bodies; filled in by the rules work.
const char kTurretPositionOrder[24] = {'A', '1', '2', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                                       'K', 'L', 'Q', 'R', 'S', 'T', 'V', 'W', 'X', '3', '4', 'Y'};
const char* const kTorpedoMountTexts[16] = {
    "A - Forward (sub)", "B - Forward", "F - Port broadside (sub)", "G - Starboard broadside (sub)",
    "H - Port broadside swivel mount", "I - Starboard broadside swivel mount", "J - Port broadside swivel mount",
    "K - Starboard broadside swivel mount", "L - Port broadside (sub)", "M - Starboard broadside (sub)",
    "P - Midships swivel mount", "Q - Midships swivel mount", "R - Midships swivel mount",
    "U - Midships swivel mount", "V - Midships swivel mount", "Y - Aft (sub)"};

std::string TurretPositionName(TurretPosition) { return "Illegal turret position!"; }
std::string TorpedoMountName(TurretPosition letter) { return std::string("Illegal mount designation: ") + letter; }
std::int32_t TurretArmourFactor(std::int32_t) { return 0; }
