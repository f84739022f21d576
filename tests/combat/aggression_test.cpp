#include "combat/aggression.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "allocation_counter.h"
#include "draws.h"
#include "host/native_hashes.h"
#include "host/random.h"
#include "natives.h"
#include "recorded_calls.h"
#include "sim_support.h"

namespace quillomar {
namespace {

namespace n = native;
using test::Call;
using test::Slot;

constexpr Ped kPlayer = test::kPlayerPed;
constexpr std::uint32_t kStart = 100000;
constexpr std::uint64_t kNoTimeLimit = 0xFFFFFFFFu;

// The first seed from 1 whose coming draws satisfy the wish.
template <typename Wish>
std::uint32_t SeedWhere(Wish wish) {
    for (std::uint32_t seed = 1;; ++seed) {
        test::Draws draws{seed};
        if (wish(draws)) return seed;
    }
}

// How many draws the generator has made since it was seeded with seed (up to a limit).
int DrawsMadeSince(std::uint32_t seed) {
    std::int32_t next = Rand();
    test::Draws draws{seed};
    for (int made = 0; made < 64; ++made) {
        if (draws.Next() == next) return made;
    }
    return -1;
}

std::uint64_t NameHash(const char* name) { return sim::HashOfName(name); }

double Rounded4(float value) { return std::round(static_cast<double>(value) * 10000.0) / 10000.0; }

class AggressionTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;

