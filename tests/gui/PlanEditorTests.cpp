// The plan editor driven with the mouse on the offscreen canvas: one test
// per kind of edit (funnel, outline, delete), each saved and read back; zoom
// and the pointer text.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "designer/PlanEditor.h"
#include "formats/ProfileFile.h"
#include "map/Geodesy.h"
#include "map/qt/MapControl.h"

#include <QScrollArea>

#include <cmath>

using namespace designertest;

// Every test starts with a shown form on a scratch program directory.
class PlanEditorTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramDir> dir;
    std::unique_ptr<TfrmDesignMain> form;
    TPlanEditor* editor = nullptr;
    TMapControl* globe = nullptr;
    DesignFormWidgets* w = nullptr;
    QPoint c; // the pixel holding the ship's centre
    std::string path;

    // A copy of the bundled Dreadnought in the scratch Custom Files, loaded.
    void loadDreadnought() {
        path = dir->customFile("Dreadnought.sdf");
        QFile::copy(QString::fromStdString(programDir() + "Designs/Dreadnought.sdf"), QString::fromStdString(path));
        platform::ScopedRecordingMessages rec;
        form->LoadDesign(path);
    }
    void click(QPoint offset, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(globe, button, {}, c + offset);
    }
    // Saves over the loaded file, loads it again and returns the file.
    ProfileFile saveAndReload() {
        platform::ScopedRecordingMessages rec;
        rec.answerNext(true);
        w->bnSave->click();
        [&] {
            QCOMPARE(rec.texts(), (std::vector<std::string>{"Class exists!\rFile: " + path + "\r Overwrite?",
                                                            "Ship design Dreadnought saved to file: " + path}));
        }();
        form->LoadDesign(path);
        return ProfileFile(path);
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
        // The form scrolls on a small screen: bring the canvas into view so
        // the mouse reaches it.
        if (auto* scroll = form->findChild<QScrollArea*>()) scroll->ensureWidgetVisible(globe);
        const QPointF centre = globe->GeoToScreen(TGeoPoint{});
        c = {static_cast<int>(std::floor(centre.x())), static_cast<int>(std::floor(centre.y()))};
    }
    void cleanup() { form.reset(), dir.reset(); }

    void beforeTheFirstSaveTheMapTakesNoClicks() {
        QCOMPARE(globe->Altitude(), 33);
        platform::ScopedRecordingMessages rec;
        w->bnFunnel[0]->click();
        QVERIFY(editor->EditMode == 1 && globe->HandCursor());
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
        QCOMPARE(globe->Altitude(), 30); // round(29.7)
        w->ZoomOutBtn->click();
        QCOMPARE(globe->Altitude(), 36);
        globe->SetAltitude(2000000000);
        w->ZoomOutBtn->click(); // 2.4e9 would not fit
        QCOMPARE(globe->Altitude(), 2000000000);
    }

    void placedFunnelsAreSavedAndReadBack() {
        loadDreadnought();
        QVERIFY(editor->DisplayShip());
        // Funnel 2, oval, 40 pixels (yards at altitude 33) ahead.
        w->cbFunnelOval[1]->setChecked(true);
        w->bnFunnel[1]->click();
        click(QPoint(0, -40));
        QCOMPARE(editor->EditMode, 0);
        const int pos = w->stFunnelPos[1]->text().toInt();
        QVERIFY2(pos <= -39 && pos >= -41, qPrintable(w->stFunnelPos[1]->text()));
        QVERIFY(editor->DisplayShip()->Funnels[2].Pos == pos && editor->DisplayShip()->Funnels[2].Oval);
        // A funnel placed abeam counts as aft.
        w->bnFunnel[2]->click();
        click(QPoint(20, 0));
        QVERIFY(w->stFunnelPos[2]->text().toInt() > 0);

        ProfileFile f = saveAndReload();
        QCOMPARE(f.ReadInteger("Funnels", "Funnel2Pos", 0), pos);
        QVERIFY(f.ReadBool("Funnels", "Funnel2Oval", false));
        QCOMPARE(editor->DisplayShip()->Funnels[2].Pos, pos);
        QCOMPARE(w->stFunnelPos[1]->text().toInt(), pos);
    }

    void drawnOutlinesAreSavedAndReadBack() {
        loadDreadnought();
        // Outline 1: three points on the port half, one ignored on starboard.
        w->bnOutline[0]->click();
        QCOMPARE(editor->EditMode, 10);
        platform::ScopedRecordingMessages rec;
        for (QPoint at : {QPoint(-10, -60), QPoint(-15, -20), QPoint(30, 0), QPoint(-12, 30)}) click(at);
        QCOMPARE(editor->PointCount, 3);
        QCOMPARE(w->stNoPoints[0]->text(), QStringLiteral("3"));
        w->cbClosed[0]->setChecked(false);
        click({}, Qt::RightButton);
        QCOMPARE(editor->EditMode, 0);
        const TOutline outline = editor->DisplayShip()->Superstructure[0];
        QVERIFY(!editor->DisplayShip()->IsLine[0]);
        QCOMPARE(outline[20].Distance, outline[0].Distance); // mirror of the first

        // Outline 2: the eleventh point is refused.
        w->bnOutline[1]->click();
        QVERIFY(editor->DisplayShip()->IsLine[1]);
        for (int i = 0; i < 11; ++i) click(QPoint(-5 - i, -100 + 20 * i));
        QCOMPARE(rec.texts(), std::vector<std::string>{"Max 10 points!"});
        QCOMPARE(editor->PointCount, 10);
        const TOutline before = editor->DisplayShip()->Superstructure[1];
        click({}, Qt::RightButton);
        const TOutline line = editor->DisplayShip()->Superstructure[1];
        for (size_t j = 0; j < 10; ++j) QCOMPARE(line[j].Angle, before[j].Angle);
        QCOMPARE(line[10].Angle, line[11].Angle);

        ProfileFile f = saveAndReload();
        QCOMPARE(f.ReadBool("Superstructure0", "IsLine", true), false);
        QCOMPARE(f.ReadInteger("Superstructure0", "Point1Angle", 0), outline[1].Angle);
        QCOMPARE(f.ReadInteger("Superstructure1", "Point11Angle", 0), line[11].Angle);
        QCOMPARE(editor->DisplayShip()->Superstructure[0][5].Angle, outline[5].Angle);
        QCOMPARE(editor->DisplayShip()->Superstructure[1][9].Distance, line[9].Distance);
    }

    void deletedFunnelIsSavedAndReadBack() {
        loadDreadnought();
        // Cancel keeps the funnel, OK removes it.
        platform::ScopedRecordingMessages rec;
        rec.answerNext(false);
        w->bnDeleteFunnel[0]->click();
        QCOMPARE(editor->DisplayShip()->Funnels[1].Pos, -92);
        rec.answerNext(true);
        w->bnDeleteFunnel[0]->click();
        QCOMPARE(rec.texts(), (std::vector<std::string>{"Delete funnel?", "Delete funnel?"}));
        QCOMPARE(editor->DisplayShip()->Funnels[1].Pos, 0);
        QCOMPARE(w->stFunnelPos[0]->text(), QStringLiteral("0"));
        // With a ship shown the pointer text is bearing and range.
        QTest::mouseMove(globe, c + QPoint(0, -50));
        QCOMPARE(w->stPos->text(), QStringLiteral("0 degrees 50 map yds"));

        QCOMPARE(saveAndReload().ReadInteger("Funnels", "Funnel1Pos", -1), 0);
        QCOMPARE(editor->DisplayShip()->Funnels[1].Pos, 0);
        QCOMPARE(editor->DisplayShip()->Funnels[2].Pos, -45);
    }

    void loadFailureLeavesNoShip() {
        const std::string bad = dir->customFile("Broken.sdf");
        QFile out(QString::fromStdString(bad));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[Data]\r\nNation=99\r\n");
        out.close();
        platform::RecordingMessages rec;
        editor->LoadDisplayShip(bad, rec);
        QVERIFY(!editor->DisplayShip());
        QVERIFY(!rec.texts().empty() && rec.texts().back() == "Could not load ship!");
    }
};

SHIP_GUI_TEST(PlanEditorTests)
#include "PlanEditorTests.moc"
