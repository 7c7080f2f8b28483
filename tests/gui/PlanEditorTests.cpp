// The plan editor driven with the mouse on the offscreen canvas: funnels,
// outlines, zoom, the pointer text, and the round trip through a save.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "designer/PlanEditor.h"
#include "formats/ProfileFile.h"
#include "map/Geodesy.h"
#include "map/qt/MapControl.h"

#include <QCheckBox>
#include <QTest>

#include <cmath>

using namespace designertest;

namespace {

// The pixel holding the ship's centre.
QPoint centreOf(const TMapControl& globe) {
    const QPointF c = globe.GeoToScreen(TGeoPoint{});
    return {static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y()))};
}

} // namespace

// Every test starts with a shown form on a scratch program directory.
class PlanEditorTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramDir> dir;
    std::unique_ptr<TfrmDesignMain> form;
    TPlanEditor* editor = nullptr;
    TMapControl* globe = nullptr;
    DesignFormWidgets* w = nullptr;
    QPoint c;   // the ship's centre

    // A copy of the bundled Dreadnought in the scratch Custom Files, loaded.
    std::string loadDreadnought() {
        const std::string target = dir->customFile("Dreadnought.sdf");
        QFile::copy(QString::fromStdString(programDir() + "Designs/Dreadnought.sdf"), QString::fromStdString(target));
        platform::ScopedRecordingMessages rec;
        form->LoadDesign(target);
        return target;
    }
    void click(QPoint offset, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(globe, button, {}, c + offset);
    }

