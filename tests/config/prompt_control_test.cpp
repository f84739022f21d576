// PromptControl as the loader reads it: any control of the game by its exact name, a hash written
// in hex, and INPUT_CONTEXT_Y for anything else.

#include <gtest/gtest.h>

#include "config/settings.h"

namespace quillomar {
namespace {

TEST(ControlHashFromName, TakesEveryGameControlByNameAndAHashInHex) {
    constexpr std::uint32_t kContextY = 0xD51B784F;
    struct Case {
        const char* written;
        std::uint32_t hash;
    };
    const Case cases[] = {
        {"INPUT_CONTEXT_Y", kContextY},
        {"INPUT_INTERACT_LOCKON_NEG", 0x26A18F47},
        {"INPUT_SHOP_BUY", 0xDFF812F9},
        {"INPUT_WHISTLE", 0x24978A28},
        {"0xDFF812F9", 0xDFF812F9},  // a hash a player wrote before keeps working
        {"0x1234", 0x00001234},
        {"0X1a2b", 0x00001A2B},
        {"input_context_y", kContextY},  // capitals matter, as in the game's scripts
        {"INPUT CONTEXT Y", kContextY},
        {"INPUT_CONTEXT_Z", kContextY},
        {"", kContextY},
        {"0x", kContextY},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlHashFromName(c.written), c.hash) << c.written;
}

}  // namespace
}  // namespace quillomar
