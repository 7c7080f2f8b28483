// sdftool render: the plan view of one design drawn offscreen into a PNG.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "designfile/DesignRecord.h"
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

// A whole number within lo..hi for an option, or why not.
VerbOptions::Handler wholeNumber(const std::string& name, int& target, int lo, int hi) {
    return [&target, name, lo, hi](const std::string& text) -> std::optional<std::string> {
        char* end = nullptr;
        const long v = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || !end || *end != '\0' || v < lo || v > hi) return "bad value for " + name + ": " + text;
        target = static_cast<int>(v);
        return std::nullopt;
    };
}

} // namespace

int runRender(const Args& args) {
    VerbOptions options("render");
    std::string out;
    int width = 215, height = 527, altitude = 33;
    options.Text("--out", out);
    options.Value("--width", wholeNumber("--width", width, 1, 8000));
    options.Value("--height", wholeNumber("--height", height, 1, 8000));
    options.Value("--altitude", wholeNumber("--altitude", altitude, 1, 2147483647));
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.empty()) return options.UsageError("no design file given");
    if (options.Files.size() > 1) return options.UsageError("only one design file can be rendered at a time");
    if (out.empty()) return options.UsageError("--out PLAN.png is required");
    const std::string& file = options.Files.front();

#ifdef SDFTOOL_WITH_QT
    ProgramData data;
    LoadToolData(options.ProgramDir, data);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char arg0[] = "sdftool";
    char* argv[] = {arg0, nullptr};
    QGuiApplication app(argc, argv);

    platform::RecordingMessages recorder;
    const std::string className = DesignClassName(file);
    TPlanImageOptions plan;
    plan.Width = width;
    plan.Height = height;
    plan.Altitude = altitude;
    const auto image = RenderDesignPlan(file, className, data.Preferences, plan, recorder);
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
    (void)file;
    std::fputs("sdftool render: this build has no Qt; render is not available\n", stderr);
    return 1;
#endif
}
