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
    const QStringList& Folders() const { return Folders_; }
    // Reads the folder again now (also what a change seen by the watcher does).
    void Rescan(const QString& folder);
    // Reads one file now (after the program itself wrote it), then its folder.
    void ReadNow(const std::string& file);
    bool Busy() const { return !Pending_.empty() || !Batch_.empty() || !Unseen_.empty(); }
    // Folders that could not be listed.
    const QStringList& Missing() const { return Missing_; }
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

    const ProgramData& Data_;
    TLibraryModel& Model_;
    QString CacheFile_;
    QStringList Folders_;
    QStringList Missing_;
    QHash<QString, Cached> Cache_;
    bool CacheDirty_ = false;
    std::deque<std::string> Pending_;   // files to read
    std::unordered_set<std::string> PendingSet_;
    std::vector<LibraryRow> Batch_;     // read, not yet in the table
    QSet<QString> BatchFolders_;
    QElapsedTimer SinceFlush_;
    std::deque<std::string> Unseen_;    // rows without a thumbnail
    int Done_ = 0, Total_ = 0, Drawn_ = 0;
    QFileSystemWatcher Watcher_;
    QTimer StepTimer_;
    QTimer RescanTimer_;
    QStringList ChangedFolders_;
};
