#include "combat/contexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "game.h"
#include "host/native_hashes.h"
#include "sim_support.h"

namespace quillomar {
namespace {

namespace n = native;
using Lines = std::vector<std::string>;

constexpr Ped kPlayer = test::kPlayerPed;
constexpr Hash kLawGroup = 0x2A318608;
constexpr Hash kMatchedGroup = 0xD1A5C020;

// A recorded call as one line: the native's name and its pushed slots, an out-argument as
// "&", large values in hexadecimal.
std::string Describe(const sim::RecordedCall& call) {
    std::string line = sim::NativeName(call.hash);
    line += '(';
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        const sim::RecordedArg& arg = call.args[i];
        char number[32];
        std::snprintf(number, sizeof number, arg.slot < 1000 ? "%llu" : "0x%llX",
                      static_cast<unsigned long long>(arg.slot));
        line += (i != 0 ? ", " : "") + (arg.kind == sim::RecordedArg::Kind::Out ? std::string("&") : number);
    }
    return line + ')';
}

Lines Described() {
    Lines lines;
    for (const sim::RecordedCall& call : test::Calls()) lines.push_back(Describe(call));
    return lines;
}

std::size_t CountCalls(std::uint64_t hash) {
    std::vector<std::uint64_t> hashes = test::CalledHashes();
    return static_cast<std::size_t>(std::count(hashes.begin(), hashes.end(), hash));
}

// The player stands at the origin with 200 health; every other ped is placed by a test.
class ContextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetGame();
        world().playerPed = kPlayer;
        world().peds[kPlayer] = {};
    }
    sim::World& world() { return sim::TheGame().world; }
    sim::Ped& player() { return world().peds[kPlayer]; }
    sim::Ped& Place(Ped handle, sim::Vec3 position) {
        sim::Ped& ped = world().peds[handle];
        ped.position = position;
        return ped;
    }
    sim::Ped& PlaceFighter(Ped handle, sim::Vec3 position) {
        sim::Ped& ped = Place(handle, position);
        ped.fightingPeds = {kPlayer};
        return ped;
    }
    CombatContext Build(std::int32_t storedHealth = 0) {
        CombatContext context;
        BuildCombatContext(context, kPlayer, storedHealth);
        return context;
    }
};

using BuildCombatContextTest = ContextsTest;
using BuildTargetContextTest = ContextsTest;

TEST_F(BuildCombatContextTest, GivesAFreshRecordWhenThePlayersPedIsGone) {
    CombatContext context;
    context.mode = CombatMode::Melee;
    context.hostileCount = 2;
    context.hostilePeds = {1, 2};
    context.law = context.deadNearby = context.playerHurt = context.playerGaveHit = true;
    world().peds.clear();
    BuildCombatContext(context, kPlayer, 500);
    EXPECT_EQ(context.player, kPlayer);
    EXPECT_EQ(context.mode, CombatMode::None);
    EXPECT_EQ(context.hostileCount, 0);
    EXPECT_TRUE(context.hostilePeds.empty());
    EXPECT_FALSE(context.law || context.deadNearby || context.playerHurt || context.playerGaveHit);
    EXPECT_EQ(Described(), Lines{"DOES_ENTITY_EXIST(77)"});
}

