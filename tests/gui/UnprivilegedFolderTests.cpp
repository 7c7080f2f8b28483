// Folders that refuse: run as an unprivileged user by the unprivileged_folders
// test (root may write anywhere, so as root these refusals never happen and
// the class is skipped). Each case checks that no file was lost or
// half-written.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "designer/DesignRecovery.h"
#include "designer/FormWindows.h"
#include "library/qt/LibraryLoader.h"
#include "library/qt/LibraryModel.h"
#include "library/qt/LibraryWindow.h"
#include "platform/Paths.h"

#include <QDirIterator>
#include <QMap>
#include <QStatusBar>

#include <unistd.h>

using namespace designertest;

namespace {

constexpr QFileDevice::Permissions kReadOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
constexpr QFileDevice::Permissions kWritableFolder = kReadOnlyFolder | QFileDevice::WriteOwner;

// Every file under a folder with its bytes: what "nothing lost or
// half-written" is checked against.
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        all[it.filePath()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return all;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

class UnprivilegedFolderTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramDir> dir;
    std::unique_ptr<TfrmDesignMain> form;
    QStringList lockedFolders; // opened again at cleanup, so the scratch folders can go

    void lock(const QString& folder) {
        QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));
        lockedFolders << folder;
    }
    std::string designs() const { return dir->path() + "Designs/"; }

