#pragma once
// The planner's division view: each side a division of one to eight ships
// with formation, course, speed and spacing, every ship's fire at its target
// as a matrix, each side's total, the chart of the totals against range and
// a map of both lines with every line of fire. It computes what sdftool
// battle computes from the same scenario.
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "combat/BattleScenario.h"
#include "combat/Squadron.h"
#include "planner/DivisionMap.h"
#include "tables/ProgramData.h"

class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class QLayout;
class QVBoxLayout;

// The setup controls of one side.
struct DivisionSideControls {
    QLineEdit* edName = nullptr;
    QComboBox* cbFormation = nullptr;
    QSpinBox* seCourse = nullptr;
    QSpinBox* seSpeed = nullptr;
    QSpinBox* seSpacing = nullptr;
    QListWidget* lbShips = nullptr;
    QSpinBox* seTarget = nullptr; // of the chosen ship; -1 the same place in the line
    // The chosen ship's battery, crew, ranging turns, evading and how well
    // the enemy sees it.
    QComboBox* cbBattery = nullptr;
    QSpinBox* seCrew = nullptr;
    QSpinBox* seRanging = nullptr;
    QComboBox* cbSighting = nullptr;
    QCheckBox* cbEvading = nullptr;
    QPushButton* bnAdd = nullptr;
    QPushButton* bnRemove = nullptr;
    QLabel* stFormation = nullptr; // why a formation is not allowed
};

class TDivisionPanel : public QWidget {
public:
    // `chosenDesign` gives the design the Add buttons add: the opponent
    // list's chosen entry (a path, or the own design held in memory).
    using DesignSource = std::function<std::optional<DivisionShip>()>;
    TDivisionPanel(const ProgramData& data, DesignSource chosenDesign, QWidget* parent = nullptr);

    std::array<DivisionSideControls, 2> Sides{};
    QSpinBox* seRange = nullptr;
    QSpinBox* seBearing = nullptr;
    QPushButton* bnOpen = nullptr;
    QPushButton* bnSave = nullptr;
    QTableWidget* tbMatrix = nullptr;
    QLabel* stTotals = nullptr;
    QLabel* stMessages = nullptr;
    QChartView* chTotals = nullptr;
    TDivisionMap* mcDivisions = nullptr;

    // The scenario the controls describe; the environment fields come from
    // the planner's conditions (SetConditions).
    BattleScenario Scenario() const;
    void SetConditions(const BattleScenario& conditions);
    // Fills the controls from a scenario (its ships already read).
    void LoadScenario(const BattleScenario& scenario);
    void AddShip(int side, const DivisionShip& ship);
    const BattleFigures& Figures() const { return figures_; }
    const std::vector<BattleSweepRow>& Sweep() const { return sweep_; }

    // Loads the ships again and recomputes (after any change of the lines).
    void Reload();
    void Recompute();
    // Design paths are written relative to the scenario's folder where the
    // design lies under it, or under one of `programFolders` with it.
    bool SaveScenario(const std::string& path, const std::vector<std::string>& programFolders = {});

private:
    QWidget* BuildSide(int side);
    void ConnectSide(int side);
    QLayout* BuildPlacing();
    void BuildResults(QVBoxLayout& top);
    void RemoveShip(int side);
    void FormationChanged(int side);
    // Whether the side's spacing is its formation's own.
    bool SpacingIsTheFormations(int side) const;
    void ShipChosen(int side);
    // The chosen ship takes the values of its controls.
    void ShipEdited(int side);
    void ShowMatrix();
    // The chart of the totals against range, after the figures.
    void ShowSweep();
    // The chart of `rows` and each side's total, with the advantage when
    // the sweep is there; `fight` false clears the totals.
    void ShowTotals(const std::vector<SweepRow>& rows, bool fight);
    std::string SideName(int side) const;

    const ProgramData& data_;
    DesignSource chosenDesign_;
    std::array<std::vector<DivisionShip>, 2> ships_;
    BattleScenario conditions_;
    std::unique_ptr<BattleShips> battle_; // none while a ship cannot be loaded
    std::string loadProblem_;             // why, then
    BattleFigures figures_;
    std::vector<BattleSweepRow> sweep_;
    bool updating_ = false;
    // A side's spacing follows its formation until the user sets another.
    std::array<bool, 2> spacingFollows_{true, true};
    QTimer* sweepTimer_ = nullptr;
};
