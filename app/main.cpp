// The desktop program: creates the forms in their order and runs the
// message loop until the design form closes.
#include "designer/AddTurret.h"
#include "designer/frmDesign.h"
#include "platform/qt/QtMessages.h"
#include "status/HitDetails.h"
#include "status/ShipStatus.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name, not a display name: Qt appends a display name to every
    // window title, which showed "Ship design" twice.
    QApplication::setApplicationName(QStringLiteral("Ship design"));
    platform::QtMessages messages;
    platform::QtFileDialogs dialogs;
    platform::setMessages(&messages);
    platform::setFileDialogs(&dialogs);

    int rc = 0;
    {
        TfrmDesignMain mainForm;
        TdlgAddTurret addTurret(&mainForm);
        TdlgShipStatus shipStatus(mainForm.Data(), &mainForm);
        TdlgHitDetails hitDetails(&shipStatus);
        mainForm.SetAddTurretDialog(&addTurret);
        mainForm.SetShipStatusDialog(&shipStatus);
        shipStatus.SetHitDetailsDialog(&hitDetails);
        mainForm.show();
        rc = QApplication::exec();
    }
    platform::setMessages(nullptr);
    platform::setFileDialogs(nullptr);
    return rc;
}
