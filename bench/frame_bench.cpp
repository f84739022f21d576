// What the plug-in costs the game: one frame in a quiet world and in a busy one, and start-up.
// The simulated game's own work (answering natives, recording them) is part of every number,
// so these are upper bounds of the plug-in's share.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "game.h"
#include "plugin/plugin.h"
#include "plugin/plugin_state.h"
#include "plugin/update_frame.h"

namespace {

constexpr std::int32_t kPlayer = 1;

// A fresh game in a folder of its own, the plug-in started with its default settings.
quillomar::PluginState* gState = nullptr;

void StartInFreshGame() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / "quillomar-bench";
        std::filesystem::create_directories(path);
        return path;
    }();
    std::filesystem::current_path(dir);
    sim::ResetGame();
    sim::TheGame().world.playerPed = kPlayer;
    sim::TheGame().world.peds[kPlayer] = {};
    gState = &quillomar::StartPlugin();
}

// Thirty peds around the player, some dead, some fighting, and a writhing one under the eye.
void FillBusyWorld(sim::World& world) {
    world.peds[kPlayer].armed = true;
    for (std::int32_t i = 0; i < 30; ++i) {
        sim::Ped& ped = world.peds[100 + i];
        ped.position = {static_cast<float>(i % 6) * 3.0f, static_cast<float>(i / 6) * 4.0f + 2.0f, 0.0f};
        ped.dead = i % 5 == 0;
        ped.fightingPeds = {kPlayer};
        ped.armed = i % 2 == 0;
    }
    world.peds[100].writhing = true;
    world.peds[100].dead = false;
    world.focusEntity = 100;
}

void RunFrames(benchmark::State& state) {
    std::uint32_t tick = 100000;
    for (auto _ : state) {
        sim::TheGame().clock.tick = tick += 33;
        quillomar::UpdateFrame(*gState);
        sim::TheGame().calls.clear();
        sim::TheGame().events.clear();
    }
}

void QuietFrame(benchmark::State& state) {
    StartInFreshGame();
    RunFrames(state);
}
BENCHMARK(QuietFrame);

void BusyFrame(benchmark::State& state) {
    StartInFreshGame();
    FillBusyWorld(sim::TheGame().world);
    RunFrames(state);
}
BENCHMARK(BusyFrame);

void StartUp(benchmark::State& state) {
    for (auto _ : state) StartInFreshGame();
}
BENCHMARK(StartUp)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
