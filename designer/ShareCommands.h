#pragma once
// The design form's sharing commands: "Compare..." (Ctrl+D), "Copy sheet"
// (Ctrl+Shift+C: plain text and HTML on the clipboard) and "Export
// sheet..." (PDF on A4 or Letter, HTML, Markdown). Each works on the design
// as the form holds it, unsaved changes included.
#include <QObject>
#include <QPointer>

class QPushButton;
class TfrmCompare;
class TfrmDesignMain;

class TShareCommands : public QObject {
    Q_OBJECT
public:
    // Adds the three buttons at the foot of the form's left-hand column.
    explicit TShareCommands(TfrmDesignMain& form);

    TfrmCompare* CompareWindow() const;

    QPushButton* bnCompare = nullptr;
    QPushButton* bnCopySheet = nullptr;
    QPushButton* bnExportSheet = nullptr;

public slots:
    void Compare();
    void CopySheet();
    void ExportSheet();

private:
    TfrmDesignMain& form_;
    QPointer<TfrmCompare> compare_;
};
