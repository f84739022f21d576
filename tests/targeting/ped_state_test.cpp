#include "targeting/ped_state.h"

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
constexpr Ped kBystander = 9;

class ClassifyPedStateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetGame();
        world().playerPed = test::kPlayerPed;
        world().peds[test::kPlayerPed] = {};
        world().peds[kBystander] = {};
        world().peds[kPed] = {};
    }
    sim::World& world() { return sim::TheGame().world; }
    sim::Ped& ped() { return world().peds[kPed]; }
    PedState Classify(bool includeRagdoll) { return ClassifyPedState(kPed, includeRagdoll, test::kPlayerPed); }
};

sim::Ped Ragdoll(std::int32_t health, std::int32_t maxHealth) {
    sim::Ped ped;
    ped.ragdoll = true;
    ped.health = health;
    ped.maxHealth = maxHealth;
    return ped;
}

TEST_F(ClassifyPedStateTest, AsksItsQuestionsInOrderAndTheFirstThatDecidesWins) {
    auto with = [](sim::Ped ped, auto change) {
        change(ped);
        return ped;
    };
    sim::Ped calm;
    sim::Ped everything = with(Ragdoll(10, 600), [](sim::Ped& p) {
        p.dead = p.writhing = p.fatallyInjured = p.incapacitated = p.fleeing = true;
        p.fightingPeds = {test::kPlayerPed};
    });
    struct Case {
        const char* what;
        sim::Ped ped;
        bool includeRagdoll;
        PedState expected;
    } cases[] = {
        {"a calm human", calm, true, PedState::None},
        {"not human though dead", with(everything, [](sim::Ped& p) { p.human = false; }), true, PedState::None},
        {"hogtied", with(everything, [](sim::Ped& p) { p.hogtied = true; }), true, PedState::None},
        {"being hogtied", with(everything, [](sim::Ped& p) { p.beingHogtied = true; }), true, PedState::None},
        {"flag 327 set", with(everything, [](sim::Ped& p) { p.flag327 = true; }), true, PedState::None},
        {"dead and ragdolling and everything else", everything, true, PedState::Dead},
        {"writhing, fatally injured", with(everything, [](sim::Ped& p) { p.dead = false; }), true, PedState::Writhing},
        {"fatally injured, a hurt ragdoll", with(everything, [](sim::Ped& p) { p.dead = p.writhing = false; }), true,
         PedState::FatallyInjured},
        {"incapacitated, a hurt ragdoll",
         with(everything, [](sim::Ped& p) { p.dead = p.writhing = p.fatallyInjured = false; }), true,
         PedState::Incapacitated},
        {"a hurt ragdoll that flees and fights the player",
         with(everything, [](sim::Ped& p) { p.dead = p.writhing = p.fatallyInjured = p.incapacitated = false; }), true,
         PedState::RagdollHurt},
        {"a hurt ragdoll that flees, ragdolls not included",
         with(Ragdoll(10, 600), [](sim::Ped& p) { p.fleeing = true; }), false, PedState::Fleeing},
        {"a hurt ragdoll, ragdolls not included", Ragdoll(10, 600), false, PedState::None},
        {"fleeing while fighting the player",
         with(calm,
              [](sim::Ped& p) {
                  p.fleeing = true;
                  p.fightingPeds = {test::kPlayerPed};
              }),
         true, PedState::Fleeing},
        {"fighting the player",
         with(calm,
              [](sim::Ped& p) {
                  p.fightingPeds = {kBystander, test::kPlayerPed};
              }),
         true, PedState::Combat},
        {"fighting someone else", with(calm, [](sim::Ped& p) { p.fightingPeds = {kBystander}; }), true, PedState::None},
        {"low on health but standing",
         with(calm,
              [](sim::Ped& p) {
                  p.health = 10;
                  p.maxHealth = 600;
              }),
         true, PedState::None},
    };
    for (const Case& c : cases) {
        ped() = c.ped;
        EXPECT_EQ(Classify(c.includeRagdoll), c.expected) << c.what;
    }
}

TEST_F(ClassifyPedStateTest, CountsARagdollAsHurtBelow100OrBelowAThirdOfItsMaximum) {
    struct Case {
        std::int32_t health;
        std::int32_t maxHealth;
        bool hurt;
    } cases[] = {
        {150, 600, true},     // below 600 / 3 = 200
        {250, 600, false},    // neither below 100 nor below 200
        {199, 600, true},     // just below a third
        {200, 600, false},    // a third exactly is not below it
        {99, 200, true},      // below 100, though above a third
        {100, 200, false},    // 100 itself is not below 100
        {100, 302, false},    // 302 / 3 rounds down to 100
        {100, 303, true},     // 303 / 3 = 101
        {50, 0, false},       // no maximum: never hurt
        {-200, -300, false},  // a negative maximum neither
        {-5, 600, true},      // the comparisons are signed
        {0, 1, true},         // the smallest maximum
    };
    for (const Case& c : cases) {
        ped() = Ragdoll(c.health, c.maxHealth);
        EXPECT_EQ(Classify(true), c.hurt ? PedState::RagdollHurt : PedState::None)
            << "health " << c.health << " of " << c.maxHealth;
        ped().fleeing = true;
        EXPECT_EQ(Classify(true), c.hurt ? PedState::RagdollHurt : PedState::Fleeing)
            << "fleeing, health " << c.health << " of " << c.maxHealth;
    }
}

