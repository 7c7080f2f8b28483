// The map renderer: presenters, hidden objects, the render event, pen
// widths, and a reference image of a rendered design (the projection and
// the control's mouse events are driven by the plan editor tests).
//
// To regenerate the reference picture after a deliberate change to the
// drawing, build sdftool and run from the source root:
//   build/bin/sdftool render "tests/gui/reference/Plan Sample BB.sdf"
//       --out tests/gui/reference/plan-sample-bb.png --data build/bin
// then look at the new picture before committing it.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "graphics/qt/PlanImage.h"
#include "map/qt/MapRenderer.h"

#include <QImage>
#include <QPainter>

#include <tuple>

namespace {

std::string referenceDir() { return testsupport::sourceDir() + "tests/gui/reference/"; }

// Pixels whose largest channel difference exceeds `tolerance`.
int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            if (d > tolerance) ++n;
        }
    return n;
}

QImage render(const TMap& map, const TMapView& view, const TRenderHandler& onRender = {}) {
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    QPainter painter(&image);
    RenderMap(painter, map, view, onRender);
    return image;
}

} // namespace

class MapRenderTests : public QObject {
    Q_OBJECT
private slots:
    void presentersHiddenObjectsAndRenderEvent() {
        TMap map;
        TMapLayer& layer = map.LayerByName(kShipLayerName);
        auto presenter = std::make_unique<TPolygonPresenter>();
        presenter->Name = "Test";
        presenter->PolyBrush.BrushColor = 0x000000FF; // red in 00BBGGRR
        const std::int32_t id = layer.AddPresenter(std::move(presenter))->PresenterID;
        TGeoDataObject square(&layer.Objects());
        square.Closed = true;
        square.PresenterID = id;
        const std::int32_t u = static_cast<std::int32_t>(20 * kGlobeUnitsPerYard);
        square.Chain(0).Points = {{-u, u, 0}, {u, u, 0}, {u, -u, 0}, {-u, -u, 0}};
        TMapView view;
        view.Width = view.Height = 100;
        bool called = false;
        QImage image = render(map, view, [&](TMapCanvas& canvas) {
            called = true;
            canvas.Pen.Color = clBlack;
            canvas.Brush.Color = 0x00FF0000; // blue
            const std::int32_t s = static_cast<std::int32_t>(5 * kGlobeUnitsPerYard);
            canvas.Polygon({{-s, s, 0}, {s, s, 0}, {s, -s, 0}, {-s, -s, 0}});
        });
        QVERIFY(called);
        QCOMPARE(image.pixelColor(50 - 12, 50).rgb(), QColor(255, 0, 0).rgb()); // the layer's square
        QCOMPARE(image.pixelColor(50, 50).rgb(), QColor(0, 0, 255).rgb());      // drawn on top
        QCOMPARE(image.pixelColor(5, 5).rgb(), MapBackgroundColour().rgb());
        square.Hidden = true;
        image = render(map, view);
        QCOMPARE(image.pixelColor(50 - 12, 50).rgb(), MapBackgroundColour().rgb());
        // Pen widths in metres grow as the view closes in.
        QVERIFY(std::abs(view.MetresToPixels(6) - 6 * 1.0936) < 1e-6);
        view.Altitude = 11;
        QVERIFY(std::abs(view.MetresToPixels(6) - 3 * 6 * 1.0936) < 1e-6);
    }

    void titlesFollowThePresentersFontAlignmentAndOffset() {
        TMap map;
        TMapLayer& layer = map.LayerByName(kShipLayerName);
        auto presenter = std::make_unique<TPolygonPresenter>();
        presenter->TitleFont = {TGeoUnit::Pixel, 20};
        presenter->TitleOffset = 30;
        TPresenter* p = layer.AddPresenter(std::move(presenter));
        TGeoDataObject ship(&layer.Objects());
        ship.PresenterID = p->PresenterID;
        ship.Title = "BB Test";
        ship.SetPosition(TGeoPoint{});
        TMapView view;
        view.Width = 300, view.Height = 60;
        // Dark text pixels in a column band of the picture.
        auto inked = [&](int from, int to) {
            const QImage image = render(map, view);
            for (int x = from; x < to; ++x)
                for (int y = 0; y < view.Height; ++y)
                    if (qGray(image.pixel(x, y)) < 40) return true;
            return false;
        };
        for (auto [alignment, left, right] : {std::tuple{taRight, false, true}, {taLeft, true, false}}) {
            p->TitleAlignment = alignment;
            QCOMPARE(inked(0, 150 - 30), left);
            QCOMPARE(inked(150 + 30, 300), right);
            QVERIFY(!inked(150 - 29, 150 + 29)); // the offset keeps the point clear
        }
    }

    void renderedDesignMatchesTheReference() {
        // Hull colours come from the nation colours of the preferences.
        const TPreferences& preferences = designertest::bundledData().Preferences;
        platform::RecordingMessages rec;
        const auto image =
            RenderDesignPlan(referenceDir() + "Plan Sample BB.sdf", "Plan Sample BB", preferences, {}, rec);
        QVERIFY(image);
        QVERIFY(rec.texts().empty());
        const QImage reference(QString::fromStdString(referenceDir() + "plan-sample-bb.png"));
        QVERIFY(!reference.isNull());
        QCOMPARE(image->size(), reference.size());
        // Anti-aliasing may differ a little between Qt builds; the shapes may not.
        const int bad = differingPixels(image->convertToFormat(QImage::Format_RGB32),
                                        reference.convertToFormat(QImage::Format_RGB32), 40);
        QVERIFY2(bad <= image->width() * image->height() / 200, qPrintable(QString::number(bad)));
    }
};

SHIP_GUI_TEST(MapRenderTests)
#include "MapRenderTests.moc"
