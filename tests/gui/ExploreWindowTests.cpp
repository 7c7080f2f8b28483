// The explorer window: opened from the form, a search on Dreadnought run in
// the background, the front charted and one variant applied as one undo
// step; the window follows the form, refuses an illegal design and stops
// its search when closed.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "designer/FormWindows.h"
#include "designfile/DesignCheck.h"
#include "designfile/qt/DesignSource.h"
#include "explore/qt/ExploreWindow.h"

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QListWidget>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUndoStack>
#include <QValueAxis>

using namespace designertest;

namespace {

// What each step costs for the design on the form, worked out afresh.
QStringList stepCostsOf(TfrmDesignMain& form) {
    QStringList texts;
    const auto base = ReadExploreBase(*form.Source().Record(), form.Data(), nullptr);
    for (const StepCost& c : StepCosts(*base, form.Data())) texts << QString::fromStdString(StepCostText(c, "\n"));
    return texts;
}

QStringList shown(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// Every heading and axis title is the objective's or input's label, whole,
// the longest (hits) up the side of the chart.
void checkLabelsAreWhole(TfrmExplore& w) {
    QStringList heads;
    for (int c = 0; c < w.frontTable->columnCount(); ++c)
        heads << w.frontTable->horizontalHeaderItem(c)->text().replace('\n', ' ');
    QVERIFY2(heads.contains(QStringLiteral("\u25B2 Immune zone vs 12 in (yd)")), qPrintable(heads.join('|')));
    QVERIFY2(heads.contains(QStringLiteral("Speed (kn)")), qPrintable(heads.join('|')));
    const QString hits = QStringLiteral("Hits/min on Derfflinger at 10,000 yd");
    w.axisY->setCurrentIndex(w.axisY->findText(hits));
    QCoreApplication::processEvents();
    QStringList titles;
    for (QAbstractAxis* axis : w.chart->chart()->axes()) titles << axis->titleText().replace("<br>", " ");
    QCOMPARE(titles, (QStringList{QStringLiteral("Speed (kn)"), hits}));
    for (QGraphicsItem* item : w.chart->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
            QVERIFY2(!text->toPlainText().contains(QStringLiteral("...")), qPrintable(text->toPlainText()));
}

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
        // As it opens on a screen of 1024 x 700 (the test screen is smaller).
        w->resize(1020, 690);
        QCOMPARE(shown(w->stepCosts), stepCostsOf(*form));

        w->findChild<QCheckBox*>(QStringLiteral("cbObjective_hits"))->setChecked(true);
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
        checkLabelsAreWhole(*w);
        if (QTest::currentTestFailed()) return;

        // A variant that changes the speed, chosen in the table, applied.
        int row = -1, speed = 0;
        for (int r = 0; r < w->frontTable->rowCount() && row < 0; ++r)
            for (int c = 0; c < w->frontTable->columnCount(); ++c)
                if (w->frontTable->horizontalHeaderItem(c)->text() == QStringLiteral("Speed (kn)") &&
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
        // The window follows: the variant is the base now, and its step costs are shown.
        QVERIFY2(w->differences->text().startsWith(QStringLiteral("Same inputs as the base")),
                 qPrintable(w->differences->text()));
        QCOMPARE(shown(w->stepCosts), stepCostsOf(*form));
        stack.undo();
        QCOMPARE(form->Inputs(), before);

        // Cancelled at once, the window is free to run again.
        QVERIFY(w->Run());
        w->Cancel();
        QVERIFY(finished.wait(120000));
        QVERIFY(w->runButton->isEnabled());
    }

    // The step costs and the ranges not set by hand follow each change of
    // the design; an illegal design is refused with the reason the rest of
    // the program gives, and the old front goes.
    void followsTheFormAndRefusesAnIllegalDesign() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        TfrmExplore* w = ShowExplorer(*form);
        auto* belt = w->findChild<QDoubleSpinBox*>(QStringLiteral("se1_belt"));
        belt->setValue(9); // set by hand: stays
        const QString costs = shown(w->stepCosts).join('|');
        form->Widgets().seSpeed->setValue(23);
        QCOMPARE(shown(w->stepCosts), stepCostsOf(*form));
        QVERIFY(shown(w->stepCosts).join('|') != costs);
        QCOMPARE(w->findChild<QDoubleSpinBox*>(QStringLiteral("se1_speed"))->value(), 23.0);
        QCOMPARE(belt->value(), 9.0);

        QSignalSpy finished(w, &TfrmExplore::finished);
        QVERIFY(w->Run());
        QVERIFY(finished.wait(120000));
        QVERIFY(w->frontTable->rowCount() > 0);
        DesignDocument monster = form->Document();
        monster.Turrets[0].Count = 99999;
        platform::ScopedRecordingMessages quiet;
        form->SetDocument(monster, QStringLiteral("Monster"));
        const auto refusal = DesignRefusal(*form->Source().Record());
        QVERIFY(refusal);
        QVERIFY(!w->Run());
        QVERIFY2(w->status->text().contains(QString::fromStdString(*refusal)), qPrintable(w->status->text()));
        QCOMPARE(w->frontTable->rowCount(), 0);
        QVERIFY(w->Result().Front.empty());
    }

    // Closing stops the search; reopened, the window is clean and keeps
    // the ranges the user set.
    void closingStopsTheSearch() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        TfrmExplore* w = ShowExplorer(*form);
        // Millions of variants: the search is still going when the window closes.
        w->findChild<QCheckBox*>(QStringLiteral("cbVary_turret"))->setChecked(true);
        for (const char* key : {"belt", "deck", "turret"}) {
            w->findChild<QDoubleSpinBox*>(QStringLiteral("se1_") + QLatin1String(key))->setValue(0);
            w->findChild<QDoubleSpinBox*>(QStringLiteral("se2_") + QLatin1String(key))->setValue(16);
        }
        QSignalSpy finished(w, &TfrmExplore::finished);
        QVERIFY(w->Run());
        w->close();
        QVERIFY(!w->Running()); // stopped and joined, not left to finish
        QCOMPARE(w->frontTable->rowCount(), 0);
        QVERIFY(w->status->text().contains(QStringLiteral("cancelled")));
        QVERIFY(!finished.wait(300));
        QCOMPARE(ShowExplorer(*form), w);
        QCOMPARE(w->findChild<QDoubleSpinBox*>(QStringLiteral("se2_turret"))->value(), 16.0);
        QVERIFY(w->findChild<QCheckBox*>(QStringLiteral("cbVary_turret"))->isChecked());
        QCOMPARE(w->frontTable->rowCount(), 0);
    }
};

} // namespace

SHIP_GUI_TEST(ExploreWindowTests)
#include "ExploreWindowTests.moc"
