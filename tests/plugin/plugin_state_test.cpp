// What the soak holds to its bounds: the state measured piece by piece.

#include "plugin/plugin_state.h"

#include <gtest/gtest.h>

namespace quillomar {
namespace {

TEST(MeasureState, CountsTheMutedLinesOfTheFileAndThoseMutedByKey) {
    PluginState state;
    state.taunting.speech.muted = {{{"TEST_A", std::nullopt}}, {{"TEST_B", 1}, {"TEST_C", 2}}};
    EXPECT_EQ(MeasureState(state).mutedLines, 3u);
}

}  // namespace
}  // namespace quillomar
