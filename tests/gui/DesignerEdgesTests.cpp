// The form at its edges: files that are not designs, values the form would
// not make, undo from a number box and of a load, and F1.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "combat/qt/ProtectionWindow.h"
#include "designer/DesignRecovery.h"
#include "designer/FormWindows.h"
#include "designer/PlanEditor.h"
#include "explore/qt/ExploreWindow.h"
#include "library/qt/LibraryWindow.h"
#include "planner/frmPlanner.h"
#include "sheets/qt/CompareWindow.h"
#include "sheets/qt/ShareCommands.h"
#include "status/ShipStatus.h"

#include <QAction>
#include <QDateTime>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QUndoStack>

using namespace designertest;

namespace {

void writeFile(const std::string& path, const QByteArray& bytes) {
    QFile f(QString::fromStdString(path));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList checkList(TfrmDesignMain& form) {
    QStringList items;
    for (int i = 0; i < form.Widgets().lvDesignCheck->count(); ++i)
        items << form.Widgets().lvDesignCheck->item(i)->text();
    return items;
}

} // namespace

class DesignerEdgesTests : public QObject {
    Q_OBJECT

private slots:
    void filesThatAreNotDesignsLeaveEverythingAsItWas() {
        TempProgramDir dir;
        const std::string garbage = dir.customFile("Garbage.sdf");
        writeFile(garbage, "Twas brillig, and the slithy toves\r\n");
        const std::string message = "Garbage.sdf is not a ship design file: no [Data] section";
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        messages.clear();
        dialogs.answers = {garbage};
        form->Widgets().bnLoadCust->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{message});
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design - Dreadnought"));
        QCOMPARE(form->Widgets().lvTurrets->topLevelItemCount(), 5);

