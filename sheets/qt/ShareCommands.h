#pragma once
// The sharing commands of a design: "Compare..." (the design beside up to
// five others), "Copy sheet" (plain text and HTML on the clipboard) and
// "Export sheet..." (PDF on A4 or Letter, HTML, Markdown). Each works on the
// design its source gives, unsaved changes included.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

#include "sheets/qt/ExportDialog.h"
#include "tables/ProgramData.h"

class TDesignSource;
class TfrmCompare;

class TShareCommands : public QObject {
    Q_OBJECT
public:
    struct Setup {
        std::string CustomFilesRoot;                    // where a first "Export sheet..." starts
        ExportFolder Export;                            // the last export's folder
        std::function<void(const QString&)> ShowStatus; // a passing note ("copied to the clipboard")
        std::function<TfrmCompare*()> NewCompareWindow; // made once, on the design's source
    };
    TShareCommands(const ProgramData& data, const TDesignSource& source, Setup setup, QObject* parent = nullptr);

    TfrmCompare* CompareWindow() const;

public slots:
    void Compare();
    void CopySheet();
    void ExportSheet();

private:
    const ProgramData& data_;
    const TDesignSource& source_;
    Setup setup_;
    QPointer<TfrmCompare> compare_;
};
