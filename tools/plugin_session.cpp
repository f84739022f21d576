#include "plugin_session.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "host/native_hashes.h"
#include "host/plugin.h"
#include "script_runner.h"

namespace tool {
namespace {

namespace n = quillomar::native;

// Any module handle will do: the simulated host only compares it.
int gModuleToken = 0;

struct Gate {
    std::uint64_t hash;
    std::uint64_t endsFrameWhen;  // the result that ends the frame
    const char* reason;
};

constexpr Gate kGates[] = {
    {n::GET_MISSION_FLAG, 1, "a mission is active"},    {n::DOES_ENTITY_EXIST, 0, "the player has no ped"},
    {n::IS_ENTITY_DEAD, 1, "the player is dead"},       {n::IS_PLAYER_CONTROL_ON, 0, "the player is not in play"},
    {n::IS_PED_RAGDOLL, 1, "the player is ragdolling"}, {n::IS_PED_DEAD_OR_DYING, 1, "the player is dying"},
};

}  // namespace

std::string EnterPluginDirectory(const std::string& dir) {
    std::error_code error;
    std::filesystem::path path = dir;
    if (path.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path(error) / "quillomar-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return {};
        path = pattern;
    }
    std::filesystem::create_directories(path, error);
    std::filesystem::current_path(path, error);
    if (error) return {};
    return std::filesystem::current_path(error).string();
}

void LoadPlugin(std::uint32_t startTick, std::uint32_t calendarSeconds) {
    sim::StopScript();
    sim::ResetGame();
    sim::TheGame().clock = {startTick, calendarSeconds};
    quillomar::AttachPlugin(&gModuleToken);
    sim::StartScript();
}

std::vector<sim::RecordedCall> RunOneFrame() {
    std::size_t first = sim::TheGame().calls.size();
    sim::RunFrame();
    const std::vector<sim::RecordedCall>& calls = sim::TheGame().calls;
    return {calls.begin() + static_cast<std::ptrdiff_t>(first), calls.end()};
}

void UnloadPlugin() {
    sim::StopScript();
    quillomar::DetachPlugin(&gModuleToken);
}

const char* GateThatEndedFrame(const std::vector<sim::RecordedCall>& calls) {
    if (calls.empty()) return "the plug-in is disabled";
    for (const sim::RecordedCall& call : calls) {
        if (call.hash == n::PLAYER_PED_ID || call.hash == n::PLAYER_ID) continue;
        const Gate* gate = nullptr;
        for (const Gate& candidate : kGates) {
            if (candidate.hash == call.hash) gate = &candidate;
        }
        if (gate == nullptr) return nullptr;  // past the gates
        bool result = !call.results.empty() && (call.results[0] & 0xFFFFFFFFu) != 0;
        if (static_cast<std::uint64_t>(result) == gate->endsFrameWhen) return gate->reason;
    }
    return nullptr;
}

}  // namespace tool
