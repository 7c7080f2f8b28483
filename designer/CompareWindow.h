#pragma once
// The compare window: two designs side by side, one row per input and per
// figure with the differences highlighted, and both plan views at the same
// scale. The first design is the one on the design form (unsaved changes
// included) unless another file is chosen; the second comes from Designs/,
// Custom Files/ or any file.
#include <QDialog>

#include <functional>
#include <string>

#include "designfile/DesignRecord.h"
#include "sheets/DesignCompare.h"
#include "tables/ProgramData.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class TfrmCompare : public QDialog {
    Q_OBJECT
public:
    // formDesign gives the design on the form as it is now.
    TfrmCompare(const ProgramData& data, std::string programDir, std::string customFilesRoot,
                std::function<DesignRecord()> formDesign, QWidget* parent = nullptr);

    // Side 0 is the first design, 1 the second. A file that cannot be read
    // leaves the side as it was (after the message) and gives false.
    bool SetFile(int side, const std::string& path);
    void SetRecord(int side, const DesignRecord& record);
    // The first side back to the design on the form, taken again.
    void UseFormDesign();

    const DesignComparison& Comparison() const { return Comparison_; }

    QComboBox* cbFirst = nullptr;
    QComboBox* cbSecond = nullptr;
    QPushButton* bnOpenFirst = nullptr;
    QPushButton* bnOpenSecond = nullptr;
    QLabel* lbNotes = nullptr;
    QTreeWidget* lvRows = nullptr;
    QLabel* imgFirst = nullptr;
    QLabel* imgSecond = nullptr;

    // Background of a row that differs.
    static QColor DifferenceColour();

private:
    void FillSources(QComboBox* box, bool withForm);
    void SourceChosen(int side, int index);
    void OpenFile(int side);
    void Refresh();

    const ProgramData& Data_;
    std::string ProgramDir_;
    std::string CustomFilesRoot_;
    std::function<DesignRecord()> FormDesign_;
    DesignRecord Records_[2];
    bool Chosen_[2] = {false, false};
    DesignComparison Comparison_;
};
