#include "explore/qt/ExploreWindow.h"

#include "designfile/DesignCheck.h"
#include "designfile/qt/DesignSource.h"
#include "platform/Messages.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

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

bool CheckedByDefault(ExploreInput input) {
    return input == ExploreInput::Speed || input == ExploreInput::Displacement || input == ExploreInput::Belt ||
           input == ExploreInput::Deck || input == ExploreInput::MainCalibre;
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

QString UnitSuffix(ExploreInput input) {
    const char* unit = InfoOf(input).Unit;
    return unit[0] ? QStringLiteral(" ") + QString::fromLatin1(unit) : QString();
}

// Colours of the bins of the colour objective, low to high.
const QColor kBins[] = {QColor(49, 54, 149), QColor(69, 117, 180), QColor(116, 173, 209), QColor(244, 109, 67),
                        QColor(215, 48, 39)};
constexpr int kBinCount = 5;

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

TfrmExplore::TfrmExplore(const ProgramData& data, const TDesignSource& source,
                         const std::vector<std::string>& opponentFolders, ApplyVariant apply, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), source_(source), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("frmExplore"));
    setWindowTitle(QStringLiteral("Explore the design"));
    resize(1020, 690);

    auto* left = new QVBoxLayout;
    auto* inputsBox = new QGroupBox(QStringLiteral("Inputs to vary"), this);
    BuildInputs(inputsBox);
    left->addWidget(inputsBox, 3);
    left->addWidget(BuildObjectives(this, opponentFolders));

    auto* runRow = new QHBoxLayout;
    runButton = new QPushButton(QStringLiteral("Run"), this);
    runButton->setObjectName(QStringLiteral("bnRun"));
    runButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("bnCancel"));
    cancelButton->setEnabled(false);
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("pbProgress"));
    progress->setRange(0, 1000);
    progress->setValue(0);
    runRow->addWidget(runButton);
    runRow->addWidget(cancelButton);
    runRow->addWidget(progress, 1);
    left->addLayout(runRow);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    status->setMinimumHeight(34);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(status);

    auto* right = new QVBoxLayout;
    auto* axes = new QHBoxLayout;
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    };
    axisX = combo("cbAxisX");
    axisY = combo("cbAxisY");
    colour = combo("cbColour");
    axes->addWidget(new QLabel(QStringLiteral("Across")));
    axes->addWidget(axisX);
    axes->addWidget(new QLabel(QStringLiteral("Up")));
    axes->addWidget(axisY);
    axes->addWidget(new QLabel(QStringLiteral("Colour")));
    axes->addWidget(colour);
    axes->addStretch(1);
    right->addLayout(axes);

    chart = new QChartView(this);
    chart->setObjectName(QStringLiteral("chExplore"));
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setMinimumHeight(250);
    frontTable = new QTableWidget(this);
    frontTable->setObjectName(QStringLiteral("tblFront"));
    frontTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    frontTable->setSelectionMode(QAbstractItemView::SingleSelection);
    frontTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frontTable->verticalHeader()->hide();
    frontTable->verticalHeader()->setDefaultSectionSize(20);
    frontTable->setSortingEnabled(true);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(chart);
    split->addWidget(frontTable);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    right->addWidget(split, 1);
    auto* costsBox = new QGroupBox(QStringLiteral("What each step costs"), this);
    costsBox->setFlat(true);
    auto* costsLayout = new QVBoxLayout(costsBox);
    costsLayout->setContentsMargins(4, 4, 4, 4);
    stepCosts = new QListWidget(costsBox);
    stepCosts->setObjectName(QStringLiteral("lbStepCosts"));
    stepCosts->setFlow(QListView::TopToBottom);
    stepCosts->setWrapping(true);
    stepCosts->setResizeMode(QListView::Adjust);
    stepCosts->setFixedHeight(84);
    stepCosts->setToolTip(QStringLiteral("The weight one step of each input adds to the design on the form"));
    costsLayout->addWidget(stepCosts);
    right->addWidget(costsBox);

    differences = new QLabel(QStringLiteral("Choose a variant to see what it changes."), this);
    differences->setObjectName(QStringLiteral("lblDifferences"));
    differences->setWordWrap(true);
    differences->setMinimumHeight(36);
    auto* applyRow = new QHBoxLayout;
    applyRow->addWidget(differences, 1);
    applyButton = new QPushButton(QStringLiteral("Apply to form"), this);
    applyButton->setObjectName(QStringLiteral("bnApply"));
    applyButton->setEnabled(false);
    applyButton->setToolTip(QStringLiteral("Put the chosen variant on the design form (one undo step)"));
    applyRow->addWidget(applyButton);
    right->addLayout(applyRow);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addLayout(left, 0);
    root->addLayout(right, 1);

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &TfrmExplore::Poll);
    connect(runButton, &QPushButton::clicked, this, [this] { Run(); });
    connect(cancelButton, &QPushButton::clicked, this, &TfrmExplore::Cancel);
    connect(applyButton, &QPushButton::clicked, this, &TfrmExplore::ApplySelected);
    connect(frontTable, &QTableWidget::itemSelectionChanged, this, &TfrmExplore::SelectionChanged);
    for (QComboBox* c : {axisX, axisY, colour})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { DrawChart(); });
    UseFormDesign();
}

