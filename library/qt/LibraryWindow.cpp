#include "library/qt/LibraryWindow.h"

#include "designfile/DesignInputs.h"
#include "graphics/qt/PlanImage.h"
#include "graphics/qt/ShipPictures.h"
#include "library/qt/LibraryLoader.h"
#include "library/qt/LibraryModel.h"
#include "platform/DesignFolders.h"
#include "platform/Messages.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/ScreenFit.h"
#include "sheets/qt/CompareWindow.h"
#include "shipdata/Ship.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

using platform::fromQ;
using platform::toQ;

namespace {

QPushButton* CommandButton(QWidget* parent, const char* name, const char* caption, const char* tip) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QString::fromUtf8(tip));
    return b;
}

// A class name that can stand as a file name in any folder.
bool usableClassName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\:*?\"<>|") == std::string::npos;
}

QString designPath(const QString& folder, const QString& className) {
    return QDir(folder).filePath(className + QStringLiteral(".sdf"));
}

QSpinBox* DisplacementBox(QWidget* parent, const char* name, const char* tip) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(0, 200000);
    s->setSingleStep(1000);
    s->setSpecialValueText(QStringLiteral("any"));
    s->setSuffix(QStringLiteral(" t"));
    s->setToolTip(QString::fromUtf8(tip));
    return s;
}

QStringList nationNames(const ProgramData& data) {
    QStringList names;
    for (int n = 0; n < 64; ++n)
        if (const TNation* nation = data.Nation(n); nation && !nation->Name.empty()) names << toQ(nation->Name);
    return names;
}

// "1 design", "2 designs".
QString counted(qsizetype n, const char* thing) {
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(thing)).arg(n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

TfrmLibrary::TfrmLibrary(const ProgramData& data, Setup setup, QWidget* parent)
    : QDialog(parent), data_(data), setup_(std::move(setup)) {
    setObjectName(QStringLiteral("frmLibrary"));
    setWindowTitle(QStringLiteral("Design library"));
    userFolders_ = setup_.UserFolders;
    model_ = new TLibraryModel(this);
    // Made in the order Tab visits them: the search box first.
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFilters());
    BuildTable();
    auto* body = new QHBoxLayout();
    body->addWidget(lvDesigns, 1);
    body->addLayout(BuildSidePanel());
    layout->addLayout(body, 1);
    layout->addLayout(BuildCommands());
    // Enter belongs to the search box and the table, never to a button.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
    FitToScreen();

    loader_ = new TLibraryLoader(data_, *model_, setup_.CacheFile, this);
    ConnectCommands();
    ConnectLoader();
    UpdateButtons();
    loader_->SetFolders(AllFolders());
    UpdateStatus();
}

QLayout* TfrmLibrary::BuildFilters() {
    edSearch = new QLineEdit(this);
    edSearch->setObjectName(QStringLiteral("edSearch"));
    edSearch->setPlaceholderText(QStringLiteral("Search class, nation or type"));
    edSearch->setClearButtonEnabled(true);
    cbNation = new QComboBox(this);
    cbNation->setObjectName(QStringLiteral("cbNation"));
    cbNation->addItem(QStringLiteral("All nations"));
    for (const QString& nation : nationNames(data_)) cbNation->addItem(nation);
    cbType = new QComboBox(this);
    cbType->setObjectName(QStringLiteral("cbType"));
    cbType->addItem(QStringLiteral("All types"));
    // The name a player knows, the code the table shows (every code is known).
    platform::QuietMessages quiet;
    for (const char* code : kDesignTypeCodes) {
        const std::string name = data_.Weapons.ShipTypeName(ShipTypeFromCode(code, quiet));
        cbType->addItem(name.empty() ? QLatin1String(code) : toQ(name) + QStringLiteral(" (%1)").arg(code),
                        QLatin1String(code));
    }
    // The lists show whole names; the boxes stay narrow enough for a small screen.
    for (QComboBox* box : {cbNation, cbType}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(10);
    }
    seMinDisplacement = DisplacementBox(this, "seMinDisplacement", "Smallest displacement shown");
    seMaxDisplacement = DisplacementBox(this, "seMaxDisplacement", "Largest displacement shown");
    bnAddFolder = CommandButton(this, "bnAddFolder", "Add folder...", "List the designs of another folder too");
    bnRemoveFolder = CommandButton(this, "bnRemoveFolder", "Remove folder...", "Stop listing a folder you added");
    auto* filters = new QHBoxLayout();
    filters->addWidget(edSearch, 2);
    filters->addWidget(cbNation);
    filters->addWidget(cbType);
    filters->addWidget(new QLabel(QStringLiteral("Displ."), this));
    filters->addWidget(seMinDisplacement);
    filters->addWidget(new QLabel(QStringLiteral("to"), this));
    filters->addWidget(seMaxDisplacement);
    filters->addWidget(bnAddFolder);
    filters->addWidget(bnRemoveFolder);
    return filters;
}

