#include "planner/PlannerChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

std::string YardsText(std::int32_t yards) {
    std::string digits = std::to_string(yards < 0 ? -static_cast<std::int64_t>(yards) : yards);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return (yards < 0 ? "-" : "") + digits;
}

std::string AdvantageText(const std::vector<SweepRow>& rows, const std::string& own, const std::string& opponent) {
    const std::vector<AdvantageChange> changes = AdvantageChanges(rows);
    if (changes.empty()) {
        const bool hits =
            std::any_of(rows.begin(), rows.end(), [](const SweepRow& r) { return r.Own.HitsPerMinute > 0; });
        return hits ? "The ships are even at every range." : "Neither ship can expect a hit at these ranges.";
    }
    std::string text =
        (changes.front().Own ? own : opponent) + " has the advantage from " + YardsText(changes.front().Range) + " yd";
    for (size_t i = 1; i < changes.size(); ++i)
        text += "; beyond " + YardsText(changes[i].Range) + " yd: " + (changes[i].Own ? own : opponent);
    return text;
}

std::int32_t TickInterval(double span) {
    // At most about six labels of up to six digits fit a chart 400 pixels wide.
    for (std::int32_t step : {1000, 2000, 5000, 10000, 20000, 50000})
        if (span / step <= 6) return step;
    return 100000;
}

std::string ZonesText(const std::vector<ChartZone>& zones) {
    std::string text;
    for (const ChartZone& z : zones) {
        if (!text.empty()) text += "; ";
        text += z.Ship + " immune from " + YardsText(static_cast<std::int32_t>(std::lround(z.From))) + " to " +
                YardsText(static_cast<std::int32_t>(std::lround(z.To))) + " yd (" + (z.Own ? "blue" : "red") + " band)";
    }
    return text;
}

namespace {

QLineSeries* hitsSeries(const std::vector<SweepRow>& rows, bool own, const std::string& name, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(name));
    QPen pen(colour);
    pen.setWidth(2);
    series->setPen(pen);
    for (const SweepRow& row : rows) {
        const double hits = own ? row.Own.HitsPerMinute : row.Opponent.HitsPerMinute;
        series->append(row.Range, std::isfinite(hits) ? hits : 0.0);
    }
    return series;
}

void hideFromLegend(QChart& chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
}

const QColor kOwnColour(30, 90, 200), kOpponentColour(200, 50, 30);

// A zone as a pale band the full height of the chart, cut to its ranges.
QAreaSeries* zoneBand(const ChartZone& zone, double first, double last, double top) {
    const double from = std::max(zone.From, first), to = std::min(zone.To, last);
    if (!(to > from)) return nullptr;
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    upper->append(from, top);
    upper->append(to, top);
    lower->append(from, 0);
    lower->append(to, 0);
    auto* band = new QAreaSeries(upper, lower);
    upper->setParent(band);
    lower->setParent(band);
    band->setName(QString::fromStdString(zone.Ship + " immune"));
    QColor colour = zone.Own ? kOwnColour : kOpponentColour;
    colour.setAlpha(40);
    band->setBrush(colour);
    colour.setAlpha(110);
    band->setPen(QPen(colour, 1));
    return band;
}

} // namespace

std::string CurveKeyHtml(bool own) {
    return "<span style=\"color:" + (own ? kOwnColour : kOpponentColour).name().toStdString() + "\">&#9632;</span>";
}

std::vector<ChartZone> ImmuneZones(const EngagementFigures& figures, const std::string& own,
                                   const std::string& opponent) {
    std::vector<ChartZone> zones;
    const ProtectionRow& ownZone = figures.Opponent.TargetZone;
    const ProtectionRow& opponentZone = figures.Own.TargetZone;
    if (ownZone.HasZone()) zones.push_back({own, true, ownZone.BeltSafeBeyond, ownZone.DeckSafeWithin});
    if (opponentZone.HasZone())
        zones.push_back({opponent == own ? opponent + " (opponent)" : opponent, false, opponentZone.BeltSafeBeyond,
                         opponentZone.DeckSafeWithin});
    return zones;
}

