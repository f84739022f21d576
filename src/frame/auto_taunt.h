#pragma once

namespace quillomar {

struct FrameState;

// Taunts the frame's target without a prompt when it, or its state, has changed and the
// auto-taunt timer allows.
void RunAutoTaunt(FrameState& frame);

// A combat taunt without a prompt whenever the auto-combat timer runs out.
void RunAutoCombatTaunt(FrameState& frame);

}  // namespace quillomar
