// A line muted is added to the muted file as a row of its own, without reading the file: the end
// of the file as last read or written says whether a line end must come first.

#include <gtest/gtest.h>

#include "sim_support.h"
#include "speech/muted_lines.h"

namespace quillomar {
namespace {

TEST(AppendMutedLine, AddsARowOfItsOwnAndReadingTellsHowTheFileEnds) {
    struct Case {
        const char* before;  // null: no file
        const char* after;   // the file's end after the append; the header where it was made
    };
    const Case cases[] = {
        {nullptr, "\"variation\" and its number, for that one alone.\nNEW_LINE variation 3\n"},
        {"", "NEW_LINE variation 3\n"},
        {"OLD_LINE\n", "OLD_LINE\nNEW_LINE variation 3\n"},
        {"OLD_LINE\r\n", "OLD_LINE\r\nNEW_LINE variation 3\n"},
        {"OLD_LINE", "OLD_LINE\nNEW_LINE variation 3\n"},
    };
    for (const Case& c : cases) {
        test::ScopedDirectory dir;
        const bool exists = c.before != nullptr;
        if (exists) dir.WriteFile("muted.txt", c.before);
        const bool lastRowEnded = ReadMutedFile(exists ? c.before : "").lastRowEnded;
        EXPECT_FALSE(AppendMutedLine("muted.txt", {"NEW_LINE", 3}, exists, lastRowEnded)) << c.after;
        EXPECT_TRUE(dir.ReadFile("muted.txt").ends_with(c.after)) << dir.ReadFile("muted.txt");
    }
}

}  // namespace
}  // namespace quillomar
