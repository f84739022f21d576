// The simulated game's geometry and world queries, asked through the natives as the plug-in asks.

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "game.h"
#include "host/native_hashes.h"
#include "host/native_invoker.h"

namespace sim {
namespace {

namespace n = quillomar::native;
using quillomar::CallBool;
using quillomar::CallInt;
using quillomar::CallVoid;

struct ProbeOutcome {
    bool hit = false;
    Vec3 point;
    std::int32_t entity = 0;
};

float FloatOf(std::uint64_t slot) { return std::bit_cast<float>(static_cast<std::uint32_t>(slot)); }

// One synchronous line-of-sight probe from one point to another, started and read at once.
ProbeOutcome Cast(const Vec3& from, const Vec3& to, std::int32_t ignored = 0) {
    std::int32_t probe = CallInt(n::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE, from.x, from.y, from.z, to.x,
                                 to.y, to.z, 8, ignored, 7);
    std::uint64_t hit = 0, end[3] = {}, normal[3] = {}, entity = 0;
    CallVoid(n::GET_SHAPE_TEST_RESULT, probe, &hit, static_cast<void*>(end), static_cast<void*>(normal), &entity);
    return {hit != 0, {FloatOf(end[0]), FloatOf(end[1]), FloatOf(end[2])}, static_cast<std::int32_t>(entity)};
}

class SimWorldTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetGame(); }
    World& world() { return TheGame().world; }
};

using CameraProbe = SimWorldTest;
using NearbyPedQuery = SimWorldTest;
using EntityQueries = SimWorldTest;

TEST_F(CameraProbe, HitsAPedsBodyAsAVerticalCapsule) {
    // The ped stands at y 10: its body reaches 0.35 m to every side, from 0.9 + 0.35 m below its
    // position to 0.7 + 0.35 m above.
    world().peds[5].position = {0.0f, 10.0f, 0.0f};
    struct Case {
        const char* what;
        Vec3 from, to;
        bool hit;
        Vec3 point;
    } cases[] = {
        {"through the middle", {0, 0, 0}, {0, 20, 0}, true, {0, 9.65f, 0}},
        {"grazing the side", {0.34f, 0, 0}, {0.34f, 20, 0}, true, {}},
        {"just beside", {0.36f, 0, 0}, {0.36f, 20, 0}, false, {}},
        {"through the top of the head", {0, 0, 1.04f}, {0, 20, 1.04f}, true, {}},
        {"just over the head", {0, 0, 1.06f}, {0, 20, 1.06f}, false, {}},
        {"through the feet", {0, 0, -1.24f}, {0, 20, -1.24f}, true, {}},
        {"just under the feet", {0, 0, -1.26f}, {0, 20, -1.26f}, false, {}},
        {"straight down onto the head", {0, 10, 5}, {0, 10, -5}, true, {0, 10, 1.05f}},
        {"straight down beside it", {0.36f, 10, 5}, {0.36f, 10, -5}, false, {}},
        {"stopping short", {0, 0, 0}, {0, 9.6f, 0}, false, {}},
        {"reaching just far enough", {0, 0, 0}, {0, 9.7f, 0}, true, {0, 9.65f, 0}},
        {"starting inside", {0, 10, 0}, {0, 20, 0}, true, {0, 10, 0}},
        {"moving away", {0, 11, 0}, {0, 20, 0}, false, {}},
    };
    for (const Case& c : cases) {
        ProbeOutcome outcome = Cast(c.from, c.to);
        EXPECT_EQ(outcome.hit, c.hit) << c.what;
        EXPECT_EQ(outcome.entity, c.hit ? 5 : 0) << c.what;
        if (c.hit && (c.point.x != 0 || c.point.y != 0 || c.point.z != 0)) {
            EXPECT_NEAR(outcome.point.x, c.point.x, 1e-4) << c.what;
            EXPECT_NEAR(outcome.point.y, c.point.y, 1e-4) << c.what;
            EXPECT_NEAR(outcome.point.z, c.point.z, 1e-4) << c.what;
        }
        if (!c.hit) {
            EXPECT_EQ(outcome.point.y, c.to.y) << c.what << ": a miss stops at the end";
        }
    }
}

TEST_F(CameraProbe, TheNearestBodyAlongTheRayWinsAndTheIgnoredPedIsSeenThrough) {
    world().peds[3].position = {0.0f, 15.0f, 0.0f};
    world().peds[5].position = {0.0f, 10.0f, 0.0f};
    world().peds[8].position = {0.0f, 6.0f, 0.0f};
    EXPECT_EQ(Cast({0, 0, 0}, {0, 20, 0}).entity, 8);
    EXPECT_EQ(Cast({0, 20, 0}, {0, 0, 0}).entity, 3);
    EXPECT_EQ(Cast({0, 0, 0}, {0, 20, 0}, 8).entity, 5);
    EXPECT_EQ(Cast({0, 6, 0}, {0, 20, 0}, 8).entity, 5) << "starting inside the ignored ped";
    EXPECT_FALSE(Cast({0, 0, 0}, {0, 7, 0}, 8).hit);
}

