// The aggression effect's boundaries: where an engaging ped comes from, when its target is
// turned, and when a provoked ped engages, gives up or hands over to ordinary combat.

#include "combat/aggression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/field_tallies.h"
#include "host/native_hashes.h"
#include "sim_support.h"

namespace quillomar {
namespace {

double Rounded4(float value) { return std::round(static_cast<double>(value) * 10000.0) / 10000.0; }

TEST(ApproachOf, WorkedCasesGiveTheirAnglesSidesAndFacings) {
    struct Case {
        float heading, dx, dy;
        double angle;
        bool fromBehind, fromLeft;
        double facing;
        bool turned;
    } cases[] = {
        {0.0f, 1.0f, 0.0f, 90.0001, false, false, 270.0, true},
        {0.0f, -1.0f, 0.0f, -90.0001, false, true, 90.0, true},
        {0.0f, 0.0f, -1.0f, 180.0002, true, false, 360.0, false},
        {0.0f, 0.0f, 1.0f, 0.0, false, false, 0.0, false},
        {90.0f, 1.0f, 0.0f, 180.0001, true, false, 90.0, false},
        // The offset is made a unit vector first, so its length does not matter.
        {0.0f, 2.5f, 0.0f, 90.0001, false, false, 270.0, true},
    };
    for (const Case& c : cases) {
        const Approach approach = ApproachOf(c.heading, c.dx, c.dy);
        const std::string where =
            "h=" + std::to_string(c.heading) + " (" + std::to_string(c.dx) + ", " + std::to_string(c.dy) + ")";
        EXPECT_DOUBLE_EQ(Rounded4(approach.angle), c.angle) << where;
        EXPECT_EQ(approach.fromBehind, c.fromBehind) << where;
        EXPECT_EQ(approach.fromLeft, c.fromLeft) << where;
        EXPECT_NEAR(approach.facing, c.facing, 0.001) << where;
        EXPECT_EQ(TurnsTarget(approach.facing, c.heading), c.turned) << where;
    }
}

// An offset from a target with heading 0 whose approach angle is exactly the given float.
std::pair<float, float> OffsetAtExactly(float degrees) {
    const double radians = degrees * 3.14159265358979 / 180.0;
    float up = static_cast<float>(std::sin(radians)), down = up;
    const float dy = static_cast<float>(std::cos(radians));
    for (int step = 0; step < 4000; ++step) {
        if (ApproachOf(0.0f, up, dy).angle == degrees) return {up, dy};
        if (ApproachOf(0.0f, down, dy).angle == degrees) return {down, dy};
        up = std::nextafter(up, 2.0f);
        down = std::nextafter(down, -2.0f);
    }
    ADD_FAILURE() << "no offset at exactly " << degrees;
    return {up, dy};
}

TEST(ApproachOf, TheSectorBoundariesBelongToTheSidesAndNotToTheBack) {
    struct Case {
        float degrees;
        bool fromBehind, fromLeft;
    } cases[] = {{-70.0f, false, true}, {-110.0f, false, true}, {110.0f, false, false}};
    for (const Case& c : cases) {
        const auto [dx, dy] = OffsetAtExactly(c.degrees);
        const Approach approach = ApproachOf(0.0f, dx, dy);
        EXPECT_EQ(approach.fromBehind, c.fromBehind) << c.degrees;
        EXPECT_EQ(approach.fromLeft, c.fromLeft) << c.degrees;
    }
}

TEST(TurnsTarget, OnlyWhenTheHeadingIsMoreThan30DegreesOffEitherWayRound) {
    struct Case {
        float facing, heading;
        bool turned;
    } cases[] = {
        {90.0f, 60.0f, false},  {90.0f, 59.0f, true},  {90.0f, 120.0f, false}, {90.0f, 121.0f, true},
        {10.0f, 340.0f, false}, {10.0f, 339.0f, true}, {350.0f, 20.0f, false}, {350.0f, 21.0f, true},
        {0.0f, 180.0f, true},   {90.0f, 90.0f, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TurnsTarget(c.facing, c.heading), c.turned) << c.facing << " against " << c.heading;
    }
}

constexpr std::uint32_t kStart = 100000;
constexpr Ped kHostile = 201;

// One hostile, provoked at kStart as the grappler (a standing grapple: no tackle draw).
struct ProvokedWorld {
    Aggression aggression;
    Random random{1};
    CombatContext fight;

