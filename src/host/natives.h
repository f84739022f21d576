#pragma once
// Typed wrappers of the game's natives. The logic calls these; no hash appears outside this layer.

#include <cstdint>

#include "host/native_invoker.h"

namespace quillomar {

using Entity = std::int32_t;  // 0 means none
using Ped = std::int32_t;
using Player = std::int32_t;
using Hash = std::uint32_t;
using GameText = std::uint64_t;  // a game text, as the game hands it back

// The player and the frame's gates.
bool IsMissionActive();
Ped PlayerPed();
Player PlayerIndex();
bool IsPlayerInPlay(Player player);
bool IsPedRagdolling(Ped ped);
bool IsPedDeadOrDying(Ped ped);

// Entities.
bool DoesEntityExist(Entity entity);
bool IsEntityDead(Entity entity);
bool IsEntityAPed(Entity entity);
bool IsEntityOnScreen(Entity entity);
Vector3 EntityCoords(Entity entity);
std::int32_t EntityHealth(Entity entity);
std::int32_t EntityMaxHealth(Entity entity);
float EntitySpeed(Entity entity);
Hash EntityModel(Entity entity);
bool HasEntityBeenDamagedBy(Entity entity, Entity by);

// Peds.
bool IsPedHuman(Ped ped);
bool IsPedHogtied(Ped ped);
bool IsPedBeingHogtied(Ped ped);
bool PedConfigFlag(Ped ped, std::int32_t flag);
bool IsPedWrithing(Ped ped);
bool IsPedFatallyInjured(Ped ped);
bool IsPedIncapacitated(Ped ped);
bool IsPedFleeing(Ped ped);
bool IsPedInCombatWith(Ped ped, Ped other);
bool IsPedInMeleeCombat(Ped ped);
bool IsPedArmedWithFirearm(Ped ped);
bool IsPedMale(Ped ped);
bool IsPedInCover(Ped ped);
std::int32_t PedType(Ped ped);
Hash PedRelationshipGroup(Ped ped);
std::int32_t RelationshipBetween(Ped ped, Ped other);

// Tasks, combat attributes and ambient events of a ped.
void ClearPedTasksImmediately(Ped ped);
// Whether the ped ignores the world's ambient events (true) or reacts to them (false).
void SetBlockingOfNonTemporaryEvents(Ped ped, bool blocking);
void SetPedCombatMovement(Ped ped, std::int32_t movement);
void SetPedCombatAttribute(Ped ped, std::int32_t attribute, bool enabled);
// Moves the ped to the entity, with no time limit when durationMs is -1, until it is within
// stopDistance metres; speed in metres per second.
void TaskGoToEntity(Ped ped, Entity target, std::int32_t durationMs, float stopDistance, float speed);
void SetPedKeepTask(Ped ped, bool keep);
void TaskCombatPed(Ped ped, Ped target);

// Headings in degrees.
float EntityHeading(Entity entity);
void SetEntityHeading(Entity entity, float heading);

// The game's hash of a name.
Hash HashKey(const char* name);

// Grapples: the ped's preparation, then the grapple itself on the target.
void SetPedGrappleStyle(Ped ped, Hash style);
void SetPedGrappleAction(Ped ped, Hash action);
void SetPedGrappleFlag(Ped ped, std::int32_t flag, bool enabled);
void TaskGrapple(Ped ped, Ped target, Hash grapple);
void TaskPutPedDirectlyIntoGrapple(Ped ped, Ped target, Hash grapple);
// How far the ped is with a task of its script: the game's own scripts read 0 as waiting to start
// and 1 as running.
std::int32_t ScriptTaskStatus(Ped ped, Hash task);

// The nearby-ped query: slot 0 holds the capacity, the game writes handles from slot 1 on. The
// last argument is 0 for the plug-in's own query; the game's scripts pass -1.
inline constexpr std::int32_t kNearbyPedCapacity = 32;
using NearbyPedBuffer = std::uint64_t[kNearbyPedCapacity + 1];
std::int32_t NearbyPeds(Ped ped, NearbyPedBuffer& buffer, std::int32_t last = 0);

// What the player aims at or looks at; each gives 0 when there is nothing.
Entity FreeAimEntity(Player player);
bool IsPlayerTargetingAnything(Player player);
Entity PlayerTargetEntity(Player player);
Entity PlayerInteractionTarget(Player player);
Vector3 GameplayCameraPosition();
Vector3 GameplayCameraRotation();
// A synchronous line-of-sight probe, started and read in the same frame, of the kinds of thing its
// flags name: peds (8), as the camera ray asks, and the world too (1) as the game's own probes do.
inline constexpr std::int32_t kProbePeds = 8;
inline constexpr std::int32_t kProbeWorld = 1;
std::int32_t StartLineOfSightProbe(const Vector3& from, const Vector3& to, Entity ignored,
                                   std::int32_t flags = kProbePeds);
struct ProbeHit {
    bool hit = false;
    Entity entity = 0;  // what it hit, 0 for none or for the world
};
ProbeHit LineOfSightProbeResult(std::int32_t probe);

// Speech: the ambient-speech request, eight 8-byte slots.
struct SpeechRequest {
    std::uint64_t slots[8];
};
bool PlayAmbientSpeech(Ped speaker, const SpeechRequest& request);

// Prompts. A control is asked about before a prompt takes it: the game may not know it.
bool IsControlActionValid(std::uint32_t control);
std::int32_t BeginPromptRegistration();
void SetPromptControl(std::int32_t prompt, std::uint32_t control);
GameText MakeLiteralGameText(const char* text);
void SetPromptText(std::int32_t prompt, GameText text);
void SetPromptPressMode(std::int32_t prompt);
// A prompt completed by holding its control for holdMs milliseconds.
void SetPromptHoldMode(std::int32_t prompt, std::int32_t holdMs);
void SetPromptAttribute(std::int32_t prompt, std::int32_t attribute);
void EndPromptRegistration(std::int32_t prompt);
void SetPromptPriorityValue(std::int32_t prompt, std::int32_t priority);
void SetPromptEnabled(std::int32_t prompt, bool enabled);
void SetPromptVisible(std::int32_t prompt, bool visible);
bool HasPromptCompleted(std::int32_t prompt);
bool HasPromptHoldCompleted(std::int32_t prompt);
void DeletePrompt(std::int32_t prompt);

// Screen text: a game text drawn for this frame at (x, y) in screen units, from the top left, in
// the game's default font, scale and colour.
void DrawScreenText(GameText text, float x, float y);

}  // namespace quillomar
