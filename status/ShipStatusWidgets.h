#pragma once
// The controls of the ship status card under their object names, and the
// one place that builds and lays them out.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

class TMapControl;

// A static text that answers clicks (the small-gun hit chances).
class TClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

struct ShipStatusWidgets {
    // Heading
    QLabel* imgNation = nullptr;
    QLabel* lbShipType = nullptr;
    QLabel* lbShipname = nullptr;
    QLabel* lbClass = nullptr;
    QLabel* lbDisplacement = nullptr;
    // Summary
    QLabel* lbGunsCaption = nullptr;
    QLabel* lbMainGuns = nullptr;
    QLabel* lbSecondaryGuns = nullptr;
    QLabel* lbTertiaryGuns = nullptr;
    QGroupBox* pnTorpedo = nullptr; // its title is the panel's caption
    QLabel* lbTorpedoTubes = nullptr;
    QLabel* lbAbove = nullptr;
    QLabel* lbMines = nullptr;
    // Armour
    QLabel* lbArmourCaption = nullptr;
    QLabel* lbBelt = nullptr;
    QLabel* lbDeck = nullptr;
    QLabel* lbTurretArmor = nullptr;
    QLabel* lbBattery = nullptr;
    QLabel* lbCT = nullptr;
    // View: the game view lies under the picture panel.
    QTabBar* tcView = nullptr;
    QWidget* ViewArea = nullptr;
    TMapControl* aDisplayGlobe = nullptr;
    QFrame* pnlPicture = nullptr;
    QLabel* pnlPictureCaption = nullptr;
    QLabel* imgPicture = nullptr;
    // Turrets and torpedoes
    QLabel* lbTurr = nullptr;
    QListWidget* lbTurrets = nullptr;
    QLabel* lbTorpedoMountsCaption = nullptr;
    QListWidget* lbTorps = nullptr;
    QLabel* lbTorpedoCalibreCaption = nullptr;
    QLabel* stTorpCal = nullptr;
    // Main guns
    QGroupBox* gbMainGuns = nullptr;
    QLabel* stMainGunType = nullptr;
    QLabel* stRoundsFired = nullptr;
    QLabel* stHits = nullptr;
    QLabel* stHP = nullptr;
    QLabel* stROF = nullptr;
    QLabel* stRdsMain = nullptr;
    QLabel* stTargetMain = nullptr;
    QLabel* stHitChance = nullptr;
    QPushButton* bnHitChance = nullptr;
    QLabel* lbTargetInSmoke = nullptr;
    // Small guns
    QTabBar* tcSmallguns = nullptr;
    QGroupBox* gbSecondary = nullptr;
    QLabel* stSecCal = nullptr;
    QLabel* stSecPort = nullptr;
    QLabel* stSecStbd = nullptr;
    QLabel* stSecRoundsFired = nullptr;
    QLabel* stSecHitsScored = nullptr;
    QLabel* stSecHitPercentage = nullptr;
    QLabel* stSecRoundsLeft = nullptr;
    QLabel* stSecTargetLeft = nullptr;
    QLabel* stSecTargetRight = nullptr;
    QGroupBox* gbTertiary = nullptr;
    QLabel* stTerCal = nullptr;
    QLabel* stTerPort = nullptr;
    QLabel* stTerStbd = nullptr;
    QLabel* stTerRoundsFired = nullptr;
    QLabel* stTerHitsScored = nullptr;
    QLabel* stTerHitPercentage = nullptr;
    QLabel* stTerRoundsLeft = nullptr;
    QLabel* stTerTargetPort = nullptr;
    QLabel* stTerTargetStbd = nullptr;
    TClickLabel* stTSHitChancePort = nullptr;
    TClickLabel* stTSHitChanceStbd = nullptr;
    // Data
    QGroupBox* gbData = nullptr;
    QLabel* stCrewQuality = nullptr;
    QLabel* stFireControl = nullptr;
    QLabel* stPointValue = nullptr;
    // Damage
    QGroupBox* gbDamage = nullptr;
    QProgressBar* pbSuperstructure = nullptr;
    QProgressBar* pbFloat = nullptr;
    QLabel* stFlooding = nullptr;
    QLabel* stHHits = nullptr;
    QLabel* stMHits = nullptr;
    QLabel* stLHits = nullptr;
    QLabel* stTHits = nullptr;
    QLabel* lbSinking = nullptr;
    QPushButton* bnHitDetails = nullptr;
    // Maneuver
    QGroupBox* gbManeuver = nullptr;
    QLabel* stSpeed = nullptr;
    QLabel* stCurSpeed = nullptr;
    QLabel* stCurCourse = nullptr;
    QCheckBox* cbEvading = nullptr;
    QLabel* lbRudder = nullptr;
    QLabel* lbGratesFouled = nullptr;
    QLabel* stEndurance = nullptr;
    QLabel* lbLimitedByWeather = nullptr;
    // Buttons
    QPushButton* bnClose = nullptr;
    QPushButton* bnDivision = nullptr;
    QPushButton* bnSmoke = nullptr;   // "Smoke", hidden
    QPushButton* bnSighted = nullptr; // hidden
    // Log
    QListWidget* lbLogEntries = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Copytoclipboard1 = nullptr;
};

// Creates every control on the dialog with its object name, caption, hint
// and initial visibility, and lays them out.
void buildShipStatusWidgets(QDialog* dialog, ShipStatusWidgets& w);
