// The explorer window's controls, laid out and connected once.
#include "explore/qt/ExploreWindow.h"

#include "designfile/DesignCheck.h"
#include "designfile/qt/DesignSource.h"
#include "platform/qt/ScreenFit.h"

#include <QChartView>
#include <QCheckBox>
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
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

bool CheckedByDefault(ExploreInput input) {
    return input == ExploreInput::Speed || input == ExploreInput::Displacement || input == ExploreInput::Belt ||
           input == ExploreInput::Deck || input == ExploreInput::MainCalibre;
}

bool CheckedByDefault(ObjectiveKind kind) {
    return kind == ObjectiveKind::Speed || kind == ObjectiveKind::Belt || kind == ObjectiveKind::Immune;
}

} // namespace

TfrmExplore::TfrmExplore(const ProgramData& data, const TDesignSource& source,
                         const std::vector<std::string>& opponentFolders, ApplyVariant apply, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), source_(source), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("frmExplore"));
    setWindowTitle(QStringLiteral("Explore the design"));
    platform::FitToScreen(*this, QSize(1280, 800), QSize(1020, 690));

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
    // Wide enough for every caption whole, beside the three figures.
    int widest = 0;
    for (const InputRow& r : inputs_) widest = std::max(widest, r.vary->sizeHint().width());
    inputsTable->setMinimumWidth(widest + 3 * 52 + inputsTable->verticalScrollBar()->sizeHint().width() +
                                 2 * inputsTable->frameWidth() + 8);
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
    // Two to a row, so the longest label ("Hits/min on ... at 10,000 yd")
    // shows whole in each.
    auto* axes = new QGridLayout;
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(10);
        c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return c;
    };
    axisX = combo("cbAxisX");
    axisY = combo("cbAxisY");
    colour = combo("cbColour");
    int at = 0;
    for (auto [caption, c] : {std::pair{"Across", axisX}, std::pair{"Up", axisY}, std::pair{"Colour", colour}}) {
        axes->addWidget(new QLabel(QLatin1String(caption), this), at / 2, at % 2 * 2);
        axes->addWidget(c, at / 2, at % 2 * 2 + 1);
        ++at;
    }
    axes->setColumnStretch(1, 1);
    axes->setColumnStretch(3, 1);
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
    stepCosts->setFixedHeight(6 * stepCosts->fontMetrics().height() + 24); // six lines to a column
    stepCosts->setToolTip(QStringLiteral("The weight one step of each input adds to the design on the form"));
    layout->addWidget(stepCosts);
    return box;
}

QLayout* TfrmExplore::BuildApplyRow() {
    differences = new QLabel(this);
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
