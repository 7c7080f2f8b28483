// The hit log as the hit details dialog shows it, for the player's view and
// the full log, and the dialog opened from the status card.
#include "ShipStatusTestSupport.h"
#include "GuiTestRegistry.h"

#include "status/HitDetails.h"

using namespace statustest;

namespace {

const std::vector<std::string> kLog = {
    "10:02 Hit by 12 in shell (belt, penetrated)", "10:04 Mine hit forward", "10:05 Torpedo hit amidships",
    "10:06 Torpedo tubes reloaded", "\u00A410:07 Secret: flooding 12 %", "\u00A410:08 Torpedo (hidden) aft",
    "10:09 Fire on deck", "10:1" /* shorter than a time stamp */, "Mine"};

} // namespace

class HitDetailsTests : public QObject {
    Q_OBJECT
private slots:
    void init() { useBundledProgramDir(); }

    void playersViewHidesDetailsFullLogDropsTheMark() {
        QCOMPARE(ReworkHitLog(kLog, false),
                 (std::vector<std::string>{"10:02 Hit by 12 in shell ", "10:04 Mine/Torpedo", "10:05 Mine/Torpedo",
                                           "10:06 Torpedo tubes reloaded", "10:09 Fire on deck", "10:1",
                                           "Mine Mine/Torpedo"}));
        std::vector<std::string> full = kLog;
        full[4] = "10:07 Secret: flooding 12 %";
        full[5] = "10:08 Torpedo (hidden) aft";
        QCOMPARE(ReworkHitLog(kLog, true), full);
        QVERIFY(ReworkHitLog({}, false).empty());
        // The time stamp is cut by characters, not bytes.
        QCOMPARE(ReworkHitLog({"\u00BD0:00x Mine"}, false), (std::vector<std::string>{"\u00BD0:00 Mine/Torpedo"}));
    }

    void dialogShowsTheReworkedLog() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgHitDetails dialog;
        dialog.FillHitDetails(**ship);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Log entries for BB Dreadnought"));
        QCOMPARE(dialog.mmHits->toPlainText(), QString());
        QCOMPARE(dialog.lbRoundsFiredAt->text(), QStringLiteral("Rounds fired at ship last turn: 0"));
        QVERIFY(dialog.mmHits->isReadOnly());
        QCOMPARE(dialog.Button1->text(), QStringLiteral("Close"));

        (*ship)->HitLog = kLog;
        (*ship)->UnderFire = 17;
        dialog.FillHitDetails(**ship);
        QCOMPARE(dialog.mmHits->toPlainText().split(QLatin1Char('\n')).size(), 7);
        QCOMPARE(dialog.lbRoundsFiredAt->text(), QStringLiteral("Rounds fired at ship last turn: 17"));
        QCOMPARE((*ship)->HitLog, kLog);   // the ship's own log is left alone
        FullLogDetail = true;
        dialog.FillHitDetails(**ship);
        FullLogDetail = false;
        QCOMPARE(dialog.mmHits->toPlainText().split(QLatin1Char('\n')).size(), 9);

        // The card's log button opens it.
        (*ship)->HitLog = {"10:00 Hit"};
        TdlgShipStatus card;
        card.SetHitDetailsDialog(&dialog);
        {
            platform::ScopedRecordingMessages messages;
            card.FillShipStatus(**ship, 0);
        }
        QString shown;
        whenOpens(dialog, [&] { shown = dialog.mmHits->toPlainText(); dialog.Button1->click(); });
        card.W.bnHitDetails->click();
        QCOMPARE(shown, QStringLiteral("10:00 Hit"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void accuracyReportLayout() {
        TdlgAccuracy report;
        QCOMPARE(report.windowTitle(), QStringLiteral("Accuracy report"));
        report.SetLines({"Target: x", "Range: 8000 yards"});
        QCOMPARE(report.Lines(), (std::vector<std::string>{"Target: x", "Range: 8000 yards"}));
        QVERIFY(report.Button1->isDefault());
        whenOpens(report, [&] { QTest::keyClick(&report, Qt::Key_Escape); });
        QCOMPARE(report.exec(), int(QDialog::Accepted));
    }
};

SHIP_GUI_TEST(HitDetailsTests)
#include "HitDetailsTests.moc"
