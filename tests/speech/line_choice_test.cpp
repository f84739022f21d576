#include "speech/line_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <new>
#include <set>
#include <vector>

#include "allocation_counter.h"
#include "config/settings.h"
#include "draws.h"
#include "host/random.h"
#include "speech/line_catalogue.h"

namespace {

using quillomar::CombatContext;
using quillomar::LineCondition;
using quillomar::RepeatQueue;
using quillomar::SpeechLine;
using quillomar::SpeechLines;
using quillomar::TargetContext;
using quillomar::VoiceSet;

constexpr std::int32_t kDead = 1, kWrithing = 2;

using test::Draws;

// Rows with this condition never fit the default target, who counts as a man.
constexpr std::uint32_t kWomenOnly = LineCondition::TargetFemale;

SpeechLine Generic(std::uint32_t conditions = 0) { return {"GENERIC", conditions, true, 1, nullptr}; }
SpeechLine Specific(std::uint32_t conditions = 0) { return {"SPECIFIC", conditions, false, 0, nullptr}; }

// Against the default target: generic pool {0, 4}, specific pool {1, 3, 6}.
const std::vector<SpeechLine> kMixed = {
    Generic(), Specific(), Generic(kWomenOnly), Specific(), Generic(), Specific(kWomenOnly), Specific(),
};

std::vector<SpeechLine> TwelveSpecificAndFourGeneric() {
    std::vector<SpeechLine> list;
    for (int i = 0; i < 16; ++i) list.push_back(i % 4 == 3 ? Generic() : Specific());
    return list;
}

class ChooseLine : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = quillomar::gSettings;
        quillomar::gSettings.genericLineChance = 60;
        quillomar::gSettings.repeatPreventionCount = 10;
    }
    void TearDown() override { quillomar::gSettings = saved_; }

    static std::optional<std::int32_t> Draw(std::span<const SpeechLine> list, RepeatQueue& history,
                                            const TargetContext& target = {}) {
        return quillomar::ChooseLine(list, target, history);
    }
    static Draws Seed(std::uint32_t seed) {
        quillomar::SeedRandom(seed);
        return Draws{seed};
    }
    // The generator's next draw is the one expected, so exactly the expected draws were made.
    static void ExpectNextDraw(Draws& draws) { EXPECT_EQ(quillomar::Rand(), draws.Next()) << "draws differ"; }

  private:
    quillomar::Settings saved_{};
};

TEST_F(ChooseLine, DrawsThePercentEvenAtChanceZeroAndTakesTheGenericPoolBelowTheChance) {
    const std::int32_t genericPool[] = {0, 4};
    const std::int32_t specificPool[] = {1, 3, 6};
    for (std::int32_t chance : {0, 60, 100, 150, -5}) {
        quillomar::gSettings.genericLineChance = chance;
        bool sawGeneric = false, sawSpecific = false, saw59 = false, saw60 = false;
        for (std::uint32_t seed = 0; seed < 1000; ++seed) {
            Draws draws = Seed(seed);
            const std::int32_t percent = draws.Next() % 100;
            const std::int32_t pick = draws.Next();
            const bool generic = percent < chance;
            RepeatQueue history;
            ASSERT_EQ(Draw(kMixed, history), generic ? genericPool[pick % 2] : specificPool[pick % 3])
                << "chance " << chance << ", seed " << seed;
            ExpectNextDraw(draws);
            (generic ? sawGeneric : sawSpecific) = true;
            saw59 |= percent == 59 && generic;
            saw60 |= percent == 60 && !generic;
        }
        EXPECT_EQ(sawGeneric, chance > 0) << chance;
        EXPECT_EQ(sawSpecific, chance < 100) << chance;
        EXPECT_TRUE(chance != 60 || (saw59 && saw60)) << "60 takes the generic pool for 0 to 59 only";
    }
}

TEST_F(ChooseLine, MakesOneDrawWhenOnlyOnePoolHasRows) {
    const std::vector<SpeechLine> specificOnly = {Generic(kWomenOnly), Specific(), Specific(kWomenOnly), Specific()};
    const std::vector<SpeechLine> genericOnly = {Specific(kWomenOnly), Generic(), Generic(), Generic()};
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        quillomar::gSettings.genericLineChance = 100;
        Draws draws = Seed(seed);
        RepeatQueue history;
        EXPECT_EQ(Draw(specificOnly, history), draws.Next() % 2 == 0 ? 1 : 3) << seed;
        ExpectNextDraw(draws);

        quillomar::gSettings.genericLineChance = 0;
        draws = Seed(seed);
        EXPECT_EQ(Draw(genericOnly, history), 1 + draws.Next() % 3) << seed;
        ExpectNextDraw(draws);
    }
}

