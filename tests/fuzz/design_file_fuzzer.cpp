// The design form's reader of ship design files, followed by the recompute
// it triggers. What was read must stay inside the form's ranges, and a file
// saved from it must read back the same.
#include "FuzzSupport.h"

#include "designfile/DesignFile.h"
#include "designfile/DesignInputs.h"
#include "platform/FileSystem.h"
#include "startup/Startup.h"
#include "shipdata/Ship.h"

#include <tuple>

namespace {

bool inRange(const SpinRange& r, std::int64_t v) { return v >= r.min && v <= r.max; }

auto numbers(const DesignInputs& i) {
    return std::make_tuple(i.Nation, i.Type, i.Displacement, i.Range, i.Freeboard, i.Speed, i.FuelType, i.B,
                           i.BeltCoverage, i.BE, i.D, i.DE, i.CT, i.T, i.TT, i.SEC, i.ProtectedCruiser,
                           i.FireControl, i.MainCal, i.MQ, i.CrossDeck, i.SecCal, i.Secondaries, i.SecTF, i.SQ,
                           i.TerCal, i.Tertiaries, i.TerTF, i.TQ, i.TorpCal, i.TPS, i.Mines, i.Accomodation,
                           i.ObsoleteDate);
}

// The writer keeps a text on its line: a line break inside a value (a lone
// CR can come in from a file) is saved as a blank, and blanks at either end
// of a value are not read back.
std::string oneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
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
    LoadProgramData(SHIP_SOURCE_DIR, gData);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const std::string path = env.write("Fuzz Class.sdf", fuzz::asText(data, size));

    DesignInputs inputs;
    TDesignShip ship(gData);
    ReadDesignFile(path, inputs, ship);
    FUZZ_CHECK(inputs.Name == "Fuzz Class");
    FUZZ_CHECK(inRange(ranges::Displacement, inputs.Displacement));
    FUZZ_CHECK(inRange(ranges::Speed, inputs.Speed));
    FUZZ_CHECK(inRange(ranges::MainCal, inputs.MainCal));
    FUZZ_CHECK(inRange(ranges::SmallCal, inputs.SecCal) && inRange(ranges::SmallCal, inputs.TerCal));
    FUZZ_CHECK(inRange(ranges::Quality, inputs.MQ) && inRange(ranges::Quality, inputs.SQ) &&
               inRange(ranges::Quality, inputs.TQ));
    FUZZ_CHECK(inRange(ranges::SmallGuns, inputs.Secondaries) && inRange(ranges::SmallGuns, inputs.Tertiaries));
    FUZZ_CHECK(inRange(ranges::TorpCal, inputs.TorpCal));
    FUZZ_CHECK(inRange(ranges::Mines, inputs.Mines));
    FUZZ_CHECK(ship.Turrets.size() <= 25 && ship.TorpedoMounts.size() <= 16);

    ApplyInputs(inputs, ship);

    // Save what was read (with the outlines, as when a ship is displayed)
    // and read it again.
    DesignOutlines outlines;
    outlines.Superstructure = ship.Superstructure;
    outlines.IsLine = inputs.OutlineIsLine;
    const auto lines = DesignFileLines(inputs, ship, &outlines);
    FUZZ_CHECK(platform::writeLines(path, lines) == platform::WriteResult::Ok);
    DesignInputs again;
    TDesignShip shipAgain(gData);
    ReadDesignFile(path, again, shipAgain);
    FUZZ_CHECK(numbers(again) == numbers(inputs));
    FUZZ_CHECK(texts(again) == texts(inputs));
    FUZZ_CHECK(lists(ship) == lists(shipAgain));
    return 0;
}
