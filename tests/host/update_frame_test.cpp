#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "config/settings.h"
#include "host/frame_state.h"
#include "host/native_hashes.h"
#include "host/plugin.h"
#include "script_runner.h"
#include "sim_support.h"

namespace quillomar {
namespace {

namespace n = native;
using Hashes = std::vector<std::uint64_t>;

const Hashes kPlayerGates = {n::PLAYER_PED_ID,        n::DOES_ENTITY_EXIST, n::IS_ENTITY_DEAD,      n::PLAYER_ID,
                             n::IS_PLAYER_CONTROL_ON, n::IS_PED_RAGDOLL,    n::IS_PED_DEAD_OR_DYING};
const Hashes kHideBothPrompts = {n::UI_PROMPT_SET_ENABLED, n::UI_PROMPT_SET_VISIBLE, n::UI_PROMPT_SET_ENABLED,
                                 n::UI_PROMPT_SET_VISIBLE, n::UI_PROMPT_SET_ENABLED, n::UI_PROMPT_SET_VISIBLE,
                                 n::UI_PROMPT_SET_ENABLED, n::UI_PROMPT_SET_VISIBLE};

Hashes FirstGates(std::size_t count) { return Hashes(kPlayerGates.begin(), kPlayerGates.begin() + count); }

// The first count calls of the frame.
Hashes FirstCalls(std::size_t count) {
    Hashes hashes = test::CalledHashes();
    hashes.resize(std::min(count, hashes.size()));
    return hashes;
}

// The combat refresh, the first stage, begins by asking the player's health (that the ped exists,
// the gates have asked already).
bool StagesRan(std::size_t afterCalls) {
    const auto& calls = test::Calls();
    return calls.size() > afterCalls && calls[afterCalls].hash == n::GET_ENTITY_HEALTH;
}

Hashes Join(Hashes a, const Hashes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Prompt records as the target stage leaves them, so that hiding and deleting show in the trace.
void GivePrompts(std::int32_t tauntHandle, std::int32_t combatHandle) {
    gFrame.tauntPrompt = std::make_unique<PromptRecord>(PromptRecord{tauntHandle, true, true, "Taunt", 0});
    gFrame.combatPrompt = std::make_unique<PromptRecord>(PromptRecord{combatHandle, true, false, "Combat", 0});
    gFrame.promptsCreated = true;
    sim::Prompt& taunt = sim::TheGame().prompts[tauntHandle];
    taunt.registered = taunt.enabled = taunt.visible = true;
    sim::TheGame().prompts[combatHandle].registered = true;
}

class UpdateFrameTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;
    sim::World& world() { return sim::TheGame().world; }
    sim::Ped& player() { return world().peds[test::kPlayerPed]; }
};

TEST_F(UpdateFrameTest, EachGateEndsTheFrameWithItsOwnNativesAndHidesThePrompts) {
    struct Case {
        const char* gate;
        void (*arrange)(sim::World&);
        Hashes natives;
    } cases[] = {
        {"no player ped", [](sim::World& w) { w.peds.clear(); }, FirstGates(2)},
        {"player dead", [](sim::World& w) { w.peds[test::kPlayerPed].dead = true; }, FirstGates(3)},
        {"player not in play", [](sim::World& w) { w.playerInPlay = false; }, FirstGates(5)},
        {"player ragdolling", [](sim::World& w) { w.peds[test::kPlayerPed].ragdoll = true; }, FirstGates(6)},
        {"player dying", [](sim::World& w) { w.peds[test::kPlayerPed].dying = true; }, FirstGates(7)},
    };
    for (const Case& c : cases) {
        test::StartPluginInSim();
        GivePrompts(11, 12);
        gFrame.target = 5;
        c.arrange(world());
        UpdateFrame();
        EXPECT_EQ(test::CalledHashes(), Join(c.natives, kHideBothPrompts)) << c.gate;
        EXPECT_EQ(gFrame.target, 5) << c.gate << ": no stage may run";
        EXPECT_FALSE(sim::TheGame().prompts[11].visible) << c.gate;
    }
}

TEST_F(UpdateFrameTest, AFramePastTheGatesRunsTheStages) {
    test::StartPluginInSim();
    gFrame.target = 5;
    UpdateFrame();
    EXPECT_EQ(FirstCalls(kPlayerGates.size()), kPlayerGates);
    EXPECT_TRUE(StagesRan(kPlayerGates.size()));
    EXPECT_EQ(gFrame.target, 0);
    EXPECT_EQ(gFrame.playerPed, test::kPlayerPed);
    // The gate natives are asked about the player's ped and player index.
    EXPECT_EQ(test::Calls()[1].args[0].slot, static_cast<std::uint64_t>(test::kPlayerPed));
    EXPECT_EQ(test::Calls()[4].args[0].slot, 0u);
    EXPECT_EQ(test::Calls()[6].args[1].slot, 1u);
}

TEST_F(UpdateFrameTest, TheMissionRuleAsksOnlyWhenMissionsAreExcluded) {
    test::StartPluginInSim("[Settings]\nEnabledInMissions=0\n");
    world().missionActive = true;
    GivePrompts(11, 12);
    UpdateFrame();
    EXPECT_EQ(test::CalledHashes(), Join({n::GET_MISSION_FLAG}, kHideBothPrompts));

    test::ClearCalls();
    world().missionActive = false;
    UpdateFrame();
    EXPECT_EQ(FirstCalls(1 + kPlayerGates.size()), Join({n::GET_MISSION_FLAG}, kPlayerGates));
    EXPECT_TRUE(StagesRan(1 + kPlayerGates.size()));

    test::StartPluginInSim("[Settings]\nEnabledInMissions=1\n");
    world().missionActive = true;
    UpdateFrame();
    EXPECT_EQ(FirstCalls(kPlayerGates.size()), kPlayerGates);
    EXPECT_TRUE(StagesRan(kPlayerGates.size()));
}

TEST_F(UpdateFrameTest, ADisabledPlugInNeverReadsThePlayersPed) {
    test::StartPluginInSim("[Settings]\nEnabled=0\n");
    for (int frame = 0; frame < 100; ++frame) UpdateFrame();
    EXPECT_TRUE(test::Calls().empty());
    EXPECT_EQ(gFrame.lastPlayerPed, 0);
    EXPECT_FALSE(gFrame.promptsCreated);
}

TEST_F(UpdateFrameTest, APlayerPedChangeDeletesThePromptsButTheFirstFrameSeesNoChange) {
    test::StartPluginInSim();
    GivePrompts(11, 12);
    UpdateFrame();
    EXPECT_EQ(FirstCalls(kPlayerGates.size()), kPlayerGates) << "the first frame's ped is no change";
    ASSERT_NE(gFrame.tauntPrompt, nullptr);

    test::ClearCalls();
    world().peds[88] = {};
    world().playerPed = 88;
    UpdateFrame();
    Hashes expected = {n::PLAYER_PED_ID, n::UI_PROMPT_DELETE, n::UI_PROMPT_DELETE};
    expected.insert(expected.end(), kPlayerGates.begin() + 1, kPlayerGates.end());
    EXPECT_EQ(FirstCalls(expected.size()), expected);
    EXPECT_EQ(test::Calls()[1].args[0].slot, 11u);
    EXPECT_EQ(test::Calls()[2].args[0].slot, 12u);
    // The same frame goes on to create new prompts for the new ped.
    EXPECT_TRUE(gFrame.promptsCreated);
    ASSERT_NE(gFrame.tauntPrompt, nullptr);
    EXPECT_NE(gFrame.tauntPrompt->handle, 11);
    EXPECT_EQ(sim::TheGame().prompts.count(11), 0u);
    EXPECT_EQ(gFrame.lastPlayerPed, 88);
}

TEST_F(UpdateFrameTest, APlayerPedChangeIsSeenEvenInAFrameThatAGateThenEnds) {
    test::StartPluginInSim();
    UpdateFrame();
    GivePrompts(11, 12);
    world().playerPed = 99;  // a ped that does not exist
    test::ClearCalls();
    UpdateFrame();
    EXPECT_EQ(test::CalledHashes(),
              Hashes({n::PLAYER_PED_ID, n::UI_PROMPT_DELETE, n::UI_PROMPT_DELETE, n::DOES_ENTITY_EXIST}));
    EXPECT_EQ(gFrame.lastPlayerPed, 99);
}

TEST_F(UpdateFrameTest, ScriptMainRunsOneFramePerWaitAndARestartBeginsFresh) {
    sim::ResetGame();
    world().peds[test::kPlayerPed] = {};
    world().playerPed = test::kPlayerPed;
    int module = 0;
    AttachPlugin(&module);
    ASSERT_NE(sim::TheGame().scriptEntry, nullptr);
    ASSERT_NE(sim::TheGame().keyboardHandler, nullptr);
    sim::StartScript();
    sim::RunFrame();
    std::size_t callsPerFrame = test::Calls().size();
    EXPECT_GT(callsPerFrame, kPlayerGates.size());
    sim::RunFrame();
    sim::RunFrame();
    EXPECT_EQ(test::Calls().size(), callsPerFrame + 2 * (callsPerFrame - 20))
        << "prompts are made in the first frame only";
    EXPECT_TRUE(dir.ReadFile("Quillomar.ini").size() > 0);

    PromptRecord* earlierPrompt = gFrame.tauntPrompt.get();
    sim::StartScript();  // the host starts the script again, as after a reload
    sim::RunFrame();
    ASSERT_NE(gFrame.tauntPrompt, nullptr);
    EXPECT_NE(gFrame.tauntPrompt.get(), earlierPrompt) << "a restart creates its prompts anew";
    EXPECT_EQ(gFrame.lastPlayerPed, test::kPlayerPed);
    sim::StopScript();
    DetachPlugin(&module);
    EXPECT_EQ(sim::TheGame().scriptEntry, nullptr);
    EXPECT_EQ(sim::TheGame().keyboardHandler, nullptr);
}

TEST(KeyboardHandler, NotesTheTickAndFlagsOfKeysBelow255Only) {
    sim::ResetGame();
    sim::TheGame().clock.tick = 1234;
    OnKeyboardMessage(65, 1, 30, 0, 1, 0, 1);
    EXPECT_EQ(KeyStateOf(65).tick, 1234u);
    EXPECT_EQ(KeyStateOf(65).isWithAlt, 1);
    EXPECT_EQ(KeyStateOf(65).wasDownBefore, 0);
    EXPECT_EQ(KeyStateOf(65).isUpNow, 1);
    OnKeyboardMessage(254, 1, 0, 0, 0, 1, 0);
    EXPECT_EQ(KeyStateOf(254).wasDownBefore, 1);
    OnKeyboardMessage(255, 1, 0, 0, 1, 1, 1);  // out of the table: ignored
    OnKeyboardMessage(0xFFFFFFFF, 1, 0, 0, 1, 1, 1);
    EXPECT_EQ(KeyStateOf(255).tick, 0u);
}

}  // namespace
}  // namespace quillomar