TEST_F(ChooseLine, DrawsNothingWhenNoRowFits) {
    const std::vector<SpeechLine> empty;
    const std::vector<SpeechLine> noneFit = {Generic(kWomenOnly), Specific(kWomenOnly), Specific(0x0080)};
    for (const std::vector<SpeechLine>* list : {&empty, &noneFit}) {
        RepeatQueue history;
        quillomar::PushAndTrim(history, 1, 10);
        Draws draws = Seed(7);
        EXPECT_EQ(Draw(*list, history), std::nullopt);
        ExpectNextDraw(draws);
        EXPECT_EQ(quillomar::QueueLength(history), 1u);
    }
}

TEST_F(ChooseLine, ReadmitsHeldBackRowsWhenEveryFittingSpecificRowWasSpokenLately) {
    const std::vector<SpeechLine> list = {Specific(), Generic(kWomenOnly), Specific(), Specific()};
    const std::int32_t specific[] = {0, 2, 3};
    quillomar::gSettings.repeatPreventionCount = 3;
    for (std::uint32_t seed = 0; seed < 10; ++seed) {
        RepeatQueue history;
        for (std::int32_t row : specific) quillomar::PushAndTrim(history, row, 3);
        Draws draws = Seed(seed);
        const std::int32_t pick = specific[draws.Next() % 3];
        EXPECT_EQ(Draw(list, history), pick) << seed;
        ExpectNextDraw(draws);
        // The pick went to the front and the oldest entry, row 0, dropped off the back.
        EXPECT_EQ(quillomar::QueueLength(history), 3u);
        EXPECT_EQ(quillomar::InQueue(history, 0), pick == 0) << seed;
        if (pick != 0) {
            EXPECT_EQ(Draw(list, history), 0) << "row 0 is the only one not held back";
        }
    }
}

TEST_F(ChooseLine, KeepsASpecificRowFromComingBackWithinTenSpecificPicks) {
    const std::vector<SpeechLine> list = TwelveSpecificAndFourGeneric();
    quillomar::gSettings.genericLineChance = 50;
    quillomar::SeedRandom(12345);
    RepeatQueue history;
    std::vector<std::int32_t> specificPicks;
    int genericPicks = 0;
    for (int draw = 0; draw < 600; ++draw) {
        const std::int32_t row = Draw(list, history).value();
        if (list[static_cast<std::size_t>(row)].generic) {
            ++genericPicks;
            continue;
        }
        const std::size_t window = std::min<std::size_t>(10, specificPicks.size());
        EXPECT_EQ(std::find(specificPicks.end() - static_cast<std::ptrdiff_t>(window), specificPicks.end(), row),
                  specificPicks.end())
            << "row " << row << " repeated at specific pick " << specificPicks.size();
        specificPicks.push_back(row);
        EXPECT_EQ(quillomar::QueueLength(history), std::min<std::size_t>(10, specificPicks.size()));
    }
    EXPECT_GT(genericPicks, 100);
}

TEST_F(ChooseLine, HoldsNothingBackWhenTheCountIsZeroOrNegative) {
    const std::vector<SpeechLine> list = TwelveSpecificAndFourGeneric();
    quillomar::gSettings.genericLineChance = 0;
    for (std::int32_t count : {0, -1, INT_MIN}) {
        quillomar::gSettings.repeatPreventionCount = count;
        quillomar::SeedRandom(99);
        RepeatQueue history;
        int repeats = 0;
        std::int32_t previous = -1;
        for (int draw = 0; draw < 300; ++draw) {
            const std::int32_t row = Draw(list, history).value();
            EXPECT_EQ(quillomar::QueueLength(history), 0u) << count;
            repeats += row == previous;
            previous = row;
        }
        EXPECT_GT(repeats, 0) << "a row may follow itself when nothing is held back; count " << count;
    }
}

TEST_F(ChooseLine, KeepsOneSlotPerRowHoweverLargeTheCount) {
    const std::vector<SpeechLine> list = TwelveSpecificAndFourGeneric();
    quillomar::gSettings.genericLineChance = 0;
    quillomar::gSettings.repeatPreventionCount = INT_MAX;
    quillomar::SeedRandom(5);
    RepeatQueue history;
    std::set<std::int32_t> firstTwelve;
    for (int draw = 0; draw < 12; ++draw) firstTwelve.insert(Draw(list, history).value());
    EXPECT_EQ(firstTwelve.size(), 12u) << "each specific row once before any comes again";
    for (int draw = 12; draw < 500; ++draw) Draw(list, history);
    EXPECT_EQ(quillomar::QueueLength(history), 500u);
    EXPECT_LE(history.latestPush.size(), list.size());
}

