#pragma once
// The plan editor of the design form's right-hand column: the map canvas
// Globe41 with the displayed ship, funnel placing, superstructure outlines
// drawn on the port side and mirrored, zoom, and the pointer text.
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "designer/DesignHistory.h"
#include "designer/PlanEditorHook.h"
#include "map/GeoTypes.h"

class TfrmDesignMain;
class TFightingShip;
class TMapCanvas;
class TMapControl;

class TPlanEditor : public QObject, public TPlanEditorHook {
    Q_OBJECT
public:
    // Puts its map canvas into the form's pnlPlan and wires the column's
    // buttons; the form owns the canvas, the form owns the editor.
    explicit TPlanEditor(TfrmDesignMain& form);
    ~TPlanEditor() override;

    TMapControl* Canvas() const { return globe_; }
    TFightingShip* DisplayShip() const { return displayShip_.get(); }

    std::int32_t EditMode = 0;
    std::int32_t PointCount = 0;
    TGeoPoint LastPoint;
    TGeoPoint MousePoint;

    // TPlanEditorHook
    bool HasDisplayShip() const override { return displayShip_ != nullptr; }
    void StoreLineFlags(const std::array<bool, 4>& isLine) override;
    std::optional<DesignOutlines> DisplayShipOutlines() const override;
    void LoadDisplayShip(const std::string& path, platform::Messages& messages) override;

    // The displayed ship's file, funnels and outlines, for undo; restoring
    // rebuilds the displayed ship when it came from another file.
    PlanSnapshot PlanState() const;
    void RestorePlanState(const PlanSnapshot& state);

    // The column's commands, numbered from 1.
    void FunnelButtonClick(int funnel);
    void DeleteFunnelClick(int funnel);
    void OutlineButtonClick(int outline);
    void ZoomInClick();
    void ZoomOutClick();
    void RefreshGraphicsClick();

    // The canvas events.
    void GlobeMouseMove(int x, int y);
    void GlobeMouseUp(Qt::MouseButton button, int x, int y);
    void GlobeRender(TMapCanvas& canvas);

    // "  <lat> <lon>" in degrees, two-digit minutes and seconds and the
    // hemisphere letter, e.g. "  00012N 00130W".
    static std::string LatLonText(const TGeoPoint& p);

private:
    void placeFunnel(const TGeoPoint& p);
    void placeOutlinePoint(const TGeoPoint& p);
    void finishEditing();
    void showShip();
    // Idle again, with the counters and the pointer text of the last ship gone.
    void resetEditing();

    // An edit of an outline: made on the form's design, then drawn on the
    // displayed ship.
    void editOutline(size_t outline, const std::function<void(TOutline&)>& edit);
    // The form's turrets, calibres and layout onto the displayed ship.
    void applyShown(const ShownDesign& shown);

    std::string displayPath_;
    std::optional<ShownDesign> shown_;
    std::vector<std::string> told_;    // the drawing's warnings already shown for this ship
    std::vector<std::string> pending_; // held while a load paints once
    bool collecting_ = false;

    TfrmDesignMain& form_;
    TMapControl* globe_ = nullptr;
    std::unique_ptr<TFightingShip> displayShip_;
};
