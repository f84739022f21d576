#include "host/natives.h"

#include "host/native_hashes.h"

namespace quillomar {
namespace {

// An out-argument: one 8-byte slot the game fills, read as a handle from its low half.
struct OutSlot {
    std::uint64_t slot = 0;
    std::int32_t Handle() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(slot)); }
};

Entity EntityOrNone(bool found, const OutSlot& out) { return found ? out.Handle() : 0; }

}  // namespace

bool IsMissionActive() { return CallBool<native::GET_MISSION_FLAG>(); }
Ped PlayerPed() { return CallInt<native::PLAYER_PED_ID>(); }
Player PlayerIndex() { return CallInt<native::PLAYER_ID>(); }
bool IsPlayerInPlay(Player player) { return CallBool<native::IS_PLAYER_CONTROL_ON>(player); }
bool IsPedRagdolling(Ped ped) { return CallBool<native::IS_PED_RAGDOLL>(ped); }
bool IsPedDeadOrDying(Ped ped) { return CallBool<native::IS_PED_DEAD_OR_DYING>(ped, true); }

bool DoesEntityExist(Entity entity) { return CallBool<native::DOES_ENTITY_EXIST>(entity); }
bool IsEntityDead(Entity entity) { return CallBool<native::IS_ENTITY_DEAD>(entity); }
bool IsEntityAPed(Entity entity) { return CallBool<native::IS_ENTITY_A_PED>(entity); }
bool IsEntityOnScreen(Entity entity) { return CallBool<native::IS_ENTITY_ON_SCREEN>(entity); }
Vector3 EntityCoords(Entity entity) { return CallVector<native::GET_ENTITY_COORDS>(entity, true, false); }
std::int32_t EntityHealth(Entity entity) { return CallInt<native::GET_ENTITY_HEALTH>(entity); }
std::int32_t EntityMaxHealth(Entity entity) { return CallInt<native::GET_ENTITY_MAX_HEALTH>(entity, false); }
float EntitySpeed(Entity entity) { return CallFloat<native::GET_ENTITY_SPEED>(entity); }
Hash EntityModel(Entity entity) { return CallHash<native::GET_ENTITY_MODEL>(entity); }
bool HasEntityBeenDamagedBy(Entity entity, Entity by) {
    return CallBool<native::HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY>(entity, by, true, true);
}

bool IsPedHuman(Ped ped) { return CallBool<native::IS_PED_HUMAN>(ped); }
bool IsPedHogtied(Ped ped) { return CallBool<native::IS_PED_HOGTIED>(ped); }
bool IsPedBeingHogtied(Ped ped) { return CallBool<native::IS_PED_BEING_HOGTIED>(ped); }
bool PedConfigFlag(Ped ped, std::int32_t flag) { return CallBool<native::GET_PED_CONFIG_FLAG>(ped, flag, true); }
bool IsPedWrithing(Ped ped) { return CallBool<native::IS_PED_IN_WRITHE>(ped); }
bool IsPedFatallyInjured(Ped ped) { return CallBool<native::IS_PED_FATALLY_INJURED>(ped); }
bool IsPedIncapacitated(Ped ped) { return CallBool<native::IS_PED_INCAPACITATED>(ped); }
bool IsPedFleeing(Ped ped) { return CallBool<native::IS_PED_FLEEING>(ped); }
bool IsPedInCombatWith(Ped ped, Ped other) { return CallBool<native::IS_PED_IN_COMBAT>(ped, other); }
bool IsPedInMeleeCombat(Ped ped) { return CallBool<native::IS_PED_IN_MELEE_COMBAT>(ped); }
bool IsPedArmedWithFirearm(Ped ped) {
    constexpr std::int32_t kFirearms = 4;
    return CallBool<native::IS_PED_ARMED>(ped, kFirearms);
}
bool IsPedMale(Ped ped) { return CallBool<native::IS_PED_MALE>(ped); }
bool IsPedInCover(Ped ped) { return CallBool<native::IS_PED_IN_COVER>(ped, false, false); }
std::int32_t PedType(Ped ped) { return CallInt<native::GET_PED_TYPE>(ped); }
Hash PedRelationshipGroup(Ped ped) { return CallHash<native::GET_PED_RELATIONSHIP_GROUP_HASH>(ped); }
std::int32_t RelationshipBetween(Ped ped, Ped other) {
    return CallInt<native::GET_RELATIONSHIP_BETWEEN_PEDS>(ped, other);
}

