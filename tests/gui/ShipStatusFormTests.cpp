// The design form's "Ship status" button opens the card on the displayed
// ship; the card of a sample design is kept as a screenshot when
// SHIP_STATUS_SCREENSHOT_PATH is set (docs/status-card.png is made so).
#include "ShipStatusTestSupport.h"
#include "GuiTestRegistry.h"

#include <QPixmap>

using namespace statustest;

class ShipStatusFormTests : public QObject {
    Q_OBJECT
private slots:
    void shipStatusButtonOpensTheCardOnTheDisplayedShip() {
        auto form = designertest::openForm();
        QVERIFY(form);
        QPushButton* button = form->ShipStatusButton();
        QVERIFY(button && !button->isEnabled());
        QCOMPARE(button->objectName(), QStringLiteral("bnShipStatus"));
        QCOMPARE(button->text(), QStringLiteral("Ship status"));

        TdlgShipStatus card(form.get());
        form->SetShipStatusDialog(&card);
        platform::ScopedRecordingMessages messages;
        form->LoadDesign(designertest::programDir() + "Designs/Dreadnought.sdf");
        QVERIFY(button->isEnabled());
        QString name, type;
        whenOpens(card, [&] {
            name = card.W.lbShipname->text();
            type = card.W.lbShipType->text();
            card.W.bnClose->click();
        });
        button->click();
        QCOMPARE(name, QStringLiteral("DREADNOUGHT"));
        // Today is long after any obsolete date of the sample designs.
        QCOMPARE(type, QStringLiteral("OLD BRITISH Battleship"));
    }

    void screenshotOfTheCard() {
        auto ship = loadSample(qEnvironmentVariable("SHIP_SCREENSHOT_DESIGN", QStringLiteral("King Edward VII")).toStdString());
        QVERIFY(ship);
        TdlgShipStatus card;
        platform::ScopedRecordingMessages messages;
        card.FillShipStatus(**ship, 0);
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        const QPixmap shot = card.grab();
        const QString target = qEnvironmentVariable("SHIP_STATUS_SCREENSHOT_PATH");
        if (!target.isEmpty()) QVERIFY(shot.save(target));
        QCOMPARE(shot.height(), 770);
    }
};

SHIP_GUI_TEST(ShipStatusFormTests)
#include "ShipStatusFormTests.moc"
