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

// Feeds a key message to the registered keyboard handler, as the game's window procedure does:
// Windows' key state takes the key's move first, and the message notes the modifiers it then holds.
void SendKey(KeyMessage& message);

// Moves a key in Windows' key state alone, as when its message goes to another window.
void SetKeyDown(std::uint32_t code, bool down);

// Whether a key is down in Windows' key state; CTRL, SHIFT and ALT also when their left or right
// key is.
bool KeyDown(std::uint32_t virtualKey);

}  // namespace sim
