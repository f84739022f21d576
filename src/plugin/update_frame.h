#pragma once

namespace quillomar {

struct PluginState;

// One game frame: the player's files looked at (and put in force when they changed), the keys
// pressed since the last frame and the Mute line prompt held acted on, the gates, then the combat
// refresh, the target stage, one branch, the Mute line prompt and the debug overlay; and last,
// whatever the gates, the game's answers about the prompts' controls read, the line said named
// (ShowLineNames), the notices drawn and the field report written when it is due.
void UpdateFrame(PluginState& state);

}  // namespace quillomar
