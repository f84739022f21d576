#include "frame/combat_stage.h"

#include "host/frame_state.h"

namespace quillomar {

void RunCombatRefresh(FrameState& frame) { frame.combatActive = false; }

void RunCombatBranch(FrameState&) {}

}  // namespace quillomar
