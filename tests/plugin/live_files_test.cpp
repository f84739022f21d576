// The player's files while the game runs: when a change is read, what it renews and what carries
// on, and what a file that cannot be read leaves in force.

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

// Plays frames 33 ms apart from the tick on; how many of them read the files again.
int FramesThatRead(PluginState& state, std::uint32_t& tick, int frames) {
    int read = 0;
    for (int i = 0; i < frames; ++i, tick += 33) {
        const std::uint32_t before = state.reloads;
        test::RunFrame(state, tick);
        read += state.reloads != before ? 1 : 0;
    }
    return read;
}

TEST(LiveFiles, ReadsAChangeOnceItHeldStillForALookAndTakesTimesGoingBackAsChanges) {
    test::ScopedDirectory dir;
    Save("Quillomar.ini", "[Settings]\nMaxDistance=10\n", 5000000);
    PluginState& state = test::StartPluginInSim();
    std::uint32_t tick = kStart;
    EXPECT_EQ(FramesThatRead(state, tick, 200), 0);  // nothing changed
    struct Case {
        const char* what;
        std::uint64_t wallMs;
        float maxDistance;
    };
    const Case cases[] = {{"a later time", 6000000, 12.0f}, {"an earlier time", 1000000, 13.0f}};
    for (const Case& c : cases) {
        Save("Quillomar.ini", "[Settings]\nMaxDistance=" + std::to_string(static_cast<int>(c.maxDistance)) + "\n",
             c.wallMs);
        EXPECT_EQ(FramesThatRead(state, tick, 20), 0) << c.what;  // seen, but not yet still for a second
        EXPECT_EQ(FramesThatRead(state, tick, 100), 1) << c.what;
        EXPECT_EQ(state.settings.maxDistance, c.maxDistance) << c.what;
    }
    // A file written again and again is never still from one look to the next.
    std::uint64_t wallMs = 7000000;
    int read = 0;
    for (int i = 0; i < 200; ++i, wallMs += 33) {
        Save("Quillomar.ini", "[Settings]\nMaxDistance=14\n", wallMs);
        read += FramesThatRead(state, tick, 1);
    }
    EXPECT_EQ(read, 0);
}

TEST(LiveFiles, LooksAtMostOnceASecondAcrossTheTickCountsWrap) {
    test::ScopedDirectory dir;
    Save("Quillomar.ini", "[Settings]\nMaxDistance=10\n", 5000000);
    PluginState& state = test::StartPluginInSim();
    std::uint32_t tick = 0xFFFFFF00u;
    sim::TheGame().clock.tick = tick;
    StartWatching(state.watch, state.settings);  // as if the start came just before the wrap
    Save("Quillomar.ini", "[Settings]\nMaxDistance=11\n", 6000000);
    // Frames 33 ms apart: the first look comes with the frame at 1023 ms, the second (the read)
    // with the one at 2046 ms, both past the wrap.
    EXPECT_EQ(FramesThatRead(state, tick, 62), 0);
    EXPECT_EQ(FramesThatRead(state, tick, 1), 1);
    EXPECT_EQ(state.settings.maxDistance, 11.0f);
}

TEST(LiveFiles, AGoneOrUnreadableSettingsFileLeavesTheSettingsInForceAndIsLoggedOnce) {
    test::ScopedDirectory dir;
    Save("Quillomar.ini", "[Settings]\nMaxDistance=10\n", 5000000);
    PluginState& state = test::StartPluginInSim();
    std::uint32_t tick = kStart;
    std::string error;
    ASSERT_TRUE(sim::RemoveFolderFile("Quillomar.ini", error));
    EXPECT_EQ(FramesThatRead(state, tick, 300), 0);
    std::filesystem::create_directory("Quillomar.ini");  // now a folder
    EXPECT_EQ(FramesThatRead(state, tick, 300), 0);
    EXPECT_EQ(state.settings.maxDistance, 10.0f);
    EXPECT_TRUE(std::filesystem::is_directory("Quillomar.ini"));  // no default file written in its place
    const std::string log = dir.ReadFile("Quillomar.log");
    EXPECT_EQ(log.find("changed but cannot be read"), log.rfind("changed but cannot be read")) << log;
    EXPECT_NE(log.find("(No such file or directory), so the settings in force stay"), std::string::npos) << log;
}

