// Files and folders that refuse: run as an unprivileged user by the
// unprivileged_folders test (root reads and writes anything, so as root
// these are skipped). Each case checks that nothing was lost or
// half-written.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "TestSupport.h"
#include "designfile/DesignRecord.h"
#include "library/DesignLibrary.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace {

using testsupport::TempDir;

#define SKIP_AS_ROOT()                                                                                                 \
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permissions: the unprivileged_folders test runs this as nobody"

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// A design that cannot be read, or lies in a folder that cannot be entered:
// every reader names the reason, and the file is still whole afterwards.
TEST(Unprivileged, UnreadableDesignGivesItsReason) {
    SKIP_AS_ROOT();
    TempDir dir;
    const std::string original = dir.copy(testsupport::programDir() + "Designs/Nassau.sdf", "closed/Nassau.sdf");
    const std::string text = dir.read("closed/Nassau.sdf");
    struct Case {
        std::string chmodPath;
        mode_t mode;
    };
    for (const Case& c : {Case{original, 0}, Case{dir.path() + "closed", 0}}) {
        ASSERT_EQ(chmod(c.chmodPath.c_str(), c.mode), 0);
        const DesignRecord record = ReadDesignRecord(original);
        EXPECT_FALSE(record.Readable);
        EXPECT_EQ(record.ReadError, "Permission denied");
        EXPECT_EQ(DesignRecordProblem(record, original),
                  "Cannot read design file: " + original + " (Permission denied)");
        EXPECT_EQ(BuildLibraryRow(original, testsupport::bundledData()).Status,
                  "Cannot read design file: " + original + " (Permission denied)");
        const auto tool = testsupport::runTool({"check", "--data", testsupport::programDir(), original}, dir);
        EXPECT_EQ(tool.status, 1);
        EXPECT_NE(tool.err.find("Permission denied"), std::string::npos) << tool.err;
        ASSERT_EQ(chmod(c.chmodPath.c_str(), c.chmodPath == original ? 0644 : 0755), 0);
        EXPECT_EQ(dir.read("closed/Nassau.sdf"), text);
    }
}

// A file written into a read-only folder: refused with the reason, the old
// file whole and no temporary file left; a read-only program folder sends
// designs to the user's data folder.
TEST(Unprivileged, ReadOnlyFolderKeepsTheOldFileWhole) {
    SKIP_AS_ROOT();
    TempDir dir;
    const std::string file = dir.write("program/Custom Files/Old.sdf", "[Data]\r\nSpeed=21\r\n");
    const std::string program = dir.path() + "program/";
    EXPECT_EQ(platform::customFilesRoot(program), program);
    for (const std::string& folder : {program + "Custom Files", program}) ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    std::string why;
    EXPECT_FALSE(platform::writeBytes(file, "[Data]\r\nSpeed=30\r\n", &why));
    EXPECT_EQ(why, "Permission denied");
    EXPECT_EQ(platform::writeLines(file, {"[Data]"}, &why), platform::WriteResult::Failed);
    EXPECT_EQ(dir.read("program/Custom Files/Old.sdf"), "[Data]\r\nSpeed=21\r\n");
    EXPECT_EQ(filesIn(program + "Custom Files"), std::vector<std::string>{"Old.sdf"});
    EXPECT_EQ(platform::customFilesRoot(program), platform::userDataDir());
    for (const std::string& folder : {program, program + "Custom Files"}) chmod(folder.c_str(), 0755);
}
