#pragma once
// Typed wrappers of the game's natives. The logic calls these; no hash appears outside this layer.

#include <cstdint>

#include "host/native_invoker.h"

namespace quillomar {

using Entity = std::int32_t;  // 0 means none
using Ped = std::int32_t;
using Player = std::int32_t;
using Hash = std::uint32_t;

// Gates of the frame.
bool IsMissionActive();
Ped PlayerPed();
Player PlayerIndex();
bool IsPlayerInPlay(Player player);
bool DoesEntityExist(Entity entity);
bool IsEntityDead(Entity entity);
bool IsPedRagdolling(Ped ped);
bool IsPedDeadOrDying(Ped ped);

}  // namespace quillomar

namespace quillomar {

// Prompts.
void SetPromptEnabled(std::int32_t prompt, bool enabled);
void SetPromptVisible(std::int32_t prompt, bool visible);
void DeletePrompt(std::int32_t prompt);

}  // namespace quillomar