TEST(LiveFiles, RenewsOnlyWhatTheChangeTouches) {
    struct Case {
        const char* edit;  // the settings saved over the first ones
        bool promptsMadeAnew;
        bool linesBuiltAgain;
    };
    const std::string first = "[Settings]\nMaxDistance=10\n[Advanced]\nTauntListFile=a.txt\n";
    const Case cases[] = {
        {"[Settings]\nMaxDistance=12\n[Advanced]\nTauntListFile=a.txt\n", false, false},
        {"[Settings]\nPromptText=Mock\n[Advanced]\nTauntListFile=a.txt\n", true, false},
        {"[Settings]\nPromptControl=INPUT_CONTEXT_A\n[Advanced]\nTauntListFile=a.txt\n", true, false},
        {"[CombatTaunts]\nPromptText=Goad\n[Advanced]\nTauntListFile=a.txt\n", true, false},
        {"[Advanced]\nTauntListFile=b.txt\n", false, true},
        {"[Advanced]\nTauntListFile=\n", false, true},
    };
    for (const Case& c : cases) {
        test::ScopedDirectory dir;
        Save("Quillomar.ini", first, 5000000);
        Save("a.txt", "[Arthur Dead]\nTEST_OWN_LINE_A\n", 5000000);
        Save("b.txt", "[Arthur Dead]\nTEST_OWN_LINE_A\n", 5000000);  // the same rows, another file
        PluginState& state = test::StartPluginInSim();
        std::uint32_t tick = kStart;
        FramesThatRead(state, tick, 1);  // makes the prompts
        const std::int32_t prompt = state.frame.prompts.taunt->handle;
        PushAndTrim(state.taunting.speech.history.states[1], 0, 10);
        state.taunting.taunts.records.push_back({101, 12345, false});
        state.taunting.speech.voiceSet = VoiceSet::John;

        Save("Quillomar.ini", c.edit, 6000000);
        ASSERT_EQ(FramesThatRead(state, tick, 70), 1) << c.edit;
        EXPECT_EQ(state.frame.prompts.taunt->handle != prompt, c.promptsMadeAnew) << c.edit;
        EXPECT_EQ(QueueLength(state.taunting.speech.history.states[1]), c.linesBuiltAgain ? 0u : 1u) << c.edit;
        // What is not the files' carries on.
        EXPECT_EQ(state.taunting.taunts.records.size(), 1u) << c.edit;
        EXPECT_EQ(state.taunting.speech.voiceSet, VoiceSet::John) << c.edit;
    }
    // The same name with other rows builds the lines again; saved unchanged, it does not.
    for (const bool changed : {true, false}) {
        test::ScopedDirectory dir;
        Save("Quillomar.ini", first, 5000000);
        Save("a.txt", "[Arthur Dead]\nTEST_OWN_LINE_A\n", 5000000);
        PluginState& state = test::StartPluginInSim();
        PushAndTrim(state.taunting.speech.history.states[1], 0, 10);
        Save("a.txt", changed ? "[Arthur Dead]\nTEST_OWN_LINE_B\n" : "[Arthur Dead]\nTEST_OWN_LINE_A\n", 6000000);
        std::uint32_t tick = kStart;
        ASSERT_EQ(FramesThatRead(state, tick, 70), 1);
        EXPECT_EQ(QueueLength(state.taunting.speech.history.states[1]), changed ? 0u : 1u);
        EXPECT_STREQ(state.taunting.speech.catalogues.Of(VoiceSet::Arthur).stateLines.at(1)[0].speechName,
                     changed ? "TEST_OWN_LINE_B" : "TEST_OWN_LINE_A");
    }
}

}  // namespace
}  // namespace quillomar
