#pragma once
// The design explorer window of the design form ("Explore...", Ctrl+Shift+E):
// the inputs to vary and their ranges, the objectives, Run with progress and
// Cancel, the best trade-offs as a sortable table and a scatter chart (base
// marked), what a chosen variant changes, "Apply to form" as one undo step,
// and what one step of each input weighs.
#include <QWidget>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "explore/Explore.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class TfrmDesignMain;

// The design on the form as a record, unsaved changes included; none (after
// its message) when it cannot be built.
std::optional<DesignRecord> ExploreFormDesign(TfrmDesignMain& form);

class TfrmExplore : public QWidget {
    Q_OBJECT
public:
    explicit TfrmExplore(TfrmDesignMain& form);
    ~TfrmExplore() override;

    // Takes the form's design as the new base: ranges start at its values.
    void UseFormDesign();
    // Starts a search in the background; false when the request is refused
    // (the reason in the status line).
    bool Run();
    void Cancel();
    bool Running() const { return static_cast<bool>(job_); }
    // Puts the selected variant on the form.
    void ApplySelected();

    const ExploreResult& Result() const { return result_; }
    QTableWidget* inputsTable = nullptr;
    QTableWidget* frontTable = nullptr;
    QChartView* chart = nullptr;
    QLabel* status = nullptr;
    QLabel* differences = nullptr;
    QPushButton* runButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* applyButton = nullptr;
    QProgressBar* progress = nullptr;
    QListWidget* stepCosts = nullptr;
    QComboBox* axisX = nullptr;
    QComboBox* axisY = nullptr;
    QComboBox* colour = nullptr;
    QComboBox* opponent = nullptr;

signals:
    // After a search has ended (done or cancelled) and its front is shown.
    void finished();

private:
    struct Job;
    struct InputRow {
        QCheckBox* vary;
        QDoubleSpinBox *from, *to, *step;
    };
    struct ObjectiveBox {
        QCheckBox* box;
        std::string key;
    };

    void BuildInputs(QWidget* parent);
    QWidget* BuildObjectives(QWidget* parent);
    std::optional<ExploreRequest> Request(std::string& why) const;
    void Poll();
    void ShowResult();
    void FillTable();
    void DrawChart();
    void SelectionChanged();
    void ChartClicked(const QPointF& point);
    int SelectedVariant() const;

    TfrmDesignMain& form_;
    std::optional<ExploreBase> base_;
    std::vector<InputRow> inputs_;
    std::vector<ObjectiveBox> objectives_;
    QSpinBox* immuneCalibre_ = nullptr;
    QSpinBox* beltSafeCalibre_ = nullptr;
    QSpinBox* hitsRange_ = nullptr;
    QTimer* timer_ = nullptr;
    std::shared_ptr<Job> job_;
    std::thread worker_;
    ExploreRequest request_; // of the front shown
    ExploreResult result_;
    ExploreVariant baseVariant_;
    std::vector<std::int32_t> baseValues_;
};

// Adds "Explore..." to the form (beside its sharing commands) and Ctrl+Shift+E.
void AddExploreCommand(TfrmDesignMain& form);
// Opens (or raises) the form's explorer window on the form's design.
TfrmExplore* ShowExplorer(TfrmDesignMain& form);
