// The desktop program: creates the forms in their order and runs the
// message loop until the design form closes. "shipdesigner FILE.sdf" opens
// that design once the form is shown.
#include "app/CommandLine.h"
#include "designer/AddTurret.h"
#include "designer/DesignRecovery.h"
#include "designer/frmDesign.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Version.h"
#include "platform/qt/QtMessages.h"
#include "startup/Startup.h"
#include "status/HitDetails.h"
#include "status/ShipStatus.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace {

// SHIPDESIGNER_CHECK_START=1: start as usual, then print what the start
// found and quit; every message goes to standard error instead of a box.
// Exit 0 when the data loaded and nothing was reported. The package test
// starts the installed program this way.
int reportStart(const TfrmDesignMain& form, const platform::RecordingMessages& recorded) {
    for (const auto& m : recorded.recorded)
        std::fprintf(stderr, "shipdesigner: %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
    std::printf("shipdesigner: data from %s, %s, window \"%s\"\n", form.ProgramDir().c_str(),
                form.StartupSucceeded() ? "start-up ok" : "start-up failed", form.windowTitle().toUtf8().constData());
    return form.StartupSucceeded() && recorded.recorded.empty() ? 0 : 1;
}

// Answers --help and --version before Qt starts, so they need no display;
// none for any other first argument.
std::optional<int> answerWithoutDisplay(int argc, char* argv[]) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(platform::ProgramUsage(DesignerProgram()).c_str(), stdout);
        return 0;
    }
    if (first == "--version") {
        std::fputs(platform::VersionText("shipdesigner").c_str(), stdout);
        return 0;
    }
    return std::nullopt;
}

// The form with its dialogs, recovery and the file named on the command
// line; runs until the form closes (or reports the start when checking it).
int runDesigner(const std::string& file, bool checkStart, platform::Messages& sink,
                const platform::RecordingMessages& recorded) {
    // The tables every window reads, loaded once and read-only from then on.
    const std::string programDir = platform::defaultProgramDir();
    ProgramData data;
    const bool loaded = LoadProgramData(programDir, data, sink);
    TfrmDesignMain mainForm(data, loaded, programDir);
    TdlgAddTurret addTurret(&mainForm);
    TdlgShipStatus shipStatus(data, mainForm.ProgramDir(), mainForm.CustomFilesRoot(), &mainForm);
    TdlgHitDetails hitDetails(&shipStatus);
    mainForm.SetAddTurretDialog(&addTurret);
    mainForm.SetShipStatusDialog(&shipStatus);
    shipStatus.SetHitDetailsDialog(&hitDetails);
    mainForm.show();
    // Unsaved work kept against a crash; a start check leaves it alone.
    std::unique_ptr<TDesignRecovery> recovery;
    if (!checkStart) {
        const int interval = qEnvironmentVariableIntValue("SHIPDESIGNER_RECOVERY_MS"); // scripts test with a short one
        recovery = std::make_unique<TDesignRecovery>(mainForm, platform::userDataDir() + "Recovery/",
                                                     interval > 0 ? interval : 60000);
    }
    const bool restored = recovery && recovery->OfferRestore();
    if (!file.empty() && (!restored || mainForm.MaybeKeepChanges())) {
        if (platform::fileExists(file)) mainForm.LoadDesign(file);
        else platform::messages().notice("Cannot find file: " + file);
    }
    return checkStart ? reportStart(mainForm, recorded) : QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (const auto answered = answerWithoutDisplay(argc, argv)) return *answered;
    QApplication app(argc, argv);
    // The name, not a display name: Qt appends a display name to every
    // window title, which showed "Ship design" twice.
    QApplication::setApplicationName(QStringLiteral("Ship design"));
    const bool checkStart = qEnvironmentVariableIntValue("SHIPDESIGNER_CHECK_START") == 1;
    platform::QtMessages boxes;
    platform::RecordingMessages recorded;
    platform::QtFileDialogs dialogs;
    platform::Messages& sink = checkStart ? static_cast<platform::Messages&>(recorded) : boxes;
    platform::setMessages(&sink);
    platform::setFileDialogs(&dialogs);
    // The one argument: a design file to open (Qt has taken its own options).
    const QStringList args = QApplication::arguments();
    const std::string file =
        args.size() > 1 ? QDir::current().absoluteFilePath(args.at(1)).toStdString() : std::string();
    const int rc = runDesigner(file, checkStart, sink, recorded);
    platform::setMessages(nullptr);
    platform::setFileDialogs(nullptr);
    return rc;
}
