// The fighting-ship loader: a design file made into a ship on the ship layer
// of a map, then the queries the status card and the plan view run on it.
// Both readings of the format must see the same turrets and mounts, as far
// as both read.
#include "FuzzSupport.h"

#include "combat/FightShip.h"
#include "combat/ShipLayer.h"
#include "designfile/DesignFile.h"
#include "map/MapModel.h"
#include "nations/Nations.h"
#include "startup/Startup.h"

static ProgramData gData;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::env();
    LoadProgramData(SHIP_SOURCE_DIR, gData, fuzz::env().messages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    const std::string path = env.write("Fuzz Class.sdf", fuzz::asText(data, size));

    TMap globe;
    std::unique_ptr<TFightingShip> ship =
        CreateShipOnLayer(path, "Fuzz Class", globe, gData.Preferences, platform::messages());
    if (!ship) return 0;
    FUZZ_CHECK(ship->ClassName == "Fuzz Class");
    FUZZ_CHECK(ship->Nation >= 0 && ship->Nation <= MaxNation);
    FUZZ_CHECK(ship->Turrets.size() <= 26 && ship->TorpedoMounts.size() <= 16);
    for (int b = 1; b <= 3; ++b) FUZZ_CHECK(ship->BatteryCalibre[b] >= 2 && ship->BatteryCalibre[b] <= 18);

    // The form reads the same sections (one turret section fewer).
    DesignInputs inputs;
    TDesignShip design(gData);
    ReadDesignFile(path, inputs, design);
    FUZZ_CHECK(design.Turrets.size() <= ship->Turrets.size());
    for (size_t i = 0; i < design.Turrets.size(); ++i) {
        FUZZ_CHECK(design.Turrets[i]->Guns == ship->Turrets[i]->Guns);
        FUZZ_CHECK(design.Turrets[i]->Position == ship->Turrets[i]->Position);
    }
    // Both read the same mount sections.
    FUZZ_CHECK(ship->TorpedoMounts.size() == design.TorpedoMounts.size());
    for (size_t i = 0; i < ship->TorpedoMounts.size(); ++i) {
        FUZZ_CHECK(design.TorpedoMounts[i]->Tubes ==
                   TFightingShip::AsFighting(ship->TorpedoMounts[i].get())->TubeCount);
        FUZZ_CHECK(design.TorpedoMounts[i]->Position == ship->TorpedoMounts[i]->Position);
    }

    ship->ResetTurretTraining(platform::messages());
    (void)(ship->CountGuns(true) + ship->GunsText().size() + ship->TorpedoesReady() + ship->TorpedoBroadside());
    ship->SetHeading(static_cast<std::int32_t>(size % 360));
    ship->UpdateFireSmokePoints();
    // A second ship on the same map shares the presenters of the first.
    std::unique_ptr<TFightingShip> second =
        CreateShipOnLayer(path, "Fuzz Class", globe, gData.Preferences, platform::messages());
    FUZZ_CHECK(second != nullptr);
    return 0;
}
