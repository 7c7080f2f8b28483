// The ship status card filled from sample designs: heading, summary,
// armour, turrets and mounts, statistic boxes, targets, the hit log and the
// log's clipboard text.
#include "GuiTestRegistry.h"
#include "ShipStatusTestSupport.h"

#include "combat/Damage.h"
#include "designer/PlanEditor.h"
#include "status/HitDetails.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

using namespace statustest;

namespace {

QStringList rows(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// Fills the card, keeping the messages the fill shows.
void fill(TdlgShipStatus& card, TFightingShip& ship, std::int32_t date, std::vector<std::string>* texts = nullptr) {
    platform::ScopedRecordingMessages messages;
    card.FillShipStatus(ship, date);
    if (texts) *texts = messages.texts();
}

const std::vector<std::string> kLog = {"10:02 Hit by 12 in shell (belt, penetrated)",
                                       "10:04 Mine hit forward",
                                       "10:05 Torpedo hit amidships",
                                       "10:06 Torpedo tubes reloaded",
                                       "\u00A410:07 Secret: flooding 12 %",
                                       "\u00A410:08 Torpedo (hidden) aft",
                                       "10:09 Fire on deck",
                                       "10:1" /* shorter than a time stamp */,
                                       "Mine"};

} // namespace

// Every test starts with a fresh Dreadnought and an empty card.
class ShipStatusTests : public QObject {
    Q_OBJECT
    std::unique_ptr<LoadedShip> ship;
    std::unique_ptr<TdlgShipStatus> cardOwner;

private slots:
    void init() {
        ship = loadSample("Dreadnought");
        QVERIFY(ship);
        cardOwner = statustest::makeCard();
    }
    void cleanup() { cardOwner.reset(), ship.reset(); }

    void headingSummaryAndBoxesOfDreadnought() {
        TdlgShipStatus& card = *cardOwner;
        std::vector<std::string> texts;
        fill(card, **ship, (*ship)->ObsoleteDate, &texts);
        // An empty fuel store is the only complaint (endurance at two speeds).
        for (const std::string& t : texts) QVERIFY2(t.find("uel") != std::string::npos, t.c_str());

        const ShipStatusWidgets& w = card.W;
        // The widgets show the core value (its texts are pinned in the core
        // tests); statistic boxes put one blank before theirs.
        const BattleEnvironment env;
        platform::SeededRandom random;
        platform::RecordingMessages quiet;
        const ShipStatusFigures f = BuildStatusFigures({designertest::bundledData(), env, random, quiet}, **ship,
                                                       {.Date = (*ship)->ObsoleteDate});
        const auto q = [](const std::string& t) { return QString::fromStdString(t); };
        const auto boxed = [&](const std::string& t) { return QStringLiteral(" ") + q(t); };
        QCOMPARE(card.windowTitle(), q(f.Title));
        CHECK_TEXTS(
            {w.lbShipType, q(f.Heading)}, {w.lbShipname, q(f.ShipName)}, {w.lbClass, q(f.ClassName)},
            {w.lbDisplacement, q(f.Displacement)}, {w.lbMainGuns, q(f.MainGuns)}, {w.lbTertiaryGuns, q(f.TertiaryGuns)},
            {w.lbTorpedoTubes, q(f.TorpedoTubes)}, {w.lbAbove, q(f.TorpedoPlacement)}, {w.lbBelt, q(f.Belt)},
            {w.lbCT, q(f.ConningTower)}, {w.stMainGunType, boxed(f.MainCalibre)}, {w.stHP, boxed(f.MainHitPercentage)},
            {w.stEndurance, boxed(f.Endurance)}, {w.stSpeed, boxed(f.Speed)}, {w.stPointValue, boxed(f.PointValueText)},
            // The tertiary tab shows the 12-pounders although there are no secondaries.
            {w.stTerCal, boxed(f.Tertiary.Calibre)}, {w.stTerPort, boxed(f.Tertiary.Port)}, {w.stSecCal, ""});
        QCOMPARE(rows(w.lbTurrets).size(), static_cast<int>(f.Turrets.size()));
        QCOMPARE(rows(w.lbTurrets).last(), q(f.Turrets.back()));
        for (QWidget* hidden : std::initializer_list<QWidget*>{w.lbMines, w.lbSinking, w.bnSighted})
            QVERIFY2(!hidden->isVisibleTo(&card), qPrintable(hidden->objectName()));
        QCOMPARE(w.pbSuperstructure->maximum(), (*ship)->OriginalHitPoints);
    }

    void oldShipsAndNationNames() {
        TdlgShipStatus& card = *cardOwner;
        const auto typeAfter = [&](std::int32_t date) {
            fill(card, **ship, date);
            return card.W.lbShipType->text();
        };
        QCOMPARE(typeAfter((*ship)->ObsoleteDate + 1), QStringLiteral("OLD BRITISH Battleship"));
        // Nation 10 ("Generic"): the side's name stands in, empty here.
        (*ship)->Nation = 10;
        QCOMPARE(typeAfter(0), QStringLiteral(" Battleship"));
        card.SideDisplayNames[0] = "Blue fleet";
        QCOMPARE(typeAfter(0), QStringLiteral("BLUE FLEET Battleship"));
        card.SideDisplayNames[0].clear();

        // A nation number outside the table names no nation and shows no flag.
        (*ship)->Nation = 99;
        QCOMPARE(typeAfter(0), QStringLiteral(" Battleship"));
        QVERIFY(card.W.imgNation->pixmap().isNull());
    }

