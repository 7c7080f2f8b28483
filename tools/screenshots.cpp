// Writes the README's pictures of the desktop program: the design form with
// Dreadnought, the status card of King Edward VII, the protection window of
// Iron Duke against a 12-inch gun, the planner (Dreadnought against
// Scharnhorst at 9,000 yards) and Dreadnought compared with Nassau.
// Run through scripts/make-screenshots.sh, which builds it first:
//   shipscreenshots [FOLDER]   (default: docs)
// It works on the samples beside the executable, with settings of its own,
// so neither the user's remembered windows nor the pictures depend on them.
#include "combat/qt/ProtectionWindow.h"
#include "designer/frmDesign.h"
#include "planner/frmPlanner.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "sheets/qt/CompareWindow.h"
#include "startup/Startup.h"
#include "status/ShipStatus.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

QString g_folder;
int g_failures = 0;

void save(QWidget& window, const char* name) {
    const bool shown = QTest::qWaitForWindowExposed(&window);
    QCoreApplication::processEvents(); // charts lay out their legends on the next pass
    const QString path = g_folder + QLatin1Char('/') + QLatin1String(name);
    const bool saved = shown && window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    if (!saved) ++g_failures;
}

template <typename Window>
Window* open(TfrmDesignMain& form, const char* button) {
    form.findChild<QPushButton*>(QLatin1String(button))->click();
    return form.findChild<Window*>();
}

} // namespace

int main(int argc, char* argv[]) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ship design"));
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(g_folder);
    platform::RecordingMessages quiet; // rule warnings of the samples
    platform::setMessages(&quiet);

    const std::string programDir = platform::defaultProgramDir();
    ProgramData data;
    const bool loaded = LoadProgramData(programDir, data);
    TfrmDesignMain form(data, loaded, programDir);
    const std::string designs = form.ProgramDir() + "Designs/";
    form.show();
    form.LoadDesign(designs + "Dreadnought.sdf");
    // The whole form, however small the screen the pictures are taken on.
    if (auto* scroll = qobject_cast<QScrollArea*>(form.centralWidget()))
        form.resize(
            form.size().expandedTo(scroll->widget()->sizeHint() + QSize(scroll->verticalScrollBar()->sizeHint().width(),
                                                                        form.menuBar()->sizeHint().height())));
    save(form, "designer.png");

    if (auto* compare = open<TfrmCompare>(form, "bnCompare")) {
        compare->SetFile(1, designs + "Nassau.sdf");
        save(*compare, "compare.png");
        compare->close();
    }
    if (auto* planner = open<TfrmPlanner>(form, "bnEngagement")) {
        planner->ChooseOpponent(designs + "Scharnhorst.sdf");
        planner->W.slRange->setValue(9000);
        save(*planner, "planner.png");
        planner->close();
    }

    form.LoadDesign(designs + "Iron Duke.sdf");
    if (auto* protection = open<TfrmProtection>(form, "bnProtection")) {
        protection->CalibreList()->setCurrentIndex(protection->CalibreList()->findData(12));
        save(*protection, "protection.png");
        protection->close();
    }

    // The card is modal: its picture is taken once it shows.
    form.LoadDesign(designs + "King Edward VII.sdf");
    TdlgShipStatus& card = form.ShipStatusDialog();
    QTimer::singleShot(0, &card, [&card] {
        save(card, "status-card.png");
        card.accept();
    });
    form.ShowShipStatus();
    return g_failures == 0 ? 0 : 1;
}
