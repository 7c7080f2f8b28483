#pragma once
// The compare window: two to six designs side by side, one row per input
// and per figure with each design's difference from the first, differing
// rows highlighted, and the plan views at one scale. The first design is
// the one on the design form (unsaved changes included) when the window is
// given its source, unless files are chosen; the others come from the
// design folders or any file. The table can be copied (text and HTML) and
// exported (PDF, HTML, Markdown, CSV).
#include <QDialog>

#include <string>
#include <vector>

#include "designfile/DesignRecord.h"
#include "designfile/qt/DesignSource.h"
#include "sheets/DesignCompare.h"
#include "sheets/qt/ExportDialog.h"
#include "tables/ProgramData.h"

class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QTreeWidget;

class TfrmCompare : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxDesigns = 6;

    struct Setup {
        std::vector<std::string> Folders;        // the designs offered
        std::string ProgramDir, CustomFilesRoot; // where "Open..." and a first "Export..." start
        ExportFolder Export;                     // the last export's folder
    };
    // formDesign: the design on the form, or none for files alone.
    TfrmCompare(const ProgramData& data, Setup setup, const TDesignSource* formDesign, QWidget* parent = nullptr);

    // Puts a file at place `side` (0 the first; Count() adds one). A file
    // that cannot be read, or a seventh design, leaves the comparison as it
    // was (after the message) and gives false.
    bool SetFile(int side, const std::string& path);
    void SetRecord(int side, const DesignRecord& record);
    // The comparison of these files alone, in this order; false (after the
    // message) when one cannot be read or there are more than six.
    bool SetFiles(const std::vector<std::string>& paths);
    // The first side back to the design on the form, taken again.
    void UseFormDesign();
    int Count() const { return static_cast<int>(records_.size()); }

    const ManyComparison& Comparison() const { return comparison_; }

    void Copy();
    void Export();

    QListWidget* lvSources = nullptr;  // every design offered; typing finds a class
    QListWidget* lvCompared = nullptr; // the designs compared, the first on top
    QPushButton* bnAdd = nullptr;
    QPushButton* bnOpen = nullptr;
    QPushButton* bnRemove = nullptr;
    QPushButton* bnCopy = nullptr;
    QPushButton* bnExport = nullptr;
    QLabel* lbNotes = nullptr;
    QTreeWidget* lvRows = nullptr;
    std::vector<QLabel*> imgPlans; // kMaxDesigns, those beyond Count() empty

    // Background of a row that differs.
    static QColor DifferenceColour();

private:
    QLayout* BuildChooser();
    QLayout* BuildTable();
    // The table on a landscape page, the plan views under it at one scale.
    std::string ComparisonPdf(bool letter) const;
    void FillSources();
    void AddChosenSource();
    void OpenFile();
    void RemoveChosen();
    void Refresh();

    const ProgramData& data_;
    Setup setup_;
    const TDesignSource* formDesign_;
    std::vector<DesignRecord> records_;
    std::vector<std::string> titles_;
    ManyComparison comparison_;
};
