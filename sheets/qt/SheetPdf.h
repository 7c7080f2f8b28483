#pragma once
// The ship sheet as a PDF page (or more): the sheet's text and tables, the
// ship's picture and its plan view, on A4 or Letter paper.
#include <QByteArray>
#include <QImage>

#include <string>
#include <vector>

#include "designfile/DesignRecord.h"
#include "sheets/DesignSummary.h"
#include "tables/ProgramData.h"

enum class SheetPaper { A4, Letter };

struct SheetPdfResult {
    QByteArray Pdf;                 // empty when it could not be made
    std::vector<std::string> Notes; // e.g. characters the page's font cannot show
};

// The plan view as the sheet shows it: bow to the right, at the design
// form's scale, twice its resolution. Null when the ship cannot be built.
QImage SheetPlanImage(const DesignRecord& record, const ProgramData& data);

// Needs a QGuiApplication. The summary and the record are of one design.
SheetPdfResult RenderSheetPdf(const DesignSummary& summary, const DesignRecord& record, const ProgramData& data,
                              const std::string& customFilesDir, SheetPaper paper);
