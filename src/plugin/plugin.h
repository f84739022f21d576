#pragma once
// The plug-in's entry points as the script host sees them.

#include <cstdint>
#include <functional>

namespace quillomar {

struct PluginState;

// Registers the script and the keyboard handler with the host (process attach).
void AttachPlugin(void* module);
// Unregisters both (process detach).
void DetachPlugin(void* module);

// The script: start-up, then one UpdateFrame per game frame, for ever.
void ScriptMain();

// Start-up alone: a fresh state, the settings, the generator's seed and the line catalogue. The
// state replaces the previous start's and lives until the next start.
PluginState& StartPlugin();

// Runs the start-up or a frame so that nothing it throws escapes into the host: an error is logged
// (as one of the start-up or of a frame) and the script goes on.
void RunGuarded(const std::function<void()>& run, bool startUp) noexcept;

// The state of the latest start, or null before the first: for the host's tools to look at.
const PluginState* RunningPlugin();

// Called by the host from the game's window procedure, on the game's window thread: a key going
// down is noted on its way to the script's next frame (the toggle and mute keys).
void OnKeyboardMessage(std::uint32_t key, std::uint16_t repeats, std::uint8_t scanCode, std::int32_t isExtended,
                       std::int32_t isWithAlt, std::int32_t wasDownBefore, std::int32_t isUpNow) noexcept;

}  // namespace quillomar
