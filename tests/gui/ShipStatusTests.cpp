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
        // The file's half-inch steps become whole inches: B=22 is 11 inches.
        CHECK_TEXTS({w.lbShipType, "BRITISH Battleship"}, {w.lbShipname, "DREADNOUGHT"},
                    {w.lbClass, "DREADNOUGHT CLASS"}, {w.lbDisplacement, "Displacement, 18100 tons"},
                    {w.lbMainGuns, "10 - 12 inch."}, {w.lbSecondaryGuns, ""}, {w.lbTertiaryGuns, "24 - 3 inch."},
                    {w.lbTurr, "Main turrets"}, {w.lbTorpedoTubes, "5"}, {w.lbAbove, "submerged"},
                    {w.lbBelt, "11\" Belt (amidships)"}, {w.lbDeck, "2\" Deck"}, {w.lbTurretArmor, "11\" Turrets"},
                    {w.lbBattery, ""}, {w.lbCT, "11\" C.T."}, {w.stMainGunType, " 12 in"}, {w.stTorpCal, " 18 in"},
                    {w.stRoundsFired, " 0"}, {w.stHits, " 0"}, {w.stHP, " 0.00"}, {w.stRdsMain, " 0"},
                    {w.stFlooding, "0"}, {w.stCurCourse, " 0"}, {w.stEndurance, " 0/0"},
                    {w.stSpeed, QStringLiteral(" %1/21").arg(MaxSpeedNow(**ship))},
                    {w.stPointValue, QStringLiteral(" %1").arg(PointValue(**ship) * 4)},
                    {w.stFireControl, QString::fromStdString(" " + FireControlName(1))}, {w.stTargetMain, ""},
                    // The tertiary boxes stay empty without secondary guns.
                    {w.stTerCal, ""}, {w.stTerPort, ""});
        QCOMPARE(rows(w.lbTurrets), (QStringList{"Forward 2", "Port forward wing 2", "Starboard forward wing 2",
                                                 "Midships aft 2", "Aft 2"}));
        QCOMPARE(rows(w.lbTorps), (QStringList{"Forward (sub) 1 (1)", "Port broadside (sub) 2 (2)",
                                               "Starboard broadside (sub) 2 (2)"}));
        QVERIFY(w.pnTorpedo->isVisibleTo(&card));
        QCOMPARE(w.pnTorpedo->title(), QStringLiteral("Torpedo tubes (18 inch)"));
        for (QWidget* hidden : std::initializer_list<QWidget*>{w.lbMines, w.lbSinking, w.lbLimitedByWeather,
                                                              w.lbLogEntries, w.Button1, w.bnSighted})
            QVERIFY2(!hidden->isVisibleTo(&card), qPrintable(hidden->objectName()));
        QVERIFY(!w.bnHitChance->isEnabled());
        QVERIFY(!w.imgNation->pixmap().isNull());
        QCOMPARE(w.pbFloat->maximum(), (*ship)->OriginalHitPoints);
        QCOMPARE(w.pbFloat->value(), 0);
        QCOMPARE(w.pbFloat->toolTip(), QStringLiteral("%1 of %1").arg((*ship)->OriginalHitPoints));
        QCOMPARE(w.pbSuperstructure->maximum(), 9050);
        QCOMPARE(card.height(), 770);

        // Tabs: the picture panel and the small gun groups switch with them.
        QCOMPARE(w.tcView->currentIndex(), 1);
        for (int tab : {1, 0, 1}) {
            w.tcView->setCurrentIndex(tab);
            QCOMPARE(w.Panel1->isVisibleTo(&card), tab == 1);
        }
        for (int tab : {0, 1, 0}) {
            w.tcSmallguns->setCurrentIndex(tab);
            QCOMPARE(w.gbSecondary->isVisibleTo(&card), tab == 0);
            QCOMPARE(w.gbTertiary->isVisibleTo(&card), tab == 1);
        }
    }

    void oldShipsAndNationNames() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card;
        const auto typeAfter = [&](std::int32_t date) {
            fill(card, **ship, date);
            return card.W.lbShipType->text();
        };
        QCOMPARE(typeAfter((*ship)->ObsoleteDate + 1), QStringLiteral("OLD BRITISH Battleship"));
        QVERIFY(typeAfter(platform::todayDayNumber()).startsWith(QStringLiteral("OLD ")));

        // Nation 10 is "Generic": the side's name stands in, empty here.
        QCOMPARE(QString::fromStdString(Nations[10].Name2), QStringLiteral("Generic"));
        (*ship)->Nation = 10;
        QCOMPARE(typeAfter(0), QStringLiteral(" Battleship"));
        SideDisplayNames[0] = "Blue fleet";
        QCOMPARE(typeAfter(0), QStringLiteral("BLUE FLEET Battleship"));
        const std::string saved = Nations[10].Name2;
        Nations[10].Name2 = "Unspecified";
        QCOMPARE(typeAfter(0), QStringLiteral("BLUE FLEET Battleship"));
        SideDisplayNames[0].clear();
        QCOMPARE(typeAfter(0), QStringLiteral("UNSPECIFIED Battleship"));
        Nations[10].Name2 = saved;

        // A nation number outside the table names no nation and shows no flag.
        (*ship)->Nation = 99;
        QCOMPARE(typeAfter(0), QStringLiteral(" Battleship"));
        QVERIFY(card.W.imgNation->pixmap().isNull());
    }

    void armourHalvesTurretStatesAndMines() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TFightingShip& s = **ship;
        s.ArmorB = 11.5f, s.ArmorSEC = 0.5f, s.ArmorD = 0;
        s.Turrets[0]->Guns = 0;   // a casemate counts as one gun
        TFightingShip::AsFighting(s.Turrets[1].get())->Knocked = true;
        TFightingShip::AsFighting(s.Turrets[2].get())->DisabledTurns = 2;
        TFightingShip::AsFighting(s.Turrets[3].get())->Knocked = true;
        TFightingShip::AsFighting(s.Turrets[3].get())->DisabledTurns = 1;
        TFightingShip::AsFighting(s.TorpedoMounts[1].get())->ReloadMinutes = 7;
        TFightingShip::AsFighting(s.TorpedoMounts[2].get())->Destroyed = true;
        s.MineCapacity = 1;

        TdlgShipStatus card;
        fill(card, s, 0);
        const ShipStatusWidgets& w = card.W;
        // Every turret counts, knocked out or not; the casemate as one gun.
        CHECK_TEXTS({w.lbBelt, "11\u00BD\" Belt (amidships)"}, {w.lbBattery, "0\u00BD\" Battery"}, {w.lbDeck, ""},
                    {w.lbMines, "1 mines"}, {w.lbMainGuns, "9 - 12 inch."});
        QCOMPARE(rows(w.lbTurrets), (QStringList{"Forward 1", "Port forward wing 2 Destroyed!",
                                                 "Starboard forward wing 2 Disabled!",
                                                 "Midships aft 2 Destroyed!", "Aft 2"}));
        QCOMPARE(rows(w.lbTorps), (QStringList{"Forward (sub) 1 (1)",
                                               "Port broadside (sub) 2 (2) Reloading, 7 minutes left",
                                               "Starboard broadside (sub) 2 (2) Destroyed!"}));
        QVERIFY(w.lbMines->isVisibleTo(&card));
    }

    void smallGunsMinesAndAboveWaterTubes() {
        auto kev = loadSample("King Edward VII");
        QVERIFY(kev);
        TdlgShipStatus card;
        fill(card, **kev, 0);
        const ShipStatusWidgets& w = card.W;
        CHECK_TEXTS({w.lbSecondaryGuns, "4 - 9 inch."}, {w.lbTertiaryGuns, "10 - 6 inch."}, {w.stSecCal, " 9 in"},
                    {w.stSecPort, " 2 (2)"}, {w.stSecStbd, " 2 (2)"}, {w.stSecHitPercentage, " 0.00"},
                    {w.stSecRoundsLeft, " 0"}, {w.stTerCal, " 6 in"}, {w.stTerPort, " 5 (5)"},
                    {w.stTerStbd, " 5 (5)"});

        // Rounds and hits of a battle: left = carried - fired, percentage as a real.
        (*kev)->RoundsCarriedMain = 320;
        (*kev)->RoundsFiredMain = 30;
        card.Tallies.HitsScored[1] = 2;
        (*kev)->SecondaryPort = 1;
        fill(card, **kev, 0);
        CHECK_TEXTS({w.stRdsMain, " 290"}, {w.stHP, " 6.67"}, {w.stSecPort, " 2 (1)"});

        // Boxes of the previous ship do not linger.
        auto v25 = loadSample("V25");
        QVERIFY(v25 && (*v25)->TorpedoBroadside() > 0);
        fill(card, **v25, 0);
        CHECK_TEXTS({w.lbMines, "24 mines"}, {w.lbTorpedoTubes, QString::number((*v25)->TorpedoBroadside())},
                    {w.lbAbove, "above water"}, {w.stTerPort, ""});
        QVERIFY(w.lbMines->isVisibleTo(&card));
        (*v25)->TorpedoMounts.clear();
        fill(card, **v25, 0);
        QVERIFY(!w.pnTorpedo->isVisibleTo(&card));
        CHECK_TEXTS({w.lbTorpedoTubes, ""}, {w.lbAbove, ""}, {w.stTorpCal, " "});
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
        CHECK_TEXTS({w.lbSinking, "On fire! (2)"}, {w.lbLimitedByWeather, "Raising steam! 12 minutes left"},
                    {w.lbRudder, "Rudder jammed center"});
        for (QWidget* shown : std::initializer_list<QWidget*>{w.lbSinking, w.lbLimitedByWeather, w.lbGratesFouled, w.lbRudder})
            QVERIFY2(shown->isVisibleTo(&card), qPrintable(shown->objectName()));
        QCOMPARE(w.pbFloat->value(), 100);
        QVERIFY(w.cbEvading->isChecked());

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

    void targetsHitChancesAndAccuracyReport() {
        auto firer = loadSample("King Edward VII");
        auto target = loadSample("Scharnhorst");
        QVERIFY(firer && target);
        (*target)->SetPosition(TGeoPoint{0, 8000 * 44, 0});   // about 8,000 yards north
        (*firer)->MainTarget = (*firer)->SecondaryTargetPort = (*firer)->TertiaryTargetStarboard = target->ship.get();

        TdlgShipStatus card;
        fill(card, **firer, 0);
        const ShipStatusWidgets& w = card.W;
        const QRegularExpression real(QStringLiteral("^ -?\\d+\\.\\d\\d$"));
        QVERIFY(w.bnHitChance->isEnabled());
        QVERIFY(w.stTargetMain->text().startsWith(QLatin1Char(' ')) && w.stTargetMain->text().size() > 1);
        for (const QLabel* box : std::initializer_list<const QLabel*>{w.stHitChance, w.stROF, w.stTSHitChancePort})
            QVERIFY2(real.match(box->text()).hasMatch(), qPrintable(box->objectName() + ": " + box->text()));
        QVERIFY(!w.stSecTargetLeft->text().isEmpty());
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
        (*firer)->MainTarget = (*firer)->SecondaryTargetPort = (*firer)->TertiaryTargetStarboard = nullptr;
    }

    void smokeSightedClipboardAndClose() {
        auto ship = loadSample("Dreadnought");
        auto other = loadSample("Invincible");
        QVERIFY(ship && other);
        TdlgShipStatus card;
        fill(card, **ship, 0);
        {
            platform::ScopedRecordingMessages messages;
            card.Button1Click();
            (*ship)->SightedShips = {other->ship.get(), ship->ship.get()};
            card.bnSightedClick();
            (*ship)->SightedShips.clear();
            QCOMPARE(messages.texts(), (std::vector<std::string>{"No target", "BC Invincible 0\rBB Dreadnought 0\r"}));
        }

        // The log goes to the clipboard with carriage returns.
        QString expected = QStringLiteral("Operational history, BB Dreadnought\r\r");
        for (int i = 1; i <= 10; ++i) {
            const QString line = QStringLiteral("%1:00 entry %2").arg(10 + i).arg(i);
            card.W.lbLogEntries->addItem(line);
            expected += line + QLatin1Char('\r');
        }
        QCOMPARE(card.W.Copytoclipboard1->text(), QStringLiteral("Copy to clipboard"));
        card.W.Copytoclipboard1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);

        for (QPushButton* button : {card.W.bnClose, card.W.bnDivision}) {
            whenOpens(card, [button] { button->click(); });
            platform::ScopedRecordingMessages messages;
            card.ShowShipStatus(**ship, 0);
            QCOMPARE(card.result(), int(QDialog::Accepted));
        }
    }
};

SHIP_GUI_TEST(ShipStatusTests)
#include "ShipStatusTests.moc"
