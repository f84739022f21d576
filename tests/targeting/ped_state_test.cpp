// When a ped counts as hurt, and how far away it still makes a target.

#include <gtest/gtest.h>

#include "config/settings.h"
#include "sim_support.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

TEST(ClassifyPedState, ARagdollingPedIsHurtBelow100OrAThirdOfItsMaximumHealth) {
    struct Case {
        std::int32_t health, maxHealth;
        bool includeRagdoll;
        PedState state;
    };
    const Case cases[] = {
        {99, 150, true, PedState::RagdollHurt},  {100, 150, true, PedState::None},
        {199, 600, true, PedState::RagdollHurt}, {200, 600, true, PedState::None},
        {50, 0, true, PedState::None},           {50, 1, true, PedState::RagdollHurt},
        {10, 150, false, PedState::None},
    };
    for (const Case& c : cases) {
        sim::Ped& ped = test::FreshWorld().peds[101];
        ped.ragdoll = true;
        ped.health = c.health;
        ped.maxHealth = c.maxHealth;
        EXPECT_EQ(ClassifyPedState(101, c.includeRagdoll, test::kPlayerPed), c.state)
            << c.health << " of " << c.maxHealth;
    }
}

TEST(FindAcceptedTarget, APedExactlyMaxDistanceAwayIsATarget) {
    for (float y : {10.0f, 10.001f}) {
        sim::World& world = test::FreshWorld();
        world.peds[101].position = {0.0f, y, 0.0f};
        world.peds[101].dead = true;
        world.focusEntity = 101;
        Settings settings{};  // no aiming needed: the interaction focus counts
        settings.maxDistance = 10.0f;
        EXPECT_EQ(FindAcceptedTarget(settings, test::kPlayerPed).accepted, y == 10.0f) << y;
    }
}

}  // namespace
}  // namespace quillomar