    void armourTurretMountAndDamageStates() {
        TFightingShip& s = **ship;
        s.ArmorB = 11.5f, s.ArmorD = 0;
        s.Turrets[0]->Guns = 0; // a casemate counts as one gun
        TFightingShip::AsFighting(s.Turrets[1].get())->Knocked = true;
        TFightingShip::AsFighting(s.TorpedoMounts[2].get())->Destroyed = true;
        s.MineCapacity = 1;
        TdlgShipStatus& card = *cardOwner;
        fill(card, s, 0);
        const ShipStatusWidgets& w = card.W;
        // Every turret counts, knocked out or not; the casemate as one gun.
        CHECK_TEXTS({w.lbBelt, "11\u00BD\" Belt (amidships)"}, {w.lbDeck, ""}, {w.lbMines, "1 mines"},
                    {w.lbMainGuns, "9 - 12 inch."});
        QCOMPARE(rows(w.lbTurrets).mid(0, 2), (QStringList{"Forward 1", "Port forward wing 2 Destroyed!"}));
        QCOMPARE(rows(w.lbTorps).last(), QStringLiteral("Starboard broadside (sub) 2 (2) Destroyed!"));
        QVERIFY(w.lbMines->isVisibleTo(&card));

        s.Fires = 3;
        s.SteamMinutesLeft = 12;
        card.Tallies.RudderState = 2;
        fill(card, s, 0);
        CHECK_TEXTS({w.lbSinking, "On fire! (2)"}, {w.lbLimitedByWeather, "Raising steam! 12 minutes left"},
                    {w.lbRudder, "Rudder jammed center"});
        s.Sunk = true;
        s.HitPoints = -500; // damage beyond the full figure shows a full bar, not an empty one
        fill(card, s, 0);
        QCOMPARE(w.lbSinking->text(), QStringLiteral("Sunk!"));
        QCOMPARE(w.pbSuperstructure->value(), w.pbSuperstructure->maximum());
    }

    void smallGunsMinesAndAboveWaterTubes() {
        auto kev = loadSample("King Edward VII");
        QVERIFY(kev);
        TdlgShipStatus& card = *cardOwner;
        fill(card, **kev, 0);
        const ShipStatusWidgets& w = card.W;
        CHECK_TEXTS({w.lbSecondaryGuns, "4 - 9 inch."}, {w.stSecPort, " 2 (2)"}, {w.stTerPort, " 5 (5)"});

        // Rounds and hits of a battle: left = carried - fired, percentage as a real.
        (*kev)->RoundsCarriedMain = 320;
        (*kev)->RoundsFiredMain = 30;
        card.Tallies.HitsScored[1] = 2;
        fill(card, **kev, 0);
        CHECK_TEXTS({w.stRdsMain, " 290"}, {w.stHP, " 6.67"});

        // Boxes of the previous ship do not linger.
        auto v25 = loadSample("V25");
        QVERIFY(v25 && (*v25)->TorpedoBroadside() > 0);
        fill(card, **v25, 0);
        CHECK_TEXTS({w.lbMines, "24 mines"}, {w.lbTorpedoTubes, QString::number((*v25)->TorpedoBroadside())},
                    {w.lbAbove, "above water"}, {w.stTerPort, ""});
        (*v25)->TorpedoMounts.clear();
        fill(card, **v25, 0);
        QVERIFY(!w.pnTorpedo->isVisibleTo(&card));
        CHECK_TEXTS({w.lbTorpedoTubes, ""}, {w.lbAbove, ""});
    }

    void targetsHitChancesAndAccuracyReport() {
        auto firer = loadSample("King Edward VII");
        auto target = loadSample("Scharnhorst");
        QVERIFY(firer && target);
        (*target)->SetPosition(TGeoPoint{0, 8000 * 44, 0}); // about 8,000 yards north
        (*firer)->MainTarget = target->ship.get();
        TdlgShipStatus& card = *cardOwner;
        fill(card, **firer, 0);
        QVERIFY(card.W.bnHitChance->isEnabled());
        QVERIFY(QRegularExpression(QStringLiteral("^ -?\\d+\\.\\d\\d$")).match(card.W.stHitChance->text()).hasMatch());
        QString first;
        whenOpens(card.AccuracyDialog(), [&] { first = card.AccuracyDialog().Memo1->toPlainText(); });
        {
            platform::ScopedRecordingMessages messages;
            card.W.bnHitChance->click();
        }
        QVERIFY2(first.startsWith(QStringLiteral("Target: ")), qPrintable(first));
        QTest::qWait(0); // let a stray single-shot run before the card goes
        (*firer)->MainTarget = nullptr;
    }

