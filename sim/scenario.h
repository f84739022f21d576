#pragma once
// Scenario files: a readable description of a world and a timeline, played through the
// plug-in's real script loop in the simulated game. See docs/scenarios.md for the format.

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game.h"
#include "trace.h"

namespace sim {

// The most frames one run step may play.
inline constexpr std::int64_t kMaxRunFrames = 10000000;

// One expectation of an expect step, judged on what happened since the previous expect step.
struct Expectation {
    std::optional<std::string> seen;     // some event contains the text (with times: exactly that many)
    std::optional<std::string> notSeen;  // no event contains the text
    std::optional<std::string> called;   // the native of that name was called (with times: that often)
    std::uint64_t calledHash = 0;
    std::optional<std::int64_t> times;
};

struct ScenarioStep {
    enum class Kind {
        Run,
        SetPed,
        RemovePed,
        SetWorld,
        Press,
        HoldPrompt,
        Key,
        Restart,
        Expect,
        Note,
        File,
        Hold,
        Release,
        Folder
    };
    Kind kind = Kind::Run;
    int frames = 0;                       // Run
    std::uint32_t ms = 0;                 // Run: how far the clock moves after each frame; 0 for the scenario's frameMs
    std::int32_t ped = 0;                 // SetPed, RemovePed
    std::uint32_t control = 0;            // Press, HoldPrompt: the control
    std::vector<KeyMessage> keys;         // Key: the messages, in order
    bool unseen = false;                  // Key: only Windows' key state moves; no message reaches the plug-in
    nlohmann::json values;                // SetPed, SetWorld: the properties, checked when the file was read
    std::string text;                     // Note
    std::string file;                     // File, Hold, Release, Folder: a file of the plug-in's folder
    std::optional<std::string> contents;  // File: what to write, or none to remove the file
    std::vector<Expectation> expectations;  // Expect
    int index = 0;                          // the step's position in the timeline, for messages
};

struct Scenario {
    std::string name;
    std::string description;
    std::optional<std::string> ini;  // the settings file to write, or none: the plug-in writes its own
    std::vector<std::pair<std::string, std::string>> files;  // further files to write, by name
    std::uint32_t startTick = 0;
    std::uint32_t calendarSeconds = 0;
    std::uint32_t frameMs = 33;
    nlohmann::json world;  // the initial world, checked when the file was read
    std::vector<ScenarioStep> timeline;
};

// Parses a scenario, checking every value's type and range; on failure returns nothing and
// says why in error, naming the step and the key.
std::optional<Scenario> ParseScenario(std::string_view json, std::string& error);

// Puts the scenario's own files, its settings file and any others it brings, into the current
// directory. A different file of the same name already there is never overwritten: false, and
// error says why.
bool PlaceScenarioFiles(const Scenario& scenario, std::string& error);

// What loads the plug-in into the simulated game (its DLL entry or the Linux attach), what
// unloads it, what tells, for the trace, what it read of the player's files ("settings":{...}
// and, with a taunt list file in use, ,"lines":[...]), and what counts the times it read them
// again since it started (a frame in which the count moves read them).
struct PluginHooks {
    void (*load)();
    void (*unload)();
    std::string (*filesFields)();
    std::uint32_t (*reloads)();
};

struct ScenarioEvent {
    std::int64_t frame;
    std::uint32_t tick;
    std::string text;
};

// Told what happens as it happens, so that nothing of a long run needs keeping; any may be empty.
struct ScenarioListener {
    // The first frame has run start-up, before any of its events; or, with false, the scenario
    // ended without running a frame, so the plug-in never started.
    std::function<void(bool ranStartUp)> started;
    std::function<void(const ScenarioEvent&)> event;
    std::function<void(const std::string&)> note;  // the scenario's own narration
};

struct ScenarioResult {
    std::vector<std::string> failures;  // expectations that did not hold
};

// Plays the scenario in the current directory (where the settings file is written or read),
// writing its trace when one is given. It keeps only what the coming expectations need.
ScenarioResult PlayScenario(const Scenario& scenario, const PluginHooks& hooks, const ScenarioListener& listener,
                            TraceWriter* trace);

// Why a frame ended at a gate, read off its native calls, or null when it passed every gate.
const char* GateThatEndedFrame(const std::vector<RecordedCall>& calls);

}  // namespace sim
