#include "designfile/DesignFile.h"

// Placeholder bodies; filled in by the design-file work.
std::vector<std::string> DesignFileLines(const DesignInputs&, const TDesignShip&, const DesignOutlines*) { return {}; }
bool WriteDesignFile(const std::string&, const DesignInputs&, const TDesignShip&, const DesignOutlines*) { return false; }
void ReadDesignFile(const std::string&, DesignInputs&, TDesignShip&) {}
void LoadDesignInto(const std::string&, DesignInputs&, TDesignShip&) {}
std::string DesignSavePath(const std::string& programDir, const std::string& className) {
    return programDir + "Custom Files/" + className + ".sdf";
}
std::optional<std::string> ClassNameProblem(const std::string&) { return std::nullopt; }