    void hitLogReworkedForBothDetailSettings() {
        QCOMPARE(ReworkHitLog(kLog, false),
                 (std::vector<std::string>{"10:02 Hit by 12 in shell ", "10:04 Mine/Torpedo", "10:05 Mine/Torpedo",
                                           "10:06 Torpedo tubes reloaded", "10:09 Fire on deck", "10:1",
                                           "Mine Mine/Torpedo"}));
        std::vector<std::string> full = kLog;
        full[4] = "10:07 Secret: flooding 12 %";
        full[5] = "10:08 Torpedo (hidden) aft";
        QCOMPARE(ReworkHitLog(kLog, true), full);
        // The time stamp is cut by characters, not bytes.
        QCOMPARE(ReworkHitLog({"\u00BD0:00x Mine"}, false), (std::vector<std::string>{"\u00BD0:00 Mine/Torpedo"}));

        // The card's log button opens the dialog on the reworked log.
        (*ship)->HitLog = kLog;
        TdlgHitDetails dialog;
        const auto logCard = statustest::makeCard();
        TdlgShipStatus& card = *logCard;
        card.SetHitDetailsDialog(&dialog);
        fill(card, **ship, 0);
        for (bool full : {false, true}) {
            dialog.FullLogDetail = full;
            QString shown;
            whenOpens(dialog, [&] {
                shown = dialog.mmHits->toPlainText();
                dialog.bnClose->click();
            });
            card.W.bnHitDetails->click();
            QCOMPARE(shown.split(QLatin1Char('\n')).size(), full ? 9 : 7);
        }
        QCOMPARE((*ship)->HitLog, kLog); // the ship's own log is left alone
    }

    void smokeSightedClipboardAndClose() {
        auto other = loadSample("Invincible");
        QVERIFY(other);
        TdlgShipStatus& card = *cardOwner;
        fill(card, **ship, 0);
        {
            platform::ScopedRecordingMessages messages;
            card.SmokeClick();
            (*ship)->SightedShips = {other->ship.get(), ship->ship.get()};
            card.bnSightedClick();
            (*ship)->SightedShips.clear();
            QCOMPARE(messages.texts(), (std::vector<std::string>{"No target", "BC Invincible 0\rBB Dreadnought 0\r"}));
        }

        // The log goes to the clipboard with carriage returns.
        QString expected = QStringLiteral("Operational history, BB Dreadnought\r\r");
        for (int i = 1; i <= 3; ++i) {
            const QString line = QStringLiteral("%1:00 entry %2").arg(10 + i).arg(i);
            card.W.lbLogEntries->addItem(line);
            expected += line + QLatin1Char('\r');
        }
        card.W.Copytoclipboard1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);

        whenOpens(card, [&card] { card.W.bnClose->click(); });
        platform::ScopedRecordingMessages messages;
        card.ShowShipStatus(**ship, 0);
        QCOMPARE(card.result(), int(QDialog::Accepted));
    }

    // A mount at each of the form's sixteen positions: the plan view's ship
    // and the card show all sixteen, as the form does.
    void sixteenMountsOnTheFormThePlanViewAndTheCard() {
        designertest::TempProgramDir dir;
        auto form = designertest::openForm(dir.path());
        QVERIFY(form);
        std::string text = "[Data]\r\nShipType=DD\r\nNation=1\r\n[Guns]\r\nMain=4\r\n";
        for (int n = 0; n < 16; ++n)
            text += "[TorpedoMount" + std::to_string(n) + "]\r\nTubes=2\r\nPos=" + kTorpedoMountTexts[n][0] + "\r\n";
        const std::string path = dir.customFile("Sixteen.sdf");
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.c_str()) > 0);
        file.close();
        TdlgShipStatus card(form->Data(), form->ProgramDir(), form->CustomFilesRoot(), form.get());
        form->SetShipStatusDialog(&card);
        QVERIFY(!form->ShipStatusButton()->isEnabled()); // no ship displayed yet
        platform::ScopedRecordingMessages messages;
        form->LoadDesign(path);
        QCOMPARE(form->DesignShip()->TorpedoMounts.size(), size_t{16});
        const TFightingShip* shown = dynamic_cast<TPlanEditor&>(*form->PlanEditor()).DisplayShip();
        QVERIFY(shown);
        QCOMPARE(shown->TorpedoMounts.size(), size_t{16});
        QCOMPARE(shown->TorpedoMounts[15]->Position, 'Y');
        QStringList torps;
        QString name;
        whenOpens(card, [&] {
            torps = rows(card.W.lbTorps), name = card.W.lbShipname->text();
            card.W.bnClose->click();
        });
        form->ShipStatusButton()->click();
        QCOMPARE(name, QStringLiteral("SIXTEEN"));
        QCOMPARE(torps.size(), 16);
        QCOMPARE(torps.last(), QStringLiteral("Aft (sub) 2 (2)"));
    }
};

SHIP_GUI_TEST(ShipStatusTests)
#include "ShipStatusTests.moc"
