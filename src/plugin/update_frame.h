#pragma once

namespace quillomar {

struct PluginState;

// One game frame: the player's files looked at (and put in force when they changed), the gates,
// then the combat refresh, the target stage, one branch and the debug overlay, and last the
// notice about the player's files, whatever the gates.
void UpdateFrame(PluginState& state);

}  // namespace quillomar
