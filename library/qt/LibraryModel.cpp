#include "library/qt/LibraryModel.h"

#include <QColor>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr std::array<LibraryColumn, kLibraryColumns> kShown{
    LibraryColumn::ClassName,   LibraryColumn::Nation,   LibraryColumn::Type,       LibraryColumn::Displacement,
    LibraryColumn::Speed,       LibraryColumn::MainGuns, LibraryColumn::Belt,       LibraryColumn::Deck,
    LibraryColumn::TotalWeight, LibraryColumn::Spare,    LibraryColumn::PointValue, LibraryColumn::HitPoints,
    LibraryColumn::Status,      LibraryColumn::File};

QString headerText(LibraryColumn c) {
    switch (c) {
    case LibraryColumn::ClassName: return QStringLiteral("Class");
    case LibraryColumn::Displacement: return QStringLiteral("Displ. (t)");
    case LibraryColumn::Speed: return QStringLiteral("Speed (kn)");
    case LibraryColumn::MainGuns: return QStringLiteral("Main guns");
    case LibraryColumn::Belt: return QStringLiteral("Belt (in)");
    case LibraryColumn::Deck: return QStringLiteral("Deck (in)");
    case LibraryColumn::TotalWeight: return QStringLiteral("Total (t)");
    case LibraryColumn::Spare: return QStringLiteral("Spare (t)");
    case LibraryColumn::PointValue: return QStringLiteral("Points");
    case LibraryColumn::HitPoints: return QStringLiteral("Hit points");
    case LibraryColumn::File: return QStringLiteral("Folder");
    default: return QString::fromUtf8(LibraryColumnName(c));
    }
}

} // namespace

TLibraryModel::TLibraryModel(QObject* parent) : QAbstractTableModel(parent) {}

LibraryColumn TLibraryModel::ColumnAt(int section) { return kShown[static_cast<size_t>(section)]; }

int TLibraryModel::SectionOf(LibraryColumn column) {
    for (size_t i = 0; i < kShown.size(); ++i)
        if (kShown[i] == column) return static_cast<int>(i);
    return 0;
}

int TLibraryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int TLibraryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kLibraryColumns; }

QVariant TLibraryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const size_t at = shown_[static_cast<size_t>(index.row())];
    const LibraryRow& row = rows_[at];
    const LibraryColumn column = ColumnAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (column == LibraryColumn::File) return QFileInfo(QString::fromStdString(row.File)).absolutePath();
        return QString::fromStdString(LibraryCellText(row, column));
    case Qt::ToolTipRole:
        return column == LibraryColumn::File || column == LibraryColumn::ClassName ? QString::fromStdString(row.File)
                                                                                   : QVariant();
    case Qt::TextAlignmentRole:
        return LibraryColumnIsNumber(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
        if (!row.IsDesign || (column == LibraryColumn::Spare && row.Spare < 0)) return QColor(Qt::red);
        return {};
    case Qt::DecorationRole: {
        if (column != LibraryColumn::ClassName || thumbnails_[at].isEmpty()) return {};
        if (QPixmap* cached = decoded_.object(at)) return *cached;
        auto* pixmap = new QPixmap;
        pixmap->loadFromData(thumbnails_[at], "PNG");
        const QPixmap copy = *pixmap;
        decoded_.insert(at, pixmap);
        return copy;
    }
    default: return {};
    }
}

QVariant TLibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kLibraryColumns)
        return {};
    return headerText(ColumnAt(section));
}

void TLibraryModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kLibraryColumns) return;
    sortColumn_ = ColumnAt(column);
    descending_ = order == Qt::DescendingOrder;
    emit layoutAboutToBeChanged();
    SortLibraryOrder(rows_, shown_, sortColumn_, descending_);
    emit layoutChanged();
}

void TLibraryModel::Upsert(std::vector<LibraryRow> rows, std::vector<QByteArray> thumbnails) {
    beginResetModel();
    thumbnails.resize(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        auto found = index_.find(rows[i].File);
        if (found != index_.end()) {
            rows_[found->second] = std::move(rows[i]);
            thumbnails_[found->second] = std::move(thumbnails[i]);
            decoded_.remove(found->second);
            continue;
        }
        index_.emplace(rows[i].File, rows_.size());
        rows_.push_back(std::move(rows[i]));
        thumbnails_.push_back(std::move(thumbnails[i]));
    }
    Refilter();
    endResetModel();
}

void TLibraryModel::SetThumbnail(const std::string& file, const QByteArray& png) {
    auto found = index_.find(file);
    if (found == index_.end()) return;
    thumbnails_[found->second] = png;
    decoded_.remove(found->second);
    const int shown = ShownRowOf(file);
    if (shown >= 0) emit dataChanged(index(shown, 0), index(shown, 0), {Qt::DecorationRole});
}

void TLibraryModel::Remove(const std::vector<std::string>& files) {
    if (std::none_of(files.begin(), files.end(), [this](const std::string& f) { return index_.count(f) > 0; })) return;
    // The view lets go of the old rows before they move.
    beginResetModel();
    for (const auto& file : files) {
        auto found = index_.find(file);
        if (found == index_.end()) continue;
        const size_t at = found->second, last = rows_.size() - 1;
        index_.erase(found);
        if (at != last) {
            rows_[at] = std::move(rows_[last]);
            thumbnails_[at] = std::move(thumbnails_[last]);
            index_[rows_[at].File] = at;
        }
        rows_.pop_back();
        thumbnails_.pop_back();
    }
    decoded_.clear();
    Refilter();
    endResetModel();
}

void TLibraryModel::SetFilter(const LibraryFilter& filter) {
    beginResetModel();
    filter_ = filter;
    Refilter();
    endResetModel();
}

const LibraryRow* TLibraryModel::Find(const std::string& file) const {
    auto found = index_.find(file);
    return found == index_.end() ? nullptr : &rows_[found->second];
}

QByteArray TLibraryModel::ThumbnailOf(const std::string& file) const {
    auto found = index_.find(file);
    return found == index_.end() ? QByteArray() : thumbnails_[found->second];
}

int TLibraryModel::ShownRowOf(const std::string& file) const {
    auto found = index_.find(file);
    if (found == index_.end()) return -1;
    for (size_t i = 0; i < shown_.size(); ++i)
        if (shown_[i] == found->second) return static_cast<int>(i);
    return -1;
}

void TLibraryModel::Refilter() {
    shown_ = FilterLibraryRows(rows_, filter_);
    SortLibraryOrder(rows_, shown_, sortColumn_, descending_);
}
