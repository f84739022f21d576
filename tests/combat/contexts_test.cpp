// A target's surroundings: a gang's when the player's relationship to it is dislike (4) or worse,
// and the peds, living and dead, within 25 m of the player, the target aside. A fight's lawmen,
// hits and bodies, asked only when the fight is completed.

#include "combat/contexts.h"

#include <gtest/gtest.h>

#include "sim_support.h"

namespace quillomar {
namespace {

TEST(BuildTargetContext, CountsATargetAsAGangsFromARelationshipOf4) {
    for (const auto& [relationship, gang] : {std::pair{3, false}, std::pair{4, true}, std::pair{5, true}}) {
        test::FreshWorld().peds[101].relationshipToPlayer = relationship;
        EXPECT_EQ(BuildTargetContext(101, test::kPlayerPed).gang, gang) << relationship;
    }
}

TEST(BuildTargetContext, CountsThePedsWithin25mOfThePlayer) {
    for (const auto& [y, counted] : {std::pair{25.0f, 1}, std::pair{25.1f, 0}}) {
        sim::World& world = test::FreshWorld();
        world.peds[101].position = {0, y, 0};  // the target
        world.peds[102].position = {0, y, 0};
        world.peds[103].position = {0, -y, 0};
        world.peds[103].dead = true;
        const TargetContext context = BuildTargetContext(101, test::kPlayerPed);
        EXPECT_EQ(context.nearbyPeds, counted) << y;
        EXPECT_EQ(context.nearbyDead, counted) << y;
    }
}

TEST(CompleteCombatContext, CountsABodyCloserThan30mToThePlayer) {
    for (const auto& [y, counted] : {std::pair{29.99f, true}, std::pair{30.0f, false}}) {
        sim::Ped& body = test::FreshWorld().peds[101];
        body.position = {0, y, 0};
        body.dead = true;
        CombatContext context;
        BuildCombatContext(context, test::kPlayerPed, 0);
        CompleteCombatContext(context);
        EXPECT_EQ(context.deadNearby, counted) << y;
    }
}

// Two hostiles; the second is a lawman by type or by group, or was hurt by the player.
TEST(CompleteCombatContext, FindsALawmanByTypeOrGroupAndAHitAmongAllTheHostiles) {
    struct Case {
        std::int32_t pedType;
        std::uint32_t group;
        bool hit;
        bool law;
    };
    for (const Case& c : {Case{4, 0, false, true}, Case{0, 0x2A318608, true, true}, Case{3, 0x2A318609, true, false}}) {
        sim::World& world = test::FreshWorld();
        for (std::int32_t ped : {101, 102}) world.peds[ped].fightingPeds = {test::kPlayerPed};
        world.peds[102].pedType = c.pedType;
        world.peds[102].relationshipGroup = c.group;
        if (c.hit) world.peds[102].damagedBy = {test::kPlayerPed};
        CombatContext context;
        BuildCombatContext(context, test::kPlayerPed, 0);
        EXPECT_FALSE(context.law || context.playerGaveHit);
        CompleteCombatContext(context);
        EXPECT_EQ(context.law, c.law) << c.pedType;
        EXPECT_EQ(context.playerGaveHit, c.hit) << c.pedType;
    }
}

}  // namespace
}  // namespace quillomar
