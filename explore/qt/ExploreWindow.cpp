#include "explore/qt/ExploreWindow.h"

#include "designfile/qt/DesignSource.h"
#include "explore/qt/ExploreChart.h"
#include "platform/Messages.h"

#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// How far a range reaches from the design's own value by default.
double DefaultSpan(ExploreInput input) {
    switch (input) {
    case ExploreInput::Speed: return 4;
    case ExploreInput::Displacement: return 4000;
    case ExploreInput::MainCalibre:
    case ExploreInput::SecondaryCalibre: return 2;
    case ExploreInput::SecondaryNumber:
    case ExploreInput::TertiaryNumber: return 8;
    case ExploreInput::Range:
    case ExploreInput::FireControl:
    case ExploreInput::TorpedoDefense: return 5;
    case ExploreInput::MainTurrets: return 0;
    default: return 2; // inches of armour
    }
}

class NumberItem : public QTableWidgetItem {
public:
    NumberItem(double value, const QString& text) : QTableWidgetItem(text), value_(value) {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        if (auto* n = dynamic_cast<const NumberItem*>(&other)) return value_ < n->value_;
        return QTableWidgetItem::operator<(other);
    }

private:
    double value_;
};

QString NumberText(double v, int decimals = -1) {
    if (decimals >= 0) return QString::number(v, 'f', decimals);
    return QLocale(QLocale::English).toString(v, 'g', 10);
}

QString Tons(std::int64_t t) { return QLocale(QLocale::English).toString(static_cast<qlonglong>(t)); }

// A long heading over two lines, broken at the space nearest its middle,
// so the column stays narrow and its heading whole.
QString TwoLines(const QString& label) {
    constexpr int kLong = 18;
    if (label.size() <= kLong) return label;
    int best = -1;
    for (int at = 0; at < label.size(); ++at)
        if (label[at] == QLatin1Char(' ') &&
            (best < 0 || std::abs(at - label.size() / 2) < std::abs(best - label.size() / 2)))
            best = at;
    return best < 0 ? label : label.left(best) + QLatin1Char('\n') + label.mid(best + 1);
}

QString UnitSuffix(ExploreInput input) {
    const char* unit = InfoOf(input).Unit;
    return unit[0] ? QStringLiteral(" ") + QString::fromLatin1(unit) : QString();
}

QString CannotExplore(const std::string& why) {
    return QStringLiteral("The design on the form cannot be explored") +
           (why.empty() ? QString() : QStringLiteral(": ") + q(why)) + QStringLiteral(".");
}

const QString kChoose = QStringLiteral("Choose a variant to see what it changes.");

} // namespace

struct TfrmExplore::Job {
    const ProgramData* Data = nullptr;
    ExploreBase Base;
    ExploreRequest Request;
    ExploreControl Control;
    ExploreResult Result;
    std::uint64_t Total = 0;
    std::atomic<bool> Done{false};
};

TfrmExplore::~TfrmExplore() { StopJob(); }

std::optional<ExploreBase> TfrmExplore::FormBase(std::string& why) const {
    // Why the source cannot give the design goes to the status line, not a box.
    const auto record = source_.Record(why);
    if (!record) return std::nullopt;
    return ReadExploreBase(*record, data_, &why);
}

void TfrmExplore::UseFormDesign() {
    std::string why;
    const bool wasRefused = !base_;
    base_ = FormBase(why);
    FillStepCosts();
    FollowBase();
    if (!base_) {
        status->setText(CannotExplore(why));
        return;
    }
    FillRows();
    if (wasRefused && !Running()) status->setText(Summary());
}

void TfrmExplore::FillRows() {
    filling_ = true;
    for (size_t k = 0; k < inputs_.size(); ++k) {
        const ExploreInputInfo& info = ExploreInputs()[k];
        InputRow& r = inputs_[k];
        const double max = info.Input == ExploreInput::MainTurrets ? base_->Turrets : info.Max;
        r.from->setMaximum(max);
        r.to->setMaximum(max);
        if (r.set) continue;
        const double own = DisplayValue(info.Input, BaseValue(base_->Inputs, base_->Turrets, info.Input));
        if (info.Input == ExploreInput::MainTurrets) {
            r.from->setValue(std::max(0.0, own - 2));
            r.to->setValue(own);
        } else {
            r.from->setValue(own);
            r.to->setValue(std::min(max, own + DefaultSpan(info.Input)));
        }
        r.step->setValue(info.Input == ExploreInput::Displacement ? 1000 : info.DefaultStep);
    }
    filling_ = false;
}

