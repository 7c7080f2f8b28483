#include "map/qt/MapRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <cmath>

namespace {

// At Altitude 33 one yard is one pixel.
constexpr double kPixelsPerYardAt1 = 33.0;
constexpr double kYardsPerMetre = 1.0936;
constexpr double kLonLimit = 180.0 * kGlobeUnitsPerDegree;
constexpr double kLatLimit = 90.0 * kGlobeUnitsPerDegree;

Qt::PenStyle qtPenStyle(TPenStyle style) {
    switch (style) {
    case psSolid: return Qt::SolidLine;
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

QPolygonF toScreen(const TMapView& view, const std::vector<TGeoPoint>& points) {
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const TGeoPoint& p : points) poly << view.GeoToScreen(p);
    return poly;
}

void drawObject(QPainter& painter, const TMapView& view, const TGeoDataObject& object, const TPresenter* presenter) {
    const auto* poly = dynamic_cast<const TPolyPresenter*>(presenter);
    const auto* polygon = dynamic_cast<const TPolygonPresenter*>(presenter);
    TPolyPen pen; // objects without a presenter are drawn in thin black
    if (poly) pen = poly->PolyPen;
    double width = pen.PenWidth;
    if (pen.PenUnit == TGeoUnit::Meter) width = view.MetresToPixels(pen.PenWidth);
    QPen qpen(ToQColor(pen.PenColor));
    qpen.setStyle(qtPenStyle(pen.PenStyle));
    qpen.setWidthF(width < 1 ? 1 : width);
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(qpen);
    const bool filled = object.Closed && polygon && polygon->PolyBrush.BrushStyle == bsSolid;
    painter.setBrush(filled ? QBrush(ToQColor(polygon->PolyBrush.BrushColor)) : QBrush(Qt::NoBrush));
    for (const TGeoChain& chain : object.Chains) {
        if (chain.Count() == 0) continue;
        const QPolygonF screen = toScreen(view, chain.Points);
        if (object.Closed && chain.Count() >= 3) painter.drawPolygon(screen, Qt::WindingFill);
        else painter.drawPolyline(screen);
    }
}

// Pixels for a length in the presenter's unit.
double unitPixels(const TMapView& view, TGeoUnit unit, double length) {
    return unit == TGeoUnit::Meter ? view.MetresToPixels(length) : length;
}

// An object's title beside its position, in the presenter's title font,
// alignment and offset. Titles too small to read or too large to draw
// are left out.
void drawTitle(QPainter& painter, const TMapView& view, const TGeoDataObject& object, const TPresenter& presenter) {
    const double size = unitPixels(view, presenter.TitleFont.FontUnit, presenter.TitleFont.FontSize);
    if (!std::isfinite(size) || size < 3 || size > 2000) return;
    const double offset = unitPixels(view, presenter.TitleFont.FontUnit, presenter.TitleOffset);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(std::lround(size)));
    painter.setFont(font);
    const auto* poly = dynamic_cast<const TPolyPresenter*>(&presenter);
    painter.setPen(ToQColor(poly ? poly->PolyPen.PenColor : clBlack));
    const QString text = QString::fromStdString(object.Title);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const QPointF at = view.GeoToScreen(object.Centroid());
    double x = at.x() + offset; // taRight: starts right of the point
    if (presenter.TitleAlignment == taLeft) x = at.x() - offset - width;
    else if (presenter.TitleAlignment == taCenter) x = at.x() - width / 2;
    const double baseline = at.y() + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(x, baseline), text);
}

} // namespace

double TMapView::Scale() const {
    const double altitude = Altitude < 1 ? 1.0 : static_cast<double>(Altitude);
    return kPixelsPerYardAt1 / altitude / kGlobeUnitsPerYard;
}

double TMapView::MetresToPixels(double metres) const { return metres * kYardsPerMetre * kGlobeUnitsPerYard * Scale(); }

QPointF TMapView::GeoToScreen(const TGeoPoint& p) const {
    const double s = Scale();
    return {Width / 2.0 + (static_cast<double>(p.Lon) - Centre.Lon) * s,
            Height / 2.0 - (static_cast<double>(p.Lat) - Centre.Lat) * s};
}

bool TMapView::ScreenToGeo(double x, double y, TGeoPoint& p) const {
    const double s = Scale();
    const double lon = Centre.Lon + (x - Width / 2.0) / s;
    const double lat = Centre.Lat - (y - Height / 2.0) / s;
    if (!std::isfinite(lon) || !std::isfinite(lat) || std::fabs(lon) > kLonLimit || std::fabs(lat) > kLatLimit)
        return false;
    p.Lon = static_cast<std::int32_t>(std::lround(lon));
    p.Lat = static_cast<std::int32_t>(std::lround(lat));
    p.Height = 0;
    return true;
}

QColor ToQColor(TColor colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QColor MapBackgroundColour() { return QColor(46, 98, 148); }

void TMapCanvas::applyPen(bool filled) {
    QPen pen(ToQColor(Pen.Color));
    pen.setStyle(qtPenStyle(Pen.Style));
    pen.setWidthF(Pen.Width < 1 ? 1.0 : Pen.Width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(filled ? QBrush(ToQColor(Brush.Color)) : QBrush(Qt::NoBrush));
}

void TMapCanvas::Polygon(const std::vector<TGeoPoint>& points) {
    if (points.empty()) return;
    applyPen(true);
    painter_.drawPolygon(toScreen(view_, points), Qt::WindingFill);
}

void TMapCanvas::Polyline(const std::vector<TGeoPoint>& points) {
    if (points.empty()) return;
    applyPen(false);
    painter_.drawPolyline(toScreen(view_, points));
}

void TMapCanvas::Line(const TGeoPoint& a, const TGeoPoint& b, int segments) {
    if (segments < 1) segments = 1;
    applyPen(false);
    QPolygonF line;
    const QPointF pa = view_.GeoToScreen(a), pb = view_.GeoToScreen(b);
    for (int i = 0; i <= segments; ++i) line << pa + (pb - pa) * (static_cast<double>(i) / segments);
    painter_.drawPolyline(line);
}

void RenderMap(QPainter& painter, const TMap& map, const TMapView& view, const TRenderHandler& onRender) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(0, 0, view.Width, view.Height), MapBackgroundColour());
    for (int i = 0; i < map.LayerCount(); ++i) {
        const TMapLayer* layer = map.Layer(i);
        if (!layer || !layer->Visible) continue;
        const TGeoObjectStore* store = layer->ObjectsIfAny();
        if (!store) continue;
        for (int j = 0; j < store->Count(); ++j) {
            const TGeoDataObject* object = store->Item(j);
            if (!object || object->Hidden) continue;
            drawObject(painter, view, *object, map.FindPresenterByID(object->PresenterID));
        }
        for (int j = 0; j < store->Count(); ++j) {
            const TGeoDataObject* object = store->Item(j);
            if (!object || object->Hidden || object->Title.empty()) continue;
            if (const TPresenter* presenter = map.FindPresenterByID(object->PresenterID))
                drawTitle(painter, view, *object, *presenter);
        }
    }
    if (onRender) {
        TMapCanvas canvas(painter, view);
        onRender(canvas);
    }
    painter.restore();
}
