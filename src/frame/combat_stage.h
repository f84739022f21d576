#pragma once
// The fight, in every frame past the gates, and the combat taunt prompt when no target was
// accepted.

namespace quillomar {

struct FrameState;
struct Settings;
struct TauntState;

// Provoked peds advance, the combat context is rebuilt, the player's health is stored and the
// frame decides whether combat taunts apply.
void RunCombatRefresh(FrameState& frame, TauntState& taunting, const Settings& settings);

// No target but combat taunts apply: the combat taunt prompt (or the automatic combat taunt).
void RunCombatBranch(FrameState& frame, TauntState& taunting, const Settings& settings);

}  // namespace quillomar
