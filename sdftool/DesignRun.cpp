#include "sdftool/DesignRun.h"

#include "designfile/DesignFile.h"
#include "startup/Startup.h"

#include <cstdio>

namespace {

// Collects the messages of one stretch of work, restoring the sink after.
class Collect {
public:
    Collect() : previous_(&platform::messages()) { platform::setMessages(&recorder); }
    ~Collect() { platform::setMessages(previous_); }
    Collect(const Collect&) = delete;
    Collect& operator=(const Collect&) = delete;
    platform::RecordingMessages recorder;

private:
    platform::Messages* previous_;
};

} // namespace

bool LoadToolData(const std::string& programDir, ProgramData& data) {
    Collect collect;
    bool ok = LoadProgramData(programDir, data);
    for (const auto& m : collect.recorder.recorded)
        std::fprintf(stderr, "sdftool: data %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
    return ok;
}

DesignRun RunDesign(const std::string& file, const ProgramData& data) {
    DesignRun run;
    run.file = file;
    // The form reads a missing file as an empty design; a tool must not.
    const DesignRecord record = ReadDesignRecord(file);
    if (!record.Readable) return run;
    run.readable = true;
    run.ship = std::make_unique<TDesignShip>(data);
    run.ship->ClearSpecials();
    Collect collect;
    LoadDesignInto(record, run.inputs, *run.ship);
    run.messages = std::move(collect.recorder.recorded);
    return run;
}
