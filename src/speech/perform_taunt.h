#pragma once
// Making the player character say a line: the voice set follows the player's model, the list
// follows the target's state or the fight, and the game's ambient speech speaks the chosen row.

#include <cstdint>

#include "combat/contexts.h"
#include "host/natives.h"
#include "speech/speech_line.h"
#include "targeting/ped_state.h"

namespace quillomar {

// Brings the current voice set up to date with the player's model, at most once every 5 s.
void RefreshVoiceSet(Ped playerPed);
VoiceSet CurrentVoiceSet();

// A taunt at a target in the given state, with the target's surroundings; true when the game
// started the line.
bool PerformTaunt(Ped playerPed, PedState state, const TargetContext& target);

// A taunt in a fight; true when the game started the line, which also restarts the combat
// cooldowns.
bool PerformCombatTaunt(const CombatContext& combat, Ped playerPed);

// The tick of the last combat taunt the game accepted, 0 before any.
std::uint32_t LastCombatTauntTick();

// The voice set back to Arthur and no combat taunt yet, as at a fresh start.
void ResetSpeechState();

}  // namespace quillomar
