// The desktop program: creates the forms and runs the message loop until the
// design form closes.
#include "designer/frmDesign.h"
#include "platform/qt/QtMessages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ship design"));
    platform::QtMessages messages;
    platform::QtFileDialogs dialogs;
    platform::setMessages(&messages);
    platform::setFileDialogs(&dialogs);

    TfrmDesignMain mainForm;
    mainForm.show();
    int rc = QApplication::exec();
    platform::setMessages(nullptr);
    platform::setFileDialogs(nullptr);
    return rc;
}
