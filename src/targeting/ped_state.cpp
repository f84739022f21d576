#include "targeting/ped_state.h"

namespace quillomar {
namespace {

constexpr std::int32_t kExcludedPedFlag = 327;
constexpr std::int32_t kHurtHealth = 100;

// No usable state at all: gone, not human, tied up or flagged out.
bool IsOutOfReach(Ped ped) {
    return !DoesEntityExist(ped) || !IsPedHuman(ped) || IsPedHogtied(ped) || IsPedBeingHogtied(ped) ||
           PedConfigFlag(ped, kExcludedPedFlag);
}

// Ragdolling with health under 100 or under a third of its maximum; a maximum of 0 or less is
// never hurt.
bool IsHurtRagdoll(Ped ped) {
    if (!IsPedRagdolling(ped)) return false;
    std::int32_t health = EntityHealth(ped);
    std::int32_t maxHealth = EntityMaxHealth(ped);
    return maxHealth > 0 && (health < kHurtHealth || health < maxHealth / 3);
}

}  // namespace

PedState ClassifyPedState(Ped ped, bool includeRagdoll, Ped playerPed) {
    if (IsOutOfReach(ped)) return PedState::None;
    if (IsEntityDead(ped)) return PedState::Dead;
    if (IsPedWrithing(ped)) return PedState::Writhing;
    if (IsPedFatallyInjured(ped)) return PedState::FatallyInjured;
    if (IsPedIncapacitated(ped)) return PedState::Incapacitated;
    if (includeRagdoll && IsHurtRagdoll(ped)) return PedState::RagdollHurt;
    if (IsPedFleeing(ped)) return PedState::Fleeing;
    if (IsPedInCombatWith(ped, playerPed)) return PedState::Combat;
    return PedState::None;
}

}  // namespace quillomar
