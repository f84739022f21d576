// The notice about the player's files: what it says, and when it is drawn.

#include "plugin/player_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/notice.h"
#include "sim_support.h"

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

bool DrawnAt(Notice& notice, std::uint32_t tick) {
    sim::TheGame().clock.tick = tick;
    sim::TheGame().screenTexts.clear();
    DrawNotice(notice, kNoticeLine);
    return !sim::TheGame().screenTexts.empty();
}

TEST(DrawNotice, ShowsFor5sFromTheFirstFrameInPlayAndNeverAgain) {
    sim::World& world = test::FreshWorld();
    Notice notice;
    EXPECT_FALSE(DrawnAt(notice, 0));  // none given
    GiveNotice(notice, "Quillomar: settings reloaded");
    world.playerInPlay = false;
    EXPECT_FALSE(DrawnAt(notice, 1000));
    world.playerInPlay = true;
    const std::uint32_t first = 0xFFFFF000u;  // the 5 s run across the wrap; first + 1 comes again a wrap later
    for (auto [tick, drawn] :
         {std::pair{first, true}, {first + 4999, true}, {first + 5000, false}, {first + 1, false}}) {
        EXPECT_EQ(DrawnAt(notice, tick), drawn) << tick;
    }
    GiveNotice(notice, std::string(300, 'x'));  // cut to the room of its text, all but the end
    EXPECT_EQ(std::strlen(notice.text), sizeof notice.text - 1);
}

}  // namespace
}  // namespace quillomar
