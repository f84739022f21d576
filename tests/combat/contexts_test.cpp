// A target counts as a gang's when the player's relationship to it is dislike (4) or worse.

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

}  // namespace
}  // namespace quillomar
