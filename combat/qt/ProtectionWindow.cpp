#include "combat/qt/ProtectionWindow.h"

#include "platform/Round.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/ScreenFit.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QStringList kColumns = {"Calibre",     "Belt safe beyond",   "Deck safe within",
                              "Immune zone", "Turret safe beyond", "CT safe beyond"};

// Yards rounded to 100, thousands grouped: "11,400".
QString rangeText(double yards) {
    QString digits = QString::number(platform::Round(yards / 100) * 100);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
    return digits;
}

QString inchText(double inches) { return QString::number(inches, 'g', 4) + QStringLiteral(" in"); }

QLineSeries* line(const QString& name, const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine) {
    auto* s = new QLineSeries();
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(width);
    pen.setStyle(style);
    s->setPen(pen);
    return s;
}

} // namespace

TfrmProtection::TfrmProtection(const WeaponTables& weapons, InputsSource inputs, QWidget* parent)
    : QWidget(parent, Qt::Window), weapons_(weapons), inputs_(std::move(inputs)) {
    setObjectName(QStringLiteral("frmProtection"));
    setWindowTitle(QStringLiteral("Protection"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lbArmour"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    layout->addWidget(BuildTable());
    layout->addLayout(BuildCalibrePick());
    layout->addWidget(BuildChart(), 1);

    connect(cbCalibre_, &QComboBox::currentIndexChanged, this, [this] { DrawChart(); });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row < 0) return;
        const int at = cbCalibre_->findData(table_->item(row, 0)->data(Qt::UserRole));
        if (at >= 0) cbCalibre_->setCurrentIndex(at);
    });

    // The chart opens on the design's own main calibre.
    cbCalibre_->setCurrentIndex(std::max(0, cbCalibre_->findData(inputs_().MainCal)));
    platform::FitToScreen(*this, QSize(760, 690), QSize(760, 690));
    Refresh();
}

QTableWidget* TfrmProtection::BuildTable() {
    table_ = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
    table_->setObjectName(QStringLiteral("tblProtection"));
    table_->setHorizontalHeaderLabels(kColumns);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->setWordWrap(false);
    // Every row at one text line, so the dozen calibres fit without scrolling.
    const int rowHeight = fontMetrics().height() + 6;
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->setMinimumHeight(rowHeight * 12 + table_->horizontalHeader()->sizeHint().height() + 4);
    table_->setToolTip(QStringLiteral("Ranges in yards against each enemy calibre; click a row to chart it"));
    return table_;
}

QHBoxLayout* TfrmProtection::BuildCalibrePick() {
    auto* pick = new QHBoxLayout();
    auto* label = new QLabel(QStringLiteral("Chart calibre"), this);
    cbCalibre_ = new QComboBox(this);
    cbCalibre_->setObjectName(QStringLiteral("cbChartCalibre"));
    for (int c = kMinGunCalibre; c <= kMaxGunCalibre; ++c)
        cbCalibre_->addItem(QString::number(c) + QStringLiteral(" in"), c);
    label->setBuddy(cbCalibre_);
    pick->addWidget(label);
    pick->addWidget(cbCalibre_);
    pick->addStretch(1);
    return pick;
}