void TfrmLibrary::BuildTable() {
    lvDesigns = new QTableView(this);
    lvDesigns->setObjectName(QStringLiteral("lvDesigns"));
    lvDesigns->setModel(model_);
    lvDesigns->setSortingEnabled(true);
    lvDesigns->sortByColumn(0, Qt::AscendingOrder);
    lvDesigns->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDesigns->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvDesigns->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDesigns->verticalHeader()->hide();
    lvDesigns->verticalHeader()->setDefaultSectionSize(26);
    lvDesigns->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    lvDesigns->horizontalHeader()->setStretchLastSection(true);
    lvDesigns->setIconSize(QSize(110, 22));
    lvDesigns->setWordWrap(false);
    lvDesigns->setColumnWidth(0, 250);
    for (int c = 1; c < kLibraryColumns - 1; ++c) lvDesigns->setColumnWidth(c, 74);
    // The longest nation's name fits whole.
    const QFontMetrics metrics(lvDesigns->font());
    int nationWidth = lvDesigns->columnWidth(TLibraryModel::SectionOf(LibraryColumn::Nation));
    for (const QString& nation : nationNames(data_))
        nationWidth = std::max(nationWidth, metrics.horizontalAdvance(nation) + 16);
    lvDesigns->setColumnWidth(TLibraryModel::SectionOf(LibraryColumn::Nation), nationWidth);
}

QLayout* TfrmLibrary::BuildSidePanel() {
    lbPicture = new QLabel(this);
    lbPicture->setObjectName(QStringLiteral("lbPicture"));
    lbPicture->setFixedSize(240, 150);
    lbPicture->setAlignment(Qt::AlignCenter);
    lbPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lbPlan = new QLabel(this);
    lbPlan->setObjectName(QStringLiteral("lbPlan"));
    lbPlan->setFixedSize(240, 70);
    lbPlan->setAlignment(Qt::AlignCenter);
    lbDetails = new QLabel(this);
    lbDetails->setObjectName(QStringLiteral("lbDetails"));
    lbDetails->setWordWrap(true);
    lbDetails->setFixedWidth(240);
    lbDetails->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lbDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* side = new QVBoxLayout();
    side->addWidget(lbPicture);
    side->addWidget(lbPlan);
    side->addWidget(lbDetails, 1);
    return side;
}

QLayout* TfrmLibrary::BuildCommands() {
    bnOpen = CommandButton(this, "bnOpen", "Open", "Open the design on the design form (Enter)");
    bnCompare = CommandButton(this, "bnCompare", "Compare", "Compare two to six selected designs");
    bnDuplicate = CommandButton(this, "bnDuplicate", "Duplicate", "Copy the design file beside it");
    bnRename = CommandButton(this, "bnRename", "Rename...", "Give the design another class name");
    bnTrash = CommandButton(this, "bnTrash", "Move to trash", "Move the design file to the desktop's trash");
    bnShowInFolder = CommandButton(this, "bnShowInFolder", "Show in folder", "Open the folder that holds the file");
    auto* commands = new QHBoxLayout();
    for (QPushButton* b : {bnOpen, bnCompare, bnDuplicate, bnRename, bnTrash, bnShowInFolder}) commands->addWidget(b);
    lbStatus = new QLabel(this);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    // The room the buttons leave, whatever its text: a missing folder's name
    // must not widen the window (the tip holds it all).
    lbStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lbStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pbFill = new QProgressBar(this);
    pbFill->setObjectName(QStringLiteral("pbFill"));
    pbFill->setMaximumWidth(200);
    pbFill->setTextVisible(true);
    commands->addWidget(lbStatus, 1);
    commands->addWidget(pbFill);
    return commands;
}

void TfrmLibrary::FitToScreen() {
    // Every column and the side panel want about 1,600 pixels.
    platform::FitToScreen(*this, QSize(1600, 900));
}

