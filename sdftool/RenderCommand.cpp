// sdftool render: the plan view of one design drawn offscreen into a PNG.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "platform/Messages.h"
#include "platform/Paths.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#ifdef SDFTOOL_WITH_QT
#include "graphics/qt/PlanImage.h"

#include <QGuiApplication>
#include <QString>
#endif

namespace {

const char* kRenderUsage =
    "Usage: sdftool render FILE.sdf --out PLAN.png [--width W --height H --altitude A] [--data DIR]\n"
    "\n"
    "Draws the design's plan view as the design form shows it after a load (default\n"
    "215 x 527 pixels at altitude 33; a smaller altitude is closer). Message boxes\n"
    "raised while loading are printed to stderr.\n"
    "Exit status: 0 written, 1 the design could not be built or the PNG written,\n"
    "2 usage error.\n";

int usageError(const char* what) {
    std::fprintf(stderr, "sdftool render: %s\n\n%s", what, kRenderUsage);
    return 2;
}

// A whole number within lo..hi, or none.
std::optional<int> wholeNumber(const std::string& text, int lo, int hi) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || !end || *end != '\0' || v < lo || v > hi) return std::nullopt;
    return static_cast<int>(v);
}

} // namespace

int runRender(const Args& argsIn) {
    Args args = argsIn;
    for (const auto& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kRenderUsage, stdout);
            return 0;
        }
    const std::string programDir = takeProgramDir(args);
    std::string file, out;
    int width = 215, height = 527, altitude = 33;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--out" || a == "--width" || a == "--height" || a == "--altitude") {
            if (!hasValue) return usageError(("missing value for " + a).c_str());
            const std::string& v = args[++i];
            if (a == "--out") {
                out = v;
            } else {
                const auto n = a == "--altitude" ? wholeNumber(v, 1, 2147483647) : wholeNumber(v, 1, 8000);
                if (!n) return usageError(("bad value for " + a + ": " + v).c_str());
                (a == "--width" ? width : a == "--height" ? height : altitude) = *n;
            }
        } else if (!a.empty() && a[0] == '-') {
            return usageError(("unknown option " + a).c_str());
        } else if (file.empty()) {
            file = a;
        } else {
            return usageError("only one design file can be rendered at a time");
        }
    }
    if (file.empty()) return usageError("no design file given");
    if (out.empty()) return usageError("--out PLAN.png is required");

#ifdef SDFTOOL_WITH_QT
    LoadToolData(programDir);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char arg0[] = "sdftool";
    char* argv[] = {arg0, nullptr};
    QGuiApplication app(argc, argv);

    platform::ScopedRecordingMessages recorder;
    const std::string base = platform::fileNameOf(file);
    const std::string className = base.size() > 4 ? base.substr(0, base.size() - 4) : base;
    TPlanImageOptions options;
    options.Width = width;
    options.Height = height;
    options.Altitude = altitude;
    const auto image = RenderDesignPlan(file, className, options);
    for (const auto& m : recorder.recorded)
        std::fprintf(stderr, "sdftool render: %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
    if (!image) {
        std::fprintf(stderr, "sdftool render: could not build a ship from %s\n", file.c_str());
        return 1;
    }
    if (!image->save(QString::fromStdString(out), "PNG")) {
        std::fprintf(stderr, "sdftool render: could not write %s\n", out.c_str());
        return 1;
    }
    return 0;
#else
    std::fputs("sdftool render: this build has no Qt; render is not available\n", stderr);
    return 1;
#endif
}
