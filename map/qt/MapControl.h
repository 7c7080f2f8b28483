#pragma once
// The map control: a thin widget around the map model that owns the view
// (centre and Altitude), paints through the renderer and forwards mouse
// events. Mouse zooming, selecting and rotating are not offered.
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "map/MapModel.h"
#include "map/qt/MapRenderer.h"

class TMapControl : public QWidget {
    Q_OBJECT
public:
    explicit TMapControl(QWidget* parent = nullptr);
    ~TMapControl() override;

    // The control's own map model (layers, presenters, objects).
    TMap& Map() { return map_; }
    const TMap& Map() const { return map_; }

    std::int32_t Altitude() const { return altitude_; }
    // Values below 1 are taken as 1.
    void SetAltitude(std::int32_t altitude);
    TGeoPoint Centre() const { return centre_; }
    void SetCentre(const TGeoPoint& centre);

    // The view of the control at its present size.
    TMapView View() const;
    // Control pixel (taken at its middle) to a geographic point; false when
    // off the globe.
    bool ScreenToGeo(int x, int y, TGeoPoint& p) const;
    QPointF GeoToScreen(const TGeoPoint& p) const;

    // Marks the layers changed and repaints.
    void Redraw();
    // The picture the control shows, drawn offscreen at its present size.
    QImage RenderToImage() const;

    // The hand pointer (true) or the default cursor.
    void SetHandCursor(bool hand);
    bool HandCursor() const { return hand_; }

    // Called after the layers are drawn, to draw on top.
    TRenderHandler OnRender;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TMap map_;
    TGeoPoint centre_;
    std::int32_t altitude_ = 33;
    bool hand_ = false;
};
