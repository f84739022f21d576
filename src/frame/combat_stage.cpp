#include "frame/combat_stage.h"

#include <algorithm>
#include <memory>

#include "combat/aggression.h"
#include "config/settings.h"
#include "frame/auto_taunt.h"
#include "host/frame_state.h"
#include "platform/platform.h"
#include "speech/perform_taunt.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

constexpr float kNoHostileDistance = 999.0f;
constexpr float kStationarySpeed = 0.5f;

// The cooldown of the fight's kind, taken as unsigned: a negative setting is a cooldown of 24.9
// days or more, so in play the prompt is never offered. The elapsed time survives the tick's wrap.
bool CooldownRunning(const CombatContext& combat) {
    std::int32_t setting = combat.mode == CombatMode::Gunfight ? gSettings.gunfightCooldown : gSettings.meleeCooldown;
    return platform::TickCount() - LastCombatTauntTick() < static_cast<std::uint32_t>(setting);
}

// In a fistfight the nearest existing enemy must be at least MeleeMinDistance away.
bool EnemyTooClose(const CombatContext& combat, Ped playerPed) {
    if (combat.mode != CombatMode::Melee || !(gSettings.meleeMinDistance > 0.0f)) return false;
    float nearest = kNoHostileDistance;
    for (Ped ped : combat.hostilePeds) {
        if (DoesEntityExist(ped)) nearest = std::min(DistanceToPlayer(ped, playerPed), nearest);
    }
    return gSettings.meleeMinDistance > nearest;
}

bool PlayerMoving(Ped playerPed) {
    return gSettings.combatTauntRequireStationary && EntitySpeed(playerPed) > kStationarySpeed;
}

// Out of cover the player must aim at one of the enemies.
bool NotAimingAtEnemy(const CombatContext& combat, Ped playerPed) {
    if (!gSettings.combatTauntRequireTarget || IsPedInCover(playerPed)) return false;
    Ped aimed = FindTargetPed(false, playerPed);
    const std::vector<Ped>& hostiles = combat.hostilePeds;
    return aimed == 0 || std::find(hostiles.begin(), hostiles.end(), aimed) == hostiles.end();
}

bool CombatPromptHeldBack(const CombatContext& combat, Ped playerPed) {
    return CooldownRunning(combat) || EnemyTooClose(combat, playerPed) || PlayerMoving(playerPed) ||
           NotAimingAtEnemy(combat, playerPed);
}

void OfferCombatPrompt(FrameState& frame, const CombatContext& combat) {
    PromptRecord& prompt = *frame.combatPrompt;
    prompt.enabled = true;
    ApplyPromptState(prompt);
    ShowPrompt(prompt);
    if (IsPromptCompleted(prompt) && PerformCombatTaunt(combat, frame.playerPed) && gSettings.aggressionEffectEnabled) {
        ProvokeEnemies(combat, gSettings.aggressionChance, gSettings.aggressionMinPeds, gSettings.aggressionMaxPeds,
                       gSettings.tackleChance);
    }
}

}  // namespace

void RunCombatRefresh(FrameState& frame) {
    // Provoked peds advance in every frame past the gates, whether or not the effect is on.
    UpdateProvokedPeds();
    ReleaseGrapplers();
    if (!frame.combatContext) frame.combatContext = std::make_unique<CombatContext>();
    CombatContext& combat = *frame.combatContext;
    BuildCombatContext(combat, frame.playerPed, frame.storedPlayerHealth);
    // The next frame's build compares the player's health with this frame's.
    frame.storedPlayerHealth = EntityHealth(frame.playerPed);
    frame.combatActive = combat.mode != CombatMode::None && combat.hostileCount >= 1;
    if (combat.mode == CombatMode::Melee && !gSettings.meleeTauntsEnabled) frame.combatActive = false;
    if (!gSettings.combatTauntsEnabled) frame.combatActive = false;
}

void RunCombatBranch(FrameState& frame) {
    frame.target = 0;
    frame.targetState = PedState::None;
    HidePrompt(frame.tauntPrompt.get());
    frame.prevTarget = 0;
    frame.prevState = PedState::None;
    // With automatic combat taunts the prompt is never offered.
    if (gSettings.autoCombatTauntEnabled) {
        HidePrompt(frame.combatPrompt.get());
        RunAutoCombatTaunt(frame);
        return;
    }
    if (!frame.combatPrompt || !frame.combatContext) return;
    const CombatContext& combat = *frame.combatContext;
    if (CombatPromptHeldBack(combat, frame.playerPed)) {
        HidePrompt(frame.combatPrompt.get());
        return;
    }
    OfferCombatPrompt(frame, combat);
}

}  // namespace quillomar
