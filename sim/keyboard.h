#pragma once
// The game's window as a keyboard: the messages Windows sends when a key is pressed and let go.

#include <vector>

#include "game.h"
#include "host/keys.h"

namespace sim {

// The messages of a key pressed and let go with its modifiers, each with the scan code and flags
// Windows gives it: each modifier down (CTRL, SHIFT, ALT), the key down and up, the modifiers up in
// the reverse order. With ALT held a message says so, but not ALT's own release.
std::vector<KeyMessage> KeyStroke(quillomar::KeyBinding binding);

// Feeds a key message to the registered keyboard handler, as the game's window procedure does.
void SendKey(const KeyMessage& message);

}  // namespace sim
