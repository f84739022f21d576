#pragma once
// A combat taunt, prompted or automatic: a combat line, and when the game speaks it and the
// aggression effect is on, enemies provoked.

#include <cstdint>

#include "combat/contexts.h"
#include "frame/taunt_state.h"

namespace quillomar {

struct Settings;

void SpeakCombatTaunt(TauntState& taunting, const Settings& settings, CombatContext& combat, Ped playerPed);

// Whether the combat cooldown of the fight's kind (GunfightCooldown, else MeleeCooldown) has
// run out since the last combat taunt the game accepted.
bool CombatCooldownPassed(const Settings& settings, const Speech& speech, CombatMode mode);

}  // namespace quillomar
