#include "speech/perform_taunt.h"

#include <gtest/gtest.h>

#include <string>

#include "config/settings.h"
#include "host/native_hashes.h"
#include "host/random.h"
#include "sim_support.h"
#include "speech/line_catalogue.h"

namespace quillomar {
namespace {

constexpr Hash kJohnModel = 0x00B69710;

struct Spoken {
    std::string name;
    std::string voice;
    std::int32_t variation;
};

// The lines the game was asked to speak, read off the recorded requests.
std::vector<Spoken> SpokenLines() {
    std::vector<Spoken> spoken;
    for (const sim::RecordedCall& call : test::Calls()) {
        if (call.hash != native::PLAY_PED_AMBIENT_SPEECH_NATIVE) continue;
        const auto& block = call.args[1].block;
        spoken.push_back({block[0].text, block[1].text, static_cast<std::int32_t>(block[2].slot)});
    }
    return spoken;
}

// The row of the list with that name and variation.
const SpeechLine* FindRow(const SpeechLines& list, const Spoken& spoken) {
    for (const SpeechLine& line : list) {
        if (spoken.name == line.speechName && spoken.variation == line.variation) return &line;
    }
    return nullptr;
}

class PerformTauntTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;
    void SetUp() override {
        test::StartPluginInSim();
        sim::TheGame().clock.tick = 100000;
    }
    sim::Ped& player() { return sim::TheGame().world.peds[test::kPlayerPed]; }
    void Advance(std::uint32_t ms) { sim::TheGame().clock.tick += ms; }
};

TEST_F(PerformTauntTest, HandsTheGameAnEightSlotRequestForTheChosenRow) {
    ASSERT_TRUE(PerformTaunt(test::kPlayerPed, PedState::Dead, TargetContext{}));
    const sim::RecordedCall& call = test::Calls().back();
    ASSERT_EQ(call.hash, native::PLAY_PED_AMBIENT_SPEECH_NATIVE);
    EXPECT_EQ(call.args[0].slot, std::uint64_t{test::kPlayerPed});
    const auto& block = call.args[1].block;
    ASSERT_EQ(block.size(), 8u);
    EXPECT_NE(FindRow(*FindStateLines(VoiceSet::Arthur, 1), SpokenLines().back()), nullptr);
    EXPECT_EQ(block[1].text, "ARTHUR");
    EXPECT_EQ(block[3].slot, 0xF85DD899u);
    EXPECT_EQ(block[4].slot, std::uint64_t{test::kPlayerPed});
    EXPECT_EQ(block[5].slot, 1u);
    EXPECT_EQ(block[6].slot, 1u);
    EXPECT_EQ(block[7].slot, 0u);
}

TEST_F(PerformTauntTest, StatesWithoutLinesFailWithoutADrawInBothVoiceSets) {
    for (Hash model : {Hash{0}, kJohnModel}) {
        player().model = model;
        Advance(5000);
        for (PedState state : {PedState::Combat, PedState::UnharmedPassive, PedState::None}) {
            SeedRandom(7);
            std::int32_t next = Rand();
            SeedRandom(7);
            test::ClearCalls();
            EXPECT_FALSE(PerformTaunt(test::kPlayerPed, state, TargetContext{}));
            EXPECT_EQ(Rand(), next) << "no draw may be made";
            EXPECT_TRUE(SpokenLines().empty());
        }
    }
}

TEST_F(PerformTauntTest, ChecksTheModelAtMostOnceEvery5000Ms) {
    auto modelQueries = [] {
        int count = 0;
        for (const auto& call : test::Calls()) count += call.hash == native::GET_ENTITY_MODEL ? 1 : 0;
        return count;
    };
    PerformTaunt(test::kPlayerPed, PedState::Dead, TargetContext{});
    EXPECT_EQ(modelQueries(), 1);
    player().model = kJohnModel;
    Advance(4999);
    PerformTaunt(test::kPlayerPed, PedState::Dead, TargetContext{});
    EXPECT_EQ(modelQueries(), 1);
    EXPECT_EQ(CurrentVoiceSet(), VoiceSet::Arthur);
    Advance(1);
    PerformTaunt(test::kPlayerPed, PedState::Dead, TargetContext{});
    EXPECT_EQ(modelQueries(), 2);
    EXPECT_EQ(CurrentVoiceSet(), VoiceSet::John);
    EXPECT_EQ(SpokenLines().back().voice.rfind("JOHN", 0), 0u);
}

TEST_F(PerformTauntTest, AVanishedPlayerKeepsTheVoiceSet) {
    player().model = kJohnModel;
    PerformTaunt(test::kPlayerPed, PedState::Dead, TargetContext{});
    ASSERT_EQ(CurrentVoiceSet(), VoiceSet::John);
    Advance(5000);
    EXPECT_FALSE(PerformTaunt(99, PedState::Dead, TargetContext{}));  // the game refuses a missing speaker
    EXPECT_EQ(CurrentVoiceSet(), VoiceSet::John);
}

TEST_F(PerformTauntTest, EveryRowIsSpokenInItsOwnVoiceOrTheVoiceSetsDefault) {
    player().model = kJohnModel;
    int johnAi = 0;
    for (int i = 0; i < 600; ++i) {
        auto state = static_cast<PedState>(1 + i % 6);
        test::ClearCalls();
        ASSERT_TRUE(PerformTaunt(test::kPlayerPed, state, TargetContext{}));
        Spoken spoken = SpokenLines().back();
        const SpeechLine* row = FindRow(*FindStateLines(VoiceSet::John, static_cast<std::int32_t>(state)), spoken);
        ASSERT_NE(row, nullptr) << spoken.name;
        EXPECT_EQ(spoken.voice, row->voice != nullptr ? row->voice : "JOHN_PLAYER") << spoken.name;
        johnAi += spoken.voice == "JOHN_AI" ? 1 : 0;
    }
    EXPECT_GT(johnAi, 0) << "rows voiced JOHN_AI must come up";
}

TEST_F(PerformTauntTest, ACombatTauntUsesTheListOfTheFightAndStampsOnlyASpokenLine) {
    CombatContext melee;
    melee.mode = CombatMode::Melee;
    melee.hostileCount = 1;
    melee.hostilePeds = {5};
    ASSERT_TRUE(PerformCombatTaunt(melee, test::kPlayerPed));
    const SpeechLine* row = FindRow(MeleeLines(VoiceSet::Arthur), SpokenLines().back());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->conditions & LineCondition::MultipleEnemies, 0u) << "one enemy: no several-enemies line";
    EXPECT_EQ(LastCombatTauntTick(), 100000u);

    Advance(700);
    sim::TheGame().world.speechRefused = true;
    EXPECT_FALSE(PerformCombatTaunt(melee, test::kPlayerPed));
    EXPECT_EQ(LastCombatTauntTick(), 100000u) << "a refused line leaves the cooldown alone";

    CombatContext gunHeldButNoEnemy;
    gunHeldButNoEnemy.mode = CombatMode::Gunfight;
    for (const CombatContext& idle : {CombatContext{}, gunHeldButNoEnemy}) {
        SeedRandom(3);
        std::int32_t next = Rand();
        SeedRandom(3);
        EXPECT_FALSE(PerformCombatTaunt(idle, test::kPlayerPed));
        EXPECT_EQ(Rand(), next);
    }
}

}  // namespace
}  // namespace quillomar
