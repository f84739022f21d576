// No input may crash the plug-in or make it misbehave: frames played against a game whose every
// answer is arbitrary, with settings at their extremes, under the sanitizers in the sanitizer
// build. Nor does it fill the game's pools of prompts and probes.

#include "chaos.h"

#include <gtest/gtest.h>

#include <string>

#include "config/setting_table.h"
#include "host/game_controls.h"
#include "host/native_hashes.h"
#include "plugin/update_frame.h"
#include "sim_support.h"

namespace quillomar {
namespace {

// A settings file with every key at an odd value, chosen by the generator.
std::string OddSettingsFile(std::uint32_t seed) {
    Random random{seed};
    std::string text;
    std::string section;
    for (const SettingDef& def : SettingDefs()) {
        if (section != def.section) {
            section = def.section;
            text += "[" + section + "]\n";
        }
        const auto odd = sim::OddSettingValues();
        std::string value = odd[static_cast<std::size_t>(random.Next()) % odd.size()];
        // Switches on or off at even odds, so that every stage gets its turn.
        if (def.Type() == SettingType::Bool) value = random.Next() % 2 == 0 ? "0" : "1";
        text += std::string(def.key) + "=" + value + "\n";
    }
    return text;
}

TEST(Chaos, ArbitraryNativeResultsAndExtremeSettingsNeverCrashTheFrame) {
    test::ScopedDirectory dir;
    int spoken = 0;
    int prompted = 0;
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        PluginState& state = test::StartPluginInSim(OddSettingsFile(seed));
        test::FillBusyWorld(sim::TheGame().world);
        sim::TheGame().world.focusEntity = 201;
        sim::SetChaos(0x9E3779B97F4A7C15ull * seed);
        std::uint32_t tick = 0xFFFF0000u;  // the tick count wraps on the way
        for (int frame = 0; frame < 2500; ++frame) {
            sim::TheGame().clock.tick = tick;
            sim::TheGame().pressedControl = frame % 3 == 0 ? kDefaultPromptControl : 0u;
            UpdateFrame(state);
            for (const sim::RecordedCall& call : test::Calls()) {
                spoken += call.hash == native::PLAY_PED_AMBIENT_SPEECH_NATIVE ? 1 : 0;
                prompted += call.hash == native::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED ? 1 : 0;
            }
            test::ClearCalls();
            sim::TheGame().events.clear();
            tick += static_cast<std::uint32_t>(frame % 7 == 0 ? 40000 : 33);
            if (frame % 500 == 0) sim::TheGame().world.focusEntity = 200 + frame % 40;
        }
        // The taunt history forgets peds that are gone, so it cannot outgrow the peds taunted
        // since the last prune.
        EXPECT_LT(state.taunting.taunts.records.size(), 4000u) << "seed " << seed;
        EXPECT_LE(sim::TheGame().prompts.size(), 3u) << "seed " << seed;  // the plug-in's own three at most
        EXPECT_TRUE(sim::TheGame().probes.empty()) << "seed " << seed;    // each is read in the frame it is made
    }
    // The odd answers must not keep the frames from their deeper stages.
    EXPECT_GT(spoken, 10);
    EXPECT_GT(prompted, 20);
}

// The soak holds the state to its bounds piece by piece; the muted lines are the file's and those muted by key.
TEST(MeasureState, CountsTheMutedLinesOfTheFileAndThoseMutedByKey) {
    PluginState state;
    state.taunting.speech.muted = {{{"TEST_A", std::nullopt}}, {{"TEST_B", 1}, {"TEST_C", 2}}};
    EXPECT_EQ(MeasureState(state).mutedLines, 3u);
}

}  // namespace
}  // namespace quillomar
