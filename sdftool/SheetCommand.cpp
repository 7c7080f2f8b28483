// sdftool sheet: a design's ship sheet as text, Markdown, HTML or PDF.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "designfile/DesignRecord.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "sheets/SheetRender.h"

#include <cstdio>

#ifdef SDFTOOL_WITH_QT
#include "sheets/qt/SheetPdf.h"

#include <QGuiApplication>
#endif

int runSheet(const Args& args) {
    VerbOptions options("sheet");
    std::string format = "text", out, paper = "a4";
    options.Text("--format", format);
    options.Text("--out", out);
    options.Text("--paper", paper);
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.size() != 1) return options.UsageError("one design file is needed");
    if (!options.Accepts("--format", format))
        return options.UsageError("unknown format '" + format + "' (" + options.Choices("--format") + ")");
    if (!options.Accepts("--paper", paper))
        return options.UsageError("unknown paper '" + paper + "' (" + options.Choices("--paper") + ")");
    if (format == "pdf" && out.empty()) return options.UsageError("a PDF needs --out PATH");
    const std::string& file = options.Files.front();

    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    const DesignRecord record = ReadDesignRecord(file);
    const DesignSummary summary = BuildDesignSummary(record, data);
    if (!summary.Readable) {
        ReportUnreadable("sheet", file);
        return 1;
    }

    std::string bytes;
    if (format == "pdf") {
#ifdef SDFTOOL_WITH_QT
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int argc = 1;
        char arg0[] = "sdftool";
        char* argv[] = {arg0, nullptr};
        QGuiApplication app(argc, argv);
        const std::string custom = platform::customFilesRoot(options.ProgramDir) + "Custom Files/";
        const SheetPdfResult pdf =
            RenderSheetPdf(summary, record, data, custom, paper == "letter" ? SheetPaper::Letter : SheetPaper::A4);
        for (const auto& note : pdf.Notes) std::fprintf(stderr, "sdftool sheet: %s\n", note.c_str());
        if (pdf.Pdf.isEmpty()) {
            std::fputs("sdftool sheet: the PDF could not be made\n", stderr);
            return 1;
        }
        bytes.assign(pdf.Pdf.constData(), static_cast<size_t>(pdf.Pdf.size()));
#else
        std::fputs("sdftool sheet: this build has no Qt; PDF is not available\n", stderr);
        return 1;
#endif
    } else {
        bytes = RenderSheet(summary, format == "md"     ? SheetFormat::Markdown
                                     : format == "html" ? SheetFormat::Html
                                                        : SheetFormat::Text);
    }
    if (out.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    }
    std::string why;
    if (!platform::writeBytes(out, bytes, &why)) {
        std::fprintf(stderr, "sdftool sheet: cannot write '%s': %s\n", out.c_str(), why.c_str());
        return 1;
    }
    return 0;
}
