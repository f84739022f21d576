// What the plug-in makes of names a player writes: which known name a typo was meant to be.

#include "core/player_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillomar {
namespace {

TEST(Nearness, CountsOneEditForAReplacementAnInsertionOrTwoNeighboursSwappedAnywhere) {
    struct Case {
        const char* written;
        const char* known;
        std::optional<std::size_t> nearness;
    };
    const std::string longer(64, 'A'), longest(63, 'A'), longestTypo = std::string(62, 'A') + "B";
    const Case cases[] = {
        {"MaxDistance", "MaxDistance", std::nullopt},  // the same name is no typo
        {"maxDISTANCE", "MaxDistance", std::nullopt},  // nor in other capitals
        {"MaxDistanse", "MaxDistance", 1},
        {"MaxDitsance", "MaxDistance", 1},
        {"aMxDistance", "MaxDistance", 1},   // the first two swapped
        {"XMaxDistance", "MaxDistance", 1},  // one letter too many at the start
        {"MaxDistanec", "MaxDistance", 1},   // the last two swapped
        {"MxDistanse", "MaxDistance", 2},
        {"MxDstanse", "MaxDistance", std::nullopt},
        {"Gnag", "Gang", 1},  // a short name allows one edit
        {"Dleya", "Delay", std::nullopt},
        {"Ga", "Gang", std::nullopt},
        {"G", "Gang", std::nullopt},
        {longer.c_str(), longest.c_str(), std::nullopt},  // too long to compare
        {longestTypo.c_str(), longest.c_str(), 1},
    };
    for (const Case& c : cases) EXPECT_EQ(Nearness(c.written, c.known), c.nearness) << c.written << " / " << c.known;
}

TEST(NearestName, SuggestsTheNearestOfTheKnownNames) {
    const char* const known[] = {"IntervalMin", "IntervalMax", "Enabled"};
    auto name = [](const char* candidate) { return candidate; };
    EXPECT_STREQ(NearestName("IntervalMxa", known, name), "IntervalMax");
    EXPECT_STREQ(NearestName("IntrevalMin", known, name), "IntervalMin");
    EXPECT_STREQ(NearestName("IntervalM", known, name), "IntervalMin");  // as near as Max: the first wins
    EXPECT_EQ(NearestName("Cooldown", known, name), nullptr);
}

TEST(ProblemReport, NamesTheFileAndCountsItsProblems) {
    EXPECT_EQ(ProblemReport("a.ini", {}), "a.ini: no problems found\n");
    EXPECT_EQ(ProblemReport("a.ini", {{3, "x"}}), "a.ini: 1 problem\n  line 3: x\n");
    EXPECT_EQ(ProblemReport("a.ini", {{3, "x", true}}), "a.ini: no problems found, 1 note\n  line 3: note: x\n");
    std::vector<FileProblem> problems{{9, "late"}, {2, "first"}, {9, "later"}};
    SortByLine(problems);
    EXPECT_EQ(ProblemReport("b.txt", problems),
              "b.txt: 3 problems\n  line 2: first\n  line 9: late\n  line 9: later\n");
    EXPECT_EQ(Shown(std::string("a\tb\x7F") + std::string(50, 'c')), "a?b?" + std::string(36, 'c') + "...");
}

}  // namespace
}  // namespace quillomar