TfrmExplore::~TfrmExplore() {
    if (job_) job_->Control.Cancel = true;
    if (worker_.joinable()) worker_.join();
}

void TfrmExplore::BuildInputs(QWidget* parent) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(4, 4, 4, 4);
    inputsTable = new QTableWidget(static_cast<int>(ExploreInputs().size()), 4, parent);
    inputsTable->setObjectName(QStringLiteral("tblInputs"));
    inputsTable->setHorizontalHeaderLabels(
        {QStringLiteral("Input"), QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Step")});
    inputsTable->verticalHeader()->hide();
    inputsTable->verticalHeader()->setDefaultSectionSize(24);
    inputsTable->setSelectionMode(QAbstractItemView::NoSelection);
    inputsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    int row = 0;
    for (const ExploreInputInfo& info : ExploreInputs()) {
        auto* vary = new QCheckBox(QString::fromLatin1(info.Caption), inputsTable);
        vary->setObjectName(QStringLiteral("cbVary_") + QString::fromLatin1(info.Key));
        vary->setToolTip(QString::fromLatin1(info.Key));
        inputsTable->setCellWidget(row, 0, vary);
        auto spin = [&](int column) {
            auto* s = new QDoubleSpinBox(inputsTable);
            s->setDecimals(info.Inches ? 1 : 0);
            s->setRange(info.Min, info.Input == ExploreInput::MainTurrets ? 64 : info.Max);
            s->setSingleStep(info.DefaultStep);
            s->setButtonSymbols(QAbstractSpinBox::NoButtons);
            s->setFrame(false);
            s->setAlignment(Qt::AlignRight);
            s->setObjectName(QStringLiteral("se%1_%2").arg(column).arg(QString::fromLatin1(info.Key)));
            inputsTable->setCellWidget(row, column, s);
            return s;
        };
        InputRow r{vary, spin(1), spin(2), spin(3)};
        r.step->setMinimum(0);
        r.step->setValue(info.DefaultStep);
        inputs_.push_back(r);
        ++row;
    }
    for (int c = 1; c <= 3; ++c) inputsTable->setColumnWidth(c, 52);
    layout->addWidget(inputsTable);
}

QWidget* TfrmExplore::BuildObjectives(QWidget* parent, const std::vector<std::string>& opponentFolders) {
    auto* box = new QGroupBox(QStringLiteral("Objectives"), parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    const std::pair<const char*, const char*> plain[] = {{"speed", "Speed"},
                                                         {"belt", "Belt"},
                                                         {"deck", "Deck"},
                                                         {"spare", "Tons spare"},
                                                         {"point-value", "Point value"},
                                                         {"endurance", "Endurance"}};
    int at = 0;
    for (const auto& [key, caption] : plain) {
        auto* c = new QCheckBox(QString::fromLatin1(caption), box);
        c->setObjectName(QStringLiteral("cbObjective_") + QString::fromLatin1(key));
        c->setChecked(std::string(key) == "speed" || std::string(key) == "belt");
        grid->addWidget(c, at / 3, at % 3);
        objectives_.push_back({c, key});
        ++at;
    }
    auto calibre = [box](const char* name) {
        auto* s = new QSpinBox(box);
        s->setObjectName(QLatin1String(name));
        s->setRange(kSmallestCalibre, kLargestCalibre);
        s->setValue(12);
        s->setSuffix(QStringLiteral(" in"));
        return s;
    };
    auto* immune = new QCheckBox(QStringLiteral("Immune zone vs"), box);
    immune->setObjectName(QStringLiteral("cbObjective_immune"));
    immune->setChecked(true);
    immuneCalibre_ = calibre("seImmuneCalibre");
    auto* beltSafe = new QCheckBox(QStringLiteral("Belt safe beyond vs"), box);
    beltSafe->setObjectName(QStringLiteral("cbObjective_belt-safe"));
    beltSafeCalibre_ = calibre("seBeltSafeCalibre");
    grid->addWidget(immune, 2, 0, 1, 2);
    grid->addWidget(immuneCalibre_, 2, 2);
    grid->addWidget(beltSafe, 3, 0, 1, 2);
    grid->addWidget(beltSafeCalibre_, 3, 2);
    objectives_.push_back({immune, "immune"});
    objectives_.push_back({beltSafe, "belt-safe"});

    auto* hits = new QCheckBox(QStringLiteral("Hits/min on"), box);
    hits->setObjectName(QStringLiteral("cbObjective_hits"));
    hits->setToolTip(QStringLiteral("Main-battery hits per minute in the engagement planner's opening scene"));
    opponent = new QComboBox(box);
    opponent->setObjectName(QStringLiteral("cbOpponent"));
    opponent->setMaximumWidth(130);
    for (const std::string& path : opponentFolders) {
        const QDir dir(q(path));
        for (const QString& name : dir.entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name))
            opponent->addItem(name.left(name.size() - 4), dir.filePath(name));
    }
    if (const int at = opponent->findText(QStringLiteral("Derfflinger")); at >= 0) opponent->setCurrentIndex(at);
    hitsRange_ = new QSpinBox(box);
    hitsRange_->setObjectName(QStringLiteral("seHitsRange"));
    hitsRange_->setRange(0, 40000);
    hitsRange_->setSingleStep(1000);
    hitsRange_->setValue(10000);
    hitsRange_->setSuffix(QStringLiteral(" yd"));
    auto* hitsRow = new QHBoxLayout;
    hitsRow->addWidget(hits);
    hitsRow->addWidget(opponent, 1);
    hitsRow->addWidget(hitsRange_);
    grid->addLayout(hitsRow, 4, 0, 1, 3);
    objectives_.push_back({hits, "hits"});
    return box;
}

void TfrmExplore::UseFormDesign() {
    if (Running()) return;
    const auto record = source_.Record();
    std::string why;
    base_ = record ? ReadExploreBase(*record, data_, &why) : std::nullopt;
    if (!base_) {
        status->setText(QStringLiteral("The design on the form cannot be explored") +
                        (why.empty() ? QString() : QStringLiteral(": ") + q(why)) + QStringLiteral("."));
        return;
    }
    for (size_t k = 0; k < inputs_.size(); ++k) {
        const ExploreInputInfo& info = ExploreInputs()[k];
        const double own = DisplayValue(info.Input, BaseValue(base_->Inputs, base_->Turrets, info.Input));
        const double max = info.Input == ExploreInput::MainTurrets ? base_->Turrets : info.Max;
        InputRow& r = inputs_[k];
        r.from->setMaximum(max);
        r.to->setMaximum(max);
        if (info.Input == ExploreInput::MainTurrets) {
            r.from->setValue(std::max(0.0, own - 2));
            r.to->setValue(own);
        } else {
            r.from->setValue(own);
            r.to->setValue(std::min(max, own + DefaultSpan(info.Input)));
        }
        r.step->setValue(info.Input == ExploreInput::Displacement ? 1000 : info.DefaultStep);
        r.vary->setChecked(CheckedByDefault(info.Input));
    }
    stepCosts->clear();
    for (const StepCost& c : StepCosts(*base_, data_)) {
        auto* item = new QListWidgetItem(q(StepCostText(c)), stepCosts);
        if (!c.Possible) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
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
        std::string text = o.key;
        if (o.key == "immune") text += ":" + std::to_string(immuneCalibre_->value());
        if (o.key == "belt-safe") text += ":" + std::to_string(beltSafeCalibre_->value());
        if (o.key == "hits") {
            if (opponent->currentIndex() < 0) {
                why = "no opponent design to count hits on";
                return std::nullopt;
            }
            text += ":" + opponent->currentData().toString().toStdString() + "@" + std::to_string(hitsRange_->value());
        }
        auto objective = ParseObjective(text, &why);
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
    {
        const auto record = source_.Record();
        std::string why;
        if (record) base_ = ReadExploreBase(*record, data_, &why);
        if (!record || !base_) {
            status->setText(QStringLiteral("The design on the form cannot be explored."));
            return false;
        }
    }
    std::string why;
    const auto request = Request(why);
    if (!request) {
        status->setText(QStringLiteral("Cannot run: ") + q(why) + QStringLiteral("."));
        return false;
    }
    auto job = std::make_shared<Job>();
    job->Data = &data_;
    job->Base = *base_;
    job->Request = *request;
    job->Total = GridSize(request->Ranges);
    job_ = job;
    request_ = *request;
    baseValues_.clear();
    for (const ExploreRange& r : request_.Ranges)
        baseValues_.push_back(BaseValue(base_->Inputs, base_->Turrets, r.Input));
    baseVariant_ = EvaluateVariant(data_, *base_, request_, baseValues_);
    worker_ = std::thread([job] {
        job->Result = RunExplore(*job->Data, job->Base, job->Request, &job->Control);
        job->Done = true;
    });
    runButton->setEnabled(false);
    cancelButton->setEnabled(true);
    applyButton->setEnabled(false);
    progress->setValue(0);
    status->setText(QStringLiteral("Searching %1 variants...")
                        .arg(QLocale(QLocale::English).toString(static_cast<qulonglong>(job->Total))));
    timer_->start();
    return true;
}

void TfrmExplore::Cancel() {
    if (job_) job_->Control.Cancel = true;
}

void TfrmExplore::Poll() {
    if (!job_) return;
    const double done = static_cast<double>(job_->Control.Done.load());
    progress->setValue(job_->Total ? static_cast<int>(1000 * std::min(1.0, done / job_->Total)) : 0);
    if (!job_->Done) return;
    timer_->stop();
    if (worker_.joinable()) worker_.join();
    result_ = std::move(job_->Result);
    job_.reset();
    runButton->setEnabled(true);
    cancelButton->setEnabled(false);
    progress->setValue(result_.Cancelled ? progress->value() : 1000);
    ShowResult();
    emit finished();
}

void TfrmExplore::ShowResult() {
    const QLocale en(QLocale::English);
    if (!result_.Problem.empty()) {
        status->setText(QStringLiteral("Cannot run: ") + q(result_.Problem) + QStringLiteral("."));
    } else {
        status->setText(QStringLiteral("%1%2 variants evaluated, %3 fit, %4 on the front (%5 s).")
                            .arg(result_.Cancelled ? QStringLiteral("Cancelled: ") : QString())
                            .arg(en.toString(static_cast<qulonglong>(result_.Evaluated)))
                            .arg(en.toString(static_cast<qulonglong>(result_.Feasible)))
                            .arg(result_.Front.size())
                            .arg(result_.Seconds, 0, 'f', 2));
    }
    for (QComboBox* c : {axisX, axisY, colour}) {
        const QSignalBlocker block(c);
        c->clear();
        if (c == colour) c->addItem(QStringLiteral("(none)"));
        for (const auto& o : request_.Objectives) c->addItem(q(o.Text));
    }
    const int n = static_cast<int>(request_.Objectives.size());
    {
        const QSignalBlocker b1(axisX), b2(axisY), b3(colour);
        axisX->setCurrentIndex(0);
        axisY->setCurrentIndex(n > 1 ? 1 : 0);
        colour->setCurrentIndex(n > 2 ? 3 : 0);
    }
    FillTable();
    DrawChart();
    differences->setText(QStringLiteral("Choose a variant to see what it changes."));
}

void TfrmExplore::FillTable() {
    const QSignalBlocker block(frontTable);
    frontTable->setSortingEnabled(false);
    frontTable->clear();
    QStringList heads = {QStringLiteral("#")};
    for (const auto& r : request_.Ranges) heads << QString::fromLatin1(InfoOf(r.Input).Key);
    // Objectives marked with the way they count: up is better, or down.
    for (const auto& o : request_.Objectives)
        heads << (o.Minimise() ? QStringLiteral("\u25BC ") : QStringLiteral("\u25B2 ")) + q(o.Text);
    heads << QStringLiteral("Total t") << QStringLiteral("Displ. t");
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
        frontTable->setItem(i, c++, new NumberItem(v.TotalWeight, QLocale(QLocale::English).toString(v.TotalWeight)));
        frontTable->setItem(i, c++, new NumberItem(v.Displacement, QLocale(QLocale::English).toString(v.Displacement)));
    }
    frontTable->setSortingEnabled(true);
    frontTable->resizeColumnsToContents();
}

void TfrmExplore::DrawChart() {
    auto* c = new QChart;
    c->setMargins(QMargins(4, 4, 4, 4));
    c->legend()->setAlignment(Qt::AlignBottom);
    const int x = axisX->currentIndex(), y = axisY->currentIndex(), z = colour->currentIndex() - 1;
    const int n = static_cast<int>(request_.Objectives.size());
    if (x >= 0 && y >= 0 && x < n && y < n && !result_.Front.empty()) {
        double lo = 0, hi = 0;
        if (z >= 0 && z < n) {
            lo = hi = result_.Front[0].Objectives[static_cast<size_t>(z)];
            for (const auto& v : result_.Front) {
                lo = std::min(lo, v.Objectives[static_cast<size_t>(z)]);
                hi = std::max(hi, v.Objectives[static_cast<size_t>(z)]);
            }
        }
        const int bins = z >= 0 && z < n && hi > lo ? kBinCount : 1;
        if (bins > 1) c->setTitle(QStringLiteral("Colour: ") + q(request_.Objectives[static_cast<size_t>(z)].Text));
        std::vector<QScatterSeries*> series;
        for (int b = 0; b < bins; ++b) {
            auto* s = new QScatterSeries;
            s->setMarkerSize(9);
            s->setColor(bins == 1 ? kBins[1] : kBins[b]);
            s->setBorderColor(s->color().darker(130));
            if (bins == 1) {
                s->setName(QStringLiteral("Variants"));
            } else {
                const double from = lo + (hi - lo) * b / bins;
                s->setName(QStringLiteral("\u2265 %1").arg(NumberText(std::round(from * 100) / 100)));
            }
            connect(s, &QScatterSeries::clicked, this, &TfrmExplore::ChartClicked);
            series.push_back(s);
        }
        for (const auto& v : result_.Front) {
            int b = 0;
            if (bins > 1)
                b = std::clamp(static_cast<int>((v.Objectives[static_cast<size_t>(z)] - lo) / (hi - lo) * bins), 0,
                               bins - 1);
            series[static_cast<size_t>(b)]->append(v.Objectives[static_cast<size_t>(x)],
                                                   v.Objectives[static_cast<size_t>(y)]);
        }
        for (auto* s : series) c->addSeries(s);
        auto* base = new QScatterSeries;
        base->setName(baseVariant_.Fits ? QStringLiteral("Base design") : QStringLiteral("Base design (does not fit)"));
        base->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        base->setMarkerSize(13);
        base->setColor(Qt::black);
        if (baseVariant_.Objectives.size() == static_cast<size_t>(n))
            base->append(baseVariant_.Objectives[static_cast<size_t>(x)],
                         baseVariant_.Objectives[static_cast<size_t>(y)]);
        c->addSeries(base);
        auto* chosen = new QScatterSeries;
        chosen->setName(QStringLiteral("Chosen"));
        chosen->setMarkerSize(16);
        chosen->setColor(Qt::transparent);
        chosen->setBorderColor(QColor(0, 160, 0));
        chosen->setPen(QPen(QColor(0, 160, 0), 3));
        const int selected = SelectedVariant();
        if (selected >= 0) {
            const auto& v = result_.Front[static_cast<size_t>(selected)];
            chosen->append(v.Objectives[static_cast<size_t>(x)], v.Objectives[static_cast<size_t>(y)]);
        }
        c->addSeries(chosen);
        c->createDefaultAxes();
        // Each axis spans the points and the base, with a little room.
        auto span = [&](size_t k, QAbstractAxis* axis) {
            auto* a = qobject_cast<QValueAxis*>(axis);
            if (!a) return;
            double min = result_.Front[0].Objectives[k], max = min;
            for (const auto& v : result_.Front)
                min = std::min(min, v.Objectives[k]), max = std::max(max, v.Objectives[k]);
            if (baseVariant_.Objectives.size() > k)
                min = std::min(min, baseVariant_.Objectives[k]), max = std::max(max, baseVariant_.Objectives[k]);
            const double margin = max > min ? (max - min) * 0.08 : std::max(1.0, std::fabs(max) * 0.05);
            // Ticks on round numbers: 1, 2 or 5 times a power of ten.
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
            a->setTitleText(q(request_.Objectives[k].Text));
        };
        for (QAbstractAxis* a : c->axes(Qt::Horizontal)) span(static_cast<size_t>(x), a);
        for (QAbstractAxis* a : c->axes(Qt::Vertical)) span(static_cast<size_t>(y), a);
        for (QLegendMarker* m : c->legend()->markers(chosen)) m->setVisible(false);
        QFont small = c->legend()->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        c->legend()->setFont(small);
    } else {
        c->setTitle(result_.Front.empty() && result_.Evaluated > 0
                        ? QStringLiteral("No variant fits.")
                        : QStringLiteral("Run a search to see the best trade-offs."));
    }
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
        differences->setText(QStringLiteral("Choose a variant to see what it changes."));
        return;
    }
    const ExploreVariant& v = result_.Front[static_cast<size_t>(selected)];
    QStringList changes;
    for (size_t k = 0; k < request_.Ranges.size(); ++k) {
        if (v.Values[k] == baseValues_[k]) continue;
        const ExploreInput input = request_.Ranges[k].Input;
        changes << QStringLiteral("%1 %2 \u2192 %3%4")
                       .arg(QString::fromLatin1(InfoOf(input).Caption), NumberText(DisplayValue(input, baseValues_[k])),
                            NumberText(DisplayValue(input, v.Values[k])), UnitSuffix(input));
    }
    const QLocale en(QLocale::English);
    const QString weights =
        QStringLiteral("total %1 \u2192 %2 t").arg(en.toString(baseVariant_.TotalWeight), en.toString(v.TotalWeight));
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
