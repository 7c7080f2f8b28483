#include "graphics/HullOutline.h"

#include "combat/FightShip.h"
#include "combat/ShipTypes.h"
#include "map/Geodesy.h"
#include "platform/Messages.h"
#include "platform/Round.h"

namespace {

// Station distances in yards at size figure 20.
constexpr std::array<std::int32_t, 6> kStationsDD_CL{242, 205, 164, 113, 72, 37};
constexpr std::array<std::int32_t, 6> kStationsB_TR{230, 202, 170, 129, 90, 46};
constexpr std::array<std::int32_t, 6> kStationsBB{230, 201, 166, 120, 80, 42};
constexpr std::array<std::int32_t, 6> kStationsBC{230, 196, 160, 117, 80, 42};
constexpr std::array<std::int32_t, 6> kStationsOther{238, 200, 164, 115, 74, 39};

bool isEnemy(const TFightingShip& ship) { return ship.Side != PlayerSide; }

TPointList sunkLightTarget(const TGeoPoint& c) {
    static constexpr int kSteps[11][2] = {{180, 50}, {270, 100}, {330, 200}, {130, 100}, {10, 120}, {150, 90},
                                          {30, 80},  {150, 60},  {40, 90},   {160, 90},  {40, 60}};
    TPointList points;
    TGeoPoint at = c;
    for (const auto& step : kSteps) {
        at = PointAtBearing(at, step[0], step[1]);
        points.push_back(at);
    }
    points.push_back(PointAtBearing(PointAtBearing(c, 180, 50), 90, 100));
    return points;
}

} // namespace

std::int32_t HullSizeUnits(const TFightingShip& ship) {
    if (ship.SightingLevel == 1 && !ship.ShownInFull) return 15;
    return ShipSizeUnits(ship);
}

std::array<std::int32_t, 6> HullStations(int shipType, std::int32_t u) {
    const std::array<std::int32_t, 6>* table = &kStationsOther;
    switch (shipType) {
    case stCL:
    case stDD: table = &kStationsDD_CL; break;
    case stB:
    case stTR: table = &kStationsB_TR; break;
    case stBB: table = &kStationsBB; break;
    case stBC: table = &kStationsBC; break;
    default: break;
    }
    std::array<std::int32_t, 6> d{};
    for (size_t i = 0; i < d.size(); ++i) d[i] = platform::Div((*table)[i] * u, 20);
    return d;
}

TPointList HullOutline(const TFightingShip& ship) {
    const TGeoPoint c = ship.Position();
    const std::int32_t h = ship.Heading;
    if (ship.ShipType == stLT) {
        if (ship.Sunk) return sunkLightTarget(c);
        TPointList points;
        if (!ship.Turrets.empty() && !(isEnemy(ship) && ship.SightingLevel < 2)) {
            for (int b : {15, 165, 195, 345}) points.push_back(PointAtBearing(c, NormalizeBearing(h, b), 190));
        } else {
            for (int b : {45, 135, 225, 315}) points.push_back(PointAtBearing(c, b, 200));
        }
        return points;
    }
    const std::int32_t u = HullSizeUnits(ship);
    const auto D = HullStations(ship.ShipType, u);
    if (ship.Sunk) return {PointAtBearing(c, 270, D[2]), PointAtBearing(c, 45, D[0]), PointAtBearing(c, 90, D[3])};

    const bool shortStern = ship.ShipType == stAMC || ship.ShipType == stTR || ship.ShipType == stAV;
    const double stern = shortStern ? D[0] * 0.92 : D[0];
    const std::pair<int, double> stations[20] = {{0, D[0] * 1.02}, {5, D[1]},   {10, D[2]},  {18, D[3]},  {30, D[4]},
                                                 {90, D[5]},       {150, D[4]}, {162, D[3]}, {170, D[2]}, {175, D[1]},
                                                 {180, stern},     {185, D[1]}, {190, D[2]}, {198, D[3]}, {210, D[4]},
                                                 {270, D[5]},      {330, D[4]}, {342, D[3]}, {350, D[2]}, {355, D[1]}};
    TPointList points;
    points.reserve(20);
    for (const auto& [b, d] : stations) points.push_back(PointAtBearing(c, NormalizeBearing(h, b), d));
    return points;
}

TPointList WakePolygonPoints(const TFightingShip& ship) {
    if (ship.ShipType == stLT) return {};
    if (ship.Sunk || (isEnemy(ship) && ship.SightingLevel < 2)) return {};
    const TGeoPoint c = ship.Position();
    const std::int32_t h = ship.Heading;
    const std::int32_t u = HullSizeUnits(ship);
    const std::int32_t L = platform::Div(15 * u, 10);
    TPointList points;
    points.push_back(PointAtBearing(c, NormalizeBearing(h, 155), 3.0 * L));
    const TGeoChain* track = ship.WakeLine ? ship.WakeLine->FindChain(1) : nullptr;
    const int n = track ? track->Count() : 0;
    if (n == 2) {
        points.push_back(PointAtBearing(c, NormalizeBearing(h, 180), 500));
    } else if (n >= 4) {
        const TGeoPoint& towards = (*track)[n / 4];
        points.push_back(PointAtBearing(c, CompassBearing(c, towards), static_cast<double>(u) * 20));
    }
    points.push_back(PointAtBearing(c, NormalizeBearing(h, 205), 3.0 * L));
    return points;
}

bool WakeVisible(const TFightingShip& ship) {
    if (ship.Sunk || ship.SinkingCount >= 1) return false;
    if (isEnemy(ship)) return ship.SightingLevel >= 3;
    return ship.ShownInFull || ship.ShowWake;
}

void RefreshShipMapObjects(TFightingShip& ship) {
    if (ship.SmokeTrail) ship.SmokeTrail->Hidden = true;
    if (ship.ShipType != stLT && ship.WakeLine) ship.WakeLine->Chain(0).Clear();
    if (!ship.Location || ship.Location->Hidden) return;

    const bool wakeShown = WakeVisible(ship);
    if (ship.WakePolygon) ship.WakePolygon->Hidden = !wakeShown;
    if (ship.WakeLine) ship.WakeLine->Hidden = !wakeShown;

    // The location object keeps its stored position, so refilling its chain
    // around the centre never moves the ship.
    TGeoChain& hull = ship.Location->Chain(0);
    hull.Points = HullOutline(ship);
    ship.Location->Closed = true;

    if (ship.ShipType != stLT && ship.WakePolygon) {
        ship.WakePolygon->Chain(0).Points = WakePolygonPoints(ship);
        if (ship.WakePolygon->Chain(0).Count() == 0 && ship.WakeLine) {
            ship.WakeLine->Chain(0).Clear();
            ship.WakeLine->Chain(1).Clear();
        }
    }
}

void PlaceDisplayShip(TFightingShip& ship, platform::Messages& messages) {
    ship.Side = 0;
    ship.SetPosition(TGeoPoint{});
    ship.SetHeading(0);
    RefreshShipMapObjects(ship);
    if (ship.Location) ship.Location->Hidden = false;
    ship.ResetTurretTraining(messages);
}
