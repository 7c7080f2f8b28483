#include "sheets/qt/SheetPdf.h"

#include "graphics/qt/PlanImage.h"
#include "graphics/qt/ShipPictures.h"
#include "platform/Messages.h"
#include "sheets/SheetRender.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTransform>
#include <QUrl>

namespace {

// The characters of text the font has no glyph for, each once.
std::string missingGlyphs(const QFont& font, const std::string& text) {
    const QFontMetrics metrics(font);
    QString missing;
    for (const uint c : QString::fromStdString(text).toUcs4())
        if (c > ' ' && !metrics.inFontUcs4(c) &&
            !missing.contains(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1)))
            missing += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    return missing.toStdString();
}

// Lays the document out in pages of the writer's printable area and moves
// each table that would run over a page end, and fits on one page, to the
// next page with its heading: a table's last row alone on a page reads badly.
void keepTablesTogether(QTextDocument& doc, const QPdfWriter& writer) {
    const int dpi = 96; // the document's own units when it has no paint device
    doc.setPageSize(QSizeF(writer.pageLayout().paintRectPixels(dpi).size()));
    doc.setDocumentMargin(2 / 2.54 * dpi);
    const qreal page = doc.pageSize().height();
    QTextBlock before; // the block just before the table: its heading
    for (QTextFrame::iterator it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        auto* table = qobject_cast<QTextTable*>(it.currentFrame());
        if (!table) {
            if (!it.currentFrame()) before = it.currentBlock();
            continue;
        }
        const QRectF box = doc.documentLayout()->frameBoundingRect(table);
        const bool crosses = static_cast<int>(box.top() / page) != static_cast<int>((box.bottom() - 1) / page);
        if (!crosses || box.height() > page - 2 * doc.documentMargin()) continue;
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (before.isValid()) {
            QTextCursor(before).mergeBlockFormat(format);
        } else {
            QTextTableFormat tableFormat = table->format();
            tableFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(tableFormat);
        }
    }
}

} // namespace

QImage SheetPlanImage(const DesignRecord& record, const ProgramData& data) {
    TPlanImageOptions options;
    options.Width = 430;
    options.Height = 1054;
    options.Altitude = 16;             // the form's 33 at twice the pixels
    platform::RecordingMessages quiet; // the sheet lists the design's problems itself
    const auto plan = RenderDesignPlan(record, data.Preferences, options, quiet);
    if (!plan) return {};
    // The sea around the ship is cropped to a margin.
    const QRgb sea = plan->pixel(0, 0);
    QRect ship;
    for (int y = 0; y < plan->height(); ++y)
        for (int x = 0; x < plan->width(); ++x)
            if (plan->pixel(x, y) != sea) ship |= QRect(x, y, 1, 1);
    const QImage cropped = ship.isEmpty() ? *plan : plan->copy(ship.adjusted(-24, -24, 24, 24) & plan->rect());
    return cropped.transformed(QTransform().rotate(90));
}

SheetPdfResult RenderSheetPdf(const DesignSummary& summary, const DesignRecord& record, const ProgramData& data,
                              const std::string& customFilesDir, SheetPaper paper) {
    SheetPdfResult result;
    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 18pt; } h2 { font-size: 11pt; } td, th { padding: 0 8px 0 0; }"));

    if (const std::string missing = missingGlyphs(font, summary.ClassName); !missing.empty())
        result.Notes.push_back("The PDF's font has no letter for \"" + missing +
                               "\" in the class name; it is printed as a blank box.");

    // The pictures go under the description line, before the tables.
    std::string pictures;
    const QImage picture = shippictures::FindShipPicture(summary.PictureName, customFilesDir).Image;
    if (!picture.isNull()) {
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("sheet:picture")), picture);
        pictures += "<p><img src=\"sheet:picture\" width=\"480\"></p>\n";
    }
    const QImage plan = SheetPlanImage(record, data);
    if (!plan.isNull()) {
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("sheet:plan")), plan);
        pictures += "<p><img src=\"sheet:plan\" width=\"480\"></p>\n";
    }
    std::string body = RenderSheetHtmlBody(summary);
    const size_t afterIntro = body.find("</p>\n");
    body.insert(afterIntro == std::string::npos ? body.size() : afterIntro + 5, pictures);
    doc.setHtml(QString::fromStdString("<html><body>" + body + "</body></html>"));

    QBuffer buffer(&result.Pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(paper == SheetPaper::Letter ? QPageSize::Letter : QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QString::fromStdString(summary.ClassName));
        writer.setCreator(QStringLiteral("Ship designer " SHIP_VERSION));
        keepTablesTogether(doc, writer);
        doc.print(&writer);
    }
    buffer.close();
    return result;
}
