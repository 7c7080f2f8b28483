#include "explore/qt/ExploreChart.h"

#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Colours of the bins of the colour objective, low to high.
const QColor kBins[] = {QColor(49, 54, 149), QColor(69, 117, 180), QColor(116, 173, 209), QColor(244, 109, 67),
                        QColor(215, 48, 39)};
constexpr int kBinCount = 5;

QString Label(const ExploreRequest& request, int k) {
    return QString::fromStdString(ObjectiveLabel(request.Objectives[static_cast<size_t>(k)]));
}

double At(const ExploreVariant& v, int k) { return v.Objectives[static_cast<size_t>(k)]; }

// The colour objective's spread over the front in bins; one bin when there
// is no colour or nothing to tell apart.
struct Bins {
    int Count = 1;
    double Low = 0, High = 0;
    int Of(double v) const {
        return Count == 1 ? 0 : std::clamp(static_cast<int>((v - Low) / (High - Low) * Count), 0, Count - 1);
    }
};

Bins ColourBins(const FrontChartView& view) {
    Bins bins;
    if (view.Colour < 0) return bins;
    bins.Low = bins.High = At(view.Result.Front[0], view.Colour);
    for (const auto& v : view.Result.Front) {
        bins.Low = std::min(bins.Low, At(v, view.Colour));
        bins.High = std::max(bins.High, At(v, view.Colour));
    }
    if (bins.High > bins.Low) bins.Count = kBinCount;
    return bins;
}

std::vector<QScatterSeries*> FrontSeries(const FrontChartView& view, const Bins& bins) {
    std::vector<QScatterSeries*> series;
    for (int b = 0; b < bins.Count; ++b) {
        auto* s = new QScatterSeries;
        s->setMarkerSize(9);
        s->setColor(bins.Count == 1 ? kBins[1] : kBins[b]);
        s->setBorderColor(s->color().darker(130));
        const double from = bins.Low + (bins.High - bins.Low) * b / bins.Count;
        s->setName(bins.Count == 1 ? QStringLiteral("Variants")
                                   : QStringLiteral("\u2265 ") +
                                         QLocale(QLocale::English).toString(std::round(from * 100) / 100, 'g', 10));
        series.push_back(s);
    }
    for (const auto& v : view.Result.Front)
        series[static_cast<size_t>(bins.Of(view.Colour < 0 ? 0 : At(v, view.Colour)))]->append(At(v, view.X),
                                                                                               At(v, view.Y));
    return series;
}

// The base design and the chosen variant over the front.
void AddMarks(QChart& chart, const FrontChartView& view) {
    const auto n = view.Request.Objectives.size();
    auto* base = new QScatterSeries;
    base->setName(view.Base.Fits ? QStringLiteral("Base design") : QStringLiteral("Base design (does not fit)"));
    base->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    base->setMarkerSize(13);
    base->setColor(Qt::black);
    if (view.Base.Objectives.size() == n) base->append(At(view.Base, view.X), At(view.Base, view.Y));
    chart.addSeries(base);
    auto* chosen = new QScatterSeries;
    chosen->setName(QStringLiteral("Chosen"));
    chosen->setMarkerSize(16);
    chosen->setColor(Qt::transparent);
    chosen->setBorderColor(QColor(0, 160, 0));
    chosen->setPen(QPen(QColor(0, 160, 0), 3));
    if (view.Chosen >= 0) {
        const auto& v = view.Result.Front[static_cast<size_t>(view.Chosen)];
        chosen->append(At(v, view.X), At(v, view.Y));
    }
    chart.addSeries(chosen);
    for (QLegendMarker* m : chart.legend()->markers(chosen)) m->setVisible(false);
}

