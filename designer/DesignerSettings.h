#pragma once
// What the designer remembers between runs: the window's size and position
// and the last folder of each file dialog. Kept with QSettings in the user's
// configuration directory; the game's Preferences file is never written.
#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace designersettings {

// The folder the dialog `dialog` ("load", "loadCustom", "saveAs",
// "picture") was last left in, when it still exists; otherwise `fallback`.
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

} // namespace designersettings