TEST_F(ClassifyPedStateTest, GivesNoneForAPedThatDoesNotExist) {
    world().peds.erase(kPed);
    EXPECT_EQ(Classify(true), PedState::None);
    EXPECT_EQ(test::CalledHashes(), Hashes{n::DOES_ENTITY_EXIST});
}

TEST_F(ClassifyPedStateTest, StopsAskingAtTheFirstDecidingQuestion) {
    const Hashes gates = {n::DOES_ENTITY_EXIST, n::IS_PED_HUMAN, n::IS_PED_HOGTIED, n::IS_PED_BEING_HOGTIED,
                          n::GET_PED_CONFIG_FLAG};
    const Hashes downed = {n::IS_ENTITY_DEAD, n::IS_PED_IN_WRITHE, n::IS_PED_FATALLY_INJURED, n::IS_PED_INCAPACITATED};
    auto join = [](std::initializer_list<Hashes> parts) {
        Hashes all;
        for (const Hashes& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    sim::Ped notHuman;
    notHuman.human = false;
    sim::Ped dead = Ragdoll(10, 600);
    dead.dead = true;
    sim::Ped calmRagdoll = Ragdoll(600, 600);
    sim::Ped fleeing;
    fleeing.fleeing = true;
    struct Case {
        const char* what;
        sim::Ped ped;
        bool includeRagdoll;
        Hashes natives;
    } cases[] = {
        {"not human", notHuman, true, {n::DOES_ENTITY_EXIST, n::IS_PED_HUMAN}},
        {"dead", dead, true, join({gates, {n::IS_ENTITY_DEAD}})},
        {"hurt ragdoll", Ragdoll(10, 600), true,
         join({gates, downed, {n::IS_PED_RAGDOLL, n::GET_ENTITY_HEALTH, n::GET_ENTITY_MAX_HEALTH}})},
        {"healthy ragdoll", calmRagdoll, true,
         join({gates,
               downed,
               {n::IS_PED_RAGDOLL, n::GET_ENTITY_HEALTH, n::GET_ENTITY_MAX_HEALTH, n::IS_PED_FLEEING,
                n::IS_PED_IN_COMBAT}})},
        {"standing, ragdolls included", sim::Ped{}, true,
         join({gates, downed, {n::IS_PED_RAGDOLL, n::IS_PED_FLEEING, n::IS_PED_IN_COMBAT}})},
        {"hurt ragdoll, ragdolls not included", Ragdoll(10, 600), false,
         join({gates, downed, {n::IS_PED_FLEEING, n::IS_PED_IN_COMBAT}})},
        {"fleeing, ragdolls not included", fleeing, false, join({gates, downed, {n::IS_PED_FLEEING}})},
    };
    for (const Case& c : cases) {
        ped() = c.ped;
        test::ClearCalls();
        Classify(c.includeRagdoll);
        EXPECT_EQ(test::CalledHashes(), c.natives) << c.what;
    }
}

TEST_F(ClassifyPedStateTest, AsksAboutThePedWithFlag327TheMaximumHealthAndTheFightWithThePlayer) {
    ped() = Ragdoll(600, 600);
    Classify(true);
    const std::vector<sim::RecordedCall>& calls = test::Calls();
    ASSERT_EQ(calls.size(), 14u);
    for (const sim::RecordedCall& call : calls) {
        ASSERT_FALSE(call.args.empty());
        EXPECT_EQ(call.args[0].slot, static_cast<std::uint64_t>(kPed)) << sim::NativeName(call.hash);
    }
    auto extraArgs = [&calls](std::size_t index) {
        std::vector<std::uint64_t> slots;
        for (std::size_t i = 1; i < calls[index].args.size(); ++i) slots.push_back(calls[index].args[i].slot);
        return slots;
    };
    EXPECT_EQ(extraArgs(4), (std::vector<std::uint64_t>{327, 1}));           // the configuration flag
    EXPECT_EQ(extraArgs(11), std::vector<std::uint64_t>{0});                 // the maximum health
    EXPECT_EQ(extraArgs(13), std::vector<std::uint64_t>{test::kPlayerPed});  // in combat with the player
}

}  // namespace
}  // namespace quillomar
