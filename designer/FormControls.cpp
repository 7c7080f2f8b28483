#include "designer/FormControls.h"

#include <QRegularExpression>
#include <QWheelEvent>

#include <algorithm>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSpinBox::editingFinished, this, &TSpinEdit::reportClamp);
}

QValidator::State TSpinEdit::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid) return state;
    // Digits beyond the range are kept while typing; fixup brings them in.
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\d{1,15}\\s*$"));
    return number.match(text).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

void TSpinEdit::fixup(QString& text) const {
    bool ok = false;
    const qlonglong typed = text.trimmed().toLongLong(&ok);
    if (ok && (typed < minimum() || typed > maximum())) {
        clamped_ = typed;
        text = QString::number(std::clamp<qlonglong>(typed, minimum(), maximum()));
        return;
    }
    QSpinBox::fixup(text);
}

void TSpinEdit::reportClamp() {
    if (!clamped_) return;
    const qlonglong typed = *clamped_;
    clamped_.reset();
    emit typedOutOfRange(typed, value());
}

// Unfocused, the wheel goes on to the form, which scrolls.
void TSpinEdit::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) QSpinBox::wheelEvent(event);
    else event->ignore();
}

TDropDown::TDropDown(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

void TDropDown::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) QComboBox::wheelEvent(event);
    else event->ignore();
}
