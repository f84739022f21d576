// The Mute line prompt is shown for 5 s after a line, across the tick count's wrap.

#include "frame/mute_prompt.h"

#include <gtest/gtest.h>

#include "sim_support.h"

namespace quillomar {
namespace {

TEST(RunMutePrompt, ShowsTheMutePromptFor5sAfterALine) {
    test::ScopedDirectory dir;
    PluginState& state = test::StartPluginInSim("[Settings]\nMutePrompt=1\n");
    test::RunFrame(state, 100);  // makes the prompts
    Speech& speech = state.taunting.speech;
    speech.linesSpoken = 1;
    speech.lastSpokenTick = 0xFFFFF000u;
    for (const auto& [tick, shown] :
         {std::pair{0xFFFFF000u, true}, {0xFFFFF000u + 4999, true}, {0xFFFFF000u + 5000, false}}) {
        sim::TheGame().clock.tick = tick;
        RunMutePrompt(state.frame, speech);
        EXPECT_EQ(state.frame.prompts.mute->visible, shown) << tick;
    }
}

}  // namespace
}  // namespace quillomar
