#include "designer/ShareCommands.h"
#include "designer/FormControls.h"

#include "designer/CompareWindow.h"
#include "designer/frmDesign.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/qt/QtMessages.h"
#include "sheets/DesignSummary.h"
#include "sheets/SheetRender.h"
#include "sheets/qt/SheetPdf.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

using platform::toQ;

namespace {

// The kinds of file "Export sheet..." writes, in the order offered.
enum ExportKind { kPdfA4, kPdfLetter, kHtml, kMarkdown };
const char* const kExportFilters[] = {"PDF, A4|*.pdf", "PDF, Letter|*.pdf", "HTML|*.html;*.htm", "Markdown|*.md"};

} // namespace

TShareCommands::TShareCommands(TfrmDesignMain& form) : QObject(&form), form_(form) {
    QWidget* parent = form.Widgets().bnSave->parentWidget();
    bnCompare = CommandButton(parent, "bnCompare", "Compare...", "Compare this design with another (Ctrl+D)");
    bnCopySheet =
        CommandButton(parent, "bnCopySheet", "Copy sheet", "Copy the ship sheet to the clipboard (Ctrl+Shift+C)");
    bnExportSheet =
        CommandButton(parent, "bnExportSheet", "Export sheet...", "Write the ship sheet as PDF, HTML or Markdown");
    // One row at the foot of the left-hand column, where its stretch leaves
    // room, so the window keeps its height.
    auto* row = new QHBoxLayout();
    for (QPushButton* b : {bnCompare, bnCopySheet, bnExportSheet}) row->addWidget(b);
    for (QBoxLayout* column : form.findChildren<QBoxLayout*>())
        if (column->indexOf(form.Widgets().bnUpdateWeights) >= 0) {
            column->addLayout(row);
            break;
        }
    connect(bnCompare, &QPushButton::clicked, this, &TShareCommands::Compare);
    connect(bnCopySheet, &QPushButton::clicked, this, &TShareCommands::CopySheet);
    connect(bnExportSheet, &QPushButton::clicked, this, &TShareCommands::ExportSheet);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), &form), &QShortcut::activated, this,
            &TShareCommands::Compare);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &form), &QShortcut::activated, this,
            &TShareCommands::CopySheet);
}

TfrmCompare* TShareCommands::CompareWindow() const { return compare_.data(); }

void TShareCommands::Compare() {
    if (!compare_) {
        compare_ = new TfrmCompare(
            form_.Data(), form_.ProgramDir(), form_.CustomFilesRoot(),
            [this] { return form_.CurrentDesignRecord().value_or(DesignRecord{}); }, &form_);
    } else {
        compare_->UseFormDesign();
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

void TShareCommands::CopySheet() {
    const auto record = form_.CurrentDesignRecord();
    if (!record) return;
    const DesignSummary summary = BuildDesignSummary(*record, form_.Data());
    auto* mime = new QMimeData;
    mime->setText(toQ(RenderSheet(summary, SheetFormat::Text)));
    mime->setHtml(toQ(RenderSheet(summary, SheetFormat::Html)));
    QGuiApplication::clipboard()->setMimeData(mime);
    form_.statusBar()->showMessage(
        QStringLiteral("Ship sheet of %1 copied to the clipboard.").arg(toQ(summary.ClassName)), 10000);
}

void TShareCommands::ExportSheet() {
    const auto record = form_.CurrentDesignRecord();
    if (!record) return;
    platform::SaveFileRequest request;
    request.title = "Export sheet";
    request.filters.assign(std::begin(kExportFilters), std::end(kExportFilters));
    request.startDirectory = platform::resolvePath(form_.CustomFilesRoot() + "Custom Files");
    request.suggestedName = (record->ClassName.empty() ? std::string("Sheet") : record->ClassName) + ".pdf";
    const auto choice = platform::fileDialogs().saveFile(request);
    if (!choice) return;

    const DesignSummary summary = BuildDesignSummary(*record, form_.Data());
    std::string bytes;
    auto& messages = platform::messages();
    switch (choice->filter) {
    case kHtml: bytes = RenderSheet(summary, SheetFormat::Html); break;
    case kMarkdown: bytes = RenderSheet(summary, SheetFormat::Markdown); break;
    default: {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const SheetPdfResult pdf =
            RenderSheetPdf(summary, *record, form_.Data(), form_.CustomFilesRoot() + "Custom Files/",
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
