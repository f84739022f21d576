#include "frame/auto_taunt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "combat/aggression.h"
#include "config/settings.h"
#include "draws.h"
#include "host/frame_state.h"
#include "host/random.h"
#include "sim_support.h"
#include "speech/line_catalogue.h"
#include "speech/line_choice.h"
#include "targeting/taunt_history.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kNow = 1000000;
constexpr Ped kPed = 300;

using test::Draws;

Draws Seed(std::uint32_t seed) {
    SeedRandom(seed);
    return Draws{seed};
}

int SpokenLines() {
    const auto& events = sim::TheGame().events;
    return static_cast<int>(
        std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("said ", 0) == 0; }));
}

// How many draws a line choice from the list makes: two when both pools have fitting rows.
template <typename Context>
int LineDraws(const SpeechLines& list, const Context& context) {
    bool generic = false, specific = false;
    for (const SpeechLine& line : list) {
        bool fits;
        if constexpr (std::is_same_v<Context, TargetContext>) {
            fits = LineMatchesTarget(line, context);
        } else {
            fits = LineMatchesCombat(line, context);
        }
        (line.generic ? generic : specific) |= fits;
    }
    return generic + specific == 2 ? 2 : generic + specific;
}

// The frame as branch A (or B) leaves it just before the step: the timer armed and due, the
// target writhing at kPed and seen for the first time.
class AutoTauntTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;
    void SetUp() override {
        test::StartPluginInSim();
        world().peds[kPed].writhing = true;
        sim::TheGame().clock.tick = kNow;
        gSettings.chanceDead = gSettings.chanceWrithing = gSettings.chanceFatallyInjured = 100;
        gSettings.chanceIncapacitated = gSettings.chanceRagdollHurt = gSettings.chanceFleeing = 100;
        gFrame.playerPed = test::kPlayerPed;
        gFrame.autoTauntArmed = gFrame.autoCombatArmed = true;
        gFrame.autoTauntDue = gFrame.autoCombatDue = kNow;
        Accept(kPed, PedState::Writhing);
    }
    static sim::World& world() { return sim::TheGame().world; }
    static void Accept(Ped ped, PedState state) {
        gFrame.target = ped;
        gFrame.targetState = state;
    }
    static void Delays(std::int32_t minSeconds, std::int32_t maxSeconds) {
        gSettings.autoTauntIntervalMin = gSettings.autoCombatIntervalMin = minSeconds;
        gSettings.autoTauntIntervalMax = gSettings.autoCombatIntervalMax = maxSeconds;
    }
    // A gunfight with one armed enemy, as the combat refresh builds it.
    static void StartGunfight() {
        sim::Ped& enemy = world().peds[400];
        enemy.position = {0, 10, 0};
        enemy.armed = true;
        enemy.fightingPeds = {test::kPlayerPed};
        gFrame.combatContext = std::make_unique<CombatContext>();
        BuildCombatContext(*gFrame.combatContext, test::kPlayerPed, 0);
    }
};

