// One document: a design put on the form is the design every reader of the
// form finds, each compared with what the core makes of the document itself.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "designer/DesignRecovery.h"
#include "designer/FormBinding.h"
#include "designer/FormWindows.h"
#include "designfile/DesignFile.h"
#include "planner/frmPlanner.h"
#include "sheets/DesignCompare.h"
#include "sheets/DesignSummary.h"
#include "sheets/SheetRender.h"
#include "sheets/qt/CompareWindow.h"
#include "sheets/qt/ShareCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUndoStack>

using namespace designertest;

namespace {

std::string fileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A changed Dreadnought: renamed, faster, its belt thicker, a turret fewer.
DesignDocument changed(DesignDocument d) {
    d.Inputs.Name = "Probe";
    d.Inputs.Speed = 24;
    d.Inputs.B = 24;
    d.Turrets.erase(d.Turrets.begin());
    ReorderTurretsForSave(d); // so that Save keeps the order
    return d;
}

} // namespace

class DesignDocumentTests : public QObject {
    Q_OBJECT
private slots:
    void everyReaderFindsTheDocument() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        const DesignDocument before = form->Document();
        QVERIFY(before.Turrets.size() > 1 && before.Superstructure);
        const DesignDocument after = changed(before);
        form->SetDocument(after, QStringLiteral("Probe"));
        QVERIFY(form->Document() == after);
        const ProgramData& data = form->Data();
        const std::vector<std::string> lines = DesignFileLines(after, data.Weapons);
        const DesignRecord record = ParseDesignRecord(lines, "Probe");
        const DesignSummary summary = BuildDesignSummary(record, data);

        // The form shows it.
        TDesignShip ship(data);
        (void)ApplyDocument(after, ship);
        QVERIFY(ReadInputs(form->Widgets()) == after.Inputs);
        QCOMPARE(form->Widgets().lvTurrets->topLevelItemCount(), static_cast<int>(after.Turrets.size()));
        QCOMPARE(boxValue(form->Widgets().stSumAll), ship.Weights.TotalWeight);
        // Undo and redo step over it whole.
        form->History().Stack().undo();
        QVERIFY(form->Document() == before);
        form->History().Stack().redo();
        QVERIFY(form->Document() == after);
        // The recovery copy and the sheet hold its lines.
        TDesignRecovery recovery(*form, dir.path() + "Recovery/");
        recovery.WriteNow();
        QCOMPARE(readFile(recovery.CopyPath()).substr(0, fileText(lines).size()), fileText(lines));
        form->Widgets().bnCopySheet->click();
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), RenderSheet(summary, SheetFormat::Text));
        // Compare and the planner start from it (the explorer: its own tests).
        form->Widgets().bnCompare->click();
        const ManyComparison alone = CompareManyDesigns({summary});
        const ManyComparison& shown = form->ShareCommands()->CompareWindow()->Comparison();
        QCOMPARE(shown.Names, alone.Names);
        for (size_t r = 0; r < alone.Rows.size(); ++r) QCOMPARE(shown.Rows.at(r).Values, alone.Rows[r].Values);
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner && planner->Ships().Own);
        QCOMPARE(planner->Ships().Own->Speed, after.Inputs.Speed);
        QCOMPARE(planner->Ships().Own->Turrets.size(), after.Turrets.size());
        // Save writes it, and the form still holds it.
        form->Widgets().bnSave->click();
        QCOMPARE(readFile(dir.customFile("Probe.sdf")), fileText(lines));
        QVERIFY(form->Document() == after);
    }
};

SHIP_GUI_TEST(DesignDocumentTests)
#include "DesignDocumentTests.moc"
