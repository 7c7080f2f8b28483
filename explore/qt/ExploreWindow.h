#pragma once
// The design explorer window: the inputs to vary and their ranges, the
// objectives, Run with progress and Cancel, the best trade-offs as a
// sortable table and a scatter chart (base marked), what a chosen variant
// changes, "Apply to form", and what one step of each input weighs. The
// base is the design its source gives (the form's, unsaved changes
// included).
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "designfile/DesignDocument.h"
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
class TDesignSource;

class TfrmExplore : public QWidget {
    Q_OBJECT
public:
    // Puts a variant (the source's design with the variant's inputs) on the
    // form as one undo step named `step`.
    using ApplyVariant = std::function<void(const DesignDocument& variant, const QString& step)>;
    // opponentFolders: where the designs to count hits on are listed from.
    TfrmExplore(const ProgramData& data, const TDesignSource& source, const std::vector<std::string>& opponentFolders,
                ApplyVariant apply, QWidget* parent = nullptr);
    ~TfrmExplore() override;

    // Takes the form's design as it stands as the base: the step costs, the
    // base marked on the chart and the ranges the user has not set follow
    // it. Done after every change the source announces while shown.
    void UseFormDesign();
    // Starts a search in the background; false when the request is refused
    // (the reason in the status line; a design that cannot be explored also
    // clears the front shown).
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

protected:
    // Closing stops a search: nothing runs on behind a closed window.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Job;
    struct InputRow {
        QCheckBox* vary;
        QDoubleSpinBox *from, *to, *step;
        bool set = false; // by the user: the row no longer follows the base
    };
    struct ObjectiveBox {
        QCheckBox* box;
        ObjectiveKind kind;
    };

    QWidget* BuildInputs();
    QWidget* BuildObjectives(const std::vector<std::string>& opponentFolders);
    QWidget* BuildHits(QWidget* parent, const std::vector<std::string>& opponentFolders);
    QLayout* BuildRunRow();
    QLayout* BuildAxes();
    QWidget* BuildFront();
    QWidget* BuildStepCosts();
    QLayout* BuildApplyRow();
    void Connect();

    std::optional<ExploreBase> FormBase(std::string& why) const;
    void FillRows();
    void FillStepCosts();
    void FollowBase();
    std::optional<ExploreRequest> Request(std::string& why) const;
    std::optional<std::string> ObjectiveText(ObjectiveKind kind, std::string& why) const;
    void StartJob(const ExploreRequest& request);
    void StopJob();
    void Poll();
    void ClearResult();
    void ShowResult();
    QString Summary() const;
    void FillAxes();
    void FillTable();
    void DrawChart();
    void SelectionChanged();
    void ChartClicked(const QPointF& point);
    int SelectedVariant() const;

    const ProgramData& data_;
    const TDesignSource& source_;
    ApplyVariant apply_;
    std::optional<ExploreBase> base_; // the design on the form, none when it cannot be explored
    std::vector<InputRow> inputs_;
    bool filling_ = false; // the rows are set from the base, not by the user
    std::vector<ObjectiveBox> objectives_;
    QSpinBox* immuneCalibre_ = nullptr;
    QSpinBox* beltSafeCalibre_ = nullptr;
    QSpinBox* hitsRange_ = nullptr;
    QTimer* timer_ = nullptr;
    std::shared_ptr<Job> job_;
    std::thread worker_;
    ExploreRequest request_; // of the front shown
    ExploreResult result_;
    ExploreVariant baseVariant_; // the base scored on request_
    std::vector<std::int32_t> baseValues_;
};
