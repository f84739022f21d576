#pragma once

namespace quillomar {

struct PluginState;

// One game frame: the player's files looked at (and put in force when they changed), the keys
// pressed since the last frame acted on, the gates, then the combat refresh, the target stage, one
// branch and the debug overlay; and last, whatever the gates, the line said named (ShowLineNames)
// and the notice drawn.
void UpdateFrame(PluginState& state);

}  // namespace quillomar
