#pragma once
// Paints the map model onto any QPainter: the screen for the forms, a QImage
// for sdftool and the reference-image tests. The view is a flat plan:
// x grows with longitude, y with southing (north up), one scale for both.
#include <QColor>
#include <QPointF>

#include <cstdint>
#include <functional>
#include <vector>

#include "map/MapModel.h"

class QPainter;

// Where the view looks and how close. At Altitude 33 one yard is one pixel,
// so a battleship about 470 yards long fills most of a 215 x 527 canvas.
struct TMapView {
    TGeoPoint Centre;
    std::int32_t Altitude = 33;
    int Width = 0;
    int Height = 0;

    // Pixels per globe unit (the same along both axes).
    double Scale() const;
    // Pixels for a length in metres on the ground.
    double MetresToPixels(double metres) const;
    QPointF GeoToScreen(const TGeoPoint& p) const;
    // False when the pixel lies off the globe (beyond 180 degrees of
    // longitude or 90 degrees of latitude); p is left untouched then.
    bool ScreenToGeo(double x, double y, TGeoPoint& p) const;
};

// A TColor (00BBGGRR) as a Qt colour.
QColor ToQColor(TColor colour);

// The canvas handed to the render event: shapes in geographic points drawn
// with the Pen and Brush set before each call.
class TMapCanvas {
public:
    struct TPen {
        TColor Color = clBlack;
        TPenStyle Style = psSolid;
        std::int32_t Width = 1; // pixels
    };
    struct TBrush {
        TColor Color = clWhite;
    };

    TMapCanvas(QPainter& painter, const TMapView& view) : painter_(painter), view_(view) {}

    TPen Pen;
    TBrush Brush;

    // Closed, filled with the brush and outlined with the pen.
    void Polygon(const std::vector<TGeoPoint>& points);
    // Open line through the points.
    void Polyline(const std::vector<TGeoPoint>& points);
    // Straight line from a to b drawn as `segments` pieces (at least one).
    void Line(const TGeoPoint& a, const TGeoPoint& b, int segments);

    const TMapView& View() const { return view_; }
    // For what is drawn in screen pixels (scale bars, readable labels).
    QPainter& Painter() const { return painter_; }

private:
    void applyPen(bool filled);
    QPainter& painter_;
    const TMapView& view_;
};

using TRenderHandler = std::function<void(TMapCanvas&)>;

// The sea colour behind everything.
QColor MapBackgroundColour();

// Fills the background, draws every visible layer in order with its objects'
// presenters (hidden objects skipped, closed ones filled, open ones as
// lines) and their titles (the presenter's title font, alignment and
// offset), then calls onRender to draw on top.
void RenderMap(QPainter& painter, const TMap& map, const TMapView& view, const TRenderHandler& onRender = {});
