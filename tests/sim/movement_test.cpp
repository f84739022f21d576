#include "movement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/natives.h"
#include "natives.h"
#include "sim_support.h"

namespace {

constexpr std::int32_t kRunner = 201;
constexpr std::int32_t kTarget = 1;

class MovementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetGame();
        World().peds[kTarget].position = {0.0f, 0.0f, 0.0f};
        World().peds[kRunner].position = {0.0f, -10.0f, 0.0f};
    }
    static sim::World& World() { return sim::TheGame().world; }
    static sim::Ped& Runner() { return World().peds[kRunner]; }
    static void SendRunner(float stop, float speed, std::int32_t timeLimitMs = -1) {
        quillomar::TaskGoToEntity(kRunner, kTarget, timeLimitMs, stop, speed);
        sim::TheGame().events.clear();
    }
    static float DistanceToTarget() {
        const sim::Vec3& a = Runner().position;
        const sim::Vec3& b = World().peds[kTarget].position;
        return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
    }
};

TEST_F(MovementTest, ARunnerCoversSpeedTimesTimeAndStopsExactlyAtItsStopDistance) {
    struct Case {
        const char* what;
        float stop, speed;
        std::vector<std::uint32_t> steps;
        float distanceLeft;
        bool arrived;
    } cases[] = {
        {"one second at 3 m/s", 0.5f, 3.0f, {1000}, 7.0f, false},
        {"in frames of 33 ms", 0.5f, 3.0f, {33, 33, 33, 33, 33, 33, 33, 33, 33, 33}, 9.01f, false},
        {"never past the stop distance", 0.5f, 3.0f, {10000}, 0.5f, true},
        {"a closer's 2 m", 2.0f, 3.0f, {2000, 2000, 2000}, 2.0f, true},
        {"no time, no ground", 0.5f, 3.0f, {0}, 10.0f, false},
        {"no speed, no ground", 0.5f, 0.0f, {1000}, 10.0f, false},
        {"already close enough", 12.0f, 3.0f, {1000}, 10.0f, true},
    };
    for (const Case& c : cases) {
        SetUp();
        SendRunner(c.stop, c.speed);
        for (std::uint32_t ms : c.steps) sim::MovePeds(sim::TheGame(), ms);
        EXPECT_NEAR(DistanceToTarget(), c.distanceLeft, 1e-4) << c.what;
        EXPECT_EQ(Runner().task.arrived, c.arrived) << c.what;
        EXPECT_FLOAT_EQ(Runner().position.x, 0.0f) << c.what << ": straight at the target";
    }
}

TEST_F(MovementTest, TheArrivalIsToldOnceAndTheRunnerFacesAndFollowsItsTarget) {
    SendRunner(0.5f, 3.0f);
    sim::MovePeds(sim::TheGame(), 1000);
    EXPECT_FLOAT_EQ(Runner().heading, 0.0f) << "running along +y";
    EXPECT_FLOAT_EQ(Runner().speed, 3.0f);
    sim::MovePeds(sim::TheGame(), 5000);
    sim::MovePeds(sim::TheGame(), 5000);
    EXPECT_EQ(sim::TheGame().events, std::vector<std::string>({"move: ped 201 reached ped 1"}));
    EXPECT_FLOAT_EQ(Runner().speed, 0.0f);

    // The target walks off along -x: the runner follows, facing it, and arrives again.
    sim::TheGame().events.clear();
    World().peds[kTarget].position = {-6.0f, -0.5f, 0.0f};
    sim::MovePeds(sim::TheGame(), 1000);
    EXPECT_NEAR(DistanceToTarget(), 3.0f, 1e-4);
    EXPECT_NEAR(Runner().heading, 90.0f, 1e-3) << "running along -x";
    EXPECT_FALSE(Runner().task.arrived);
    sim::MovePeds(sim::TheGame(), 1000);
    EXPECT_EQ(sim::TheGame().events, std::vector<std::string>({"move: ped 201 reached ped 1"}));
}

TEST_F(MovementTest, OnlyLivingPedsWithAMoveTaskToAnExistingTargetMove) {
    struct Case {
        const char* what;
        void (*arrange)();
    } cases[] = {
        {"no task", [] { Runner().task = {}; }},
        {"dead", [] { Runner().dead = true; }},
        {"target gone", [] { World().peds.erase(kTarget); }},
        {"tasks cleared", [] { quillomar::ClearPedTasksImmediately(kRunner); }},
        {"now fighting", [] { quillomar::TaskCombatPed(kRunner, kTarget); }},
    };
    for (const Case& c : cases) {
        SetUp();
        SendRunner(0.5f, 3.0f);
        c.arrange();
        sim::MovePeds(sim::TheGame(), 1000);
        EXPECT_FLOAT_EQ(Runner().position.y, -10.0f) << c.what;
    }
}