private slots:
    void init() {
        dir = std::make_unique<TempProgramDir>();
        form = openForm(dir->path());
        QVERIFY(form);
        editor = dynamic_cast<TPlanEditor*>(form->PlanEditor());
        QVERIFY(editor);
        globe = editor->Canvas();
        w = &form->Widgets();
        c = centreOf(*globe);
    }
    void cleanup() { form.reset(), dir.reset(); }

    void beforeTheFirstSaveTheMapTakesNoClicks() {
        QCOMPARE(globe->Altitude(), 33);
        platform::ScopedRecordingMessages rec;
        w->bnFunnel[0]->click();
        QCOMPARE(editor->EditMode, 1);
        QVERIFY(globe->HandCursor());
        click(QPoint(0, -40));
        QCOMPARE(editor->EditMode, 1);
        QCOMPARE(w->stFunnelPos[0]->text(), QStringLiteral("0"));
        // The pointer text is latitude and longitude only.
        QTest::mouseMove(globe, c + QPoint(-30, -30));
        TGeoPoint p;
        QVERIFY(globe->ScreenToGeo(c.x() - 30, c.y() - 30, p));
        QCOMPARE(w->stPos->text(), QString::fromStdString(TPlanEditor::LatLonText(p)));
        QVERIFY(w->stPos->text().endsWith(QLatin1Char('W')));
        w->bnRefreshGraphics->click();
        QCOMPARE(rec.texts(), std::vector<std::string>{"Save ship first!"});

        w->ZoomInBtn->click();
        QCOMPARE(globe->Altitude(), 30);   // round(29.7)
        w->ZoomOutBtn->click();
        QCOMPARE(globe->Altitude(), 36);
        globe->SetAltitude(2000000000);
        w->ZoomOutBtn->click();   // 2.4e9 would not fit
        QCOMPARE(globe->Altitude(), 2000000000);
    }

    void funnelAndOutlineGoIntoTheNextSave() {
        const std::string path = loadDreadnought();
        QVERIFY(editor->DisplayShip());

        // Funnel 2, oval, 40 pixels (yards at altitude 33) ahead.
        w->cbFunnelOval[1]->setChecked(true);
        w->bnFunnel[1]->click();
        click(QPoint(0, -40));
        QCOMPARE(editor->EditMode, 0);
        const int pos = w->stFunnelPos[1]->text().toInt();
        QVERIFY2(pos <= -39 && pos >= -41, qPrintable(w->stFunnelPos[1]->text()));
        QCOMPARE(editor->DisplayShip()->Funnels[2].Pos, pos);
        QVERIFY(editor->DisplayShip()->Funnels[2].Oval);
        // A funnel placed abeam counts as aft.
        w->bnFunnel[2]->click();
        click(QPoint(20, 0));
        QVERIFY(w->stFunnelPos[2]->text().toInt() > 0);

        // Outline 1: three points on the port half, one ignored on starboard.
        w->bnOutline[0]->click();
        QCOMPARE(editor->EditMode, 10);
        platform::ScopedRecordingMessages rec;
        click(QPoint(-10, -60));
        click(QPoint(-15, -20));
        click(QPoint(30, 0));   // starboard: ignored
        click(QPoint(-12, 30));
        QCOMPARE(editor->PointCount, 3);
        QCOMPARE(w->stNoPoints[0]->text(), QStringLiteral("3"));
        w->cbClosed[0]->setChecked(false);
        click({}, Qt::RightButton);
        QCOMPARE(editor->EditMode, 0);
        QVERIFY(rec.texts().empty());
        const TOutline outline = editor->DisplayShip()->Superstructure[0];
        QVERIFY(!editor->DisplayShip()->IsLine[0]);
        QCOMPARE(outline[3].Distance, outline[2].Distance);   // copies of the last point
        QCOMPARE(outline[20].Distance, outline[0].Distance);  // mirror of the first

        // Save over the loaded file and read it back.
        rec.answerNext(true);
        w->bnSave->click();
        QCOMPARE(rec.texts(), (std::vector<std::string>{"Class exists!\rFile: " + path + "\r Overwrite?",
                                                        "Ship design Dreadnought saved to file: " + path}));
        ProfileFile f(path);
        QCOMPARE(f.ReadInteger("Funnels", "Funnel2Pos", 0), pos);
        QVERIFY(f.ReadBool("Funnels", "Funnel2Oval", false));
        QCOMPARE(f.ReadBool("Superstructure0", "IsLine", true), false);
        QCOMPARE(f.ReadInteger("Superstructure0", "Point1Angle", 0), outline[1].Angle);
        QCOMPARE(f.ReadInteger("Superstructure0", "Point20Distance", 0), outline[20].Distance);
        // A new load shows the saved details.
        form->LoadDesign(path);
        QCOMPARE(editor->DisplayShip()->Funnels[2].Pos, pos);
        QCOMPARE(editor->DisplayShip()->Superstructure[0][5].Angle, outline[5].Angle);
        QCOMPARE(w->stFunnelPos[1]->text().toInt(), pos);
    }

    void eleventhPointAndDeleteFunnel() {
        loadDreadnought();

        w->bnOutline[1]->click();
        QVERIFY(editor->DisplayShip()->IsLine[1]);
        platform::ScopedRecordingMessages rec;
        for (int i = 0; i < 11; ++i) click(QPoint(-5 - i, -100 + 20 * i));
        QCOMPARE(rec.texts(), std::vector<std::string>{"Max 10 points!"});
        QCOMPARE(editor->PointCount, 10);
        const TOutline before = editor->DisplayShip()->Superstructure[1];
        click({}, Qt::RightButton);
        const TOutline& after = editor->DisplayShip()->Superstructure[1];
        for (int j = 0; j < 10; ++j) QCOMPARE(after[static_cast<size_t>(j)].Angle, before[static_cast<size_t>(j)].Angle);
        QCOMPARE(after[10].Angle, after[11].Angle);

        // Delete: Cancel keeps the funnel, OK removes it.
        editor->DisplayShip()->Funnels[1].Pos = -30;
        w->stFunnelPos[0]->setText(QStringLiteral("-30"));
        rec.clear();
        rec.answerNext(false);
        w->bnDeleteFunnel[0]->click();
        QCOMPARE(editor->DisplayShip()->Funnels[1].Pos, -30);
        rec.answerNext(true);
        w->bnDeleteFunnel[0]->click();
        QCOMPARE(rec.texts(), (std::vector<std::string>{"Delete funnel?", "Delete funnel?"}));
        QCOMPARE(editor->DisplayShip()->Funnels[1].Pos, 0);
        QCOMPARE(w->stFunnelPos[0]->text(), QStringLiteral("0"));

        // With a ship shown the pointer text is bearing and range.
        QTest::mouseMove(globe, c + QPoint(0, -50));
        QCOMPARE(w->stPos->text(), QStringLiteral("0 degrees 50 yds"));
    }

    void loadFailureLeavesNoShip() {
        const std::string bad = dir->customFile("Broken.sdf");
        QFile out(QString::fromStdString(bad));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[Data]\r\nNation=99\r\n");
        out.close();
        platform::ScopedRecordingMessages rec;
        editor->LoadDisplayShip(bad);
        QVERIFY(!editor->DisplayShip());
        QVERIFY(!rec.texts().empty() && rec.texts().back() == "Could not load ship!");
    }
};

SHIP_GUI_TEST(PlanEditorTests)
#include "PlanEditorTests.moc"
