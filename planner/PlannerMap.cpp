#include "planner/PlannerMap.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "combat/FightShip.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipLayer.h"
#include "graphics/HullOutline.h"
#include "map/Geodesy.h"
#include "map/qt/MapControl.h"
#include "planner/PlannerChart.h"
#include "platform/Messages.h"

namespace {

constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clOwnArc = 0x00FFD080;      // light blue (00BBGGRR)
constexpr TColor clOpponentArc = 0x004090FF; // orange

void placeShip(TFightingShip& ship, const TGeoPoint& at, std::int32_t heading) {
    ship.SetHeading(heading);
    ship.SetPosition(at);
    RefreshShipMapObjects(ship);
    if (ship.Location) ship.Location->Hidden = false;
    for (TGeoDataObject* o : {ship.SmokeTrail.get(), ship.WakeLine.get(), ship.WakePolygon.get()})
        if (o) o->Hidden = true;
}

// The arcs of a turret position as runs of whole degrees from the bow.
std::vector<std::pair<int, int>> arcsOf(TurretPosition letter, bool crossDeck) {
    TTurret turret;
    turret.Position = letter;
    std::vector<std::pair<int, int>> runs;
    int start = -1;
    for (int b = 0; b <= 360; ++b) {
        const bool bears = b < 360 && TurretCanBear(turret, b, crossDeck, platform::messages());
        if (bears && start < 0) start = b;
        if (!bears && start >= 0) {
            runs.push_back({start, b - 1});
            start = -1;
        }
    }
    // A run through the bow is one arc.
    if (runs.size() > 1 && runs.front().first == 0 && runs.back().second == 359) {
        runs.front().first = runs.back().first - 360;
        runs.pop_back();
    }
    return runs;
}

void drawArcs(TMapCanvas& canvas, const TFightingShip& ship, const std::vector<TurretPosition>& letters, double radius,
              TColor colour) {
    canvas.Pen.Color = colour;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    const TGeoPoint centre = ship.Position();
    for (TurretPosition letter : letters)
        for (const auto& [from, to] : arcsOf(letter, ship.CrossDeckFire)) {
            std::vector<TGeoPoint> wedge{centre};
            for (int b = from; b <= to; b += 3) wedge.push_back(PointAtBearing(centre, ship.Heading + b, radius));
            wedge.push_back(PointAtBearing(centre, ship.Heading + to, radius));
            wedge.push_back(centre);
            canvas.Polyline(wedge);
        }
}

} // namespace

TPlannerMap::TPlannerMap(TMapControl& control, const TPreferences& preferences)
    : control_(control), preferences_(preferences) {
    control_.OnRender = [this](TMapCanvas& canvas) { Render(canvas); };
    control_.installEventFilter(this);
}

bool TPlannerMap::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &control_ && event->type() == QEvent::Resize) Fit();
    return QObject::eventFilter(watched, event);
}

TPlannerMap::~TPlannerMap() {
    control_.removeEventFilter(this);
    control_.OnRender = nullptr;
    opponent_.reset();
    own_.reset();
}

void TPlannerMap::SetShips(const DesignRecord* own, const DesignRecord* opponent) {
    opponent_.reset();
    own_.reset();
    ownArcs_.clear();
    opponentArcs_.clear();
    if (own && opponent) {
        // Their load messages were shown when the fighting ships were made.
        platform::RecordingMessages quiet;
        own_ = CreateShipOnLayer(*own, own->ClassName, control_.Map(), preferences_, quiet);
        opponent_ = CreateShipOnLayer(*opponent, opponent->ClassName, control_.Map(), preferences_, quiet);
        // The map's own titles are black beside the ship, over the line of
        // fire at some bearings; the render draws readable ones instead.
        for (const auto* ship : {own_.get(), opponent_.get()})
            if (ship && ship->Location) ship->Location->Title.clear();
    }
    control_.Redraw();
}

void TPlannerMap::Show(const EngagementScenario& scenario, const EngagementFigures& figures) {
    if (!own_ || !opponent_) return;
    range_ = scenario.Range;
    const TGeoPoint origin{};
    const TGeoPoint there = PointAtBearing(origin, scenario.Bearing, scenario.Range);
    placeShip(*own_, origin, scenario.Own.Heading);
    placeShip(*opponent_, there, scenario.Opponent.Heading);
    there_ = there;
    ownArcs_ = figures.Own.TurretsBearing;
    opponentArcs_ = figures.Opponent.TurretsBearing;
    Fit();
}

