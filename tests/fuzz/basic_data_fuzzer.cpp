// BasicData.dat: the two range factors and the ship type names.
#include "FuzzSupport.h"

#include "tables/WeaponData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    env.scratch.write("Data/BasicData.dat", fuzz::asText(data, size));
    platform::setProgramDir(env.scratch.dir());
    GunRangeFactor = 0;
    PenetrationFactor = 0;
    ShipTypeNames = {};
    LoadBasicData();
    for (int t = -1; t <= 11; ++t) (void)ShipTypeName(t);
    return 0;
}
