#pragma once
// Every control of the design form, built in one place. The form, the
// binding to DesignInputs and the plan editor all reach the controls
// through this record; each widget also carries its control name as its
// objectName so tests and the plan editor can find it by name.
#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

struct DesignFormWidgets {
    // Class
    QLineEdit* edName = nullptr;
    QLineEdit* edEnemyClass = nullptr;
    QLineEdit* edMisClass = nullptr;
    QComboBox* cbNation = nullptr;
    QComboBox* cbType = nullptr;
    QDateEdit* dtpObsolete = nullptr;
    QLineEdit* edPicName = nullptr;
    QPushButton* bnSelPic = nullptr;

    // Hull and machinery
    QSpinBox* seDisplacement = nullptr;
    QSpinBox* seSpeed = nullptr;
    QComboBox* cbRange = nullptr;
    QComboBox* cbFreeboard = nullptr;
    QComboBox* cbFuelType = nullptr;
    QComboBox* cbAccomodation = nullptr;
    QLabel* stHull = nullptr;
    QLabel* stHp = nullptr;
    QLabel* stMachineryWeight = nullptr;
    QLabel* stCrew = nullptr;
    QLabel* stAccomodation = nullptr;

    // Armour
    QComboBox* cbB = nullptr;
    QComboBox* cbBeltCoverage = nullptr;
    QComboBox* cbBE = nullptr;
    QComboBox* cbD = nullptr;
    QComboBox* cbDE = nullptr;
    QComboBox* cbCT = nullptr;
    QComboBox* cbT = nullptr;
    QComboBox* cbTT = nullptr;
    QComboBox* cbSEC = nullptr;
    QCheckBox* cbProtectedCruiser = nullptr;
    QLabel* stB = nullptr;
    QLabel* stBE = nullptr;
    QLabel* stD = nullptr;
    QLabel* stDE = nullptr;
    QLabel* stCT = nullptr;
    QLabel* stT = nullptr;
    QLabel* stTT = nullptr;
    QLabel* stS = nullptr;
    QLabel* stSumArmor = nullptr;
    QLabel* stArmorPc = nullptr;

    // Main guns
    QSpinBox* seMainCal = nullptr;
    QSpinBox* seMQ = nullptr;
    QCheckBox* cbCrossDeck = nullptr;
    QTreeWidget* lvTurrets = nullptr;
    QPushButton* bnAddTurret = nullptr;
    QPushButton* bnDeleteTurret = nullptr;
    QPushButton* bnClearTurrets = nullptr;

    // Secondary and tertiary guns
    QSpinBox* seSecCal = nullptr;
    QSpinBox* seSecondaries = nullptr;
    QComboBox* cbSecTF = nullptr;
    QSpinBox* seSQ = nullptr;
    QLabel* stSecWeight = nullptr;
    QSpinBox* seTerCal = nullptr;
    QSpinBox* seTertiaries = nullptr;
    QComboBox* cbTerTF = nullptr;
    QSpinBox* seTQ = nullptr;
    QLabel* stTerWeight = nullptr;

    // Torpedoes
    QSpinBox* seTorpCal = nullptr;
    QComboBox* cbTorpType = nullptr;
    QTreeWidget* lvTorpedoes = nullptr;
    QPushButton* bnAddTorpMount = nullptr;
    QPushButton* bnDeleteTorpMount = nullptr;
    QPushButton* bnClearTorpMounts = nullptr;

    // Equipment
    QComboBox* cbFireControl = nullptr;
    QLabel* stFireControl = nullptr;
    QComboBox* cbTPS = nullptr;
    QLabel* stTPSweight = nullptr;
    QSpinBox* seMines = nullptr;
    QLabel* stSpecialsWeight = nullptr;

    // Totals
    QLabel* stArmamentWeight = nullptr;
    QLabel* stArmPc = nullptr;
    QLabel* stSumAll = nullptr;
    QLabel* stSpare = nullptr;
    QLabel* stTotalCost = nullptr;
    QListWidget* lvDesignCheck = nullptr; // "Design check": problems in plain words

    // Commands
    QPushButton* bnLoad = nullptr;
    QPushButton* bnLoadCust = nullptr;
    QPushButton* bnSave = nullptr;
    QPushButton* bnExit = nullptr;
    QLabel* lbVersion = nullptr;

    // Hidden: "Update weights" recomputes
    QPushButton* bnUpdateWeights = nullptr;

    // The commands that open other windows: "Protection..." beside
    // "Protected cruiser", "Ship status" and "Engagement..." under "Update
    // ship graphic", and the row at the foot of the left-hand column.
    QPushButton* bnProtection = nullptr;
    QPushButton* bnShipStatus = nullptr; // enabled once a ship is displayed
    QPushButton* bnEngagement = nullptr;
    QPushButton* bnCompare = nullptr;
    QPushButton* bnCopySheet = nullptr;
    QPushButton* bnExportSheet = nullptr;
    QPushButton* bnExplore = nullptr;

    // Plan editor column
    QPushButton* bnRefreshGraphics = nullptr;
    QPushButton* ZoomInBtn = nullptr;
    QPushButton* ZoomOutBtn = nullptr;
    QFrame* pnlPlan = nullptr;
    QVBoxLayout* pnlPlanLayout = nullptr;
    QWidget* planPlaceholder = nullptr; // "Globe41" until the map canvas is installed
    QLabel* stPos = nullptr;
    std::array<QLabel*, 4> stFunnelPos{};         // stFunnel1Pos .. stFunnel4Pos
    std::array<QPushButton*, 4> bnFunnel{};       // bnFunnel1, Button4, Button5, Button6
    std::array<QCheckBox*, 4> cbFunnelOval{};     // cbFunnel1Oval .. cbFunnel4Oval
    std::array<QPushButton*, 4> bnDeleteFunnel{}; // bnDelFunnel, stDelFunnel2, bnDeleteFunnel3, bnDelFunnel4
    std::array<QPushButton*, 4> bnOutline{};      // Button7 .. Button10 ("St1" .. "St4")
    std::array<QLabel*, 4> stNoPoints{};          // stNoPoints, stNoPoints1 .. stNoPoints3
    std::array<QCheckBox*, 4> cbClosed{};         // cbClosed, cbClosed2 .. cbClosed4

    // The eight armour thickness lists, in the order the form lists them.
    std::array<QComboBox*, 8> ArmourLists() const { return {cbB, cbBE, cbD, cbDE, cbCT, cbT, cbTT, cbSEC}; }
};

// Creates every control inside `central` (which receives the layout) with
// its name, items, range, step and default.
void BuildDesignFormWidgets(QWidget* central, DesignFormWidgets& w);

// Output boxes are right-aligned sunken static texts.
QLabel* MakeOutputBox(QWidget* parent, const char* name, const char* toolTip);
