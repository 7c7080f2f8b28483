// The combat model's tables: BasicData.dat, VPen.dat, HPen.dat, Gundata.dat
// and Torpedodata.dat, one input split into the five files at form feeds.
// A file without its part is missing, so the stops in between are run too.
#include "FuzzSupport.h"

#include "tables/WeaponData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const auto parts = fuzz::splitParts(data, size);
    static const char* const kFiles[] = {"Data/BasicData.dat", "Data/VPen.dat", "Data/HPen.dat", "Data/Gundata.dat",
                                         "Data/Torpedodata.dat"};
    for (size_t i = 0; i < 5; ++i) env.writeOrRemove(kFiles[i], parts, i);
    WeaponTables tables;
    LoadWeaponTables(env.dir, tables, env.messages);
    for (int c = -1; c <= 40; ++c) (void)tables.Gun(c);
    return 0;
}
