// The ship status card filled from sample designs: heading, summary,
// armour, turrets and mounts, statistic boxes, tabs, targets and the log's
// clipboard text.
#include "ShipStatusTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/Damage.h"
#include "combat/ShipTypes.h"
#include "nations/Nations.h"
#include "platform/DayNumber.h"
#include "status/HitDetails.h"

#include <QApplication>
#include <QClipboard>
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

} // namespace

class ShipStatusTests : public QObject {
    Q_OBJECT
private slots:
    void init() { useBundledProgramDir(); }

    void headingSummaryAndBoxesOfDreadnought() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        std::vector<std::string> texts;
        fill(card, **ship, (*ship)->ObsoleteDate, &texts);
        // An empty fuel store is the only complaint (endurance at two speeds).
        for (const std::string& t : texts) QVERIFY2(t.find("uel") != std::string::npos, t.c_str());

        const ShipStatusWidgets& w = card.W;
        QCOMPARE(card.windowTitle(), QStringLiteral("BB Dreadnought"));
        QCOMPARE(w.lbShipType->text(), QStringLiteral("BRITISH Battleship"));
        QCOMPARE(w.lbShipname->text(), QStringLiteral("DREADNOUGHT"));
        QCOMPARE(w.lbClass->text(), QStringLiteral("DREADNOUGHT CLASS"));
        QCOMPARE(w.lbDisplacement->text(), QStringLiteral("Displacement, 18100 tons"));
        QCOMPARE(w.lbMainGuns->text(), QStringLiteral("10 - 12 inch."));
        QCOMPARE(w.lbSecondaryGuns->text(), QString());
        QCOMPARE(w.lbTertiaryGuns->text(), QStringLiteral("24 - 3 inch."));
        QCOMPARE(w.lbTurr->text(), QStringLiteral("Main turrets"));
        QCOMPARE(rows(w.lbTurrets), (QStringList{"Forward 2", "Port forward wing 2", "Starboard forward wing 2",
                                                 "Midships aft 2", "Aft 2"}));
        QCOMPARE(rows(w.lbTorps), (QStringList{"Forward (sub) 1 (1)", "Port broadside (sub) 2 (2)",
                                               "Starboard broadside (sub) 2 (2)"}));
        QVERIFY(w.pnTorpedo->isVisibleTo(&card));
        QCOMPARE(w.pnTorpedo->title(), QStringLiteral("Torpedo tubes (18 inch)"));
        QCOMPARE(w.lbTorpedoTubes->text(), QStringLiteral("5"));
        QCOMPARE(w.lbAbove->text(), QStringLiteral("submerged"));
        QVERIFY(!w.lbMines->isVisibleTo(&card));

        // The file's half-inch steps become whole inches: B=22 is 11 inches.
        QCOMPARE(w.lbBelt->text(), QStringLiteral("11\" Belt (amidships)"));
        QCOMPARE(w.lbDeck->text(), QStringLiteral("2\" Deck"));
        QCOMPARE(w.lbTurretArmor->text(), QStringLiteral("11\" Turrets"));
        QCOMPARE(w.lbBattery->text(), QString());
        QCOMPARE(w.lbCT->text(), QStringLiteral("11\" C.T."));

