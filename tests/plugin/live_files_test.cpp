// The player's files while the game runs: when a change is read, and what it renews and what
// carries on. (A file gone or unreadable, and the log of it, are scenarios.)

#include "plugin/live_files.h"

#include <gtest/gtest.h>

#include <string>

#include "folder_files.h"
#include "plugin/plugin_state.h"
#include "sim_support.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kStart = 100000;

// Writes a file of the plug-in's folder with the given last-write time.
void Save(const std::string& name, const std::string& text, std::uint64_t wallMs) {
    std::string error;
    ASSERT_TRUE(sim::WriteFolderFile(name, text, wallMs, error)) << error;
}

// Plays frames ms apart from the tick on; how many of them read the files again.
int FramesThatRead(PluginState& state, std::uint32_t& tick, int frames, std::uint32_t ms = 33) {
    int read = 0;
    for (int i = 0; i < frames; ++i, tick += ms) {
        const std::uint32_t before = state.reloads;
        test::RunFrame(state, tick);
        read += state.reloads != before ? 1 : 0;
    }
    return read;
}

TEST(LiveFiles, ReadsAChangeThatHeldStillForALookOnceASecondAcrossTheWrapAnEarlierTimeToo) {
    test::ScopedDirectory dir;
    Save("Quillomar.ini", "[Settings]\nMaxDistance=10\n", 5000000);
    PluginState& state = test::StartPluginInSim();
    std::uint32_t tick = 0xFFFFFF00u;
    sim::TheGame().clock.tick = tick;
    StartWatching(state.watch, state.settings);                      // as if the start came just before the wrap
    Save("Quillomar.ini", "[Settings]\nMaxDistance=11\n", 1000000);  // saved with a clock set back
    // Frames half a second apart, from the start on: the look at 1 s sees the change; the next, at
    // 2 s and past the wrap, finds it still and reads it.
    EXPECT_EQ(FramesThatRead(state, tick, 4, 500), 0);
    EXPECT_EQ(state.settings.maxDistance, 10.0f);
    EXPECT_EQ(FramesThatRead(state, tick, 1, 500), 1);
    EXPECT_EQ(state.settings.maxDistance, 11.0f);
}

TEST(LiveFiles, RenewsOnlyWhatTheChangeTouches) {
    struct Case {
        const char* edit;   // the settings saved over the first ones
        const char* lines;  // a.txt saved over its first rows, or null
        bool promptsMadeAnew;
        bool linesBuiltAgain;
    };
    const std::string first = "[Settings]\nMaxDistance=10\n[Advanced]\nTauntListFile=a.txt\n";
    const Case cases[] = {
        {"[Settings]\nMaxDistance=12\n[Advanced]\nTauntListFile=a.txt\n", nullptr, false, false},
        {"[Settings]\nPromptText=Mock\n[Advanced]\nTauntListFile=a.txt\n", nullptr, true, false},
        {"[Settings]\nPromptControl=INPUT_CONTEXT_A\n[Advanced]\nTauntListFile=a.txt\n", nullptr, true, false},
        {"[CombatTaunts]\nPromptText=Goad\n[Advanced]\nTauntListFile=a.txt\n", nullptr, true, false},
        {"[Advanced]\nTauntListFile=b.txt\n", nullptr, false, true},  // the same rows, another file
        {nullptr, "[Arthur Dead]\nTEST_OWN_LINE_B\n", false, true},
        {nullptr, "[Arthur Dead]\nTEST_OWN_LINE_A\n", false, false},  // saved as it was
    };
    for (const Case& c : cases) {
        test::ScopedDirectory dir;
        Save("Quillomar.ini", first, 5000000);
        Save("a.txt", "[Arthur Dead]\nTEST_OWN_LINE_A\n", 5000000);
        Save("b.txt", "[Arthur Dead]\nTEST_OWN_LINE_A\n", 5000000);
        PluginState& state = test::StartPluginInSim();
        std::uint32_t tick = kStart;
        FramesThatRead(state, tick, 1);  // makes the prompts
        const std::int32_t prompt = state.frame.prompts.taunt->handle;
        Push(state.taunting.speech.history[LineList::Dead], 0);
        state.taunting.taunts.records.push_back({101, 12345, false});
        state.taunting.speech.voiceSet = VoiceSet::John;

        c.edit != nullptr ? Save("Quillomar.ini", c.edit, 6000000) : Save("a.txt", c.lines, 6000000);
        const std::string what = c.edit != nullptr ? c.edit : c.lines;
        ASSERT_EQ(FramesThatRead(state, tick, 70), 1) << what;
        EXPECT_EQ(state.frame.prompts.taunt->handle != prompt, c.promptsMadeAnew) << what;
        EXPECT_EQ(state.taunting.speech.history[LineList::Dead].pushes, c.linesBuiltAgain ? 0u : 1u) << what;
        // What is not the files' carries on.
        EXPECT_EQ(state.taunting.taunts.records.size(), 1u) << what;
        EXPECT_EQ(state.taunting.speech.voiceSet, VoiceSet::John) << what;
    }
}

}  // namespace
}  // namespace quillomar
