#include "library/qt/LibraryLoader.h"

#include "designfile/DesignRecord.h"
#include "graphics/qt/PlanImage.h"
#include "library/qt/LibraryModel.h"
#include "platform/Messages.h"

#include <QBuffer>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QTransform>

#include <algorithm>

#include <sys/stat.h>

namespace {

constexpr quint32 kCacheMagic = 0x53444c43; // "SDLC"
constexpr quint32 kCacheVersion = 2;
constexpr int kSliceMs = 20;  // work between events
constexpr int kFlushMs = 250; // rows shown as they come, this often
constexpr int kThumbnailWidth = 110, kThumbnailHeight = 22;
constexpr qsizetype kMaxWatchedFiles = 2000;

QDataStream& operator<<(QDataStream& s, const LibraryRow& r) {
    auto str = [](const std::string& t) { return QString::fromStdString(t); };
    s << str(r.File) << str(r.ClassName) << r.IsDesign << str(r.Nation) << qint32(r.NationIndex) << str(r.Type)
      << qint32(r.Displacement) << qint32(r.Speed) << qint32(r.MainGunCount) << qint32(r.MainCalibre)
      << qint32(r.BeltSteps) << qint32(r.DeckSteps) << qint32(r.TotalWeight) << qint64(r.Spare) << qint64(r.PointValue)
      << qint64(r.HitPoints) << str(r.Status) << str(r.PictureName) << qint64(r.FileSize) << qint64(r.ModifiedNs);
    return s;
}

QDataStream& operator>>(QDataStream& s, LibraryRow& r) {
    QString file, cls, nation, type, status, picture;
    qint32 nationIndex, displacement, speed, guns, calibre, belt, deck, total;
    qint64 spare, points, hits, size, modified;
    s >> file >> cls >> r.IsDesign >> nation >> nationIndex >> type >> displacement >> speed >> guns >> calibre >>
        belt >> deck >> total >> spare >> points >> hits >> status >> picture >> size >> modified;
    r.File = file.toStdString();
    r.ClassName = cls.toStdString();
    r.Nation = nation.toStdString();
    r.NationIndex = nationIndex;
    r.Type = type.toStdString();
    r.Displacement = displacement;
    r.Speed = speed;
    r.MainGunCount = guns;
    r.MainCalibre = calibre;
    r.BeltSteps = belt;
    r.DeckSteps = deck;
    r.TotalWeight = total;
    r.Spare = spare;
    r.PointValue = points;
    r.HitPoints = hits;
    r.Status = status.toStdString();
    r.PictureName = picture.toStdString();
    r.FileSize = size;
    r.ModifiedNs = modified;
    return s;
}

// Size and modification time as the cache keys them, from one stat call
// (a QDateTime in local time would look up the time zone per file).
struct Stamp {
    qint64 Size = -1, ModifiedNs = 0;
};

Stamp stampOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {static_cast<qint64>(st.st_size), static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

void stamp(const Stamp& s, LibraryRow& row) {
    row.FileSize = s.Size;
    row.ModifiedNs = s.ModifiedNs;
}

bool sameStamp(const LibraryRow& row, const Stamp& s) {
    return row.FileSize == s.Size && row.ModifiedNs == s.ModifiedNs;
}

QFileInfoList designFiles(const QString& folder) {
    return QDir(folder).entryInfoList({QStringLiteral("*.sdf"), QStringLiteral("*.SDF")}, QDir::Files,
                                      QDir::Name | QDir::IgnoreCase);
}

} // namespace

TLibraryLoader::TLibraryLoader(const ProgramData& data, TLibraryModel& model, QString cacheFile, QObject* parent)
    : QObject(parent), data_(data), model_(model), cacheFile_(std::move(cacheFile)) {
    stepTimer_.setInterval(0);
    connect(&stepTimer_, &QTimer::timeout, this, &TLibraryLoader::Step);
    // Saving a file touches its folder more than once: take the changes together.
    rescanTimer_.setSingleShot(true);
    rescanTimer_.setInterval(250);
    connect(&rescanTimer_, &QTimer::timeout, this, [this] {
        const QStringList folders = changedFolders_;
        changedFolders_.clear();
        for (const QString& f : folders) {
            if (folders_.contains(f)) Rescan(f);
            // A missing folder's parent is watched, so it is seen coming back.
            for (const QString& missing : QStringList(missing_))
                if (QFileInfo(missing).absolutePath() == f) Rescan(missing);
        }
    });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        if (!changedFolders_.contains(folder)) changedFolders_ << folder;
        rescanTimer_.start();
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& file) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!changedFolders_.contains(folder)) changedFolders_ << folder;
        rescanTimer_.start();
    });
    LoadCache();
}

