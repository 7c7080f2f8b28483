#include "graphics/qt/PlanImage.h"

#include <QPainter>

#include "combat/FightShip.h"
#include "combat/ShipLayer.h"
#include "graphics/HullOutline.h"
#include "graphics/qt/ShipDrawing.h"
#include "map/qt/MapRenderer.h"

std::optional<QImage> RenderDesignPlan(const std::string& file, const std::string& className,
                                       const TPreferences& preferences, const TPlanImageOptions& options) {
    if (options.Width < 1 || options.Height < 1 || options.Width > 20000 || options.Height > 20000) return std::nullopt;
    TMap map;
    std::unique_ptr<TFightingShip> ship = CreateShipOnLayer(file, className, map, preferences);
    if (!ship) return std::nullopt;
    PlaceDisplayShip(*ship);

    TMapView view;
    view.Altitude = options.Altitude < 1 ? 1 : options.Altitude;
    view.Width = options.Width;
    view.Height = options.Height;
    QImage image(options.Width, options.Height, QImage::Format_RGB32);
    QPainter painter(&image);
    RenderMap(painter, map, view, [&](TMapCanvas& canvas) { DrawShipDetails(canvas, *ship); });
    painter.end();
    return image;
}
