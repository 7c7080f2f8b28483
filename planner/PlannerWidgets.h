#pragma once
// Every control of the engagement planner, built in one place; each carries
// its name as its objectName so tests can find it.
#include <array>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QWidget;
class TMapControl;

class QChartView;

// The controls of one ship; [0] the own ship, [1] the opponent.
struct PlannerShipControls {
    QSpinBox* seHeading = nullptr;
    QSpinBox* seSpeed = nullptr;
    QSpinBox* seCrewQuality = nullptr;
    QSpinBox* seRangingTurns = nullptr;
    QComboBox* cbSightingLevel = nullptr; // how well the enemy sees this ship
    QCheckBox* cbEvading = nullptr;
};

// The results of one ship firing at the other.
struct PlannerFireControls {
    QLabel* lbTitle = nullptr;           // "Dreadnought firing at Scharnhorst"
    QTableWidget* tbBatteries = nullptr; // battery, hit chance, ROF, guns bearing, hits/min
    QLabel* stPiercing = nullptr;        // "Belt: pierced   Deck: safe", the main battery at the range
    QLabel* stSighting = nullptr;        // sighting range, light, glare
    QLabel* stIdentification = nullptr;
    QListWidget* lbBreakdown = nullptr; // the main battery's hit chance, line by line
};

struct PlannerWidgets {
    // Opponent
    QLineEdit* edFilter = nullptr;
    QComboBox* cbNationFilter = nullptr;
    QComboBox* cbTypeFilter = nullptr;
    QListWidget* lbOpponents = nullptr;

    // Geometry
    QGroupBox* gbGeometry = nullptr; // "Range and bearing" of the duel
    QSlider* slRange = nullptr;
    QSpinBox* seRange = nullptr;
    QSpinBox* seBearing = nullptr;
    std::array<PlannerShipControls, 2> Ships{};
    QCheckBox* cbReady = nullptr;

    // Conditions
    QDoubleSpinBox* seLatitude = nullptr;
    QDoubleSpinBox* seLongitude = nullptr;
    QDateTimeEdit* dtBattle = nullptr;
    QSpinBox* seYear = nullptr; // the year of play; follows dtBattle until set
    QComboBox* cbSeaState = nullptr;
    QComboBox* cbWeather = nullptr;
    QSpinBox* seDayRange = nullptr;
    QSpinBox* seDuskRange = nullptr;
    QSpinBox* seNightRange = nullptr;

    // Results
    std::array<PlannerFireControls, 2> Fire{};
    QChartView* chChart = nullptr;
    QLabel* stAdvantage = nullptr; // where the advantage changes sides
    TMapControl* mcMap = nullptr;
    QLabel* stMessages = nullptr;    // what the rules or the files said
    QTabWidget* tcResults = nullptr; // "Duel" (the results above), "Divisions"
};

// Builds the controls into `window`.
void BuildPlannerWidgets(QWidget* window, PlannerWidgets& w);
