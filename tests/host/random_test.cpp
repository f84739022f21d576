#include "host/random.h"

#include <gtest/gtest.h>

namespace quillomar {
namespace {

TEST(Random, AKnownSeedGivesTheClassicSequence) {
    SeedRandom(1);
    const std::int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (std::int32_t draw : expected) EXPECT_EQ(Rand(), draw);
}

TEST(Random, TheSameSeedRepeatsTheSameDrawsAndDrawsStayInRange) {
    SeedRandom(1780000000);
    std::int32_t first[100];
    for (std::int32_t& draw : first) draw = Rand();
    SeedRandom(1780000000);
    for (std::int32_t draw : first) {
        EXPECT_EQ(Rand(), draw);
        EXPECT_GE(draw, 0);
        EXPECT_LE(draw, 32767);
    }
}

}  // namespace
}  // namespace quillomar
