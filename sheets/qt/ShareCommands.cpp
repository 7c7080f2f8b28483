#include "sheets/qt/ShareCommands.h"

#include "designfile/qt/DesignSource.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/qt/QtMessages.h"
#include "sheets/DesignSummary.h"
#include "sheets/SheetRender.h"
#include "sheets/qt/CompareWindow.h"
#include "sheets/qt/SheetPdf.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using platform::toQ;

namespace {

// The kinds of file "Export sheet..." writes, in the order offered.
enum ExportKind { kPdfA4, kPdfLetter, kHtml, kMarkdown };
const char* const kExportFilters[] = {"PDF, A4|*.pdf", "PDF, Letter|*.pdf", "HTML|*.html;*.htm", "Markdown|*.md"};

} // namespace

TShareCommands::TShareCommands(const ProgramData& data, const TDesignSource& source, Setup setup, QObject* parent)
    : QObject(parent), data_(data), source_(source), setup_(std::move(setup)) {}

TfrmCompare* TShareCommands::CompareWindow() const { return compare_.data(); }

void TShareCommands::Compare() {
    if (!compare_) {
        compare_ = setup_.NewCompareWindow();
    } else {
        compare_->UseFormDesign();
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

void TShareCommands::CopySheet() {
    const auto record = source_.Record();
    if (!record) return;
    const DesignSummary summary = BuildDesignSummary(*record, data_);
    auto* mime = new QMimeData;
    mime->setText(toQ(RenderSheet(summary, SheetFormat::Text)));
    mime->setHtml(toQ(RenderSheet(summary, SheetFormat::Html)));
    QGuiApplication::clipboard()->setMimeData(mime);
    if (setup_.ShowStatus)
        setup_.ShowStatus(QStringLiteral("Ship sheet of %1 copied to the clipboard.").arg(toQ(summary.ClassName)));
}

void TShareCommands::ExportSheet() {
    const auto record = source_.Record();
    if (!record) return;
    platform::SaveFileRequest request;
    request.title = "Export sheet";
    request.filters.assign(std::begin(kExportFilters), std::end(kExportFilters));
    request.startDirectory = platform::resolvePath(setup_.CustomFilesRoot + "Custom Files");
    request.suggestedName = (record->ClassName.empty() ? std::string("Sheet") : record->ClassName) + ".pdf";
    const auto choice = AskExportFile(request, setup_.Export);
    if (!choice) return;

    const DesignSummary summary = BuildDesignSummary(*record, data_);
    std::string bytes;
    auto& messages = platform::messages();
    switch (choice->filter) {
    case kHtml: bytes = RenderSheet(summary, SheetFormat::Html); break;
    case kMarkdown: bytes = RenderSheet(summary, SheetFormat::Markdown); break;
    default: {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const SheetPdfResult pdf = RenderSheetPdf(summary, *record, data_, setup_.CustomFilesRoot + "Custom Files/",
                                                  choice->filter == kPdfLetter ? SheetPaper::Letter : SheetPaper::A4);
        QApplication::restoreOverrideCursor();
        for (const auto& note : pdf.Notes) messages.notice(note);
        if (pdf.Pdf.isEmpty()) {
            messages.notice("Error exporting sheet " + choice->path + "\rThe PDF could not be made.");
            return;
        }
        bytes.assign(pdf.Pdf.constData(), static_cast<size_t>(pdf.Pdf.size()));
    }
    }
    std::string why;
    if (!platform::writeBytes(choice->path, bytes, &why)) {
        messages.notice("Error exporting sheet " + choice->path + "\r" + why);
        return;
    }
    messages.notice("Ship sheet " + record->ClassName + " exported to file: " + choice->path);
}
