#include "plugin/plugin_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "plugin/plugin.h"
#include "plugin/plugin_state.h"
#include "sim_support.h"

namespace quillomar {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(StartLog, SaysWhereTheSettingsCameFrom) {
    struct Case {
        const char* folder;  // what stands at Quillomar.ini
        const char* told;
    };
    const Case cases[] = {
        {"nothing",
         "there was no Quillomar.ini, so the default file was written and read\n"
         "Quillomar.ini: no problems found\n"},
        {"a link to nowhere",
         "the default file could not be written (File exists), so the built-in defaults are in force\n"},
        {"a folder", "Quillomar.ini exists but cannot be read (Is a directory), so every setting takes its default\n"},
    };
    for (const Case& c : cases) {
        test::ScopedDirectory dir;
        if (c.folder == std::string("a link to nowhere")) {
            std::filesystem::create_symlink("no-such-folder/Quillomar.ini", "Quillomar.ini");
        }
        if (c.folder == std::string("a folder")) std::filesystem::create_directory("Quillomar.ini");
        test::StartPluginInSim();
        std::string log = dir.ReadFile("Quillomar.log");
        EXPECT_NE(log.find(c.told), std::string::npos) << c.folder << ":\n" << log;
    }
}

TEST(StartLog, ALogThatCannotBeWrittenChangesNothingElse) {
    test::ScopedDirectory dir;
    std::filesystem::create_directory("Quillomar.log");
    const PluginState& state = test::StartPluginInSim("[Settings]\nMaxDistance=12.5\n");
    EXPECT_EQ(state.settings.maxDistance, 12.5f);
    EXPECT_EQ(state.taunting.random.state, sim::TheGame().clock.calendarSeconds);
}

TEST(ErrorLog, TellsEachKindOnceAndNoMoreThanTheLimitInARun) {
    test::ScopedDirectory dir;
    WriteStartLog({}, 1);
    for (const char* what : {"bad_alloc", "vector", "bad_alloc", "map", "list", "fifth"}) LogError(what);
    std::string log = dir.ReadFile("Quillomar.log");
    EXPECT_EQ(Count(log, "An error stopped a frame"), static_cast<std::size_t>(kLoggedErrorLimit)) << log;
    EXPECT_EQ(Count(log, "(bad_alloc)"), 1u);
    EXPECT_EQ(Count(log, "(fifth)"), 0u);
    EXPECT_EQ(Count(log, "Further errors are not logged"), 1u);

    WriteStartLog({}, 2);  // a new start, a new log
    LogError("bad_alloc", true);
    RunGuarded([] { throw 42; }, false);  // nothing escapes into the host, whatever is thrown
    log = dir.ReadFile("Quillomar.log");
    EXPECT_EQ(Count(log, "An error stopped the start-up (bad_alloc)"), 1u) << log;
    EXPECT_EQ(Count(log, "An error stopped a frame (an unknown error)"), 1u) << log;
    EXPECT_EQ(Count(log, "(vector)"), 0u);
}

constexpr const char* kGaveWayNote = "(earlier entries gave way to later ones: the log is kept under 64 KB)\n";

// The log's size on the disk, where each newline is CR LF.
std::size_t LogBytes(const test::ScopedDirectory& dir) {
    const std::string log = dir.ReadFile("Quillomar.log");
    return log.size() + Count(log, "\n");
}

TEST(StartLog, StaysWithin64KBCutAfterTheLastWholeLineThatFits) {
    test::ScopedDirectory dir;
    // The keys start at line 1001, so every problem line has the same length but the first three,
    // whose keys, longer by pad letters in all, move the cut over every place within a line.
    const std::size_t problemBytes =
        std::strlen("  line 1001: unknown key Unknown1001 in [Settings], so it is ignored\n") + 1;
    for (std::size_t pad = 0; pad < problemBytes; ++pad) {
        std::string ini = "[Settings]\n";
        for (int line = 2; line <= 1000; ++line) ini += ";\n";
        for (int key = 1001; key < 2200; ++key) {
            const std::size_t letters = key < 1004 ? (pad + static_cast<std::size_t>(key - 1001)) / 3 : 0;
            ini += "Unknown" + std::to_string(key) + std::string(letters, 'x') + "=1\n";
        }
        dir.WriteFile("Quillomar.ini", ini);
        WriteStartLog({}, 1);
        LogError("late");  // finds no room: the log still ends with the note
        const std::string log = dir.ReadFile("Quillomar.log");
        EXPECT_LE(LogBytes(dir), kLogLimit) << pad;
        EXPECT_GT(LogBytes(dir) + problemBytes, kLogLimit) << pad;  // the next line would not have fitted
        EXPECT_TRUE(log.ends_with("so it is ignored\n(the log stops here: it is kept under 64 KB)\n")) << pad;
    }
}

TEST(Log, KeepsItsStartAndTheNewestEntriesWithin64KB) {
    test::ScopedDirectory dir;
    WriteStartLog({}, 1);
    const std::string start = dir.ReadFile("Quillomar.log");
    LogUnreadableChange("first");
    LogError("second");
    EXPECT_EQ(Count(dir.ReadFile("Quillomar.log"), "(first)") + Count(dir.ReadFile("Quillomar.log"), "(second)"), 2u);
    // An entry that fills the log to its last byte is added whole; the next makes the oldest give way.
    const std::size_t before = LogBytes(dir);
    LogUnreadableChange("x");
    const std::size_t entry = LogBytes(dir) - before - 1;  // the entry around its one letter
    LogUnreadableChange(std::string(kLogLimit - LogBytes(dir) - entry, 'y'));
    EXPECT_EQ(LogBytes(dir), kLogLimit);
    EXPECT_EQ(Count(dir.ReadFile("Quillomar.log"), "gave way"), 0u);
    // Sized so that the three oldest give way and the log is full to its last byte again.
    const std::size_t firstTwo = before - start.size() - Count(start, "\n");
    LogUnreadableChange(std::string(firstTwo + 1 - (std::strlen(kGaveWayNote) + 1), 'z'));
    const std::string log = dir.ReadFile("Quillomar.log");
    EXPECT_EQ(LogBytes(dir), kLogLimit);  // no entry gave way that did not have to
    EXPECT_TRUE(log.starts_with(start));
    EXPECT_EQ(Count(log, kGaveWayNote), 1u);
    EXPECT_EQ(Count(log, "(first)") + Count(log, "(x)"), 0u) << log.substr(0, 400);
    EXPECT_EQ(Count(log, "(yy"), 1u);  // the newer entry that fits stays
    EXPECT_TRUE(log.ends_with("zz), so the settings in force stay until it can be read\n"));
}

TEST(Log, KeepsAnEntryWholeThatTakesAllTheRoomLeft) {
    test::ScopedDirectory dir;
    WriteStartLog({}, 1);
    const std::size_t start = LogBytes(dir);
    LogUnreadableChange("");  // an entry with nothing in its parentheses
    const std::size_t room = kLogLimit - start - std::strlen(kGaveWayNote) - 1;
    const std::size_t entry = LogBytes(dir) - start;
    WriteStartLog({}, 1);
    LogUnreadableChange(std::string(room - entry, 'y'));  // the room less the note that entries gave way
    EXPECT_EQ(LogBytes(dir), start + room);
    EXPECT_EQ(Count(dir.ReadFile("Quillomar.log"), "the log stops here"), 0u);
}

}  // namespace
}  // namespace quillomar
