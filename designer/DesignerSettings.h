#pragma once
// What the designer remembers between runs: the window's size and position
// and the last folder of each file dialog. Kept with QSettings in the user's
// configuration directory; the game's Preferences file is never written.
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace designersettings {

// The folder the dialog `dialog` ("load", "loadCustom", "saveAs",
// "picture", "export": every export) was last left in, when it still
// exists; otherwise `fallback`.
std::string Folder(const char* dialog, const std::string& fallback);
// Remembers the folder of a path chosen in the dialog.
void RememberFolder(const char* dialog, const std::string& chosenPath);

void SaveGeometry(const QWidget& window);
// False when nothing was remembered.
bool RestoreGeometry(QWidget& window);

} // namespace designersettings

namespace designersettings {

// The folders added to the design library.
QStringList LibraryFolders();
void SetLibraryFolders(const QStringList& folders);

// The folders the file dialogs that read or write designs (Load, Load
// custom, Save as) were last left in, those that still exist.
std::vector<std::string> LastDialogFolders();
// Every folder designs are listed from (platform::DesignFolders) with the
// folders these settings hold: the dialogs' last folders and, unless the
// caller keeps them itself (the library), the library's added folders.
std::vector<std::string> DesignFoldersOf(const std::string& programDir, bool withLibraryFolders = true);

} // namespace designersettings
