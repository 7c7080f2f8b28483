#include "designfile/DesignInputs.h"

#include "platform/DayNumber.h"
#include "shipdata/Ship.h"

// Placeholder bodies; filled in by the design-file work.
const std::array<const char*, 11> kDesignTypeCodes = {"BB", "BC", "B", "CA", "CL", "DD", "MS", "AMC", "AV", "TR", "LT"};

DesignInputs::DesignInputs() : ObsoleteDate(platform::dayNumberFromDate({2012, 11, 11})) {}

std::string DesignInputs::TypeCode() const {
    return Type >= 0 && Type < static_cast<int>(kDesignTypeCodes.size()) ? kDesignTypeCodes[Type] : "";
}

void ClampInputs(DesignInputs&) {}
void ApplyInputs(const DesignInputs&, TDesignShip& ship) { ship.Recalculate(); }
