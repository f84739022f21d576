#include "targeting/taunt_history.h"

#include <gtest/gtest.h>

#include <vector>

#include "game.h"
#include "host/native_hashes.h"
#include "sim_support.h"

namespace quillomar {
namespace {

namespace n = native;
using Hashes = std::vector<std::uint64_t>;

constexpr Ped kPed = 5;
constexpr Ped kOther = 6;

class TauntHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetGame();
        ClearTauntHistory();
        world().peds[kPed] = {};
        world().peds[kOther] = {};
    }
    void TearDown() override { ClearTauntHistory(); }

    sim::World& world() { return sim::TheGame().world; }
    void SetTick(std::uint32_t tick) { sim::TheGame().clock.tick = tick; }
    void TauntAt(std::uint32_t tick, Ped ped) {
        SetTick(tick);
        RecordTaunt(ped);
    }
    bool CanTauntAt(std::uint32_t tick, Ped ped) {
        SetTick(tick);
        return CanTauntPed(ped);
    }
};

TEST_F(TauntHistoryTest, CanTauntPedHoldsOffOnlyTheTauntedPedFor15000Ms) {
    EXPECT_TRUE(CanTauntAt(1000, kPed)) << "never taunted";
    TauntAt(1000, kPed);
    struct Case {
        std::uint32_t tick;
        bool allowed;
    } cases[] = {{1000, false}, {8000, false}, {15999, false}, {16000, true}, {90000, true}};
    for (const Case& c : cases) EXPECT_EQ(CanTauntAt(c.tick, kPed), c.allowed) << "at tick " << c.tick;
    EXPECT_TRUE(CanTauntAt(1001, kOther));
}

TEST_F(TauntHistoryTest, CanTauntPedAllowsARetauntOnceThePedDies) {
    TauntAt(1000, kPed);
    EXPECT_FALSE(CanTauntAt(1001, kPed));
    world().peds[kPed].dead = true;
    EXPECT_TRUE(CanTauntAt(1001, kPed));
}

TEST_F(TauntHistoryTest, CanTauntPedHoldsAPedTauntedAfterDeathForTheFullDelay) {
    world().peds[kPed].dead = true;
    TauntAt(1000, kPed);
    EXPECT_FALSE(CanTauntAt(1001, kPed));
    EXPECT_FALSE(CanTauntAt(15999, kPed));
    EXPECT_TRUE(CanTauntAt(16000, kPed));
}

TEST_F(TauntHistoryTest, ALaterTauntReplacesTheEarlierRecord) {
    TauntAt(1000, kPed);
    world().peds[kPed].dead = true;
    TauntAt(5000, kPed);  // taunted again, dead this time
    EXPECT_FALSE(CanTauntAt(19999, kPed)) << "the death no longer frees the ped";
    EXPECT_TRUE(CanTauntAt(20000, kPed));
    EXPECT_EQ(TauntHistorySize(), 1u);
}

TEST_F(TauntHistoryTest, CanTauntPedCountsTheDelayAcrossTheTickCountsWrap) {
    constexpr std::uint32_t kNearTheWrap = 0xFFFFF000u;  // 4096 ms before the counter wraps
    TauntAt(kNearTheWrap, kPed);
    EXPECT_FALSE(CanTauntAt(kNearTheWrap + 4095u, kPed));
    EXPECT_FALSE(CanTauntAt(14999u - 4096u, kPed)) << "14999 ms later, past the wrap";
    EXPECT_TRUE(CanTauntAt(15000u - 4096u, kPed));
}

TEST_F(TauntHistoryTest, CanTauntPedAllowsAVanishedPedWithoutLookingItUp) {
    TauntAt(1000, kPed);
    world().peds.erase(kPed);
    test::ClearCalls();
    EXPECT_TRUE(CanTauntAt(1001, kPed));
    EXPECT_EQ(test::CalledHashes(), Hashes{n::DOES_ENTITY_EXIST});
    EXPECT_EQ(TauntHistorySize(), 1u) << "asking never forgets";
}

TEST_F(TauntHistoryTest, RecordTauntNotesTheTickAndTheDeathOfTheTarget) {
    TauntAt(1000, kPed);
    ASSERT_EQ(test::CalledHashes(), Hashes{n::IS_ENTITY_DEAD}) << "no pruning within 30 s of the start";
    EXPECT_EQ(test::Calls()[0].args[0].slot, static_cast<std::uint64_t>(kPed));
}

TEST_F(TauntHistoryTest, RecordTauntForgetsVanishedPedsOnlyMoreThan30000MsAfterTheLastPrune) {
    TauntAt(1000, kPed);
    world().peds.erase(kPed);
    for (std::uint32_t tick = 1000; tick <= 300000; tick += 5000) EXPECT_TRUE(CanTauntAt(tick, kOther));
    EXPECT_EQ(TauntHistorySize(), 1u) << "no taunt, no pruning";

    TauntAt(30000, kOther);  // 30000 ms since the start, the last prune's time: not more than 30000
    EXPECT_EQ(TauntHistorySize(), 2u);
    TauntAt(30001, kOther);
    EXPECT_EQ(TauntHistorySize(), 1u) << "the vanished ped is forgotten";

    world().peds.erase(kOther);
    TauntAt(60001, kPed);  // a taunt of a ped that has gone, 30000 ms after the prune
    EXPECT_EQ(TauntHistorySize(), 2u);
    TauntAt(60002, kPed);
    EXPECT_EQ(TauntHistorySize(), 0u);
}

TEST_F(TauntHistoryTest, RecordTauntPrunesAtOnceWhenTheClockIsPast30SecondsAtTheFirstTaunt) {
    struct Case {
        std::uint32_t tick;
        Hashes natives;
    } cases[] = {
        {30000, {n::IS_ENTITY_DEAD}},
        {30001, {n::IS_ENTITY_DEAD, n::DOES_ENTITY_EXIST}},
        {0xFFFFFFFFu, {n::IS_ENTITY_DEAD, n::DOES_ENTITY_EXIST}},
    };
    for (const Case& c : cases) {
        ClearTauntHistory();
        test::ClearCalls();
        TauntAt(c.tick, kPed);
        EXPECT_EQ(test::CalledHashes(), c.natives) << "first taunt at tick " << c.tick;
    }
}

TEST_F(TauntHistoryTest, PruningAsksAboutEveryPedInHandleOrderAndKeepsThoseThatExistHoweverOld) {
    constexpr Ped kVanished = 3;
    world().peds[9] = {};
    world().peds[kVanished] = {};
    TauntAt(1000, 9);
    TauntAt(2000, kVanished);
    TauntAt(3000, kPed);
    world().peds.erase(kVanished);
    test::ClearCalls();
    TauntAt(40000, kOther);
    std::vector<std::uint64_t> asked;
    for (const sim::RecordedCall& call : test::Calls()) {
        if (call.hash == n::DOES_ENTITY_EXIST) asked.push_back(call.args[0].slot);
    }
    EXPECT_EQ(asked, (std::vector<std::uint64_t>{3, 5, 6, 9}));
    EXPECT_EQ(TauntHistorySize(), 3u);
    EXPECT_FALSE(CanTauntAt(40001, kOther));
    EXPECT_TRUE(CanTauntAt(40001, 9)) << "kept, but its delay is long over";
}

}  // namespace
}  // namespace quillomar