        QCOMPARE(w.stMainGunType->text(), QStringLiteral(" 12 in"));
        QCOMPARE(w.stTorpCal->text(), QStringLiteral(" 18 in"));
        QCOMPARE(w.stRoundsFired->text(), QStringLiteral(" 0"));
        QCOMPARE(w.stHits->text(), QStringLiteral(" 0"));
        QCOMPARE(w.stHP->text(), QStringLiteral(" 0.00"));
        QCOMPARE(w.stRdsMain->text(), QStringLiteral(" 0"));
        QCOMPARE(w.stFlooding->text(), QStringLiteral("0"));
        QCOMPARE(w.stCurCourse->text(), QStringLiteral(" 0"));
        QCOMPARE(w.stEndurance->text(), QStringLiteral(" 0/0"));
        QCOMPARE(w.stSpeed->text(), QStringLiteral(" %1/21").arg(MaxSpeedNow(**ship)));
        QCOMPARE(w.stPointValue->text(), QStringLiteral(" %1").arg(PointValue(**ship) * 4));
        QCOMPARE(w.stFireControl->text(), QString::fromStdString(" " + FireControlName(1)));
        QCOMPARE(w.stTargetMain->text(), QString());
        QVERIFY(!w.bnHitChance->isEnabled());
        QVERIFY(!w.lbSinking->isVisibleTo(&card));
        QVERIFY(!w.lbLimitedByWeather->isVisibleTo(&card));
        // The tertiary boxes stay empty without secondary guns.
        QCOMPARE(w.stTerCal->text(), QString());
        QCOMPARE(w.stTerPort->text(), QString());

