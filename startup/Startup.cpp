#include "startup/Startup.h"

#include "platform/Messages.h"
#include "platform/Paths.h"

#include <exception>

bool LoadProgramData(const std::string& programDir, ProgramData& data, platform::Messages& messages) {
    const std::string dir = platform::folderPath(programDir);
    try {
        LoadPreferences(dir, data.Preferences, messages);
        const std::string dataDir = dir + "Data/";
        LoadSpeedHPTable(dataDir, data.Design);
        LoadOrdnanceTable(dataDir, data.Design);
        LoadNations(dataDir, data.NationYear, data.Nations, messages);
        LoadNationBlocks(dataDir, data.NationYears);
        LoadWeaponTables(dir, data.Weapons, messages);
    } catch (const std::exception& e) {
        messages.error(e.what());
        return false;
    }
    return true;
}
