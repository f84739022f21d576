#pragma once

namespace quillomar {

struct PluginState;

// One game frame: the gates, then the combat refresh, the target stage, one branch and the
// debug overlay.
void UpdateFrame(PluginState& state);

}  // namespace quillomar
