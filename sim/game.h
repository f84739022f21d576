#pragma once
// The simulated game: a world of peds, a clock, the script host's registrations and a recorder
// of every native call. One game per process, reached through Game(); the plug-in sees it only
// through the script host's entry points.

#include <bitset>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/script_host.h"

namespace sim {

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// A ped's body for the camera's line-of-sight probe: a vertical capsule around its position.
inline constexpr float kBodyBelow = 0.9f;  // metres from the position down to the lower sphere's centre
inline constexpr float kBodyAbove = 0.7f;  // metres from the position up to the upper sphere's centre
inline constexpr float kBodyRadius = 0.35f;

// What a ped has been told to do, as the task natives left it.
struct PedTask {
    enum class Kind { None, GoToEntity, Combat, Grapple };
    Kind kind = Kind::None;
    std::int32_t target = 0;
    float stopDistance = 0.0f;      // GoToEntity: it stops this close to the target, in metres
    float speed = 0.0f;             // GoToEntity: metres per second
    std::int32_t timeLimitMs = -1;  // GoToEntity: -1 for none
    std::uint32_t elapsedMs = 0;    // GoToEntity: simulated time spent on it
    bool arrived = false;           // GoToEntity: it stands within its stop distance
    std::uint32_t grapple = 0;      // Grapple: the grapple's hash
};

struct Ped {
    bool human = true;
    bool hogtied = false;
    bool beingHogtied = false;
    bool flag327 = false;  // configuration flag 327
    bool dead = false;
    bool dying = false;
    bool writhing = false;
    bool fatallyInjured = false;
    bool incapacitated = false;
    bool ragdoll = false;
    bool fleeing = false;
    bool inMelee = false;
    bool armed = false;  // holds a firearm
    bool male = true;
    bool onScreen = true;
    bool inCover = false;
    std::int32_t health = 200;
    std::int32_t maxHealth = 200;
    std::int32_t pedType = 0;
    std::uint32_t relationshipGroup = 0;
    std::int32_t relationshipToPlayer = 0;  // the player's relationship level to this ped
    std::uint32_t model = 0;
    float heading = 0.0f;
    float speed = 0.0f;
    Vec3 position;
    std::vector<std::int32_t> fightingPeds;  // the peds this ped is in combat with
    std::vector<std::int32_t> damagedBy;     // the entities that have damaged this ped
    PedTask task;
    bool keepTask = false;        // holds on to its task
    bool blockingEvents = false;  // ignores the world's ambient events
    std::int32_t combatMovement = 0;
    std::vector<std::int32_t> combatAttributes;  // the combat attributes switched on
    std::uint32_t grappleStyle = 0;
    std::uint32_t grappleAction = 0;
    std::vector<std::int32_t> grappleFlags;         // the grapple flags switched on
    std::optional<std::int32_t> grappleTaskStatus;  // what the task status says of its grapple tasks, if not the usual
    bool behindWall = false;                        // a probe that includes the world stops at a wall a metre before it
};

// An entity that is not a ped: something the player can aim at.
struct Object {
    Vec3 position;
};

struct World {
    std::int32_t playerPed = 0;
    std::int32_t playerIndex = 0;
    bool playerInPlay = true;
    bool missionActive = false;
    bool speechRefused = false;               // the game declines every line
    bool hashKeyFails = false;                // GET_HASH_KEY answers 0, as for a name the game lacks
    bool nullGameTexts = false;               // VAR_STRING answers a null text pointer
    bool nullPromptHandles = false;           // prompt registration answers handle 0 and makes no prompt
    std::map<std::int32_t, Ped> peds;         // every ped that exists, the player's included
    std::map<std::int32_t, Object> objects;   // every other entity
    std::vector<std::int32_t> nearbyOrder;    // the order the nearby-ped query lists peds in; others follow by handle
    std::optional<std::int32_t> nearbyClaim;  // a count the nearby-ped query claims instead of the true one
    std::vector<std::int32_t> nearbyDroppedByZero;  // missing from a nearby-ped query whose last argument is 0
    std::vector<std::string> unknownVoices;         // voices the game refuses every line of

    std::int32_t freeAimEntity = 0;  // what the player free-aims at, 0 for nothing
    std::int32_t lockOnEntity = 0;   // what the player is locked on to
    std::int32_t focusEntity = 0;    // the player's interaction focus
    Vec3 cameraPosition;
    Vec3 cameraRotation;  // degrees: x pitch, z heading