void TfrmLibrary::ConnectCommands() {
    connect(edSearch, &QLineEdit::textChanged, this, &TfrmLibrary::ApplyFilter);
    connect(cbNation, &QComboBox::currentIndexChanged, this, &TfrmLibrary::ApplyFilter);
    connect(cbType, &QComboBox::currentIndexChanged, this, &TfrmLibrary::ApplyFilter);
    connect(seMinDisplacement, &QSpinBox::valueChanged, this, &TfrmLibrary::ApplyFilter);
    connect(seMaxDisplacement, &QSpinBox::valueChanged, this, &TfrmLibrary::ApplyFilter);
    connect(edSearch, &QLineEdit::returnPressed, this, &TfrmLibrary::OpenFirstMatch);
    connect(lvDesigns, &QTableView::doubleClicked, this, &TfrmLibrary::OpenSelected);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), lvDesigns);
        enter->setContext(Qt::WidgetShortcut); // the search box has its own Enter
        connect(enter, &QShortcut::activated, this, &TfrmLibrary::OpenSelected);
    }
    connect(bnOpen, &QPushButton::clicked, this, &TfrmLibrary::OpenSelected);
    connect(bnCompare, &QPushButton::clicked, this, &TfrmLibrary::CompareSelected);
    connect(bnDuplicate, &QPushButton::clicked, this, &TfrmLibrary::DuplicateSelected);
    connect(bnRename, &QPushButton::clicked, this, &TfrmLibrary::RenameSelected);
    connect(bnTrash, &QPushButton::clicked, this, &TfrmLibrary::TrashSelected);
    connect(bnShowInFolder, &QPushButton::clicked, this, [this] {
        const auto files = SelectedFiles();
        if (!files.empty()) ShowInFolder(files.front());
    });
    connect(bnAddFolder, &QPushButton::clicked, this, &TfrmLibrary::AskAddFolder);
    connect(bnRemoveFolder, &QPushButton::clicked, this, &TfrmLibrary::AskRemoveFolder);
}

void TfrmLibrary::ConnectLoader() {
    // A filling that resets the rows keeps the selection; rows that went take
    // the panel and the buttons with them.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { keptSelection_ = SelectedFiles(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        Select(keptSelection_);
        FollowSelection();
        UpdateStatus();
    });
    connect(lvDesigns->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmLibrary::FollowSelection);
    // A plan view drawn after its row was chosen shows at once.
    connect(model_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        const QModelIndexList rows = lvDesigns->selectionModel()->selectedRows();
        if (rows.isEmpty()) return;
        const int first = std::min_element(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) {
                              return a.row() < b.row();
                          })->row();
        if (first >= from.row() && first <= to.row()) ShowCurrent();
    });
    connect(loader_, &TLibraryLoader::Progress, this, [this](int done, int total, const QString& what) {
        pbFill->setVisible(true);
        pbFill->setRange(0, std::max(total, 1));
        pbFill->setValue(done);
        pbFill->setFormat(what + QStringLiteral(" %v of %m"));
    });
    connect(loader_, &TLibraryLoader::Finished, this, [this] {
        pbFill->setVisible(false);
        UpdateStatus();
    });
}

void TfrmLibrary::DuplicateSelected() {
    std::vector<std::string> made;
    for (const auto& f : SelectedFiles())
        if (auto copy = Duplicate(f); !copy.empty()) made.push_back(copy);
    if (!made.empty()) Select(made);
}

void TfrmLibrary::RenameSelected() {
    const auto files = SelectedFiles();
    if (files.size() != 1) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Rename design"), QStringLiteral("New class name:"),
                                               QLineEdit::Normal, toQ(DesignClassName(files[0])), &ok);
    if (ok) Rename(files[0], fromQ(name.trimmed()));
}

void TfrmLibrary::TrashSelected() {
    const auto files = SelectedFiles();
    if (files.empty()) return;
    const std::string what =
        files.size() == 1 ? "the design " + DesignClassName(files[0]) : std::to_string(files.size()) + " designs";
    if (!platform::messages().confirm("Move " + what + " to the trash?")) return;
    for (const auto& f : files)
        if (!MoveToTrash(f)) break;
}

void TfrmLibrary::AskAddFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Add a folder of designs"));
    if (!folder.isEmpty()) AddFolder(folder);
}

