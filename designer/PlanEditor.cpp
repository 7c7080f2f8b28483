#include "designer/PlanEditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <utility>

#include <cstdlib>
#include <limits>

#include "combat/FightShip.h"
#include "combat/ShipLayer.h"
#include "designer/frmDesign.h"
#include "graphics/HullOutline.h"
#include "graphics/ShipDetails.h"
#include "graphics/qt/ShipDrawing.h"
#include "map/Geodesy.h"
#include "map/qt/MapControl.h"
#include "platform/Messages.h"
#include "platform/Round.h"
#include "platform/qt/QtMessages.h"

namespace {

const TGeoPoint kOrigin{};

// Whether p lies inside the closed polygon (crossing count along a parallel).
bool insidePolygon(const std::vector<TGeoPoint>& polygon, const TGeoPoint& p) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const TGeoPoint& a = polygon[i];
        const TGeoPoint& b = polygon[j];
        if ((a.Lat > p.Lat) == (b.Lat > p.Lat)) continue;
        const long double lon = a.Lon + static_cast<long double>(p.Lat - a.Lat) * (b.Lon - a.Lon) / (b.Lat - a.Lat);
        if (p.Lon < lon) inside = !inside;
    }
    return inside;
}

// Degrees, two-digit minutes and seconds, then the hemisphere letter.
std::string angleText(std::int32_t units, char positive, char negative) {
    const std::int64_t a = std::llabs(static_cast<long long>(units));
    const std::int64_t seconds = a / (kGlobeUnitsPerDegree / 3600);
    char text[32];
    std::snprintf(text, sizeof text, "%lld%02lld%02lld%c", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60),
                  units < 0 ? negative : positive);
    return text;
}

} // namespace

TPlanEditor::TPlanEditor(TfrmDesignMain& form) : form_(form) {
    globe_ = new TMapControl();
    globe_->setObjectName(QStringLiteral("Globe41"));
    form_.InstallMapCanvas(globe_);
    globe_->SetCentre(kOrigin);
    globe_->SetAltitude(33);
    globe_->OnRender = [this](TMapCanvas& canvas) { GlobeRender(canvas); };
    globe_->OnMouseMove = [this](int x, int y) { GlobeMouseMove(x, y); };
    globe_->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { GlobeMouseUp(b, x, y); };

    DesignFormWidgets& w = form_.Widgets();
    for (int i = 0; i < 4; ++i) {
        connect(w.bnFunnel[i], &QPushButton::clicked, this, [this, i] { FunnelButtonClick(i + 1); });
        connect(w.bnDeleteFunnel[i], &QPushButton::clicked, this, [this, i] { DeleteFunnelClick(i + 1); });
        connect(w.bnOutline[i], &QPushButton::clicked, this, [this, i] { OutlineButtonClick(i + 1); });
    }
    connect(w.ZoomInBtn, &QPushButton::clicked, this, &TPlanEditor::ZoomInClick);
    connect(w.ZoomOutBtn, &QPushButton::clicked, this, &TPlanEditor::ZoomOutClick);
    connect(w.bnRefreshGraphics, &QPushButton::clicked, this, &TPlanEditor::RefreshGraphicsClick);
    w.stPos->setToolTip(QStringLiteral("Bearing and distance from the ship's centre in map yards: the plan draws "
                                       "ships larger than life, to the game map's scale, so this is not the ship's "
                                       "own length. Funnel positions are in the same unit."));
}

TPlanEditor::~TPlanEditor() {
    if (globe_) {
        globe_->OnRender = nullptr;
        globe_->OnMouseMove = nullptr;
        globe_->OnMouseUp = nullptr;
    }
    // The ship's map objects leave the canvas's layer before the canvas dies.
    displayShip_.reset();
}

void TPlanEditor::StoreLineFlags(const std::array<bool, 4>& isLine) {
    if (displayShip_) displayShip_->IsLine = isLine;
}