TEST_F(AutoTauntTest, ArmsWithOneDrawOfItsIntervalPairAndHoldsOversizedSettingsTo32Bits) {
    using Expect = std::int64_t (*)(std::int64_t r);
    struct Case {
        std::int32_t min, max;
        Expect delayMs;
    } cases[] = {
        {3, 8, [](std::int64_t r) { return 3000 + r % 5001; }},
        {8, 3, [](std::int64_t) -> std::int64_t { return 3000; }},  // min above max: exactly max
        {5, 5, [](std::int64_t) -> std::int64_t { return 5000; }},
        {0, 100, [](std::int64_t r) { return r; }},  // wider than 32767 ms: lo plus the draw
        {-5, 3, [](std::int64_t r) { return -5000 + r % 8001; }},
        {-2147483, 2147483, [](std::int64_t r) { return -2147483000 + r; }},  // the range alone is too wide
        // Beyond 32 bits: held to the nearest delay that fits.
        {INT_MAX, INT_MAX, [](std::int64_t) -> std::int64_t { return INT_MAX; }},
        {INT_MIN, INT_MIN, [](std::int64_t) -> std::int64_t { return INT_MIN; }},
        {INT_MIN, INT_MAX, [](std::int64_t) -> std::int64_t { return INT_MIN; }},
        {1, INT_MAX, [](std::int64_t r) { return 1000 + r; }},
        {INT_MAX, 1, [](std::int64_t) -> std::int64_t { return 1000; }},
        {2147483, 2147484, [](std::int64_t r) { return std::min<std::int64_t>(2147483000 + r % 1001, INT_MAX); }},
        {-2147484, -2147483, [](std::int64_t r) { return std::max<std::int64_t>(-2147484000 + r % 1001, INT_MIN); }},
    };
    for (const Case& c : cases) {
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            Delays(c.min, c.max);
            gFrame.autoTauntArmed = false;
            gFrame.prevTarget = kPed;  // no change: the step only arms
            gFrame.prevState = PedState::Writhing;
            Draws draws = Seed(seed);
            RunAutoTaunt(gFrame);
            const auto delay = static_cast<std::uint32_t>(c.delayMs(draws.Next()));
            ASSERT_EQ(gFrame.autoTauntDue, kNow + delay) << c.min << ".." << c.max << " seed " << seed;
            ASSERT_TRUE(gFrame.autoTauntArmed);
            ASSERT_EQ(Rand(), draws.Next()) << "one draw only";
        }
    }
}

TEST_F(AutoTauntTest, TheCombatTimerArmsFromItsOwnPairWithoutATauntWhileNotDue) {
    gSettings.autoTauntIntervalMin = gSettings.autoTauntIntervalMax = 1;
    gSettings.autoCombatIntervalMin = gSettings.autoCombatIntervalMax = 7;
    StartGunfight();
    gFrame.autoCombatArmed = false;
    Draws draws = Seed(5);
    RunAutoCombatTaunt(gFrame);
    EXPECT_EQ(gFrame.autoCombatDue, kNow + 7000);
    EXPECT_EQ(SpokenLines(), 0);
    EXPECT_EQ(Rand(), draws.Skip(2));
}

TEST_F(AutoTauntTest, ATimerArmedJustBeforeTheTickCountWrapsWaitsItsDelayAcrossTheWrap) {
    Delays(8, 8);
    StartGunfight();
    struct Case {
        std::uint32_t armedAt;
        std::int32_t delaySeconds;
    } cases[] = {{0xFFFFF000u, 8}, {0xFFFFFFFFu, 8}, {0x00000100u, -1}};
    for (const Case& c : cases) {
        Delays(c.delaySeconds, c.delaySeconds);
        sim::TheGame().clock.tick = c.armedAt;
        gFrame.autoCombatArmed = false;
        sim::TheGame().events.clear();
        RunAutoCombatTaunt(gFrame);
        if (c.delaySeconds < 0) {  // a negative interval is no wait, also when it reaches back past 0
            EXPECT_EQ(SpokenLines(), 1) << c.armedAt;
            continue;
        }
        EXPECT_EQ(SpokenLines(), 0) << c.armedAt;
        sim::TheGame().clock.tick = c.armedAt + 7999u;
        RunAutoCombatTaunt(gFrame);
        EXPECT_EQ(SpokenLines(), 0) << c.armedAt;
        sim::TheGame().clock.tick = c.armedAt + 8000u;
        RunAutoCombatTaunt(gFrame);
        EXPECT_EQ(SpokenLines(), 1) << c.armedAt;
    }
}

