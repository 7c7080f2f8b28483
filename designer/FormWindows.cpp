#include "designer/FormWindows.h"

#include "combat/qt/ProtectionWindow.h"
#include "designer/DesignerSettings.h"
#include "designer/FormMenus.h"
#include "designer/frmDesign.h"
#include "designfile/qt/DesignSource.h"
#include "explore/qt/ExploreWindow.h"
#include "library/qt/LibraryWindow.h"
#include "planner/frmPlanner.h"
#include "platform/DesignFolders.h"
#include "platform/Messages.h"
#include "platform/qt/QtMessages.h"
#include "sheets/qt/CompareWindow.h"
#include "sheets/qt/ShareCommands.h"

#include <QStandardPaths>
#include <QStatusBar>

namespace {

template <class Window>
Window* raised(Window* window) {
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// Every export dialog starts where the last export went.
ExportFolder exportFolder() {
    return {[] { return designersettings::Folder("export", ""); },
            [](const std::string& path) { designersettings::RememberFolder("export", path); }};
}

// formDesign: the form's design as the first of the comparison, or none.
TfrmCompare* newCompareWindow(TfrmDesignMain& form, QWidget* parent, const TDesignSource* formDesign) {
    TfrmCompare::Setup setup{designersettings::DesignFoldersOf(form.ProgramDir()), form.ProgramDir(),
                             form.CustomFilesRoot(), exportFolder()};
    auto* window = new TfrmCompare(form.Data(), std::move(setup), formDesign, parent);
    BindHelpKey(*window, form.Data().Weapons, "compare");
    return window;
}

} // namespace

TfrmPlanner* ShowEngagementPlanner(TfrmDesignMain& form) {
    if (!form.DesignShip()) return nullptr;
    const DesignInputs& inputs = form.Inputs();
    if (inputs.Nation < 0 || inputs.Type < 0) {
        platform::messages().notice("Choose a nation and a ship type before planning an engagement.");
        return nullptr;
    }
    std::optional<DesignRecord> record = form.Source().Record();
    if (!record) return nullptr;
    const QString name = QString::fromStdString(inputs.Name).trimmed();
    record->ClassName = name.isEmpty() ? "Own design" : name.toStdString();

    auto* planner = form.findChild<TfrmPlanner*>(QStringLiteral("frmPlanner"));
    if (!planner) {
        // The folders the library added and the dialogs were last left in are listed too.
        planner = new TfrmPlanner(form.Data(), form.ProgramDir(), &form,
                                  designersettings::DesignFoldersOf(form.ProgramDir()));
        BindHelpKey(*planner, form.Data().Weapons, "planner");
    }
    planner->SetOwnDesign(*record, inputs.Range);
    return raised(planner);
}

TfrmExplore* ShowExplorer(TfrmDesignMain& form) {
    auto* window = form.findChild<TfrmExplore*>(QStringLiteral("frmExplore"));
    if (window) {
        window->UseFormDesign();
        return raised(window);
    }
    auto apply = [&form](const DesignDocument& variant, const QString& step) { form.SetDocument(variant, step); };
    window =
        new TfrmExplore(form.Data(), form.Source(), designersettings::DesignFoldersOf(form.ProgramDir()), apply, &form);
    BindHelpKey(*window, form.Data().Weapons, "explorer");
    return raised(window);
}

TfrmLibrary* ShowLibrary(TfrmDesignMain& form) {
    if (auto* window = form.findChild<TfrmLibrary*>(QStringLiteral("frmLibrary"))) return raised(window);
    TfrmLibrary::Setup setup;
    // The library keeps its added folders itself (they can be removed).
    for (const std::string& folder : designersettings::DesignFoldersOf(form.ProgramDir(), false))
        setup.Folders << platform::toQ(folder);
    setup.UserFolders = designersettings::LibraryFolders();
    setup.RememberUserFolders = [](const QStringList& folders) { designersettings::SetLibraryFolders(folders); };
    setup.CustomFilesDir = platform::SaveFolder(form.ProgramDir()) + "/";
    setup.CacheFile =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/library.cache");
    setup.OpenDesign = [&form](const std::string& path) {
        if (!form.MaybeKeepChanges()) return false;
        form.LoadDesign(path);
        form.raise();
        form.activateWindow();
        return true;
    };
    setup.NewCompareWindow = [&form](QWidget* parent) { return newCompareWindow(form, parent, nullptr); };
    auto* window = new TfrmLibrary(form.Data(), std::move(setup), &form);
    BindHelpKey(*window, form.Data().Weapons, "library");
    return raised(window);
}

TfrmProtection* ShowProtection(TfrmDesignMain& form) {
    auto* window = form.findChild<TfrmProtection*>();
    if (!window) {
        window = new TfrmProtection(
            form.Data().Weapons, [&form] { return form.Inputs(); }, &form);
        BindHelpKey(*window, form.Data().Weapons, "protection");
        QObject::connect(&form.Source(), &TDesignSource::changed, window, [window] {
            if (window->isVisible()) window->Refresh();
        });
    }
    window->Refresh();
    window->show();
    window->raise();
    return window;
}

TShareCommands* NewShareCommands(TfrmDesignMain& form) {
    TShareCommands::Setup setup;
    setup.CustomFilesRoot = form.CustomFilesRoot();
    setup.Export = exportFolder();
    setup.ShowStatus = [&form](const QString& text) { form.statusBar()->showMessage(text, 10000); };
    setup.NewCompareWindow = [&form] { return newCompareWindow(form, &form, &form.Source()); };
    return new TShareCommands(form.Data(), form.Source(), std::move(setup), &form);
}
