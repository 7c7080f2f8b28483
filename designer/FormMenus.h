#pragma once
// The design form's menu bar and keyboard shortcuts (File, Edit with undo
// and redo, Help) with the F1 help window and the About box.
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

// The About box's text: the program's name and version, what it is, the
// copyright and the licence.
QString AboutText();
// Shows the About box (object name "dlgAbout"), not modal.
void ShowAbout(QWidget* parent);
