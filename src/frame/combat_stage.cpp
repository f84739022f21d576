#include "frame/combat_stage.h"

#include <algorithm>

#include "config/settings.h"
#include "frame/auto_taunt.h"
#include "frame/combat_taunt.h"
#include "frame/frame_state.h"
#include "frame/taunt_state.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

constexpr float kNoHostileDistance = 999.0f;
constexpr float kStationarySpeed = 0.5f;

// In a fistfight the nearest existing enemy must be at least MeleeMinDistance away.
bool EnemyTooClose(const Settings& settings, const CombatContext& combat, Ped playerPed) {
    if (combat.mode != CombatMode::Melee || !(settings.meleeMinDistance > 0.0f)) return false;
    float nearest = kNoHostileDistance;
    for (Ped ped : combat.hostilePeds) {
        if (!DoesEntityExist(ped)) continue;
        // An unknown (NaN) distance is no nearer, and must not hide an enemy that is.
        float distance = DistanceToPlayer(ped, playerPed);
        if (distance < nearest) nearest = distance;
    }
    return settings.meleeMinDistance > nearest;
}

bool PlayerMoving(const Settings& settings, Ped playerPed) {
    return settings.combatTauntRequireStationary && EntitySpeed(playerPed) > kStationarySpeed;
}

// Out of cover the player must aim at one of the enemies.
bool NotAimingAtEnemy(const Settings& settings, const CombatContext& combat, Ped playerPed) {
    if (!settings.combatTauntRequireTarget || IsPedInCover(playerPed)) return false;
    Ped aimed = FindTargetPed(false, playerPed);
    const std::vector<Ped>& hostiles = combat.hostilePeds;
    return aimed == 0 || std::find(hostiles.begin(), hostiles.end(), aimed) == hostiles.end();
}

bool CombatPromptHeldBack(const Settings& settings, const Speech& speech, const CombatContext& combat, Ped playerPed) {
    return !CombatCooldownPassed(settings, speech, combat.mode) || EnemyTooClose(settings, combat, playerPed) ||
           PlayerMoving(settings, playerPed) || NotAimingAtEnemy(settings, combat, playerPed);
}

}  // namespace

void RunCombatRefresh(FrameState& frame, TauntState& taunting, const Settings& settings) {
    // Provoked peds advance in every frame past the gates, whether or not the effect is on.
    UpdateProvokedPeds(taunting.aggression, taunting.random);
    if (taunting.field != nullptr) AskGrappleStatus(taunting.aggression, *taunting.field);
    ReleaseGrapplers(taunting.aggression);
    CombatContext& combat = frame.combatContext;
    BuildCombatContext(combat, frame.playerPed, frame.storedPlayerHealth, taunting.field);
    // The next frame's build compares the player's health with this frame's.
    frame.storedPlayerHealth = EntityHealth(frame.playerPed);
    frame.combatActive = combat.mode != CombatMode::None && combat.hostileCount >= 1;
    if (combat.mode == CombatMode::Melee && !settings.meleeTauntsEnabled) frame.combatActive = false;
    if (!settings.combatTauntsEnabled) frame.combatActive = false;
}

void RunCombatBranch(FrameState& frame, TauntState& taunting, const Settings& settings) {
    ForgetTarget(frame);
    HidePrompt(frame.prompts.taunt.get());
    // With automatic combat taunts the prompt is never offered.
    if (settings.autoCombatTauntEnabled) {
        HidePrompt(frame.prompts.combat.get());
        RunAutoCombatTaunt(frame, taunting, settings);
        return;
    }
    if (!frame.prompts.combat) return;
    CombatContext& combat = frame.combatContext;
    if (CombatPromptHeldBack(settings, taunting.speech, combat, frame.playerPed)) {
        HidePrompt(frame.prompts.combat.get());
        return;
    }
    if (OfferPrompt(*frame.prompts.combat, std::nullopt)) SpeakCombatTaunt(taunting, settings, combat, frame.playerPed);
}

}  // namespace quillomar
