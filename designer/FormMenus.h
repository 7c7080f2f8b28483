#pragma once
// The design form's menu bar and keyboard shortcuts (File, Edit with undo
// and redo, Tools with the form's other windows, Help) with the F1 help
// window and the About box.
#include <QString>

class QUndoStack;
class QWidget;
class TfrmDesignMain;
struct WeaponTables;

void BuildFormMenus(TfrmDesignMain& form, QUndoStack& stack);

// The help text: the shortcuts, each window (a section each, named by an
// anchor: "planner", "explorer", "library", "compare", "protection",
// "status") and what each group of the form means, with the ship type names
// written out.
QString DesignerHelpText(const WeaponTables& weapons);
// Shows the help window (object name "dlgDesignerHelp", its "section"
// property the section shown) over `parent`, not modal, at a section.
void ShowDesignerHelp(QWidget* parent, const WeaponTables& weapons, const QString& section = QStringLiteral("keys"));
// F1 in a window opens the help at its section; once per window, so the key
// is never bound twice there.
void BindHelpKey(QWidget& window, const WeaponTables& weapons, const char* section);

// The About box's text: the program's name and version, what it is, the
// copyright and the licence.
QString AboutText();
// Shows the About box (object name "dlgAbout"), not modal.
void ShowAbout(QWidget* parent);