void ClearPedTasksImmediately(Ped ped) { CallVoid<native::CLEAR_PED_TASKS_IMMEDIATELY>(ped, false, false); }
void SetBlockingOfNonTemporaryEvents(Ped ped, bool blocking) {
    CallVoid<native::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS>(ped, blocking);
}
void SetPedCombatMovement(Ped ped, std::int32_t movement) { CallVoid<native::SET_PED_COMBAT_MOVEMENT>(ped, movement); }
void SetPedCombatAttribute(Ped ped, std::int32_t attribute, bool enabled) {
    CallVoid<native::SET_PED_COMBAT_ATTRIBUTES>(ped, attribute, enabled);
}
void TaskGoToEntity(Ped ped, Entity target, std::int32_t durationMs, float stopDistance, float speed) {
    CallVoid<native::TASK_GO_TO_ENTITY>(ped, target, durationMs, stopDistance, speed, 0.0f, 0);
}
void SetPedKeepTask(Ped ped, bool keep) { CallVoid<native::SET_PED_KEEP_TASK>(ped, keep); }
void TaskCombatPed(Ped ped, Ped target) { CallVoid<native::TASK_COMBAT_PED>(ped, target, 0, 0); }

float EntityHeading(Entity entity) { return CallFloat<native::GET_ENTITY_HEADING>(entity); }
void SetEntityHeading(Entity entity, float heading) { CallVoid<native::SET_ENTITY_HEADING>(entity, heading); }

Hash HashKey(const char* name) { return CallHash<native::GET_HASH_KEY>(static_cast<const void*>(name)); }

void SetPedGrappleStyle(Ped ped, Hash style) { CallVoid<native::SET_PED_GRAPPLE_STYLE>(ped, style); }
void SetPedGrappleAction(Ped ped, Hash action) { CallVoid<native::SET_PED_GRAPPLE_ACTION>(ped, action); }
void SetPedGrappleFlag(Ped ped, std::int32_t flag, bool enabled) {
    CallVoid<native::SET_PED_GRAPPLE_FLAG>(ped, flag, enabled);
}
void TaskGrapple(Ped ped, Ped target, Hash grapple) {
    CallVoid<native::TASK_GRAPPLE>(ped, target, grapple, 0, 0.0f, 0, 0);
}
void TaskPutPedDirectlyIntoGrapple(Ped ped, Ped target, Hash grapple) {
    CallVoid<native::TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE>(ped, target, grapple, 0.0f, 0.0f, false, 0);
}
std::int32_t ScriptTaskStatus(Ped ped, Hash task) { return CallInt<native::GET_SCRIPT_TASK_STATUS>(ped, task, true); }

std::int32_t NearbyPeds(Ped ped, NearbyPedBuffer& buffer, std::int32_t last) {
    constexpr std::int32_t kAnyPedType = -1;
    buffer[0] = kNearbyPedCapacity;
    return CallInt<native::GET_PED_NEARBY_PEDS>(ped, static_cast<void*>(buffer), kAnyPedType, last);
}

Entity FreeAimEntity(Player player) {
    OutSlot entity;
    return EntityOrNone(CallBool<native::GET_ENTITY_PLAYER_IS_FREE_AIMING_AT>(player, &entity.slot), entity);
}
bool IsPlayerTargetingAnything(Player player) { return CallBool<native::IS_PLAYER_TARGETTING_ANYTHING>(player); }
Entity PlayerTargetEntity(Player player) {
    OutSlot entity;
    return EntityOrNone(CallBool<native::GET_PLAYER_TARGET_ENTITY>(player, &entity.slot), entity);
}
Entity PlayerInteractionTarget(Player player) {
    OutSlot entity;
    return EntityOrNone(CallBool<native::GET_PLAYER_INTERACTION_TARGET_ENTITY>(player, &entity.slot, false, false),
                        entity);
}
Vector3 GameplayCameraPosition() { return CallVector<native::GET_GAMEPLAY_CAM_COORD>(); }
Vector3 GameplayCameraRotation() {
    constexpr std::int32_t kRotationOrder = 2;
    return CallVector<native::GET_GAMEPLAY_CAM_ROT>(kRotationOrder);
}

