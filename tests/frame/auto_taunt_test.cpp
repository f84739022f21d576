// Automatic taunts: the timers hold their delay across the tick count's wrap, and a target
// accepted again after a frame with neither target nor fight counts as new.

#include "frame/auto_taunt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "plugin/update_frame.h"
#include "sim_support.h"

namespace quillomar {
namespace {

int SpokenLines() {
    return static_cast<int>(
        std::ranges::count_if(sim::TheGame().events, [](const std::string& e) { return e.starts_with("said "); }));
}

struct AutoTaunts {
    test::ScopedDirectory dir;
    PluginState* state;

    // A gunfight with one armed enemy, the combat interval of the given seconds.
    explicit AutoTaunts(std::int32_t seconds) {
        const std::string interval =
            "IntervalMin=" + std::to_string(seconds) + "\nIntervalMax=" + std::to_string(seconds) + "\n";
        state = &test::StartPluginInSim("[AutoCombatTaunt]\n" + interval);
        sim::World& world = sim::TheGame().world;
        world.peds[400].position = {0, 10, 0};
        world.peds[400].armed = true;
        world.peds[400].fightingPeds = {test::kPlayerPed};
        state->frame.playerPed = test::kPlayerPed;
        BuildCombatContext(state->frame.combatContext, test::kPlayerPed, 0);
    }
    int Spoken(std::uint32_t tick, void (*step)(FrameState&, TauntState&, const Settings&)) {
        sim::TheGame().clock.tick = tick;
        sim::TheGame().events.clear();
        step(state->frame, state->taunting, state->settings);
        return SpokenLines();
    }
};

TEST(AutoCombatTaunt, ATimerArmedJustBeforeTheTickCountWrapsWaitsItsDelayAcrossTheWrap) {
    for (std::uint32_t armedAt : {0xFFFFF000u, 0xFFFFFFFFu}) {
        AutoTaunts autos(8);
        EXPECT_EQ(autos.Spoken(armedAt, RunAutoCombatTaunt), 0) << armedAt;
        EXPECT_EQ(autos.Spoken(armedAt + 7999u, RunAutoCombatTaunt), 0) << armedAt;
        EXPECT_EQ(autos.Spoken(armedAt + 8000u, RunAutoCombatTaunt), 1) << armedAt;
    }
    AutoTaunts noWait(-1);  // a negative interval is no wait, also when it reaches back past 0
    EXPECT_EQ(noWait.Spoken(0x100u, RunAutoCombatTaunt), 1);
}

TEST(AutoTaunt, ATargetAcceptedAgainAfterFramesWithoutOneIsTauntedAgainFightOrNot) {
    for (const bool fight : {false, true}) {
        test::ScopedDirectory dir;
        PluginState& state =
            test::StartPluginInSim("[AutoTaunt]\nEnabled=1\nChanceWrithing=100\nIntervalMin=0\nIntervalMax=0\n");
        sim::World& world = sim::TheGame().world;
        world.peds[101].writhing = true;
        world.focusEntity = 101;
        world.peds[201].position = {9, 0, 0};  // an enemy, in the fight or not
        world.peds[201].armed = true;
        if (fight) world.peds[201].fightingPeds = {test::kPlayerPed};
        int spoken = 0;
        for (const float away : {6.0f, 60.0f, 6.0f}) {  // in reach, out of it (no target), back
            world.peds[101].position = {0, away, 0};
            sim::TheGame().clock.tick += 33;
            quillomar::UpdateFrame(state);
            spoken += SpokenLines();
            sim::TheGame().events.clear();
        }
        EXPECT_EQ(spoken, 2) << (fight ? "in a fight" : "no fight");
    }
}

}  // namespace
}  // namespace quillomar
