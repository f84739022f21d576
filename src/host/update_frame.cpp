#include "config/settings.h"
#include "frame/combat_stage.h"
#include "frame/debug_overlay.h"
#include "frame/target_stage.h"
#include "host/frame_state.h"
#include "host/query_memory.h"

namespace quillomar {

FrameState gFrame;

namespace {

// The player's ped is missing, dead, not in play, ragdolling or dying.
bool PlayerCannotAct(Ped playerPed) {
    return !DoesEntityExist(playerPed) || IsEntityDead(playerPed) || !IsPlayerInPlay(PlayerIndex()) ||
           IsPedRagdolling(playerPed) || IsPedDeadOrDying(playerPed);
}

// A gate ends the frame: no stage runs, and the prompts leave the screen.
void EndFrameAtGate(FrameState& frame) { HideAllPrompts(frame); }

}  // namespace

void UpdateFrame() {
    // The game's answers hold for this frame only.
    invoker::FrameMemory rememberedAnswers;
    FrameState& frame = gFrame;
    if (!gSettings.enabled) return EndFrameAtGate(frame);
    if (!gSettings.enabledInMissions && IsMissionActive()) return EndFrameAtGate(frame);

    frame.playerPed = PlayerPed();
    // Prompts belong to the ped they were made for; a new ped gets new ones.
    if (frame.playerPed != frame.lastPlayerPed && frame.lastPlayerPed != 0) DeletePrompts(frame);
    frame.lastPlayerPed = frame.playerPed;
    if (PlayerCannotAct(frame.playerPed)) return EndFrameAtGate(frame);

    RunCombatRefresh(frame);
    if (!RunTargetStage(frame)) {
        if (frame.combatActive) {
            RunCombatBranch(frame);
        } else {
            RunIdleBranch(frame);
        }
    }
    if (gSettings.debugMode) DrawDebugOverlay(frame);
}

}  // namespace quillomar
