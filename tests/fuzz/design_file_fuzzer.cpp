// The design form's reader of ship design files, followed by the recompute
// it triggers. What was read must stay inside the form's ranges, and a file
// saved from it must read back the same.
#include "FuzzSupport.h"

#include "designfile/DesignFile.h"
#include "designfile/DesignInputs.h"
#include "platform/FileSystem.h"
#include "startup/Startup.h"
#include "shipdata/Ship.h"

#include <string>
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

// A position read as a lone CR is saved as a blank, which reads as missing.
TurretPosition saved(TurretPosition p) { return p == '\r' ? 'Z' : p; }

bool sameLists(const TDesignShip& a, const TDesignShip& b) {
    if (a.Turrets.size() != b.Turrets.size() || a.TorpedoMounts.size() != b.TorpedoMounts.size()) return false;
    for (size_t i = 0; i < a.Turrets.size(); ++i)
        if (a.Turrets[i]->Guns != b.Turrets[i]->Guns || saved(a.Turrets[i]->Position) != b.Turrets[i]->Position)
            return false;
    for (size_t i = 0; i < a.TorpedoMounts.size(); ++i)
        if (a.TorpedoMounts[i]->Tubes != b.TorpedoMounts[i]->Tubes ||
            saved(a.TorpedoMounts[i]->Position) != b.TorpedoMounts[i]->Position)
            return false;
    for (size_t k = 0; k < 4; ++k)
        for (size_t j = 0; j < 21; ++j)
            if (a.Superstructure[k][j].Angle != b.Superstructure[k][j].Angle ||
                a.Superstructure[k][j].Distance != b.Superstructure[k][j].Distance)
                return false;
    return true;
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
    const std::string path = env.scratch.write("Fuzz Class.sdf", fuzz::asText(data, size));

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
    FUZZ_CHECK(sameLists(ship, shipAgain));
    return 0;
}
