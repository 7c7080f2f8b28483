#pragma once
// The rows of the library window: every design found, filtered and sorted
// by the core rules, with a small plan view of each.
#include <QAbstractTableModel>
#include <QCache>
#include <QPixmap>

#include <string>
#include <unordered_map>
#include <vector>

#include "library/DesignLibrary.h"

class TLibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TLibraryModel(QObject* parent = nullptr);

    // The columns in the order shown: class first, the file last.
    static LibraryColumn ColumnAt(int section);
    static int SectionOf(LibraryColumn column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // Adds the rows, replacing those of the same files.
    void Upsert(std::vector<LibraryRow> rows, std::vector<QByteArray> thumbnails);
    void SetThumbnail(const std::string& file, const QByteArray& png);
    void Remove(const std::vector<std::string>& files);
    void SetFilter(const LibraryFilter& filter);

    const std::vector<LibraryRow>& Rows() const { return rows_; }
    const LibraryRow* Find(const std::string& file) const;
    QByteArray ThumbnailOf(const std::string& file) const;
    const LibraryRow& RowAt(int shown) const { return rows_[shown_[static_cast<size_t>(shown)]]; }
    int ShownRowOf(const std::string& file) const;

private:
    // shown_ from the filter and the order; inside a model reset.
    void Refilter();

    std::vector<LibraryRow> rows_;
    std::vector<QByteArray> thumbnails_; // PNG, empty until drawn
    std::unordered_map<std::string, size_t> index_;
    std::vector<size_t> shown_;
    LibraryFilter filter_;
    LibraryColumn sortColumn_ = LibraryColumn::ClassName;
    bool descending_ = false;
    mutable QCache<size_t, QPixmap> decoded_{400};
};
