#pragma once
// Message boxes and file dialogs of the desktop program.
#include "platform/FileDialogs.h"
#include "platform/Messages.h"

#include <QDate>
#include <QString>

class QWidget;

namespace platform {

class QtMessages : public Messages {
public:
    void notice(const std::string& text) override;
    void warning(const std::string& text) override;
    void error(const std::string& text) override;
    bool confirm(const std::string& text, bool warningIcon = false) override;
    SaveChoice askSave(const std::string& text) override;
};

class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> openFile(const OpenFileRequest& request) override;
    std::optional<SaveFileChoice> saveFile(const SaveFileRequest& request) override;
};

// "Picture files|*.jpg;*.bmp" -> "Picture files (*.jpg *.bmp)"
QString qtFilterFromPattern(const std::string& filter);

inline QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string fromQ(const QString& s) { return s.toStdString(); }

// Day numbers (days since 30 December 1899) to and from QDate.
QDate dateFromDayNumberQ(int dayNumber);
int dayNumberFromDateQ(const QDate& date);

} // namespace platform