    void SetUp() override {
        test::StartPluginInSim();
        PedAt(kPlayer).position = {0.0f, 0.0f, 0.0f};
        Tick(kStart);
    }
    static sim::World& World() { return sim::TheGame().world; }
    static sim::Ped& PedAt(Ped handle) { return World().peds[handle]; }
    static void Place(Ped handle, float x, float y) { PedAt(handle).position = {x, y, 0.0f}; }
    static void Tick(std::uint32_t tick) { sim::TheGame().clock.tick = tick; }
    static CombatContext Hostiles(std::vector<Ped> peds) {
        CombatContext context;
        context.player = kPlayer;
        context.mode = CombatMode::Gunfight;
        context.hostileCount = static_cast<std::int32_t>(peds.size());
        context.hostilePeds = std::move(peds);
        return context;
    }
    // One hostile, provoked alone: it becomes the grappler, a tackler at tackleChance 100.
    static void ProvokeAlone(Ped ped, std::int32_t tackleChance) {
        ProvokeEnemies(Hostiles({ped}), 100, 1, 1, tackleChance);
        test::ClearCalls();
    }
    static std::vector<Ped> ProvokedHandles() {
        std::vector<Ped> handles;
        for (const ProvokedPed& record : ProvokedPeds()) handles.push_back(record.ped);
        return handles;
    }
    static std::vector<Call> CallsOf(const std::vector<std::uint64_t>& hashes) { return test::RecordedCallsOf(hashes); }
};

// Provoking

TEST_F(AggressionTest, ProvokingReadiesTheFirstPedToGrappleAndSendsTheOthersToCloseIn) {
    // From [201, 202, 203] the shuffle swaps 2 with 0 and then 1 with 0: [202, 203, 201].
    std::uint32_t seed = SeedWhere([](test::Draws d) {
        d.Next();
        return d.Next() % 3 == 0 && d.Next() % 2 == 0;
    });
    for (Ped ped : {201, 202, 203}) Place(ped, 0.0f, 10.0f);
    SeedRandom(seed);
    ProvokeEnemies(Hostiles({201, 202, 203}), 100, 2, 2, 100);

    std::uint64_t grapple = NameHash("AR_GRAPPLE_MOUNT_FROM_FRONT");
    std::vector<Call> expected = {
        {n::DOES_ENTITY_EXIST, {202}},
        {n::IS_ENTITY_DEAD, {202}},
        {n::CLEAR_PED_TASKS_IMMEDIATELY, {202, 0, 0}},
        {n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, {202, 1}},
        {n::SET_PED_COMBAT_MOVEMENT, {202, 2}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {202, 5, 1}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {202, 46, 1}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {202, 52, 1}},
        {n::GET_HASH_KEY, {0}, "AR_GRAPPLE_MOUNT_FROM_FRONT"},
        {n::SET_PED_GRAPPLE_STYLE, {202, grapple}},
        {n::SET_PED_GRAPPLE_ACTION, {202, grapple}},
        {n::SET_PED_GRAPPLE_FLAG, {202, 0, 1}},
        {n::TASK_GO_TO_ENTITY, {202, kPlayer, kNoTimeLimit, Slot(0.5f), Slot(3.0f), Slot(0.0f), 0}},
        {n::SET_PED_KEEP_TASK, {202, 1}},
        {n::DOES_ENTITY_EXIST, {203}},
        {n::IS_ENTITY_DEAD, {203}},
        {n::CLEAR_PED_TASKS_IMMEDIATELY, {203, 0, 0}},
        {n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, {203, 1}},
        {n::SET_PED_COMBAT_MOVEMENT, {203, 2}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {203, 5, 1}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {203, 46, 1}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {203, 52, 1}},
        {n::TASK_GO_TO_ENTITY, {203, kPlayer, kNoTimeLimit, Slot(2.0f), Slot(3.0f), Slot(0.0f), 0}},
        {n::SET_PED_KEEP_TASK, {203, 1}},
    };
    EXPECT_EQ(test::RecordedCalls(), expected);
    EXPECT_EQ(DrawsMadeSince(seed), 4) << "trigger, two shuffle draws, tackle; no count draw";

    ASSERT_EQ(ProvokedPeds().size(), 2u);
    const ProvokedPed& grappler = ProvokedPeds()[0];
    EXPECT_EQ(grappler.ped, 202);
    EXPECT_EQ(grappler.target, kPlayer);
    EXPECT_EQ(grappler.kind, ProvokeKind::Tackle);
    EXPECT_EQ(grappler.provokedTick, kStart);
    EXPECT_EQ(grappler.timerTick, 0u);
    EXPECT_FALSE(grappler.engaged);
    EXPECT_EQ(ProvokedPeds()[1].ped, 203);
    EXPECT_EQ(ProvokedPeds()[1].kind, ProvokeKind::Closer);
}

TEST_F(AggressionTest, TheDrawsOfProvokingFollowTheSettings) {
    struct Case {
        const char* what;
        std::int32_t chance, minPeds, maxPeds, tackleChance;
        std::vector<Ped> hostiles;
        int draws;
        // The number of peds provoked, from the count draw (second draw) when there is one.
        std::size_t (*provoked)(std::int32_t countDraw);
    };
    auto none = [](std::int32_t) -> std::size_t { return 0; };
    auto one = [](std::int32_t) -> std::size_t { return 1; };
    auto two = [](std::int32_t) -> std::size_t { return 2; };
    auto three = [](std::int32_t) -> std::size_t { return 3; };
    const Case cases[] = {
        {"an empty hostile list makes no draw", 100, 1, 2, 100, {}, 0, none},
        {"chance 0 makes the trigger draw only", 0, 1, 2, 100, {201, 202}, 1, none},
        {"a negative chance never provokes", -5, 1, 2, 100, {201, 202}, 1, none},
        {"chance 100 always provokes", 100, 1, 1, 0, {201}, 1, one},
        {"one hostile is not shuffled; tackle draw", 100, 1, 1, 100, {201}, 2, one},
        {"tackle chance 0 makes no tackle draw", 100, 1, 1, 0, {201, 202}, 2, one},
        {"max below min: min places, no count draw", 100, 2, 1, 0, {201, 202, 203}, 3, two},
        {"max equal to min: no count draw", 100, 2, 2, 0, {201, 202, 203}, 3, two},
        {"no places: the copy is still shuffled", 100, 0, 0, 100, {201, 202, 203}, 3, none},
        {"negative counts provoke nobody", 100, -3, -1, 100, {201, 202, 203}, 4, none},
        {"min 1, max 2 over three hostiles",
         100,
         1,
         2,
         0,
         {201, 202, 203},
         4,
         [](std::int32_t d) -> std::size_t { return 1 + static_cast<std::size_t>(d % 2); }},
        {"INT_MIN to INT_MAX: a span of 2^32 draws below zero", 100, INT_MIN, INT_MAX, 100, {201, 202, 203}, 4, none},
        {"-1 to INT_MAX: the span overflows 32 bits",
         100,
         -1,
         INT_MAX,
         0,
         {201, 202, 203},
         4,
         [](std::int32_t d) -> std::size_t { return static_cast<std::size_t>(std::min(d - 1 < 0 ? 0 : d - 1, 3)); }},
        {"INT_MAX places are capped by the list", 100, INT_MAX, INT_MAX, 0, {201, 202, 203}, 3, three},
        {"INT_MIN places with a larger max", 100, INT_MIN, 0, 0, {201, 202, 203}, 4, none},
        {"INT_MAX below INT_MIN: no count draw", 100, INT_MAX, INT_MIN, 0, {201, 202, 203}, 3, three},
    };
    for (const Case& c : cases) {
        SetUp();
        for (Ped ped : {201, 202, 203}) Place(ped, 0.0f, 10.0f);
        for (std::uint32_t seed : {7u, 12345u, 99999u}) {
            ClearProvokedPeds();
            test::Draws draws{seed};
            draws.Next();
            std::int32_t countDraw = draws.Next();
            SeedRandom(seed);
            ProvokeEnemies(Hostiles(c.hostiles), c.chance, c.minPeds, c.maxPeds, c.tackleChance);
            EXPECT_EQ(DrawsMadeSince(seed), c.draws) << c.what << ", seed " << seed;
            EXPECT_EQ(ProvokedPeds().size(), c.provoked(countDraw)) << c.what << ", seed " << seed;
        }
    }
}

TEST_F(AggressionTest, TheTackleDrawDecidesTheFirstPedsKind) {
    struct Case {
        std::int32_t tackleChance;
        bool drawBelowHalf;  // the tackle draw % 100 is below 50
        ProvokeKind kind;
        const char* preparation;
    } cases[] = {
        {100, false, ProvokeKind::Tackle, "AR_GRAPPLE_MOUNT_FROM_FRONT"},
        {0, true, ProvokeKind::StandingGrapple, "AR_GRAPPLE_FRONT_FROM_FRONT"},
        {-1, true, ProvokeKind::StandingGrapple, "AR_GRAPPLE_FRONT_FROM_FRONT"},
        {50, true, ProvokeKind::Tackle, "AR_GRAPPLE_MOUNT_FROM_FRONT"},
        {50, false, ProvokeKind::StandingGrapple, "AR_GRAPPLE_FRONT_FROM_FRONT"},
    };
    Place(201, 0.0f, 10.0f);
    for (const Case& c : cases) {
        ClearProvokedPeds();
        test::ClearCalls();
        std::uint32_t seed = SeedWhere([&c](test::Draws d) {
            d.Next();
            return (d.Next() % 100 < 50) == c.drawBelowHalf;
        });
        SeedRandom(seed);
        ProvokeEnemies(Hostiles({201}), 100, 1, 1, c.tackleChance);
        ASSERT_EQ(ProvokedPeds().size(), 1u);
        EXPECT_EQ(ProvokedPeds()[0].kind, c.kind) << "tackle chance " << c.tackleChance;
        EXPECT_EQ(CallsOf({n::GET_HASH_KEY}), std::vector<Call>({{n::GET_HASH_KEY, {0}, c.preparation}}));
        EXPECT_EQ(DrawsMadeSince(seed), c.tackleChance > 0 ? 2 : 1) << "tackle chance " << c.tackleChance;
    }
}

TEST_F(AggressionTest, ASkippedPedUsesUpItsPlaceAndTheNextValidPedBecomesTheGrappler) {
    for (Ped ped : {201, 202, 203}) Place(ped, 0.0f, 10.0f);
    ProvokeAlone(201, 0);
    // The shuffle leaves [201, 202, 203] as it is: 201 has a record, so 202 grapples and 203,
    // beyond the two places, is left alone.
    std::uint32_t seed = SeedWhere([](test::Draws d) {
        d.Next();
        return d.Next() % 3 == 2 && d.Next() % 2 == 1;
    });
    SeedRandom(seed);
    ProvokeEnemies(Hostiles({201, 202, 203}), 100, 2, 2, 0);
    EXPECT_EQ(ProvokedHandles(), std::vector<Ped>({201, 202}));
    EXPECT_EQ(ProvokedPeds()[1].kind, ProvokeKind::StandingGrapple);
    std::vector<Call> about201 = {{n::DOES_ENTITY_EXIST, {201}}, {n::IS_ENTITY_DEAD, {201}}};
    std::vector<Call> calls = test::RecordedCalls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(std::vector<Call>(calls.begin(), calls.begin() + 2), about201) << "nothing more is asked of it";
    EXPECT_EQ(calls[2], (Call{n::DOES_ENTITY_EXIST, {202}}));
    EXPECT_EQ(CallsOf({n::SET_PED_GRAPPLE_STYLE}).size(), 1u);
    EXPECT_EQ(CallsOf({n::SET_PED_GRAPPLE_STYLE})[0].slots[0], 202u);

    // A dead ped and a vanished one use up places too; the living one grapples.
    ClearProvokedPeds();
    PedAt(201).dead = true;
    World().peds.erase(202);
    ProvokeEnemies(Hostiles({201, 202, 203}), 100, 3, 3, 0);
    ASSERT_EQ(ProvokedHandles(), std::vector<Ped>({203}));
    EXPECT_EQ(ProvokedPeds()[0].kind, ProvokeKind::StandingGrapple);
}

// Watching the approach

TEST_F(AggressionTest, ApproachAnglesAndFacingHeadingsOfTheWorkedCases) {
    struct Case {
        float heading, dx, dy;
        double angle;
        bool fromBehind, fromLeft;
        double facing;
        bool turned;
    } cases[] = {
        {0.0f, 1.0f, 0.0f, 90.0001, false, false, 90.0, true},
        {0.0f, -1.0f, 0.0f, -90.0001, false, true, 269.9998, true},
        {0.0f, 0.0f, -1.0f, 180.0002, true, false, 0.0001, false},
        {0.0f, 0.0f, 1.0f, 0.0, false, false, 359.9999, false},
        {90.0f, 1.0f, 0.0f, 180.0001, true, false, 270.0, true},
        // The offset is made a unit vector first, so its length does not matter.
        {0.0f, 2.5f, 0.0f, 90.0001, false, false, 90.0, true},
    };
    for (const Case& c : cases) {
        Approach approach = ApproachOf(c.heading, c.dx, c.dy);
        std::string where =
            "h=" + std::to_string(c.heading) + " (" + std::to_string(c.dx) + ", " + std::to_string(c.dy) + ")";
        EXPECT_DOUBLE_EQ(Rounded4(approach.angle), c.angle) << where;
        EXPECT_EQ(approach.fromBehind, c.fromBehind) << where;
        EXPECT_EQ(approach.fromLeft, c.fromLeft) << where;
        EXPECT_DOUBLE_EQ(Rounded4(approach.facing), c.facing) << where;
        EXPECT_EQ(TurnsTarget(approach.facing, c.heading), c.turned) << where;
    }
}

// An offset from a target with heading 0 whose approach angle is exactly the given float.
std::pair<float, float> OffsetAtExactly(float degrees) {
    double radians = degrees * 3.14159265358979 / 180.0;
    float up = static_cast<float>(std::sin(radians)), down = up, dy = static_cast<float>(std::cos(radians));
    for (int step = 0; step < 4000; ++step) {
        if (ApproachOf(0.0f, up, dy).angle == degrees) return {up, dy};
        if (ApproachOf(0.0f, down, dy).angle == degrees) return {down, dy};
        up = std::nextafter(up, 2.0f);
        down = std::nextafter(down, -2.0f);
    }
    ADD_FAILURE() << "no offset at exactly " << degrees;
    return {up, dy};
}

TEST_F(AggressionTest, TheSectorBoundariesBelongToTheSidesAndNotToTheBack) {
    struct Case {
        float degrees;
        bool fromBehind, fromLeft;
    } cases[] = {{-70.0f, false, true}, {-110.0f, false, true}, {110.0f, false, false}};
    for (const Case& c : cases) {
        auto [dx, dy] = OffsetAtExactly(c.degrees);
        Approach approach = ApproachOf(0.0f, dx, dy);
        EXPECT_EQ(approach.fromBehind, c.fromBehind) << c.degrees;
        EXPECT_EQ(approach.fromLeft, c.fromLeft) << c.degrees;
    }
}

TEST_F(AggressionTest, TheTargetIsTurnedOnlyWhenItsHeadingIsMoreThan30DegreesOff) {
    struct Case {
        float facing, heading;
        bool turned;
    } cases[] = {
        {90.0f, 60.0f, false},  {90.0f, 59.0f, true},  {90.0f, 120.0f, false}, {90.0f, 121.0f, true},
        {10.0f, 340.0f, false}, {10.0f, 339.0f, true}, {350.0f, 20.0f, false}, {350.0f, 21.0f, true},
        {0.0f, 180.0f, true},   {90.0f, 90.0f, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TurnsTarget(c.facing, c.heading), c.turned) << c.facing << " against " << c.heading;
    }
}

TEST_F(AggressionTest, EngagingAsksTheTargetsHeadingAndSetsItOnlyToTurnIt) {
    struct Case {
        float dx, dy;
        std::vector<std::uint64_t> newHeading;  // the heading set, if any
    } cases[] = {
        {1.0f, 0.0f, {Slot(90.0f)}},                                  // on the right: turned to 90
        {-1.0f, 0.0f, {Slot(ApproachOf(0.0f, -1.0f, 0.0f).facing)}},  // on the left: turned to 269.9998
        {0.0f, 1.0f, {}},                                             // in front: 359.9999 is 0.0001 off
        {0.0f, -1.0f, {}},                                            // behind: 0.0001 after the added 180
    };
    for (const Case& c : cases) {
        SetUp();
        Place(201, c.dx, c.dy);
        ProvokeAlone(201, 0);
        UpdateProvokedPeds();
        std::vector<Call> expected = {{n::GET_ENTITY_HEADING, {kPlayer}}};
        for (std::uint64_t heading : c.newHeading) expected.push_back({n::SET_ENTITY_HEADING, {kPlayer, heading}});
        EXPECT_EQ(CallsOf({n::GET_ENTITY_HEADING, n::SET_ENTITY_HEADING}), expected) << c.dx << ", " << c.dy;
    }
}

TEST_F(AggressionTest, APedEngagesAtOnceWithin1_8mAndWithin2_1mOnlyAfterMoreThan1500ms) {
    struct Step {
        std::uint32_t ms;  // since provoking
        float distance;
        bool engaged;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"at 1.8 m at once", {{33, 1.8f, true}}},
        {"at 1.81 m not at once", {{33, 1.81f, false}, {66, 1.81f, false}}},
        {"at 2.05 m after more than 1500 ms",
         {{100, 2.05f, false}, {1000, 2.05f, false}, {1600, 2.05f, false}, {1601, 2.05f, true}}},
        {"at exactly 2.1 m the timer runs", {{100, 2.1f, false}, {1601, 2.1f, true}}},
        {"a step out to 2.2 m restarts the wait",
         {{100, 2.05f, false},
          {1000, 2.2f, false},
          {1100, 2.05f, false},
          {1601, 2.05f, false},
          {2600, 2.05f, false},
          {2601, 2.05f, true}}},
        {"far off, nothing", {{100, 10.0f, false}, {5000, 10.0f, false}}},
    };
    for (const Case& c : cases) {
        SetUp();
        Place(201, 0.0f, 20.0f);
        ProvokeAlone(201, 0);
        for (const Step& step : c.steps) {
            Tick(kStart + step.ms);
            Place(201, 0.0f, step.distance);
            UpdateProvokedPeds();
            ASSERT_EQ(ProvokedPeds().size(), 1u) << c.what;
            EXPECT_EQ(ProvokedPeds()[0].engaged, step.engaged) << c.what << " at " << step.ms << " ms";
        }
        if (c.steps.back().engaged) {
            EXPECT_EQ(ProvokedPeds()[0].timerTick, kStart + c.steps.back().ms) << c.what;
        }
    }
}