TEST_F(MovementTest, ATimeLimitEndsTheTask) {
    SendRunner(0.5f, 2.0f, 1500);
    sim::MovePeds(sim::TheGame(), 1000);
    sim::MovePeds(sim::TheGame(), 1000);
    EXPECT_NEAR(DistanceToTarget(), 7.0f, 1e-4) << "it ran for 1500 ms only";
    EXPECT_EQ(Runner().task.kind, sim::PedTask::Kind::None);
    sim::MovePeds(sim::TheGame(), 1000);
    EXPECT_NEAR(DistanceToTarget(), 7.0f, 1e-4);
}

// The task natives of the simulated game

TEST(SimTaskNatives, EachOrderChangesThePedAndIsTold) {
    sim::ResetGame();
    sim::World& world = sim::TheGame().world;
    world.peds[1] = {};
    world.peds[201] = {};
    using namespace quillomar;
    Hash grapple = HashKey("AR_GRAPPLE_BACK_FROM_BACK");
    ClearPedTasksImmediately(201);
    SetBlockingOfNonTemporaryEvents(201, true);
    SetPedCombatMovement(201, 2);
    SetPedCombatAttribute(201, 46, true);
    SetPedGrappleStyle(201, grapple);
    SetPedGrappleAction(201, 0x12345678);
    SetPedGrappleFlag(201, 0, true);
    TaskGoToEntity(201, 1, -1, 0.5f, 3.0f);
    SetPedKeepTask(201, true);
    SetEntityHeading(1, 269.9998f);
    TaskGrapple(201, 1, grapple);
    TaskPutPedDirectlyIntoGrapple(201, 1, grapple);
    SetBlockingOfNonTemporaryEvents(201, false);
    SetPedCombatAttribute(201, 46, false);
    TaskCombatPed(201, 1);
    TaskGoToEntity(201, 1, 5000, 2.0f, 1.0f);
    std::vector<std::string> expected = {
        "task: ped 201 cleared",
        "events: ped 201 ignores ambient events",
        "combat: ped 201 movement 2",
        "combat: ped 201 attribute 46 on",
        "grapple: ped 201 style AR_GRAPPLE_BACK_FROM_BACK",
        "grapple: ped 201 action 0x12345678",
        "grapple: ped 201 flag 0 on",
        "task: ped 201 runs at ped 1 (stop 0.5 m)",
        "task: ped 201 keeps its task",
        "heading: ped 1 turned to 270.0",
        "grapple: ped 201 on ped 1 AR_GRAPPLE_BACK_FROM_BACK",
        "grapple: ped 201 put straight into AR_GRAPPLE_BACK_FROM_BACK",
        "events: ped 201 reacts to ambient events",
        "combat: ped 201 attribute 46 off",
        "task: ped 201 fights ped 1",
        "task: ped 201 walks to ped 1 (stop 2.0 m)",
    };
    EXPECT_EQ(sim::TheGame().events, expected);
    const sim::Ped& ped = world.peds[201];
    EXPECT_FALSE(ped.blockingEvents);
    EXPECT_EQ(ped.combatMovement, 2);
    EXPECT_TRUE(ped.combatAttributes.empty());
    EXPECT_EQ(ped.grappleStyle, grapple);
    EXPECT_EQ(ped.grappleFlags, std::vector<std::int32_t>({0}));
    EXPECT_EQ(ped.fightingPeds, std::vector<std::int32_t>({1})) << "fighting a ped is being in combat with it";
    EXPECT_EQ(ped.task.kind, sim::PedTask::Kind::GoToEntity);
    EXPECT_EQ(ped.task.timeLimitMs, 5000);
    EXPECT_FLOAT_EQ(EntityHeading(1), 269.9998f);

    // Orders for a ped that does not exist change nothing and tell nothing.
    sim::TheGame().events.clear();
    TaskCombatPed(999, 1);
    SetEntityHeading(999, 10.0f);
    EXPECT_TRUE(sim::TheGame().events.empty());
    EXPECT_EQ(world.peds.count(999), 0u);
    EXPECT_FLOAT_EQ(EntityHeading(999), 0.0f);
}

TEST(SimTaskNatives, NamesHashAsTheGameHashesThemWhateverTheirCase) {
    sim::ResetGame();
    // A hash the game is known by: its unarmed weapon.
    EXPECT_EQ(quillomar::HashKey("WEAPON_UNARMED"), 0xA2719263u);
    EXPECT_EQ(quillomar::HashKey("weapon_unarmed"), 0xA2719263u);
    EXPECT_EQ(quillomar::HashKey("Weapon_Unarmed"), 0xA2719263u);
    EXPECT_EQ(sim::HashOfName(""), 0u);
    EXPECT_NE(sim::HashOfName("AR_GRAPPLE_BACK_FROM_BACK"), sim::HashOfName("AR_GRAPPLE_MOUNT_FROM_FRONT"));
    sim::TheGame().world.hashKeyFails = true;
    EXPECT_EQ(quillomar::HashKey("WEAPON_UNARMED"), 0u);
}

}  // namespace
