#include "startup/Startup.h"

#include "platform/Messages.h"
#include "platform/Paths.h"

#include <exception>

bool LoadProgramData(const std::string& programDir, ProgramData& data) {
    const std::string dir = platform::folderPath(programDir);
    try {
        LoadPreferences(dir, data.Preferences);
        const std::string dataDir = dir + "Data/";
        LoadSpeedHPTable(dataDir, data.Design);
        LoadOrdnanceTable(dataDir, data.Design);
        LoadNations(dataDir, data.NationYear, data.Nations);
        LoadNationBlocks(dataDir, data.NationYears);
        LoadWeaponTables(dir, data.Weapons);
    } catch (const std::exception& e) {
        platform::messages().error(e.what());
        return false;
    }
    return true;
}