TEST_F(AutoTauntTest, FiresOnlyForANewTargetOrStateOnceDueAndOnlyForTheSixTauntableStates) {
    struct Case {
        const char* what;
        Ped prevTarget;
        PedState prevState, state;
        std::uint32_t due;
        bool fires;
    } cases[] = {
        {"same target, same state", kPed, PedState::Writhing, PedState::Writhing, kNow, false},
        {"a new target", 301, PedState::Writhing, PedState::Writhing, kNow, true},
        {"a new state", kPed, PedState::Fleeing, PedState::Writhing, kNow, true},
        {"after branch B or C", 0, PedState::None, PedState::Writhing, kNow, true},
        {"one millisecond early", 0, PedState::None, PedState::Writhing, kNow + 1, false},
        {"UnharmedPassive", 0, PedState::None, PedState::UnharmedPassive, kNow, false},
        {"Combat", 0, PedState::None, PedState::Combat, kNow, false},
        {"None", 0, PedState::None, PedState::None, kNow, false},
    };
    for (const Case& c : cases) {
        sim::TheGame().events.clear();
        Accept(kPed, c.state);
        gFrame.prevTarget = c.prevTarget;
        gFrame.prevState = c.prevState;
        gFrame.autoTauntDue = c.due;
        Draws draws = Seed(9);
        RunAutoTaunt(gFrame);
        EXPECT_EQ(SpokenLines(), c.fires ? 1 : 0) << c.what;
        if (!c.fires) {
            EXPECT_EQ(Rand(), draws.Next()) << c.what << ": no draw";
        }
    }
}

TEST_F(AutoTauntTest, EachStateTakesItsOwnChanceAndZeroOrLessMakesNoDraw) {
    std::int32_t* chances[] = {&gSettings.chanceDead,           &gSettings.chanceWrithing,
                               &gSettings.chanceFatallyInjured, &gSettings.chanceIncapacitated,
                               &gSettings.chanceRagdollHurt,    &gSettings.chanceFleeing};
    for (std::int32_t state = 1; state <= 6; ++state) {
        for (std::int32_t chance : {100, 250, 50, 0, -7}) {
            for (std::uint32_t seed = 0; seed < 40; ++seed) {
                for (std::int32_t* setting : chances) *setting = setting == chances[state - 1] ? chance : 0;
                sim::TheGame().events.clear();
                Accept(kPed, static_cast<PedState>(state));
                gFrame.autoTauntDue = kNow;
                Draws draws = Seed(seed);
                RunAutoTaunt(gFrame);
                const bool fires = chance > 0 && draws.Next() % 100 < chance;
                ASSERT_EQ(SpokenLines(), fires ? 1 : 0) << "state " << state << ", chance " << chance;
                if (chance <= 0) {
                    ASSERT_EQ(Rand(), draws.Next()) << "no draw at chance " << chance;
                }
            }
        }
    }
}

TEST_F(AutoTauntTest, DrawsTheArmingDelayTheChanceTheLineThenTheNewDelay) {
    Delays(-9, -2);  // already due when armed, and the due time shows which draw made it
    gSettings.chanceWrithing = 50;
    const int lineDraws = LineDraws(*FindStateLines(VoiceSet::Arthur, 2), TargetContext{});
    ASSERT_EQ(lineDraws, 2);
    int fired = 0;
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
        gFrame.autoTauntArmed = false;
        gFrame.prevTarget = 0;
        Draws draws = Seed(seed);
        const std::int32_t arming = draws.Next();
        const bool fires = draws.Next() % 100 < 50;
        RunAutoTaunt(gFrame);
        const std::int32_t delayDraw = fires ? draws.Skip(lineDraws + 1) : arming;
        ASSERT_EQ(gFrame.autoTauntDue, kNow - 9000 + static_cast<std::uint32_t>(delayDraw % 7001)) << seed;
        ASSERT_EQ(Rand(), draws.Next()) << seed;
        fired += fires;
    }
    EXPECT_GT(fired, 0);
    EXPECT_LT(fired, 60);
}

