#include "frame/auto_taunt.h"

#include "host/frame_state.h"

namespace quillomar {

void RunAutoTaunt(FrameState&) {}

void RunAutoCombatTaunt(FrameState&) {}

}  // namespace quillomar
