// The one percent test: when it passes, and when it draws, for the draw order is behaviour too.

#include "core/random.h"

#include <gtest/gtest.h>

namespace quillomar {
namespace {

TEST(PercentChance, PassesBelowTheChanceAndDrawsUnlessAChanceOfNothingSkips) {
    struct Case {
        std::int32_t chance;
        ZeroChance zero;
        bool passes;
        bool draws;
    };
    // A generator whose next draw is 41: below 42, not below 41.
    const Case cases[] = {
        {42, ZeroChance::Draws, true, true},  {41, ZeroChance::Draws, false, true},
        {42, ZeroChance::Skips, true, true},  {0, ZeroChance::Draws, false, true},
        {0, ZeroChance::Skips, false, false}, {-5, ZeroChance::Skips, false, false},
        {-5, ZeroChance::Draws, false, true}, {100, ZeroChance::Skips, true, true},
    };
    const std::uint32_t start = 1;
    Random probe{start};
    ASSERT_EQ(probe.Next() % 100, 41);
    for (const Case& c : cases) {
        Random random{start};
        EXPECT_EQ(PercentChance(random, c.chance, c.zero), c.passes) << c.chance;
        EXPECT_EQ(random.state != start, c.draws) << c.chance;
    }
}

}  // namespace
}  // namespace quillomar