TEST_F(AggressionTest, AnApproachIsWatchedFor30000msAndReleasedAfter) {
    for (std::uint32_t start : {kStart, 0xFFFFF000u}) {  // the second one across the tick count's wrap
        SetUp();
        Tick(start);
        Place(201, 0.0f, 20.0f);
        ProvokeAlone(201, 0);
        Tick(start + 30000);
        UpdateProvokedPeds();
        EXPECT_EQ(ProvokedHandles(), std::vector<Ped>({201})) << start;
        EXPECT_EQ(CallsOf({n::GET_ENTITY_COORDS}).size(), 2u) << "still watched";

        test::ClearCalls();
        Tick(start + 30001);
        UpdateProvokedPeds();
        EXPECT_TRUE(ProvokedPeds().empty());
        std::vector<Call> expected = {{n::DOES_ENTITY_EXIST, {201}},
                                      {n::IS_ENTITY_DEAD, {201}},
                                      {n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, {201, 0}}};
        EXPECT_EQ(test::RecordedCalls(), expected) << "its task and attributes stay";
    }
}

TEST_F(AggressionTest, EngagingTurnsTheTargetClearsThePedAndStartsTheGrapple) {
    // A tackler straight behind a player facing +y: no turn, the grapple from the back.
    Place(201, 0.0f, -1.0f);
    ProvokeAlone(201, 100);
    Tick(kStart + 33);
    UpdateProvokedPeds();
    std::uint64_t grapple = NameHash("AR_GRAPPLE_BACK_FROM_BACK");
    std::vector<Call> expected = {
        {n::DOES_ENTITY_EXIST, {201}},
        {n::IS_ENTITY_DEAD, {201}},
        {n::GET_ENTITY_COORDS, {201, 1, 0}},
        {n::GET_ENTITY_COORDS, {kPlayer, 1, 0}},
        {n::GET_ENTITY_HEADING, {kPlayer}},
        {n::CLEAR_PED_TASKS_IMMEDIATELY, {201, 0, 0}},
        {n::GET_HASH_KEY, {0}, "AR_GRAPPLE_BACK_FROM_BACK"},
        {n::TASK_GRAPPLE, {201, kPlayer, grapple, 0, Slot(0.0f), 0, 0}},
        {n::TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE, {201, kPlayer, grapple, Slot(0.0f), Slot(0.0f), 0, 0}},
    };
    EXPECT_EQ(test::RecordedCalls(), expected);
    ASSERT_EQ(ProvokedPeds().size(), 1u);
    EXPECT_TRUE(ProvokedPeds()[0].engaged);
    EXPECT_EQ(ProvokedPeds()[0].timerTick, kStart + 33);

    // An engaged grappler is left to the hand-over: only its existence is asked.
    test::ClearCalls();
    Tick(kStart + 66);
    UpdateProvokedPeds();
    EXPECT_EQ(test::RecordedCalls(), std::vector<Call>({{n::DOES_ENTITY_EXIST, {201}}, {n::IS_ENTITY_DEAD, {201}}}));
}

