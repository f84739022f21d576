#pragma once

namespace quillomar {

struct FrameState;

// Every frame past the gates: provoked peds advance, the combat context is rebuilt, the
// player's health is stored and the frame decides whether combat taunts apply.
void RunCombatRefresh(FrameState& frame);

// No target but combat taunts apply: the combat taunt prompt (or the automatic combat taunt).
void RunCombatBranch(FrameState& frame);

}  // namespace quillomar
