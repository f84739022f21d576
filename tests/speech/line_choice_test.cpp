// Properties of the draw: what the history holds back, when it lets rows come again, and how
// the generic line chance splits the pools.

#include "speech/line_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace quillomar {
namespace {

SpeechLine Generic(std::uint32_t conditions = 0) { return {"GENERIC", conditions, true, 1, nullptr}; }
SpeechLine Specific(std::uint32_t conditions = 0) { return {"SPECIFIC", conditions, false, 0, nullptr}; }

std::vector<SpeechLine> TwelveSpecificAndFourGeneric() {
    std::vector<SpeechLine> list;
    for (int i = 0; i < 16; ++i) list.push_back(i % 4 == 3 ? Generic() : Specific());
    return list;
}

struct Drawer {
    RepeatQueue history;
    LinePools pools;
    Random random;
    LineRules rules;

    std::int32_t Draw(std::span<const SpeechLine> list) {
        return ChooseLine(list, TargetContext{}, {history, pools, random, rules}).value_or(-1);
    }
};

TEST(ChooseLine, KeepsASpecificRowFromComingBackWithinRepeatPreventionCountSpecificPicks) {
    const std::vector<SpeechLine> list = TwelveSpecificAndFourGeneric();
    for (std::int32_t count : {1, 5, 10}) {
        Drawer drawer{{}, {}, {12345}, {50, count}};
        std::vector<std::int32_t> specificPicks;
        int genericPicks = 0;
        for (int draw = 0; draw < 600; ++draw) {
            const std::int32_t row = drawer.Draw(list);
            if (list[static_cast<std::size_t>(row)].generic) {
                ++genericPicks;
                continue;
            }
            const auto window = std::min<std::ptrdiff_t>(count, std::ssize(specificPicks));
            EXPECT_EQ(std::find(specificPicks.end() - window, specificPicks.end(), row), specificPicks.end())
                << "row " << row << " repeated at specific pick " << specificPicks.size() << ", count " << count;
            specificPicks.push_back(row);
        }
        EXPECT_GT(genericPicks, 200) << "a chance of 50 takes about half the draws from the generic pool";
        EXPECT_LT(genericPicks, 400);
    }
}

TEST(ChooseLine, ReadmitsEveryFittingSpecificRowOnceAllWereSpokenLately) {
    // Row 1 fits only women, so rows 0, 2 and 3 are all the specific rows a man's taunt can take.
    const std::vector<SpeechLine> list = {Specific(), Generic(LineCondition::TargetFemale), Specific(), Specific()};
    Drawer drawer{{}, {}, {7}, {60, 3}};
    for (std::int32_t row : {0, 2, 3}) Push(drawer.history, row);
    const std::int32_t pick = drawer.Draw(list);
    EXPECT_NE(pick, 1);
    if (pick != 0) {
        EXPECT_EQ(drawer.Draw(list), 0) << "row 0 dropped off the back and is the only one left";
    }
}

TEST(ChooseLine, HoldsNothingBackWhenTheCountIsZeroOrNegativeAndOneSlotPerRowWhenHuge) {
    // Two specific rows: a count of 1 never says one twice running; 0 or less soon does.
    const std::vector<SpeechLine> two = {Specific(), Specific()};
    for (const auto& [count, repeats] :
         {std::pair{1, false}, std::pair{0, true}, std::pair{-1, true}, std::pair{INT_MIN, true}}) {
        Drawer drawer{{}, {}, {99}, {0, count}};
        bool repeated = false;
        for (std::int32_t draw = 0, last = -1; draw < 50; ++draw) {
            const std::int32_t row = drawer.Draw(two);
            repeated = repeated || row == last;
            last = row;
        }
        EXPECT_EQ(repeated, repeats) << count;
    }
    const std::vector<SpeechLine> list = TwelveSpecificAndFourGeneric();
    Drawer drawer{{}, {}, {5}, {0, INT_MAX}};
    std::vector<std::int32_t> firstTwelve;
    for (int draw = 0; draw < 12; ++draw) firstTwelve.push_back(drawer.Draw(list));
    std::sort(firstTwelve.begin(), firstTwelve.end());
    EXPECT_EQ(std::unique(firstTwelve.begin(), firstTwelve.end()), firstTwelve.end()) << "each row once first";
    for (int draw = 12; draw < 500; ++draw) drawer.Draw(list);
    EXPECT_EQ(drawer.history.pushes, 500u);
    EXPECT_LE(drawer.history.latestPush.size(), list.size());
}
}  // namespace
}  // namespace quillomar
