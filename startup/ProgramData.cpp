#include "startup/ProgramData.h"

#include "tables/WeaponData.h"
#include "nations/Nations.h"
#include "nations/Preferences.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "shipdata/Tables.h"

bool LoadProgramData(const std::string& programDir) {
    platform::setProgramDir(programDir);
    const std::string dir = platform::programDir();
    try {
        LoadPreferences();
        const std::string dataDir = dir + "Data/";
        LoadSpeedHPTable(dataDir);
        LoadOrdnanceTable(dataDir);
        LoadNations(dataDir);
        LoadWeaponTables(dir);
    } catch (const std::exception& e) {
        platform::messages().error(e.what());
        return false;
    }
    return true;
}
