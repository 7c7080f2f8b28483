#include "sheets/qt/CompareWindow.h"

#include "designfile/DesignCheck.h"
#include "graphics/qt/PlanImage.h"
#include "platform/DesignFolders.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/ScreenFit.h"
#include "sheets/SheetRender.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

using platform::toQ;

namespace {

constexpr int kPathRole = Qt::UserRole;
// The design form's plan view: every design drawn at its scale and shown
// at kPlanShown of its size, so lengths compare by eye.
const TPlanImageOptions kPlan{};
constexpr double kPlanShown = 0.45;

enum ExportKind { kPdfA4, kPdfLetter, kHtml, kMarkdown, kCsv };
const char* const kExportFilters[] = {"PDF, A4|*.pdf", "PDF, Letter|*.pdf", "HTML|*.html;*.htm", "Markdown|*.md",
                                      "CSV|*.csv"};

std::optional<QImage> planOf(const DesignRecord& record, const ProgramData& data) {
    platform::RecordingMessages quiet; // the rows already carry the design's problems
    return RenderDesignPlan(record, data.Preferences, kPlan, quiet);
}

} // namespace

QColor TfrmCompare::DifferenceColour() { return QColor(255, 236, 160); }

TfrmCompare::TfrmCompare(const ProgramData& data, Setup setup, const TDesignSource* formDesign, QWidget* parent)
    : QDialog(parent), data_(data), setup_(std::move(setup)), formDesign_(formDesign) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare designs"));
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(BuildChooser());
    columns->addLayout(BuildTable(), 1);
    // Six designs side by side read best wide; 1010 x 660 shows two whole.
    platform::FitToScreen(*this, QSize(1400, 860), QSize(1010, 660));

    FillSources();
    connect(lvSources, &QListWidget::itemDoubleClicked, this, [this] { AddChosenSource(); });
    connect(bnAdd, &QPushButton::clicked, this, [this] { AddChosenSource(); });
    connect(bnOpen, &QPushButton::clicked, this, [this] { OpenFile(); });
    connect(bnRemove, &QPushButton::clicked, this, [this] { RemoveChosen(); });
    connect(bnCopy, &QPushButton::clicked, this, &TfrmCompare::Copy);
    connect(bnExport, &QPushButton::clicked, this, &TfrmCompare::Export);
    UseFormDesign();
}

QLayout* TfrmCompare::BuildChooser() {
    lvSources = new QListWidget(this);
    lvSources->setObjectName(QStringLiteral("lvSources"));
    lvSources->setToolTip(QStringLiteral("Type a class name to find it; double-click to add it"));
    lvSources->setMaximumWidth(220);
    lvCompared = new QListWidget(this);
    lvCompared->setObjectName(QStringLiteral("lvCompared"));
    lvCompared->setMaximumHeight(118);
    lvCompared->setMaximumWidth(220);
    bnAdd = new QPushButton(QStringLiteral("Add"), this);
    bnOpen = new QPushButton(QStringLiteral("Open..."), this);
    bnRemove = new QPushButton(QStringLiteral("Remove"), this);
    bnCopy = new QPushButton(QStringLiteral("Copy"), this);
    bnExport = new QPushButton(QStringLiteral("Export..."), this);
    const std::pair<QPushButton*, const char*> names[] = {
        {bnAdd, "bnAdd"}, {bnOpen, "bnOpen"}, {bnRemove, "bnRemove"}, {bnCopy, "bnCopy"}, {bnExport, "bnExport"}};
    for (const auto& [button, name] : names) button->setObjectName(QLatin1String(name));

    auto* chooser = new QVBoxLayout();
    chooser->addWidget(new QLabel(QStringLiteral("Designs"), this));
    chooser->addWidget(lvSources, 1);
    auto* addRow = new QHBoxLayout();
    addRow->addWidget(bnAdd);
    addRow->addWidget(bnOpen);
    chooser->addLayout(addRow);
    chooser->addWidget(new QLabel(QStringLiteral("Compared (the first is the reference)"), this));
    chooser->addWidget(lvCompared);
    auto* actions = new QHBoxLayout();
    actions->addWidget(bnRemove);
    actions->addStretch();
    chooser->addLayout(actions);
    auto* share = new QHBoxLayout();
    share->addWidget(bnCopy);
    share->addWidget(bnExport);
    chooser->addLayout(share);
    return chooser;
}

