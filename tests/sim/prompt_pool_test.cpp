// The game's prompts are a pool of fixed size, and a game gone strange does not fill it.

#include <gtest/gtest.h>

#include <set>

#include "chaos.h"
#include "host/native_hashes.h"
#include "plugin/update_frame.h"
#include "sim_support.h"

namespace sim {
namespace {

std::uint64_t Call(std::uint64_t hash, std::int64_t argument = -1) {
    nativeInit(hash);
    if (argument >= 0) nativePush64(static_cast<std::uint64_t>(argument));
    return *nativeCall();
}

TEST(PromptPool, RegisteringAnswersZeroOnceFullAndDeletingAnUnknownHandleIsHarmless) {
    ResetGame();
    std::set<std::uint64_t> handles;
    for (std::size_t i = 0; i < kPromptPoolSize; ++i) handles.insert(Call(quillomar::native::UI_PROMPT_REGISTER_BEGIN));
    EXPECT_EQ(handles.size(), kPromptPoolSize);
    EXPECT_FALSE(handles.contains(0));
    EXPECT_EQ(Call(quillomar::native::UI_PROMPT_REGISTER_BEGIN), 0u);
    Call(quillomar::native::UI_PROMPT_DELETE, 0x7FFFFFFF);
    EXPECT_EQ(TheGame().prompts.size(), kPromptPoolSize);
    Call(quillomar::native::UI_PROMPT_DELETE, static_cast<std::int64_t>(*handles.begin()));
    EXPECT_NE(Call(quillomar::native::UI_PROMPT_REGISTER_BEGIN), 0u);
}

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
