// What keeps the designer's figures and work trustworthy: unsaved changes
// asked about, undo and redo, typed numbers, the design check list, the plan
// view's refresh, Save as, help and the remembered window.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "designer/FormBinding.h"
#include "designer/PlanEditor.h"
#include "designfile/DesignFile.h"
#include "map/qt/MapControl.h"
#include "platform/Version.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QUndoStack>

#include <random>

using namespace designertest;
using platform::SaveChoice;

namespace {

QStringList checkList(TfrmDesignMain& form) {
    QStringList items;
    for (int i = 0; i < form.Widgets().lvDesignCheck->count(); ++i)
        items << form.Widgets().lvDesignCheck->item(i)->text();
    return items;
}

// Everything the form shows of a design: inputs, output boxes, lists, check.
struct Shown {
    DesignInputs inputs;
    QStringList texts;
    PlanSnapshot plan;
    std::vector<std::pair<std::int32_t, char>> drawnTurrets; // the displayed ship's
    bool operator==(const Shown&) const = default;
};
Shown shown(TfrmDesignMain& form) {
    Shown s{ReadInputs(form.Widgets()), checkList(form), {}, {}};
    if (auto* editor = dynamic_cast<TPlanEditor*>(form.PlanEditor())) {
        s.plan = editor->PlanState();
        if (editor->DisplayShip())
            for (const auto& t : editor->DisplayShip()->Turrets) s.drawnTurrets.emplace_back(t->Guns, t->Position);
    }
    // The point counters count the clicks of the drawing under way, not the design.
    for (QLabel* box : form.findChildren<QLabel*>())
        if (box->frameShadow() == QFrame::Sunken && !box->objectName().startsWith("stNoPoints"))
            s.texts << box->objectName() + "=" + box->text();
    for (QTreeWidget* list : {form.Widgets().lvTurrets, form.Widgets().lvTorpedoes})
        for (int c = 0; c < 3; ++c) s.texts << captions(list, c);
    return s;
}

} // namespace

class DesignerTrustTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramDir> dir;
    std::unique_ptr<TfrmDesignMain> form;
    DesignFormWidgets* w = nullptr;

    std::string copySample(const char* name, const char* folder) {
        const std::string target = dir->path() + folder + "/" + name + ".sdf";
        QFile::copy(QString::fromStdString(programDir() + "Designs/" + name + ".sdf"), QString::fromStdString(target));
        return target;
    }
    // A savable design with a change not yet saved.
    void makeUnsaved() {
        w->cbNation->setCurrentIndex(0);
        w->cbType->setCurrentIndex(0);
        w->edName->setText(QStringLiteral("Tester"));
        w->seSpeed->setValue(20);
    }

