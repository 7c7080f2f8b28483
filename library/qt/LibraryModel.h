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

    const std::vector<LibraryRow>& Rows() const { return Rows_; }
    const LibraryRow* Find(const std::string& file) const;
    QByteArray ThumbnailOf(const std::string& file) const;
    const LibraryRow& RowAt(int shown) const { return Rows_[Shown_[static_cast<size_t>(shown)]]; }
    int ShownRowOf(const std::string& file) const;

private:
    // Shown_ from the filter and the order; inside a model reset.
    void Refilter();

    std::vector<LibraryRow> Rows_;
    std::vector<QByteArray> Thumbnails_;   // PNG, empty until drawn
    std::unordered_map<std::string, size_t> Index_;
    std::vector<size_t> Shown_;
    LibraryFilter Filter_;
    LibraryColumn SortColumn_ = LibraryColumn::ClassName;
    bool Descending_ = false;
    mutable QCache<size_t, QPixmap> Decoded_{400};
};
