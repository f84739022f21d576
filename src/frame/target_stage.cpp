#include "frame/target_stage.h"

#include "host/frame_state.h"

namespace quillomar {

bool RunTargetStage(FrameState&) { return false; }

void RunIdleBranch(FrameState& frame) {
    HideAllPrompts(frame);
    frame.target = 0;
    frame.targetState = PedState::None;
    frame.prevTarget = 0;
    frame.prevState = PedState::None;
    frame.autoCombatArmed = false;
    frame.autoTauntArmed = false;
}

}  // namespace quillomar
