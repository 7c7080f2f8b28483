#pragma once
// Fighting ships from the bundled sample designs for the status card tests,
// a way to answer the card's modal dialogs, and label text checks.
#include "DesignerTestSupport.h"

#include "combat/FightShip.h"
#include "combat/ShipLayer.h"
#include "map/MapModel.h"
#include "platform/Paths.h"
#include "status/ShipStatus.h"

#include <QDialog>
#include <QTimer>

namespace statustest {

// A fighting ship on a map of its own; the map outlives the ship.
struct LoadedShip {
    TMap map;
    std::unique_ptr<TFightingShip> ship;
    TFightingShip& operator*() { return *ship; }
    TFightingShip* operator->() { return ship.get(); }
};

// A card that finds pictures, flags and designs in the build's data, or in
// the given program folder.
inline std::unique_ptr<TdlgShipStatus> makeCard(const std::string& dir = designertest::programDir()) {
    return std::make_unique<TdlgShipStatus>(designertest::bundledData(), dir, dir);
}

inline std::unique_ptr<LoadedShip> loadSample(const std::string& className) {
    auto loaded = std::make_unique<LoadedShip>();
    platform::ScopedRecordingMessages quiet; // missing tertiary calibres warn
    loaded->ship = CreateShipOnLayer(designertest::programDir() + "Designs/" + className + ".sdf", className,
                                     loaded->map, designertest::bundledData().Preferences, quiet);
    return loaded->ship ? std::move(loaded) : nullptr;
}

// Runs `act` once the modal loop of `dialog` runs; closes it afterwards so a
// failing test never hangs.
inline void whenOpens(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act();
        if (dialog.isVisible()) dialog.reject();
    });
}

// Labels and the texts they should show; the first that differs is named.
using Texts = std::vector<std::pair<const QLabel*, QString>>;
inline QString firstMismatch(const Texts& expected) {
    for (const auto& [label, want] : expected)
        if (label->text() != want)
            return label->objectName() + QStringLiteral(": \"") + label->text() + QStringLiteral("\" wanted \"") +
                   want + QLatin1Char('"');
    return {};
}

} // namespace statustest

#define CHECK_TEXTS(...)                                                                                               \
    do {                                                                                                               \
        const QString m_ = statustest::firstMismatch(statustest::Texts{__VA_ARGS__});                                  \
        QVERIFY2(m_.isEmpty(), qPrintable(m_));                                                                        \
    } while (0)
