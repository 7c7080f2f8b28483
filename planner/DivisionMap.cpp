#include "planner/DivisionMap.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "combat/FightShip.h"
#include "map/GeoTypes.h"
#include "planner/PlannerMap.h"

namespace {

constexpr double kPi = 3.14159265358979;
const QColor kSea(16, 40, 80);
const QColor kSideColour[2] = {QColor(120, 180, 255), QColor(255, 150, 90)};
// Far from both sides' colours: a fouled line is seen at once.
const QColor kFouledColour(255, 70, 255);
const QColor kNoHitColour(170, 170, 170);
constexpr double kMargin = 22;    // pixels round the ships, for their labels
constexpr double kBarHeight = 16; // the row of the scale bar
constexpr double kKeyHeight = 25; // the legend's two rows

// Plane yards round the first lead (a view a few miles across is flat),
// fitted into the widget.
class MapFrame {
public:
    MapFrame(const BattleShips& ships, const QSizeF& size) {
        origin_ = ships.Sides[0].empty() ? TGeoPoint{} : ships.Sides[0].front()->Position();
        cosLat_ = std::cos(static_cast<double>(origin_.Lat) / kGlobeUnitsPerDegree * kPi / 180);
        QRectF box;
        for (const auto& side : ships.Sides)
            for (const auto& ship : side) {
                const QRectF at(yards(ship->Position()), QSizeF(1, 1));
                box = box.isNull() ? at : box.united(at);
            }
        const double usable = size.height() - 2 * kMargin - kBarHeight - kKeyHeight;
        scale_ = std::min((size.width() - 2 * kMargin) / std::max(box.width(), 500.0),
                          usable / std::max(box.height(), 500.0));
        centre_ = box.center();
        middle_ = QPointF(size.width() / 2.0, kKeyHeight + (size.height() - kKeyHeight - kBarHeight) / 2.0);
    }
    QPointF operator()(const TGeoPoint& g) const { return middle_ + (yards(g) - centre_) * scale_; }
    double PixelsPerYard() const { return scale_; }

private:
    QPointF yards(const TGeoPoint& g) const {
        return QPointF((g.Lon - origin_.Lon) * cosLat_ / kGlobeUnitsPerYard,
                       -(g.Lat - origin_.Lat) / kGlobeUnitsPerYard);
    }
    TGeoPoint origin_{};
    double cosLat_ = 1, scale_ = 1;
    QPointF centre_, middle_;
};

QPen firePen(const ShipFire& f) {
    QPen pen(kSideColour[f.Side == 0 ? 0 : 1], 1);
    if (f.FoulingShips > 0) pen = QPen(kFouledColour, 2, Qt::DashLine);
    if (!f.Fire.Sighted || f.Fire.Fire.BeyondGunRange) {
        if (f.FoulingShips == 0) pen.setColor(kNoHitColour);
        pen.setStyle(Qt::DotLine);
    }
    return pen;
}

void drawFire(QPainter& p, const MapFrame& at, const BattleShips& ships, const BattleFigures& figures) {
    for (const auto& side : figures.Ships)
        for (const ShipFire& f : side) {
            const auto& firer = ships.Sides[static_cast<size_t>(f.Side)][static_cast<size_t>(f.Index)];
            const auto& target = ships.Sides[static_cast<size_t>(1 - f.Side)][static_cast<size_t>(f.Target)];
            p.setPen(firePen(f));
            p.drawLine(at(firer->Position()), at(target->Position()));
        }
}

// A small arrow along the ship's course.
void drawShip(QPainter& p, const QPointF& at, std::int32_t heading, const QColor& colour) {
    const double a = heading * kPi / 180;
    const QPointF ahead(std::sin(a), -std::cos(a)), beam(std::cos(a), std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{at + ahead * 8, at - ahead * 5 + beam * 4, at - ahead * 5 - beam * 4});
}

void labelAt(QPainter& p, const QPointF& centre, const QString& text) {
    const QFontMetricsF metrics(p.font());
    const double w = metrics.horizontalAdvance(text), h = metrics.ascent();
    const QRectF room = p.viewport();
    const QPointF at(
        std::clamp(centre.x() - w / 2, 2.0, std::max(2.0, room.width() - w - 2)),
        std::clamp(centre.y() + h / 2, kKeyHeight + h, std::max(kKeyHeight + h, room.height() - kBarHeight - 2)));
    DrawHaloText(p, at, text);
}

// "A1", "A2" ... beside each ship when the line leaves room; else the lead
// ahead of the line and the last ship astern ("A1", "A4"), or "A1-4" when
// even that would crowd.
void labelLine(QPainter& p, const std::vector<QPointF>& at, const QString& side) {
    if (at.empty()) return;
    const double room = QFontMetricsF(p.font()).height() * 1.3;
    double closest = std::numeric_limits<double>::max();
    for (size_t i = 1; i < at.size(); ++i) closest = std::min(closest, QLineF(at[i - 1], at[i]).length());
    if (closest >= room) {
        for (size_t i = 0; i < at.size(); ++i) labelAt(p, at[i] + QPointF(10, -10), side + QString::number(i + 1));
        return;
    }
    const QLineF line(at.front(), at.back());
    const QPointF along = line.length() > 0 ? (at.back() - at.front()) / line.length() : QPointF(0, 1);
    const QString last = QString::number(at.size());
    if (line.length() >= 2 * room) {
        labelAt(p, at.front() - along * 16, side + QStringLiteral("1"));
        labelAt(p, at.back() + along * 16, side + last);
    } else {
        labelAt(p, at.front() - along * 18, side + QStringLiteral("1\u2013") + last);
    }
}

void drawLines(QPainter& p, const MapFrame& at, const BattleShips& ships) {
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    for (size_t s = 0; s < 2; ++s) {
        std::vector<QPointF> points;
        for (const auto& ship : ships.Sides[s]) {
            points.push_back(at(ship->Position()));
            drawShip(p, points.back(), ship->Heading, kSideColour[s]);
        }
        labelLine(p, points, s == 0 ? QStringLiteral("A") : QStringLiteral("B"));
    }
}

// What each kind of line means, in two rows along the top.
void drawLegend(QPainter& p, double width) {
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(false);
    p.setFont(font);
    const struct {
        QPen pen;
        const char* text;
    } rows[] = {{QPen(kSideColour[0], 1), "A fires"},
                {QPen(kSideColour[1], 1), "B fires"},
                {QPen(kFouledColour, 2, Qt::DashLine), "Fouled"},
                {QPen(kNoHitColour, 1, Qt::DotLine), "Unseen or out of range"}};
    for (int i = 0; i < 4; ++i) {
        const QPointF at(i < 2 ? 6 : std::max(90.0, width * 0.4), i % 2 == 0 ? 7 : 19);
        p.setPen(rows[i].pen);
        p.drawLine(at, at + QPointF(18, 0));
        DrawHaloText(p, at + QPointF(22, 4), QString::fromLatin1(rows[i].text));
    }
}

} // namespace

TDivisionMap::TDivisionMap(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 160); }

void TDivisionMap::Show(const BattleShips* ships, const BattleFigures* figures) {
    ships_ = ships;
    figures_ = figures;
    update();
}

void TDivisionMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kSea);
    if (!ships_) return;
    p.setRenderHint(QPainter::Antialiasing);
    const MapFrame at(*ships_, size());
    if (figures_) drawFire(p, at, *ships_, *figures_);
    drawLines(p, at, *ships_);
    drawLegend(p, width());
    DrawYardsBar(p, QPointF(10, height() - 10), at.PixelsPerYard(), width());
}
