#pragma once
// The form's spin edit: a typed number is never cut digit by digit. Any
// whole number may be typed; when it is taken (Enter or leaving the box) a
// value outside the range is brought to the nearest end of the range and
// typedOutOfRange tells the form what happened.
#include <QSpinBox>

#include <optional>

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

signals:
    // typed: the number as typed; value: what the box now holds.
    void typedOutOfRange(qlonglong typed, int value);

private:
    void reportClamp();
    mutable std::optional<qlonglong> clamped_;
};