std::optional<DesignOutlines> TPlanEditor::DisplayShipOutlines() const {
    if (!displayShip_) return std::nullopt;
    DesignOutlines outlines;
    outlines.Superstructure = displayShip_->Superstructure;
    outlines.IsLine = displayShip_->IsLine;
    return outlines;
}

void TPlanEditor::resetEditing() {
    globe_->SetHandCursor(false);
    EditMode = 0;
    PointCount = 0;
    LastPoint = MousePoint = TGeoPoint{};
    DesignFormWidgets& w = form_.Widgets();
    for (QLabel* counter : w.stNoPoints) counter->setText(QStringLiteral("0"));
    w.stPos->clear();
}

PlanSnapshot TPlanEditor::PlanState() const {
    PlanSnapshot state;
    if (!displayShip_) return state;
    state.DisplayPath = displayPath_;
    state.Shown = shown_;
    state.Funnels = displayShip_->Funnels;
    state.Superstructure = displayShip_->Superstructure;
    state.IsLine = displayShip_->IsLine;
    return state;
}

void TPlanEditor::RestorePlanState(const PlanSnapshot& state) {
    // A ship updated from the form goes back to its file's turrets first.
    if (state.DisplayPath != (displayShip_ ? displayPath_ : std::string()) || (displayShip_ && state.Shown != shown_)) {
        if (state.DisplayPath.empty()) {
            displayShip_.reset();
            displayPath_.clear();
            resetEditing();
        } else {
            LoadDisplayShip(state.DisplayPath, platform::messages());
        }
    }
    if (displayShip_) shown_ = state.Shown;
    if (displayShip_ && shown_) {
        applyShown(*shown_);
        showShip();
    }
    if (displayShip_) {
        displayShip_->Funnels = state.Funnels;
        displayShip_->Superstructure = state.Superstructure;
        displayShip_->IsLine = state.IsLine;
    }
    globe_->Redraw();
}

void TPlanEditor::LoadDisplayShip(const std::string& path, platform::Messages& messages) {
    displayShip_.reset();
    displayPath_ = path;
    shown_.reset();
    told_.clear();
    // Nothing of the last ship's editing carries over to the new one.
    resetEditing();
    const std::string& className = form_.Inputs().Name;
    displayShip_ = CreateShipOnLayer(path, className, globe_->Map(), form_.Data().Preferences, messages);
    if (!displayShip_) {
        messages.notice("Could not load ship!");
        globe_->Redraw();
        return;
    }
    PlaceDisplayShip(*displayShip_, messages);
    globe_->Redraw();
    // One paint now, so what the drawing warns of belongs to this load.
    collecting_ = true;
    globe_->grab();
    collecting_ = false;
    for (const std::string& text : std::exchange(pending_, {})) messages.notice(text);
}

// Outline, location shown and the turrets trained to their facings.
void TPlanEditor::showShip() {
    RefreshShipMapObjects(*displayShip_);
    if (displayShip_->Location) displayShip_->Location->Hidden = false;
    displayShip_->ResetTurretTraining(platform::messages());
    globe_->Redraw();
}

void TPlanEditor::FunnelButtonClick(int funnel) {
    EditMode = funnel;
    globe_->SetHandCursor(true);
}

void TPlanEditor::DeleteFunnelClick(int funnel) {
    if (funnel < 1 || funnel > 4) return;
    if (!platform::messages().confirm("Delete funnel?")) return;
    if (displayShip_) displayShip_->Funnels[static_cast<size_t>(funnel)].Pos = 0;
    form_.EditDocument([funnel](DesignDocument& d) { d.Inputs.FunnelPos[static_cast<size_t>(funnel - 1)] = "0"; });
    globe_->Redraw();
    form_.CommitStep(QStringLiteral("Delete funnel %1").arg(funnel));
}

