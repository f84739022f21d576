#include "frame/combat_stage.h"

#include <memory>

#include "config/settings.h"
#include "host/frame_state.h"

namespace quillomar {

void RunCombatRefresh(FrameState& frame) {
    if (!frame.combatContext) frame.combatContext = std::make_unique<CombatContext>();
    CombatContext& combat = *frame.combatContext;
    BuildCombatContext(combat, frame.playerPed, frame.storedPlayerHealth);
    // The next frame's build compares the player's health with this frame's.
    frame.storedPlayerHealth = EntityHealth(frame.playerPed);
    frame.combatActive = combat.mode != CombatMode::None && combat.hostileCount >= 1;
    if (combat.mode == CombatMode::Melee && !gSettings.meleeTauntsEnabled) frame.combatActive = false;
    if (!gSettings.combatTauntsEnabled) frame.combatActive = false;
}

void RunCombatBranch(FrameState&) {}

}  // namespace quillomar
