#pragma once
// The plug-in loaded into a fresh simulated game, in a directory of its own, run frame by
// frame through its real script loop.

#include <cstdint>
#include <string>
#include <vector>

#include "game.h"

namespace tool {

// Makes dir the current directory (created if missing); an empty dir means a fresh temporary
// directory. Returns the directory used, or an empty string with a message on failure.
std::string EnterPluginDirectory(const std::string& dir);

// Loads the plug-in into a new simulated game with the clock at startTick; nothing runs yet.
void LoadPlugin(std::uint32_t startTick, std::uint32_t calendarSeconds);

// Runs one frame and returns the native calls it made.
std::vector<sim::RecordedCall> RunOneFrame();

// Stops the script and unloads the plug-in.
void UnloadPlugin();

// Why a frame ended at a gate, read off its native calls, or null when it passed every gate.
const char* GateThatEndedFrame(const std::vector<sim::RecordedCall>& calls);

}  // namespace tool
