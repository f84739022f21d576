#include "speech/line_catalogue.h"

#include <gtest/gtest.h>

#include <string_view>

#include "speech/repeat_history.h"

namespace quillomar {
namespace {

constexpr std::int32_t kDead = 1, kWrithing = 2, kFatallyInjured = 3, kIncapacitated = 4, kRagdollHurt = 5,
                       kFleeing = 6;

TEST(BuildLineCatalogue, GivesEveryListItsRowCountAndBuildingAgainChangesNothing) {
    for (int build = 0; build < 2; ++build) {
        BuildLineCatalogue();
        struct Case {
            VoiceSet set;
            std::int32_t state;
            std::size_t rows;
        };
        const Case cases[] = {
            {VoiceSet::Arthur, kDead, 100},
            {VoiceSet::Arthur, kWrithing, 135},
            {VoiceSet::Arthur, kFatallyInjured, 103},
            {VoiceSet::Arthur, kIncapacitated, 129},
            {VoiceSet::Arthur, kRagdollHurt, 157},
            {VoiceSet::Arthur, kFleeing, 110},
            {VoiceSet::John, kDead, 80},
            {VoiceSet::John, kWrithing, 98},
            {VoiceSet::John, kFatallyInjured, 65},
            {VoiceSet::John, kIncapacitated, 52},
            {VoiceSet::John, kRagdollHurt, 100},
            {VoiceSet::John, kFleeing, 80},
        };
        for (const Case& c : cases) {
            const SpeechLines* lines = FindStateLines(c.set, c.state);
            ASSERT_NE(lines, nullptr) << "state " << c.state;
            EXPECT_EQ(lines->size(), c.rows) << "voice set " << static_cast<int>(c.set) << ", state " << c.state;
        }
        EXPECT_EQ(GunfightLines(VoiceSet::Arthur).size(), 196u);
        EXPECT_EQ(MeleeLines(VoiceSet::Arthur).size(), 184u);
        EXPECT_EQ(GunfightLines(VoiceSet::John).size(), 123u);
        EXPECT_EQ(MeleeLines(VoiceSet::John).size(), 290u);
        EXPECT_EQ(CatalogueRowCount(VoiceSet::Arthur), 1114u);
        EXPECT_EQ(CatalogueRowCount(VoiceSet::John), 888u);
    }
}

TEST(BuildLineCatalogue, MarksArthursGenericRowsAndGivesTheSpecificOnesNoVariation) {
    BuildLineCatalogue();
    const std::size_t genericRows[] = {73, 92, 84, 77, 132, 98};
    for (std::int32_t state = kDead; state <= kFleeing; ++state) {
        std::size_t generic = 0;
        for (const SpeechLine& line : *FindStateLines(VoiceSet::Arthur, state)) {
            generic += line.generic;
            EXPECT_TRUE(line.generic || line.variation == 0) << line.speechName;
        }
        EXPECT_EQ(generic, genericRows[state - kDead]) << "state " << state;
    }
    for (const SpeechLine& line : GunfightLines(VoiceSet::Arthur)) EXPECT_TRUE(line.generic) << line.speechName;
}

TEST(FindStateLines, FindsNoListForNoneAndOnlyArthurHasEmptyOnesForCombatAndUnharmed) {
    BuildLineCatalogue();
    EXPECT_EQ(FindStateLines(VoiceSet::Arthur, 0), nullptr);
    EXPECT_EQ(FindStateLines(VoiceSet::John, 0), nullptr);
    for (std::int32_t state : {7, 8}) {
        ASSERT_NE(FindStateLines(VoiceSet::Arthur, state), nullptr) << state;
        EXPECT_TRUE(FindStateLines(VoiceSet::Arthur, state)->empty()) << state;
        EXPECT_EQ(FindStateLines(VoiceSet::John, state), nullptr) << state;
    }
    EXPECT_EQ(StateLines(VoiceSet::Arthur).size(), 8u);
    EXPECT_EQ(StateLines(VoiceSet::John).size(), 6u);
}

TEST(BuildLineCatalogue, ExpandsEachRunIntoOneRowPerVariationInOrder) {
    BuildLineCatalogue();
    struct Case {
        const SpeechLines& list;
        std::size_t row;
        std::string_view speechName;
        std::int32_t variation;
        std::uint32_t conditions;
        bool generic;
        const char* voice;
    };
    const Case cases[] = {
        {*FindStateLines(VoiceSet::Arthur, kDead), 30, "WITNESS_EXECUTE", 2, 0, true, nullptr},
        {*FindStateLines(VoiceSet::Arthur, kDead), 33, "WITNESS_EXECUTE", 6, 0, true, nullptr},
        {*FindStateLines(VoiceSet::Arthur, kDead), 93, "LAW_INTERACT_MOVE_ALONG_RESPONSE_NEG", 2, 0x0080, true,
         nullptr},
        {*FindStateLines(VoiceSet::John, kDead), 0, "RE_CW_MTN_V1_NEGATIVE", 0, 0, false, "JOHN"},
        {GunfightLines(VoiceSet::Arthur), 195, "KILLED_MOUNTED_HORSE_ENEMY", 5, 0, true, nullptr},
        {MeleeLines(VoiceSet::Arthur), 160, "INSULT_DISPUTE_INTERVENE_DANGEROUS_NEG", 5, 0x0020, true, nullptr},
        {GunfightLines(VoiceSet::John), 3, "RE_KD_UNI_V1_ILO_ANTAGONIZE", 4, 0x0220, false, "JOHN"},
        {GunfightLines(VoiceSet::John), 19, "SHOT_RESPONSE_SHOUT", 8, 0, true, "JOHN_AI"},
        {MeleeLines(VoiceSet::John), 78, "RE_DAA_NBX_V2_PLY_WAKE_UP_B", 0, 0x1200, false, nullptr},
        {MeleeLines(VoiceSet::John), 289, "RANCHER_CRIME_FINAL_WARNING_NEG", 5, 0, true, nullptr},
    };
    for (const Case& c : cases) {
        const SpeechLine& line = c.list.at(c.row);
        EXPECT_EQ(line.speechName, c.speechName) << "row " << c.row;
        EXPECT_EQ(line.variation, c.variation) << c.speechName;
        EXPECT_EQ(line.conditions, c.conditions) << c.speechName;
        EXPECT_EQ(line.generic, c.generic) << c.speechName;
        EXPECT_STREQ(line.voice, c.voice) << c.speechName;
    }
}

TEST(BuildLineCatalogue, GivesTheStatesEmptyRepeatQueues) {
    for (std::int32_t state : {0, 4, 8}) PushAndTrim(StateHistory(state), 3, 10);
    BuildLineCatalogue();
    for (std::int32_t state : {0, 4, 8}) {
        EXPECT_EQ(QueueLength(StateHistory(state)), 0u) << state;
        EXPECT_FALSE(InQueue(StateHistory(state), 3)) << state;
    }
}

}  // namespace
}  // namespace quillomar
