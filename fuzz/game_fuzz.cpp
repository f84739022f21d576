// The plug-in's frames against a game that answers from the fuzzer's bytes: the settings file,
// the world, the clock and the presses are drawn from them first, then every native answer may
// be replaced (results, written slots, the nearby-ped count, handles, floats with NaN and the
// infinities), frame after frame until the bytes run out. Restarts come now and then.

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <span>
#include <string>

#include "chaos.h"
#include "config/setting_table.h"
#include "core/player_folder.h"
#include "game.h"
#include "host/game_controls.h"
#include "plugin/plugin.h"
#include "plugin/update_frame.h"
#include "support.h"

using namespace quillomar;

namespace {

// A settings file with every key at a drawn value; now and then none at all, so the default
// file is written.
void WriteSettingsFile() {
    std::remove(quillomar::kSettingsFile.Name());
    if (sim::DrawChaos(1) % 8 == 0) return;
    std::string text;
    std::string section;
    for (const SettingDef& def : SettingDefs()) {
        if (section != def.section) text += "[" + (section = def.section) + "]\n";
        std::uint64_t pick = sim::DrawChaos(1);
        std::string value = def.Type() == SettingType::Bool
                                ? (pick % 4 == 0 ? "0" : "1")
                                : sim::OddSettingValues()[pick % sim::OddSettingValues().size()];
        text += std::string(def.key) + "=" + value + "\n";
    }
    if (std::FILE* file = std::fopen(quillomar::kSettingsFile.Name(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

constexpr std::int32_t kPlayer = 77;
constexpr std::int32_t kFirstPed = 200;

// The player and up to 47 peds near it, in every state, fighting the player or not.
void BuildWorld(sim::World& world) {
    world.playerPed = kPlayer;
    world.peds[kPlayer].armed = sim::DrawChaos(1) % 2 == 0;
    std::int32_t count = static_cast<std::int32_t>(sim::DrawChaos(1) % 48);
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint64_t bits = sim::DrawChaos(2);
        sim::Ped& ped = world.peds[kFirstPed + i];
        ped.position = {static_cast<float>(bits >> 12 & 15) - 4.0f, static_cast<float>(i % 9) * 2.0f, 0.0f};
        ped.dead = bits & 1;
        ped.writhing = bits & 2;
        ped.fleeing = bits & 4;
        ped.ragdoll = bits & 8;
        ped.armed = bits & 16;
        ped.inMelee = bits & 32;
        ped.incapacitated = bits & 64;
        if (bits & 128) ped.fightingPeds = {kPlayer};
    }
    world.focusEntity = kFirstPed + static_cast<std::int32_t>(sim::DrawChaos(1) % 48);
    world.freeAimEntity = kFirstPed + static_cast<std::int32_t>(sim::DrawChaos(1) % 48);
}

constexpr std::uint32_t kTickSteps[] = {0, 1, 16, 33, 1000, 15000, 40000, 0x7FFFFFFFu, 0xFFFFFFFFu};
constexpr std::uint32_t kControls[] = {0, 0, kDefaultPromptControl, Joaat("INPUT_ATTACK")};
constexpr int kMostFrames = 3000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::EnterScratchFolder();
    sim::ResetGame();
    sim::SetChaosBytes(std::span<const std::uint8_t>(data, size));
    sim::Game& game = sim::TheGame();
    WriteSettingsFile();
    BuildWorld(game.world);
    game.clock.tick = static_cast<std::uint32_t>(sim::DrawChaos(4));
    game.clock.calendarSeconds = static_cast<std::uint32_t>(sim::DrawChaos(4));

    PluginState* state = &StartPlugin();
    for (int frame = 0; frame < kMostFrames && sim::ChaosEnabled(); ++frame) {
        std::uint64_t step = sim::DrawChaos(1);
        if (step == 0xFF) state = &StartPlugin();  // the host starts the script again
        game.pressedControl = kControls[step % std::size(kControls)];
        UpdateFrame(*state);
        game.clock.tick += kTickSteps[(step >> 2) % std::size(kTickSteps)];
        game.calls.clear();
        game.events.clear();
    }
    sim::SetChaos(0);
    return 0;
}