private slots:
    void init() {
        dir = std::make_unique<TempProgramDir>();
        form = openForm(dir->path());
        QVERIFY(form);
        w = &form->Widgets();
    }
    void cleanup() { form.reset(), dir.reset(); }

    void unsavedChangesAreAskedAboutBeforeLoadAndExit() {
        struct Case {
            const char* command;
            SaveChoice choice;
            bool goesOn;
            bool saved;
        };
        const Case cases[] = {
            {"bnLoad", SaveChoice::Save, true, true},         {"bnLoad", SaveChoice::Discard, true, false},
            {"bnLoad", SaveChoice::Cancel, false, false},     {"bnLoadCust", SaveChoice::Discard, true, false},
            {"bnLoadCust", SaveChoice::Cancel, false, false}, {"Button2", SaveChoice::Save, true, true},
            {"Button2", SaveChoice::Discard, true, false},    {"Button2", SaveChoice::Cancel, false, false},
        };
        for (const Case& c : cases) {
            init();
            platform::ScopedRecordingMessages messages;
            ScriptedFileDialogs dialogs;
            makeUnsaved();
            QCOMPARE(form->windowTitle(), QStringLiteral("Ship design - Tester *"));
            dialogs.answers.push_back(copySample("Dreadnought", "Designs")); // into this round's folder
            messages.saveAnswers.push_back(c.choice);
            form->findChild<QPushButton*>(QLatin1String(c.command))->click();
            QCOMPARE(messages.recorded.front(),
                     (platform::RecordedMessage{platform::MessageKind::SaveQuestion, "Save changes to Tester?"}));
            const bool exit = std::string(c.command) == "Button2";
            QVERIFY2((exit ? !form->isVisible() : w->edName->text() == "Dreadnought") == c.goesOn, c.command);
            QCOMPARE(QFileInfo::exists(QString::fromStdString(dir->customFile("Tester.sdf"))), c.saved);
            if (c.goesOn && !exit) QCOMPARE(form->windowTitle(), QStringLiteral("Ship design - Dreadnought"));
        }
        // Without a class name the title and the question say so.
        init();
        platform::ScopedRecordingMessages messages;
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design"));
        w->edName->setText(QStringLiteral("  "));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design *"));
        w->edName->setText(QString());
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design"));
        w->seSpeed->setValue(20);
        messages.saveAnswers = {SaveChoice::Discard};
        w->bnExit->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Save changes to this design?"});
    }

    // A few hundred random edits undone to the start and redone to the end.
    void undoAndRedoRestoreEveryFigure() {
        platform::ScopedRecordingMessages messages;
        form->LoadDesign(copySample("Dreadnought", "Designs"));
        const Shown start = shown(*form);
        QUndoStack& stack = form->History().Stack();
        const int base = stack.index();
        std::mt19937 random(14);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const QList<QSpinBox*> spins = form->findChildren<QSpinBox*>();
        const QList<QComboBox*> lists = form->findChildren<QComboBox*>();
        const QList<QCheckBox*> boxes = form->findChildren<QCheckBox*>();
        const char letters[] = "A12BCDEFGHIJKLQRSTVWX34Y";
        auto* editor = dynamic_cast<TPlanEditor*>(form->PlanEditor());
        QWidget* canvas = editor->Canvas();
        const QPoint centre = canvas->rect().center();
        for (int i = 0; i < 300; ++i) {
            switch (pick(9)) {
            case 5: w->bnRefreshGraphics->click(); break;
            case 6: // an outline cleared and drawn again on the port half
                w->bnOutline[static_cast<size_t>(pick(4))]->click();
                for (int p = 0; p < 3; ++p)
                    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre + QPoint(-4 - pick(10), pick(60) - 30));
                QTest::mouseClick(canvas, Qt::RightButton, {}, centre);
                break;
            case 7:
                w->bnFunnel[static_cast<size_t>(pick(4))]->click();
                QTest::mouseClick(canvas, Qt::LeftButton, {}, centre + QPoint(0, pick(40) - 20));
                QTest::mouseClick(canvas, Qt::RightButton, {}, centre);
                break;
            case 0: {
                QSpinBox* s = spins[pick(spins.size())];
                s->setValue(s->minimum() + pick(s->maximum() - s->minimum() + 1));
                break;
            }
            case 1: {
                QComboBox* l = lists[pick(lists.size())];
                l->setCurrentIndex(pick(l->count()));
                break;
            }
            case 2: boxes[pick(boxes.size())]->toggle(); break;
            case 3: addTurret(*form, letters[pick(24)], pick(5)); break;
            case 4: addMount(*form, letters[pick(24)], 1 + pick(4)); break;
            default:
                if (QTreeWidgetItem* row = w->lvTurrets->topLevelItem(0)) {
                    w->lvTurrets->setCurrentItem(row);
                    w->bnDeleteTurret->click();
                }
            }
        }
        const Shown end = shown(*form);
        QVERIFY(stack.index() - base > 200);
        while (stack.index() > base) stack.undo();
        QVERIFY(shown(*form) == start);
        QVERIFY(!form->IsModified());
        while (stack.canRedo()) stack.redo();
        QVERIFY(shown(*form) == end);
        stack.setIndex(base);
        w->seDisplacement->setValue(12000);
        QCOMPARE(stack.undoText(), QStringLiteral("Displacement"));
        QCOMPARE(form->findChild<QAction*>(QStringLiteral("actUndo"))->toolTip(), QStringLiteral("&Undo Displacement"));
    }

    void typedNumbersAreBroughtIntoRangeNotCut() {
        platform::ScopedRecordingMessages messages;
        for (auto [box, typed, value, note] :
             {std::tuple{w->seSpeed, "99", 35, "Speed: 99 is outside 0 to 35; set to 35."},
              std::tuple{w->seDisplacement, "999999", 70000,
                         "Displacement: 999999 is outside 50 to 70000; set to 70000."},
              std::tuple{w->seDisplacement, "12345", 12345, ""}}) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QLatin1String(typed));
            QTest::keyClick(box, Qt::Key_Enter);
            QCOMPARE(box->value(), value);
            QCOMPARE(form->statusBar()->currentMessage(), QLatin1String(note));
            form->statusBar()->clearMessage();
        }
        // Only the rules' own message of the displacement: no "Illegal Speed value: 9".
        QCOMPARE(messages.texts(), std::vector<std::string>{"Illegal displacement"});
        // Enter presses the focused button; "Ship status" follows "Update ship graphic".
        w->bnDeleteTurret->setFocus();
        QTest::keyClick(w->bnDeleteTurret, Qt::Key_Return);
        QCOMPARE(messages.texts().back(), std::string("No turret selected!"));
        QCOMPARE(w->bnRefreshGraphics->nextInFocusChain(), form->ShipStatusButton());
    }

    void designCheckNamesTheCause() {
        platform::ScopedRecordingMessages messages;
        // A fresh form is what Save refuses, in Save's own words; "No
        // problems found." only once Save would take it.
        QCOMPARE(checkList(*form),
                 (QStringList{"Ship must belong to a nation!", "Ship must have a type!", "Class must have a name!"}));
        w->cbNation->setCurrentIndex(0);
        w->cbType->setCurrentIndex(0);
        w->edName->setText(QStringLiteral("Trial"));
        QCOMPARE(checkList(*form), QStringList{"No problems found."});
        w->seDisplacement->setValue(1000);
        w->cbB->setCurrentIndex(32);
        QVERIFY2(checkList(*form).front().startsWith("Overweight by "), qPrintable(checkList(*form).join('|')));
        QVERIFY(checkList(*form).front().contains("Largest weights: armour "));
        w->seSpeed->setValue(9);
        QVERIFY(checkList(*form).join('|').contains("Speed 9 kn is outside 16 to 35 kn"));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Illegal Speed value: 9"});
    }

    // "Update ship graphic" draws what saving and loading again would draw.
    void updateGraphicDrawsLikeASaveAndReload() {
        platform::ScopedRecordingMessages messages;
        const std::string path = copySample("Dreadnought", "Custom Files");
        form->LoadDesign(path);
        auto* editor = dynamic_cast<TPlanEditor*>(form->PlanEditor());
        addTurret(*form, 'X', 2); // superfiring over Y
        w->bnRefreshGraphics->click();
        const QImage updated = editor->Canvas()->grab().toImage();
        w->bnSave->click();
        form->LoadDesign(path);
        QVERIFY(updated == editor->Canvas()->grab().toImage());
        // The new load left nothing of the last one's editing behind.
        w->bnOutline[0]->click();
        QTest::mouseClick(editor->Canvas(), Qt::LeftButton, {}, editor->Canvas()->rect().center() - QPoint(8, 0));
        form->LoadDesign(path);
        QCOMPARE(w->stNoPoints[0]->text(), QStringLiteral("0"));
        QCOMPARE(editor->EditMode, 0);
        // A funnel is not placed beside the hull.
        const std::int32_t funnel = editor->DisplayShip()->Funnels[1].Pos;
        w->bnFunnel[0]->click();
        QTest::mouseClick(editor->Canvas(), Qt::LeftButton, {}, editor->Canvas()->rect().center() + QPoint(80, 0));
        QCOMPARE(editor->DisplayShip()->Funnels[1].Pos, funnel);
        QCOMPARE(editor->EditMode, 1);
        QVERIFY(form->statusBar()->currentMessage().startsWith("Funnel not placed"));
    }

    void saveAsHelpAndRememberedWindow() {
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        makeUnsaved();
        QDir().mkpath(QString::fromStdString(dir->path() + "elsewhere"));
        const std::string target = dir->path() + "elsewhere/Renamed";
        dialogs.answers.push_back(target);
        form->findChild<QAction*>(QStringLiteral("actSaveAs"))->trigger();
        QCOMPARE(dialogs.saveRequests.at(0).suggestedName, std::string("Tester.sdf"));
        QVERIFY(QFileInfo::exists(QString::fromStdString(target + ".sdf")));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design - Renamed"));
        form->findChild<QAction*>(QStringLiteral("actHelp"))->trigger();
        auto* help = form->findChild<QDialog*>(QStringLiteral("dlgDesignerHelp"));
        QVERIFY(help && help->isVisible());
        // The About box and the form's label give the program's one version.
        form->findChild<QAction*>(QStringLiteral("actAbout"))->trigger();
        auto* about = form->findChild<QDialog*>(QStringLiteral("dlgAbout"));
        QVERIFY(about && about->isVisible());
        QVERIFY(about->findChild<QLabel*>(QStringLiteral("lbAbout"))
                    ->text()
                    .contains(QStringLiteral("Ship Designer ") + QLatin1String(platform::kVersion)));
        QCOMPARE(w->lbVersion->text(), QStringLiteral("V") + QLatin1String(platform::kVersion));

        // The next form opens where this one closed, its dialogs in their last folders.
        dialogs.answers.push_back(target + ".sdf");
        w->bnLoad->click();
        form->setGeometry(70, 90, 900, 640);
        const QRect closedAt = form->geometry();
        QVERIFY(form->close());
        auto again = openForm(dir->path());
        QCOMPARE(again->geometry(), closedAt);
        again->Widgets().bnLoad->click();
        QCOMPARE(QDir(QString::fromStdString(dialogs.requests.back().startDirectory)),
                 QDir(QString::fromStdString(dir->path() + "elsewhere")));
        QVERIFY(again->close());
    }
};

SHIP_GUI_TEST(DesignerTrustTests)
#include "DesignerTrustTests.moc"
