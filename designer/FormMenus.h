#pragma once
// The design form's menu bar and keyboard shortcuts (File, Edit with undo
// and redo, Help) and the F1 help window.
#include <QString>

class QUndoStack;
class QWidget;
class TfrmDesignMain;
struct WeaponTables;

void BuildFormMenus(TfrmDesignMain& form, QUndoStack& stack);

// The help text: the shortcuts and what each group of the form means, with
// the ship type names written out.
QString DesignerHelpText(const WeaponTables& weapons);
// Shows the help window (object name "dlgDesignerHelp"), not modal.
void ShowDesignerHelp(QWidget* parent, const WeaponTables& weapons);
