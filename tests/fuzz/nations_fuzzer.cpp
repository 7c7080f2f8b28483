// The nation table loader, for the years the designer and a battle ask for.
#include "FuzzSupport.h"

#include "nations/Nations.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    env.scratch.write("Data/Nations.dat", fuzz::asText(data, size));
    // The designer's year 0, a year with a block, one without, and both ends.
    static constexpr std::array<std::int32_t, 5> kYears = {0, 1916, 1915, 1900, 1925};
    CurrentYear = kYears[size % kYears.size()];
    Nations = {};
    LoadNations(env.scratch.dir() + "Data/");
    return 0;
}
