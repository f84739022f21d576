#pragma once

namespace quillomar {

struct FrameState;

// Looks for the ped the player addresses and, when one is accepted, offers the taunt prompt
// (or the auto taunt) for it. Returns whether a target was accepted.
bool RunTargetStage(FrameState& frame);

// The frame has neither a target nor combat: everything is hidden and the auto-taunt timers
// are disarmed.
void RunIdleBranch(FrameState& frame);

}  // namespace quillomar
