#pragma once
// The aggression effect: a combat taunt may provoke some of the player's enemies to charge. The
// first of them tackles or grapples the player with an animation chosen by the side it comes
// from; the others close in and fight.

#include <cstdint>

#include "combat/contexts.h"

namespace quillomar {

// Picks and provokes peds of the context's hostile list, after the chance draw.
void ProvokeEnemies(const CombatContext& context, std::int32_t chance, std::int32_t minPeds, std::int32_t maxPeds,
                    std::int32_t tackleChance);

// Once per frame: provoked peds that are close enough engage; gone, dead or overdue ones are
// released.
void UpdateProvokedPeds();

// Once per frame, after UpdateProvokedPeds: grapplers hand over to ordinary combat.
void ReleaseGrapplers();

// Forgets every provoked ped, as at a fresh start.
void ClearProvokedPeds();

}  // namespace quillomar