TLibraryLoader::~TLibraryLoader() { SaveCache(); }

void TLibraryLoader::SetFolders(const QStringList& folders) {
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    folders_.clear();
    missing_.clear();
    std::vector<std::string> gone;
    for (const auto& row : model_.Rows()) gone.push_back(row.File);
    model_.Remove(gone);
    pending_.clear();
    pendingSet_.clear();
    batch_.clear();
    batchFolders_.clear();
    unseen_.clear();
    done_ = total_ = 0;
    for (const QString& f : folders) {
        const QString clean = QDir::cleanPath(QFileInfo(f).absoluteFilePath());
        if (folders_.contains(clean)) continue;
        folders_ << clean;
        Rescan(clean);
    }
}

void TLibraryLoader::Rescan(const QString& folder) {
    const bool listed = QFileInfo(folder).isDir();
    if (!listed) {
        if (!missing_.contains(folder)) missing_ << folder;
        const QString parent = QFileInfo(folder).absolutePath();
        if (QFileInfo(parent).isDir() && !watcher_.directories().contains(parent)) watcher_.addPath(parent);
    } else {
        missing_.removeAll(folder);
        if (!watcher_.directories().contains(folder)) watcher_.addPath(folder);
    }
    // Rows of files gone from the folder go too.
    const QFileInfoList files = listed ? designFiles(folder) : QFileInfoList();
    // A file written in place does not touch its folder; a watch per file
    // sees it, as long as the folder is not too large to watch so.
    if (files.size() <= kMaxWatchedFiles) {
        QStringList paths;
        for (const QFileInfo& info : files) paths << info.absoluteFilePath();
        const QStringList watchedList = watcher_.files();
        const QSet<QString> watched(watchedList.begin(), watchedList.end());
        paths.removeIf([&watched](const QString& p) { return watched.contains(p); });
        if (!paths.isEmpty()) watcher_.addPaths(paths);
    }
    QSet<QString> present;
    for (const QFileInfo& info : files) present.insert(info.absoluteFilePath());
    std::vector<std::string> gone;
    for (const auto& row : model_.Rows()) {
        const QString path = QString::fromStdString(row.File);
        if (QFileInfo(path).absolutePath() == folder && !present.contains(path)) gone.push_back(row.File);
    }
    model_.Remove(gone);

    std::vector<LibraryRow> fromCache;
    std::vector<QByteArray> thumbnails;
    for (const QFileInfo& info : files) {
        const QString path = info.absoluteFilePath();
        const std::string file = path.toStdString();
        const Stamp now = stampOf(path);
        if (const LibraryRow* shown = model_.Find(file); shown && sameStamp(*shown, now)) continue;
        auto cached = cache_.constFind(path);
        if (cached != cache_.constEnd() && sameStamp(cached->Row, now)) {
            fromCache.push_back(cached->Row);
            thumbnails.push_back(cached->Thumbnail);
            if (cached->Thumbnail.isEmpty()) unseen_.push_back(file);
            continue;
        }
        if (pendingSet_.insert(file).second) {
            pending_.push_back(file);
            ++total_;
        }
    }
    if (!fromCache.empty()) model_.Upsert(std::move(fromCache), std::move(thumbnails));
    if (!gone.empty()) emit FolderChanged(folder);
    Schedule();
    if (!Busy()) emit Finished();
}

void TLibraryLoader::ReadNow(const std::string& file) {
    const QFileInfo info(QString::fromStdString(file));
    if (info.exists()) {
        LibraryRow row = BuildLibraryRow(info.absoluteFilePath().toStdString(), data_);
        stamp(stampOf(info.absoluteFilePath()), row);
        cache_.insert(info.absoluteFilePath(), Cached{row, {}});
        cacheDirty_ = true;
        if (row.IsDesign) unseen_.push_back(row.File);
        model_.Upsert({row}, {});
    }
    Rescan(info.absolutePath());
}

void TLibraryLoader::Schedule() {
    if (Busy() && !stepTimer_.isActive()) stepTimer_.start();
}

