// The plug-in runs inside the game's frame: once warm, a frame allocates nothing, however busy,
// with a notice on screen or not.

#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "host/game_controls.h"
#include "sim_support.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kTauntControl = kDefaultPromptControl;

TEST(SteadyFrame, MakesNoHeapAllocationWhileTargetingTauntingAndFighting) {
    test::ScopedDirectory dir;
    PluginState& state =
        test::StartPluginInSim("[Settings]\nDebugMode=1\nMutePrompt=1\n[CombatTaunts]\nAggressionChance=100\n");
    sim::World& world = sim::TheGame().world;
    test::FillBusyWorld(world);
    world.peds[300].position = {0, 6, 0};  // a writhing ped out of the fight
    world.peds[300].writhing = true;
    world.cameraPosition = {0, -2, 1};
    // Warm up every path once: a target with its prompt and a taunt, then a fight with no target.
    world.focusEntity = 300;
    sim::TheGame().pressedControl = kTauntControl;
    for (std::uint32_t i = 0; i < 20; ++i) test::RunFrame(state, 100000 + i * 33);
    world.focusEntity = 0;
    for (std::uint32_t i = 0; i < 20; ++i) test::RunFrame(state, 101000 + i * 33);

    GiveNotice(state.notice, "Quillomar: settings reloaded");  // shown through the first rounds

    test::PlugInAllocationsOnly onlyThePlugIn;
    const std::size_t before = test::Allocations();
    std::uint32_t tick = 200000;
    for (int round = 0; round < 50; ++round) {
        world.focusEntity = round % 2 == 0 ? 300 : 0;  // taunt target, then the fight
        for (int i = 0; i < 20; ++i, tick += 33) test::RunFrame(state, tick);
        tick += 15000;  // the writhing ped may be taunted again
    }
    EXPECT_EQ(test::Allocations() - before, 0u);
    EXPECT_TRUE(state.frame.prompts.created);
    EXPECT_FALSE(state.notice.waiting);  // it was shown
    EXPECT_FALSE(state.taunting.taunts.records.empty());
}

}  // namespace
}  // namespace quillomar
