#pragma once
// Helpers for driving the design form as a user would: program directories,
// scripted file dialogs and answers to the modal add-turret dialog.
#include "designer/AddTurret.h"
#include "designer/frmDesign.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "startup/Startup.h"
#include "tests/ScopedMessages.h"
#include "tests/core/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace designertest {

using testsupport::bundledData;
using testsupport::programDir;

inline void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& e : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + e.fileName();
        e.isDir() ? copyTree(e.filePath(), target) : void(QFile::copy(e.filePath(), target));
    }
}

// A fresh program directory: the bundled Data/ and Preferences (unless
// withData is false), an empty "Custom Files" and "Designs".
class TempProgramDir {
public:
    TempProgramDir(bool withData = true) {
        const QString root = dir_.path(), bundled = QString::fromStdString(programDir());
        if (withData) {
            copyTree(bundled + QStringLiteral("Data"), root + QStringLiteral("/Data"));
            QFile::copy(bundled + QStringLiteral("Preferences"), root + QStringLiteral("/Preferences"));
        }
        QDir().mkpath(root + QStringLiteral("/Custom Files"));
        QDir().mkpath(root + QStringLiteral("/Designs"));
    }
    std::string path() const { return dir_.path().toStdString() + "/"; }
    std::string customFile(const std::string& name) const { return path() + "Custom Files/" + name; }
    bool customFilesEmpty() const { return QDir(QString::fromStdString(path() + "Custom Files")).isEmpty(); }

private:
    QTemporaryDir dir_;
};

// Answers file dialogs from a queue (none = cancel) and keeps the requests.
class ScriptedFileDialogs : public platform::FileDialogs {
public:
    ScriptedFileDialogs() { platform::setFileDialogs(this); }
    ~ScriptedFileDialogs() override { platform::setFileDialogs(nullptr); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    std::optional<std::string> openFile(const platform::OpenFileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<platform::SaveFileChoice> saveFile(const platform::SaveFileRequest& request) override {
        saveRequests.push_back(request);
        if (!saves.empty()) {
            auto answer = saves.front();
            saves.pop_front();
            return answer;
        }
        auto path = openFile({});
        if (!path) return std::nullopt;
        return platform::SaveFileChoice{*path, 0};
    }

    std::deque<std::optional<std::string>> answers; // open dialogs, and save dialogs once `saves` is empty
    std::deque<std::optional<platform::SaveFileChoice>> saves;
    std::vector<platform::OpenFileRequest> requests;
    std::vector<platform::SaveFileRequest> saveRequests;
};

// The tables of a program folder, loaded as the program loads them at start.
struct LoadedData {
    explicit LoadedData(const std::string& dir) : TablesLoaded(LoadProgramData(dir, Tables, platform::messages())) {}
    ProgramData Tables;
    bool TablesLoaded;
};

// A design form on a program folder, owning the tables it is handed.
class TestForm : private LoadedData, public TfrmDesignMain {
public:
    explicit TestForm(const std::string& dir) : LoadedData(dir), TfrmDesignMain(Tables, TablesLoaded, dir) {}
};

// A shown form on `dir`; start-up messages go to a recorder of their own so
// a test's recorder sees only what the test itself causes.
inline std::unique_ptr<TfrmDesignMain> openForm(const std::string& dir = programDir(),
                                                std::vector<std::string>* startupMessages = nullptr) {
    platform::ScopedRecordingMessages startup;
    std::unique_ptr<TfrmDesignMain> form = std::make_unique<TestForm>(dir);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
    if (startupMessages) *startupMessages = startup.texts();
    return form;
}

// Runs `act` on the dialog once its modal loop is running; a dialog still
// open afterwards is cancelled so a failing test can never hang.
inline void whenDialogOpens(TdlgAddTurret& dialog, std::function<void(TdlgAddTurret&)> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act(dialog);
        if (dialog.isVisible()) dialog.reject();
    });
}

inline void choosePosition(TdlgAddTurret& dialog, const QString& prefix) {
    for (int i = 0; i < dialog.lbPosition->count(); ++i)
        if (dialog.lbPosition->item(i)->text().startsWith(prefix)) return dialog.lbPosition->setCurrentRow(i);
}

// Adds a turret at `letter` with turret factor `guns`, or a mount with
// `tubes`, through the form's own buttons and dialog.
inline void addTurret(TfrmDesignMain& form, char letter, int guns, bool mount = false) {
    whenDialogOpens(form.AddTurretDialog(), [letter, guns, mount](TdlgAddTurret& d) {
        choosePosition(d, QString(QLatin1Char(letter)) + QStringLiteral(" - "));
        mount ? d.seGuns->setValue(guns) : d.cbTurretFactor->setCurrentIndex(guns);
        d.bnOK->click();
    });
    (mount ? form.Widgets().bnAddTorpMount : form.Widgets().bnAddTurret)->click();
}
inline void addMount(TfrmDesignMain& form, char letter, int tubes) { addTurret(form, letter, tubes, true); }

inline QStringList captions(const QTreeWidget* list, int column = 0) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(column);
    return out;
}

inline int boxValue(const QLabel* box) { return box->text().toInt(); }

inline std::string readFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

} // namespace designertest
