#include "map/qt/MapControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TMapControl::TMapControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Globe41"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(16, 16);
}

TMapControl::~TMapControl() {
    // The handlers may refer to objects that die before the control.
    OnRender = nullptr;
    OnMouseMove = nullptr;
    OnMouseUp = nullptr;
}

void TMapControl::SetAltitude(std::int32_t altitude) {
    altitude_ = altitude < 1 ? 1 : altitude;
    Redraw();
}

void TMapControl::SetCentre(const TGeoPoint& centre) {
    centre_ = centre;
    Redraw();
}

TMapView TMapControl::View() const {
    TMapView view;
    view.Centre = centre_;
    view.Altitude = altitude_;
    view.Width = width();
    view.Height = height();
    return view;
}

// A mouse pixel stands for its middle.
bool TMapControl::ScreenToGeo(int x, int y, TGeoPoint& p) const { return View().ScreenToGeo(x + 0.5, y + 0.5, p); }

QPointF TMapControl::GeoToScreen(const TGeoPoint& p) const { return View().GeoToScreen(p); }

void TMapControl::Redraw() {
    map_.MarkChanged();
    update();
}

QImage TMapControl::RenderToImage() const {
    QImage image(width(), height(), QImage::Format_RGB32);
    QPainter painter(&image);
    RenderMap(painter, map_, View(), OnRender);
    return image;
}

void TMapControl::SetHandCursor(bool hand) {
    hand_ = hand;
    if (hand) setCursor(Qt::PointingHandCursor);
    else unsetCursor();
}

void TMapControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RenderMap(painter, map_, View(), OnRender);
}

void TMapControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove) OnMouseMove(p.x(), p.y());
}

void TMapControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseUp) OnMouseUp(event->button(), p.x(), p.y());
}

// The wheel does not zoom; zooming is the form's buttons only.
void TMapControl::wheelEvent(QWheelEvent* event) { event->ignore(); }