TEST_F(AggressionTest, ACloserTurnsTheTargetFightsAndIsForgottenInTheSameFrame) {
    Place(201, 0.0f, 10.0f);
    Place(202, 0.0f, 10.0f);
    SeedRandom(SeedWhere([](test::Draws d) {
        d.Next();
        return d.Next() % 2 == 0;  // the shuffle swaps: 202 grapples, 201 closes in
    }));
    ProvokeEnemies(Hostiles({201, 202}), 100, 2, 2, 0);
    ASSERT_EQ(ProvokedHandles(), std::vector<Ped>({202, 201}));
    test::ClearCalls();
    Place(201, 1.0f, 0.0f);  // on the player's right: facing 90, 90 off the player's heading 0
    Tick(kStart + 33);
    UpdateProvokedPeds();
    std::vector<Call> expected = {
        {n::DOES_ENTITY_EXIST, {201}},
        {n::IS_ENTITY_DEAD, {201}},
        {n::GET_ENTITY_COORDS, {201, 1, 0}},
        {n::GET_ENTITY_COORDS, {kPlayer, 1, 0}},
        {n::GET_ENTITY_HEADING, {kPlayer}},
        {n::SET_ENTITY_HEADING, {kPlayer, Slot(90.0f)}},
        {n::CLEAR_PED_TASKS_IMMEDIATELY, {201, 0, 0}},
        {n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, {201, 0}},
        {n::SET_PED_COMBAT_ATTRIBUTES, {201, 52, 1}},
        {n::TASK_COMBAT_PED, {201, kPlayer, 0, 0}},
        // then the grappler, still on its way
        {n::DOES_ENTITY_EXIST, {202}},
        {n::IS_ENTITY_DEAD, {202}},
        {n::GET_ENTITY_COORDS, {202, 1, 0}},
        {n::GET_ENTITY_COORDS, {kPlayer, 1, 0}},
    };
    EXPECT_EQ(test::RecordedCalls(), expected);
    EXPECT_EQ(ProvokedHandles(), std::vector<Ped>({202}));
}

