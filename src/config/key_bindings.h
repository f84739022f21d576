#pragma once
// Keys as players write them in the settings file: modifiers and a key joined by '+', names in
// any capitals, blanks around them allowed, the key a name or a virtual-key number from 1 to 254
// (not a modifier's); and a binding written back the one way the plug-in shows it.

#include <optional>
#include <string>
#include <string_view>

#include "host/keys.h"

namespace quillomar {

// The binding, or none; then badPart is the part that is not a key or modifier (empty when a
// part is missing).
struct KeyBindingRead {
    std::optional<KeyBinding> binding;
    std::string badPart;
};

KeyBindingRead ReadKeyBinding(std::string_view text);

// "CTRL+SHIFT+ALT+NAME", the number for a key without a name, "" for no key.
std::string KeyBindingText(KeyBinding binding);

}  // namespace quillomar