    explicit ProvokedWorld(bool dead = false) {
        sim::World& world = test::FreshWorld();
        world.peds[kHostile].position = {0.0f, 20.0f, 0.0f};
        world.peds[kHostile].dead = dead;
        sim::TheGame().clock.tick = kStart;
        fight.player = test::kPlayerPed;
        fight.hostileCount = 1;
        fight.hostilePeds = {kHostile};
        ProvokeEnemies(aggression, random, fight, {100, 1, 1, 0});
    }
    // The frame's two updates at the given time since provoking, with the ped at that distance.
    void Update(std::uint32_t ms, float distance) {
        sim::TheGame().clock.tick = kStart + ms;
        sim::TheGame().world.peds[kHostile].position = {0.0f, distance, 0.0f};
        UpdateProvokedPeds(aggression, random);
        ReleaseGrapplers(aggression);
    }
};

TEST(ProvokeEnemies, ProvokesNoPedTwiceNorADeadOneAndAtMost64AtOnce) {
    EXPECT_TRUE(ProvokedWorld(true).aggression.provoked.empty());
    ProvokedWorld world;
    ProvokeEnemies(world.aggression, world.random, world.fight, {100, 1, 1, 0});  // still on its way
    EXPECT_EQ(world.aggression.provoked.size(), 1u);
    for (Ped wave = 1; wave <= 3; ++wave) {
        world.fight.hostilePeds.clear();
        for (Ped ped = wave * 100; ped < wave * 100 + 32; ++ped) {
            sim::TheGame().world.peds[ped] = {};
            world.fight.hostilePeds.push_back(ped);
        }
        world.fight.hostileCount = 32;
        ProvokeEnemies(world.aggression, world.random, world.fight, {100, 32, 32, 0});
    }
    EXPECT_EQ(world.aggression.provoked.size(), 2 * 32u);
}

TEST(ProvokeEnemies, SendsEveryCountFromAggressionMinPedsToAggressionMaxPedsAndNoOther) {
    std::set<std::size_t> sent;
    Random random{7};
    for (int taunt = 0; taunt < 40; ++taunt) {
        ProvokedWorld world;  // one hostile, now five
        for (Ped ped = 202; ped <= 205; ++ped) {
            sim::TheGame().world.peds[ped] = {};
            world.fight.hostilePeds.push_back(ped);
        }
        world.aggression.provoked.clear();
        ProvokeEnemies(world.aggression, random, world.fight, {100, 2, 4, 0});
        sent.insert(world.aggression.provoked.size());
    }
    EXPECT_EQ(sent, (std::set<std::size_t>{2, 3, 4}));
}

TEST(UpdateProvokedPeds, EngagesWithin1_8mAtOnceWithin2_1mAfterMoreThan1500msAndGivesUpAfter30s) {
    enum Expect { Approaching, Engaged, Gone };
    struct Step {
        std::uint32_t ms;
        float distance;
        Expect expect;
    };
    const std::vector<std::vector<Step>> cases = {
        {{33, 1.8f, Engaged}},
        {{33, 1.81f, Approaching}, {66, 1.81f, Approaching}},
        {{100, 2.05f, Approaching}, {1600, 2.05f, Approaching}, {1601, 2.05f, Engaged}},
        {{100, 2.1f, Approaching}, {1601, 2.1f, Engaged}},
        {{100, 2.05f, Approaching},
         {1000, 2.2f, Approaching},
         {1100, 2.05f, Approaching},
         {2600, 2.05f, Approaching},
         {2601, 2.05f, Engaged}},
        {{30000, 10.0f, Approaching}, {30001, 10.0f, Gone}},
        // A grappler hands over to ordinary combat exactly 1500 ms after it engaged.
        {{33, 1.0f, Engaged}, {1532, 1.0f, Engaged}, {1533, 1.0f, Gone}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        ProvokedWorld world;
        for (const Step& step : cases[i]) {
            world.Update(step.ms, step.distance);
            const auto& provoked = world.aggression.provoked;
            const Expect now = provoked.empty() ? Gone : provoked[0].engaged ? Engaged : Approaching;
            EXPECT_EQ(now, step.expect) << "case " << i << " at " << step.ms << " ms";
            // A ped let go reacts to the world again.
            EXPECT_TRUE(now != Gone || !sim::TheGame().world.peds[kHostile].blockingEvents) << "case " << i;
        }
    }
}

TEST(UpdateProvokedPeds, EngagesWithoutAGrappleWhenTheGameHasNoHashForItsName) {
    ProvokedWorld world;
    sim::TheGame().world.hashKeyFails = true;
    test::ClearCalls();
    world.Update(33, 1.0f);
    EXPECT_TRUE(world.aggression.provoked.at(0).engaged);
    EXPECT_EQ(std::ranges::count(test::Calls(), native::TASK_GRAPPLE, &sim::RecordedCall::hash), 0);
}

TEST(AskGrappleStatus, AsksOncePerEngagementFromHalfASecondOn) {
    ProvokedWorld world;
    world.Update(33, 1.0f);  // engages
    FieldTallies field;
    for (const auto& [ms, asked] : {std::pair{532u, 0u}, std::pair{533u, 1u}, std::pair{900u, 1u}}) {
        sim::TheGame().clock.tick = kStart + ms;
        AskGrappleStatus(world.aggression, field);
        EXPECT_EQ(field.tackle.used == 0 ? 0u : field.tackle.rows[0].counts[0].value, asked) << ms;
    }
}

}  // namespace
}  // namespace quillomar