TEST_F(AggressionTest, TheGrappleFollowsTheKindAndTheSideOfTheApproach) {
    struct Case {
        std::int32_t tackleChance;
        float dx, dy;  // from the player, heading 0
        int draw;      // the wanted rand() % 3, or -1 for a row without a draw
        const char* grapple;
    } cases[] = {
        {100, 0.0f, -1.0f, -1, "AR_GRAPPLE_BACK_FROM_BACK"},
        {100, 0.0f, 1.0f, 0, "AR_GRAPPLE_MOUNT_FACEDOWN_FROM_FRONT"},
        {100, 1.0f, 0.0f, 1, "AR_GRAPPLE_MOUNT_FACEUP_FROM_FRONT"},
        {100, -1.0f, 0.0f, 2, "AR_GRAPPLE_MOUNT_FROM_FRONT"},  // a tackler from the left draws the front
        {0, 0.0f, -1.0f, -1, "AR_GRAPPLE_MOUNT_STANDING_FROM_BACK"},
        {0, -1.0f, 0.0f, -1, "AR_GRAPPLE_FRONT_FROM_LEFT_FAR"},
        {0, 0.0f, 1.0f, 0, "AR_GRAPPLE_FRONT_FROM_FRONT"},
        {0, 0.0f, 1.0f, 1, "AR_GRAPPLE_MOUNT_STANDING_FROM_FRONT"},
        {0, 1.0f, 0.0f, 2, "AR_GRAPPLE_DRAG_FRONT_ON_ASS"},
    };
    for (const Case& c : cases) {
        SetUp();
        Place(201, c.dx, c.dy);
        ProvokeAlone(201, c.tackleChance);
        std::uint32_t seed = SeedWhere([&c](test::Draws d) { return c.draw < 0 || d.Next() % 3 == c.draw; });
        SeedRandom(seed);
        UpdateProvokedPeds();
        std::vector<Call> hashed = CallsOf({n::GET_HASH_KEY});
        ASSERT_EQ(hashed.size(), 1u) << c.grapple;
        EXPECT_EQ(hashed[0].text, c.grapple);
        EXPECT_EQ(DrawsMadeSince(seed), c.draw < 0 ? 0 : 1) << c.grapple;
        EXPECT_EQ(CallsOf({n::TASK_GRAPPLE})[0].slots[2], NameHash(c.grapple));
    }
}

