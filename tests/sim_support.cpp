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

void FillBusyWorld(sim::World& world) {
    world.peds[kPlayerPed].armed = true;
    for (std::int32_t i = 0; i < 40; ++i) {
        sim::Ped& ped = world.peds[200 + i];
        ped.position = {static_cast<float>(i % 7) * 2.0f, static_cast<float>(i / 7) * 3.0f + 1.0f, 0.0f};
        ped.dead = i % 5 == 0;
        ped.writhing = i % 5 == 1;
        ped.fightingPeds = {kPlayerPed};
        ped.armed = i % 2 == 0;
    }
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