QLayout* TfrmCompare::BuildTable() {
    lbNotes = new QLabel(this);
    lbNotes->setObjectName(QStringLiteral("lbNotes"));
    lbNotes->setWordWrap(true);
    lvRows = new QTreeWidget(this);
    lvRows->setObjectName(QStringLiteral("lvRows"));
    lvRows->setRootIsDecorated(false);
    lvRows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* table = new QVBoxLayout();
    table->addWidget(lbNotes);
    table->addWidget(lvRows, 1);

    auto* plans = new QHBoxLayout();
    for (int i = 0; i < kMaxDesigns; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("imgPlan%1").arg(i + 1));
        l->setFixedSize(static_cast<int>(kPlan.Width * kPlanShown), static_cast<int>(kPlan.Height * kPlanShown));
        l->setAlignment(Qt::AlignCenter);
        plans->addWidget(l);
        imgPlans.push_back(l);
    }
    plans->addStretch();
    table->addLayout(plans);
    return table;
}

void TfrmCompare::FillSources() {
    // Class name first, so typing its first letters finds it.
    for (const std::string& folder : setup_.Folders) {
        const QDir dir(toQ(folder));
        for (const QString& name :
             dir.entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
            auto* item = new QListWidgetItem(
                name.left(name.size() - 4) + QStringLiteral("  (") + dir.dirName() + QLatin1Char(')'), lvSources);
            item->setData(kPathRole, dir.filePath(name));
        }
    }
}

void TfrmCompare::AddChosenSource() {
    for (QListWidgetItem* item : lvSources->selectedItems())
        if (!SetFile(Count(), item->data(kPathRole).toString().toStdString())) return;
}

void TfrmCompare::OpenFile() {
    platform::OpenFileRequest request;
    request.title = "Compare with";
    request.filter = "Ship design files (sdf)|*.sdf";
    request.defaultExtension = "sdf";
    request.startDirectory = platform::BundledDesignsFolder(setup_.ProgramDir);
    request.existingOnly = true;
    if (auto path = platform::fileDialogs().openFile(request)) SetFile(Count(), *path);
}

void TfrmCompare::RemoveChosen() {
    const int row = lvCompared->currentRow();
    if (row < 0 || row >= Count() || Count() <= 1) return;
    records_.erase(records_.begin() + row);
    titles_.erase(titles_.begin() + row);
    Refresh();
}

bool TfrmCompare::SetFile(int side, const std::string& path) {
    if (side >= kMaxDesigns) {
        platform::messages().notice("At most six designs can be compared at once.");
        return false;
    }
    DesignRecord record = ReadDesignRecord(path);
    if (const auto refusal = DesignRefusal(record)) {
        lbNotes->setText(toQ(*refusal));
        platform::messages().notice(*refusal);
        return false;
    }
    side = std::clamp(side, 0, Count());
    if (side == Count()) titles_.emplace_back();
    titles_[static_cast<size_t>(side)] = path;
    SetRecord(side, record);
    return true;
}

void TfrmCompare::SetRecord(int side, const DesignRecord& record) {
    side = std::clamp(side, 0, std::min(Count(), kMaxDesigns - 1));
    if (side == Count()) records_.emplace_back();
    if (titles_.size() < records_.size()) titles_.resize(records_.size());
    records_[static_cast<size_t>(side)] = record;
    Refresh();
}

bool TfrmCompare::SetFiles(const std::vector<std::string>& paths) {
    if (paths.size() > static_cast<size_t>(kMaxDesigns)) {
        platform::messages().notice("At most six designs can be compared at once.");
        return false;
    }
    std::vector<DesignRecord> records;
    for (const auto& path : paths) {
        records.push_back(ReadDesignRecord(path));
        if (const auto refusal = DesignRefusal(records.back())) {
            platform::messages().notice(*refusal);
            return false;
        }
    }
    records_ = std::move(records);
    titles_ = paths;
    Refresh();
    return true;
}

void TfrmCompare::UseFormDesign() {
    if (!formDesign_) return;
    if (records_.empty()) {
        records_.emplace_back();
        titles_.emplace_back();
    }
    titles_[0].clear();
    SetRecord(0, formDesign_->Record().value_or(DesignRecord{}));
}

