// A frame asks the game each question once: a repeat is answered from the frame's memory until
// something changes the world, and only plain questions within a frame are remembered.

#include "host/query_memory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

#include "host/native_hashes.h"
#include "host/natives.h"
#include "sim_support.h"

namespace quillomar {
namespace {

constexpr Ped kPed = 300;
constexpr Ped kOther = 301;

std::size_t CallsOf(std::uint64_t hash) {
    return static_cast<std::size_t>(std::ranges::count(test::Calls(), hash, &sim::RecordedCall::hash));
}

class QueryMemoryTest : public ::testing::Test {
  protected:
    test::ScopedDirectory dir;
    void SetUp() override {
        test::StartPluginInSim();
        world().peds[kPed].position = {1, 2, 3};
        world().peds[kOther].position = {4, 5, 6};
        test::ClearCalls();
    }
    static sim::World& world() { return sim::TheGame().world; }
};

TEST_F(QueryMemoryTest, ARepeatIsAnsweredFromTheFrameUntilSomethingChangesTheWorld) {
    struct Case {
        const char* between;
        void (*call)();
        bool askedAgain;
    } cases[] = {
        {"nothing", [] {}, false},
        {"a prompt made", [] { BeginPromptRegistration(); }, false},
        {"another ped's heading set", [] { SetEntityHeading(kOther, 90.0f); }, true},
        {"a task given", [] { TaskCombatPed(kOther, test::kPlayerPed); }, true},
        {"tasks cleared", [] { ClearPedTasksImmediately(kOther); }, true},
    };
    for (const Case& c : cases) {
        invoker::FrameMemory frame;
        test::ClearCalls();
        world().peds[kPed].dead = false;
        EXPECT_FALSE(IsEntityDead(kPed)) << c.between;
        world().peds[kPed].dead = true;  // unseen by the frame until it asks again
        c.call();
        EXPECT_EQ(IsEntityDead(kPed), c.askedAgain) << c.between;
        EXPECT_EQ(CallsOf(native::IS_ENTITY_DEAD), c.askedAgain ? 2u : 1u) << c.between;
    }
}

TEST_F(QueryMemoryTest, OnlyAPlainQueryRepeatedWithinAFrameIsRemembered) {
    enum class Where { OneFrame, TwoFrames, NoFrame };
    struct Case {
        const char* what;
        Where where;
        std::uint64_t hash;
        void (*ask)(int time);
    } cases[] = {
        {"outside a frame", Where::NoFrame, native::IS_ENTITY_DEAD, [](int) { IsEntityDead(kPed); }},
        {"in the next frame", Where::TwoFrames, native::IS_ENTITY_DEAD, [](int) { IsEntityDead(kPed); }},
        {"other arguments", Where::OneFrame, native::IS_ENTITY_DEAD,
         [](int time) { IsEntityDead(time == 0 ? kPed : kOther); }},
        {"an out-argument", Where::OneFrame, native::GET_PLAYER_TARGET_ENTITY, [](int) { PlayerTargetEntity(0); }},
        {"a probe started", Where::OneFrame, native::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE,
         [](int) {
             StartLineOfSightProbe({0, 0, 0}, {0, 10, 0}, 0);
         }},
        {"a prompt's state", Where::OneFrame, native::UI_PROMPT_HAS_STANDARD_MODE_COMPLETED,
         [](int) { HasPromptCompleted(1); }},
    };
    for (const Case& c : cases) {
        test::ClearCalls();
        std::optional<invoker::FrameMemory> frame;
        for (int time = 0; time < 2; ++time) {
            if (c.where == Where::TwoFrames || (c.where == Where::OneFrame && time == 0)) {
                frame.reset();
                frame.emplace();
            }
            c.ask(time);
        }
        EXPECT_EQ(CallsOf(c.hash), 2u) << c.what;
    }
}

TEST_F(QueryMemoryTest, ARememberedAnswerIsTheFirstAnswerAfterTheHostReusedItsBuffer) {
    invoker::FrameMemory frame;
    EntityCoords(kPed);
    EntityCoords(kOther);
    const Vector3 again = EntityCoords(kPed);
    EXPECT_EQ(CallsOf(native::GET_ENTITY_COORDS), 2u);
    EXPECT_EQ((std::array{again.x, again.y, again.z}), (std::array{1.0f, 2.0f, 3.0f}));
    HasEntityBeenDamagedBy(kPed, kOther);  // four arguments: the most a remembered question has
    HasEntityBeenDamagedBy(kPed, kOther);
    EXPECT_EQ(CallsOf(native::HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY), 1u);
}

TEST_F(QueryMemoryTest, ManyMoreQuestionsThanItHoldsAreStillAnsweredRightly) {
    constexpr Ped kFirst = 1000, kCount = 3000;
    for (Ped ped = kFirst; ped < kFirst + kCount; ++ped) world().peds[ped].dead = ped % 3 == 0;
    invoker::FrameMemory frame;
    for (int pass = 0; pass < 2; ++pass) {
        for (Ped ped = kFirst; ped < kFirst + kCount; ++ped) ASSERT_EQ(IsEntityDead(ped), ped % 3 == 0) << ped;
    }
    const std::size_t asked = CallsOf(native::IS_ENTITY_DEAD);
    EXPECT_GT(asked, static_cast<std::size_t>(kCount));
    EXPECT_LT(asked, static_cast<std::size_t>(2 * kCount));
}

}  // namespace
}  // namespace quillomar