TEST_F(ChooseLine, NeverTouchesTheHistoryWhenEveryFittingRowIsGeneric) {
    quillomar::BuildLineCatalogue();
    RepeatQueue& history = quillomar::GunfightHistory();
    history = RepeatQueue{};
    quillomar::PushAndTrim(history, 5, 10);
    CombatContext fight;
    fight.mode = quillomar::CombatMode::Gunfight;
    fight.hostileCount = 2;
    const SpeechLines& list = quillomar::GunfightLines(VoiceSet::Arthur);
    std::vector<std::int32_t> fitting;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (quillomar::LineMatchesCombat(list[i], fight)) fitting.push_back(static_cast<std::int32_t>(i));
    }
    ASSERT_FALSE(fitting.empty());
    Draws draws = Seed(31);
    EXPECT_EQ(quillomar::ChooseLine(list, fight, history),
              fitting[static_cast<std::size_t>(draws.Next()) % fitting.size()]);
    ExpectNextDraw(draws);
    for (int draw = 0; draw < 50; ++draw) ASSERT_TRUE(quillomar::ChooseLine(list, fight, history).has_value());
    EXPECT_EQ(quillomar::QueueLength(history), 1u);
    EXPECT_TRUE(quillomar::InQueue(history, 5));
}

std::set<std::int32_t> FittingSpecificRows(const SpeechLines& list, const TargetContext& target) {
    std::set<std::int32_t> rows;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].generic && quillomar::LineMatchesTarget(list[i], target)) {
            rows.insert(static_cast<std::int32_t>(i));
        }
    }
    return rows;
}

TEST_F(ChooseLine, HoldsBackAPositionSpokenUnderTheOtherVoiceSetForTheSameState) {
    quillomar::ClearRepeatHistory();
    quillomar::BuildLineCatalogue();
    quillomar::gSettings.genericLineChance = 0;
    quillomar::gSettings.repeatPreventionCount = INT_MAX;
    const TargetContext target;
    const SpeechLines& arthur = *quillomar::FindStateLines(VoiceSet::Arthur, kDead);
    const SpeechLines& john = *quillomar::FindStateLines(VoiceSet::John, kDead);
    const std::set<std::int32_t> arthurRows = FittingSpecificRows(arthur, target);
    const std::set<std::int32_t> johnRows = FittingSpecificRows(john, target);
    std::set<std::int32_t> johnOnly;
    std::set_difference(johnRows.begin(), johnRows.end(), arthurRows.begin(), arthurRows.end(),
                        std::inserter(johnOnly, johnOnly.end()));
    ASSERT_FALSE(johnOnly.empty());
    ASSERT_LT(johnOnly.size(), johnRows.size()) << "the two lists must share some positions";

    quillomar::SeedRandom(2024);
    std::set<std::int32_t> spoken;
    for (std::size_t i = 0; i < arthurRows.size(); ++i) {
        spoken.insert(Draw(arthur, quillomar::StateHistory(kDead)).value());
    }
    EXPECT_EQ(spoken, arthurRows);
    std::set<std::int32_t> johnSpoken;
    for (std::size_t i = 0; i < johnOnly.size(); ++i) {
        johnSpoken.insert(Draw(john, quillomar::StateHistory(kDead)).value());
    }
    EXPECT_EQ(johnSpoken, johnOnly) << "positions Arthur spoke stay held back for John";
    EXPECT_FALSE(quillomar::InQueue(quillomar::StateHistory(kWrithing), *arthurRows.begin()));
}

TEST_F(ChooseLine, MakesNoHeapAllocationOnceTheCatalogueIsBuilt) {
    quillomar::BuildLineCatalogue();
    quillomar::gSettings.genericLineChance = 30;
    quillomar::gSettings.repeatPreventionCount = 1000;
    TargetContext target;
    target.nearbyDead = 1;
    CombatContext fight;
    fight.hostileCount = 1;
    fight.playerGaveHit = true;
    quillomar::SeedRandom(77);
    int chosen = 0;
    const std::size_t before = test::Allocations();
    for (int round = 0; round < 200; ++round) {
        for (VoiceSet set : {VoiceSet::Arthur, VoiceSet::John}) {
            for (std::int32_t state = 1; state <= 6; ++state) {
                chosen += quillomar::ChooseLine(*quillomar::FindStateLines(set, state), target,
                                                quillomar::StateHistory(state))
                              .has_value();
            }
            chosen +=
                quillomar::ChooseLine(quillomar::GunfightLines(set), fight, quillomar::GunfightHistory()).has_value();
            chosen += quillomar::ChooseLine(quillomar::MeleeLines(set), fight, quillomar::MeleeHistory()).has_value();
        }
    }
    EXPECT_EQ(test::Allocations() - before, 0u);
    EXPECT_EQ(chosen, 200 * 16);
}

}  // namespace
