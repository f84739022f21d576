#include "frame/debug_overlay.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "config/settings.h"
#include "host/frame_state.h"
#include "host/native_hashes.h"
#include "sim_support.h"
#include "speech/line_catalogue.h"
#include "speech/line_choice.h"
#include "speech/perform_taunt.h"
#include "targeting/taunt_history.h"

namespace quillomar {
namespace {

namespace n = native;

constexpr std::uint32_t kNow = 1000000;
constexpr Ped kPed = 300;
constexpr Hash kJohnModel = 0x00B69710;

std::string NoTargetText(VoiceSet set, const char* fight) {
    char text[512];
    std::snprintf(text, sizeof text, "No target | Total taunts: %d\n%s | Gun:%d Melee:%d\n%s",
                  static_cast<int>(CatalogueRowCount(set)), fight, static_cast<int>(GunfightLines(set).size()),
                  static_cast<int>(MeleeLines(set).size()), "AggroChance:20% | Min:1 Max:2 | TackleChance:50%");
    return text;
}

// "(eligible/total)" of the current voice set's list for the state, against the surroundings.
std::string LineCounts(std::int32_t state, const TargetContext& surroundings) {
    int eligible = 0, total = 0;
    if (const SpeechLines* lines = FindStateLines(CurrentVoiceSet(), state)) {
        total = static_cast<int>(lines->size());
        for (const SpeechLine& line : *lines) eligible += LineMatchesTarget(line, surroundings);
    }
    return "(" + std::to_string(eligible) + "/" + std::to_string(total) + ")";
}

class DebugOverlayTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;
    void SetUp() override {
        test::StartPluginInSim("[Settings]\nDebugMode=1\n");
        sim::TheGame().clock.tick = kNow;
    }
    static sim::World& world() { return sim::TheGame().world; }
    // One frame through the update: the text it drew, or none.
    static std::optional<std::string> Frame() {
        const std::uint32_t before = sim::TheGame().screenTextDraws;
        test::ClearCalls();
        UpdateFrame();
        if (sim::TheGame().screenTextDraws == before) return std::nullopt;
        return sim::TheGame().screenText.text;
    }
    // A ped that fights the player; off the camera's centre line unless placed on it.
    static sim::Ped& Enemy(Ped handle, sim::Vec3 position, bool armed) {
        sim::Ped& ped = world().peds[handle];
        ped.position = position;
        ped.armed = armed;
        ped.fightingPeds = {test::kPlayerPed};
        return ped;
    }
};

TEST_F(DebugOverlayTest, WithNoPedFoundTellsTheFightAndCanCbtByTheCooldownOfItsMode) {
    struct Case {
        const char* what;
        std::int32_t gunfightCooldown, meleeCooldown;
        bool gunfight;
        const char* fight;
    } cases[] = {
        {"no fight: the melee cooldown, just passed", 0, kNow, false, "Combat: None | Hostiles:0 Law:0 CanCbt:1"},
        {"no fight: the melee cooldown, 1 ms short", 0, kNow + 1, false, "Combat: None | Hostiles:0 Law:0 CanCbt:0"},
        {"no fight: a negative cooldown never passes", 0, -1, false, "Combat: None | Hostiles:0 Law:0 CanCbt:0"},
        {"gunfight: its own cooldown", kNow + 1, 0, true, "Combat: Gunfight | Hostiles:2 Law:1 CanCbt:0"},
        {"gunfight: its own cooldown, passed", kNow, INT_MAX, true, "Combat: Gunfight | Hostiles:2 Law:1 CanCbt:1"},
    };
    for (const Case& c : cases) {
        world().peds.erase(401);
        world().peds.erase(402);
        if (c.gunfight) {
            Enemy(401, {3, 0, 0}, true).pedType = 4;  // a lawman
            Enemy(402, {-3, 0, 0}, false);
        }
        gSettings.gunfightCooldown = c.gunfightCooldown;
        gSettings.meleeCooldown = c.meleeCooldown;
        EXPECT_EQ(Frame(), NoTargetText(VoiceSet::Arthur, c.fight)) << c.what;
    }
    // Drawn as a literal game text at (0.01, 0.01).
    const auto& calls = test::Calls();
    ASSERT_GE(calls.size(), 2u);
    const sim::RecordedCall& made = calls[calls.size() - 2];
    const sim::RecordedCall& drawn = calls.back();
    ASSERT_EQ(made.hash, n::VAR_STRING);
    EXPECT_EQ(made.args[0].slot, 10u);
    EXPECT_EQ(made.args[1].text, "LITERAL_STRING");
    EXPECT_EQ(made.args[2].text, sim::TheGame().screenText.text);
    ASSERT_EQ(drawn.hash, n::BG_DISPLAY_TEXT);
    EXPECT_EQ(drawn.args[0].slot, made.results[0]);
    EXPECT_EQ(drawn.args[1].slot, 0x3C23D70Au);
    EXPECT_EQ(drawn.args[2].slot, 0x3C23D70Au);
    EXPECT_EQ(sim::TheGame().screenText.x, 0.01f);
    EXPECT_EQ(sim::TheGame().screenText.y, 0.01f);
}

TEST_F(DebugOverlayTest, DescribesTheFoundPedWithValuesGatheredInOrder) {
    sim::Ped& ped = world().peds[kPed];
    ped.position = {0, 6, 0};  // under the camera's centre
    ped.male = false;
    ped.writhing = ped.ragdoll = true;
    ped.health = 57;
    ped.maxHealth = 150;
    ped.pedType = 4;
    ped.relationshipGroup = 0xD1A5C020;
    ped.relationshipToPlayer = 4;
    ped.fightingPeds = {test::kPlayerPed};
    world().peds[310].position = {5, 0, 0};
    world().peds[311].position = {0, -5, 0};
    world().peds[311].dead = true;
    TargetContext surroundings{test::kPlayerPed, kPed, true, false, true, true, 1, 1};
    const std::string expected = "Target: 300 | State: Writhing " + LineCounts(2, surroundings) +
                                 " | CanTaunt:%d\n"
                                 "Dead:0 Writh:1 Fatal:0 Incap:0 Rag:1 Flee:0 Cbt:1\n"
                                 "Female:1 Gang:1 Peds:1 Dead:1 | HP:57/150\n"
                                 "PedType:4 RelGroup:0xD1A5C020 | Combat:Melee Host:1 Law:1";
    for (int canTaunt : {1, 0}) {
        char text[512];
        std::snprintf(text, sizeof text, expected.c_str(), canTaunt);
        EXPECT_EQ(Frame(), text);
        if (canTaunt == 1) RecordTaunt(kPed);
    }
    // What the frame has not asked yet about the ped is asked in the order the text gives; the
    // rest, and the may-taunt rule's answers, the frame already knows.
    const std::vector<std::uint64_t> tail = {
        n::IS_PED_FATALLY_INJURED, n::IS_PED_INCAPACITATED,  n::IS_PED_RAGDOLL, n::IS_PED_FLEEING,
        n::GET_ENTITY_HEALTH,      n::GET_ENTITY_MAX_HEALTH, n::VAR_STRING,     n::BG_DISPLAY_TEXT};
    const auto& calls = test::Calls();
    ASSERT_GE(calls.size(), tail.size());
    const std::size_t first = calls.size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i) {
        EXPECT_EQ(calls[first + i].hash, tail[i]) << i;
        if (i < 6) {
            EXPECT_EQ(calls[first + i].args[0].slot, static_cast<std::uint64_t>(kPed)) << i;
        }
    }
    EXPECT_EQ(calls[first + 5].args[1].slot, 0u);
}