TEST_F(BuildCombatContextTest, AsksAboutThePlayerOnceThenAtMostEightQuestionsPerPed) {
    player().health = 150;
    Place(10, {0.0f, 3.0f, 0.0f}).dead = true;
    Place(11, {0.0f, 4.0f, 0.0f});
    PlaceFighter(12, {0.0f, 5.0f, 0.0f});
    world().nearbyOrder = {10, 11, 12};
    CombatContext context = Build(200);
    EXPECT_EQ(Described(), (Lines{
                               "DOES_ENTITY_EXIST(77)",
                               "GET_ENTITY_HEALTH(77)",
                               "IS_PED_IN_MELEE_COMBAT(77)",
                               "IS_PED_ARMED(77, 4)",
                               "GET_ENTITY_COORDS(77, 1, 0)",
                               "GET_PED_NEARBY_PEDS(77, &, 0xFFFFFFFF, 0)",
                               // a body: nothing but its distance matters
                               "DOES_ENTITY_EXIST(10)",
                               "GET_ENTITY_COORDS(10, 1, 0)",
                               "IS_ENTITY_DEAD(10)",
                               // a bystander
                               "DOES_ENTITY_EXIST(11)",
                               "GET_ENTITY_COORDS(11, 1, 0)",
                               "IS_ENTITY_DEAD(11)",
                               "IS_PED_IN_COMBAT(11, 77)",
                               // a hostile
                               "DOES_ENTITY_EXIST(12)",
                               "GET_ENTITY_COORDS(12, 1, 0)",
                               "IS_ENTITY_DEAD(12)",
                               "IS_PED_IN_COMBAT(12, 77)",
                               "GET_PED_TYPE(12)",
                               "GET_PED_RELATIONSHIP_GROUP_HASH(12)",
                               "IS_PED_ARMED(12, 4)",
                               "HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY(12, 77, 1, 1)",
                           }));
    EXPECT_EQ(context.player, kPlayer);
    EXPECT_EQ(context.hostilePeds, std::vector<Ped>{12});
    EXPECT_EQ(context.hostileCount, 1);
    EXPECT_TRUE(context.deadNearby);
    EXPECT_TRUE(context.playerHurt);
    EXPECT_EQ(context.mode, CombatMode::Melee);
}

TEST_F(BuildCombatContextTest, DecidesTheModeByTheFirstRuleThatHolds) {
    struct Case {
        const char* what;
        std::vector<bool> hostilesArmed;
        bool playerHasGun;
        bool playerInMelee;
        CombatMode mode;
    } cases[] = {
        {"no hostiles, player unarmed", {}, false, false, CombatMode::None},
        {"no hostiles, player holds a firearm", {}, true, false, CombatMode::Gunfight},
        {"no hostiles, player in a melee", {}, false, true, CombatMode::Melee},
        {"no hostiles, player armed and in a melee", {}, true, true, CombatMode::Gunfight},
        {"one armed hostile among unarmed ones", {false, true, false}, false, false, CombatMode::Gunfight},
        {"unarmed hostiles, player holds a firearm", {false, false}, true, false, CombatMode::Gunfight},
        {"unarmed hostiles, player unarmed", {false, false}, false, false, CombatMode::Melee},
        {"an armed hostile, player in a melee", {true}, false, true, CombatMode::Gunfight},
    };
    for (const Case& c : cases) {
        SetUp();
        player().armed = c.playerHasGun;
        player().inMelee = c.playerInMelee;
        for (std::size_t i = 0; i < c.hostilesArmed.size(); ++i)
            PlaceFighter(static_cast<Ped>(10 + i), {1.0f + static_cast<float>(i), 0.0f, 0.0f}).armed =
                c.hostilesArmed[i];
        CombatContext context = Build();
        EXPECT_EQ(context.mode, c.mode) << c.what;
        EXPECT_EQ(context.hostileCount, static_cast<std::int32_t>(c.hostilesArmed.size())) << c.what;
    }
}

TEST_F(BuildCombatContextTest, SeesABodyOnlyCloserThan30Metres) {
    struct Case {
        sim::Vec3 position;
        bool fighting;
        bool deadNearby;
    } cases[] = {
        {{0.0f, 30.0f, 0.0f}, false, false},  {{0.0f, 29.9f, 0.0f}, false, true},
        {{18.0f, 24.0f, 0.0f}, false, false},  // 30 m across the ground
        {{0.0f, 0.0f, -29.9f}, false, true},  {{0.0f, 0.0f, -30.0f}, false, false},
        {{5.0f, 0.0f, 0.0f}, true, true},  // a dead fighter is a body, never a hostile
    };
    for (const Case& c : cases) {
        SetUp();
        sim::Ped& body = c.fighting ? PlaceFighter(10, c.position) : Place(10, c.position);
        body.dead = true;
        body.armed = true;
        CombatContext context = Build();
        EXPECT_EQ(context.deadNearby, c.deadNearby) << c.position.x << ", " << c.position.y << ", " << c.position.z;
        EXPECT_EQ(context.hostileCount, 0);
        EXPECT_EQ(context.mode, CombatMode::None);
    }
    Place(10, {0.0f, 1.0f, 0.0f}).dead = false;
    EXPECT_FALSE(Build().deadNearby) << "a living ped is no body";
}

