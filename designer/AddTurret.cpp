#include "designer/AddTurret.h"

#include "platform/Messages.h"
#include "platform/qt/QtMessages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TdlgAddTurret::TdlgAddTurret(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAddTurret"));
    setWindowTitle(QStringLiteral("Add turret"));
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    outer->addLayout(grid);

    lbPosition = new QListWidget(this);
    lbPosition->setObjectName(QStringLiteral("lbPosition"));
    lbPosition->setSelectionMode(QAbstractItemView::SingleSelection);
    lbPosition->setMinimumSize(230, 220);
    auto* positionLabel = new QLabel(QStringLiteral("Position"), this);
    positionLabel->setBuddy(lbPosition);
    grid->addWidget(positionLabel, 0, 0);
    grid->addWidget(lbPosition, 1, 0, 3, 1);

    // The factor list lies over the tube count and its label: one of the two
    // shows, by mode.
    cbTurretFactor = new QComboBox(this);
    cbTurretFactor->setObjectName(QStringLiteral("cbTurretFactor"));
    cbTurretFactor->addItems({"Casemate", "Single turret", "Double turret", "Triple turret", "Quadruple turret"});
    cbTurretFactor->setCurrentIndex(-1);
    lbGuns = new QLabel(QStringLiteral("Guns/turret"), this);
    seGuns = new QSpinBox(this);
    seGuns->setObjectName(QStringLiteral("seGuns"));
    seGuns->setRange(1, 4);
    seGuns->setValue(2);
    lbGuns->setBuddy(seGuns);
    grid->addWidget(lbGuns, 1, 1);
    grid->addWidget(seGuns, 2, 1);
    grid->addWidget(cbTurretFactor, 1, 1, 2, 1, Qt::AlignTop);
    grid->setRowStretch(3, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    bnOK = new QPushButton(QStringLiteral("OK"), this);
    bnOK->setObjectName(QStringLiteral("Button1"));
    bnOK->setDefault(true);
    bnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    bnCancel->setObjectName(QStringLiteral("Button2"));
    bnCancel->setAutoDefault(false);
    buttons->addWidget(bnOK);
    buttons->addWidget(bnCancel);
    outer->addLayout(buttons);

    connect(bnOK, &QPushButton::clicked, this, &TdlgAddTurret::OkClick);
    connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
    SetMode(true);
}

void TdlgAddTurret::SetMode(bool turret) {
    cbTurretFactor->setVisible(turret);
    lbGuns->setVisible(!turret);
    seGuns->setVisible(!turret);
}

bool TdlgAddTurret::TurretMode() const { return !cbTurretFactor->isHidden(); }

void TdlgAddTurret::PrepareTurret(const Tship& ship) {
    lbPosition->clear();
    for (char letter : kTurretPositionOrder) {
        if (ship.HasTurretAt(letter)) continue;
        lbPosition->addItem(platform::toQ(std::string(1, letter) + " - " + TurretPositionName(letter)));
    }
    lbPosition->setCurrentRow(-1);
    SetMode(true);
    lbPosition->setFocus();
}

void TdlgAddTurret::PrepareMount(const Tship& ship) {
    lbPosition->clear();
    for (const char* text : kTorpedoMountTexts) {
        if (ship.HasTorpedoMountAt(text[0])) continue;
        lbPosition->addItem(QString::fromUtf8(text));
    }
    lbPosition->setCurrentRow(-1);
    SetMode(false);
    lbPosition->setFocus();
}

char TdlgAddTurret::ChosenLetter() const {
    const auto chosen = lbPosition->selectedItems();
    if (chosen.isEmpty()) return 0;
    const std::string text = platform::fromQ(chosen.first()->text());
    return text.empty() ? '\0' : text[0];
}

std::unique_ptr<TTurret> TdlgAddTurret::ChosenTurret() const {
    const char letter = ChosenLetter();
    if (letter == 0 || cbTurretFactor->currentIndex() < 0) return nullptr;
    auto turret = std::make_unique<TTurret>();
    turret->Guns = cbTurretFactor->currentIndex();
    turret->Position = letter;
    return turret;
}

std::unique_ptr<TTorpedomount> TdlgAddTurret::ChosenMount() const {
    const char letter = ChosenLetter();
    if (letter == 0) return nullptr;
    auto mount = std::make_unique<TTorpedomount>();
    mount->Tubes = seGuns->value();
    mount->Position = letter;
    return mount;
}

std::unique_ptr<TTurret> TdlgAddTurret::ExecuteAddTurret(const Tship& ship) {
    PrepareTurret(ship);
    if (exec() != QDialog::Accepted) return nullptr;
    return ChosenTurret();
}

std::unique_ptr<TTorpedomount> TdlgAddTurret::ExecuteAddMount(const Tship& ship) {
    PrepareMount(ship);
    if (exec() != QDialog::Accepted) return nullptr;
    return ChosenMount();
}

void TdlgAddTurret::OkClick() {
    // Both checks run, so both messages can show one after the other.
    bool complete = true;
    if (lbPosition->selectedItems().isEmpty()) {
        platform::messages().notice("Select a position");
        complete = false;
    }
    if (TurretMode() && cbTurretFactor->currentIndex() < 0) {
        platform::messages().notice("Select number of guns in turret");
        complete = false;
    }
    if (complete) accept();
}
