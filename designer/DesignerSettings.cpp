#include "designer/DesignerSettings.h"

#include "platform/DesignFolders.h"
#include "platform/qt/QtMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

namespace designersettings {

namespace {

// ~/.config/ship-designer/designer.conf on Linux.
QSettings store() {
    return QSettings(QSettings::UserScope, QStringLiteral("ship-designer"), QStringLiteral("designer"));
}

QString folderKey(const char* dialog) { return QStringLiteral("folders/") + QLatin1String(dialog); }

} // namespace

std::string Folder(const char* dialog, const std::string& fallback) {
    const QString folder = store().value(folderKey(dialog)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? platform::fromQ(folder) : fallback;
}

void RememberFolder(const char* dialog, const std::string& chosenPath) {
    const QString folder = QFileInfo(platform::toQ(chosenPath)).absolutePath();
    store().setValue(folderKey(dialog), QDir::toNativeSeparators(folder));
}

void SaveGeometry(const QWidget& window) { store().setValue(QStringLiteral("window/geometry"), window.saveGeometry()); }

bool RestoreGeometry(QWidget& window) {
    const QByteArray geometry = store().value(QStringLiteral("window/geometry")).toByteArray();
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

} // namespace designersettings

namespace designersettings {

QStringList LibraryFolders() { return store().value(QStringLiteral("library/folders")).toStringList(); }

void SetLibraryFolders(const QStringList& folders) { store().setValue(QStringLiteral("library/folders"), folders); }

std::vector<std::string> LastDialogFolders() {
    std::vector<std::string> folders;
    for (const char* dialog : {"load", "loadCustom", "saveAs"})
        if (std::string folder = Folder(dialog, ""); !folder.empty()) folders.push_back(std::move(folder));
    return folders;
}

std::vector<std::string> DesignFoldersOf(const std::string& programDir, bool withLibraryFolders) {
    std::vector<std::string> remembered;
    if (withLibraryFolders)
        for (const QString& folder : LibraryFolders()) remembered.push_back(platform::fromQ(folder));
    for (std::string& folder : LastDialogFolders()) remembered.push_back(std::move(folder));
    return platform::DesignFolders(programDir, remembered);
}

} // namespace designersettings