void TLibraryLoader::Step() {
    QElapsedTimer clock;
    clock.start();
    std::vector<LibraryRow> rows;
    QSet<QString> folders;
    while (!pending_.empty() && clock.elapsed() < kSliceMs) {
        const std::string file = pending_.front();
        pending_.pop_front();
        pendingSet_.erase(file);
        ++done_;
        const QFileInfo info(QString::fromStdString(file));
        if (!info.exists()) continue;
        LibraryRow row = BuildLibraryRow(file, data_);
        stamp(stampOf(info.absoluteFilePath()), row);
        cache_.insert(info.absoluteFilePath(), Cached{row, {}});
        cacheDirty_ = true;
        folders.insert(info.absolutePath());
        if (row.IsDesign) unseen_.push_back(file);
        rows.push_back(std::move(row));
    }
    if (!rows.empty()) {
        for (auto& r : rows) batch_.push_back(std::move(r));
        for (const QString& f : folders) batchFolders_.insert(f);
    }
    // The rows reach the table a few times a second, not after every slice:
    // each arrival filters and sorts them all again.
    if (!batch_.empty() && (pending_.empty() || !sinceFlush_.isValid() || sinceFlush_.elapsed() > kFlushMs)) {
        model_.Upsert(std::move(batch_), {});
        batch_.clear();
        sinceFlush_.start();
        emit Progress(done_, total_, QStringLiteral("Reading designs"));
        const QSet<QString> changed = std::move(batchFolders_);
        batchFolders_.clear();
        for (const QString& f : changed) emit FolderChanged(f);
    }
    if (!pending_.empty()) return;
    if (pending_.empty()) {
        done_ = total_ = 0;
        const bool any = !unseen_.empty();
        while (!unseen_.empty() && clock.elapsed() < kSliceMs) {
            const std::string file = unseen_.front();
            unseen_.pop_front();
            const QByteArray png = ThumbnailPng(file, data_);
            auto cached = cache_.find(QString::fromStdString(file));
            if (cached != cache_.end()) cached->Thumbnail = png;
            cacheDirty_ = true;
            model_.SetThumbnail(file, png);
            ++drawn_;
        }
        if (any) emit Progress(drawn_, drawn_ + static_cast<int>(unseen_.size()), QStringLiteral("Drawing plan views"));
        if (unseen_.empty()) drawn_ = 0;
    }
    if (!Busy()) {
        stepTimer_.stop();
        SaveCache();
        emit Finished();
    }
}

QByteArray TLibraryLoader::ThumbnailPng(const std::string& file, const ProgramData& data) {
    platform::RecordingMessages quiet; // the row's status names the problem
    const DesignRecord record = ReadDesignRecord(file);
    if (!record.Readable) return {};
    const auto plan = RenderDesignPlan(record, data.Preferences, TPlanImageOptions{}, quiet);
    if (!plan) return {};
    const QRgb sea = plan->pixel(0, 0);
    int left = plan->width(), right = -1, top = plan->height(), bottom = -1;
    for (int y = 0; y < plan->height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(plan->constScanLine(y));
        for (int x = 0; x < plan->width(); ++x)
            if (line[x] != sea) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    const QImage ship =
        right < 0 ? *plan : plan->copy(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-2, -2, 2, 2));
    // Every thumbnail as wide as the others, so the class names line up.
    const QImage turned = ship.transformed(QTransform().rotate(90))
                              .scaled(kThumbnailWidth, kThumbnailHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage thumb(kThumbnailWidth, kThumbnailHeight, QImage::Format_ARGB32_Premultiplied);
    thumb.fill(Qt::transparent);
    QPainter(&thumb).drawImage((kThumbnailWidth - turned.width()) / 2, (kThumbnailHeight - turned.height()) / 2,
                               turned);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    thumb.save(&buffer, "PNG");
    return png;
}

void TLibraryLoader::LoadCache() {
    if (cacheFile_.isEmpty()) return;
    QFile file(cacheFile_);
    if (!file.open(QIODevice::ReadOnly)) return;
    QDataStream in(&file);
    quint32 magic = 0, version = 0;
    qint32 count = 0;
    in >> magic >> version >> count;
    if (magic != kCacheMagic || version != kCacheVersion || count < 0) return;
    cache_.reserve(count);
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Cached c;
        in >> c.Row >> c.Thumbnail;
        if (in.status() == QDataStream::Ok) cache_.insert(QString::fromStdString(c.Row.File), c);
    }
}

void TLibraryLoader::SaveCache() {
    if (cacheFile_.isEmpty() || !cacheDirty_) return;
    // Files gone since they were read leave the cache too.
    for (auto it = cache_.begin(); it != cache_.end();)
        it = QFileInfo::exists(it.key()) ? std::next(it) : cache_.erase(it);
    QDir().mkpath(QFileInfo(cacheFile_).absolutePath());
    QSaveFile file(cacheFile_);
    if (!file.open(QIODevice::WriteOnly)) return; // a cache that cannot be written is only slower
    QDataStream out(&file);
    out << kCacheMagic << kCacheVersion << qint32(cache_.size());
    for (const Cached& c : cache_) out << c.Row << c.Thumbnail;
    if (file.commit()) cacheDirty_ = false;
}