namespace {

// The highest figure of either curve, with room above it; 1 when none hits.
double chartTop(const std::vector<SweepRow>& rows) {
    double top = 0;
    for (const SweepRow& row : rows)
        for (double hits : {row.Own.HitsPerMinute, row.Opponent.HitsPerMinute})
            if (std::isfinite(hits)) top = std::max(top, hits);
    return top > 0 ? top * 1.15 : 1.0;
}

// Range along the bottom, hits up the side, both with units.
std::pair<QValueAxis*, QValueAxis*> addAxes(QChart& chart, double first, double last, double top,
                                            const char* axisTitle) {
    auto* axisX = new QValueAxis;
    axisX->setTitleText(QStringLiteral("Range (yd)"));
    axisX->setLabelFormat(QStringLiteral("%d"));
    axisX->setRange(first, std::max(last, first + 1));
    axisX->setTickType(QValueAxis::TicksDynamic);
    axisX->setTickAnchor(0);
    axisX->setTickInterval(TickInterval(last - first));
    auto* axisY = new QValueAxis;
    axisY->setTitleText(QString::fromUtf8(axisTitle));
    axisY->setRange(0, top);
    axisY->setLabelFormat(top >= 10 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    axisY->setTickCount(5);
    chart.addAxis(axisX, Qt::AlignBottom);
    chart.addAxis(axisY, Qt::AlignLeft);
    return {axisX, axisY};
}

// A dashed upright line at the range shown now.
QLineSeries* rangeMark(std::int32_t range, double top) {
    auto* now = new QLineSeries;
    now->setName(QStringLiteral("Range now"));
    now->setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    now->append(range, 0);
    now->append(range, top);
    return now;
}

// Each change of the advantage as a point on the curve of the side that takes it.
std::vector<QScatterSeries*> changeMarks(const std::vector<SweepRow>& rows) {
    std::vector<QScatterSeries*> marks;
    const std::vector<AdvantageChange> changes = AdvantageChanges(rows);
    for (size_t i = 1; i < changes.size(); ++i) {
        const auto row =
            std::find_if(rows.begin(), rows.end(), [&](const SweepRow& r) { return r.Range == changes[i].Range; });
        if (row == rows.end()) continue;
        auto* mark = new QScatterSeries;
        mark->setMarkerSize(7);
        mark->setColor(Qt::black);
        mark->append(row->Range, changes[i].Own ? row->Own.HitsPerMinute : row->Opponent.HitsPerMinute);
        marks.push_back(mark);
    }
    return marks;
}

} // namespace

void ShowHitsChart(QChartView& view, const std::vector<SweepRow>& rows, const std::string& own,
                   const std::string& opponent, std::int32_t range, const std::vector<ChartZone>& zones,
                   const char* axisTitle) {
    auto* chart = new QChart;
    // Room at the edges so the first and last labels of each axis show whole.
    chart->setMargins(QMargins(6, 8, 14, 4));
    chart->legend()->setAlignment(Qt::AlignTop);
    const double top = chartTop(rows);
    const double first = rows.empty() ? 0 : rows.front().Range, last = rows.empty() ? 1 : rows.back().Range;
    const auto [axisX, axisY] = addAxes(*chart, first, last, top, axisTitle);
    auto attach = [&, x = axisX, y = axisY](QAbstractSeries* series, bool inLegend) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        if (!inLegend) hideFromLegend(*chart, series);
    };
    // The bands first, under the curves. Their names and the ranges where
    // the advantage changes are listed beside the chart, never written into
    // it: labels inside the plot ran into each other and off its edge.
    for (const ChartZone& zone : zones)
        if (QAreaSeries* band = zoneBand(zone, first, std::max(last, first + 1), top)) attach(band, false);
    attach(hitsSeries(rows, true, own, kOwnColour), true);
    attach(hitsSeries(rows, false, opponent == own ? opponent + " (opponent)" : opponent, kOpponentColour), true);
    attach(rangeMark(range, top), false);
    for (QScatterSeries* mark : changeMarks(rows)) attach(mark, false);
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}
