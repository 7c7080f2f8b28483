// The design rules' tables: SpeedHPTable.dat and OrdnanceTable.dat, one
// input split into the two files at a form feed, then the lookups and the
// horsepower rule over the whole range of inputs the form allows.
#include "FuzzSupport.h"

#include "shipdata/Ship.h"
#include "shipdata/Tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const auto parts = fuzz::splitParts(data, size);
    env.writeOrRemove("Data/SpeedHPTable.dat", parts, 0);
    env.writeOrRemove("Data/OrdnanceTable.dat", parts, 1);
    DesignTables tables;
    const std::string dataDir = env.dir + "Data/";
    // A missing file is reported by raising the file-open error; nothing else may escape.
    for (auto [load, part] : {std::pair{&LoadSpeedHPTable, 0u}, std::pair{&LoadOrdnanceTable, 1u}}) {
        try {
            load(dataDir, tables);
        } catch (const FileOpenError&) { FUZZ_CHECK(parts.size() <= part); }
    }
    for (int c = -1; c <= 40; ++c) (void)(GunWeight(tables, c) + TurretArmourBase(tables, c));
    Tship ship;
    platform::Problems said;
    for (std::int32_t d : {50, 1350, 2999, 3000, 10500, 52000, 52001, 70000})
        for (std::int32_t s : {0, 15, 16, 25, 35}) {
            ship.SetDisplacementAndSpeed(d, s);
            RequiredHorsepower(tables, ship, said);
        }
    return 0;
}