TEST_F(AutoTauntTest, IgnoresCanTauntPedYetRecordsEverySpokenTaunt) {
    RecordTaunt(kPed);  // taunted a moment ago: the prompt would refuse it
    ASSERT_FALSE(CanTauntPed(kPed));
    sim::TheGame().clock.tick = kNow + 5000;
    gFrame.autoTauntDue = kNow;
    gFrame.prevTarget = kPed;
    gFrame.prevState = PedState::Fleeing;
    RunAutoTaunt(gFrame);
    EXPECT_EQ(SpokenLines(), 1);
    sim::TheGame().clock.tick = kNow + 5000 + 14999;
    EXPECT_FALSE(CanTauntPed(kPed)) << "the 15 s count from the auto taunt";
    sim::TheGame().clock.tick = kNow + 5000 + 15000;
    EXPECT_TRUE(CanTauntPed(kPed));
}

TEST_F(AutoTauntTest, ARefusedTauntRecordsNothingAndKeepsTheTimer) {
    world().speechRefused = true;
    gFrame.autoTauntDue = kNow - 50;
    RunAutoTaunt(gFrame);
    EXPECT_EQ(TauntHistorySize(), 0u);
    EXPECT_EQ(gFrame.autoTauntDue, kNow - 50);
    EXPECT_TRUE(gFrame.autoTauntArmed);
}

TEST_F(AutoTauntTest, ACombatAttemptDrawsItsLineTheAggressionThenANewDelayWhetherSpokenOrNot) {
    StartGunfight();
    Delays(-9, -2);
    gSettings.aggressionChance = 100;
    gSettings.aggressionMinPeds = gSettings.aggressionMaxPeds = 1;
    gSettings.tackleChance = 0;  // the one enemy is provoked with the trigger draw alone
    const int lineDraws = LineDraws(GunfightLines(VoiceSet::Arthur), *gFrame.combatContext);
    struct Case {
        bool refused, aggression;
        int draws;  // before the new delay
        std::size_t provoked;
    } cases[] = {{false, true, lineDraws + 1, 1}, {false, false, lineDraws, 0}, {true, true, lineDraws, 0}};
    for (const Case& c : cases) {
        ClearProvokedPeds();
        world().speechRefused = c.refused;
        gSettings.aggressionEffectEnabled = c.aggression;
        gFrame.autoCombatDue = kNow;
        Draws draws = Seed(21);
        RunAutoCombatTaunt(gFrame);
        EXPECT_EQ(ProvokedPeds().size(), c.provoked) << c.refused << c.aggression;
        EXPECT_EQ(gFrame.autoCombatDue, kNow - 9000 + static_cast<std::uint32_t>(draws.Skip(c.draws + 1) % 7001));
        EXPECT_EQ(Rand(), draws.Next());
    }
}

// Through the frame update, where branch B would hold the prompt back by every one of its rules.
TEST_F(AutoTauntTest, AutomaticCombatTauntsIgnoreThePromptsCooldownDistanceStationaryAndAimingRules) {
    world().peds.erase(kPed);
    gSettings.autoCombatTauntEnabled = true;
    gSettings.aggressionEffectEnabled = false;
    gSettings.gunfightCooldown = gSettings.meleeCooldown = INT_MAX;
    gSettings.meleeMinDistance = 50.0f;
    gSettings.combatTauntRequireStationary = gSettings.combatTauntRequireTarget = true;
    Delays(0, 0);
    world().peds[test::kPlayerPed].speed = 5.0f;
    for (bool armedEnemy : {false, true}) {
        sim::TheGame().events.clear();
        sim::Ped& enemy = world().peds[400];
        enemy.position = {1, 0, 0};  // close by, and not under the camera's centre
        enemy.armed = armedEnemy;
        enemy.fightingPeds = {test::kPlayerPed};
        for (int i = 0; i < 3; ++i, sim::TheGame().clock.tick += 33) UpdateFrame();
        EXPECT_EQ(gFrame.combatContext->mode, armedEnemy ? CombatMode::Gunfight : CombatMode::Melee);
        EXPECT_EQ(SpokenLines(), 3) << "a line in every frame, the delay being 0";
        for (const std::string& event : sim::TheGame().events) EXPECT_EQ(event.find("prompt shown"), std::string::npos);
    }
}

}  // namespace
}  // namespace quillomar
