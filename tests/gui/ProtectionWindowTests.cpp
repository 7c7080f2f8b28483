// The protection window opened from the design form: its table against the
// core's figures for every sample design, and how it follows the form.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "combat/qt/ProtectionWindow.h"
#include "platform/Round.h"

#include <QChart>
#include <QTableWidget>

using namespace designertest;

namespace {

// A range cell back in yards ("11,400" is 11400).
long long cellYards(const QTableWidget* table, int row, int column) {
    return table->item(row, column)->text().remove(QLatin1Char(',')).toLongLong();
}

long long shownYards(double yards) { return platform::Round(yards / 100) * 100; }

} // namespace

class ProtectionWindowTests : public QObject {
    Q_OBJECT
private slots:
    void everySampleDesignAgainstTheCore() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        const QString designs = QString::fromStdString(programDir() + "Designs/");
        const QStringList samples = QDir(designs).entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name);
        QVERIFY(samples.size() > 70);
        TfrmProtection* window = nullptr;
        for (const QString& sample : samples) {
            const std::string path = (designs + sample).toStdString();
            form->LoadDesign(path);
            if (!window) {
                form->findChild<QPushButton*>(QStringLiteral("bnProtection"))->click();
                window = form->findChild<TfrmProtection*>();
                QVERIFY(window && window->isVisible());
            }
            TFightingShip ship(nullptr);
            QVERIFY(ship.LoadFromDesignFile(path, platform::messages()));
            const std::vector<int> calibres = ProtectionCalibres(ship.BatteryCalibre[1]);
            const QTableWidget* table = window->Table();
            QCOMPARE(table->rowCount(), static_cast<int>(calibres.size()));
            const int last = table->rowCount() - 1;
            const ProtectionRow row = ProtectionAgainst(bundledData().Weapons, ArmourOf(ship), calibres.back());
            QCOMPARE(cellYards(table, last, 1), shownYards(row.BeltSafeBeyond));
            QCOMPARE(cellYards(table, last, 2), shownYards(row.DeckSafeWithin));
            QCOMPARE(cellYards(table, last, 4), shownYards(row.TurretSafeBeyond));
            QVERIFY(window->windowTitle().endsWith(QString::fromStdString(ship.ClassName)));
        }
        QVERIFY(messages.recorded.empty());
    }

    void followsUnsavedChangesAndChartsTheChosenCalibre() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        form->LoadDesign(programDir() + "Designs/Dreadnought.sdf");
        form->findChild<QPushButton*>(QStringLiteral("bnProtection"))->click();
        auto* window = form->findChild<TfrmProtection*>();
        QVERIFY(window);
        QTableWidget* table = window->Table();
        QCOMPARE(table->item(4, 0)->text(), QStringLiteral("12 in (own)"));
        QCOMPARE(table->item(4, 3)->text(), QStringLiteral("7,800 - 15,000"));
        QCOMPARE(window->ChartCalibre(), 12);

        DesignFormWidgets& w = form->Widgets();
        w.edName->setText(QStringLiteral("Unsaved"));
        w.cbB->setCurrentIndex(32); // a 16-inch belt, not saved
        w.cbD->setCurrentIndex(0);  // no deck: pierced wherever the deck curve reaches
        w.seMainCal->setValue(5);   // a main-calibre update, no full recompute
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("5 in (own)"));
        QCOMPARE(table->item(5, 1)->text(), QStringLiteral("0")); // 12-inch against 16 inches
        QCOMPARE(table->item(5, 3)->text(), QStringLiteral("none"));
        QCOMPARE(window->Summary()->text().left(29), QStringLiteral("Belt 16 in, deck 0 in, turret"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Protection - Unsaved"));

        table->setCurrentCell(10, 2); // the 17-inch row
        QCOMPARE(window->ChartCalibre(), 17);
        QCOMPARE(window->Chart()->title(), QStringLiteral("17-inch gun against this design"));
        QVERIFY(window->Chart()->series().size() >= 4);
        QVERIFY(messages.recorded.empty());
    }
};

SHIP_GUI_TEST(ProtectionWindowTests)
#include "ProtectionWindowTests.moc"