        QCOMPARE(w.pbFloat->maximum(), (*ship)->OriginalHitPoints);
        QCOMPARE(w.pbFloat->value(), 0);
        QCOMPARE(w.pbFloat->toolTip(),
                 QStringLiteral("%1 of %1").arg((*ship)->OriginalHitPoints));
        QCOMPARE(w.pbSuperstructure->maximum(), 9050);
        QCOMPARE(card.height(), 770);
    }

    void oldShipsAndNationNames() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        fill(card, **ship, (*ship)->ObsoleteDate + 1);
        QCOMPARE(card.W.lbShipType->text(), QStringLiteral("OLD BRITISH Battleship"));
        fill(card, **ship, platform::todayDayNumber());
        QVERIFY(card.W.lbShipType->text().startsWith(QStringLiteral("OLD ")));

        // Nation 10 is "Generic": the side's name stands in, empty here.
        QCOMPARE(QString::fromStdString(Nations[10].Name2), QStringLiteral("Generic"));
        (*ship)->Nation = 10;
        fill(card, **ship, 0);
        QCOMPARE(card.W.lbShipType->text(), QStringLiteral(" Battleship"));
        SideDisplayNames[0] = "Blue fleet";
        fill(card, **ship, 0);
        QCOMPARE(card.W.lbShipType->text(), QStringLiteral("BLUE FLEET Battleship"));

        const std::string saved = Nations[10].Name2;
        Nations[10].Name2 = "Unspecified";
        fill(card, **ship, 0);
        QCOMPARE(card.W.lbShipType->text(), QStringLiteral("BLUE FLEET Battleship"));
        SideDisplayNames[0].clear();
        fill(card, **ship, 0);
        QCOMPARE(card.W.lbShipType->text(), QStringLiteral("UNSPECIFIED Battleship"));
        Nations[10].Name2 = saved;

        // A nation number outside the table names no nation and shows no flag.
        (*ship)->Nation = 99;
        fill(card, **ship, 0);
        QCOMPARE(card.W.lbShipType->text(), QStringLiteral(" Battleship"));
        QVERIFY(card.W.imgNation->pixmap().isNull());
    }

    void flagOfTheNation() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        fill(card, **ship, 0);
        QVERIFY(!card.W.imgNation->pixmap().isNull());
    }

    void armourHalvesTurretStatesAndMines() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TFightingShip& s = **ship;
        s.ArmorB = 11.5f;
        s.ArmorSEC = 0.5f;
        s.ArmorD = 0;
        s.Turrets[0]->Guns = 0;   // a casemate counts as one gun
        TFightingShip::AsFighting(s.Turrets[1].get())->Knocked = true;
        TFightingShip::AsFighting(s.Turrets[2].get())->DisabledTurns = 2;
        TFightingShip::AsFighting(s.Turrets[3].get())->Knocked = true;
        TFightingShip::AsFighting(s.Turrets[3].get())->DisabledTurns = 1;
        auto* mount = TFightingShip::AsFighting(s.TorpedoMounts[1].get());
        mount->ReloadMinutes = 7;
        TFightingShip::AsFighting(s.TorpedoMounts[2].get())->Destroyed = true;
        s.MineCapacity = 1;

        TdlgShipStatus card;
        fill(card, s, 0);
        const ShipStatusWidgets& w = card.W;
        QCOMPARE(w.lbBelt->text(), QStringLiteral("11\u00BD\" Belt (amidships)"));
        QCOMPARE(w.lbBattery->text(), QStringLiteral("0\u00BD\" Battery"));
        QCOMPARE(w.lbDeck->text(), QString());
        QCOMPARE(rows(w.lbTurrets), (QStringList{"Forward 1", "Port forward wing 2 Destroyed!",
                                                 "Starboard forward wing 2 Disabled!",
                                                 "Midships aft 2 Destroyed!", "Aft 2"}));
        QCOMPARE(rows(w.lbTorps), (QStringList{"Forward (sub) 1 (1)",
                                               "Port broadside (sub) 2 (2) Reloading, 7 minutes left",
                                               "Starboard broadside (sub) 2 (2) Destroyed!"}));
        QVERIFY(w.lbMines->isVisibleTo(&card));
        QCOMPARE(w.lbMines->text(), QStringLiteral("1 mines"));
        // Every turret counts, knocked out or not; the casemate as one gun.
        QCOMPARE(w.lbMainGuns->text(), QStringLiteral("9 - 12 inch."));
    }

    void smallGunsMinesAndAboveWaterTubes() {
        auto kev = loadSample("King Edward VII");
        QVERIFY(kev);
        TdlgShipStatus card;
        fill(card, **kev, 0);
        const ShipStatusWidgets& w = card.W;
        QCOMPARE(w.lbSecondaryGuns->text(), QStringLiteral("4 - 9 inch."));
        QCOMPARE(w.lbTertiaryGuns->text(), QStringLiteral("10 - 6 inch."));
        QCOMPARE(w.stSecCal->text(), QStringLiteral(" 9 in"));
        QCOMPARE(w.stSecPort->text(), QStringLiteral(" 2 (2)"));
        QCOMPARE(w.stSecStbd->text(), QStringLiteral(" 2 (2)"));
        QCOMPARE(w.stSecHitPercentage->text(), QStringLiteral(" 0.00"));
        QCOMPARE(w.stSecRoundsLeft->text(), QStringLiteral(" 0"));
        QCOMPARE(w.stTerCal->text(), QStringLiteral(" 6 in"));
        QCOMPARE(w.stTerPort->text(), QStringLiteral(" 5 (5)"));
        QCOMPARE(w.stTerStbd->text(), QStringLiteral(" 5 (5)"));

        // Rounds and hits of a battle: left = carried - fired, percentage as a real.
        (*kev)->RoundsCarriedMain = 320;
        (*kev)->RoundsFiredMain = 30;
        card.Tallies.HitsScored[1] = 2;
        (*kev)->SecondaryPort = 1;
        fill(card, **kev, 0);
        QCOMPARE(w.stRdsMain->text(), QStringLiteral(" 290"));
        QCOMPARE(w.stHP->text(), QStringLiteral(" 6.67"));
        QCOMPARE(w.stSecPort->text(), QStringLiteral(" 2 (1)"));

        auto v25 = loadSample("V25");
        QVERIFY(v25);
        fill(card, **v25, 0);
        QCOMPARE(w.lbMines->text(), QStringLiteral("24 mines"));
        QVERIFY(w.lbMines->isVisibleTo(&card));
        QVERIFY((*v25)->TorpedoBroadside() > 0);
        QCOMPARE(w.lbTorpedoTubes->text(), QString::number((*v25)->TorpedoBroadside()));
        QCOMPARE(w.lbAbove->text(), QStringLiteral("above water"));
        // Boxes of the previous ship do not linger.
        QCOMPARE(w.stTerPort->text(), QString());

        (*v25)->TorpedoMounts.clear();
        fill(card, **v25, 0);
        QVERIFY(!w.pnTorpedo->isVisibleTo(&card));
        QCOMPARE(w.lbTorpedoTubes->text(), QString());
        QCOMPARE(w.lbAbove->text(), QString());
        QCOMPARE(w.stTorpCal->text(), QStringLiteral(" "));
    }

    void damageStateLabels() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TFightingShip& s = **ship;
        TdlgShipStatus card;
        const ShipStatusWidgets& w = card.W;
        s.Fires = 3;
        s.HitPoints = s.OriginalHitPoints - 100;
        s.SteamMinutesLeft = 12;
        s.GratesFouling = 181;
        s.Evading = true;
        card.Tallies.RudderState = 2;
        fill(card, s, 0);
        QVERIFY(w.lbSinking->isVisibleTo(&card));
        QCOMPARE(w.lbSinking->text(), QStringLiteral("On fire! (2)"));
        QCOMPARE(w.pbFloat->value(), 100);
        QCOMPARE(w.lbLimitedByWeather->text(), QStringLiteral("Raising steam! 12 minutes left"));
        QVERIFY(w.lbLimitedByWeather->isVisibleTo(&card));
        QVERIFY(w.lbGratesFouled->isVisibleTo(&card));
        QVERIFY(w.cbEvading->isChecked());
        QVERIFY(w.lbRudder->isVisibleTo(&card));
        QCOMPARE(w.lbRudder->text(), QStringLiteral("Rudder jammed center"));

        s.SinkingCount = 1;
        fill(card, s, 0);
        QCOMPARE(w.lbSinking->text(), QStringLiteral("Sinking!"));
        s.Sunk = true;
        fill(card, s, 0);
        QCOMPARE(w.lbSinking->text(), QStringLiteral("Sunk!"));

        // Damage beyond the full figure shows a full bar, not an empty one.
        s.HitPoints = -500;
        fill(card, s, 0);
        QCOMPARE(w.pbFloat->value(), w.pbFloat->maximum());
    }

    void tabsSwitchViewAndSmallGunGroups() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        fill(card, **ship, 0);
        const ShipStatusWidgets& w = card.W;
        QCOMPARE(w.tcView->currentIndex(), 1);
        QVERIFY(w.Panel1->isVisibleTo(&card));
        w.tcView->setCurrentIndex(0);
        QVERIFY(!w.Panel1->isVisibleTo(&card));
        w.tcView->setCurrentIndex(1);
        QVERIFY(w.Panel1->isVisibleTo(&card));

        QVERIFY(w.gbSecondary->isVisibleTo(&card));
        QVERIFY(!w.gbTertiary->isVisibleTo(&card));
        w.tcSmallguns->setCurrentIndex(1);
        QVERIFY(!w.gbSecondary->isVisibleTo(&card));
        QVERIFY(w.gbTertiary->isVisibleTo(&card));
        w.tcSmallguns->setCurrentIndex(0);
        QVERIFY(w.gbSecondary->isVisibleTo(&card));
        QVERIFY(!w.gbTertiary->isVisibleTo(&card));
    }

    void targetsHitChancesAndAccuracyReport() {
        auto firer = loadSample("King Edward VII");
        auto target = loadSample("Scharnhorst");
        QVERIFY(firer && target);
        (*target)->SetPosition(TGeoPoint{0, 8000 * 44, 0});   // about 8,000 yards north
        (*firer)->MainTarget = target->ship.get();
        (*firer)->SecondaryTargetPort = target->ship.get();
        (*firer)->TertiaryTargetStarboard = target->ship.get();

        TdlgShipStatus card;
        fill(card, **firer, 0);
        const ShipStatusWidgets& w = card.W;
        const QRegularExpression real(QStringLiteral("^ -?\\d+\\.\\d\\d$"));
        QVERIFY(w.bnHitChance->isEnabled());
        QVERIFY(w.stTargetMain->text().startsWith(QLatin1Char(' ')));
        QVERIFY(w.stTargetMain->text().size() > 1);
        QVERIFY2(real.match(w.stHitChance->text()).hasMatch(), qPrintable(w.stHitChance->text()));
        QVERIFY2(real.match(w.stROF->text()).hasMatch(), qPrintable(w.stROF->text()));
        QVERIFY(!w.stSecTargetLeft->text().isEmpty());
        QVERIFY(real.match(w.stTSHitChancePort->text()).hasMatch());
        QCOMPARE(w.stTSHitChanceStbd->text(), QString());   // no secondary target to starboard
        QVERIFY(w.lbSlask->count() > 0);                     // the breakdowns land in the scratch list

        // The tertiary tab shows the tertiary targets on the next fill.
        w.tcSmallguns->setCurrentIndex(1);
        fill(card, **firer, 0);
        QCOMPARE(w.stTSHitChancePort->text(), QString());
        QVERIFY(real.match(w.stTSHitChanceStbd->text()).hasMatch());
        QVERIFY(!w.stTerTargetStbd->text().isEmpty());

        QStringList report;
        bool opened = false;
        whenOpens(card.AccuracyDialog(), [&] {
            opened = card.AccuracyDialog().isVisible();
            report = card.AccuracyDialog().Memo1->toPlainText().split(QLatin1Char('\n'));
        });
        {
            platform::ScopedRecordingMessages messages;
            w.bnHitChance->click();
        }
        QVERIFY(opened);
        QVERIFY2(report.value(0).startsWith(QStringLiteral("Target: ")), qPrintable(report.join('|')));

        // The starboard chance opens the tertiary report on tab 1; port has no target.
        opened = false;
        whenOpens(card.AccuracyDialog(), [&] { opened = true; });
        {
            platform::ScopedRecordingMessages messages;
            emit w.stTSHitChanceStbd->clicked();
        }
        QVERIFY(opened);
        opened = false;
        emit w.stTSHitChancePort->clicked();
        QVERIFY(!opened);
        QTest::qWait(0);   // let a stray single-shot run before the card goes
        (*firer)->MainTarget = nullptr;
        (*firer)->SecondaryTargetPort = nullptr;
        (*firer)->TertiaryTargetStarboard = nullptr;
    }

    void smokeAndSightedButtons() {
        auto ship = loadSample("Dreadnought");
        auto other = loadSample("Invincible");
        QVERIFY(ship && other);
        TdlgShipStatus card;
        fill(card, **ship, 0);
        platform::ScopedRecordingMessages messages;
        card.Button1Click();
        (*ship)->SightedShips = {other->ship.get(), ship->ship.get()};
        card.bnSightedClick();
        (*ship)->SightedShips.clear();
        QCOMPARE(messages.texts(), (std::vector<std::string>{"No target", "BC Invincible 0\rBB Dreadnought 0\r"}));
    }

    void clipboardHoldsTheLogWithCarriageReturns() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        fill(card, **ship, 0);
        QVERIFY(!card.W.lbLogEntries->isVisibleTo(&card));
        QString expected = QStringLiteral("Operational history, BB Dreadnought\r\r");
        for (int i = 1; i <= 10; ++i) {
            const QString line = QStringLiteral("%1:00 entry %2").arg(10 + i).arg(i);
            card.W.lbLogEntries->addItem(line);
            expected += line + QLatin1Char('\r');
        }
        card.W.Copytoclipboard1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(card.W.Copytoclipboard1->text(), QStringLiteral("Copy to clipboard"));
    }

    void closeButtonsEndWithOk() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        for (QPushButton* button : {card.W.bnClose, card.W.bnDivision}) {
            whenOpens(card, [button] { button->click(); });
            {
                platform::ScopedRecordingMessages messages;
                card.ShowShipStatus(**ship, 0);
            }
            QCOMPARE(card.result(), int(QDialog::Accepted));
        }
        QVERIFY(!card.W.Button1->isVisibleTo(&card));
        QVERIFY(!card.W.bnSighted->isVisibleTo(&card));
    }
};

SHIP_GUI_TEST(ShipStatusTests)
#include "ShipStatusTests.moc"