TEST_F(AggressionTest, AGrappleWhoseHashIsZeroStartsNothingButIsStillHandedOver) {
    World().hashKeyFails = true;
    Place(201, 0.0f, 1.0f);
    ProvokeAlone(201, 100);
    UpdateProvokedPeds();
    EXPECT_TRUE(CallsOf({n::TASK_GRAPPLE, n::TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE}).empty());
    ASSERT_EQ(ProvokedPeds().size(), 1u);
    EXPECT_TRUE(ProvokedPeds()[0].engaged);
    Tick(kStart + 1500);
    ReleaseGrapplers();
    EXPECT_EQ(CallsOf({n::TASK_COMBAT_PED}).size(), 1u);
    EXPECT_TRUE(ProvokedPeds().empty());
}

// Handing over

TEST_F(AggressionTest, AGrapplerIsHandedOverWhenExactly1500msHavePassed) {
    for (std::uint32_t engagedAt : {kStart + 33, 0xFFFFFA00u}) {
        SetUp();
        Place(201, 0.0f, 1.0f);
        Tick(engagedAt - 33);
        ProvokeAlone(201, 0);
        Tick(engagedAt);
        UpdateProvokedPeds();
        ASSERT_TRUE(ProvokedPeds()[0].engaged);

        test::ClearCalls();
        Tick(engagedAt + 1499);
        ReleaseGrapplers();
        EXPECT_EQ(test::RecordedCalls(),
                  std::vector<Call>({{n::DOES_ENTITY_EXIST, {201}}, {n::IS_ENTITY_DEAD, {201}}}));
        EXPECT_EQ(ProvokedHandles(), std::vector<Ped>({201}));

        test::ClearCalls();
        Tick(engagedAt + 1500);
        ReleaseGrapplers();
        std::vector<Call> expected = {
            {n::DOES_ENTITY_EXIST, {201}},
            {n::IS_ENTITY_DEAD, {201}},
            {n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, {201, 0}},
            {n::SET_PED_COMBAT_ATTRIBUTES, {201, 52, 1}},
            {n::TASK_COMBAT_PED, {201, kPlayer, 0, 0}},
        };
        EXPECT_EQ(test::RecordedCalls(), expected);
        EXPECT_TRUE(ProvokedPeds().empty());
    }
}