// An axis spanning the front and the base with a little room, its ticks on
// round numbers (1, 2 or 5 times a power of ten).
void SpanAxis(QAbstractAxis* axis, const FrontChartView& view, int k) {
    auto* a = qobject_cast<QValueAxis*>(axis);
    if (!a) return;
    double min = At(view.Result.Front[0], k), max = min;
    for (const auto& v : view.Result.Front) min = std::min(min, At(v, k)), max = std::max(max, At(v, k));
    if (view.Base.Objectives.size() > static_cast<size_t>(k))
        min = std::min(min, At(view.Base, k)), max = std::max(max, At(view.Base, k));
    const double margin = max > min ? (max - min) * 0.08 : std::max(1.0, std::fabs(max) * 0.05);
    const double raw = (max - min + 2 * margin) / 4;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw / power <= 1   ? power
                        : raw / power <= 2 ? 2 * power
                        : raw / power <= 5 ? 5 * power
                                           : 10 * power;
    const double from = std::floor((min - margin) / step) * step, to = std::ceil((max + margin) / step) * step;
    a->setRange(from, to);
    a->setTickCount(static_cast<int>(std::lround((to - from) / step)) + 1);
    a->setLabelFormat(QStringLiteral("%g"));
    a->setTitleText(Label(view.Request, k));
}

// A label's words in lines no longer than `length`: the chart cuts a title
// longer than its side of the plot.
QString Wrapped(const QString& label, const QFont& font, qreal length) {
    const QFontMetricsF metrics(font);
    // A short word or a unit stays with the word before it: "10,000 yd", "on".
    QStringList words;
    for (const QString& word : label.split(QLatin1Char(' '))) {
        if (!words.isEmpty() && (word.size() <= 2 || word.startsWith(QLatin1Char('('))))
            words.back() += QLatin1Char(' ') + word;
        else words << word;
    }
    QStringList lines;
    for (const QString& word : words) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + QLatin1Char(' ') + word) <= length)
            lines.back() += QLatin1Char(' ') + word;
        else lines << word;
    }
    return lines.join(QStringLiteral("<br>"));
}

// Each axis title wrapped to its side of the plot, again whenever the plot
// changes size.
void KeepTitlesWhole(QChart* chart, const QString& across, const QString& up) {
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart, across, up](const QRectF& plot) {
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical})
            for (QAbstractAxis* a : chart->axes(o)) {
                const qreal length = (o == Qt::Horizontal ? plot.width() : plot.height()) * 0.95;
                const QString text = Wrapped(o == Qt::Horizontal ? across : up, a->titleFont(), length);
                if (a->titleText() != text) a->setTitleText(text);
            }
    });
}

} // namespace

QChart* MakeFrontChart(const FrontChartView& view, std::vector<QScatterSeries*>& front) {
    auto* c = new QChart;
    c->setMargins(QMargins(4, 4, 4, 4));
    c->legend()->setAlignment(Qt::AlignBottom);
    const int n = static_cast<int>(view.Request.Objectives.size());
    if (view.X < 0 || view.Y < 0 || view.X >= n || view.Y >= n || view.Colour >= n || view.Result.Front.empty()) {
        c->setTitle(view.Result.Front.empty() && view.Result.Evaluated > 0
                        ? QStringLiteral("No variant fits.")
                        : QStringLiteral("Run a search to see the best trade-offs."));
        return c;
    }
    const Bins bins = ColourBins(view);
    if (bins.Count > 1) c->setTitle(QStringLiteral("Colour: ") + Label(view.Request, view.Colour));
    for (QScatterSeries* s : FrontSeries(view, bins)) {
        c->addSeries(s);
        front.push_back(s);
    }
    AddMarks(*c, view);
    c->createDefaultAxes();
    for (QAbstractAxis* a : c->axes(Qt::Horizontal)) SpanAxis(a, view, view.X);
    for (QAbstractAxis* a : c->axes(Qt::Vertical)) SpanAxis(a, view, view.Y);
    KeepTitlesWhole(c, Label(view.Request, view.X), Label(view.Request, view.Y));
    QFont small = c->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    c->legend()->setFont(small);
    return c;
}
