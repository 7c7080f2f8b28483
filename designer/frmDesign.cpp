#include "designer/frmDesign.h"

TfrmDesignMain::TfrmDesignMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmDesignMain"));
    setWindowTitle(QStringLiteral("Ship design"));
    resize(1025, 795);
}
