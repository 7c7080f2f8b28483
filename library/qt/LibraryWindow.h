#pragma once
// The design library: every design of Designs/, the custom-files folders
// and the folders the user adds, one row each with its figures and a small
// plan view, sorted, searched and filtered; opened on the design form (through
// the callback it is given), duplicated, renamed, moved to the trash, shown
// in its folder or compared two to six at a time.
#include <QDialog>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

#include "library/DesignLibrary.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class TfrmCompare;
class TLibraryLoader;
class TLibraryModel;

class TfrmLibrary : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QStringList Folders;        // always listed
        QStringList UserFolders;    // the folders the user added, as remembered
        std::string CustomFilesDir; // where ship pictures are looked for first
        QString CacheFile;          // "" keeps no cache
        // Opens a file on the design form; false when the user kept the form's design.
        std::function<bool(const std::string&)> OpenDesign;
        // Remembers the folders the user added, after each change.
        std::function<void(const QStringList&)> RememberUserFolders;
        // A compare window of files alone, owned by `parent`.
        std::function<TfrmCompare*(QWidget* parent)> NewCompareWindow;
    };
    TfrmLibrary(const ProgramData& data, Setup setup, QWidget* parent = nullptr);
    ~TfrmLibrary() override;

    TLibraryModel& Model() const { return *model_; }
    TLibraryLoader& Loader() const { return *loader_; }
    // The folders the user added, remembered between runs.
    QStringList UserFolders() const { return userFolders_; }
    void AddFolder(const QString& folder);
    void RemoveFolder(const QString& folder);

    // The selected rows' files, in the order shown.
    std::vector<std::string> SelectedFiles() const;
    void Select(const std::vector<std::string>& files);

    // The commands on the selection; each says what failed in a message.
    void OpenSelected();
    void CompareSelected();
    // Copies to "<class> copy.sdf" (or "copy 2", ...) beside it; the new path or "".
    std::string Duplicate(const std::string& file);
    // False (after the message) when the name is taken or the folder refuses.
    bool Rename(const std::string& file, const std::string& newClassName);
    bool MoveToTrash(const std::string& file);
    void ShowInFolder(const std::string& file);
    TfrmCompare* CompareWindow() const;

    QLineEdit* edSearch = nullptr;
    QComboBox* cbNation = nullptr;
    QComboBox* cbType = nullptr;
    QSpinBox* seMinDisplacement = nullptr;
    QSpinBox* seMaxDisplacement = nullptr;
    QTableView* lvDesigns = nullptr;
    QLabel* lbPicture = nullptr;
    QLabel* lbPlan = nullptr;
    QLabel* lbDetails = nullptr;
    QLabel* lbStatus = nullptr;
    QProgressBar* pbFill = nullptr;
    QPushButton* bnOpen = nullptr;
    QPushButton* bnCompare = nullptr;
    QPushButton* bnDuplicate = nullptr;
    QPushButton* bnRename = nullptr;
    QPushButton* bnTrash = nullptr;
    QPushButton* bnShowInFolder = nullptr;
    QPushButton* bnAddFolder = nullptr;
    QPushButton* bnRemoveFolder = nullptr;

private:
    QLayout* BuildFilters();
    void BuildTable();
    QLayout* BuildSidePanel();
    QLayout* BuildCommands();
    void ConnectCommands();
    void ConnectLoader();
    // As large as the screen allows, up to what the columns and the panel use.
    void FitToScreen();

    // The button commands, with their questions.
    void DuplicateSelected();
    void RenameSelected();
    void TrashSelected();
    void AskAddFolder();
    void AskRemoveFolder();
    // Enter in the search box: the first row shown, if any.
    void OpenFirstMatch();

    void ApplyFilter();
    // The side panel and the buttons follow the selection.
    void FollowSelection();
    void ShowCurrent();
    void UpdateStatus();
    void UpdateButtons();
    QStringList AllFolders() const;

    const ProgramData& data_;
    Setup setup_;
    QStringList userFolders_;
    TLibraryModel* model_ = nullptr;
    TLibraryLoader* loader_ = nullptr;
    QPointer<TfrmCompare> compare_;
    std::vector<std::string> keptSelection_;
};
