// The design library window opened from the form, on a program folder of
// its own so designs can come and go.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "designer/DesignerSettings.h"
#include "designer/FormWindows.h"
#include "explore/qt/ExploreWindow.h"
#include "library/qt/LibraryLoader.h"
#include "library/qt/LibraryModel.h"
#include "library/qt/LibraryWindow.h"
#include "platform/Paths.h"
#include "sheets/qt/CompareWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

#include <filesystem>

using namespace designertest;

namespace {

const char* const kDesigns[] = {"Dreadnought", "Nassau", "Invincible", "Von der Tann", "Kongo"};

std::vector<int> shownDisplacements(const TLibraryModel& model) {
    std::vector<int> out;
    for (int r = 0; r < model.rowCount(); ++r) out.push_back(model.RowAt(r).Displacement);
    return out;
}

} // namespace

class LibraryWindowTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramDir> dir;
    std::unique_ptr<TfrmDesignMain> form;
    TfrmLibrary* library = nullptr;

    std::string design(const char* name) const { return dir->path() + "Designs/" + name + ".sdf"; }

private slots:
    void init() {
        dir = std::make_unique<TempProgramDir>();
        for (const char* name : kDesigns)
            QVERIFY(QFile::copy(QString::fromStdString(programDir() + "Designs/" + name + ".sdf"),
                                QString::fromStdString(design(name))));
        form = openForm(dir->path());
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
        library = form->findChild<TfrmLibrary*>();
        QVERIFY(library && library->isVisible());
        QTRY_COMPARE(library->Model().rowCount(), 5);
        QTRY_VERIFY(!library->Loader().Busy());
    }
    void cleanup() {
        form.reset();
        dir.reset();
    }

    void sortsFiltersAndOpensWithTheUnsavedChangesQuestion() {
        library->lvDesigns->sortByColumn(TLibraryModel::SectionOf(LibraryColumn::Displacement), Qt::DescendingOrder);
        std::vector<int> shown = shownDisplacements(library->Model());
        QVERIFY(std::is_sorted(shown.rbegin(), shown.rend()));
        QCOMPARE(library->Model().RowAt(0).ClassName, std::string("Kongo"));

        library->edSearch->setText(QStringLiteral("ASS"));
        QCOMPARE(library->Model().rowCount(), 1);
        library->edSearch->clear();
        library->cbType->setCurrentIndex(library->cbType->findData(QStringLiteral("BC")));
        QCOMPARE(library->cbType->currentText(), QStringLiteral("Battlecruiser (BC)"));
        library->seMaxDisplacement->setValue(25000);
        QCOMPARE(library->Model().rowCount(), 2); // Invincible, Von der Tann
        library->cbType->setCurrentIndex(0);
        library->seMaxDisplacement->setValue(0);
        QCOMPARE(library->Model().rowCount(), 5);

        form->Widgets().seDisplacement->setValue(form->Widgets().seDisplacement->value() + 500);
        library->Select({design("Nassau")});
        QVERIFY(!library->lbPicture->pixmap().isNull() || !library->lbPicture->text().isEmpty());
        platform::ScopedRecordingMessages messages;
        messages.saveAnswers = {platform::SaveChoice::Cancel, platform::SaveChoice::Discard};
        library->bnOpen->click();
        QVERIFY(form->Widgets().edName->text() != QStringLiteral("Nassau"));
        library->bnOpen->click();
        QCOMPARE(form->Widgets().edName->text(), QStringLiteral("Nassau"));
        QCOMPARE(messages.recorded.size(), size_t{2});
        QCOMPARE(messages.recorded[0].kind, platform::MessageKind::SaveQuestion);

        // Enter in the search box opens the first match, and no button: a
        // dialog opened by mistake is closed so the test cannot hang.
        library->edSearch->setText(QStringLiteral("kong"));
        QString opened;
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->windowTitle();
                modal->close();
            }
        });
        closer.start(500);
        QTest::keyClick(library->edSearch, Qt::Key_Return);
        QCOMPARE(opened, QString());
        QCOMPARE(form->Widgets().edName->text(), QStringLiteral("Kongo"));
    }

    // The window fits the screen, and every nation's name its column.
    void fitsTheScreenAndTheNations() {
        const QSize room = library->screen()->availableGeometry().size();
        QVERIFY2(library->frameGeometry().width() <= room.width() && library->frameGeometry().height() <= room.height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4, minimum %5x%6")
                                .arg(library->frameGeometry().width())
                                .arg(library->frameGeometry().height())
                                .arg(room.width())
                                .arg(room.height())
                                .arg(library->minimumSizeHint().width())
                                .arg(library->minimumSizeHint().height())));
        const int nation = TLibraryModel::SectionOf(LibraryColumn::Nation);
        const QFontMetrics metrics(library->lvDesigns->font());
        for (int r = 0; r < library->Model().rowCount(); ++r) {
            const QString name = library->Model().index(r, nation).data().toString();
            QVERIFY2(metrics.horizontalAdvance(name) < library->lvDesigns->columnWidth(nation), qPrintable(name));
        }
    }

    void comparesFourAndExportsThemAsPdf() {
        library->Select({design("Dreadnought"), design("Nassau"), design("Invincible"), design("Von der Tann")});
        library->bnCompare->click();
        TfrmCompare* compare = library->CompareWindow();
        QVERIFY(compare && compare->isVisible());
        QCOMPARE(compare->Count(), 4);
        QCOMPARE(compare->lvRows->columnCount(), 2 + 4 + 3);
        for (int i = 0; i < 4; ++i) QVERIFY(!compare->imgPlans[static_cast<size_t>(i)]->pixmap().isNull());
        compare->lvSources->setFocus();
        QTest::keyClicks(compare->lvSources, QStringLiteral("Kon"));
        QVERIFY(compare->lvSources->currentItem()->text().startsWith(QStringLiteral("Kongo")));

        QTemporaryDir out;
        const std::string pdf = out.path().toStdString() + "/four.pdf";
        designersettings::RememberFolder("export", out.path().toStdString() + "/sheet.pdf");
        ScriptedFileDialogs dialogs;
        dialogs.saves = {platform::SaveFileChoice{pdf, 0}};
        platform::ScopedRecordingMessages messages;
        compare->bnExport->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Comparison exported to file: " + pdf});
        QCOMPARE(dialogs.saveRequests.at(0).startDirectory, out.path().toStdString()); // where the last export went
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const char* name : {"Dreadnought", "Nassau", "Invincible", "Von der Tann", "Displacement"})
            QVERIFY2(text.contains(QLatin1String(name)), name);

        messages.clear();
        library->Select({design("Dreadnought")});
        library->CompareSelected();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Select two to six designs to compare."});
    }

    // Designs written and removed behind the window's back (the folder
    // watcher sees any writer alike; no child process, so the thread
    // sanitizer's run takes this test too); a rename to a taken name is
    // refused with the reason.
    void followsChangesMadeElsewhere() {
        QSignalSpy changed(&library->Loader(), &TLibraryLoader::FolderChanged);
        const std::string added = design("Lion");
        std::filesystem::copy_file(programDir() + "Designs/Lion.sdf", added);
        QVERIFY(changed.wait(2000));
        QTRY_VERIFY_WITH_TIMEOUT(library->Model().Find(added), 2000);
        QVERIFY(library->Model().Find(added)->IsDesign);

        // The design shown goes: the panel clears and the buttons follow.
        library->Select({design("Von der Tann")});
        QVERIFY(!library->lbDetails->text().isEmpty() && library->bnOpen->isEnabled());
        QVERIFY(std::filesystem::remove(design("Von der Tann")));
        QTRY_VERIFY_WITH_TIMEOUT(!library->Model().Find(design("Von der Tann")), 2000);
        QVERIFY(library->lbDetails->text().isEmpty() && library->lbPlan->pixmap().isNull());
        for (QPushButton* b : {library->bnOpen, library->bnRename, library->bnDuplicate, library->bnTrash})
            QVERIFY(!b->isEnabled());

        platform::ScopedRecordingMessages messages;
        QVERIFY(!library->Rename(design("Nassau"), "Kongo"));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Cannot rename " + design("Nassau") +
                                                            "\rA design named Kongo is already in that folder."});
        // A renamed or duplicated design is the one chosen, its plan view shown.
        QVERIFY(library->Rename(design("Nassau"), "Helgoland"));
        QVERIFY(library->Model().Find(design("Helgoland")) && !library->Model().Find(design("Nassau")));
        QCOMPARE(library->SelectedFiles(), std::vector<std::string>{design("Helgoland")});
        QTRY_VERIFY_WITH_TIMEOUT(!library->lbPlan->pixmap().isNull(), 2000);
        library->Select({design("Kongo")});
        library->bnDuplicate->click();
        QCOMPARE(library->SelectedFiles(), std::vector<std::string>{design("Kongo copy")});
        QTRY_VERIFY_WITH_TIMEOUT(!library->lbPlan->pixmap().isNull(), 2000);

        // The folder vanishes and comes back.
        const std::string designs = dir->path() + "Designs";
        const int rows = library->Model().rowCount();
        std::filesystem::rename(designs, designs + "-away");
        QTRY_COMPARE_WITH_TIMEOUT(library->Model().rowCount(), 0, 2000);
        QVERIFY(library->lbStatus->text().contains(QStringLiteral("folder missing")));
        std::filesystem::rename(designs + "-away", designs);
        QTRY_COMPARE_WITH_TIMEOUT(library->Model().rowCount(), rows, 2000);
    }

    // A design saved anywhere the program writes is found everywhere: the
    // user's Custom Files and the folder Save as was last left in are
    // listed by the library, the compare window and the explorer alike.
    void listsEveryFolderTheProgramWritesTo() {
        const std::string user = platform::userDataDir() + "Custom Files/", elsewhere = dir->path() + "elsewhere/";
        for (const auto& [folder, name] : {std::pair{user, "Lion"}, {elsewhere, "Kaba"}}) {
            QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
            QVERIFY(QFile::copy(QString::fromStdString(programDir() + "Designs/" + name + ".sdf"),
                                QString::fromStdString(folder + name + ".sdf")));
        }
        designersettings::RememberFolder("saveAs", elsewhere + "Kaba.sdf");
        delete library;
        library = ShowLibrary(*form);
        QTRY_COMPARE(library->Model().rowCount(), 7);
        QVERIFY(library->Model().Find(user + "Lion.sdf") && library->Model().Find(elsewhere + "Kaba.sdf"));
        form->Widgets().bnCompare->click();
        QStringList offered;
        for (int i = 0; i < form->findChild<TfrmCompare*>()->lvSources->count(); ++i)
            offered << form->findChild<TfrmCompare*>()->lvSources->item(i)->text();
        QVERIFY2(offered.contains(QStringLiteral("Lion  (Custom Files)")) &&
                     offered.contains(QStringLiteral("Kaba  (elsewhere)")),
                 qPrintable(offered.join('|')));
        const auto* opponents = ShowExplorer(*form)->findChild<QComboBox*>(QStringLiteral("cbOpponent"));
        QVERIFY(opponents->findText(QStringLiteral("Lion")) >= 0 && opponents->findText(QStringLiteral("Kaba")) >= 0);
        QDir(QString::fromStdString(user)).removeRecursively();
    }
};

SHIP_GUI_TEST(LibraryWindowTests)
#include "LibraryWindowTests.moc"