TEST_F(BuildCombatContextTest, CountsAPedFightingThePlayerAsHostileUpTo50Metres) {
    struct Case {
        const char* what;
        sim::Vec3 position;
        bool fightsThePlayer;
        bool hostile;
    } cases[] = {
        {"at 50.0 m", {30.0f, 40.0f, 0.0f}, true, true},
        {"50.0 m up", {0.0f, 0.0f, 50.0f}, true, true},
        {"at 50.1 m", {0.0f, 50.1f, 0.0f}, true, false},
        {"close, fighting someone else", {0.0f, 2.0f, 0.0f}, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        sim::Ped& ped = Place(10, c.position);
        ped.fightingPeds = {c.fightsThePlayer ? kPlayer : 11};
        CombatContext context = Build();
        EXPECT_EQ(context.hostileCount, c.hostile ? 1 : 0) << c.what;
        EXPECT_EQ(context.hostilePeds.size(), c.hostile ? 1u : 0u) << c.what;
        EXPECT_EQ(context.mode, c.hostile ? CombatMode::Melee : CombatMode::None) << c.what;
    }
}

TEST_F(BuildCombatContextTest, FindsALawmanByTypeOrElseByGroupAmongTheHostilesOnly) {
    struct Case {
        const char* what;
        std::int32_t type;
        Hash group;
        bool hostile;
        bool law;
        bool groupAsked;
    } cases[] = {
        {"type 4", 4, 0, true, true, false},
        {"type 4 in the law group", 4, kLawGroup, true, true, false},
        {"another type in the law group", 2, kLawGroup, true, true, true},
        {"another type in another group", 2, kMatchedGroup, true, false, true},
        {"a lawman who is not fighting", 4, kLawGroup, false, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        sim::Ped& ped = c.hostile ? PlaceFighter(10, {3.0f, 0.0f, 0.0f}) : Place(10, {3.0f, 0.0f, 0.0f});
        ped.pedType = c.type;
        ped.relationshipGroup = c.group;
        test::ClearCalls();
        EXPECT_EQ(Build().law, c.law) << c.what;
        EXPECT_EQ(CountCalls(n::GET_PED_RELATIONSHIP_GROUP_HASH), c.groupAsked ? 1u : 0u) << c.what;
    }
}

TEST_F(BuildCombatContextTest, NotesAHitOnlyWhenThePlayerDamagedAHostile) {
    struct Case {
        const char* what;
        bool hostile;
        Ped damagedBy;
        bool playerGaveHit;
    } cases[] = {
        {"a hostile the player hit", true, kPlayer, true},
        {"a hostile someone else hit", true, 11, false},
        {"a bystander the player hit", false, kPlayer, false},
    };
    for (const Case& c : cases) {
        SetUp();
        sim::Ped& ped = c.hostile ? PlaceFighter(10, {3.0f, 0.0f, 0.0f}) : Place(10, {3.0f, 0.0f, 0.0f});
        ped.damagedBy = {c.damagedBy};
        EXPECT_EQ(Build().playerGaveHit, c.playerGaveHit) << c.what;
    }
}

TEST_F(BuildCombatContextTest, PlayerHurtHoldsOnlyInTheFrameAfterTheHealthDrops) {
    struct Frame {
        std::int32_t health;
        bool hurt;
    } frames[] = {{200, false}, {150, true}, {150, false}, {180, false}, {100, true}, {100, false}};
    std::int32_t stored = 0;  // nothing stored before the first frame
    CombatContext context;
    for (const Frame& f : frames) {
        player().health = f.health;
        BuildCombatContext(context, kPlayer, stored);
        EXPECT_EQ(context.playerHurt, f.hurt) << "health " << f.health << " after " << stored;
        stored = EntityHealth(kPlayer);  // as the frame update stores it
    }
}

TEST_F(BuildCombatContextTest, ExaminesOnlyTheFirst32PedsTheQueryLists) {
    for (Ped ped = 101; ped <= 140; ++ped) {
        PlaceFighter(ped, {0.0f, 1.0f, 0.0f});
        world().nearbyOrder.insert(world().nearbyOrder.begin(), ped);  // listed from 140 down
    }
    CombatContext context = Build();
    const sim::RecordedCall& query = test::Calls()[5];
    ASSERT_EQ(query.hash, n::GET_PED_NEARBY_PEDS);
    EXPECT_EQ(query.args[1].outSlots, 33u) << "the capacity 32 in slot 0";
    ASSERT_EQ(query.writes.size(), 1u);
    EXPECT_EQ(query.writes[0].size(), 32u);
    EXPECT_EQ(CountCalls(n::DOES_ENTITY_EXIST), 1u + 32u);
    EXPECT_EQ(test::Calls().size(), 6u + 32u * 8u);
    std::vector<Ped> first32(world().nearbyOrder.begin(), world().nearbyOrder.begin() + 32);
    EXPECT_EQ(context.hostilePeds, first32) << "in the order the query gave them";
    EXPECT_EQ(context.hostileCount, 32);
}

TEST_F(BuildCombatContextTest, TrustsNoCountTheQueryClaimsBeyondTheBufferOrBelowZero) {
    for (Ped ped = 101; ped <= 140; ++ped) PlaceFighter(ped, {0.0f, 1.0f, 0.0f});
    struct Case {
        std::int32_t claimed;
        std::int32_t examined;
    } cases[] = {{40, 32}, {2147483647, 32}, {5, 5}, {0, 0}, {-3, 0}, {-2147483647 - 1, 0}};
    for (const Case& c : cases) {
        world().nearbyClaim = c.claimed;
        test::ClearCalls();
        CombatContext context = Build();
        EXPECT_EQ(context.hostileCount, c.examined) << "claimed " << c.claimed;
        EXPECT_EQ(CountCalls(n::DOES_ENTITY_EXIST), 1u + static_cast<std::size_t>(c.examined));
        TargetContext target = BuildTargetContext(101, kPlayer);
        EXPECT_EQ(target.nearbyPeds, std::max(c.examined - 1, 0)) << "claimed " << c.claimed;
    }
}

TEST_F(BuildCombatContextTest, ARebuildReplacesTheHostileList) {
    CombatContext context;
    for (Ped ped : {10, 11, 12}) PlaceFighter(ped, {2.0f, 0.0f, 0.0f});
    BuildCombatContext(context, kPlayer, 0);
    EXPECT_EQ(context.hostilePeds, (std::vector<Ped>{10, 11, 12}));
    world().peds[11].fightingPeds.clear();
    world().peds[12].dead = true;
    BuildCombatContext(context, kPlayer, 0);
    EXPECT_EQ(context.hostilePeds, std::vector<Ped>{10});
    EXPECT_EQ(context.hostileCount, 1);
    EXPECT_TRUE(context.deadNearby);
}

TEST_F(BuildTargetContextTest, GivesTheDefaultsForATargetThatHasVanished) {
    Place(10, {1.0f, 0.0f, 0.0f});
    TargetContext context = BuildTargetContext(99, kPlayer);
    EXPECT_EQ(context.player, kPlayer);
    EXPECT_EQ(context.target, 99);
    EXPECT_TRUE(context.male);
    EXPECT_FALSE(context.female || context.gang || context.relGroupMatch);
    EXPECT_EQ(context.nearbyPeds, 0);
    EXPECT_EQ(context.nearbyDead, 0);
    EXPECT_EQ(Described(), Lines{"DOES_ENTITY_EXIST(99)"});
}

TEST_F(BuildTargetContextTest, ReadsTheTargetsSexRelationshipAndGroup) {
    struct Case {
        bool male;
        std::int32_t relationship;
        Hash group;
        bool gang;
        bool relGroupMatch;
    } cases[] = {
        {true, 3, 0, false, false},
        {false, 4, 0, true, false},
        {true, 5, kMatchedGroup, true, true},
        {false, -1, kLawGroup, false, false},
        {true, 0, kMatchedGroup, false, true},
    };
    for (const Case& c : cases) {
        SetUp();
        sim::Ped& target = Place(10, {1.0f, 0.0f, 0.0f});
        target.male = c.male;
        target.relationshipToPlayer = c.relationship;
        target.relationshipGroup = c.group;
        TargetContext context = BuildTargetContext(10, kPlayer);
        EXPECT_EQ(context.male, c.male);
        EXPECT_EQ(context.female, !c.male);
        EXPECT_EQ(context.gang, c.gang) << "relationship " << c.relationship;
        EXPECT_EQ(context.relGroupMatch, c.relGroupMatch) << std::hex << c.group;
    }
    Lines described = Described();
    Lines head(described.begin(), described.begin() + 7);
    EXPECT_EQ(head, (Lines{"DOES_ENTITY_EXIST(10)", "IS_PED_MALE(10)", "IS_PED_MALE(10)",
                           "GET_PED_RELATIONSHIP_GROUP_HASH(10)", "GET_RELATIONSHIP_BETWEEN_PEDS(77, 10)",
                           "GET_ENTITY_COORDS(77, 1, 0)", "GET_PED_NEARBY_PEDS(77, &, 0xFFFFFFFF, 0)"}));
}

TEST_F(BuildTargetContextTest, CountsThePedsWithin25MetresOfThePlayerButNeverTheTarget) {
    constexpr Ped kTarget = 10;
    Place(kTarget, {0.0f, 2.0f, 0.0f});
    Place(11, {0.0f, 25.0f, 0.0f});
    Place(12, {15.0f, 20.0f, 0.0f});  // 25 m
    Place(13, {0.0f, 25.1f, 0.0f});
    Place(14, {0.0f, -25.0f, 0.0f}).dead = true;
    Place(15, {0.0f, 0.0f, 25.1f}).dead = true;
    Place(16, {0.0f, 0.0f, -24.0f}).dead = true;
    TargetContext context = BuildTargetContext(kTarget, kPlayer);
    EXPECT_EQ(context.nearbyPeds, 2);
    EXPECT_EQ(context.nearbyDead, 2);

    world().peds[kTarget].dead = true;
    EXPECT_EQ(BuildTargetContext(kTarget, kPlayer).nearbyDead, 2) << "a dead target is not a body nearby";
}

TEST_F(BuildTargetContextTest, AsksNoMoreThanItNeedsOfEachNearbyPed) {
    Place(10, {0.0f, 2.0f, 0.0f});
    Place(11, {0.0f, 26.0f, 0.0f});
    Place(12, {0.0f, 3.0f, 0.0f});
    world().nearbyOrder = {10, 11, 12};
    BuildTargetContext(10, kPlayer);
    Lines described = Described();
    Lines tail(described.begin() + 7, described.end());
    EXPECT_EQ(tail, (Lines{"DOES_ENTITY_EXIST(10)", "DOES_ENTITY_EXIST(11)", "GET_ENTITY_COORDS(11, 1, 0)",
                           "DOES_ENTITY_EXIST(12)", "GET_ENTITY_COORDS(12, 1, 0)", "IS_ENTITY_DEAD(12)"}));
}

TEST_F(BuildTargetContextTest, ExaminesOnlyTheFirst32PedsTheQueryLists) {
    Place(10, {0.0f, 2.0f, 0.0f});
    for (Ped ped = 101; ped <= 140; ++ped) Place(ped, {1.0f, 0.0f, 0.0f});
    world().nearbyOrder = {10};
    TargetContext context = BuildTargetContext(10, kPlayer);
    EXPECT_EQ(context.nearbyPeds, 31) << "the target takes one of the 32 slots";
    EXPECT_EQ(CountCalls(n::DOES_ENTITY_EXIST), 1u + 32u);
}

}  // namespace
}  // namespace quillomar
