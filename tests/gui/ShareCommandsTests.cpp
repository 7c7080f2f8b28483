// "Compare...", "Copy sheet" and "Export sheet..." on the design form, with
// messages and file dialogs answered by the test.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "sheets/qt/CompareWindow.h"
#include "sheets/qt/ShareCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>

using namespace designertest;

namespace {

std::string sample(const char* name) { return programDir() + "Designs/" + name + ".sdf"; }

QTreeWidgetItem* rowOf(QTreeWidget* rows, const QString& label) {
    for (int i = 0; i < rows->topLevelItemCount(); ++i)
        if (rows->topLevelItem(i)->text(1) == label) return rows->topLevelItem(i);
    return nullptr;
}

} // namespace

class ShareCommandsTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TfrmDesignMain> form;
    TShareCommands* share = nullptr;

private slots:
    void init() {
        form = openForm();
        QVERIFY(form);
        share = form->ShareCommands();
        platform::ScopedRecordingMessages quiet;
        form->LoadDesign(sample("Dreadnought"));
    }
    void cleanup() { form.reset(); }

    void compareWindowShowsTheFormsDesignBesideASample() {
        form->Widgets().seDisplacement->setValue(18600); // not saved
        form->Widgets().bnCompare->click();
        TfrmCompare* window = share->CompareWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->lvSources->count() > 70); // the samples are offered
        QVERIFY(window->SetFile(1, sample("Nassau")));

        QTreeWidgetItem* displacement = rowOf(window->lvRows, QStringLiteral("Displacement"));
        QVERIFY(displacement);
        QCOMPARE(displacement->text(2), QStringLiteral("18,600 t"));
        QCOMPARE(displacement->text(3), QStringLiteral("18,570 t"));
        QCOMPARE(displacement->text(4), QStringLiteral("-30 t"));
        QCOMPARE(displacement->background(1).color(), TfrmCompare::DifferenceColour());
        QCOMPARE(rowOf(window->lvRows, QStringLiteral("Type"))->background(1).style(), Qt::NoBrush);
        QVERIFY(window->lbNotes->text().contains(QStringLiteral("different nations")));
        QVERIFY(!window->imgPlans[0]->pixmap().isNull() && !window->imgPlans[1]->pixmap().isNull());

        platform::ScopedRecordingMessages messages;
        QVERIFY(!window->SetFile(1, "/no/such/design.sdf"));
        QCOMPARE(messages.texts(),
                 std::vector<std::string>{"Cannot read design file: /no/such/design.sdf (no such file)"});
        QCOMPARE(window->Comparison().Names.at(1), std::string("Nassau"));
    }

    void copySheetPutsTextAndHtmlOnTheClipboard() {
        QGuiApplication::clipboard()->clear();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime->text().startsWith(QStringLiteral("Dreadnought\n===========\n")));
        QVERIFY(mime->text().contains(QStringLiteral("18,100 t, 21 kn, 10 \u00d7 12 in, belt 11 in")));
        QVERIFY(mime->html().contains(QStringLiteral("<h1>Dreadnought</h1>")));
        QCOMPARE(form->statusBar()->currentMessage(),
                 QStringLiteral("Ship sheet of Dreadnought copied to the clipboard."));
    }

    void exportWritesAPdfOrSaysWhyNot() {
        QTemporaryDir dir;
        ScriptedFileDialogs dialogs;
        const std::string pdf = dir.path().toStdString() + "/Dreadnought.pdf";
        dialogs.saves = {platform::SaveFileChoice{pdf, 0},
                         platform::SaveFileChoice{dir.path().toStdString() + "/missing/sheet.md", 3}};
        platform::ScopedRecordingMessages messages;
        form->Widgets().bnExportSheet->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Ship sheet Dreadnought exported to file: " + pdf});
        QCOMPARE(dialogs.saveRequests.at(0).suggestedName, std::string("Dreadnought.pdf"));

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(text.contains(QStringLiteral("Dreadnought")));
        const QString total =
            QLocale(QLocale::English).toString(boxValue(form->Widgets().stSumAll)) + QStringLiteral(" t");
        QVERIFY2(text.contains(total), qPrintable(total));

        messages.clear();
        form->Widgets().bnExportSheet->click();
        QCOMPARE(messages.texts().size(), size_t{1});
        QVERIFY(messages.texts()[0].find("Error exporting sheet") == 0);
        QVERIFY(messages.texts()[0].find("No such file or directory") != std::string::npos);
    }

    // "cmp.html" typed with the PDF kind chosen is HTML; the next export,
    // from another window, starts in the folder this one went to.
    void exportsFollowTheTypedNameAndTheLastFolder() {
        QTemporaryDir dir;
        ScriptedFileDialogs dialogs;
        const std::string html = dir.path().toStdString() + "/cmp.html";
        dialogs.saves = {platform::SaveFileChoice{html, 0}};
        platform::ScopedRecordingMessages messages;
        form->Widgets().bnCompare->click();
        TfrmCompare* window = share->CompareWindow();
        QVERIFY(window->SetFile(1, sample("Nassau")));
        window->bnExport->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Comparison exported to file: " + html});
        QFile file(QString::fromStdString(html));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("<html>"));

        form->Widgets().bnExportSheet->click(); // cancelled
        QCOMPARE(dialogs.saveRequests.size(), size_t{2});
        QCOMPARE(dialogs.saveRequests[1].startDirectory, dir.path().toStdString());
    }
};

SHIP_GUI_TEST(ShareCommandsTests)
#include "ShareCommandsTests.moc"
