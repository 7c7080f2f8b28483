#pragma once
// The main design form: every input of a ship class, the design ship that
// mirrors them, the figures the design rules compute, the turret and mount
// lists, and the save and load commands.
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "designer/AddTurret.h"
#include "designer/DesignFormWidgets.h"
#include "designer/DesignHistory.h"
#include "designer/PlanEditorHook.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignDocument.h"
#include "designfile/DesignInputs.h"
#include "designfile/DesignRecord.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/Problems.h"
#include "shipdata/Ship.h"
#include "tables/ProgramData.h"

class QPushButton;
class TDesignSource;
class TShareCommands;
class TdlgShipStatus;

class TfrmDesignMain : public QMainWindow {
    Q_OBJECT
public:
    // data: the tables loaded at start-up from programDir (loaded: whether
    // every one could be), read-only and outliving the form. programDir:
    // where Data, Designs and Custom Files are found (beside the executable
    // or the installed share folder; tests pass their own).
    TfrmDesignMain(const ProgramData& data, bool loaded, const std::string& programDir = platform::defaultProgramDir(),
                   QWidget* parent = nullptr);
    ~TfrmDesignMain() override;

    const std::string& ProgramDir() const { return programDir_; }
    // The folder whose "Custom Files" Save writes to and "Load custom" starts
    // in: the program folder, or the user's data folder when that is read-only.
    const std::string& CustomFilesRoot() const { return customFilesRoot_; }
    // False when a data table could not be loaded at start-up.
    bool StartupSucceeded() const { return startupOk_; }
    // The tables loaded at start-up, read-only from then on.
    const ProgramData& Data() const { return data_; }
    // The design ship; none until the form is first shown.
    TDesignShip* DesignShip() { return designShip_.get(); }
    DesignFormWidgets& Widgets() { return W; }

    // The add-turret dialog made at program start; without one the form
    // makes its own on first use.
    void SetAddTurretDialog(TdlgAddTurret* dialog) { addTurretDialog_ = dialog; }
    TdlgAddTurret& AddTurretDialog();

    // The ship status card made at program start; without one the form
    // makes its own on first use.
    void SetShipStatusDialog(TdlgShipStatus* dialog);
    TdlgShipStatus& ShipStatusDialog();
    // "Ship status" beside "Update ship graphic"; enabled once a ship is displayed.
    QPushButton* ShipStatusButton() const { return W.bnShipStatus; }
    // What "Compare...", "Copy sheet" and "Export sheet..." do.
    TShareCommands* ShareCommands() const { return shareCommands_; }

    void SetPlanEditor(std::unique_ptr<TPlanEditorHook> editor);
    TPlanEditorHook* PlanEditor() { return planEditor_.get(); }
    // Puts the map canvas into pnlPlan in place of the placeholder Globe41;
    // the form owns it from then on.
    void InstallMapCanvas(QWidget* canvas);

    // The design on the form: every control shows it, every edit changes it.
    const DesignDocument& Document() const { return document_; }
    const DesignInputs& Inputs() const { return document_.Inputs; }
    // The document as the windows see it, with a signal after each recompute.
    TDesignSource& Source() const { return *source_; }
    // Puts a whole design on the form as one undo step named `step` (the
    // explorer's "Apply to form").
    void SetDocument(const DesignDocument& document, const QString& step);
    // An edit of the plan editor (funnels, outlines): into the document and
    // onto the controls, with no recompute, for it changes no weight.
    void EditDocument(const std::function<void(DesignDocument&)>& edit);
    // Inputs into the ship, Recalculate, lists and output boxes.
    void Recompute();
    // Main calibre into the ship, Recalculate and the turret list only.
    void MainCalibreUpdate();
    // Clears the lists and outlines, reads the file into the controls,
    // recomputes and lets the plan editor show the ship. A file that is not
    // a ship design file leaves the form as it was (false, one message).
    bool LoadDesign(const std::string& path);
    // Puts a recovered copy on the form as the unsaved design `className`:
    // no undo step before it, and the title marked " *".
    bool RestoreDesign(const std::string& path, const std::string& className);

    // Undo and redo of every change, and whether the design on the form
    // differs from the last save or load.
    TDesignHistory& History() { return *history_; }
    // After a committed edit: one undo step named `name` when the design changed.
    void CommitStep(const QString& name);
    bool IsModified() const;
    // With unsaved changes, asks "Save changes to <class>?": true when the
    // caller may go on (saved or discarded), false on Cancel or a failed save.
    bool MaybeKeepChanges();

public slots:
    void bnLoadClick();
    void bnLoadCustClick();
    void bnSaveClick();
    // Ctrl+Shift+S: a file dialog for any folder, with the checks of Save.
    void SaveAsClick();
    void bnSelPicClick();
    void bnAddTurretClick();
    void bnDeleteTurretClick();
    void bnClearTurretsClick();
    void bnAddTorpMountClick();
    void bnDeleteTorpMountClick();
    void bnClearTorpMountsClick();
    void ExitClick();
    // The see-ship operation: the status card of the displayed ship as of today.
    void ShowShipStatus();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void ConnectControls();
    // The document follows every edit of a control, before any other handler.
    void BindDocument();
    // The document onto the controls; what a control cannot hold comes back
    // as the control holds it.
    void ShowDocument();
    void DisplacementChange();
    void UpdateDisplacementStep();
    void UpdateTitle();
    void RefreshTurretList();
    void RefreshTorpedoList();
    void WriteOutputs();
    void LoadFrom(const char* title, const std::string& folder, const char* dialog);
    // LoadDesign with the name of its undo step.
    bool LoadDesignAs(const std::string& path, const QString& step);
    // The body of a load: the record into the document, the plan editor's
    // ship from `path`; returns the messages it held back.
    std::vector<platform::RecordedMessage> LoadRecord(const DesignRecord& record, const std::string& path);
    // The document's outlines from the plan view.
    void TakePlanOutlines();
    // The checks of Save; the class name, or none after the message.
    std::optional<std::string> CheckBeforeSave();
    // Writes the design to `path` (asking before replacing a file); true when written.
    bool SaveTo(const std::string& path);
    void ConnectHistory();
    DesignSnapshot TakeSnapshot() const;
    void RestoreSnapshot(const DesignSnapshot& state);
    void RefreshDesignCheck();
    // The rules' problems as boxes, or held for the one box at the end of a load.
    void ShowProblems(const platform::Problems& problems);
    void TypedOutOfRange(QWidget* box, qlonglong typed, int value);
    bool HasDisplayShip() const;
    void ConnectCommands();
    // "Ship status", its button and its menu item, once a ship is displayed.
    void EnableShipStatus();
    void ChooseCustomFilesRoot();
    void FitToScreen();

    std::string programDir_;
    std::string customFilesRoot_;
    const ProgramData& data_;
    bool startupOk_ = false;
    bool shown_ = false;
    DesignFormWidgets W;
    DesignDocument document_;
    TDesignSource* source_ = nullptr;
    std::unique_ptr<TDesignShip> designShip_;
    QPointer<TdlgAddTurret> addTurretDialog_;
    std::unique_ptr<TPlanEditorHook> planEditor_;
    QPointer<TdlgShipStatus> shipStatusDialog_;
    TDesignHistory* history_ = nullptr;
    TShareCommands* shareCommands_ = nullptr;
    // Sections of the file last loaded that were cut short, until the next save or load.
    std::vector<DesignProblem> loadedFileProblems_;
    // While a load runs: what it raises, shown in one box once it is done.
    platform::RecordingMessages* heldForLoad_ = nullptr;
};