std::int32_t StartLineOfSightProbe(const Vector3& from, const Vector3& to, Entity ignored, std::int32_t flags) {
    constexpr std::int32_t kOptions = 7;
    return CallInt<native::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE>(from.x, from.y, from.z, to.x, to.y, to.z,
                                                                             flags, ignored, kOptions);
}

ProbeHit LineOfSightProbeResult(std::int32_t probe) {
    OutSlot hit;
    std::uint64_t endPosition[3] = {};
    std::uint64_t surfaceNormal[3] = {};
    OutSlot entity;
    CallVoid<native::GET_SHAPE_TEST_RESULT>(probe, &hit.slot, static_cast<void*>(endPosition),
                                            static_cast<void*>(surfaceNormal), &entity.slot);
    if (hit.Handle() == 0) return {};
    return {true, entity.Handle()};
}

bool PlayAmbientSpeech(Ped speaker, const SpeechRequest& request) {
    return CallBool<native::PLAY_PED_AMBIENT_SPEECH_NATIVE>(speaker, static_cast<const void*>(request.slots));
}

bool IsControlActionValid(std::uint32_t control) {
    constexpr std::int32_t kFirstPad = 0;
    return CallBool<native::IS_CONTROL_ACTION_VALID>(control, kFirstPad);
}
std::int32_t BeginPromptRegistration() { return CallInt<native::UI_PROMPT_REGISTER_BEGIN>(); }
void SetPromptControl(std::int32_t prompt, std::uint32_t control) {
    CallVoid<native::UI_PROMPT_SET_CONTROL_ACTION>(prompt, control);
}
GameText MakeLiteralGameText(const char* text) {
    constexpr std::int32_t kLiteral = 10;
    return CallPointer<native::VAR_STRING>(kLiteral, "LITERAL_STRING", text);
}
void SetPromptText(std::int32_t prompt, GameText text) {
    CallVoid<native::UI_PROMPT_SET_TEXT>(prompt, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(text)));
}
void SetPromptPressMode(std::int32_t prompt) { CallVoid<native::UI_PROMPT_SET_STANDARD_MODE>(prompt, true); }
void SetPromptHoldMode(std::int32_t prompt, std::int32_t holdMs) {
    CallVoid<native::UI_PROMPT_SET_HOLD_MODE>(prompt, holdMs);
}
void SetPromptAttribute(std::int32_t prompt, std::int32_t attribute) {
    CallVoid<native::UI_PROMPT_SET_ATTRIBUTE>(prompt, attribute, true);
}
void EndPromptRegistration(std::int32_t prompt) { CallVoid<native::UI_PROMPT_REGISTER_END>(prompt); }
void SetPromptPriorityValue(std::int32_t prompt, std::int32_t priority) {
    CallVoid<native::UI_PROMPT_SET_PRIORITY>(prompt, priority);
}
void SetPromptEnabled(std::int32_t prompt, bool enabled) { CallVoid<native::UI_PROMPT_SET_ENABLED>(prompt, enabled); }
void SetPromptVisible(std::int32_t prompt, bool visible) { CallVoid<native::UI_PROMPT_SET_VISIBLE>(prompt, visible); }
bool HasPromptCompleted(std::int32_t prompt) {
    return CallBool<native::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED>(prompt, 0);
}
bool HasPromptHoldCompleted(std::int32_t prompt) { return CallBool<native::UI_PROMPT_HAS_HOLD_MODE_COMPLETED>(prompt); }
void DeletePrompt(std::int32_t prompt) { CallVoid<native::UI_PROMPT_DELETE>(prompt); }

void DrawScreenText(GameText text, float x, float y) {
    CallVoid<native::BG_DISPLAY_TEXT>(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(text)), x, y);
}

}  // namespace quillomar
