#pragma once
// The modal dialog through which the design form adds a turret or a torpedo
// mount at a free position. Created once and reused: the factor choice and
// the tube count persist between openings.
#include <QDialog>

#include <memory>

#include "shipdata/Ship.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

class TdlgAddTurret : public QDialog {
    Q_OBJECT
public:
    explicit TdlgAddTurret(QWidget* parent = nullptr);

    // Offers the positions where `ship` has no turret; a new turret, or none
    // on Cancel. The caller owns the result.
    std::unique_ptr<TTurret> ExecuteAddTurret(const Tship& ship);
    // Offers the mount positions where `ship` has no mount.
    std::unique_ptr<TTorpedomount> ExecuteAddMount(const Tship& ship);

    // The steps on either side of the modal loop.
    void PrepareTurret(const Tship& ship);
    void PrepareMount(const Tship& ship);
    std::unique_ptr<TTurret> ChosenTurret() const;
    std::unique_ptr<TTorpedomount> ChosenMount() const;
    bool TurretMode() const;

    QListWidget* lbPosition = nullptr;
    QComboBox* cbTurretFactor = nullptr;
    QLabel* lbGuns = nullptr;
    QSpinBox* seGuns = nullptr;
    QPushButton* bnOK = nullptr;     // OK
    QPushButton* bnCancel = nullptr; // Cancel

private slots:
    void OkClick();

private:
    void SetMode(bool turret);
    char ChosenLetter() const;
};
