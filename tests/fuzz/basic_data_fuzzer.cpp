// BasicData.dat: the two range factors and the ship type names.
#include "FuzzSupport.h"

#include "tables/WeaponData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    env.write("Data/BasicData.dat", fuzz::asText(data, size));
    WeaponTables tables;
    LoadBasicData(env.dir, tables, env.messages);
    for (int t = -1; t <= 11; ++t) (void)tables.ShipTypeName(t);
    return 0;
}