TEST_F(CameraProbe, AnObjectInTheWayIsHitInsteadOfThePedBehindIt) {
    world().peds[5].position = {0.0f, 10.0f, 0.0f};
    world().objects[40].position = {0.0f, 5.0f, 0.0f};
    ProbeOutcome blocked = Cast({0, 0, 0}, {0, 20, 0});
    EXPECT_EQ(blocked.entity, 40);
    EXPECT_FLOAT_EQ(blocked.point.y, 4.5f);
    world().objects[40].position = {0.6f, 5.0f, 0.0f};  // beside the ray
    EXPECT_EQ(Cast({0, 0, 0}, {0, 20, 0}).entity, 5);
}

TEST_F(CameraProbe, EachProbeIsReadOnce) {
    world().peds[5].position = {0.0f, 10.0f, 0.0f};
    std::int32_t first =
        CallInt(n::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE, 0.0f, 0.0f, 0.0f, 0.0f, 20.0f, 0.0f, 8, 0, 7);
    std::int32_t second =
        CallInt(n::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE, 0.0f, 0.0f, 0.0f, 0.0f, 5.0f, 0.0f, 8, 0, 7);
    EXPECT_NE(first, second);
    auto read = [](std::int32_t probe, std::uint64_t& hit) {
        std::uint64_t end[3] = {}, normal[3] = {}, entity = 0;
        return CallInt(n::GET_SHAPE_TEST_RESULT, probe, &hit, static_cast<void*>(end), static_cast<void*>(normal),
                       &entity);
    };
    std::uint64_t hit = 7;
    EXPECT_EQ(read(first, hit), 2);
    EXPECT_EQ(hit, 1u);
    hit = 7;
    EXPECT_EQ(read(first, hit), 0) << "already read";
    EXPECT_EQ(hit, 7u) << "nothing written";
    EXPECT_EQ(read(second, hit), 2);
    EXPECT_EQ(hit, 0u);
}

TEST_F(NearbyPedQuery, ListsTheWorldsOrderFirstThenTheRestUpToTheCapacity) {
    for (std::int32_t ped : {1, 2, 3, 4, 5, 6, 77}) world().peds[ped] = {};
    world().nearbyOrder = {5, 99, 2};
    struct Case {
        std::int32_t centre;
        std::uint64_t capacity;
        std::vector<std::uint64_t> listed;
    } cases[] = {
        {77, 4, {5, 2, 1, 3}},
        {5, 10, {2, 1, 3, 4, 6, 77}},
        {77, 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint64_t> buffer(11, 0xDEADu);
        buffer[0] = c.capacity;
        std::int32_t count = CallInt(n::GET_PED_NEARBY_PEDS, c.centre, static_cast<void*>(buffer.data()), -1, 0);
        EXPECT_EQ(count, static_cast<std::int32_t>(c.listed.size())) << "around " << c.centre;
        EXPECT_EQ(buffer[0], c.capacity);
        std::vector<std::uint64_t> written(buffer.begin() + 1, buffer.begin() + 1 + count);
        EXPECT_EQ(written, c.listed) << "around " << c.centre;
        EXPECT_EQ(buffer[1 + count], 0xDEADu) << "nothing beyond the list";
    }
}

TEST_F(EntityQueries, AnswerForPedsObjectsAndVanishedEntitiesAlike) {
    world().peds[5] = {};
    world().objects[50].position = {1.0f, 2.0f, 3.0f};
    struct Case {
        std::int32_t entity;
        bool exists, isPed;
    } cases[] = {{5, true, true}, {50, true, false}, {99, false, false}, {0, false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(CallBool(n::DOES_ENTITY_EXIST, c.entity), c.exists) << c.entity;
        EXPECT_EQ(CallBool(n::IS_ENTITY_A_PED, c.entity), c.isPed) << c.entity;
        world().freeAimEntity = c.entity;
        world().lockOnEntity = c.entity;
        std::uint64_t aimed = 0;
        EXPECT_EQ(CallBool(n::GET_ENTITY_PLAYER_IS_FREE_AIMING_AT, 0, &aimed), c.exists) << c.entity;
        EXPECT_EQ(aimed, c.exists ? static_cast<std::uint64_t>(c.entity) : 0u) << c.entity;
        EXPECT_EQ(CallBool(n::IS_PLAYER_TARGETTING_ANYTHING, 0), c.exists) << c.entity;
    }
    quillomar::Vector3 position = quillomar::CallVector(n::GET_ENTITY_COORDS, 50, true, false);
    EXPECT_EQ(position.y, 2.0f);
}

}  // namespace
}  // namespace sim
