// Keys as players write them: names in any capitals, modifiers in any order, numbers for other
// keys, and the text a binding is shown as.

#include "config/key_bindings.h"

#include <gtest/gtest.h>

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
        {"254", "254", ""},
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

}  // namespace
}  // namespace quillomar