TEST_F(AggressionTest, PedsThatVanishOrDieAreForgottenWithoutFurtherCallsKeepingTheOthersInOrder) {
    for (Ped ped : {201, 202, 203, 204}) Place(ped, 0.0f, 20.0f);
    ProvokeEnemies(Hostiles({201, 202, 203, 204}), 100, 4, 4, 0);
    std::vector<Ped> order = ProvokedHandles();
    ASSERT_EQ(order.size(), 4u);
    World().peds.erase(order[1]);
    PedAt(order[2]).dead = true;
    test::ClearCalls();
    UpdateProvokedPeds();
    EXPECT_EQ(ProvokedHandles(), std::vector<Ped>({order[0], order[3]}));
    EXPECT_TRUE(CallsOf({n::SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, n::TASK_COMBAT_PED}).empty());

    // An engaged grappler that dies is dropped by the hand-over too, without a fight task.
    ClearProvokedPeds();
    Place(205, 0.0f, 1.0f);
    ProvokeAlone(205, 0);
    UpdateProvokedPeds();
    ASSERT_TRUE(ProvokedPeds()[0].engaged);
    PedAt(205).dead = true;
    test::ClearCalls();
    Tick(kStart + 5000);
    ReleaseGrapplers();
    EXPECT_EQ(test::RecordedCalls(), std::vector<Call>({{n::DOES_ENTITY_EXIST, {205}}, {n::IS_ENTITY_DEAD, {205}}}));
    EXPECT_TRUE(ProvokedPeds().empty());
}