void TfrmCompare::Refresh() {
    std::vector<DesignSummary> summaries;
    for (const auto& r : records_) summaries.push_back(BuildDesignSummary(r, data_));
    comparison_ = CompareManyDesigns(summaries);
    if (Count() < 2) comparison_.Notes = {"Choose a second design to compare with."};

    lvCompared->clear();
    for (int i = 0; i < Count(); ++i)
        lvCompared->addItem(
            (titles_[static_cast<size_t>(i)].empty() ? QStringLiteral("The design on the form: ") : QString()) +
            toQ(comparison_.Names[static_cast<size_t>(i)]) +
            (titles_[static_cast<size_t>(i)].empty()
                 ? QString()
                 : QStringLiteral("  (") + toQ(titles_[static_cast<size_t>(i)]) + QLatin1Char(')')));

    lvRows->clear();
    QStringList header{QStringLiteral("Group"), QStringLiteral("Figure")};
    for (size_t i = 0; i < comparison_.Names.size(); ++i) {
        header << toQ(comparison_.Names[i]);
        if (i > 0) header << QStringLiteral("\u0394 ") + toQ(comparison_.Names[i]);
    }
    lvRows->setColumnCount(static_cast<int>(header.size()));
    lvRows->setHeaderLabels(header);
    QString notes;
    for (const auto& n : comparison_.Notes) notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + toQ(n);
    lbNotes->setText(notes);
    std::string group;
    for (const auto& r : comparison_.Rows) {
        // Each group named on its first row only.
        QStringList cells{r.Group == group ? QString() : toQ(r.Group), toQ(r.Label)};
        group = r.Group;
        for (size_t i = 0; i < r.Values.size(); ++i) {
            cells << toQ(r.Values[i]);
            if (i > 0) cells << toQ(r.Differences[i]);
        }
        auto* item = new QTreeWidgetItem(lvRows, cells);
        for (int c = 2; c < cells.size(); ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (r.Differs && Count() > 1)
            for (int c = 0; c < cells.size(); ++c) item->setBackground(c, DifferenceColour());
    }
    for (int i = 0; i < kMaxDesigns; ++i) {
        QLabel* label = imgPlans[static_cast<size_t>(i)];
        label->clear();
        label->setToolTip({});
        label->setFrameStyle(i < Count() ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        if (i >= Count()) continue;
        label->setToolTip(toQ(comparison_.Names[static_cast<size_t>(i)]));
        if (auto image = planOf(records_[static_cast<size_t>(i)], data_))
            label->setPixmap(
                QPixmap::fromImage(image->scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        else label->setText(QStringLiteral("No plan view"));
    }
}

void TfrmCompare::Copy() {
    auto* mime = new QMimeData;
    mime->setText(toQ(RenderManyComparison(comparison_, ComparisonFormat::Text)));
    mime->setHtml(toQ(RenderManyComparison(comparison_, ComparisonFormat::Html)));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::string TfrmCompare::ComparisonPdf(bool letter) const {
    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(Count() > 3 ? 6.5 : 8);
    doc.setDefaultFont(font);
    std::string html = RenderManyComparison(comparison_, ComparisonFormat::Html);
    std::string plans = "<table><tr>";
    for (int i = 0; i < Count(); ++i) {
        const auto image = planOf(records_[static_cast<size_t>(i)], data_);
        if (!image) continue;
        const QString url = QStringLiteral("compare:plan%1").arg(i);
        doc.addResource(QTextDocument::ImageResource, QUrl(url), *image);
        plans += "<td align=\"center\"><img src=\"" + url.toStdString() + "\" width=\"" +
                 std::to_string(static_cast<int>(kPlan.Width * kPlanShown)) + "\"><br>" +
                 EscapeHtml(comparison_.Names[static_cast<size_t>(i)]) + "</td>";
    }
    plans += "</tr></table>\n";
    html.insert(html.rfind("</body>"), plans);
    doc.setHtml(toQ(html));
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Comparison of designs"));
        writer.setCreator(QStringLiteral("Ship designer " SHIP_VERSION));
        doc.print(&writer);
    }
    return std::string(pdf.constData(), static_cast<size_t>(pdf.size()));
}

void TfrmCompare::Export() {
    platform::SaveFileRequest request;
    request.title = "Export comparison";
    request.filters.assign(std::begin(kExportFilters), std::end(kExportFilters));
    request.startDirectory = platform::resolvePath(setup_.CustomFilesRoot + "Custom Files");
    request.suggestedName = "Comparison.pdf";
    const auto choice = AskExportFile(request, setup_.Export);
    if (!choice) return;
    std::string bytes;
    switch (choice->filter) {
    case kHtml: bytes = RenderManyComparison(comparison_, ComparisonFormat::Html); break;
    case kMarkdown: bytes = RenderManyComparison(comparison_, ComparisonFormat::Markdown); break;
    case kCsv: bytes = RenderManyComparison(comparison_, ComparisonFormat::Csv); break;
    default:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        bytes = ComparisonPdf(choice->filter == kPdfLetter);
        QApplication::restoreOverrideCursor();
    }
    std::string why;
    if (bytes.empty() || !platform::writeBytes(choice->path, bytes, &why)) {
        platform::messages().notice("Error exporting comparison " + choice->path + "\r" +
                                    (why.empty() ? std::string("The file could not be made.") : why));
        return;
    }
    platform::messages().notice("Comparison exported to file: " + choice->path);
}
