#include "frame/combat_stage.h"

#include <algorithm>
#include <memory>

#include "combat/aggression.h"
#include "config/settings.h"
#include "frame/auto_taunt.h"
#include "frame/target_stage.h"
#include "host/frame_state.h"
#include "platform/platform.h"
#include "speech/perform_taunt.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

constexpr float kNoHostileDistance = 999.0f;
constexpr float kStationarySpeed = 0.5f;

// In a fistfight the nearest existing enemy must be at least MeleeMinDistance away.
bool EnemyTooClose(const CombatContext& combat, Ped playerPed) {
    if (combat.mode != CombatMode::Melee || !(gSettings.meleeMinDistance > 0.0f)) return false;
    float nearest = kNoHostileDistance;
    for (Ped ped : combat.hostilePeds) {
        if (!DoesEntityExist(ped)) continue;
        // An unknown (NaN) distance is no nearer, and must not hide an enemy that is.
        float distance = DistanceToPlayer(ped, playerPed);
        if (distance < nearest) nearest = distance;
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
    return !CombatCooldownPassed(combat.mode) || EnemyTooClose(combat, playerPed) || PlayerMoving(playerPed) ||
           NotAimingAtEnemy(combat, playerPed);
}

}  // namespace

// The cooldown is taken as unsigned: a negative setting is a cooldown of 24.9 days or more, so in
// play it never passes. The elapsed time survives the tick's wrap.
bool CombatCooldownPassed(CombatMode mode) {
    std::int32_t setting = mode == CombatMode::Gunfight ? gSettings.gunfightCooldown : gSettings.meleeCooldown;
    return platform::TickCount() - LastCombatTauntTick() >= static_cast<std::uint32_t>(setting);
}

void SpeakCombatTaunt(const CombatContext& combat, Ped playerPed) {
    if (PerformCombatTaunt(combat, playerPed) && gSettings.aggressionEffectEnabled) {
        ProvokeEnemies(combat, gSettings.aggressionChance, gSettings.aggressionMinPeds, gSettings.aggressionMaxPeds,
                       gSettings.tackleChance);
    }
}

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
    ForgetTarget(frame);
    HidePrompt(frame.tauntPrompt.get());
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
    if (OfferPrompt(*frame.combatPrompt, std::nullopt)) SpeakCombatTaunt(combat, frame.playerPed);
}

}  // namespace quillomar
