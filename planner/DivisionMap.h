#pragma once
// The map of the division view: both lines with their courses, every line of
// fire (a fouled one in its own colour, one that cannot hit dotted), a
// legend of the lines and a scale bar. Ships are labelled as the matrix
// names them ("A1" the first side's lead); where a line is too close to
// label each ship, its lead and its last ship are labelled.
#include <QWidget>

#include "combat/Squadron.h"

class TDivisionMap : public QWidget {
public:
    explicit TDivisionMap(QWidget* parent = nullptr);
    // Both are kept and drawn until the next call; none draws the sea only.
    void Show(const BattleShips* ships, const BattleFigures* figures);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BattleShips* ships_ = nullptr;
    const BattleFigures* figures_ = nullptr;
};
