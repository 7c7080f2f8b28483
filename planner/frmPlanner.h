#pragma once
// The engagement planner: the design on the form against another design, at
// a range and bearing, in a light, weather and sea the user sets. Every
// figure comes from the engagement computation sdftool engage runs.
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "combat/BattleScenario.h"
#include "combat/Duel.h"
#include "designfile/DesignRecord.h"
#include "planner/PlannerWidgets.h"
#include "tables/ProgramData.h"

class QFileSystemWatcher;
class TPlannerMap;
class TDivisionPanel;

// A design the opponent list offers.
struct PlannerOpponent {
    std::string Path; // empty: the own design again
    std::string ClassName;
    std::int32_t Nation = -1;
    std::int32_t Type = -1;
    std::optional<std::string> Refusal; // why it cannot fight (DesignRefusal), or none
};

class TfrmPlanner : public QWidget {
    Q_OBJECT
public:
    // The tables outlive the window; designs are listed from
    // platform::DesignFolders of programDir and the caller's further folders
    // (those its settings hold: the library's, the dialogs' last).
    TfrmPlanner(const ProgramData& data, const std::string& programDir, QWidget* parent = nullptr,
                std::vector<std::string> moreFolders = {});
    ~TfrmPlanner() override;

    PlannerWidgets W;

    // The own ship: a design held in memory and its range setting.
    void SetOwnDesign(const DesignRecord& record, int rangeClass);
    // Chooses an opponent by path (empty: the own design); false when the
    // list holds no such entry.
    bool ChooseOpponent(const std::string& path);

    // The scenario and environment the controls describe.
    EngagementScenario Scenario() const;
    BattleEnvironment Environment() const;
    // The figures shown, and the sweep behind the chart.
    const EngagementFigures& Figures() const { return figures_; }
    const std::vector<SweepRow>& Sweep() const { return sweep_; }
    bool HasShips() const { return ships_.Own && ships_.Opponent; }
    const EngagementShips& Ships() const { return ships_; }

    // Recomputes everything from the controls (every control calls it).
    void Recompute();
    // The division view, in the "Divisions" tab.
    TDivisionPanel* Divisions() const { return divisions_; }
    // The planner's conditions (place, time, weather, readiness) as a scenario's.
    BattleScenario Conditions() const;
    // The Open and Save buttons of the Divisions tab: a file dialog, then
    // the file. An unreadable scenario is told in a message box.
    void OpenScenario();
    void SaveScenario();
    bool OpenScenarioFile(const std::string& path);
    // The folders the opponent list is read from, each once.
    std::vector<std::string> DesignFolders() const;
    // Reads the folders again (done on its own when one of them changes).
    void ListOpponents();

private:
    void SizeToScreen();
    void FillFilters();
    void ShowOpeningScene();
    void ConnectControls();
    void BuildDivisions();
    // The duel's controls are enabled on its tab only.
    void ResultsTabChanged();
    void FilterOpponents();
    void OpponentChosen();
    void LoadShips();
    // The conditions' controls: shown from and read into one value, the
    // year following the date until the user sets one.
    void ShowConditions(const BattleConditions& conditions);
    BattleConditions ShownConditions() const;
    void WeatherChanged();
    void DateChanged();
    void YearChanged();
    void UpdateRangeLimits();
    void ShowFire(int side, const FireFigures& fire, const TFightingShip& firer, const TFightingShip& target);
    void ClearResults();
    void ShowMessages(const std::vector<std::string>& texts);

    const ProgramData& data_;
    std::string programDir_;
    std::vector<std::string> moreFolders_;
    DesignRecord own_;
    int ownRangeClass_ = 1;
    DesignRecord opponent_;
    int opponentRangeClass_ = 1;
    bool haveOwn_ = false, haveOpponent_ = false;
    std::vector<PlannerOpponent> opponents_;
    std::vector<std::string> loadMessages_;
    EngagementShips ships_;
    EngagementFigures figures_;
    std::vector<SweepRow> sweep_;
    std::unique_ptr<TPlannerMap> map_;
    bool updating_ = false;
    bool yearSet_ = false; // the year of play was set; otherwise the date's
    QFileSystemWatcher* watcher_ = nullptr;
    TDivisionPanel* divisions_ = nullptr;
};
