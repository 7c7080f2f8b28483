#pragma once
// Fills the library in the background: the rows of unchanged files come
// from the cache at once, the others are read a few at a time between
// events so the window stays responsive, then their plan views are drawn.
// Watches the folders and takes in designs saved, added or removed
// elsewhere.
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

#include "library/DesignLibrary.h"

class TLibraryModel;

class TLibraryLoader : public QObject {
    Q_OBJECT
public:
    // cacheFile: "" keeps no cache.
    TLibraryLoader(const ProgramData& data, TLibraryModel& model, QString cacheFile, QObject* parent = nullptr);
    ~TLibraryLoader() override;

    // Lists these folders (replacing those before) and watches them.
    void SetFolders(const QStringList& folders);
    const QStringList& Folders() const { return folders_; }
    // Reads the folder again now (also what a change seen by the watcher does).
    void Rescan(const QString& folder);
    // Reads one file now (after the program itself wrote it), then its folder.
    void ReadNow(const std::string& file);
    bool Busy() const { return !pending_.empty() || !batch_.empty() || !unseen_.empty(); }
    // Folders that could not be listed.
    const QStringList& Missing() const { return missing_; }
    // Writes the cache when something changed since the last write.
    void SaveCache();

    // The plan view as the thumbnail shows it: bow to the right, cropped.
    static QByteArray ThumbnailPng(const std::string& file, const ProgramData& data);

signals:
    // done of total rows read, then thumbnails drawn.
    void Progress(int done, int total, const QString& what);
    void Finished();
    // Files that came, changed or went after the first filling.
    void FolderChanged(const QString& folder);

private:
    struct Cached {
        LibraryRow Row;
        QByteArray Thumbnail;
    };
    void LoadCache();
    void Step();
    void Schedule();

    const ProgramData& data_;
    TLibraryModel& model_;
    QString cacheFile_;
    QStringList folders_;
    QStringList missing_;
    QHash<QString, Cached> cache_;
    bool cacheDirty_ = false;
    std::deque<std::string> pending_; // files to read
    std::unordered_set<std::string> pendingSet_;
    std::vector<LibraryRow> batch_; // read, not yet in the table
    QSet<QString> batchFolders_;
    QElapsedTimer sinceFlush_;
    std::deque<std::string> unseen_; // rows without a thumbnail
    int done_ = 0, total_ = 0, drawn_ = 0;
    QFileSystemWatcher watcher_;
    QTimer stepTimer_;
    QTimer rescanTimer_;
    QStringList changedFolders_;
};
