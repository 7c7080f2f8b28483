// The add-turret dialog: free positions, its two OK checks, the turret or
// mount it returns and what it keeps between openings.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

using namespace designertest;

namespace {

void put(Tship& ship, char letter, bool mount = false) {
    if (mount) {
        ship.TorpedoMounts.push_back(std::make_unique<TTorpedomount>());
        ship.TorpedoMounts.back()->Position = letter, ship.TorpedoMounts.back()->Tubes = 2;
    } else {
        ship.Turrets.push_back(std::make_unique<TTurret>());
        ship.Turrets.back()->Position = letter, ship.Turrets.back()->Guns = 2;
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
        QCOMPARE(items(d).size(), 24);
        QCOMPARE(items(d).first() + QLatin1Char('|') + items(d).last(), QStringLiteral("A - Forward|Y - Aft"));
        QVERIFY(d.lbPosition->selectedItems().isEmpty() && d.TurretMode());
        put(ship, 'A');
        put(ship, 'X');
        d.PrepareTurret(ship);
        QCOMPARE(items(d).size(), 22);
        QCOMPARE(items(d).first(), QStringLiteral("1 - Port forward"));
        QVERIFY(!items(d).join(QLatin1Char('|')).contains(QStringLiteral("X - ")));
        for (char letter : kTurretPositionOrder)
            if (!ship.HasTurretAt(letter)) put(ship, letter);
        d.PrepareTurret(ship);
        QCOMPARE(d.lbPosition->count(), 0);

        // Mounts: both port broadside tubes offered; turrets take no mount position.
        TDesignShip bare(bundledData());
        d.PrepareMount(bare);
        QCOMPARE(items(d).size(), 16);
        QVERIFY(items(d).contains(QStringLiteral("F - Port broadside (sub)")));
        put(bare, 'F', true);
        put(bare, 'A');
        d.PrepareMount(bare);
        QCOMPARE(items(d).size(), 15);
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
        // Each click names what is still missing; the dialog stays open until nothing is.
        const std::vector<std::vector<std::string>> wanted = {
            {"Select a position", "Select number of guns in turret"}, {"Select number of guns in turret"}, {}};
        for (size_t step = 0; step < wanted.size(); ++step) {
            if (step == 1) d.lbPosition->setCurrentRow(0);
            if (step == 2) d.cbTurretFactor->setCurrentIndex(0); // "Casemate"
            messages.clear();
            d.bnOK->click();
            QCOMPARE(messages.texts(), wanted[step]);
            QCOMPARE(d.isVisible(), step < 2);
        }
        QCOMPARE(d.result(), int(QDialog::Accepted));
        auto turret = d.ChosenTurret();
        QVERIFY(turret && turret->Guns == 0 && turret->Position == 'A');

        // A mount asks for its position only.
        d.PrepareMount(ship);
        d.show();
        QVERIFY(!d.TurretMode() && d.seGuns->isVisible() && !d.cbTurretFactor->isVisible());
        messages.clear();
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
