#include "sim_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

#include "plugin/plugin.h"
#include "plugin/update_frame.h"

namespace test {

ScopedDirectory::ScopedDirectory() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillomar-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
}

ScopedDirectory::~ScopedDirectory() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScopedDirectory::WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

std::string ScopedDirectory::ReadFile(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

sim::World& FreshWorld() {
    sim::ResetGame();
    sim::World& world = sim::TheGame().world;
    world.peds[kPlayerPed] = {};
    world.playerPed = kPlayerPed;
    return world;
}

quillomar::PluginState& StartPluginInSim(const std::optional<std::string>& iniText) {
    FreshWorld();
    if (iniText) std::ofstream("Quillomar.ini", std::ios::binary) << *iniText;
    quillomar::PluginState& state = quillomar::StartPlugin();
    ClearCalls();
    return state;
}

void RunFrame(quillomar::PluginState& state, std::uint32_t tick) {
    sim::TheGame().clock.tick = tick;
    quillomar::UpdateFrame(state);
    ClearCalls();
    sim::TheGame().events.clear();
}

const std::vector<sim::RecordedCall>& Calls() { return sim::TheGame().calls; }

void ClearCalls() { sim::TheGame().calls.clear(); }

std::string ReadSourceFile(const std::string& relativePath) {
    std::ifstream file(std::filesystem::path(QUILLOMAR_SOURCE_DIR) / relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace test
