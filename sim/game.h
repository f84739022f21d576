#pragma once
// The simulated game: a world of peds, a clock, the script host's registrations and a recorder
// of every native call. One game per process, reached through Game(); the plug-in sees it only
// through the script host's entry points.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/script_host.h"

namespace sim {

struct Ped {
    bool dead = false;
    bool ragdoll = false;
    bool dying = false;
};

struct World {
    std::int32_t playerPed = 0;
    std::int32_t playerIndex = 0;
    bool playerInPlay = true;
    bool missionActive = false;
    std::map<std::int32_t, Ped> peds;  // every ped that exists, the player's included

    Ped* FindPed(std::int32_t handle);
};

// Time as the plug-in sees it: GetTickCount and the calendar. It moves only between frames.
struct Clock {
    std::uint32_t tick = 0;
    std::uint32_t calendarSeconds = 0;
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

struct Prompt {
    bool enabled = false;
    bool visible = false;
};

struct Game {
    World world;
    Clock clock;
    std::map<std::int32_t, Prompt> prompts;
    std::vector<RecordedCall> calls;
    std::vector<std::string> events;       // what a player would see or hear, as it happens

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
