#pragma once
// The design form's sharing commands: "Compare..." (Ctrl+D), "Copy sheet"
// (Ctrl+Shift+C: plain text and HTML on the clipboard) and "Export
// sheet..." (PDF on A4 or Letter, HTML, Markdown). Each works on the design
// as the form holds it, unsaved changes included.
#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

#include "designfile/DesignRecord.h"
#include "sheets/DesignSummary.h"

class QPushButton;
class TfrmCompare;
class TfrmDesignMain;

class TShareCommands : public QObject {
    Q_OBJECT
public:
    // Adds the three buttons at the foot of the form's left-hand column.
    explicit TShareCommands(TfrmDesignMain& form);

    // The form's design built as its file would be, without writing one;
    // none (after the message) when it cannot be built.
    std::optional<DesignRecord> FormDesign() const;

    TfrmCompare* CompareWindow() const;

    QPushButton* bnCompare = nullptr;
    QPushButton* bnCopySheet = nullptr;
    QPushButton* bnExportSheet = nullptr;

public slots:
    void Compare();
    void CopySheet();
    void ExportSheet();

private:
    TfrmDesignMain& Form_;
    QPointer<TfrmCompare> Compare_;
};
