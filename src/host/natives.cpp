#include "host/natives.h"

#include "host/native_hashes.h"

namespace quillomar {

bool IsMissionActive() { return CallBool(native::GET_MISSION_FLAG); }
Ped PlayerPed() { return CallInt(native::PLAYER_PED_ID); }
Player PlayerIndex() { return CallInt(native::PLAYER_ID); }
bool IsPlayerInPlay(Player player) { return CallBool(native::IS_PLAYER_CONTROL_ON, player); }
bool DoesEntityExist(Entity entity) { return CallBool(native::DOES_ENTITY_EXIST, entity); }
bool IsEntityDead(Entity entity) { return CallBool(native::IS_ENTITY_DEAD, entity); }
bool IsPedRagdolling(Ped ped) { return CallBool(native::IS_PED_RAGDOLL, ped); }
bool IsPedDeadOrDying(Ped ped) { return CallBool(native::IS_PED_DEAD_OR_DYING, ped, true); }

}  // namespace quillomar

namespace quillomar {

void SetPromptEnabled(std::int32_t prompt, bool enabled) { CallVoid(native::UI_PROMPT_SET_ENABLED, prompt, enabled); }
void SetPromptVisible(std::int32_t prompt, bool visible) { CallVoid(native::UI_PROMPT_SET_VISIBLE, prompt, visible); }
void DeletePrompt(std::int32_t prompt) { CallVoid(native::UI_PROMPT_DELETE, prompt); }

}  // namespace quillomar
