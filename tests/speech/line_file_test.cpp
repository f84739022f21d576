// The taunt list file: the built-in lines survive being written and read back row for row, the
// bounds hold at their edges, and the rows' names stay readable wherever the lists are moved.

#include "speech/line_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "sim_support.h"

namespace quillomar {
namespace {

void ExpectSameRow(const SpeechLine& read, const SpeechLine& built, const std::string& where) {
    EXPECT_STREQ(read.speechName, built.speechName) << where;
    EXPECT_EQ(read.conditions, built.conditions) << where;
    EXPECT_EQ(read.generic, built.generic) << where;
    EXPECT_EQ(read.variation, built.variation) << where;
    EXPECT_STREQ(read.voice != nullptr ? read.voice : "(default)", built.voice != nullptr ? built.voice : "(default)")
        << where;
}

// The shipped file is the built-in lines as the tool writes them.
TEST(LineFile, GivesBackEveryBuiltInRowAsWritten) {
    const LineFileRead read = ReadLineFile(test::ReadSourceFile("docs/Quillomar-lines.txt"));
    EXPECT_EQ(CountedProblems(read.problems), 0u);  // the rows never said over a ped are noted only
    ASSERT_EQ(read.lines.lists.size(), kVoiceSetCount * kLineListCount);
    for (const auto& [voice, list, rows] : read.lines.lists) {
        const SpeechLines& built = BuiltInCatalogues().Of(voice)[list];
        ASSERT_EQ(rows.size(), built.size()) << LineFileSection(voice, list);
        for (std::size_t i = 0; i < rows.size(); ++i) ExpectSameRow(rows[i], built[i], LineFileRow(rows[i]));
    }
}

TEST(LineFile, KeepsRowsUpToEachBound) {
    struct Case {
        const char* what;
        std::string rows;
        std::size_t kept;
    };
    std::string fullList;
    for (std::size_t i = 0; i <= 4096; ++i) fullList += "TEST_ROW_" + std::to_string(i) + "\n";
    const Case cases[] = {
        {"a name of 63 characters", std::string(63, 'A') + "\n", 1},
        {"a name of 64 characters", std::string(64, 'A') + "\n", 0},
        {"variation 999", "TEST_ROW variation 999\n", 1},
        {"variation 1000", "TEST_ROW variation 1000\n", 0},
        {"variation 007", "TEST_ROW variation 007\n", 1},
        {"one row past the bound", fullList, 4096},
    };
    for (const Case& c : cases) {
        const LineFileRead read = ReadLineFile("[Arthur Dead]\n" + c.rows);
        ASSERT_EQ(read.lines.lists.size(), 1u) << c.what;
        EXPECT_EQ(read.lines.lists[0].rows.size(), c.kept) << c.what;
        // A row left out is told, and so is a list left empty.
        EXPECT_EQ(read.problems.size(), (c.kept != 1 ? 1u : 0u) + (c.kept == 0 ? 1u : 0u)) << c.what;
    }
}

TEST(LineFile, NamesStayWithTheListsWhenTheCatalogueTakesThem) {
    LineFileRead read = ReadLineFile(
        "[John Melee]\nTEST_FIRST voice JOHN_AI\nTEST_FIRST variation 2 voice JOHN_AI\nTEST_SECOND\n"
        "[Arthur Gunfight]\nTEST_THIRD");  // the last name ends the file
    ASSERT_TRUE(read.problems.empty());
    LineCatalogues built;
    BuildLineCatalogues(built, std::move(read.lines));
    LineCatalogues moved = std::move(built);  // as a reload replaces the catalogues whole
    const SpeechLines& melee = moved.Of(VoiceSet::John)[LineList::Melee];
    ASSERT_EQ(melee.size(), 3u);
    EXPECT_STREQ(melee[1].speechName, "TEST_FIRST");
    EXPECT_EQ(melee[1].variation, 2);
    EXPECT_STREQ(melee[1].voice, "JOHN_AI");
    EXPECT_STREQ(melee[2].speechName, "TEST_SECOND");
    EXPECT_EQ(melee[2].voice, nullptr);
    const char* last = moved.Of(VoiceSet::Arthur)[LineList::Gunfight][0].speechName;
    EXPECT_STREQ(last, "TEST_THIRD");
    EXPECT_LT(last + std::strlen(last), moved.ownNames.data() + moved.ownNames.size());  // it ends inside
}

TEST(LoadLineFile, ReadsUpToOneMebibyte) {
    test::ScopedDirectory dir;
    const std::string rows = "[Arthur Dead]\nTEST_ROW\n";
    dir.WriteFile("fits.txt", rows + std::string(1024 * 1024 - rows.size(), '\n'));
    dir.WriteFile("too_large.txt", rows + std::string(1024 * 1024 + 1 - rows.size(), '\n'));
    EXPECT_EQ(LoadLineFile("fits.txt").outcome, LineFileLoad::Outcome::Read);
    EXPECT_EQ(LoadLineFile("too_large.txt").outcome, LineFileLoad::Outcome::TooLarge);
}

}  // namespace
}  // namespace quillomar
