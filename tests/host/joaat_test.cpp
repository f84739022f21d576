// The hashes the plug-in hands the game for names are the game's own: computed from the names,
// they equal the game's data, so a name spelt wrong fails here.

#include "host/joaat.h"

#include <gtest/gtest.h>

#include "host/game_controls.h"
#include "host/game_names.h"

namespace quillomar {
namespace {

TEST(Joaat, GivesTheGameHashOfEveryNameThePlugInUses) {
    struct Case {
        const char* name;
        std::uint32_t computed;
        std::uint32_t game;
    };
    const Case cases[] = {
        {"INPUT_CONTEXT_Y", kDefaultPromptControl, 0xD51B784F},
        {"INPUT_SHOP_BUY", ControlNamed("INPUT_SHOP_BUY")->hash, 0xDFF812F9},
        {"REL_COP", game::kLawGroup, 0x2A318608},
        {"PLAYER_THREE", game::kJohnModel, 0x00B69710},
        {"SPEECH_PARAMS_FORCE", game::kForcedSpeech, 0xF85DD899},
        {"capitals aside", Joaat("Input_Context_Y"), 0xD51B784F},
    };
    for (const Case& c : cases) EXPECT_EQ(c.computed, c.game) << c.name;
}

}  // namespace
}  // namespace quillomar
