#pragma once
// The form's own spin edit and drop-down list. Both leave the mouse wheel to
// the scrolling form unless they have the focus, so scrolling past them never
// changes a design.
#include <QComboBox>
#include <QSpinBox>

#include <optional>

// The spin edit: a typed number is never cut digit by digit. Any
// whole number may be typed; when it is taken (Enter or leaving the box) a
// value outside the range is brought to the nearest end of the range and
// typedOutOfRange tells the form what happened.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

protected:
    void wheelEvent(QWheelEvent* event) override;

signals:
    // typed: the number as typed; value: what the box now holds.
    void typedOutOfRange(qlonglong typed, int value);

private:
    void reportClamp();
    mutable std::optional<qlonglong> clamped_;
};

class TDropDown : public QComboBox {
    Q_OBJECT
public:
    explicit TDropDown(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
