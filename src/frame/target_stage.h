#pragma once
// The target stage: the ped the player addresses and, when it is accepted, the taunt prompt (or
// the auto taunt) for it.

namespace quillomar {

struct FrameState;
struct Settings;
struct TauntState;

// Looks for the target and creates missing prompts; when a target is accepted, offers the taunt
// prompt (or the auto taunt) for it. Returns whether a target was accepted.
bool RunTargetStage(FrameState& frame, TauntState& taunting, const Settings& settings);

// The frame has neither a target nor combat: everything is hidden and the auto-taunt timers
// are disarmed.
void RunIdleBranch(FrameState& frame);

}  // namespace quillomar