QChartView* TfrmProtection::BuildChart() {
    chart_ = new QChart();
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    axisX_ = new QValueAxis(chart_);
    axisX_->setTitleText(QStringLiteral("Range (yards)"));
    axisX_->setLabelFormat(QStringLiteral("%d"));
    axisY_ = new QValueAxis(chart_);
    axisY_->setTitleText(QStringLiteral("Armour pierced (inches)"));
    axisY_->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("chvPenetration"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(260);
    return view_;
}

int TfrmProtection::ChartCalibre() const { return cbCalibre_->currentData().toInt(); }

void TfrmProtection::Refresh() {
    const DesignInputs in = inputs_();
    armour_ = ArmourOf(in);
    const QString name = platform::toQ(in.Name).trimmed();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Protection") : QStringLiteral("Protection - ") + name);
    summary_->setText(QStringLiteral("Belt %1, deck %2, turret faces %3, conning tower %4 (whole inches, as the "
                                     "ship fights); main guns %5 in. Ranges in yards.")
                          .arg(inchText(armour_.Belt), inchText(armour_.Deck), inchText(armour_.Turret),
                               inchText(armour_.ConningTower))
                          .arg(in.MainCal));
    FillTable(armour_, in.MainCal);
    DrawChart();
}

void TfrmProtection::SelectChartRow() {
    const QSignalBlocker block(table_);
    table_->setCurrentCell(-1, -1);
    for (int r = 0; r < table_->rowCount(); ++r)
        if (table_->item(r, 0)->data(Qt::UserRole).toInt() == ChartCalibre()) table_->setCurrentCell(r, 0);
}

void TfrmProtection::FillTable(const ShipArmour& armour, int own) {
    const QSignalBlocker block(table_);
    const std::vector<int> calibres = ProtectionCalibres(own);
    table_->setRowCount(static_cast<int>(calibres.size()));
    int r = 0;
    for (int calibre : calibres) {
        const ProtectionRow row = ProtectionAgainst(weapons_, armour, calibre);
        QStringList cells;
        cells << (QString::number(calibre) + (calibre == own ? QStringLiteral(" in (own)") : QStringLiteral(" in")));
        if (!row.HasFigures) {
            cells << QStringLiteral("no figures") << QString() << QStringLiteral("none") << QString() << QString();
        } else {
            cells << rangeText(row.BeltSafeBeyond) << rangeText(row.DeckSafeWithin)
                  << (row.HasZone()
                          ? rangeText(row.BeltSafeBeyond) + QStringLiteral(" - ") + rangeText(row.DeckSafeWithin)
                          : QStringLiteral("none"))
                  << rangeText(row.TurretSafeBeyond) << rangeText(row.ConningTowerSafeBeyond);
        }
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0) item->setData(Qt::UserRole, calibre);
            table_->setItem(r, c, item);
        }
        ++r;
    }
}

void TfrmProtection::DrawChart() {
    chart_->removeAllSeries();
    const int calibre = ChartCalibre();
    const auto beltCurve = PenetrationCurve(weapons_, calibre, ArmourFace::Belt);
    const auto deckCurve = PenetrationCurve(weapons_, calibre, ArmourFace::Deck);
    const ProtectionRow row = ProtectionAgainst(weapons_, armour_, calibre);
    chart_->setTitle(QStringLiteral("%1-inch gun against this design").arg(calibre));

    const double maxX = 30000;
    double maxY = std::max(armour_.Belt, armour_.Deck);
    for (const auto* curve : {&beltCurve, &deckCurve})
        for (const PenetrationPoint& p : *curve) maxY = std::max(maxY, p.Inches);
    maxY = 5 * std::ceil((maxY + 1) / 5); // whole ticks of 5 inches

    if (row.HasZone()) {
        auto* lower = new QLineSeries();
        auto* upper = new QLineSeries();
        for (double x : {row.BeltSafeBeyond, row.DeckSafeWithin}) {
            lower->append(x, 0);
            upper->append(x, maxY);
        }
        auto* zone = new QAreaSeries(upper, lower);
        zone->setName(
            QStringLiteral("Immune zone %1 - %2 yd").arg(rangeText(row.BeltSafeBeyond), rangeText(row.DeckSafeWithin)));
        zone->setColor(QColor(60, 170, 80, 70));
        zone->setBorderColor(QColor(60, 170, 80, 140));
        chart_->addSeries(zone);
    }
    auto* belt = line(QStringLiteral("Belt penetration"), QColor(30, 80, 200), 2.5);
    for (const PenetrationPoint& p : beltCurve) belt->append(p.Range, p.Inches);
    auto* deck = line(QStringLiteral("Deck penetration"), QColor(200, 60, 30), 2.5);
    for (const PenetrationPoint& p : deckCurve) deck->append(p.Range, p.Inches);
    auto* beltArmour =
        line(QStringLiteral("Belt %1").arg(inchText(armour_.Belt)), QColor(30, 80, 200), 1.5, Qt::DashLine);
    auto* deckArmour =
        line(QStringLiteral("Deck %1").arg(inchText(armour_.Deck)), QColor(200, 60, 30), 1.5, Qt::DashLine);
    for (double x : {0.0, maxX}) {
        beltArmour->append(x, armour_.Belt);
        deckArmour->append(x, armour_.Deck);
    }
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(belt), static_cast<QAbstractSeries*>(deck),
                               static_cast<QAbstractSeries*>(beltArmour), static_cast<QAbstractSeries*>(deckArmour)})
        chart_->addSeries(s);
    for (QAbstractSeries* s : chart_->series()) {
        s->attachAxis(axisX_);
        s->attachAxis(axisY_);
    }
    axisX_->setRange(0, maxX);
    axisX_->setTickCount(7);
    axisY_->setRange(0, maxY);
    axisY_->setTickCount(static_cast<int>(maxY / 5) + 1);
    SelectChartRow();
}