void TfrmLibrary::AskRemoveFolder() {
    if (userFolders_.isEmpty()) {
        platform::messages().notice("No folder has been added to the library.");
        return;
    }
    bool ok = false;
    const QString folder =
        QInputDialog::getItem(this, QStringLiteral("Remove folder"), QStringLiteral("Stop listing the designs of:"),
                              userFolders_, 0, false, &ok);
    if (ok) RemoveFolder(folder);
}

void TfrmLibrary::OpenFirstMatch() {
    if (model_->rowCount() == 0) return;
    Select({model_->RowAt(0).File});
    OpenSelected();
}

TfrmLibrary::~TfrmLibrary() = default;

TfrmCompare* TfrmLibrary::CompareWindow() const { return compare_.data(); }

QStringList TfrmLibrary::AllFolders() const {
    QStringList all = setup_.Folders;
    for (const QString& folder : userFolders_)
        if (!all.contains(QDir::cleanPath(folder))) all << folder;
    return all;
}

void TfrmLibrary::AddFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (userFolders_.contains(clean) || setup_.Folders.contains(clean)) return;
    userFolders_ << clean;
    if (setup_.RememberUserFolders) setup_.RememberUserFolders(userFolders_);
    loader_->SetFolders(AllFolders());
}

void TfrmLibrary::RemoveFolder(const QString& folder) {
    if (!userFolders_.removeAll(folder)) return;
    if (setup_.RememberUserFolders) setup_.RememberUserFolders(userFolders_);
    loader_->SetFolders(AllFolders());
}

void TfrmLibrary::ApplyFilter() {
    LibraryFilter filter;
    filter.Search = fromQ(edSearch->text().trimmed());
    if (cbNation->currentIndex() > 0) filter.Nation = fromQ(cbNation->currentText());
    if (cbType->currentIndex() > 0) filter.Type = fromQ(cbType->currentData().toString());
    if (seMinDisplacement->value() > 0) filter.MinDisplacement = seMinDisplacement->value();
    if (seMaxDisplacement->value() > 0) filter.MaxDisplacement = seMaxDisplacement->value();
    model_->SetFilter(filter);
}

std::vector<std::string> TfrmLibrary::SelectedFiles() const {
    std::vector<std::string> files;
    QModelIndexList rows = lvDesigns->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& i : rows) files.push_back(model_->RowAt(i.row()).File);
    return files;
}

void TfrmLibrary::Select(const std::vector<std::string>& files) {
    QItemSelection selection;
    for (const auto& f : files)
        if (const int row = model_->ShownRowOf(f); row >= 0)
            selection.select(model_->index(row, 0), model_->index(row, kLibraryColumns - 1));
    lvDesigns->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        lvDesigns->selectionModel()->setCurrentIndex(selection.indexes().front(), QItemSelectionModel::NoUpdate);
}

void TfrmLibrary::UpdateStatus() {
    const auto& rows = model_->Rows();
    const auto unreadable = std::count_if(rows.begin(), rows.end(), [](const LibraryRow& r) { return !r.IsDesign; });
    QString text = counted(static_cast<qsizetype>(rows.size()) - unreadable, "design") +
                   QStringLiteral(", %1 shown").arg(model_->rowCount());
    if (unreadable > 0) text += QStringLiteral("; %1 could not be read (red)").arg(counted(unreadable, "file"));
    for (const QString& missing : loader_->Missing()) text += QStringLiteral("; folder missing: ") + missing;
    lbStatus->setText(text);
    lbStatus->setToolTip(text);
    pbFill->setVisible(loader_->Busy());
}

void TfrmLibrary::FollowSelection() {
    ShowCurrent();
    UpdateButtons();
}

void TfrmLibrary::UpdateButtons() {
    const size_t n = SelectedFiles().size();
    bnOpen->setEnabled(n == 1);
    bnCompare->setEnabled(n >= 2 && n <= static_cast<size_t>(TfrmCompare::kMaxDesigns));
    bnDuplicate->setEnabled(n >= 1);
    bnRename->setEnabled(n == 1);
    bnTrash->setEnabled(n >= 1);
    bnShowInFolder->setEnabled(n >= 1);
}

