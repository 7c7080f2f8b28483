#include "GuiTestRegistry.h"

#include "designer/frmDesign.h"

#include <QTest>

class AppShellTests : public QObject {
    Q_OBJECT
private slots:
    void mainWindowOpensAndCloses() {
        TfrmDesignMain form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Ship design"));
        QVERIFY(form.close());
    }
};

SHIP_GUI_TEST(AppShellTests)
#include "AppShellTests.moc"
