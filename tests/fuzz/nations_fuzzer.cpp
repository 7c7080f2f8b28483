// The nation table loader, for the years the designer and a battle ask for:
// the designer's year 0, a year with a block, one without, and both ends;
// then every block at once, as a battle's year of play takes them.
#include "FuzzSupport.h"

#include "nations/Nations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    env.write("Data/Nations.dat", fuzz::asText(data, size));
    static constexpr std::int32_t kYears[] = {0, 1916, 1915, 1900, 1925};
    NationTable nations;
    LoadNations(env.dir + "Data/", kYears[size % 5], nations, env.messages);
    NationBlocks blocks;
    LoadNationBlocks(env.dir + "Data/", blocks);
    (void)blocks.For(kYears[size % 5]);
    return 0;
}
