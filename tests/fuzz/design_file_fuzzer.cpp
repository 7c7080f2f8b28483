// The design form's reader of ship design files, followed by the recompute
// it triggers. What was read must stay inside the form's ranges, and a file
// saved from it must read back the same.
#include "FuzzSupport.h"

#include "designfile/DesignFile.h"
#include "designfile/DesignInputs.h"
#include "platform/FileSystem.h"
#include "shipdata/Ship.h"
#include "startup/Startup.h"

#include <tuple>

namespace {

auto numbers(const DesignInputs& i) {
    return std::make_tuple(i.Nation, i.Type, i.Displacement, i.Range, i.Freeboard, i.Speed, i.FuelType, i.B,
                           i.BeltCoverage, i.BE, i.D, i.DE, i.CT, i.T, i.TT, i.SEC, i.ProtectedCruiser, i.FireControl,
                           i.MainCal, i.MQ, i.CrossDeck, i.SecCal, i.Secondaries, i.SecTF, i.SQ, i.TerCal, i.Tertiaries,
                           i.TerTF, i.TQ, i.TorpCal, i.TPS, i.Mines, i.Accomodation, i.ObsoleteDate);
}

// The writer keeps a text on its line: a line break inside a value (a lone
// CR can come in from a file) is saved as a blank, and blanks at either end
// of a value are not read back.
std::string oneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return fuzz::trim(s);
}

auto texts(const DesignInputs& i) {
    return std::make_tuple(i.Name, oneLine(i.EnemyClass), oneLine(i.MisClass), oneLine(i.PicName), i.FunnelPos,
                           i.FunnelOval, i.OutlineIsLine);
}

// Turrets, mounts and outlines as plain numbers. A position read as a lone
// CR is saved as a blank, which reads as missing.
auto lists(const TDesignShip& s) {
    using Items = std::vector<std::pair<std::int64_t, std::int64_t>>;
    auto position = [](TurretPosition p) { return p == '\r' ? 'Z' : p; };
    Items turrets, mounts, outlines;
    for (const auto& t : s.Turrets) turrets.push_back({t->Guns, position(t->Position)});
    for (const auto& m : s.TorpedoMounts) mounts.push_back({m->Tubes, position(m->Position)});
    for (const auto& outline : s.Superstructure)
        for (const auto& p : outline) outlines.push_back({p.Angle, p.Distance});
    return std::make_tuple(turrets, mounts, outlines);
}

} // namespace

// The bundled tables, so the recompute works on real figures.
static ProgramData gData;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::env();
    LoadProgramData(SHIP_SOURCE_DIR, gData, fuzz::env().messages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const std::string path = env.write("Fuzz Class.sdf", fuzz::asText(data, size));

    DesignInputs in;
    TDesignShip ship(gData);
    ReadDesignFile(path, in, ship);
    FUZZ_CHECK(in.Name == "Fuzz Class");
    for (auto [r, v] : {std::pair{ranges::Displacement, in.Displacement},
                        {ranges::Speed, in.Speed},
                        {ranges::MainCal, in.MainCal},
                        {ranges::SmallCal, in.SecCal},
                        {ranges::SmallCal, in.TerCal},
                        {ranges::Quality, in.MQ},
                        {ranges::Quality, in.SQ},
                        {ranges::Quality, in.TQ},
                        {ranges::SmallGuns, in.Secondaries},
                        {ranges::SmallGuns, in.Tertiaries},
                        {ranges::TorpCal, in.TorpCal},
                        {ranges::Mines, in.Mines}})
        FUZZ_CHECK(v >= r.min && v <= r.max);
    FUZZ_CHECK(ship.Turrets.size() <= 25 && ship.TorpedoMounts.size() <= 16);

    (void)ApplyInputs(in, ship);

    // Save what was read (with the outlines, as when a ship is displayed)
    // and read it again.
    DesignOutlines outlines{ship.Superstructure, in.OutlineIsLine};
    FUZZ_CHECK(platform::writeLines(path, DesignFileLines(in, ship, &outlines)) == platform::WriteResult::Ok);
    DesignInputs again;
    TDesignShip shipAgain(gData);
    ReadDesignFile(path, again, shipAgain);
    FUZZ_CHECK(numbers(again) == numbers(in) && texts(again) == texts(in) && lists(ship) == lists(shipAgain));
    return 0;
}
