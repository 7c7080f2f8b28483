#pragma once
// The map of the planner: both ships at their positions and headings, the
// line of fire and the arc of each turret that bears. The ships are drawn
// around the equator with the scenario's range and bearing, where the flat
// plan view keeps their shapes and angles true.
#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "combat/Duel.h"
#include "designfile/DesignRecord.h"
#include "nations/Preferences.h"

class QPainter;
class QPointF;
class QString;
class TMapCanvas;
class TMapControl;

// "5,000 yd"
std::string YardsLabel(double yards);
// A bar of a round length, about a quarter of `viewWidth`, from `left`.
void DrawYardsBar(QPainter& painter, const QPointF& left, double pixelsPerYard, double viewWidth);
// The same in the bottom left corner of the view.
void DrawScaleBar(TMapCanvas& canvas);
// A label in white on a dark halo, readable over sea and lines alike.
void DrawHaloText(QPainter& painter, const QPointF& at, const QString& text);
// A ship's title in white on a dark halo, off the line of fire to `other`.
void DrawShipTitle(TMapCanvas& canvas, const TGeoPoint& ship, const TGeoPoint& other, const std::string& title);

class TPlannerMap : public QObject {
public:
    TPlannerMap(TMapControl& control, const TPreferences& preferences);
    ~TPlannerMap() override; // the ships leave the control's map first
    TPlannerMap(const TPlannerMap&) = delete;
    TPlannerMap& operator=(const TPlannerMap&) = delete;

    // The two ships to draw, titled with their names; none clears the map.
    void SetShips(const DesignRecord* own, const DesignRecord* opponent);
    // Places them as the scenario says; the arcs of the turrets that bear.
    void Show(const EngagementScenario& scenario, const EngagementFigures& figures);

    const TFightingShip* Own() const { return own_.get(); }
    const TFightingShip* Opponent() const { return opponent_.get(); }

protected:
    // Fits the view again when the control changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Render(TMapCanvas& canvas);
    void Fit();

    TMapControl& control_;
    const TPreferences& preferences_;
    std::unique_ptr<TFightingShip> own_, opponent_;
    std::vector<TurretPosition> ownArcs_, opponentArcs_;
    double range_ = 0;
    TGeoPoint there_{};
};
