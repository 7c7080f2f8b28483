#include "platform/qt/QtMessages.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include <algorithm>

namespace platform {

namespace {

QWidget* activeParent() { return QApplication::activeWindow(); }

// The rules write line breaks as a lone CR; Qt wants LF.
QString boxText(const std::string& text) {
    QString t = toQ(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

void QtMessages::notice(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), boxText(text), QMessageBox::Ok,
                    activeParent());
    box.exec();
}

void QtMessages::warning(const std::string& text) {
    QMessageBox::warning(activeParent(), QApplication::applicationDisplayName(), boxText(text));
}

void QtMessages::error(const std::string& text) {
    QMessageBox::critical(activeParent(), QApplication::applicationDisplayName(), boxText(text));
}

bool QtMessages::confirm(const std::string& text, bool warningIcon) {
    QMessageBox box(warningIcon ? QMessageBox::Warning : QMessageBox::Question, QApplication::applicationDisplayName(),
                    boxText(text), QMessageBox::Ok | QMessageBox::Cancel, activeParent());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

SaveChoice QtMessages::askSave(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), boxText(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, activeParent());
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

QString qtFilterFromPattern(const std::string& filter) {
    QString f = toQ(filter);
    const qsizetype bar = f.indexOf(QLatin1Char('|'));
    if (bar < 0) return f;
    QString description = f.left(bar);
    QStringList patterns = f.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(")");
}

std::optional<std::string> QtFileDialogs::openFile(const OpenFileRequest& request) {
    QFileDialog dialog(activeParent(), toQ(request.title), toQ(request.startDirectory),
                       qtFilterFromPattern(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.existingOnly ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(toQ(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return fromQ(dialog.selectedFiles().first());
}

std::optional<SaveFileChoice> QtFileDialogs::saveFile(const SaveFileRequest& request) {
    QStringList filters;
    for (const std::string& f : request.filters) filters << qtFilterFromPattern(f);
    QFileDialog dialog(activeParent(), toQ(request.title), toQ(request.startDirectory),
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (request.callerConfirmsReplace) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.suggestedName.empty()) dialog.selectFile(toQ(request.suggestedName));
    // The suffix follows the kind of file chosen.
    auto suffixOf = [&](const QString& filter) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        return star < 0 ? QString()
                        : filter.mid(star + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0);
    };
    if (!filters.isEmpty()) dialog.setDefaultSuffix(suffixOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& f) { dialog.setDefaultSuffix(suffixOf(f)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveFileChoice{fromQ(dialog.selectedFiles().first()),
                          static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

QDate dateFromDayNumberQ(int dayNumber) { return QDate(1899, 12, 30).addDays(dayNumber); }

int dayNumberFromDateQ(const QDate& date) { return static_cast<int>(QDate(1899, 12, 30).daysTo(date)); }

} // namespace platform
