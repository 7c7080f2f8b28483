#include "graphics/qt/ShipDrawing.h"

#include "combat/FightShip.h"
#include "graphics/ShipDetails.h"
#include "graphics/TurretIcons.h"
#include "nations/Preferences.h"

namespace {

void setSolidPen(TMapCanvas& canvas, TColor colour) {
    canvas.Pen.Color = colour;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
}

} // namespace

void DrawSuperstructure(TMapCanvas& canvas, const TFightingShip& ship) {
    setSolidPen(canvas, clBlack);
    canvas.Brush.Color = clSilver;
    for (int k = 0; k < 4; ++k) {
        const TPointList points = SuperstructurePoints(ship, k);
        if (points.empty()) continue;
        if (ship.IsLine[static_cast<size_t>(k)]) canvas.Polyline(points);
        else canvas.Polygon(points);
    }
    if (ship.ShipType == stLT || !ship.WakeLine) return;
    const TGeoChain* track = ship.WakeLine->FindChain(1);
    if (!track || track->Count() < 2) return;
    canvas.Pen.Color = clCyan;
    canvas.Pen.Style = psDot;
    canvas.Pen.Width = 1;
    canvas.Line((*track)[0], (*track)[1], 2);
}

void DrawFunnels(TMapCanvas& canvas, const TFightingShip& ship) {
    setSolidPen(canvas, clBlack);
    canvas.Brush.Color = clBlack;
    for (int i = 1; i <= 4; ++i) {
        const TPointList points = FunnelPoints(ship, i);
        if (!points.empty()) canvas.Polygon(points);
    }
}

void DrawTurrets(TMapCanvas& canvas, const TFightingShip& ship, platform::Messages& messages) {
    setSolidPen(canvas, clBlack);
    const std::vector<TPointList> icons = MainTurretIcons(ship, messages);
    for (size_t i = 0; i < icons.size() && i < ship.Turrets.size(); ++i) {
        const TFightingTurret* ft = TFightingShip::AsFighting(ship.Turrets[i].get());
        if (ft && ft->Knocked) canvas.Brush.Color = clBlack;
        else if (ft && ft->DisabledTurns != 0) canvas.Brush.Color = clGrey;
        else canvas.Brush.Color = clSilver;
        if (!icons[i].empty()) canvas.Polygon(icons[i]);
    }
}

void DrawSecondaryMounts(TMapCanvas& canvas, const TFightingShip& ship, platform::Messages& messages) {
    setSolidPen(canvas, clBlack);
    canvas.Brush.Color = clSilver;
    for (const TSecondaryMountIcon& icon : SecondaryMountIcons(ship, messages))
        if (!icon.Points.empty()) canvas.Polygon(icon.Points);
}

void DrawShipDetails(TMapCanvas& canvas, const TFightingShip& ship, platform::Messages& messages) {
    DrawSuperstructure(canvas, ship);
    DrawFunnels(canvas, ship);
    DrawTurrets(canvas, ship, messages);
    DrawSecondaryMounts(canvas, ship, messages);
}