TEST_F(AggressionTest, WithNobodyProvokedTheUpdatesAskNothing) {
    UpdateProvokedPeds();
    ReleaseGrapplers();
    EXPECT_TRUE(test::Calls().empty());
}

TEST_F(AggressionTest, AFreshStartForgetsEveryProvokedPed) {
    Place(201, 0.0f, 10.0f);
    ProvokeAlone(201, 0);
    ASSERT_EQ(ProvokedPeds().size(), 1u);
    test::StartPluginInSim();
    EXPECT_TRUE(ProvokedPeds().empty());
}

TEST_F(AggressionTest, ProvokingAndWatchingAllocateNothingOnceWarm) {
    std::vector<Ped> hostiles;
    for (Ped ped = 201; ped < 201 + kNearbyPedCapacity; ++ped) {
        hostiles.push_back(ped);
        Place(ped, static_cast<float>(ped - 201) * 0.04f, 0.5f);  // all within 1.8 m of the player
    }
    CombatContext context = Hostiles(hostiles);
    // One round: everybody provoked, the closers fight, the grappler engages and is handed over.
    auto round = [&context](std::uint32_t tick) {
        Tick(tick);
        ProvokeEnemies(context, 100, kNearbyPedCapacity, kNearbyPedCapacity, 100);
        Tick(tick + 33);
        UpdateProvokedPeds();
        ReleaseGrapplers();
        Tick(tick + 2000);
        UpdateProvokedPeds();
        ReleaseGrapplers();
        test::ClearCalls();
        sim::TheGame().events.clear();
    };
    round(kStart);
    test::PlugInAllocationsOnly onlyThePlugIn;
    std::size_t before = test::Allocations();
    for (std::uint32_t i = 1; i <= 20; ++i) round(kStart + i * 10000);
    EXPECT_EQ(test::Allocations() - before, 0u);
    EXPECT_TRUE(ProvokedPeds().empty());
}

}  // namespace
}  // namespace quillomar