void TPlanEditor::OutlineButtonClick(int outline) {
    if (outline < 1 || outline > 4) return;
    EditMode = 9 + outline;
    PointCount = 0;
    if (displayShip_) {
        editOutline(static_cast<size_t>(outline - 1), [](TOutline& o) { o = TOutline{}; });
        displayShip_->IsLine[static_cast<size_t>(outline - 1)] = true;
        globe_->Redraw();
    }
    // Clearing is a step of its own, not a part of whatever edit comes next.
    form_.CommitStep(QStringLiteral("Clear superstructure %1").arg(outline));
}

void TPlanEditor::ZoomInClick() { globe_->SetAltitude(platform::Round32(globe_->Altitude() * 0.9L)); }

void TPlanEditor::ZoomOutClick() {
    const std::int64_t next = platform::Round(globe_->Altitude() * 1.2L);
    if (next > std::numeric_limits<std::int32_t>::max()) return;
    globe_->SetAltitude(static_cast<std::int32_t>(next));
}

void TPlanEditor::RefreshGraphicsClick() {
    if (!displayShip_) {
        platform::messages().notice("Save ship first!");
        return;
    }
    if (const TDesignShip* design = form_.DesignShip()) {
        ShownDesign shown;
        for (const auto& t : design->Turrets) shown.Turrets.emplace_back(t->Guns, t->Position);
        for (size_t b = 1; b <= 3; ++b) shown.Calibres[b - 1] = design->BatteryCalibre[b];
        shown.SecNo = design->SecNo;
        shown.SecTF = design->SecTF;
        shown.CrossDeck = design->CrossDeckFire;
        shown.Displacement = design->Displacement;
        shown.TypeCode = form_.Inputs().TypeCode();
        shown_ = shown;
        applyShown(shown);
    }
    showShip();
    form_.CommitStep(QStringLiteral("Update ship graphic"));
}

void TPlanEditor::applyShown(const ShownDesign& shown) {
    TFightingShip& ship = *displayShip_;
    ship.Turrets.clear();
    for (const auto& [guns, position] : shown.Turrets) {
        auto copy = std::make_unique<TFightingTurret>();
        copy->Guns = guns;
        copy->Position = position;
        ship.Turrets.push_back(std::move(copy));
    }
    for (size_t b = 1; b <= 3; ++b) ship.BatteryCalibre[b] = shown.Calibres[b - 1];
    ship.SecNo = shown.SecNo;
    ship.SecTF = shown.SecTF;
    ship.SecondaryPort = ship.SecondaryStarboard = platform::Div(shown.SecNo, 2);
    // What a reload of the saved file would lay the turrets out with:
    // the layout flags of the new list, cross-deck fire, type and size.
    ship.CrossDeckFire = shown.CrossDeck;
    ship.Displacement = shown.Displacement;
    if (!shown.TypeCode.empty())
        ship.ShipType = static_cast<std::uint8_t>(ShipTypeFromCode(shown.TypeCode, platform::messages()));
    ship.ComputeTurretLayoutFlags();
}

void TPlanEditor::GlobeMouseMove(int x, int y) {
    TGeoPoint p;
    if (!globe_->ScreenToGeo(x, y, p)) return;
    std::string text = LatLonText(p);
    if (displayShip_) {
        const TGeoPoint centre = displayShip_->Position();
        // The plan draws ships to the game map's scale, larger than life: a
        // distance on it is in map yards, not the ship's own.
        text = std::to_string(CompassBearing(centre, p)) + " degrees " + std::to_string(DistanceYards(centre, p)) +
               " map yds";
    }
    form_.Widgets().stPos->setText(platform::toQ(text));
    if (EditMode >= 10) {
        MousePoint = p;
        globe_->Redraw();
    }
}

void TPlanEditor::GlobeMouseUp(Qt::MouseButton button, int x, int y) {
    TGeoPoint p;
    // Before the first save or load the map takes no clicks at all.
    if (!displayShip_ || !globe_->ScreenToGeo(x, y, p)) return;
    if (button == Qt::LeftButton) {
        if (EditMode >= 1 && EditMode <= 4) placeFunnel(p);
        else if (EditMode >= 10 && EditMode <= 13 && p.Lon < 0) placeOutlinePoint(p);
    } else if (button == Qt::RightButton) {
        finishEditing();
    }
}