    Ped* FindPed(std::int32_t handle);
    bool EntityExists(std::int32_t handle) const;
    const Vec3* EntityPosition(std::int32_t handle) const;
};

// Time as the plug-in sees it: GetTickCount, and the calendar, which moves on with it from where
// it stood at startTick. It moves only between frames.
struct Clock {
    std::uint32_t tick = 0;
    std::uint32_t calendarSeconds = 0;  // at startTick
    std::uint32_t startTick = 0;

    std::uint32_t CalendarNow() const { return calendarSeconds + (tick - startTick) / 1000; }
};

// A pushed argument as the trace shows it: a plain slot, or what a pointer pointed to.
struct RecordedArg {
    enum class Kind { Value, Text, Block, Out };
    Kind kind = Kind::Value;
    std::uint64_t slot = 0;
    std::string text;                // Text
    std::vector<RecordedArg> block;  // Block: its slots, string pointers shown as Text
    std::uint32_t outSlots = 0;      // Out: the 8-byte slots the caller provided
};

struct RecordedCall {
    std::uint64_t hash = 0;
    std::vector<RecordedArg> args;
    std::vector<std::uint64_t> results;              // the slots the caller reads
    std::vector<std::vector<std::uint64_t>> writes;  // per out-argument, the slots written
};

// How many prompts the game holds at once. Its pool has a fixed size, so prompts that are never
// deleted end in registrations answered 0, not in a table that grows.
inline constexpr std::size_t kPromptPoolSize = 256;

struct Prompt {
    std::uint32_t control = 0;
    std::string text;
    bool pressMode = false;
    std::int32_t holdMs = 0;  // a hold prompt: how long its control must be held; 0 for a press prompt
    bool attribute18 = false;
    bool registered = false;
    std::int32_t priority = 0;
    bool enabled = false;
    bool visible = false;
};

// Text drawn on screen by the debug-text native, and where: screen units from the top left. The
// game keeps the latest text drawn at each place, for a few places.
inline constexpr std::size_t kScreenTextPlaces = 8;
struct ScreenText {
    std::string text;
    float x = 0.0f;
    float y = 0.0f;
};

struct ProbeResult {
    bool hit = false;
    Vec3 point;  // where the probe stopped
    std::int32_t entity = 0;
};

// A keyboard message as the game's window procedure hands it to the keyboard handler: the
// handler's seven arguments.
struct KeyMessage {
    std::uint32_t code = 0;
    std::uint16_t repeats = 1;
    std::uint8_t scanCode = 0;
    std::int32_t extended = 0;
    std::int32_t alt = 0;  // ALT is held
    std::int32_t wasDown = 0;
    std::int32_t isUp = 0;
    std::uint8_t held = 0;  // CTRL and SHIFT as Windows' key state holds them for it, set when it is sent
};

struct Game {
    World world;
    Clock clock;
    std::map<std::int32_t, Prompt> prompts;  // at most kPromptPoolSize
    std::int32_t nextPromptHandle = 1;
    std::vector<std::string> gameTexts;  // made by VAR_STRING, named by token
    std::uint32_t pressedControl = 0;    // pressed during the coming frame, 0 for none
    std::uint32_t heldControl = 0;       // held long enough during the coming frame, 0 for none
    std::bitset<256> keysDown;           // Windows' key state: the keys down, by virtual-key code
    std::int32_t nextProbeHandle = 1;
    std::map<std::int32_t, ProbeResult> probes;  // by probe handle
    std::vector<RecordedCall> calls;
    std::vector<std::string> events;                 // what a player would see or hear, as it happens
    std::map<std::uint32_t, std::string> hashNames;  // the names GET_HASH_KEY has hashed, by hash
    std::vector<ScreenText> screenTexts;             // the latest text at each place, at most kScreenTextPlaces

    // Told when the game starts and ends answering a native call, for tests that watch the
    // plug-in's own work.
    void (*nativeCallHook)(bool inside) = nullptr;

    void* scriptModule = nullptr;
    ScriptEntry scriptEntry = nullptr;
    KeyboardHandler keyboardHandler = nullptr;
};

Game& TheGame();

// A new game: empty world, clock at 0, nothing recorded or registered.
void ResetGame();

// The public name of a native the simulated game knows, or null.
const char* NativeName(std::uint64_t hash);

}  // namespace sim
