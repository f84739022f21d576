// The notice about the player's files: how many problems each has, the list file by its name alone.

#include "plugin/player_files.h"

#include <gtest/gtest.h>

namespace quillomar {
namespace {

TEST(FilesNotice, CountsTheProblemsOfEachFileAndNamesTheListFileWithoutItsFolders) {
    struct Case {
        std::size_t settingsProblems, lineProblems;
        bool reloaded;
        const char* notice;
    };
    const Case cases[] = {
        {0, 0, false, ""},
        {0, 3, false, "Quillomar: 3 problems in Mine.txt - see Quillomar.log"},
        {2, 1, true, "Quillomar: settings reloaded, 2 problems in Quillomar.ini and 1 in Mine.txt - see Quillomar.log"},
    };
    for (const Case& c : cases) {
        const FilesReport report{"", c.settingsProblems, c.lineProblems};
        EXPECT_EQ(FilesNotice(report, "C:\\Mods/lines\\Mine.txt", c.reloaded), c.notice);
    }
}

}  // namespace
}  // namespace quillomar
