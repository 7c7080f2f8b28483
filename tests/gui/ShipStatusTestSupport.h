#pragma once
// Fighting ships from the bundled sample designs for the status card tests,
// and a way to answer the card's modal dialogs.
#include "DesignerTestSupport.h"

#include "combat/FightShip.h"
#include "combat/ShipLayer.h"
#include "map/MapModel.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "shipdata/ProgramData.h"
#include "status/ShipStatus.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace statustest {

// Loads the bundled tables once and points the program directory at the
// build's data (a test that moves it puts it back with this).
inline void useBundledProgramDir() {
    static bool loaded = false;
    if (!loaded) {
        platform::ScopedRecordingMessages quiet;
        LoadProgramData(designertest::programDir());
        loaded = true;
    }
    platform::setProgramDir(designertest::programDir());
}

// A fighting ship on a map of its own; the map outlives the ship.
struct LoadedShip {
    TMap map;
    std::unique_ptr<TFightingShip> ship;
    TFightingShip& operator*() { return *ship; }
    TFightingShip* operator->() { return ship.get(); }
};

inline std::unique_ptr<LoadedShip> loadSample(const std::string& className) {
    useBundledProgramDir();
    auto loaded = std::make_unique<LoadedShip>();
    platform::ScopedRecordingMessages quiet;   // missing tertiary calibres warn
    loaded->ship = CreateShipOnLayer(designertest::programDir() + "Designs/" + className + ".sdf", className,
                                     loaded->map);
    if (!loaded->ship) return nullptr;
    return loaded;
}

// Runs `act` once the modal loop of `dialog` runs; closes it afterwards so a
// failing test never hangs.
inline void whenOpens(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act();
        if (dialog.isVisible()) dialog.reject();
    });
}

inline QString text(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

} // namespace statustest
