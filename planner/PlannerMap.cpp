#include "planner/PlannerMap.h"

#include <QEvent>

#include <algorithm>
#include <cmath>

#include "combat/FightShip.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipLayer.h"
#include "graphics/HullOutline.h"
#include "map/Geodesy.h"
#include "map/qt/MapControl.h"
#include "platform/Messages.h"

namespace {

constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clOwnArc = 0x00FFD080;       // light blue (00BBGGRR)
constexpr TColor clOpponentArc = 0x004090FF;  // orange

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
        // At battle ranges a title of 400 m would be a few pixels high; on
        // this map the titles keep a readable size whatever the zoom.
        for (const auto* ship : {own_.get(), opponent_.get()})
            if (ship && ship->Location)
                if (TPresenter* p = control_.Map().FindPresenterByID(ship->Location->PresenterID)) {
                    p->TitleFont = {TGeoUnit::Pixel, 12};
                    p->TitleOffset = 8;
                }
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

// Both ships, their arcs and titles in view, centred between the ships.
void TPlannerMap::Fit() {
    // Yards east and north from the own ship to the opponent (at the
    // equator a globe unit is as long either way).
    const double east = std::fabs(there_.Lon) / kGlobeUnitsPerYard, north = std::fabs(there_.Lat) / kGlobeUnitsPerYard;
    const double arcs = std::max(range_, 500.0) * 0.65;   // an arc's radius beyond each ship
    constexpr double kTitle = 110;                          // pixels for a title right of a ship
    const double width = std::max(200, control_.width()), height = std::max(100, control_.height());
    const double pixelsPerYard = std::min((width - kTitle) / (east + arcs), (height - 10) / (north + arcs));
    // The view's middle sits half a title to the right of the ships' middle.
    const double shift = kTitle / 2 / pixelsPerYard * kGlobeUnitsPerYard;
    control_.SetCentre(TGeoPoint{static_cast<std::int32_t>(there_.Lon / 2 + shift), there_.Lat / 2, 0});
    control_.SetAltitude(static_cast<std::int32_t>(std::ceil(33.0 / pixelsPerYard)));
    control_.Redraw();
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
}