private slots:
    void initTestCase() {
        if (geteuid() == 0) QSKIP("root writes into read-only folders: the unprivileged_folders test runs this class");
    }
    void init() {
        dir = std::make_unique<TempProgramDir>();
        for (const char* name : {"Dreadnought", "Nassau"})
            QVERIFY(QFile::copy(q(programDir() + "Designs/" + name + ".sdf"), q(designs() + name + ".sdf")));
    }
    void cleanup() {
        form.reset();
        for (const QString& f : lockedFolders) QFile::setPermissions(f, kWritableFolder);
        lockedFolders.clear();
        dir.reset();
    }

    // Rename, trash and duplicate in a read-only library folder: refused
    // with the reason, every design where and as it was.
    void libraryRefusesInAReadOnlyFolder() {
        form = openForm(dir->path());
        QVERIFY(form);
        TfrmLibrary* library = ShowLibrary(*form);
        QTRY_COMPARE(library->Model().rowCount(), 2);
        QTRY_VERIFY(!library->Loader().Busy());
        lock(q(designs()));
        const auto before = contents(q(designs()));
        const std::string nassau = designs() + "Nassau.sdf";

        platform::ScopedRecordingMessages messages;
        QVERIFY(!library->Rename(nassau, "Helgoland"));
        QVERIFY(!library->MoveToTrash(nassau));
        QVERIFY(library->Duplicate(nassau).empty());
        const auto said = messages.texts();
        QCOMPARE(said.size(), size_t{3});
        QVERIFY2(said[0].rfind("Cannot rename " + nassau + "\r", 0) == 0 && said[0].size() > nassau.size() + 15,
                 said[0].c_str());
        QCOMPARE(said[1], "Cannot move " + nassau + " to the trash\rThe folder " +
                              designs().substr(0, designs().size() - 1) + " is read-only.");
        QVERIFY2(said[2].rfind("Cannot duplicate " + nassau + "\r", 0) == 0, said[2].c_str());
        QCOMPARE(contents(q(designs())), before);
        QVERIFY(library->Model().Find(nassau));
    }

    // A program folder that cannot be written: Save writes to the user's
    // data folder, and the status line and the save's message say where.
    void saveGoesToTheUsersDataFolder() {
        lock(q(dir->path() + "Custom Files"));
        lock(q(dir->path()));
        const auto before = contents(q(dir->path()));
        form = openForm(dir->path());
        QVERIFY(form);
        const std::string userRoot = platform::userDataDir();
        QCOMPARE(form->CustomFilesRoot(), userRoot);
        QVERIFY(form->statusBar()->currentMessage().contains(q(userRoot + "Custom Files")));

        form->LoadDesign(designs() + "Dreadnought.sdf");
        form->Widgets().edName->setText(QStringLiteral("Bellerophon"));
        platform::ScopedRecordingMessages messages;
        form->Widgets().bnSave->click();
        const std::string saved = DesignSavePath(userRoot, "Bellerophon");
        QCOMPARE(messages.texts(), std::vector<std::string>{"Ship design Bellerophon saved to file: " + saved});
        QVERIFY(ReadDesignRecord(saved).Readable);
        QVERIFY(!form->IsModified());
        QCOMPARE(contents(q(dir->path())), before);
    }

    // A recovery folder that cannot be written: the form works on, and the
    // refusal is said once however often the copy is due.
    void recoveryFolderThatCannotBeWritten() {
        const QString folder = q(dir->path() + "Recovery");
        QVERIFY(QDir().mkpath(folder));
        lock(folder);
        form = openForm(dir->path());
        QVERIFY(form);
        form->LoadDesign(designs() + "Dreadnought.sdf");
        TDesignRecovery recovery(*form, folder.toStdString(), 3600000);
        platform::ScopedRecordingMessages messages;
        form->Widgets().seSpeed->setValue(form->Widgets().seSpeed->value() + 1);
        QVERIFY(form->IsModified());
        for (int i = 0; i < 3; ++i) recovery.WriteNow();
        QCOMPARE(messages.texts().size(), size_t{1});
        QVERIFY(messages.texts()[0].find(folder.toStdString() + "/ cannot be written (Permission denied)") !=
                std::string::npos);
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(form->IsModified()); // the work is still on the form
    }

    // A cache folder that cannot be written, and a cache file that cannot be
    // read: the library fills all the same, saying nothing.
    void cacheThatCannotBeWrittenOrRead() {
        const QString cacheFolder = q(dir->path() + "cache");
        const QString cacheFile = cacheFolder + QStringLiteral("/library.cache");
        QVERIFY(QDir().mkpath(cacheFolder));
        for (const bool unreadable : {false, true}) {
            if (unreadable) {
                QFile::setPermissions(cacheFolder, kWritableFolder);
                QFile f(cacheFile);
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("stale") == 5);
                f.close();
                QVERIFY(f.setPermissions(QFileDevice::Permissions()));
            }
            lock(cacheFolder);
            const auto before = contents(cacheFolder);
            platform::ScopedRecordingMessages messages;
            {
                TLibraryModel model;
                TLibraryLoader loader(bundledData(), model, cacheFile);
                loader.SetFolders({q(designs())});
                QTRY_VERIFY(!loader.Busy());
                QCOMPARE(model.rowCount(), 2);
                QVERIFY(model.Find(designs() + "Nassau.sdf")->IsDesign);
            } // the loader writes its cache when it goes
            QVERIFY(messages.texts().empty());
            QCOMPARE(contents(cacheFolder), before);
        }
        QFile::setPermissions(cacheFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // A design file that cannot be read: Load says why and the form keeps
    // its design.
    void unreadableDesignGivesItsReason() {
        form = openForm(dir->path());
        QVERIFY(form);
        form->LoadDesign(designs() + "Dreadnought.sdf");
        const DesignInputs before = form->Inputs();
        const std::string nassau = designs() + "Nassau.sdf";
        QVERIFY(QFile::setPermissions(q(nassau), QFileDevice::Permissions()));
        platform::ScopedRecordingMessages messages;
        QVERIFY(!form->LoadDesign(nassau));
        QFile::setPermissions(q(nassau), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(messages.texts(),
                 std::vector<std::string>{"Cannot read design file: " + nassau + " (Permission denied)"});
        QCOMPARE(form->Inputs(), before);
        QCOMPARE(form->Widgets().edName->text(), QStringLiteral("Dreadnought"));
    }
};

SHIP_GUI_TEST(UnprivilegedFolderTests)
#include "UnprivilegedFolderTests.moc"
