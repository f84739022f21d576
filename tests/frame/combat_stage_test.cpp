#include "frame/combat_stage.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "combat/aggression.h"
#include "host/frame_state.h"
#include "host/native_hashes.h"
#include "host/random.h"
#include "recorded_calls.h"
#include "sim_support.h"
#include "speech/perform_taunt.h"

namespace quillomar {
namespace {

namespace n = native;
using test::Call;

constexpr Ped kPlayer = test::kPlayerPed;
constexpr Ped kEnemy = 201;
constexpr Ped kBystander = 300;
constexpr std::uint32_t kStart = 100000;
constexpr std::uint32_t kTauntControl = 0xDFF812F9;

// The settings of section CombatTaunts with the given lines; of the combat taunt's rules, those
// the lines do not set are off.
std::string CombatRules(const std::string& lines) {
    std::string ini = "[CombatTaunts]\n" + lines;
    for (const char* rule : {"CombatTauntRequireTarget", "CombatTauntRequireStationary", "MeleeMinDistance"}) {
        if (lines.find(std::string(rule) + "=") == std::string::npos) ini += std::string(rule) + "=0\n";
    }
    return ini;
}

class CombatStageTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;

    // A gunfight: the player and one enemy 10 m ahead, both with firearms, the player aiming at it.
    void Start(const std::string& ini) {
        test::StartPluginInSim(ini);
        Player().position = {0.0f, 0.0f, 0.0f};
        Player().armed = true;
        sim::Ped& enemy = PedAt(kEnemy);
        enemy.position = {0.0f, 10.0f, 0.0f};
        enemy.armed = true;
        enemy.fightingPeds = {kPlayer};
        World().freeAimEntity = kEnemy;
    }
    // A fistfight instead: nobody holds a firearm.
    void MakeItAFistfight() {
        Player().armed = false;
        PedAt(kEnemy).armed = false;
    }
    static sim::World& World() { return sim::TheGame().world; }
    static sim::Ped& PedAt(Ped handle) { return World().peds[handle]; }
    static sim::Ped& Player() { return PedAt(kPlayer); }
    static void Frame(std::uint32_t tick, bool press = false) {
        sim::TheGame().clock.tick = tick;
        sim::TheGame().pressedControl = press ? kTauntControl : 0;
        test::ClearCalls();
        UpdateFrame();
        sim::TheGame().pressedControl = 0;
    }
    static bool CombatPromptShown() {
        return gFrame.combatPrompt != nullptr && sim::TheGame().prompts[gFrame.combatPrompt->handle].visible;
    }
    static bool TauntPromptShown() {
        return gFrame.tauntPrompt != nullptr && sim::TheGame().prompts[gFrame.tauntPrompt->handle].visible;
    }
    static std::size_t CallsOf(std::uint64_t hash) { return test::RecordedCallsOf({hash}).size(); }
    static bool Spoke() { return CallsOf(n::PLAY_PED_AMBIENT_SPEECH_NATIVE) == 1; }
};

// The combat refresh

TEST_F(CombatStageTest, TheRefreshAdvancesProvokedPedsBeforeItRebuildsTheContext) {
    Start(CombatRules(""));
    Frame(kStart);
    ProvokeEnemies(*gFrame.combatContext, 100, 1, 1, 0);
    Frame(kStart + 33);
    std::vector<Call> calls = test::RecordedCalls();
    ASSERT_GT(calls.size(), 13u);
    std::vector<Call> afterGates(calls.begin() + 7, calls.begin() + 12);
    std::vector<Call> expected = {
        {n::DOES_ENTITY_EXIST, {kEnemy}},       {n::IS_ENTITY_DEAD, {kEnemy}},
        {n::GET_ENTITY_COORDS, {kEnemy, 1, 0}}, {n::GET_ENTITY_COORDS, {kPlayer, 1, 0}},
        {n::GET_ENTITY_HEALTH, {kPlayer}},
    };
    EXPECT_EQ(afterGates, expected);

    // Once engaged, the watch passes the grappler by and the hand-over, after it, releases it.
    PedAt(kEnemy).position = {0.0f, 1.0f, 0.0f};
    Frame(kStart + 66);
    ASSERT_TRUE(ProvokedPeds()[0].engaged);
    Frame(kStart + 66 + 1500);
    calls = test::RecordedCalls();
    ASSERT_GT(calls.size(), 12u);
    afterGates.assign(calls.begin() + 7, calls.begin() + 12);
    expected = {
        {n::DOES_ENTITY_EXIST, {kEnemy}},
        {n::IS_ENTITY_DEAD, {kEnemy}},
        {n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, {kEnemy, 0}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {kEnemy, 52, 1}},
        {n::TASK_COMBAT_PED, {kEnemy, kPlayer, 0, 0}},
    };
    EXPECT_EQ(afterGates, expected);
}

TEST_F(CombatStageTest, ProvokedPedsAreStillWatchedWithTheEffectOrCombatTauntsOff) {
    for (const char* ini : {"AggressionEffectEnabled=0\n", "Enabled=0\n"}) {
        Start(CombatRules(ini));
        PedAt(kEnemy).position = {0.0f, 1.0f, 0.0f};
        Frame(kStart);
        ProvokeEnemies(*gFrame.combatContext, 100, 1, 1, 100);
        Frame(kStart + 33);
        EXPECT_EQ(CallsOf(n::TASK_GRAPPLE), 1u) << ini;
        Frame(kStart + 33 + 1500);
        EXPECT_EQ(test::RecordedCallsOf({n::TASK_COMBAT_PED}),
                  std::vector<Call>({{n::TASK_COMBAT_PED, {kEnemy, kPlayer, 0, 0}}}))
            << ini;
        EXPECT_TRUE(ProvokedPeds().empty()) << ini;
    }
}

TEST_F(CombatStageTest, CombatTauntsApplyOnlyInAFightTheSettingsAllow) {
    struct Case {
        const char* ini;
        bool fistfight;
        bool combatActive;
    } cases[] = {
        {"", false, true},
        {"", true, true},
        {"MeleeTauntsEnabled=0\n", true, false},
        {"MeleeTauntsEnabled=0\n", false, true},
        {"Enabled=0\n", false, false},
    };
    for (const Case& c : cases) {
        Start(CombatRules(c.ini));
        if (c.fistfight) MakeItAFistfight();
        Frame(kStart);
        EXPECT_EQ(gFrame.combatActive, c.combatActive) << c.ini << (c.fistfight ? " fistfight" : " gunfight");
        // Without combat taunts the frame takes branch C: both prompts hidden, none polled.
        EXPECT_EQ(CombatPromptShown(), c.combatActive) << c.ini;
        EXPECT_FALSE(TauntPromptShown());
        EXPECT_EQ(CallsOf(n::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED), c.combatActive ? 1u : 0u) << c.ini;
    }
}

// Branch B

TEST_F(CombatStageTest, TheBranchForgetsTheTargetHidesTheTauntPromptAndOffersTheCombatPrompt) {
    Start(CombatRules(""));
    Frame(kStart);
    gFrame.target = 5;
    gFrame.targetState = PedState::Dead;
    gFrame.prevTarget = 6;
    gFrame.prevState = PedState::Fleeing;
    Frame(kStart + 33);
    EXPECT_EQ(gFrame.target, 0);
    EXPECT_EQ(gFrame.targetState, PedState::None);
    EXPECT_EQ(gFrame.prevTarget, 0);
    EXPECT_EQ(gFrame.prevState, PedState::None);

    std::uint64_t taunt = static_cast<std::uint64_t>(gFrame.tauntPrompt->handle);
    std::uint64_t combat = static_cast<std::uint64_t>(gFrame.combatPrompt->handle);
    std::vector<Call> expected = {
        {n::UI_PROMPT_SET_ENABLED, {taunt, 0}},
        {n::UI_PROMPT_SET_VISIBLE, {taunt, 0}},
        {n::UI_PROMPT_SET_ENABLED, {taunt, 0}},
        {n::UI_PROMPT_SET_VISIBLE, {taunt, 0}},
        {n::UI_PROMPT_SET_ENABLED, {combat, 1}},
        {n::UI_PROMPT_SET_VISIBLE, {combat, 1}},
        {n::UI_PROMPT_SET_ENABLED, {combat, 1}},
        {n::UI_PROMPT_SET_VISIBLE, {combat, 1}},
        {n::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED, {combat, 0}},
    };
    std::vector<Call> calls = test::RecordedCalls();
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(std::vector<Call>(calls.end() - static_cast<std::ptrdiff_t>(expected.size()), calls.end()), expected);
}

TEST_F(CombatStageTest, TheCooldownOfTheFightsKindCountsFromTheLastSpokenCombatTaunt) {
    struct Case {
        const char* what;
        std::string ini;
        bool fistfight;
        bool tauntFirst;  // a combat taunt is spoken at tauntAt
        std::uint32_t tauntAt;
        std::uint32_t now;
        bool offered;
    } cases[] = {
        {"gunfight, 1 ms short", "GunfightCooldown=15000\n", false, true, kStart, kStart + 14999, false},
        {"gunfight, just over", "GunfightCooldown=15000\n", false, true, kStart, kStart + 15000, true},
        {"fistfight uses its own", "GunfightCooldown=60000\nMeleeCooldown=5000\n", true, true, kStart, kStart + 5000,
         true},
        {"fistfight, 1 ms short", "GunfightCooldown=0\nMeleeCooldown=5000\n", true, true, kStart, kStart + 4999, false},
        {"across the wrap, just over", "GunfightCooldown=4352\n", false, true, 0xFFFFF000u, 0x100u, true},
        {"across the wrap, 1 ms short", "GunfightCooldown=4353\n", false, true, 0xFFFFF000u, 0x100u, false},
        {"none yet: offered once the tick reaches it", "GunfightCooldown=15000\n", false, false, 0, 15000, true},
        {"none yet, 1 ms before", "GunfightCooldown=15000\n", false, false, 0, 14999, false},
        {"-1 is never over", "GunfightCooldown=-1\n", false, false, 0, kStart, false},
        {"-1 after a taunt", "GunfightCooldown=-1\n", false, true, kStart, kStart + 0x7FFFFFFFu, false},
        {"-15000", "GunfightCooldown=-15000\n", false, false, 0, 0x7FFFFFFFu, false},
        {"INT_MIN", "GunfightCooldown=-2147483648\n", false, false, 0, 0x7FFFFFFFu, false},
        {"negative melee", "GunfightCooldown=0\nMeleeCooldown=-1\n", true, false, 0, kStart, false},
    };
    for (const Case& c : cases) {
        Start(CombatRules(c.ini));
        if (c.fistfight) MakeItAFistfight();
        if (c.tauntFirst) {
            // A frame builds the fight's context; the taunt is spoken outside the prompt's rules.
            Frame(c.tauntAt);
            ASSERT_TRUE(PerformCombatTaunt(*gFrame.combatContext, kPlayer)) << c.what;
            ASSERT_EQ(LastCombatTauntTick(), c.tauntAt) << c.what;
        }
        Frame(c.now);
        EXPECT_EQ(CombatPromptShown(), c.offered) << c.what;
        EXPECT_EQ(CallsOf(n::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED), c.offered ? 1u : 0u) << c.what;
    }
}

TEST_F(CombatStageTest, InAFistfightTheNearestExistingEnemyMustBeAtLeastMeleeMinDistanceAway) {
    struct Case {
        const char* what;
        float minDistance;
        CombatMode mode;
        std::vector<std::pair<Ped, float>> hostiles;  // a distance below 0: the ped does not exist
        bool offered;
        std::size_t distanceQueries;  // GET_ENTITY_COORDS calls, two per existing ped
    } cases[] = {
        {"equal passes", 3.0f, CombatMode::Melee, {{201, 3.0f}}, true, 2},
        {"closer is held back", 3.0f, CombatMode::Melee, {{201, 2.99f}}, false, 2},
        {"the nearest counts", 3.0f, CombatMode::Melee, {{201, 10.0f}, {202, 2.0f}}, false, 4},
        {"a vanished ped counts as 999 m", 3.0f, CombatMode::Melee, {{203, -1.0f}}, true, 0},
        {"999 m is still too close for 999.5", 999.5f, CombatMode::Melee, {{203, -1.0f}}, false, 0},
        {"no enemy at all: 999 m", 999.0f, CombatMode::Melee, {}, true, 0},
        {"0 switches the test off", 0.0f, CombatMode::Melee, {{201, 0.5f}}, true, 0},
        {"a negative value switches it off", -1.0f, CombatMode::Melee, {{201, 0.5f}}, true, 0},
        {"gunfights have no such test", 3.0f, CombatMode::Gunfight, {{201, 0.5f}}, true, 0},
    };
    for (const Case& c : cases) {
        Start(CombatRules("MeleeMinDistance=" + std::to_string(c.minDistance) + "\n"));
        Frame(kStart);
        CombatContext& combat = *gFrame.combatContext;
        combat.mode = c.mode;
        combat.hostilePeds.clear();
        for (auto [ped, distance] : c.hostiles) {
            combat.hostilePeds.push_back(ped);
            if (distance >= 0.0f) PedAt(ped).position = {0.0f, distance, 0.0f};
        }
        combat.hostileCount = static_cast<std::int32_t>(combat.hostilePeds.size());
        HidePrompt(gFrame.combatPrompt.get());
        test::ClearCalls();
        RunCombatBranch(gFrame);
        EXPECT_EQ(CombatPromptShown(), c.offered) << c.what;
        EXPECT_EQ(CallsOf(n::GET_ENTITY_COORDS), c.distanceQueries) << c.what;
    }
}

TEST_F(CombatStageTest, TheStationaryRuleAllowsUpToHalfAMetrePerSecond) {
    struct Case {
        bool required;
        float speed;
        bool offered;
    } cases[] = {{true, 0.5f, true}, {true, 0.51f, false}, {true, 0.0f, true}, {false, 7.0f, true}};
    for (const Case& c : cases) {
        Start(CombatRules(std::string("CombatTauntRequireStationary=") + (c.required ? "1" : "0") + "\n"));
        Player().speed = c.speed;
        Frame(kStart);
        EXPECT_EQ(CombatPromptShown(), c.offered) << c.speed;
        EXPECT_EQ(CallsOf(n::GET_ENTITY_SPEED), c.required ? 1u : 0u) << "the speed is asked only when it matters";
    }
}

TEST_F(CombatStageTest, OutOfCoverThePlayerMustAimAtAnEnemy) {
    struct Case {
        const char* what;
        bool required, inCover;
        Ped aimedAt;
        bool offered;
    } cases[] = {
        {"aiming at the enemy", true, false, kEnemy, true},
        {"aiming at nothing", true, false, 0, false},
        {"aiming at a bystander", true, false, kBystander, false},
        {"in cover, aiming at nothing", true, true, 0, true},
        {"the rule off", false, false, 0, true},
    };
    for (const Case& c : cases) {
        Start(CombatRules(std::string("CombatTauntRequireTarget=") + (c.required ? "1" : "0") + "\n"));
        PedAt(kEnemy).position = {5.0f, 10.0f, 0.0f};  // off the camera's line
        PedAt(kBystander).position = {-5.0f, 10.0f, 0.0f};
        Player().inCover = c.inCover;
        World().freeAimEntity = c.aimedAt;
        Frame(kStart);
        EXPECT_EQ(CombatPromptShown(), c.offered) << c.what;
        bool searched = c.required && !c.inCover;
        // The target stage searches once; the aiming rule once more, only out of cover.
        EXPECT_EQ(CallsOf(n::GET_ENTITY_PLAYER_IS_FREE_AIMING_AT), searched ? 2u : 1u) << c.what;
        EXPECT_EQ(CallsOf(n::IS_PED_IN_COVER), c.required ? 1u : 0u) << c.what;
    }
}

// The combat taunt

TEST_F(CombatStageTest, AUsedPromptSpeaksALineAndThenProvokesTheEnemies) {
    Start(CombatRules("AggressionChance=100\nAggressionMinPeds=1\nAggressionMaxPeds=1\nTackleChance=0\n"));
    Frame(kStart);
    Frame(kStart + 33, true);
    ASSERT_TRUE(Spoke());
    EXPECT_EQ(LastCombatTauntTick(), kStart + 33);
    std::vector<std::uint64_t> order;
    for (const Call& call : test::RecordedCalls()) {
        if (call.hash == n::PLAY_PED_AMBIENT_SPEECH_NATIVE || call.hash == n::CLEAR_PED_TASKS_IMMEDIATELY)
            order.push_back(call.hash);
    }
    EXPECT_EQ(order, std::vector<std::uint64_t>({n::PLAY_PED_AMBIENT_SPEECH_NATIVE, n::CLEAR_PED_TASKS_IMMEDIATELY}));
    ASSERT_EQ(ProvokedPeds().size(), 1u);
    EXPECT_EQ(ProvokedPeds()[0].ped, kEnemy);
    EXPECT_EQ(ProvokedPeds()[0].kind, ProvokeKind::StandingGrapple);

    // The cooldown now holds the prompt back.
    Frame(kStart + 66);
    EXPECT_FALSE(CombatPromptShown());
}

TEST_F(CombatStageTest, WithTheEffectOffASpokenTauntMakesNoDrawOfTheEffect) {
    // The same taunt twice from the same seed: the effect on with chance 0 makes exactly one
    // draw more than the effect off.
    auto nextDrawsAfterTaunt = [this](const std::string& effect) {
        Start(CombatRules(effect));
        Frame(kStart);
        SeedRandom(4242);
        Frame(kStart + 33, true);
        EXPECT_TRUE(Spoke()) << effect;
        EXPECT_EQ(CallsOf(n::CLEAR_PED_TASKS_IMMEDIATELY), 0u) << effect;
        std::int32_t first = Rand();
        return std::pair{first, Rand()};
    };
    auto off = nextDrawsAfterTaunt("AggressionEffectEnabled=0\nAggressionChance=100\n");
    auto on = nextDrawsAfterTaunt("AggressionEffectEnabled=1\nAggressionChance=0\n");
    EXPECT_EQ(on.first, off.second);
}

TEST_F(CombatStageTest, ARefusedLineLeavesTheCooldownAndProvokesNobody) {
    Start(CombatRules("AggressionChance=100\n"));
    Frame(kStart);
    World().speechRefused = true;
    Frame(kStart + 33, true);
    EXPECT_EQ(CallsOf(n::PLAY_PED_AMBIENT_SPEECH_NATIVE), 1u);
    EXPECT_EQ(LastCombatTauntTick(), 0u);
    EXPECT_TRUE(ProvokedPeds().empty());
    EXPECT_EQ(CallsOf(n::CLEAR_PED_TASKS_IMMEDIATELY), 0u);
    Frame(kStart + 66);
    EXPECT_TRUE(CombatPromptShown()) << "offered again in the next frame";
}

TEST_F(CombatStageTest, WithAutomaticCombatTauntsThePromptIsNeverOffered) {
    Start(CombatRules("") + "[AutoCombatTaunt]\nEnabled=1\n");
    Frame(kStart);
    EXPECT_FALSE(CombatPromptShown());
    Frame(kStart + 33, true);
    EXPECT_FALSE(CombatPromptShown());
    std::uint64_t combat = static_cast<std::uint64_t>(gFrame.combatPrompt->handle);
    EXPECT_TRUE(test::RecordedCallsOf({n::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED}).empty());
    for (const Call& call : test::RecordedCallsOf({n::UI_PROMPT_SET_VISIBLE})) {
        if (call.slots[0] == combat) {
            EXPECT_EQ(call.slots[1], 0u);
        }
    }
}

}  // namespace
}  // namespace quillomar
