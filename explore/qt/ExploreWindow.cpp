#include "explore/qt/ExploreWindow.h"

#include "designfile/DesignCheck.h"
#include "designfile/qt/DesignSource.h"
#include "explore/qt/ExploreChart.h"
#include "platform/Messages.h"

#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
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

bool CheckedByDefault(ExploreInput input) {
    return input == ExploreInput::Speed || input == ExploreInput::Displacement || input == ExploreInput::Belt ||
           input == ExploreInput::Deck || input == ExploreInput::MainCalibre;
}

bool CheckedByDefault(ObjectiveKind kind) {
    return kind == ObjectiveKind::Speed || kind == ObjectiveKind::Belt || kind == ObjectiveKind::Immune;
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

TfrmExplore::TfrmExplore(const ProgramData& data, const TDesignSource& source,
                         const std::vector<std::string>& opponentFolders, ApplyVariant apply, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), source_(source), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("frmExplore"));
    setWindowTitle(QStringLiteral("Explore the design"));
    resize(1020, 690);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildInputs(), 3);
    left->addWidget(BuildObjectives(opponentFolders));
    left->addLayout(BuildRunRow());
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setWordWrap(true);
    status->setMinimumHeight(34);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(status);

    auto* right = new QVBoxLayout;
    right->addLayout(BuildAxes());
    right->addWidget(BuildFront(), 1);
    right->addWidget(BuildStepCosts());
    right->addLayout(BuildApplyRow());

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addLayout(left, 0);
    root->addLayout(right, 1);
    Connect();
    UseFormDesign();
}

TfrmExplore::~TfrmExplore() { StopJob(); }

