// A new file is written whole or not at all, and never over anything that has its name.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/platform.h"
#include "sim_support.h"

namespace {

struct WriteCase {
    const char* name;
    void (*prepare)(const test::ScopedDirectory&);
    bool written;
};

const WriteCase kCases[] = {
    {"NoFile", [](const test::ScopedDirectory&) {}, true},
    {"AFile", [](const test::ScopedDirectory& dir) { dir.WriteFile("new.ini", "kept"); }, false},
    {"ADanglingLink", [](const test::ScopedDirectory&) { ASSERT_EQ(symlink("target.ini", "new.ini"), 0); }, false},
    {"AFolder", [](const test::ScopedDirectory&) { std::filesystem::create_directory("new.ini"); }, false},
};

class WriteNewTextFile : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteNewTextFile, WritesOnlyWhereNothingHasTheName) {
    test::ScopedDirectory dir;
    GetParam().prepare(dir);
    quillomar::platform::WriteOutcome outcome = quillomar::platform::WriteNewTextFile("./new.ini", "a\nb\n");
    EXPECT_EQ(outcome.written, GetParam().written);
    EXPECT_EQ(outcome.error.empty(), GetParam().written);
    std::string expected = GetParam().written ? "a\nb\n" : std::filesystem::is_regular_file("new.ini") ? "kept" : "";
    if (!std::filesystem::is_directory("new.ini")) {
        EXPECT_EQ(dir.ReadFile("new.ini"), expected);
    }
    EXPECT_FALSE(std::filesystem::exists("target.ini")) << "written through the link";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(WithAtThePath, WriteNewTextFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

}  // namespace

namespace {

// A write killed halfway leaves the file it was to replace whole: the new text goes to a
// temporary file, which is moved into place only once it is all on the disk.
TEST(ReplaceTextFile, KilledHalfwayLeavesTheOldFileWhole) {
    test::ScopedDirectory dir;
    dir.WriteFile("report.txt", "the old report\n");
    const std::string large(256u << 20, 'x');  // long enough to be caught writing it
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        quillomar::platform::ReplaceTextFile("./report.txt", large);
        _exit(0);
    }
    // Killed as soon as the temporary file holds part of the new text.
    auto writing = [] {
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            if (entry.path().filename() != "report.txt" && entry.file_size() > 0) return true;
        }
        return false;
    };
    while (!writing()) usleep(1000);
    kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the write ended before it was killed";
    EXPECT_EQ(dir.ReadFile("report.txt"), "the old report\n");
    EXPECT_EQ(quillomar::platform::ReplaceTextFile("./report.txt", "the new one\n").written, true);
    EXPECT_EQ(dir.ReadFile("report.txt"), "the new one\n");
}

}  // namespace
