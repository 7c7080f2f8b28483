// The desktop program: creates the forms in their order and runs the
// message loop until the design form closes.
#include "designer/AddTurret.h"
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

    int rc = 0;
    {
        TfrmDesignMain mainForm;
        TdlgAddTurret addTurret(&mainForm);
        mainForm.SetAddTurretDialog(&addTurret);
        mainForm.show();
        rc = QApplication::exec();
    }
    platform::setMessages(nullptr);
    platform::setFileDialogs(nullptr);
    return rc;
}