void TPlanEditor::placeFunnel(const TGeoPoint& p) {
    // A funnel stands on the ship; a click beside the hull keeps waiting.
    if (!insidePolygon(HullOutline(*displayShip_), p)) {
        form_.statusBar()->showMessage(
            QStringLiteral("Funnel not placed: click inside the hull (right click to stop)."), 8000);
        return;
    }
    const TGeoPoint centre = displayShip_->Position();
    const std::int32_t d = DistanceYards(centre, p);
    const std::int32_t b = CompassBearing(centre, p);
    const std::int32_t pos = (b < 90 || b > 270) ? -d : d; // forward of the beam is negative
    const size_t row = static_cast<size_t>(EditMode - 1);
    TFunnel& funnel = displayShip_->Funnels[row + 1];
    funnel.Pos = pos;
    funnel.Oval = form_.Inputs().FunnelOval[row];
    form_.EditDocument([row, pos](DesignDocument& d) { d.Inputs.FunnelPos[row] = std::to_string(pos); });
    globe_->SetHandCursor(false);
    EditMode = 0;
    globe_->Redraw();
    form_.statusBar()->clearMessage();
    form_.CommitStep(QStringLiteral("Place funnel %1").arg(row + 1));
}

void TPlanEditor::placeOutlinePoint(const TGeoPoint& p) {
    if (PointCount >= 10) {
        platform::messages().notice("Max 10 points!");
        return;
    }
    const int k = EditMode - 10;
    const TGeoPoint centre = displayShip_->Position();
    const TOutlinePoint point{GeoHeading(centre, p), GeoDistance(centre, p)};
    editOutline(static_cast<size_t>(k), [this, point](TOutline& o) { o[static_cast<size_t>(PointCount)] = point; });
    ++PointCount;
    form_.Widgets().stNoPoints[static_cast<size_t>(k)]->setText(QString::number(PointCount));
    LastPoint = p;
    globe_->Redraw();
}

void TPlanEditor::finishEditing() {
    globe_->SetHandCursor(false);
    if (EditMode >= 10 && EditMode <= 13)
        editOutline(static_cast<size_t>(EditMode - 10), [this](TOutline& o) { CompleteOutline(o, PointCount); });
    EditMode = 0;
    LastPoint = TGeoPoint{};
    MousePoint = TGeoPoint{};
    displayShip_->IsLine = form_.Inputs().OutlineIsLine;
    displayShip_->SetPosition(kOrigin);
    globe_->Redraw();
    form_.CommitStep(QStringLiteral("Draw superstructure"));
}

void TPlanEditor::editOutline(size_t outline, const std::function<void(TOutline&)>& edit) {
    form_.EditDocument([&](DesignDocument& d) {
        if (!d.Superstructure) d.Superstructure = displayShip_->Superstructure;
        edit((*d.Superstructure)[outline]);
        displayShip_->Superstructure[outline] = (*d.Superstructure)[outline];
    });
}

void TPlanEditor::GlobeRender(TMapCanvas& canvas) {
    if (!displayShip_) return;
    // The drawing's warnings come once per ship, not at every paint, and
    // never as a box in the middle of painting.
    platform::RecordingMessages said;
    DrawShipDetails(canvas, *displayShip_, said);
    for (const auto& m : said.recorded) {
        if (std::find(told_.begin(), told_.end(), m.text) != told_.end()) continue;
        told_.push_back(m.text);
        if (collecting_) pending_.push_back(m.text);
        else QTimer::singleShot(0, this, [text = m.text] { platform::messages().notice(text); });
    }
    if (LastPoint != TGeoPoint{}) {
        canvas.Pen.Color = clBlack;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = 1;
        canvas.Line(LastPoint, MousePoint, 10);
    }
}

std::string TPlanEditor::LatLonText(const TGeoPoint& p) {
    return "  " + angleText(p.Lat, 'N', 'S') + " " + angleText(p.Lon, 'E', 'W');
}
