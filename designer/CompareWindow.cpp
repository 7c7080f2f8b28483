#include "designer/CompareWindow.h"

#include "graphics/qt/PlanImage.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/qt/QtMessages.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

using platform::toQ;

namespace {

constexpr int kPathRole = Qt::UserRole;
// The design form's plan view, both designs drawn at its scale and shown
// at kPlanShown of its size.
const TPlanImageOptions kPlan{};
constexpr double kPlanShown = 0.7;

QLabel* planLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setFixedSize(static_cast<int>(kPlan.Width * kPlanShown), static_cast<int>(kPlan.Height * kPlanShown));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

QColor TfrmCompare::DifferenceColour() { return QColor(255, 236, 160); }

TfrmCompare::TfrmCompare(const ProgramData& data, std::string programDir, std::string customFilesRoot,
                         std::function<DesignRecord()> formDesign, QWidget* parent)
    : QDialog(parent), Data_(data), ProgramDir_(std::move(programDir)), CustomFilesRoot_(std::move(customFilesRoot)),
      FormDesign_(std::move(formDesign)) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare designs"));
    auto* grid = new QGridLayout();
    cbFirst = new QComboBox(this);
    cbSecond = new QComboBox(this);
    bnOpenFirst = new QPushButton(QStringLiteral("Open..."), this);
    bnOpenSecond = new QPushButton(QStringLiteral("Open..."), this);
    cbFirst->setObjectName(QStringLiteral("cbFirst"));
    cbSecond->setObjectName(QStringLiteral("cbSecond"));
    bnOpenFirst->setObjectName(QStringLiteral("bnOpenFirst"));
    bnOpenSecond->setObjectName(QStringLiteral("bnOpenSecond"));
    grid->addWidget(new QLabel(QStringLiteral("First"), this), 0, 0);
    grid->addWidget(cbFirst, 0, 1);
    grid->addWidget(bnOpenFirst, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Second"), this), 1, 0);
    grid->addWidget(cbSecond, 1, 1);
    grid->addWidget(bnOpenSecond, 1, 2);
    grid->setColumnStretch(1, 1);

    lbNotes = new QLabel(this);
    lbNotes->setObjectName(QStringLiteral("lbNotes"));
    lbNotes->setWordWrap(true);

    lvRows = new QTreeWidget(this);
    lvRows->setObjectName(QStringLiteral("lvRows"));
    lvRows->setRootIsDecorated(false);
    lvRows->setAlternatingRowColors(false);
    lvRows->setHeaderLabels({QStringLiteral("Group"), QStringLiteral("Figure"), QStringLiteral("First"),
                             QStringLiteral("Second"), QStringLiteral("Difference")});
    lvRows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    imgFirst = planLabel(this, "imgFirst");
    imgSecond = planLabel(this, "imgSecond");
    auto* plans = new QHBoxLayout();
    plans->addWidget(imgFirst, 0, Qt::AlignTop);
    plans->addWidget(imgSecond, 0, Qt::AlignTop);

    auto* left = new QVBoxLayout();
    left->addLayout(grid);
    left->addWidget(lbNotes);
    left->addWidget(lvRows, 1);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(plans);
    resize(1010, 640);

    FillSources(cbFirst, true);
    FillSources(cbSecond, false);
    connect(cbFirst, &QComboBox::activated, this, [this](int i) { SourceChosen(0, i); });
    connect(cbSecond, &QComboBox::activated, this, [this](int i) { SourceChosen(1, i); });
    connect(bnOpenFirst, &QPushButton::clicked, this, [this] { OpenFile(0); });
    connect(bnOpenSecond, &QPushButton::clicked, this, [this] { OpenFile(1); });
    UseFormDesign();
}

void TfrmCompare::FillSources(QComboBox* box, bool withForm) {
    box->addItem(withForm ? QStringLiteral("The design on the form") : QStringLiteral("(choose a design)"));
    for (const auto& [folder, root] : {std::pair<const char*, std::string>{"Designs", ProgramDir_},
                                       std::pair<const char*, std::string>{"Custom Files", CustomFilesRoot_}}) {
        const QDir dir(toQ(platform::resolvePath(root + folder)));
        for (const QString& name : dir.entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
            box->addItem(QLatin1String(folder) + QLatin1Char('/') + name.left(name.size() - 4), dir.filePath(name));
    }
}

void TfrmCompare::SourceChosen(int side, int index) {
    if (index <= 0) {
        if (side == 0) UseFormDesign();
        return;
    }
    QComboBox* box = side == 0 ? cbFirst : cbSecond;
    SetFile(side, box->itemData(index, kPathRole).toString().toStdString());
}

void TfrmCompare::OpenFile(int side) {
    platform::OpenFileRequest request;
    request.title = side == 0 ? "First design" : "Second design";
    request.filter = "Ship design files (sdf)|*.sdf";
    request.defaultExtension = "sdf";
    request.startDirectory = platform::resolvePath(ProgramDir_ + "Designs");
    request.existingOnly = true;
    if (auto path = platform::fileDialogs().openFile(request)) SetFile(side, *path);
}

bool TfrmCompare::SetFile(int side, const std::string& path) {
    DesignRecord record = ReadDesignRecord(path);
    if (!record.Readable) {
        const std::string why = record.NotDesign.empty() ? "Cannot read design file: " + path : record.NotDesign;
        lbNotes->setText(toQ(why));
        platform::messages().notice(why);
        return false;
    }
    QComboBox* box = side == 0 ? cbFirst : cbSecond;
    const QSignalBlocker block(box);
    int at = box->findData(toQ(path), kPathRole);
    if (at < 0) {
        box->addItem(toQ(platform::fileNameOf(path)), toQ(path));
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
    SetRecord(side, record);
    return true;
}

void TfrmCompare::SetRecord(int side, const DesignRecord& record) {
    Records_[side] = record;
    Chosen_[side] = true;
    Refresh();
}

void TfrmCompare::UseFormDesign() {
    {
        const QSignalBlocker block(cbFirst);
        cbFirst->setCurrentIndex(0);
    }
    if (FormDesign_) SetRecord(0, FormDesign_());
}

void TfrmCompare::Refresh() {
    const DesignSummary first = BuildDesignSummary(Records_[0], Data_);
    const DesignSummary second = Chosen_[1] ? BuildDesignSummary(Records_[1], Data_) : DesignSummary{};
    lvRows->clear();
    lbNotes->clear();
    // Without a second design the first one's figures stand alone.
    Comparison_ = Chosen_[1] ? CompareDesigns(first, second) : CompareDesigns(first, first);
    if (!Chosen_[1]) {
        for (auto& row : Comparison_.Rows) row.B.clear();
        Comparison_.Notes = {"Choose a second design to compare with."};
        Comparison_.NameB.clear();
    }
    lvRows->headerItem()->setText(2, toQ(Comparison_.NameA));
    lvRows->headerItem()->setText(3, toQ(Comparison_.NameB.empty() ? "Second" : Comparison_.NameB));
    QString notes;
    for (const auto& n : Comparison_.Notes) notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + toQ(n);
    lbNotes->setText(notes);
    std::string group;
    for (const auto& r : Comparison_.Rows) {
        // Each group named on its first row only.
        const QString groupText = r.Group == group ? QString() : toQ(r.Group);
        group = r.Group;
        auto* item = new QTreeWidgetItem(lvRows, {groupText, toQ(r.Label), toQ(r.A), toQ(r.B), toQ(r.Difference)});
        for (int c = 2; c <= 4; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (r.Differs && Chosen_[1])
            for (int c = 0; c < 5; ++c) item->setBackground(c, DifferenceColour());
    }
    auto plan = [&](const DesignRecord& record, bool chosen, QLabel* label) {
        label->clear();
        if (!chosen) return;
        const platform::ScopedRecordingMessages quiet;   // the rows already carry the design's problems
        if (auto image = RenderDesignPlan(record, Data_.Preferences, kPlan))
            label->setPixmap(QPixmap::fromImage(image->scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        else label->setText(QStringLiteral("No plan view"));
    };
    plan(Records_[0], Chosen_[0], imgFirst);
    plan(Records_[1], Chosen_[1], imgSecond);
}
