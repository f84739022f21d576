// A game gone strange does not fill the game's pool of prompts.

#include <gtest/gtest.h>

#include "chaos.h"
#include "plugin/update_frame.h"
#include "sim_support.h"

namespace sim {
namespace {

TEST(PromptPool, AChaosWorldLeavesOnlyThePromptsThePlugInHoldsAndNoProbe) {
    test::ScopedDirectory dir;
    quillomar::PluginState& state = test::StartPluginInSim();
    SetChaos(0x9E3779B97F4A7C15ull);
    for (int frame = 0; frame < 20000; ++frame) {
        quillomar::UpdateFrame(state);
        TheGame().calls.clear();
        TheGame().events.clear();
    }
    EXPECT_LE(TheGame().prompts.size(), 2u);  // the plug-in's own two
    EXPECT_TRUE(TheGame().probes.empty());    // each is read in the frame it is made
}

}  // namespace
}  // namespace sim
