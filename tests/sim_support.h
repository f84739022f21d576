#pragma once
// Test support: a fresh simulated game, the plug-in started in a directory of its own, and
// readable access to the native calls it made.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game.h"
#include "plugin/plugin_state.h"

namespace test {

// Makes a fresh temporary directory the current one for the life of the object.
class ScopedDirectory {
  public:
    ScopedDirectory();
    ~ScopedDirectory();
    ScopedDirectory(const ScopedDirectory&) = delete;
    ScopedDirectory& operator=(const ScopedDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void WriteFile(const std::string& name, const std::string& text) const;
    std::string ReadFile(const std::string& name) const;

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// A fresh simulated game whose player ped exists and can act, with the plug-in started in the
// current directory (with iniText as its settings file when given).
quillomar::PluginState& StartPluginInSim(const std::optional<std::string>& iniText = std::nullopt);

// Plays one frame at the tick, then forgets its calls and events.
void RunFrame(quillomar::PluginState& state, std::uint32_t tick);

// A fresh simulated game whose player ped exists, for tests of single operations.
sim::World& FreshWorld();

// An armed player among 40 peds in combat with him, more than the nearby-ped buffer holds: every
// fifth dead, every fifth writhing, every other one armed.
void FillBusyWorld(sim::World& world);

// The native calls recorded since the last ClearCalls.
const std::vector<sim::RecordedCall>& Calls();
void ClearCalls();

// The text of a file in the repository.
std::string ReadSourceFile(const std::string& relativePath);

inline constexpr std::int32_t kPlayerPed = 77;

}  // namespace test
