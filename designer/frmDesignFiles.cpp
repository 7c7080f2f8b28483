// The design form's files: Save, Save as, Load, Load custom, the picture
// chooser and the question before unsaved work would be lost.
#include "designer/frmDesign.h"

#include "designer/DesignerSettings.h"
#include "designer/PlanEditor.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "platform/DesignFolders.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/qt/QtMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

using platform::fromQ;
using platform::toQ;

namespace {

// The hourglass while a file is written, restored on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

std::optional<std::string> TfrmDesignMain::CheckBeforeSave() {
    if (!designShip_) return std::nullopt;
    // The design check lists the same refusals, so "ok" means Save takes it.
    // A name that cannot become a file name is refused before anything
    // changes, the turret order included.
    if (const std::vector<std::string> refusals = SaveRefusals(document_.Inputs); !refusals.empty()) {
        platform::messages().notice(refusals.front());
        return std::nullopt;
    }
    return document_.Inputs.Name;
}

bool TfrmDesignMain::SaveTo(const std::string& path) {
    // The ship's list follows the document's without a recompute: its
    // weights stand, and the rules' messages are not shown again.
    ReorderTurretsForSave(document_);
    ReorderTurretsForSave(*designShip_);
    RefreshTurretList();
    if (HasDisplayShip()) planEditor_->StoreLineFlags(document_.Inputs.OutlineIsLine);
    TakePlanOutlines();

    if (platform::fileExists(path) &&
        !platform::messages().confirm("Class exists!\rFile: " + path + "\r Overwrite?", true))
        return false;

    if (customFilesRoot_ != programDir_) {
        std::error_code ec;
        std::filesystem::create_directories(customFilesRoot_ + "Custom Files", ec);
    }
    bool written = false;
    {
        const WaitCursor hourglass;
        // Its "saved" or "Error saving" notice is a box on the form.
        written = WriteDesignFile(path, document_, data_.Weapons, platform::messages());
    }
    // Reading back a file that was not written would reset the form to the
    // defaults of an empty file and lose the design on screen.
    if (written && !HasDisplayShip()) LoadDesignAs(path, QStringLiteral("Save"));
    else CommitStep(QStringLiteral("Save")); // the turrets may have moved
    if (written) {
        history_->MarkSaved();
        loadedFileProblems_.clear(); // the file is whole now
        RefreshDesignCheck();
    }
    UpdateTitle();
    return written;
}

void TfrmDesignMain::bnSaveClick() {
    if (auto name = CheckBeforeSave()) SaveTo(DesignSavePath(customFilesRoot_, *name));
}

void TfrmDesignMain::SaveAsClick() {
    const auto name = CheckBeforeSave();
    if (!name) return;
    platform::SaveFileRequest request;
    request.title = "Save design as";
    request.filters = {"Ship design files (sdf)|*.sdf"};
    request.startDirectory = designersettings::Folder("saveAs", platform::SaveFolder(programDir_));
    request.suggestedName = *name + ".sdf";
    request.callerConfirmsReplace = true; // Save's own "Class exists!" question follows
    auto chosen = platform::fileDialogs().saveFile(request);
    if (!chosen) return;
    designersettings::RememberFolder("saveAs", chosen->path);
    std::string path = chosen->path;
    std::string file = platform::fileNameOf(path);
    const bool hasExtension =
        file.size() > 4 && QString::fromStdString(file.substr(file.size() - 4)).toLower() == ".sdf";
    if (!hasExtension) path += ".sdf", file += ".sdf";
    // The class is named after its file, so the form takes the file's name.
    const std::string className = file.substr(0, file.size() - 4);
    if (className != *name) {
        if (auto problem = ClassNameProblem(className)) {
            platform::messages().notice(*problem);
            return;
        }
        W.edName->setText(toQ(className));
    }
    SaveTo(path);
}

bool TfrmDesignMain::IsModified() const { return history_ && history_->Modified(); }

bool TfrmDesignMain::MaybeKeepChanges() {
    if (!designShip_ || !IsModified()) return true;
    const QString name = toQ(document_.Inputs.Name).trimmed();
    const std::string text = "Save changes to " + (name.isEmpty() ? std::string("this design") : fromQ(name)) + "?";
    switch (platform::messages().askSave(text)) {
    case platform::SaveChoice::Save:
        if (auto className = CheckBeforeSave()) return SaveTo(DesignSavePath(customFilesRoot_, *className));
        return false;
    case platform::SaveChoice::Discard: return true;
    case platform::SaveChoice::Cancel: break;
    }
    return false;
}

void TfrmDesignMain::closeEvent(QCloseEvent* event) {
    if (!MaybeKeepChanges()) {
        event->ignore();
        return;
    }
    designersettings::SaveGeometry(*this);
    QMainWindow::closeEvent(event);
}

bool TfrmDesignMain::LoadDesign(const std::string& path) {
    return LoadDesignAs(path, QStringLiteral("Load ") + toQ(platform::fileNameOf(path)));
}

namespace {

// The messages of one load in one box: each text once, with how often it came.
void ShowTogether(const std::vector<platform::RecordedMessage>& recorded) {
    if (recorded.empty()) return;
    std::vector<std::pair<std::string, int>> texts;
    bool warning = false;
    for (const auto& m : recorded) {
        warning = warning || m.kind == platform::MessageKind::Warning;
        auto same = std::find_if(texts.begin(), texts.end(), [&m](const auto& t) { return t.first == m.text; });
        if (same != texts.end()) ++same->second;
        else texts.emplace_back(m.text, 1);
    }
    std::string text;
    for (const auto& [t, n] : texts)
        text += (text.empty() ? "" : "\n") + t + (n > 1 ? " (" + std::to_string(n) + " times)" : std::string());
    if (warning) platform::messages().warning(text);
    else platform::messages().notice(text);
}

} // namespace

bool TfrmDesignMain::LoadDesignAs(const std::string& path, const QString& step) {
    if (!designShip_) return false;
    const DesignRecord record = ReadDesignRecord(path);
    // Not a design, or not readable: the form stays as it was, and one
    // message says why.
    if (!record.Readable) {
        platform::messages().notice(DesignRecordProblem(record, path));
        return false;
    }
    // A form nobody has touched yet has nothing to go back to.
    const bool fresh = history_->Stack().count() == 0 && !history_->Modified() && !HasDisplayShip();
    const auto said = LoadRecord(record, path);
    // One step: undoing it brings back the design that was there before.
    if (fresh) history_->Reset();
    else CommitStep(step);
    history_->MarkSaved();
    UpdateTitle();
    // Only now: while a box is open the design counts as loaded, not as unsaved work.
    ShowTogether(said);
    return true;
}

bool TfrmDesignMain::RestoreDesign(const std::string& path, const std::string& className) {
    if (!designShip_) return false;
    DesignRecord record = ReadDesignRecord(path);
    if (!record.Readable) {
        platform::messages().notice(DesignRecordProblem(record, path));
        return false;
    }
    record.ClassName = className;
    const auto said = LoadRecord(record, path);
    // What was restored was never saved.
    history_->Reset();
    history_->MarkUnsaved();
    UpdateTitle();
    ShowTogether(said);
    return true;
}

std::vector<platform::RecordedMessage> TfrmDesignMain::LoadRecord(const DesignRecord& record, const std::string& path) {
    std::vector<platform::RecordedMessage> said;
    // What the form takes in only by bringing it into range, said with the
    // rules' messages; what it keeps as read (turrets, mounts) stays listed in
    // the design check.
    if (const auto illegal = IllegalValues(record); !illegal.empty()) {
        std::string text = platform::fileNameOf(path) + " holds values outside what the form accepts:";
        for (const IllegalValue& v : illegal) text += "\n" + v.Text();
        said.push_back({platform::MessageKind::Warning, text});
    }
    loadedFileProblems_.clear();
    for (DesignProblem& p : CheckDesignRecord(record))
        if (p.kind == ProblemKind::Incomplete) loadedFileProblems_.push_back(std::move(p));
    {
        // Held back, to be shown in one box once the load is done.
        platform::RecordingMessages held;
        heldForLoad_ = &held;
        history_->Hold(true);
        ReadDesignFile(record, data_.Weapons, document_);
        ShowDocument();
        UpdateTitle();
        Recompute();
        if (planEditor_) planEditor_->LoadDisplayShip(path, held);
        TakePlanOutlines();
        EnableShipStatus();
        history_->Hold(false);
        heldForLoad_ = nullptr;
        said.insert(said.end(), held.recorded.begin(), held.recorded.end());
    }
    return said;
}

// The plan editor writes each edit of an outline into the document; a save
// or a load takes the plan view's outlines as they stand, none without a
// displayed ship.
void TfrmDesignMain::TakePlanOutlines() {
    const auto shown = HasDisplayShip() ? planEditor_->DisplayShipOutlines() : std::nullopt;
    document_.Superstructure.reset();
    if (shown) document_.Superstructure = shown->Superstructure;
}

void TfrmDesignMain::LoadFrom(const char* title, const std::string& folder, const char* dialog) {
    platform::OpenFileRequest request;
    request.title = title;
    request.filter = "Ship design files (sdf)|*.sdf";
    request.defaultExtension = "sdf";
    request.startDirectory = designersettings::Folder(dialog, folder);
    request.existingOnly = true;
    const auto path = platform::fileDialogs().openFile(request);
    if (!path) return;
    designersettings::RememberFolder(dialog, *path);
    if (MaybeKeepChanges()) LoadDesign(*path);
}

void TfrmDesignMain::bnLoadClick() { LoadFrom("Load design", platform::BundledDesignsFolder(programDir_), "load"); }

void TfrmDesignMain::bnLoadCustClick() {
    LoadFrom("Load custom design", platform::SaveFolder(programDir_), "loadCustom");
}

void TfrmDesignMain::bnSelPicClick() {
    platform::OpenFileRequest request;
    request.title = "Select picture";
    request.filter = "Picture files|*.jpg;*.bmp";
    request.startDirectory = designersettings::Folder("picture", platform::SaveFolder(programDir_));
    request.existingOnly = true;
    if (auto path = platform::fileDialogs().openFile(request)) {
        designersettings::RememberFolder("picture", *path);
        W.edPicName->setText(toQ(platform::fileNameOf(*path)));
        CommitStep(QStringLiteral("Picture name"));
    }
}
