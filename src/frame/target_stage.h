#pragma once

namespace quillomar {

struct FrameState;

// Looks for the ped the player addresses and, when one is accepted, offers the taunt prompt
// (or the auto taunt) for it. Returns whether a target was accepted.
bool RunTargetStage(FrameState& frame);

// No target this frame: the target and the auto-taunt step's memory of it are cleared, so a
// target accepted again counts as a change.
void ForgetTarget(FrameState& frame);

// The frame has neither a target nor combat: everything is hidden and the auto-taunt timers
// are disarmed.
void RunIdleBranch(FrameState& frame);

}  // namespace quillomar
