#pragma once
// Scenario files: a readable description of a world and a timeline, played through the
// plug-in's real script loop in the simulated game. See docs/scenarios.md for the format.

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game.h"

namespace sim {

struct ScenarioStep {
    enum class Kind { Run, SetPed, RemovePed, SetWorld, Press, Key, Restart, Expect, Note };
    Kind kind = Kind::Run;
    int frames = 0;             // Run
    std::uint32_t ms = 0;       // Run: how far the clock moves after each frame
    std::int32_t ped = 0;       // SetPed, RemovePed
    std::uint32_t control = 0;  // Press: the control; Key: the key code
    nlohmann::json values;      // SetPed, SetWorld: the properties; Expect: the expectations; Key: up; Note: the text
    int index = 0;              // the step's position in the timeline, for messages
};

struct Scenario {
    std::string name;
    std::string description;
    std::optional<std::string> ini;  // the settings file to write, or none: the plug-in writes its own
    std::uint32_t startTick = 0;
    std::uint32_t calendarSeconds = 0;
    std::uint32_t frameMs = 33;
    nlohmann::json world;  // the initial world
    std::vector<ScenarioStep> timeline;
};

// Parses a scenario; on failure returns nothing and says why in error.
std::optional<Scenario> ParseScenario(std::string_view json, std::string& error);

// What loads the plug-in into the simulated game (its DLL entry or the Linux attach), what
// unloads it, and what tells the settings it holds, for the trace's first line.
struct PluginHooks {
    void (*load)();
    void (*unload)();
    std::string (*settingsObject)();
};

struct ScenarioEvent {
    int frame;
    std::uint32_t tick;
    std::string text;
};

// A line of the scenario's own narration, told before the frames that follow it.
struct ScenarioNote {
    int afterFrame;
    std::string text;
};

struct ScenarioResult {
    std::vector<ScenarioEvent> events;
    std::vector<ScenarioNote> notes;
    std::vector<std::string> failures;  // expectations that did not hold
    std::vector<std::string> trace;     // JSON Lines
};

// Plays the scenario in the current directory (where the settings file is written or read).
ScenarioResult PlayScenario(const Scenario& scenario, const PluginHooks& hooks);

// Why a frame ended at a gate, read off its native calls, or null when it passed every gate.
const char* GateThatEndedFrame(const std::vector<RecordedCall>& calls);

}  // namespace sim
