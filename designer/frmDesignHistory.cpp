// The design form's part in undo and redo: what a step stores, how it is
// put back, and which edits commit a step.
#include "designer/frmDesign.h"

#include "designer/FormControls.h"
#include "designer/PlanEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

namespace {

// The caption a user knows a control by: its label, or its own text.
QString controlCaption(const QWidget* control) {
    if (auto* box = qobject_cast<const QCheckBox*>(control)) return box->text();
    for (const QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control) return label->text();
    return control->objectName();
}

bool isUndoKey(const QKeyEvent* key) { return key->matches(QKeySequence::Undo); }
bool isRedoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Redo) ||
           QKeySequence(key->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y);
}

// Ctrl+Z and Ctrl+Y in a number or text box undo and redo the design, as the
// Edit menu does, instead of the box's own typing; what is being typed is
// taken first, so it becomes the step that is undone.
class UndoKeys : public QObject {
public:
    UndoKeys(TfrmDesignMain& form, QUndoStack& stack) : QObject(&form), stack_(stack) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = isUndoKey(key), redo = !undo && isRedoKey(key);
        if (!undo && !redo) return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept(); // the key press comes here, not to the box
            return true;
        }
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(watched)) spin->interpretText();
        else if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && edit->isModified()) {
            edit->setModified(false);
            emit edit->editingFinished();
        }
        if (undo) stack_.undo();
        else stack_.redo();
        return true;
    }

private:
    QUndoStack& stack_;
};

} // namespace

void TfrmDesignMain::ConnectHistory() {
    QWidget* panel = centralWidget();
    auto step = [this](QWidget* control) { return [this, control] { CommitStep(controlCaption(control)); }; };
    for (QComboBox* list : panel->findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, step(list));
    for (QCheckBox* box : panel->findChildren<QCheckBox*>()) connect(box, &QCheckBox::toggled, this, step(box));
    for (QSpinBox* spin : panel->findChildren<QSpinBox*>()) {
        connect(spin, &QSpinBox::valueChanged, this, step(spin));
        if (auto* edit = qobject_cast<TSpinEdit*>(spin))
            connect(edit, &TSpinEdit::typedOutOfRange, this,
                    [this, spin](qlonglong typed, int value) { TypedOutOfRange(spin, typed, value); });
    }
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(edit->parentWidget()))
            connect(edit, &QLineEdit::editingFinished, this, step(edit));
    // One step per date taken, not one per keystroke.
    W.dtpObsolete->setKeyboardTracking(false);
    connect(W.dtpObsolete, &QDateEdit::dateChanged, this, step(W.dtpObsolete));
    connect(history_, &TDesignHistory::modifiedChanged, this, &TfrmDesignMain::UpdateTitle);
    auto* keys = new UndoKeys(*this, history_->Stack());
    for (QAbstractSpinBox* box : panel->findChildren<QAbstractSpinBox*>()) box->installEventFilter(keys);
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(edit->parentWidget())) edit->installEventFilter(keys);
}

void TfrmDesignMain::CommitStep(const QString& name) {
    if (history_ && designShip_) history_->Commit(name);
}

// The plan view keeps its outlines: they are edited on the displayed ship.
void TfrmDesignMain::SetDocument(const DesignDocument& document, const QString& step) {
    if (!designShip_) return;
    const auto outlines = document_.Superstructure;
    document_ = document;
    document_.Superstructure = outlines;
    ShowDocument();
    Recompute();
    CommitStep(step);
}

void TfrmDesignMain::TypedOutOfRange(QWidget* box, qlonglong typed, int value) {
    auto* spin = static_cast<QSpinBox*>(box);
    statusBar()->showMessage(QStringLiteral("%1: %2 is outside %3 to %4; set to %5.")
                                 .arg(controlCaption(box))
                                 .arg(typed)
                                 .arg(spin->minimum())
                                 .arg(spin->maximum())
                                 .arg(value),
                             15000);
}

DesignSnapshot TfrmDesignMain::TakeSnapshot() const {
    DesignSnapshot state;
    state.Document = document_;
    if (auto* editor = dynamic_cast<const TPlanEditor*>(planEditor_.get())) state.Plan = editor->PlanState();
    return state;
}

void TfrmDesignMain::RestoreSnapshot(const DesignSnapshot& state) {
    if (!designShip_) return;
    document_ = state.Document;
    ShowDocument();
    Recompute();
    if (auto* editor = dynamic_cast<TPlanEditor*>(planEditor_.get())) editor->RestorePlanState(state.Plan);
    EnableShipStatus();
    UpdateTitle();
}