// Both ships in view with room for their titles, centred between them: the
// scale follows the range, which the scale bar tells.
void TPlannerMap::Fit() {
    // Yards east and north from the own ship to the opponent (at the
    // equator a globe unit is as long either way).
    const double east = std::fabs(there_.Lon) / kGlobeUnitsPerYard, north = std::fabs(there_.Lat) / kGlobeUnitsPerYard;
    constexpr double kMargin = 70; // pixels beyond each ship for its hull and title
    const double width = std::max(200, control_.width()), height = std::max(100, control_.height());
    const double span = std::max(range_, 500.0);
    const double pixelsPerYard = std::min((width - 2 * kMargin) / std::max(east, span * 0.15),
                                          (height - 2 * kMargin - 20) / std::max(north, span * 0.15));
    control_.SetCentre(TGeoPoint{there_.Lon / 2, there_.Lat / 2, 0});
    control_.SetAltitude(static_cast<std::int32_t>(std::ceil(33.0 / std::max(pixelsPerYard, 1e-6))));
    control_.Redraw();
}

namespace {

// A round length for a bar about a quarter of the view wide.
double scaleLength(double yardsAcross) {
    double best = 100;
    for (double step : {100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0, 50000.0})
        if (step <= yardsAcross / 4) best = step;
    return best;
}

} // namespace

void DrawHaloText(QPainter& painter, const QPointF& at, const QString& text) {
    QPainterPath path;
    path.addText(at, painter.font(), text);
    painter.setPen(QPen(QColor(10, 20, 40), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.fillPath(path, Qt::white);
}

void DrawYardsBar(QPainter& p, const QPointF& left, double pixelsPerYard, double viewWidth) {
    if (!(pixelsPerYard > 0) || viewWidth <= 0) return;
    const double yards = scaleLength(viewWidth / pixelsPerYard);
    const double length = yards * pixelsPerYard;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(left, left + QPointF(length, 0));
    for (double x : {0.0, length}) p.drawLine(left + QPointF(x, -5), left + QPointF(x, 0));
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    DrawHaloText(p, left + QPointF(0, -8), QString::fromStdString(YardsLabel(yards)));
    p.restore();
}

void DrawScaleBar(TMapCanvas& canvas) {
    const TMapView& view = canvas.View();
    DrawYardsBar(canvas.Painter(), QPointF(10, view.Height - 12), view.Scale() * kGlobeUnitsPerYard, view.Width);
}

// A ship's name beside it, across the line of fire from the ship, so it
// never lies over that line.
void DrawShipTitle(TMapCanvas& canvas, const TGeoPoint& ship, const TGeoPoint& other, const std::string& title) {
    QPainter& p = canvas.Painter();
    const QPointF at = canvas.View().GeoToScreen(ship), from = canvas.View().GeoToScreen(other);
    QPointF away = at - from;
    const double length = std::hypot(away.x(), away.y());
    away = length > 0 ? away / length : QPointF(0, 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    const QString text = QString::fromStdString(title);
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text), h = metrics.ascent();
    // Across the line of fire, never along it: below the ship when the line
    // runs mostly across the view, beside it when it runs up and down.
    QPointF centre = std::fabs(away.x()) >= std::fabs(away.y()) ? at + QPointF(0, 26) : at + QPointF(16 + w / 2, 0);
    centre.setX(std::clamp(centre.x(), w / 2 + 2, std::max(w / 2 + 2, canvas.View().Width - w / 2 - 2)));
    centre.setY(std::clamp(centre.y(), h + 2, std::max(h + 2, canvas.View().Height - 24.0)));
    DrawHaloText(p, centre + QPointF(-w / 2, h / 2), text);
    p.restore();
}

std::string YardsLabel(double yards) {
    return YardsText(static_cast<std::int32_t>(std::clamp(std::round(yards), -2e9, 2e9))) + " yd";
}

void TPlannerMap::Render(TMapCanvas& canvas) {
    if (!own_ || !opponent_) return;
    canvas.Pen.Color = clYellow;
    canvas.Pen.Style = psDash;
    canvas.Pen.Width = 1;
    canvas.Line(own_->Position(), opponent_->Position(), 2);
    // A short line ahead of each ship shows its heading.
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 2;
    canvas.Pen.Color = clWhite;
    for (const TFightingShip* ship : {own_.get(), opponent_.get()})
        canvas.Line(ship->Position(), PointAtBearing(ship->Position(), ship->Heading, range_ * 0.12), 1);
    const double radius = range_ * 0.3;
    drawArcs(canvas, *own_, ownArcs_, radius, clOwnArc);
    drawArcs(canvas, *opponent_, opponentArcs_, radius, clOpponentArc);
    DrawShipTitle(canvas, own_->Position(), opponent_->Position(), own_->Name);
    DrawShipTitle(canvas, opponent_->Position(), own_->Position(), opponent_->Name);
    DrawScaleBar(canvas);
}