void TfrmExplore::FillStepCosts() {
    stepCosts->clear();
    if (!base_) return;
    for (const StepCost& c : StepCosts(*base_, data_)) {
        auto* item = new QListWidgetItem(q(StepCostText(c, "\n")), stepCosts);
        if (!c.Possible) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
}

// The front shown is measured against the design as it stands now: the
// base's square, and what a chosen variant changes.
void TfrmExplore::FollowBase() {
    baseValues_.clear();
    baseVariant_ = ExploreVariant{};
    if (base_ && !request_.Objectives.empty()) {
        for (const ExploreRange& r : request_.Ranges)
            baseValues_.push_back(BaseValue(base_->Inputs, base_->Turrets, r.Input));
        baseVariant_ = EvaluateVariant(data_, *base_, request_, baseValues_);
    }
    SelectionChanged();
}

std::optional<std::string> TfrmExplore::ObjectiveText(ObjectiveKind kind, std::string& why) const {
    std::string text = InfoOf(kind).Key;
    if (kind == ObjectiveKind::Immune) text += ":" + std::to_string(immuneCalibre_->value());
    if (kind == ObjectiveKind::BeltSafe) text += ":" + std::to_string(beltSafeCalibre_->value());
    if (kind == ObjectiveKind::Hits) {
        if (opponent->currentIndex() < 0) {
            why = "no opponent design to count hits on";
            return std::nullopt;
        }
        text += ":" + opponent->currentData().toString().toStdString() + "@" + std::to_string(hitsRange_->value());
    }
    return text;
}

std::optional<ExploreRequest> TfrmExplore::Request(std::string& why) const {
    ExploreRequest request;
    for (size_t k = 0; k < inputs_.size(); ++k) {
        const InputRow& r = inputs_[k];
        if (!r.vary->isChecked()) continue;
        ExploreRange range{ExploreInputs()[k].Input, r.from->value(), r.to->value(), r.step->value()};
        if (auto problem = RangeProblem(range, base_ ? base_->Turrets : 0)) {
            why = *problem;
            return std::nullopt;
        }
        request.Ranges.push_back(range);
    }
    if (request.Ranges.empty()) {
        why = "tick at least one input to vary";
        return std::nullopt;
    }
    if (auto problem = GridProblem(request.Ranges)) {
        why = *problem;
        return std::nullopt;
    }
    for (const ObjectiveBox& o : objectives_) {
        if (!o.box->isChecked()) continue;
        const auto text = ObjectiveText(o.kind, why);
        const auto objective = text ? ParseObjective(*text, &why) : std::nullopt;
        if (!objective) return std::nullopt;
        request.Objectives.push_back(*objective);
    }
    if (request.Objectives.empty()) {
        why = "tick at least one objective";
        return std::nullopt;
    }
    return request;
}

bool TfrmExplore::Run() {
    if (Running()) return false;
    std::string why;
    base_ = FormBase(why);
    FillStepCosts();
    if (!base_) {
        // Old variants of another design would read as this one's.
        ClearResult();
        status->setText(CannotExplore(why));
        return false;
    }
    const auto request = Request(why);
    if (!request) {
        status->setText(QStringLiteral("Cannot run: ") + q(why) + QStringLiteral("."));
        return false;
    }
    ClearResult();
    StartJob(*request);
    return true;
}

void TfrmExplore::StartJob(const ExploreRequest& request) {
    auto job = std::make_shared<Job>();
    job->Data = &data_;
    job->Base = *base_;
    job->Request = request;
    job->Total = GridSize(request.Ranges);
    job_ = job;
    worker_ = std::thread([job] {
        job->Result = RunExplore(*job->Data, job->Base, job->Request, &job->Control);
        job->Done = true;
    });
    runButton->setEnabled(false);
    cancelButton->setEnabled(true);
    progress->setValue(0);
    status->setText(QStringLiteral("Searching %1 variants...")
                        .arg(QLocale(QLocale::English).toString(static_cast<qulonglong>(job->Total))));
    timer_->start();
}

void TfrmExplore::Cancel() {
    if (job_) job_->Control.Cancel = true;
}

// Stops a search at once and drops what it found.
void TfrmExplore::StopJob() {
    if (job_) job_->Control.Cancel = true;
    if (worker_.joinable()) worker_.join();
    if (!job_) return;
    job_.reset();
    timer_->stop();
    runButton->setEnabled(true);
    cancelButton->setEnabled(false);
    progress->setValue(0);
}

void TfrmExplore::closeEvent(QCloseEvent* event) {
    if (Running()) {
        StopJob();
        ClearResult();
        status->setText(QStringLiteral("The search was cancelled when the window was closed."));
    }
    QWidget::closeEvent(event);
}

void TfrmExplore::Poll() {
    if (!job_) return;
    const double done = static_cast<double>(job_->Control.Done.load());
    progress->setValue(job_->Total ? static_cast<int>(1000 * std::min(1.0, done / static_cast<double>(job_->Total)))
                                   : 0);
    if (!job_->Done) return;
    timer_->stop();
    if (worker_.joinable()) worker_.join();
    result_ = std::move(job_->Result);
    request_ = std::move(job_->Request);
    job_.reset();
    runButton->setEnabled(true);
    cancelButton->setEnabled(false);
    progress->setValue(result_.Cancelled ? progress->value() : 1000);
    ShowResult();
    emit finished();
}

void TfrmExplore::ClearResult() {
    result_ = ExploreResult{};
    request_ = ExploreRequest{};
    ShowResult();
}

QString TfrmExplore::Summary() const {
    if (!result_.Problem.empty()) return QStringLiteral("Cannot run: ") + q(result_.Problem) + QStringLiteral(".");
    if (request_.Objectives.empty()) return QString();
    const QLocale en(QLocale::English);
    return QStringLiteral("%1%2 variants evaluated, %3 fit, %4 on the front (%5 s).")
        .arg(result_.Cancelled ? QStringLiteral("Cancelled: ") : QString())
        .arg(en.toString(static_cast<qulonglong>(result_.Evaluated)))
        .arg(en.toString(static_cast<qulonglong>(result_.Feasible)))
        .arg(result_.Front.size())
        .arg(result_.Seconds, 0, 'f', 2);
}

void TfrmExplore::ShowResult() {
    status->setText(Summary());
    FillAxes();
    FillTable();
    FollowBase();
}

void TfrmExplore::FillAxes() {
    const QSignalBlocker b1(axisX), b2(axisY), b3(colour);
    for (QComboBox* c : {axisX, axisY, colour}) {
        c->clear();
        if (c == colour) c->addItem(QStringLiteral("(none)"));
        for (const auto& o : request_.Objectives) c->addItem(q(ObjectiveLabel(o)));
        // The list opens wide enough to read every label whole.
        c->view()->setMinimumWidth(c->view()->sizeHintForColumn(0) + 24);
    }
    const int n = static_cast<int>(request_.Objectives.size());
    axisX->setCurrentIndex(0);
    axisY->setCurrentIndex(n > 1 ? 1 : 0);
    colour->setCurrentIndex(n > 2 ? 3 : 0);
}

void TfrmExplore::FillTable() {
    const QSignalBlocker block(frontTable);
    frontTable->setSortingEnabled(false);
    frontTable->clear();
    QStringList heads = {QStringLiteral("#")};
    for (const auto& r : request_.Ranges) heads << TwoLines(q(InputLabel(r.Input)));
    // Objectives marked with the way they count: up is better, or down.
    for (const auto& o : request_.Objectives)
        heads << (o.Minimise() ? QStringLiteral("\u25BC ") : QStringLiteral("\u25B2 ")) +
                     TwoLines(q(ObjectiveLabel(o)));
    heads << QStringLiteral("Total weight\n(t)") << QStringLiteral("Displacement\n(t)");
    frontTable->setColumnCount(static_cast<int>(heads.size()));
    frontTable->setHorizontalHeaderLabels(heads);
    frontTable->setRowCount(static_cast<int>(result_.Front.size()));
    for (int i = 0; i < static_cast<int>(result_.Front.size()); ++i) {
        const ExploreVariant& v = result_.Front[static_cast<size_t>(i)];
        int c = 0;
        auto* first = new NumberItem(i + 1, QString::number(i + 1));
        first->setData(Qt::UserRole, i);
        frontTable->setItem(i, c++, first);
        for (size_t k = 0; k < request_.Ranges.size(); ++k) {
            const double value = DisplayValue(request_.Ranges[k].Input, v.Values[k]);
            frontTable->setItem(i, c++, new NumberItem(value, NumberText(value)));
        }
        for (size_t k = 0; k < request_.Objectives.size(); ++k) {
            const bool hits = request_.Objectives[k].Kind == ObjectiveKind::Hits;
            frontTable->setItem(i, c++, new NumberItem(v.Objectives[k], NumberText(v.Objectives[k], hits ? 3 : -1)));
        }
        frontTable->setItem(i, c++, new NumberItem(v.TotalWeight, Tons(v.TotalWeight)));
        frontTable->setItem(i, c++, new NumberItem(v.Displacement, Tons(v.Displacement)));
    }
    frontTable->setSortingEnabled(true);
    frontTable->resizeColumnsToContents();
}

void TfrmExplore::DrawChart() {
    const FrontChartView view{request_,
                              result_,
                              baseVariant_,
                              axisX->currentIndex(),
                              axisY->currentIndex(),
                              colour->currentIndex() - 1,
                              SelectedVariant()};
    std::vector<QScatterSeries*> front;
    QChart* c = MakeFrontChart(view, front);
    for (QScatterSeries* s : front) connect(s, &QScatterSeries::clicked, this, &TfrmExplore::ChartClicked);
    QChart* old = chart->chart();
    chart->setChart(c);
    delete old;
}

int TfrmExplore::SelectedVariant() const {
    const auto rows = frontTable->selectionModel() ? frontTable->selectionModel()->selectedRows() : QModelIndexList();
    if (rows.isEmpty()) return -1;
    const QTableWidgetItem* item = frontTable->item(rows.first().row(), 0);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void TfrmExplore::SelectionChanged() {
    const int selected = SelectedVariant();
    applyButton->setEnabled(selected >= 0 && !Running());
    DrawChart();
    if (selected < 0) {
        differences->setText(kChoose);
        return;
    }
    const ExploreVariant& v = result_.Front[static_cast<size_t>(selected)];
    if (baseValues_.size() != v.Values.size()) {
        differences->setText(QStringLiteral("The design on the form cannot be explored: nothing to compare with."));
        return;
    }
    QStringList changes;
    for (size_t k = 0; k < request_.Ranges.size(); ++k) {
        if (v.Values[k] == baseValues_[k]) continue;
        const ExploreInput input = request_.Ranges[k].Input;
        changes << QStringLiteral("%1 %2 \u2192 %3%4")
                       .arg(QString::fromLatin1(InfoOf(input).Caption), NumberText(DisplayValue(input, baseValues_[k])),
                            NumberText(DisplayValue(input, v.Values[k])), UnitSuffix(input));
    }
    const QString weights =
        QStringLiteral("total %1 \u2192 %2 t").arg(Tons(baseVariant_.TotalWeight), Tons(v.TotalWeight));
    differences->setText(changes.isEmpty() ? QStringLiteral("Same inputs as the base; ") + weights
                                           : QStringLiteral("Against the base: ") + changes.join(QStringLiteral(", ")) +
                                                 QStringLiteral("; ") + weights);
}

void TfrmExplore::ChartClicked(const QPointF& point) {
    const int x = axisX->currentIndex(), y = axisY->currentIndex();
    if (x < 0 || y < 0) return;
    int best = -1;
    double bestDistance = 0;
    for (size_t i = 0; i < result_.Front.size(); ++i) {
        const auto& o = result_.Front[i].Objectives;
        const double d = std::hypot(o[static_cast<size_t>(x)] - point.x(), o[static_cast<size_t>(y)] - point.y());
        if (best < 0 || d < bestDistance) best = static_cast<int>(i), bestDistance = d;
    }
    for (int row = 0; row < frontTable->rowCount(); ++row)
        if (frontTable->item(row, 0) && frontTable->item(row, 0)->data(Qt::UserRole).toInt() == best) {
            frontTable->selectRow(row);
            frontTable->scrollToItem(frontTable->item(row, 0));
            break;
        }
}

void TfrmExplore::ApplySelected() {
    const int selected = SelectedVariant();
    if (selected < 0 || !base_) return;
    // The variant's values over what the form holds now, so nothing else on
    // it changes.
    DesignDocument variant = source_.Document();
    ExploreBase onForm = *base_;
    onForm.Inputs = variant.Inputs;
    onForm.Turrets = static_cast<int>(variant.Turrets.size());
    int turrets = onForm.Turrets;
    variant.Inputs =
        VariantInputs(onForm, request_.Ranges, result_.Front[static_cast<size_t>(selected)].Values, &turrets);
    // A variant keeps the first of the main turrets.
    if (static_cast<int>(variant.Turrets.size()) > std::max(turrets, 0))
        variant.Turrets.resize(static_cast<size_t>(std::max(turrets, 0)));
    apply_(variant, QStringLiteral("Explore: variant %1").arg(selected + 1));
}