void TfrmLibrary::ShowCurrent() {
    const auto files = SelectedFiles();
    const LibraryRow* row = files.empty() ? nullptr : model_->Find(files.front());
    lbPicture->clear();
    lbPlan->clear();
    lbDetails->clear();
    if (!row) return;
    QString details =
        QStringLiteral("<b>%1</b><br>%2").arg(toQ(row->ClassName).toHtmlEscaped(), toQ(row->File).toHtmlEscaped());
    if (row->IsDesign) {
        details += QStringLiteral("<br>%1 %2, %3 t, %4 kn, %5<br>Status: %6")
                       .arg(toQ(row->Nation).toHtmlEscaped(), toQ(row->Type))
                       .arg(row->Displacement)
                       .arg(row->Speed)
                       .arg(toQ(LibraryCellText(*row, LibraryColumn::MainGuns)), toQ(row->Status).toHtmlEscaped());
        const QImage picture = shippictures::FindShipPicture(row->PictureName, setup_.CustomFilesDir).Image;
        if (!picture.isNull())
            lbPicture->setPixmap(
                QPixmap::fromImage(picture.scaled(lbPicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        else lbPicture->setText(QStringLiteral("No picture"));
        QPixmap plan;
        if (plan.loadFromData(model_->ThumbnailOf(row->File), "PNG"))
            lbPlan->setPixmap(plan.scaled(lbPlan->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        details += QStringLiteral("<br><font color=red>%1</font>").arg(toQ(row->Status).toHtmlEscaped());
    }
    lbDetails->setText(details);
}

void TfrmLibrary::OpenSelected() {
    const auto files = SelectedFiles();
    if (files.size() != 1 || !setup_.OpenDesign) return;
    const LibraryRow* row = model_->Find(files.front());
    if (row && !row->IsDesign) {
        platform::messages().notice("Cannot open " + row->File + ": " + row->Status);
        return;
    }
    setup_.OpenDesign(files.front());
}

void TfrmLibrary::CompareSelected() {
    const auto files = SelectedFiles();
    if (files.size() < 2 || files.size() > static_cast<size_t>(TfrmCompare::kMaxDesigns)) {
        platform::messages().notice("Select two to six designs to compare.");
        return;
    }
    if (!compare_ && setup_.NewCompareWindow) compare_ = setup_.NewCompareWindow(this);
    if (!compare_ || !compare_->SetFiles(files)) return;
    compare_->show();
    compare_->raise();
}

std::string TfrmLibrary::Duplicate(const std::string& file) {
    const QFileInfo info(toQ(file));
    const QString base = info.completeBaseName() + QStringLiteral(" copy");
    QString target = designPath(info.absolutePath(), base);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = designPath(info.absolutePath(), base + QStringLiteral(" %1").arg(n));
    QFile source(toQ(file));
    if (!source.copy(target)) {
        platform::messages().notice("Cannot duplicate " + file + "\r" + fromQ(source.errorString()));
        return {};
    }
    loader_->ReadNow(fromQ(target));
    return fromQ(target);
}

bool TfrmLibrary::Rename(const std::string& file, const std::string& newClassName) {
    const QFileInfo info(toQ(file));
    if (!usableClassName(newClassName)) {
        platform::messages().notice("\"" + newClassName +
                                    "\" cannot be a class name: it must not be empty or hold / \\ : * ? \" < > |");
        return false;
    }
    const QString target = designPath(info.absolutePath(), toQ(newClassName));
    if (QFileInfo::exists(target) && QFileInfo(target) != info) {
        platform::messages().notice("Cannot rename " + file + "\rA design named " + newClassName +
                                    " is already in that folder.");
        return false;
    }
    QFile source(toQ(file));
    if (!source.rename(target)) {
        platform::messages().notice("Cannot rename " + file + "\r" + fromQ(source.errorString()));
        return false;
    }
    loader_->ReadNow(fromQ(QFileInfo(target).absoluteFilePath()));
    Select({fromQ(QFileInfo(target).absoluteFilePath())});
    return true;
}

bool TfrmLibrary::MoveToTrash(const std::string& file) {
    QFile f(toQ(file));
    const QString folder = QFileInfo(f).absolutePath();
    if (!QFileInfo(folder).isWritable()) {
        platform::messages().notice("Cannot move " + file + " to the trash\rThe folder " + fromQ(folder) +
                                    " is read-only.");
        return false;
    }
    if (!f.moveToTrash()) {
        platform::messages().notice("Cannot move " + file + " to the trash\r" +
                                    (f.errorString().isEmpty() ? std::string("The desktop has no trash for this file.")
                                                               : fromQ(f.errorString())));
        return false;
    }
    loader_->Rescan(folder);
    return true;
}

void TfrmLibrary::ShowInFolder(const std::string& file) {
    const QString folder = QFileInfo(toQ(file)).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        platform::messages().notice("Cannot show the folder " + fromQ(folder));
}
