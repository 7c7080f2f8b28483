#pragma once
// The hit details dialog (a ship's hit log) and the accuracy report dialog
// (the breakdown of one hit chance), both filled by the ship status card.
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>
#include <vector>

class TFightingShip;

// The log lines as the dialog shows them: with fullDetail false, a line is
// cut before its first "(", or a mine or torpedo line (but not a torpedo
// reload) becomes its time stamp + " Mine/Torpedo"; lines starting with "¤"
// are dropped. With fullDetail true only the leading "¤" goes.
std::vector<std::string> ReworkHitLog(const std::vector<std::string>& lines, bool fullDetail);

class TdlgHitDetails : public QDialog {
    Q_OBJECT
public:
    explicit TdlgHitDetails(QWidget* parent = nullptr);

    QPlainTextEdit* mmHits = nullptr;
    QLabel* lbRoundsFiredAt = nullptr;
    QPushButton* bnClose = nullptr;

    // Whether the hit log is shown in full or as the player may see it; a
    // battle engine would set it, the designer keeps the player's view.
    bool FullLogDetail = false;

    // Fills the dialog from the ship without showing it.
    void FillHitDetails(const TFightingShip& ship);
    // Fills and shows it modally.
    void ShowHitDetails(const TFightingShip& ship);
};

class TdlgAccuracy : public QDialog {
    Q_OBJECT
public:
    explicit TdlgAccuracy(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* bnClose = nullptr;

    void SetLines(const std::vector<std::string>& lines);
    std::vector<std::string> Lines() const;

public slots:
    // Escape closes through the cancel button, whose result is OK.
    void reject() override { accept(); }
};