TEST_F(DebugOverlayTest, AStateWithoutAListShowsNoLinesInEitherVoiceSet) {
    sim::Ped& ped = Enemy(kPed, {0, 6, 0}, true);  // merely fighting: Combat
    for (VoiceSet set : {VoiceSet::Arthur, VoiceSet::John}) {
        world().peds[test::kPlayerPed].model = set == VoiceSet::John ? kJohnModel : 0;
        sim::TheGame().clock.tick += 5000;
        RefreshVoiceSet(test::kPlayerPed);
        ASSERT_EQ(CurrentVoiceSet(), set);
        ped.human = true;
        std::optional<std::string> text = Frame();
        ASSERT_TRUE(text);
        EXPECT_EQ(text->substr(0, text->find('\n')), "Target: 300 | State: Combat (0/0) | CanTaunt:1");
        ped.human = false;  // out of reach: None
        text = Frame();
        ASSERT_TRUE(text);
        EXPECT_EQ(text->substr(0, text->find('\n')), "Target: 300 | State: None (0/0) | CanTaunt:1");
    }
    world().peds.erase(kPed);
    EXPECT_EQ(Frame(), NoTargetText(VoiceSet::John, "Combat: None | Hostiles:0 Law:0 CanCbt:1"));
    EXPECT_NE(CatalogueRowCount(VoiceSet::John), CatalogueRowCount(VoiceSet::Arthur));
}

TEST_F(DebugOverlayTest, SearchesItsPedWithoutTheAimingRequirement) {
    gSettings.requireAiming = true;
    world().peds[kPed].position = {4, 4, 0};  // off the camera's centre
    world().peds[kPed].fleeing = true;
    world().focusEntity = kPed;
    std::optional<std::string> text = Frame();
    EXPECT_EQ(gFrame.target, 0) << "the frame's search requires aiming";
    ASSERT_TRUE(text);
    EXPECT_EQ(text->rfind("Target: 300 | State: Fleeing", 0), 0u) << *text;
}

TEST_F(DebugOverlayTest, DrawsNothingWhenAGateEndsTheFrameOrDebugModeIsOff) {
    struct Case {
        const char* what;
        void (*arrange)();
    } cases[] = {
        {"debug mode off", [] { gSettings.debugMode = false; }},
        {"plug-in disabled", [] { gSettings.enabled = false; }},
        {"mission",
         [] {
             gSettings.enabledInMissions = false;
             world().missionActive = true;
         }},
        {"player ragdolling", [] { world().peds[test::kPlayerPed].ragdoll = true; }},
        {"player dead", [] { world().peds[test::kPlayerPed].dead = true; }},
    };
    for (const Case& c : cases) {
        test::StartPluginInSim("[Settings]\nDebugMode=1\n");
        ASSERT_TRUE(Frame()) << c.what;
        c.arrange();
        EXPECT_FALSE(Frame()) << c.what;
        for (const sim::RecordedCall& call : test::Calls()) EXPECT_NE(call.hash, n::VAR_STRING) << c.what;
    }
}

TEST_F(DebugOverlayTest, DrawingMakesNoHeapAllocation) {
    world().peds[kPed].position = {0, 6, 0};
    world().peds[kPed].dead = true;
    Enemy(401, {3, 0, 0}, true);
    for (int i = 0; i < 3; ++i) UpdateFrame();
    test::PlugInAllocationsOnly onlyThePlugIn;
    const std::size_t before = test::Allocations();
    for (int i = 0; i < 50; ++i) {
        world().focusEntity = 0;
        world().peds[kPed].position = {0, i % 2 == 0 ? 6.0f : -6.0f, 0};  // found, then not
        DrawDebugOverlay(gFrame);
    }
    EXPECT_EQ(test::Allocations() - before, 0u);
}

}  // namespace
}  // namespace quillomar
