// Grabs the design form with a sample design loaded. With SHIP_SCREENSHOT_PATH
// set the picture is kept there (docs/designer.png is made this way).
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

using namespace designertest;

class DesignerScreenshotTests : public QObject {
    Q_OBJECT
private slots:
    void formWithSampleDesign() {
        auto form = openForm();
        QVERIFY(form);
        const QStringList samples = QDir(QString::fromStdString(programDir() + "Designs"))
                                        .entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name);
        {
            platform::ScopedRecordingMessages messages;
            if (!samples.isEmpty()) {
                const QString wanted = qEnvironmentVariable("SHIP_SCREENSHOT_DESIGN");
                const QString pick = samples.contains(wanted) ? wanted : samples.first();
                form->LoadDesign(programDir() + "Designs/" + pick.toStdString());
                QVERIFY(!form->Widgets().edName->text().isEmpty());
            }
        }
        const QPixmap shot = form->grab();
        QCOMPARE(shot.size(), form->size());
        const QString target = qEnvironmentVariable("SHIP_SCREENSHOT_PATH");
        if (!target.isEmpty()) QVERIFY(shot.save(target));
    }
};

SHIP_GUI_TEST(DesignerScreenshotTests)
#include "DesignerScreenshotTests.moc"
