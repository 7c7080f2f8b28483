// The add-turret dialog: free positions, its two OK checks, the turret or
// mount it returns and what it keeps between openings.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

using namespace designertest;

namespace {

void put(Tship& ship, char letter, bool mount = false) {
    if (mount) {
        auto m = std::make_unique<TTorpedomount>();
        m->Position = letter, m->Tubes = 2;
        ship.TorpedoMounts.push_back(std::move(m));
    } else {
        auto t = std::make_unique<TTurret>();
        t->Position = letter, t->Guns = 2;
        ship.Turrets.push_back(std::move(t));
    }
}

QStringList items(const TdlgAddTurret& d) {
    QStringList out;
    for (int i = 0; i < d.lbPosition->count(); ++i) out << d.lbPosition->item(i)->text();
    return out;
}

} // namespace

class AddTurretTests : public QObject {
    Q_OBJECT
private slots:
    void offersOnlyFreePositionsInOrder() {
        TdlgAddTurret d;
        TDesignShip ship(bundledData());
        d.PrepareTurret(ship);
        QCOMPARE(d.windowTitle(), QStringLiteral("Add turret"));
        QCOMPARE(d.lbPosition->count(), 24);
        QCOMPARE(items(d).first(), QStringLiteral("A - Forward"));
        QCOMPARE(items(d).last(), QStringLiteral("Y - Aft"));
        QVERIFY(d.lbPosition->selectedItems().isEmpty() && d.TurretMode());
        put(ship, 'A');
        put(ship, 'X');
        d.PrepareTurret(ship);
        QCOMPARE(d.lbPosition->count(), 22);
        QCOMPARE(items(d).first(), QStringLiteral("1 - Port forward"));
        QVERIFY(!items(d).join(QLatin1Char('|')).contains(QStringLiteral("X - ")));
        for (char letter : kTurretPositionOrder)
            if (!ship.HasTurretAt(letter)) put(ship, letter);
        d.PrepareTurret(ship);
        QCOMPARE(d.lbPosition->count(), 0);

        // Mounts: both port broadside tubes offered; turrets take no mount position.
        TDesignShip bare(bundledData());
        d.PrepareMount(bare);
        QCOMPARE(d.lbPosition->count(), 16);
        QVERIFY(items(d).contains(QStringLiteral("F - Port broadside (sub)")));
        QVERIFY(items(d).contains(QStringLiteral("L - Port broadside (sub)")));
        put(bare, 'F', true);
        put(bare, 'A');
        d.PrepareMount(bare);
        QCOMPARE(d.lbPosition->count(), 15);
        QVERIFY(!items(d).contains(QStringLiteral("F - Port broadside (sub)")));
        QVERIFY(items(d).contains(QStringLiteral("L - Port broadside (sub)")));
        QVERIFY(items(d).contains(QStringLiteral("A - Forward (sub)")));
    }

    void okChecksPositionThenFactor() {
        platform::ScopedRecordingMessages messages;
        TdlgAddTurret d;
        TDesignShip ship(bundledData());
        d.PrepareTurret(ship);
        d.show();
        d.bnOK->click();
        QCOMPARE(messages.texts(), (std::vector<std::string>{"Select a position", "Select number of guns in turret"}));
        QVERIFY(d.isVisible());
        messages.clear();
        d.lbPosition->setCurrentRow(0);
        d.bnOK->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Select number of guns in turret"});
        QVERIFY(d.isVisible());
        messages.clear();
        d.cbTurretFactor->setCurrentIndex(0);  // "Casemate"
        d.bnOK->click();
        QVERIFY(messages.recorded.empty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        auto turret = d.ChosenTurret();
        QVERIFY(turret && turret->Guns == 0 && turret->Position == 'A');

        // A mount asks for its position only.
        d.PrepareMount(ship);
        d.show();
        QVERIFY(!d.TurretMode());
        QVERIFY(d.seGuns->isVisible() && !d.cbTurretFactor->isVisible());
        d.bnOK->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"Select a position"});
        QVERIFY(d.isVisible());
        d.reject();
    }

    void factorAndTubesPersistBetweenOpenings() {
        TdlgAddTurret d;
        TDesignShip ship(bundledData());
        whenDialogOpens(d, [](TdlgAddTurret& dlg) {
            choosePosition(dlg, QStringLiteral("B - "));
            dlg.cbTurretFactor->setCurrentIndex(3);
            dlg.bnOK->click();
        });
        auto turret = d.ExecuteAddTurret(ship);
        QVERIFY(turret && turret->Position == 'B' && turret->Guns == 3);
        whenDialogOpens(d, [](TdlgAddTurret& dlg) {
            QCOMPARE(dlg.cbTurretFactor->currentText(), QStringLiteral("Triple turret"));
            QVERIFY(dlg.lbPosition->selectedItems().isEmpty());
            dlg.bnCancel->click();
        });
        QVERIFY(!d.ExecuteAddTurret(ship));
    }
};

SHIP_GUI_TEST(AddTurretTests)
#include "AddTurretTests.moc"
