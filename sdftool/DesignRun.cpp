#include "sdftool/DesignRun.h"

#include "designfile/DesignFile.h"
#include "platform/Paths.h"
#include "startup/Startup.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

namespace {

bool HasSdfExtension(const std::filesystem::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".sdf";
}

} // namespace

std::vector<std::string> CollectDesignFiles(const std::vector<std::string>& paths, const char* verb) {
    std::vector<std::string> files;
    for (const auto& path : paths) {
        const std::string resolved = platform::resolvePath(path);
        std::error_code ec;
        if (!std::filesystem::is_directory(resolved, ec)) {
            files.push_back(path);
            continue;
        }
        std::vector<std::string> inside;
        for (const auto& entry : std::filesystem::directory_iterator(resolved, ec)) {
            std::error_code ec2;
            if (entry.is_regular_file(ec2) && HasSdfExtension(entry.path())) inside.push_back(entry.path().string());
        }
        std::sort(inside.begin(), inside.end());
        if (inside.empty()) std::fprintf(stderr, "sdftool %s: no design files in '%s'\n", verb, path.c_str());
        files.insert(files.end(), inside.begin(), inside.end());
    }
    return files;
}

bool LoadToolData(const std::string& programDir, ProgramData& data) {
    platform::RecordingMessages recorder;
    bool ok = LoadProgramData(programDir, data, recorder);
    for (const auto& m : recorder.recorded)
        std::fprintf(stderr, "sdftool: data %s: %s\n", platform::messageKindName(m.kind), m.text.c_str());
    return ok;
}

DesignRun RunDesign(const std::string& file, const ProgramData& data) {
    DesignRun run;
    run.file = file;
    // The form reads a missing file as an empty design; a tool must not.
    const DesignRecord record = ReadDesignRecord(file);
    run.notDesign = record.NotDesign;
    if (!record.Readable) return run;
    run.readable = true;
    run.fileProblems = CheckDesignRecord(record);
    run.ship = std::make_unique<TDesignShip>(data);
    run.ship->ClearSpecials();
    run.problems = LoadDesignInto(record, run.inputs, *run.ship);
    return run;
}

int ForEachDesign(const std::vector<std::string>& files, const std::function<bool(const std::string&)>& each) {
    int status = 0;
    for (const std::string& file : files)
        if (!each(file)) status = 1;
    return status;
}

void ReportUnreadable(const char* verb, const std::string& file) {
    const DesignRecord record = ReadDesignRecord(file);
    if (!record.NotDesign.empty()) std::fprintf(stderr, "sdftool %s: %s\n", verb, record.NotDesign.c_str());
    else
        std::fprintf(stderr, "sdftool %s: cannot read design file '%s': %s\n", verb, file.c_str(),
                     record.ReadError.c_str());
}
