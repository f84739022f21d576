// Keys and controls as players write them. Keys: names in any capitals, modifiers in any order,
// numbers for other keys, and the text a binding is shown as. A prompt's control: any control of
// the game by its exact name, a hash written in hex, and INPUT_CONTEXT_Y for anything else.

#include <gtest/gtest.h>

#include "config/key_bindings.h"
#include "config/settings.h"

namespace quillomar {
namespace {

TEST(ReadKeyBinding, ReadsNamesModifiersAndNumbersAndShowsThemInOneOrder) {
    struct Case {
        const char* written;
        const char* shown;  // null: no key, with badPart the part told
        const char* badPart;
    };
    const Case cases[] = {
        {"F9", "F9", ""},
        {" Shift + Alt + f11 ", "SHIFT+ALT+F11", ""},
        {"alt+shift+ctrl+numpad0", "CTRL+SHIFT+ALT+NUMPAD0", ""},
        {"0", "0", ""},
        {"120", "F9", ""},
        {"255", nullptr, "255"},
        {"17", nullptr, "17"},  // CTRL's own code
        {"CTRL+", nullptr, ""},
        {"CONTROL+M", nullptr, "CONTROL"},
    };
    for (const Case& c : cases) {
        const KeyBindingRead read = ReadKeyBinding(c.written);
        ASSERT_EQ(read.binding.has_value(), c.shown != nullptr) << c.written;
        EXPECT_EQ(read.binding ? KeyBindingText(*read.binding) : read.badPart, read.binding ? c.shown : c.badPart)
            << c.written;
    }
}

TEST(ControlHashFromName, TakesEveryGameControlByNameAndAHashInHex) {
    constexpr std::uint32_t kContextY = 0xD51B784F;
    struct Case {
        const char* written;
        std::uint32_t hash;
    };
    const Case cases[] = {
        {"INPUT_CONTEXT_Y", kContextY},
        {"INPUT_INTERACT_LOCKON_NEG", 0x26A18F47},
        {"0xDFF812F9", 0xDFF812F9},  // a hash a player wrote before keeps working
        {"0X1a2b", 0x00001A2B},
        {"input_context_y", kContextY},  // capitals matter, as in the game's scripts
        {"INPUT_CONTEXT_Z", kContextY},
        {"", kContextY},
        {"0x", kContextY},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlHashFromName(c.written), c.hash) << c.written;
}

}  // namespace
}  // namespace quillomar
