#include "graphics/qt/PlanImage.h"

#include <QPainter>

#include "combat/FightShip.h"
#include "combat/ShipLayer.h"
#include "designfile/DesignRecord.h"
#include "graphics/HullOutline.h"
#include "graphics/qt/ShipDrawing.h"
#include "map/qt/MapRenderer.h"
#include "platform/Messages.h"

namespace {

std::optional<QImage> renderShip(std::unique_ptr<TFightingShip> ship, TMap& map, const TPlanImageOptions& options,
                                 platform::Messages& messages) {
    if (!ship) return std::nullopt;
    PlaceDisplayShip(*ship, messages);
    TMapView view;
    view.Altitude = options.Altitude < 1 ? 1 : options.Altitude;
    view.Width = options.Width;
    view.Height = options.Height;
    QImage image(options.Width, options.Height, QImage::Format_RGB32);
    QPainter painter(&image);
    RenderMap(painter, map, view, [&](TMapCanvas& canvas) { DrawShipDetails(canvas, *ship, messages); });
    painter.end();
    return image;
}

bool sizeAllowed(const TPlanImageOptions& o) {
    return o.Width >= 1 && o.Height >= 1 && o.Width <= 20000 && o.Height <= 20000;
}

} // namespace

std::optional<QImage> RenderDesignPlan(const std::string& file, const std::string& className,
                                       const TPreferences& preferences, const TPlanImageOptions& options,
                                       platform::Messages& messages) {
    if (!sizeAllowed(options)) return std::nullopt;
    TMap map;
    return renderShip(CreateShipOnLayer(file, className, map, preferences, messages), map, options, messages);
}

std::optional<QImage> RenderDesignPlan(const DesignRecord& record, const TPreferences& preferences,
                                       const TPlanImageOptions& options, platform::Messages& messages) {
    if (!sizeAllowed(options)) return std::nullopt;
    TMap map;
    return renderShip(CreateShipOnLayer(record, record.ClassName, map, preferences, messages), map, options, messages);
}