QWidget* TfrmExplore::BuildInputs() {
    auto* box = new QGroupBox(QStringLiteral("Inputs to vary"), this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    inputsTable = new QTableWidget(static_cast<int>(ExploreInputs().size()), 4, box);
    inputsTable->setObjectName(QStringLiteral("tblInputs"));
    inputsTable->setHorizontalHeaderLabels(
        {QStringLiteral("Input"), QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Step")});
    inputsTable->verticalHeader()->hide();
    inputsTable->verticalHeader()->setDefaultSectionSize(24);
    inputsTable->setSelectionMode(QAbstractItemView::NoSelection);
    inputsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    int row = 0;
    for (const ExploreInputInfo& info : ExploreInputs()) {
        auto* vary = new QCheckBox(q(InputLabel(info.Input)), inputsTable);
        vary->setObjectName(QStringLiteral("cbVary_") + QString::fromLatin1(info.Key));
        vary->setToolTip(QString::fromLatin1(info.Key));
        vary->setChecked(CheckedByDefault(info.Input));
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
        inputs_.push_back(r);
        ++row;
    }
    for (int c = 1; c <= 3; ++c) inputsTable->setColumnWidth(c, 52);
    layout->addWidget(inputsTable);
    return box;
}

QWidget* TfrmExplore::BuildObjectives(const std::vector<std::string>& opponentFolders) {
    auto* box = new QGroupBox(QStringLiteral("Objectives"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    auto calibre = [box](const char* name) {
        auto* s = new QSpinBox(box);
        s->setObjectName(QLatin1String(name));
        s->setRange(kSmallestCalibre, kLargestCalibre);
        s->setValue(12);
        s->setSuffix(QStringLiteral(" in"));
        return s;
    };
    int plain = 0, row = 2;
    for (const ObjectiveInfo& info : ObjectiveInfos()) {
        if (info.Kind == ObjectiveKind::Hits) continue; // a row of its own
        auto* c =
            new QCheckBox(QString::fromLatin1(info.Caption) + (info.Figure ? QStringLiteral(" vs") : QString()), box);
        c->setObjectName(QStringLiteral("cbObjective_") + QString::fromLatin1(info.Key));
        c->setChecked(CheckedByDefault(info.Kind));
        objectives_.push_back({c, info.Kind});
        if (!info.Figure) {
            grid->addWidget(c, plain / 3, plain % 3);
            ++plain;
            continue;
        }
        QSpinBox*& spin = info.Kind == ObjectiveKind::Immune ? immuneCalibre_ : beltSafeCalibre_;
        spin = calibre(info.Kind == ObjectiveKind::Immune ? "seImmuneCalibre" : "seBeltSafeCalibre");
        grid->addWidget(c, row, 0, 1, 2);
        grid->addWidget(spin, row++, 2);
    }
    grid->addWidget(BuildHits(box, opponentFolders), row, 0, 1, 3);
    return box;
}

QWidget* TfrmExplore::BuildHits(QWidget* parent, const std::vector<std::string>& opponentFolders) {
    auto* holder = new QWidget(parent);
    auto* hits =
        new QCheckBox(QString::fromLatin1(InfoOf(ObjectiveKind::Hits).Caption) + QStringLiteral(" on"), holder);
    hits->setObjectName(QStringLiteral("cbObjective_hits"));
    hits->setToolTip(QStringLiteral("Main-battery hits per minute in the engagement planner's opening scene"));
    objectives_.push_back({hits, ObjectiveKind::Hits});
    opponent = new QComboBox(holder);
    opponent->setObjectName(QStringLiteral("cbOpponent"));
    opponent->setMaximumWidth(130);
    for (const std::string& path : opponentFolders) {
        const QDir dir(q(path));
        for (const QString& name : dir.entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name))
            opponent->addItem(name.left(name.size() - 4), dir.filePath(name));
    }
    if (const int at = opponent->findText(QStringLiteral("Derfflinger")); at >= 0) opponent->setCurrentIndex(at);
    hitsRange_ = new QSpinBox(holder);
    hitsRange_->setObjectName(QStringLiteral("seHitsRange"));
    hitsRange_->setRange(0, 40000);
    hitsRange_->setSingleStep(1000);
    hitsRange_->setValue(10000);
    hitsRange_->setSuffix(QStringLiteral(" yd"));
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(hits);
    row->addWidget(opponent, 1);
    row->addWidget(hitsRange_);
    return holder;
}

QLayout* TfrmExplore::BuildRunRow() {
    auto* row = new QHBoxLayout;
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
    row->addWidget(runButton);
    row->addWidget(cancelButton);
    row->addWidget(progress, 1);
    return row;
}

QLayout* TfrmExplore::BuildAxes() {
    auto* axes = new QHBoxLayout;
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        // Labels are long; the list opens as wide as they are.
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(10);
        c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return c;
    };
    axisX = combo("cbAxisX");
    axisY = combo("cbAxisY");
    colour = combo("cbColour");
    for (auto [caption, c] : {std::pair{"Across", axisX}, std::pair{"Up", axisY}, std::pair{"Colour", colour}}) {
        axes->addWidget(new QLabel(QLatin1String(caption), this));
        axes->addWidget(c, 1);
    }
    return axes;
}

QWidget* TfrmExplore::BuildFront() {
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
    return split;
}

QWidget* TfrmExplore::BuildStepCosts() {
    auto* box = new QGroupBox(QStringLiteral("What each step costs"), this);
    box->setFlat(true);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    stepCosts = new QListWidget(box);
    stepCosts->setObjectName(QStringLiteral("lbStepCosts"));
    stepCosts->setFlow(QListView::TopToBottom);
    stepCosts->setWrapping(true);
    stepCosts->setResizeMode(QListView::Adjust);
    stepCosts->setFixedHeight(84);
    stepCosts->setToolTip(QStringLiteral("The weight one step of each input adds to the design on the form"));
    layout->addWidget(stepCosts);
    return box;
}

QLayout* TfrmExplore::BuildApplyRow() {
    differences = new QLabel(kChoose, this);
    differences->setObjectName(QStringLiteral("lblDifferences"));
    differences->setWordWrap(true);
    differences->setMinimumHeight(36);
    auto* row = new QHBoxLayout;
    row->addWidget(differences, 1);
    applyButton = new QPushButton(QStringLiteral("Apply to form"), this);
    applyButton->setObjectName(QStringLiteral("bnApply"));
    applyButton->setEnabled(false);
    applyButton->setToolTip(QStringLiteral("Put the chosen variant on the design form (one undo step)"));
    row->addWidget(applyButton);
    return row;
}

void TfrmExplore::Connect() {
    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &TfrmExplore::Poll);
    connect(runButton, &QPushButton::clicked, this, [this] { Run(); });
    connect(cancelButton, &QPushButton::clicked, this, &TfrmExplore::Cancel);
    connect(applyButton, &QPushButton::clicked, this, &TfrmExplore::ApplySelected);
    connect(frontTable, &QTableWidget::itemSelectionChanged, this, &TfrmExplore::SelectionChanged);
    for (QComboBox* c : {axisX, axisY, colour})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { DrawChart(); });
    // A range the user sets is theirs; the others follow the design.
    for (InputRow& r : inputs_)
        for (QDoubleSpinBox* s : {r.from, r.to, r.step})
            connect(s, &QDoubleSpinBox::valueChanged, this, [this, &r] { r.set = r.set || !filling_; });
    connect(&source_, &TDesignSource::changed, this, [this] {
        if (isVisible()) UseFormDesign();
    });
}

std::optional<ExploreBase> TfrmExplore::FormBase(std::string& why) const {
    // Why the source cannot give the design goes to the status line, not a box.
    platform::ScopedRecordingMessages quiet;
    const auto record = source_.Record();
    if (!record) {
        const auto texts = quiet.texts();
        why = texts.empty() ? std::string() : texts.front();
        return std::nullopt;
    }
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
        auto* item = new QListWidgetItem(q(StepCostText(c)), stepCosts);
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
    progress->setValue(job_->Total ? static_cast<int>(1000 * std::min(1.0, done / job_->Total)) : 0);
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
