#pragma once

#include "combat/contexts.h"

namespace quillomar {

struct FrameState;

// Every frame past the gates: provoked peds advance, the combat context is rebuilt, the
// player's health is stored and the frame decides whether combat taunts apply.
void RunCombatRefresh(FrameState& frame);

// Whether the combat cooldown of the fight's kind (GunfightCooldown, else MeleeCooldown) has
// run out since the last combat taunt the game accepted.
bool CombatCooldownPassed(CombatMode mode);

// A combat line, and when the game speaks it and the aggression effect is on, enemies provoked.
void SpeakCombatTaunt(const CombatContext& combat, Ped playerPed);

// No target but combat taunts apply: the combat taunt prompt (or the automatic combat taunt).
void RunCombatBranch(FrameState& frame);

}  // namespace quillomar
