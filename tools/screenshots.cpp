// Writes the README's pictures of the desktop program: the design form with
// Dreadnought, the status card of King Edward VII, the protection window of
// Iron Duke against a 12-inch gun, the planner (Dreadnought against
// Scharnhorst at 9,000 yards, and its division view of four against four
// at 1024 x 700), Dreadnought compared with Nassau, Dreadnought explored
// and the library.
// Run through scripts/make-screenshots.sh, which builds it first:
//   shipscreenshots [FOLDER]   (default: docs)
// With --appstream it writes the software centre's pictures instead, each
// window at 1600 x 900: the form, the planner, the explorer after a search
// and the library once filled (designer.png, planner.png, explorer.png,
// library.png; the AppStream file names them):
//   shipscreenshots --appstream [FOLDER]   (default: docs/screenshots)
// It works on the samples beside the executable, with settings of its own,
// so neither the user's remembered windows nor the pictures depend on them.
#include "combat/qt/ProtectionWindow.h"
#include "designer/FormWindows.h"
#include "designer/frmDesign.h"
#include "explore/qt/ExploreWindow.h"
#include "library/qt/LibraryLoader.h"
#include "library/qt/LibraryWindow.h"
#include "planner/DivisionPanel.h"
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
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTableView>
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

// The size of a software centre's pictures: 16:9, a laptop's screen.
const QSize kAppStreamSize(1600, 900);

// The library once filled, Dreadnought chosen, at `size`.
void saveLibrary(TfrmDesignMain& form, const std::string& designs, const QSize& size) {
    TfrmLibrary* library = ShowLibrary(form);
    if (!library) return;
    QSignalSpy filled(&library->Loader(), &TLibraryLoader::Finished);
    library->resize(size);
    if (library->Loader().Busy() ? filled.wait(300000) : true) {
        // The chosen ship in the side panel; the folder column would show the build tree.
        library->Select({designs + "Dreadnought.sdf"});
        auto* model = library->lvDesigns->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == QStringLiteral("Folder"))
                library->lvDesigns->setColumnHidden(c, true);
        save(*library, "library.png");
    } else ++g_failures;
    library->close();
}

// The explorer once its first search has finished, at `size`.
void saveExplorer(TfrmDesignMain& form, const QSize& size, const char* name) {
    TfrmExplore* explorer = ShowExplorer(form);
    if (!explorer) return;
    QSignalSpy finished(explorer, &TfrmExplore::finished);
    explorer->resize(size);
    if (explorer->Run() && finished.wait(300000)) save(*explorer, name);
    else ++g_failures;
    explorer->close();
}

int appStreamPictures(TfrmDesignMain& form, const std::string& designs) {
    form.resize(kAppStreamSize);
    save(form, "designer.png");
    if (auto* planner = open<TfrmPlanner>(form, "bnEngagement")) {
        planner->ChooseOpponent(designs + "Scharnhorst.sdf");
        planner->W.slRange->setValue(9000);
        planner->resize(kAppStreamSize);
        save(*planner, "planner.png");
        planner->close();
    }
    saveExplorer(form, kAppStreamSize, "explorer.png");
    saveLibrary(form, designs, kAppStreamSize);
    return g_failures == 0 ? 0 : 1;
}

// The README's pictures: the form, compare, the planner and its division
// view, the explorer, the library, protection and the status card.
int readmePictures(TfrmDesignMain& form, const std::string& designs) {
    // The whole form, however small the screen the pictures are taken on.
    if (auto* scroll = qobject_cast<QScrollArea*>(form.centralWidget()))
        form.resize(
            form.size().expandedTo(scroll->widget()->sizeHint() + QSize(scroll->verticalScrollBar()->sizeHint().width(),
                                                                        form.menuBar()->sizeHint().height())));
    save(form, "designer.png");

    if (auto* compare = open<TfrmCompare>(form, "bnCompare")) {
        compare->SetFile(1, designs + "Nassau.sdf");
        compare->resize(1010, 660); // as it opens on a screen of 1024 x 700
        save(*compare, "compare.png");
        compare->close();
    }
    if (auto* planner = open<TfrmPlanner>(form, "bnEngagement")) {
        planner->ChooseOpponent(designs + "Scharnhorst.sdf");
        planner->W.slRange->setValue(9000);
        save(*planner, "planner.png");
        // Four against four at the smallest size the window is made for,
        // once the chart's sweep has followed the figures.
        planner->resize(1024, 700);
        const std::string scenario = "Scenarios/Jutland 1916-05-31 1610 5th Battle Squadron.json";
        if (planner->OpenScenarioFile(form.ProgramDir() + scenario)) {
            for (int wait = 0; wait < 100 && planner->Divisions()->Sweep().empty(); ++wait)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            save(*planner, "planner-divisions.png");
        }
        planner->close();
    }
    // The explorer at the smallest screen the windows are made for.
    saveExplorer(form, QSize(1024, 700), "explore.png");
    // As it opens on a screen of 1024 x 700.
    saveLibrary(form, designs, QSize(984, 640));

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

} // namespace

int main(int argc, char* argv[]) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ship design"));
    const bool appStream = argc > 1 && QLatin1String(argv[1]) == QLatin1String("--appstream");
    const int folderArg = appStream ? 2 : 1;
    g_folder = argc > folderArg ? QString::fromLocal8Bit(argv[folderArg])
                                : QString::fromLatin1(appStream ? "docs/screenshots" : "docs");
    QDir().mkpath(g_folder);
    platform::RecordingMessages quiet; // rule warnings of the samples
    platform::setMessages(&quiet);

    const std::string programDir = platform::defaultProgramDir();
    ProgramData data;
    const bool loaded = LoadProgramData(programDir, data, quiet);
    TfrmDesignMain form(data, loaded, programDir);
    const std::string designs = form.ProgramDir() + "Designs/";
    form.show();
    form.LoadDesign(designs + "Dreadnought.sdf");
    return appStream ? appStreamPictures(form, designs) : readmePictures(form, designs);
}
