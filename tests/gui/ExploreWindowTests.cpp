// The explorer window: opened from the form, a search on Dreadnought run in
// the background, the front charted and one variant applied as one undo step.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "explore/qt/ExploreWindow.h"

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUndoStack>

using namespace designertest;

namespace {

class ExploreWindowTests : public QObject {
    Q_OBJECT
private slots:
    void searchesChartsAndAppliesAVariant() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        const DesignInputs before = form->Inputs();
        QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        auto* w = form->findChild<TfrmExplore*>(QStringLiteral("frmExplore"));
        QVERIFY(w && w->isVisible());
        QVERIFY(w->minimumSizeHint().width() <= 1024 && w->minimumSizeHint().height() <= 700);
        QVERIFY(!w->stepCosts->findItems(QStringLiteral("+1 kn: +"), Qt::MatchStartsWith).isEmpty());

        QSignalSpy finished(w, &TfrmExplore::finished);
        QVERIFY(w->Run());
        QVERIFY(!w->Run()); // one search at a time
        QVERIFY(finished.wait(120000));
        const ExploreResult& result = w->Result();
        QVERIFY(result.Problem.empty() && !result.Cancelled);
        QVERIFY(result.Front.size() > 1);
        QCOMPARE(w->frontTable->rowCount(), static_cast<int>(result.Front.size()));
        int points = 0;
        for (QAbstractSeries* s : w->chart->chart()->series())
            if (auto* scatter = qobject_cast<QScatterSeries*>(s)) points += scatter->count();
        QCOMPARE(points, static_cast<int>(result.Front.size()) + 1); // and the base

        // A variant that changes the speed, chosen in the table, applied.
        int row = -1, speed = 0;
        for (int r = 0; r < w->frontTable->rowCount() && row < 0; ++r)
            for (int c = 0; c < w->frontTable->columnCount(); ++c)
                if (w->frontTable->horizontalHeaderItem(c)->text() == QStringLiteral("speed") &&
                    w->frontTable->item(r, c)->text().toInt() != before.Speed) {
                    row = r, speed = w->frontTable->item(r, c)->text().toInt();
                    break;
                }
        QVERIFY(row >= 0);
        w->frontTable->selectRow(row);
        QVERIFY(w->differences->text().contains(QStringLiteral("Speed %1 \u2192 %2").arg(before.Speed).arg(speed)));
        QUndoStack& stack = form->History().Stack();
        const int steps = stack.count();
        w->applyButton->click();
        QCOMPARE(form->Inputs().Speed, speed);
        QCOMPARE(stack.count(), steps + 1);
        stack.undo();
        QCOMPARE(form->Inputs(), before);

        // Cancelled at once, the window is free to run again.
        QVERIFY(w->Run());
        w->Cancel();
        QVERIFY(finished.wait(120000));
        QVERIFY(w->runButton->isEnabled());
    }
};

} // namespace

SHIP_GUI_TEST(ExploreWindowTests)
#include "ExploreWindowTests.moc"