        messages.clear();
        form->Widgets().bnCompare->click();
        TfrmCompare* compare = form->ShareCommands()->CompareWindow();
        QVERIFY(!compare->SetFile(1, garbage));
        QCOMPARE(messages.texts(), std::vector<std::string>{message});
        QCOMPARE(compare->lbNotes->text(), QString::fromStdString(message));

        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner);
        QVERIFY(!planner->W.lbOpponents
                     ->findItems(QStringLiteral("Garbage  (") + QString::fromStdString(message) + ")", Qt::MatchExactly)
                     .isEmpty());
        QVERIFY(planner->ChooseOpponent(garbage));
        QVERIFY(!planner->HasShips());
        QVERIFY(planner->W.stMessages->text().contains(QString::fromStdString(message)));
    }

    void illegalValuesGiveOneBoxAndAreRefused() {
        TempProgramDir dir;
        const std::string monster = dir.customFile("Monster.sdf");
        writeFile(monster, "[Data]\r\nDisplacement=20000\r\nSpeed=99\r\nShipType=BB\r\nNation=0\r\nFreeboard=0\r\n"
                           "[Guns]\r\nMain=12\r\nSecondary=4\r\nTertiary=3\r\n[Turret0]\r\nGuns=99999\r\nPos=A\r\n"
                           "[Turret1]\r\nGuns=2\r\nPos=@\r\n[Turret2]\r\nGuns=2\r\nPos=@\r\n");
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        QVERIFY(form->LoadDesign(monster));
        QCOMPARE(messages.recorded.size(), size_t{1});
        const QString box = QString::fromStdString(messages.recorded[0].text);
        QVERIFY2(box.startsWith(
                     "Monster.sdf holds values outside what the form accepts:\n[Data] Speed=99 is outside 0 to 35\n"
                     "[Turret0] Guns=99999 is outside 0 to 4\n"),
                 qPrintable(box));
        QVERIFY2(box.contains(QStringLiteral(" times)")), qPrintable(box)); // repeats told once
        QVERIFY(checkList(*form).join('|').contains("Turret at A has 99999 guns, outside 0 (casemate) to 4"));

        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner && !planner->HasShips());
        QVERIFY2(planner->W.stMessages->text().contains(
                     "Monster holds values outside what the form accepts: [Turret0] Guns=99999"),
                 qPrintable(planner->W.stMessages->text()));
        // Deleting the turret makes it a design the planner takes.
        form->Widgets().lvTurrets->setCurrentItem(form->Widgets().lvTurrets->topLevelItem(0));
        form->Widgets().bnDeleteTurret->click();
        planner = ShowEngagementPlanner(*form);
        QVERIFY(planner && planner->HasShips());
    }

    void undoKeysLoadsOutlinesAndHelp() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        DesignFormWidgets& w = form->Widgets();
        platform::ScopedRecordingMessages messages;
        QUndoStack& stack = form->History().Stack();
        // The first load on an untouched form is no step: there is nothing to go back to.
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        QCOMPARE(stack.count(), 0);
        form->LoadDesign(programDir() + "Designs/Nassau.sdf");
        QCOMPARE(stack.count(), 1);
        stack.undo();
        QCOMPARE(w.edName->text(), QStringLiteral("Dreadnought"));
        QCOMPARE(w.lvTurrets->topLevelItemCount(), 5);
        auto* editor = dynamic_cast<TPlanEditor*>(form->PlanEditor());
        QCOMPARE(editor->PlanState().DisplayPath, programDir() + "Designs/Dreadnought.sdf");

        // Typed, not taken, then Ctrl+Z: the typed value is the step undone.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const int before = w.seDisplacement->value();
        w.seDisplacement->setFocus();
        w.seDisplacement->selectAll();
        QTest::keyClicks(w.seDisplacement, QStringLiteral("21000"));
        QTest::keyClick(w.seDisplacement, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.seDisplacement->value(), before);
        QCOMPARE(stack.redoText(), QStringLiteral("Displacement"));
        QTest::keyClick(w.seDisplacement, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.seDisplacement->value(), 21000);

        // Clearing an outline and "Update ship graphic" are steps of their own.
        const PlanSnapshot plan = editor->PlanState();
        w.bnOutline[0]->click();
        QCOMPARE(stack.undoText(), QStringLiteral("Clear superstructure 1"));
        stack.undo();
        QVERIFY(editor->PlanState() == plan);
        addTurret(*form, 'X', 2);
        const auto turrets = editor->DisplayShip()->Turrets.size();
        w.bnRefreshGraphics->click();
        QCOMPARE(editor->DisplayShip()->Turrets.size(), turrets + 1);
        stack.undo();
        QCOMPARE(editor->DisplayShip()->Turrets.size(), turrets);

        // F1 bound once: a key bound twice fires neither binding.
        int f1 = 0;
        for (const QAction* action : form->findChildren<QAction*>())
            f1 += action->shortcuts().count(QKeySequence(Qt::Key_F1));
        QCOMPARE(f1, 1);
        form->findChild<QAction*>(QStringLiteral("actHelp"))->trigger();
        auto* help = form->findChild<QDialog*>(QStringLiteral("dlgDesignerHelp"));
        QVERIFY(help->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("Engagement...")));
        QVERIFY(help && help->isVisible());
    }

    // F1 in every window, bound once there, opens the help at that window's
    // section; and every window opens within the screen (here smaller than
    // any of them asks for) as far as its content lets it.
    void helpAndRoomInEveryWindow() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        auto pressF1 = [](QWidget* window) {
            QList<QAction*> f1;
            for (QAction* action : window->findChildren<QAction*>())
                if (action->shortcuts().contains(QKeySequence(Qt::Key_F1))) f1 << action;
            if (f1.size() != 1 || !window->actions().contains(f1[0]) || f1[0]->shortcutContext() != Qt::WindowShortcut)
                return QStringLiteral("F1 not bound once to the window");
            f1[0]->trigger();
            const auto* h = window->findChild<QDialog*>(QStringLiteral("dlgDesignerHelp"));
            return h && h->isVisible() ? h->property("section").toString() : QStringLiteral("no help");
        };
        form->findChild<QPushButton*>(QStringLiteral("bnProtection"))->click();
        form->findChild<QPushButton*>(QStringLiteral("bnCompare"))->click();
        const std::pair<QWidget*, QString> windows[] = {
            {ShowEngagementPlanner(*form), QStringLiteral("planner")},
            {ShowExplorer(*form), QStringLiteral("explorer")},
            {ShowLibrary(*form), QStringLiteral("library")},
            {form->findChild<TfrmCompare*>(), QStringLiteral("compare")},
            {form->findChild<TfrmProtection*>(), QStringLiteral("protection")}};
        for (const auto& [window, section] : windows) {
            QCOMPARE(window ? pressF1(window) : QString(), section);
            // Within the screen, or as small as its content allows.
            const QSize room = window->screen()->availableGeometry().size().expandedTo(window->minimumSizeHint());
            QVERIFY2(room.expandedTo(window->size()) == room, qPrintable(section));
        }
        QString cardSection;
        TdlgShipStatus& card = form->ShipStatusDialog();
        QTimer::singleShot(0, &card, [&] {
            cardSection = pressF1(&card);
            card.accept();
        });
        form->ShowShipStatus();
        QCOMPARE(cardSection, QStringLiteral("status"));
    }

    void unsavedWorkSurvivesAProgramThatDies() {
        TempProgramDir dir;
        const std::string folder = dir.path() + "Recovery/";
        auto first = openForm(dir.path());
        QVERIFY(first);
        platform::ScopedRecordingMessages messages;
        auto recovery = std::make_unique<TDesignRecovery>(*first, folder, 20);
        first->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        const QString copy = QString::fromStdString(recovery->CopyPath());
        QTest::qWait(60);
        QVERIFY(!QFileInfo::exists(copy)); // nothing unsaved yet
        first->Widgets().seSpeed->setValue(23);
        QTRY_VERIFY(QFileInfo::exists(copy));

        // A second program at the same time neither offers nor overwrites it.
        auto second = openForm(dir.path());
        auto other = std::make_unique<TDesignRecovery>(*second, folder, 20);
        QVERIFY(!other->OfferRestore());
        QVERIFY(other->CopyPath() != recovery->CopyPath());
        QVERIFY(messages.recorded.empty());

        // Two programs die: their copies stay behind with no live owner, and
        // each is offered; the second restored asks about the first.
        const QString orphan = QString::fromStdString(folder + "recovery-1-1.sdf");
        const QString older = QString::fromStdString(folder + "recovery-2-1.sdf");
        QVERIFY(QFile::copy(copy, orphan));
        QFile file(orphan);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        const qsizetype name = text.lastIndexOf("ClassName=Dreadnought");
        QVERIFY(name >= 0);
        text.replace(name, qsizetype(sizeof("ClassName=Dreadnought") - 1), "ClassName=Lion");
        QFile written(older);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(text) == text.size());
        written.flush(); // so closing writes nothing more
        written.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime);
        written.close();
        recovery.reset(); // a clean exit removes the own copy
        QVERIFY(!QFileInfo::exists(copy));
        messages.answerNext(true);
        messages.answerNext(true);
        messages.saveAnswers = {platform::SaveChoice::Discard};
        QVERIFY(other->OfferRestore());
        QCOMPARE(messages.recorded.size(), size_t{3});
        QVERIFY2(QString::fromStdString(messages.recorded[0].text)
                     .contains(QRegularExpression(
                         QStringLiteral("^Restore the unsaved changes to Dreadnought from \\d\\d:\\d\\d\\?$"))),
                 messages.recorded[0].text.c_str());
        QVERIFY(messages.recorded[1].text.find("Restore the unsaved changes to Lion from ") == 0);
        QCOMPARE(messages.recorded[2].text, std::string("Save changes to Dreadnought?"));
        QCOMPARE(second->windowTitle(), QStringLiteral("Ship design - Lion *"));
        QCOMPARE(second->Widgets().seSpeed->value(), 23);
        QCOMPARE(second->Widgets().lvTurrets->topLevelItemCount(), 5);
        QVERIFY(!QFileInfo::exists(orphan) && !QFileInfo::exists(older));
        QTRY_VERIFY(QFileInfo::exists(QString::fromStdString(other->CopyPath())));
        second->Widgets().bnSave->click(); // a save leaves nothing to recover
        QVERIFY(!QFileInfo::exists(QString::fromStdString(other->CopyPath())));
    }
};

SHIP_GUI_TEST(DesignerEdgesTests)
#include "DesignerEdgesTests.moc"
