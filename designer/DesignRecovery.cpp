#include "designer/DesignRecovery.h"

#include "designer/frmDesign.h"
#include "designfile/DesignFile.h"
#include "designfile/DesignRecord.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <atomic>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// What the copy says of itself, in a section the design readers skip.
constexpr const char* kSection = "Recovery";

std::string lockPath(const std::string& copy) { return copy + ".lock"; }

// A lock whose program is gone is stale at once; a live program's lock
// never goes stale by its age.
std::unique_ptr<QLockFile> lockFor(const std::string& copy) {
    auto lock = std::make_unique<QLockFile>(q(lockPath(copy)));
    lock->setStaleLockTime(0);
    return lock;
}

std::string whenText(const QDateTime& at) {
    const QString format =
        at.date() == QDate::currentDate() ? QStringLiteral("HH:mm") : QStringLiteral("d MMM yyyy HH:mm");
    return at.toString(format).toStdString();
}

} // namespace

TDesignRecovery::TDesignRecovery(TfrmDesignMain& form, std::string folder, int intervalMs)
    : QObject(&form), form_(form), folder_(std::move(folder)) {
    static std::atomic<int> serial{0};
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    QDir().mkpath(q(folder_));
    copy_ = folder_ + "recovery-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
            std::to_string(++serial) + ".sdf";
    lock_ = lockFor(copy_);
    lock_->tryLock(0);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &TDesignRecovery::WriteNow);
    timer_.start();
    // A save leaves nothing to recover.
    connect(&form_.History(), &TDesignHistory::modifiedChanged, this, [this] {
        if (!form_.IsModified()) removeCopy();
    });
    qApp->installEventFilter(this);
}

TDesignRecovery::~TDesignRecovery() {
    qApp->removeEventFilter(this);
    removeCopy();
    for (const std::string& kept : restored_) QFile::remove(q(kept));
    lock_->unlock();
}

void TDesignRecovery::removeCopy() { QFile::remove(q(copy_)); }

void TDesignRecovery::WriteNow() {
    if (!form_.DesignShip() || !form_.IsModified()) {
        removeCopy();
        return;
    }
    std::vector<std::string> lines;
    try {
        lines = DesignFileLines(form_.Document(), form_.Data().Weapons);
    } catch (const std::exception&) {
        return; // a funnel box being edited: the next round writes it
    }
    lines.push_back(std::string("[") + kSection + "]");
    std::string name = form_.Inputs().Name;
    std::replace(name.begin(), name.end(), '\n', ' ');
    lines.push_back("ClassName=" + name);
    lines.push_back("Time=" + QDateTime::currentDateTime().toString(Qt::ISODate).toStdString());
    // Written beside and renamed over, so a crash while writing leaves the last copy whole.
    std::string why;
    if (platform::writeLines(copy_, lines, &why) != platform::WriteResult::Failed || refusalShown_) return;
    // Said once: the work goes on, only the copy is missing.
    refusalShown_ = true;
    platform::messages().notice("Unsaved changes cannot be kept for recovery after a crash: " + folder_ +
                                " cannot be written (" + why + "). Save the design to keep it.");
}

bool TDesignRecovery::eventFilter(QObject* watched, QEvent* event) {
    // Another window is about to take the user's attention (and may be where
    // the program fails): the work so far is kept first.
    if (event->type() == QEvent::Show && watched != &form_) {
        // Windows and dialogs, not tooltips and menus.
        const auto* widget = qobject_cast<QWidget*>(watched);
        const Qt::WindowType type = widget ? widget->windowType() : Qt::Widget;
        if (type == Qt::Window || type == Qt::Dialog) WriteNow();
    }
    return QObject::eventFilter(watched, event);
}

bool TDesignRecovery::OfferRestore() {
    const QDir dir(q(folder_));
    bool restored = false;
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("recovery-*.sdf")}, QDir::Files, QDir::Time)) {
        const std::string path = info.absoluteFilePath().toStdString();
        if (path == copy_) continue;
        auto lock = lockFor(path);
        if (!lock->tryLock(0)) continue; // its program is still running
        const DesignRecord record = ReadDesignRecord(path);
        if (!record.Readable) {
            QFile::remove(q(path));
            continue;
        }
        const std::string name = record.Values.ReadString(kSection, "ClassName", "");
        QDateTime at = QDateTime::fromString(q(record.Values.ReadString(kSection, "Time", "")), Qt::ISODate);
        if (!at.isValid()) at = info.lastModified();
        const std::string question = "Restore the unsaved changes to " +
                                     (name.empty() ? std::string("an unnamed design") : name) + " from " +
                                     whenText(at) + "?";
        if (!platform::messages().confirm(question)) {
            QFile::remove(q(path));
            continue;
        }
        // The form holds one design: one restored before is saved or
        // discarded first; kept, it leaves this copy for the next start.
        if (restored && !form_.MaybeKeepChanges()) continue;
        restored = Restore(path, name) || restored;
    }
    return restored;
}

bool TDesignRecovery::Restore(const std::string& copy, const std::string& className) {
    // The displayed ship is built from a file that stays until this program ends.
    const std::string kept = folder_ + "restored-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                             std::to_string(restored_.size() + 1) + ".sdf";
    QFile::remove(q(kept));
    QFile::rename(q(copy), q(kept));
    restored_.push_back(kept);
    if (!form_.RestoreDesign(kept, className)) return false;
    WriteNow();
    return true;
}
