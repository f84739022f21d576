#include "targeting/target_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

#include "config/settings.h"
#include "game.h"
#include "host/native_hashes.h"
#include "sim_support.h"

namespace quillomar {
namespace {

namespace n = native;
using Hashes = std::vector<std::uint64_t>;

constexpr Ped kAimed = 11;
constexpr Ped kLocked = 12;
constexpr Ped kFocused = 13;
constexpr Ped kUnderCamera = 14;
constexpr Entity kObject = 50;
constexpr Entity kVanished = 99;
constexpr std::int32_t kPlayerIndex = 3;

// The player stands at the origin; the camera is 2 m behind and above its feet, looking along +y
// level with the ground, so its ray passes through the player's body on the way out.
const sim::Vec3 kCamera{0.0f, -2.0f, 0.5f};

class TargetSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetGame();
        world().playerPed = test::kPlayerPed;
        world().playerIndex = kPlayerIndex;
        world().peds[test::kPlayerPed] = {};
        for (Ped ped : {kAimed, kLocked, kFocused}) world().peds[ped].position = {5.0f, 5.0f, 0.0f};
        world().peds[kUnderCamera].position = {0.0f, 10.0f, 0.5f};
        world().objects[kObject].position = {1.0f, 1.0f, 1.0f};
        world().cameraPosition = kCamera;
    }
    sim::World& world() { return sim::TheGame().world; }
    void Aim(Entity aim, Entity lockOn, Entity focus) {
        world().freeAimEntity = aim;
        world().lockOnEntity = lockOn;
        world().focusEntity = focus;
    }
    void ClearTheCamerasView() { world().peds[kUnderCamera].position = {50.0f, 0.0f, 0.0f}; }
};

TEST_F(TargetSearchTest, FindTargetPedTakesAimThenLockOnThenFocusThenTheCameraRaySkippingNonPeds) {
    struct Case {
        const char* what;
        Entity aim, lockOn, focus;
        bool pedUnderCamera;
        bool requireAiming;
        Ped expected;
    } cases[] = {
        {"all four", kAimed, kLocked, kFocused, true, false, kAimed},
        {"no aim", 0, kLocked, kFocused, true, false, kLocked},
        {"aiming at an object", kObject, kLocked, kFocused, true, false, kLocked},
        {"aiming at a vanished entity", kVanished, kLocked, kFocused, true, false, kLocked},
        {"nothing aimed or locked", 0, 0, kFocused, true, false, kFocused},
        {"locked on to an object", 0, kObject, kFocused, true, false, kFocused},
        {"focused on an object", 0, 0, kObject, true, false, kUnderCamera},
        {"only the camera", 0, 0, 0, true, false, kUnderCamera},
        {"nothing anywhere", 0, 0, 0, false, false, 0},
        {"aiming required, aimed", kAimed, kLocked, kFocused, true, true, kAimed},
        {"aiming required, locked on", 0, kLocked, kFocused, true, true, kLocked},
        {"aiming required, only focused", 0, 0, kFocused, true, true, kUnderCamera},
        {"aiming required, only focused, nothing in view", 0, 0, kFocused, false, true, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        Aim(c.aim, c.lockOn, c.focus);
        if (!c.pedUnderCamera) ClearTheCamerasView();
        EXPECT_EQ(FindTargetPed(c.requireAiming, test::kPlayerPed), c.expected) << c.what;
    }
}

TEST_F(TargetSearchTest, FindTargetPedAsksForThePlayerIndexBeforeEachQueryAndStopsAtTheFirstPed) {
    const Hashes aimQuery = {n::PLAYER_ID, n::GET_ENTITY_PLAYER_IS_FREE_AIMING_AT};
    const Hashes lockOnQuery = {n::PLAYER_ID, n::IS_PLAYER_TARGETTING_ANYTHING};
    auto join = [](std::initializer_list<Hashes> parts) {
        Hashes all;
        for (const Hashes& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    struct Case {
        const char* what;
        Entity aim, lockOn, focus;
        bool requireAiming;
        Hashes natives;
    } cases[] = {
        {"aimed ped", kAimed, kLocked, kFocused, false, join({aimQuery, {n::IS_ENTITY_A_PED}})},
        {"aimed object, locked-on ped", kObject, kLocked, 0, false,
         join({aimQuery,
               {n::IS_ENTITY_A_PED},
               lockOnQuery,
               {n::PLAYER_ID, n::GET_PLAYER_TARGET_ENTITY, n::IS_ENTITY_A_PED}})},
        {"focused ped", 0, 0, kFocused, false,
         join({aimQuery, lockOnQuery, {n::PLAYER_ID, n::GET_PLAYER_INTERACTION_TARGET_ENTITY, n::IS_ENTITY_A_PED}})},
        {"focused ped, aiming required", 0, 0, kFocused, true,
         join({aimQuery,
               lockOnQuery,
               {n::GET_GAMEPLAY_CAM_COORD, n::GET_GAMEPLAY_CAM_ROT, n::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE,
                n::GET_SHAPE_TEST_RESULT, n::IS_ENTITY_A_PED}})},
    };
    for (const Case& c : cases) {
        Aim(c.aim, c.lockOn, c.focus);
        test::ClearCalls();
        FindTargetPed(c.requireAiming, test::kPlayerPed);
        EXPECT_EQ(test::CalledHashes(), c.natives) << c.what;
        for (const sim::RecordedCall& call : test::Calls()) {
            bool asksAboutThePlayer =
                call.hash == n::GET_ENTITY_PLAYER_IS_FREE_AIMING_AT || call.hash == n::IS_PLAYER_TARGETTING_ANYTHING ||
                call.hash == n::GET_PLAYER_TARGET_ENTITY || call.hash == n::GET_PLAYER_INTERACTION_TARGET_ENTITY;
            if (asksAboutThePlayer) {
                EXPECT_EQ(call.args[0].slot, std::uint64_t{kPlayerIndex}) << c.what;
            }
            if (call.hash == n::GET_PLAYER_INTERACTION_TARGET_ENTITY) {
                EXPECT_EQ(call.args[2].slot, 0u);
                EXPECT_EQ(call.args[3].slot, 0u);
            }
        }
    }
}

TEST_F(TargetSearchTest, TheCameraRayIsThirtyMetresLongIgnoresThePlayerAndReadsItsResultAtOnce) {
    ClearTheCamerasView();
    FindTargetPed(false, test::kPlayerPed);
    const std::vector<sim::RecordedCall>& calls = test::Calls();
    ASSERT_GE(calls.size(), 3u);
    const sim::RecordedCall& rotation = calls[calls.size() - 3];
    const sim::RecordedCall& probe = calls[calls.size() - 2];
    const sim::RecordedCall& result = calls.back();
    ASSERT_EQ(rotation.hash, n::GET_GAMEPLAY_CAM_ROT);
    EXPECT_EQ(rotation.args[0].slot, 2u);
    ASSERT_EQ(probe.hash, n::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE);
    auto bits = [](float value) -> std::uint64_t { return std::bit_cast<std::uint32_t>(value); };
    std::vector<std::uint64_t> pushed;
    for (const sim::RecordedArg& arg : probe.args) pushed.push_back(arg.slot);
    EXPECT_EQ(pushed, (std::vector<std::uint64_t>{bits(0.0f), bits(-2.0f), bits(0.5f), bits(0.0f), bits(28.0f),
                                                  bits(0.5f), 8, test::kPlayerPed, 7}));
    ASSERT_EQ(result.hash, n::GET_SHAPE_TEST_RESULT);
    EXPECT_EQ(result.args[0].slot, probe.results[0]);
    EXPECT_EQ(FindTargetPed(false, test::kPlayerPed), 0) << "the player's own body is never the target";
}

TEST_F(TargetSearchTest, AnObjectUnderTheCamerasCentreHidesThePedBehindItAndIsNoCandidate) {
    Aim(0, 0, 0);
    world().objects[kObject].position = {0.0f, 5.0f, 0.5f};
    EXPECT_EQ(FindTargetPed(false, test::kPlayerPed), 0);
    world().objects[kObject].position = {3.0f, 5.0f, 0.5f};
    EXPECT_EQ(FindTargetPed(false, test::kPlayerPed), kUnderCamera);
}

TEST_F(TargetSearchTest, TheCameraRayReachesAPedAt29MetresButNotAt31) {
    struct Case {
        float distanceFromCamera;
        bool found;
    } cases[] = {{5.0f, true}, {29.0f, true}, {30.3f, true}, {31.0f, false}, {40.0f, false}};
    for (const Case& c : cases) {
        world().peds[kUnderCamera].position = {kCamera.x, kCamera.y + c.distanceFromCamera, kCamera.z};
        EXPECT_EQ(FindTargetPed(false, test::kPlayerPed), c.found ? kUnderCamera : 0) << c.distanceFromCamera << " m";
    }
    // Aim, lock-on and focus have no such reach.
    Aim(0, 0, kFocused);
    world().peds[kFocused].position = {0.0f, 40.0f, 0.0f};
    EXPECT_EQ(FindTargetPed(false, test::kPlayerPed), kFocused);
}

TEST_F(TargetSearchTest, TheCameraRayFollowsTheCamerasHeadingAndPitch) {
    constexpr Ped kAhead = kUnderCamera;
    constexpr Ped kLeft = 21;     // heading 90 turns the camera from +y towards -x
    constexpr Ped kBelow = 22;    // pitch -90 looks straight down
    constexpr Ped kUpAhead = 23;  // pitch 45 looks up the diagonal
    world().peds[kLeft].position = {-10.0f, kCamera.y, kCamera.z};
    world().peds[kBelow].position = {kCamera.x, kCamera.y, kCamera.z - 12.0f};
    world().peds[kUpAhead].position = {kCamera.x, kCamera.y + 10.0f, kCamera.z + 10.0f};
    struct Case {
        sim::Vec3 rotation;
        Ped expected;
    } cases[] = {
        {{0.0f, 0.0f, 0.0f}, kAhead},    {{0.0f, 0.0f, 90.0f}, kLeft}, {{-90.0f, 0.0f, 0.0f}, kBelow},
        {{45.0f, 0.0f, 0.0f}, kUpAhead}, {{0.0f, 0.0f, -90.0f}, 0},
    };
    for (const Case& c : cases) {
        world().cameraRotation = c.rotation;
        EXPECT_EQ(FindTargetPed(false, test::kPlayerPed), c.expected)
            << "pitch " << c.rotation.x << ", heading " << c.rotation.z;
    }
}

TEST_F(TargetSearchTest, DistanceToPlayerIsTheStraightDistanceHeightIncluded) {
    world().peds[test::kPlayerPed].position = {1.0f, 2.0f, 3.0f};
    world().peds[kAimed].position = {3.0f, 5.0f, 9.0f};
    EXPECT_EQ(DistanceToPlayer(kAimed, test::kPlayerPed), 7.0f);
    world().peds[kAimed].position = {1.0f, 5.0f, 7.0f};  // 3 m away on the ground, 4 m up
    EXPECT_EQ(DistanceToPlayer(kAimed, test::kPlayerPed), 5.0f);
    EXPECT_EQ(GetEntityPosition(kObject).z, 1.0f);
}

class FindAcceptedTargetTest : public TargetSearchTest {
  protected:
    void SetUp() override {
        TargetSearchTest::SetUp();
        settings.maxDistance = 25.0f;
        settings.includeRagdollNotFatallyInjured = true;
        target().dead = true;
        target().position = {0.0f, 10.0f, 0.0f};
        Aim(kAimed, 0, 0);
    }
    sim::Ped& target() { return world().peds[kAimed]; }
    TargetCandidate Find() { return FindAcceptedTarget(settings, test::kPlayerPed); }

    Settings settings{};
};

TEST_F(FindAcceptedTargetTest, AcceptsATargetExactlyAtMaxDistanceButNotAHairBeyond) {
    struct Case {
        sim::Vec3 player;
        sim::Vec3 ped;
        float maxDistance;
        bool accepted;
    } cases[] = {
        {{1.0f, 2.0f, 3.0f}, {3.0f, 5.0f, 9.0f}, 7.0f, true},
        {{1.0f, 2.0f, 3.0f}, {3.0f, 5.0f, 9.0f}, std::nextafter(7.0f, 0.0f), false},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 25.0f, 0.0f}, 25.0f, true},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 25.001f, 0.0f}, 25.0f, false},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 3.0f, 4.0f}, 4.5f, false},  // 3 m along the ground, 4 m up: 5 m
        {{0.0f, 0.0f, 0.0f}, {0.0f, 3.0f, 4.0f}, 5.0f, true},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, 0.0f, true},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, -1.0f, false},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 900.0f, 0.0f}, INFINITY, true},
    };
    for (const Case& c : cases) {
        world().peds[test::kPlayerPed].position = c.player;
        target().position = c.ped;
        settings.maxDistance = c.maxDistance;
        TargetCandidate candidate = Find();
        EXPECT_EQ(candidate.ped, kAimed);
        EXPECT_EQ(candidate.state, PedState::Dead);
        EXPECT_EQ(candidate.accepted, c.accepted) << "max distance " << c.maxDistance << ", ped at y " << c.ped.y;
    }
}

TEST_F(FindAcceptedTargetTest, RejectsAStateNotWorthATauntBeforeAskingAboutTheScreenOrTheDistance) {
    struct Case {
        const char* what;
        void (*arrange)(sim::Ped&);
        PedState state;
    } cases[] = {
        {"not human", [](sim::Ped& p) { p.human = false; }, PedState::None},
        {"in combat with the player",
         [](sim::Ped& p) {
             p.dead = false;
             p.fightingPeds = {test::kPlayerPed};
         },
         PedState::Combat},
        {"calm", [](sim::Ped& p) { p.dead = false; }, PedState::None},
        {"a hurt ragdoll with ragdolls left out",
         [](sim::Ped& p) {
             p.dead = false;
             p.ragdoll = true;
             p.health = 10;
         },
         PedState::None},
    };
    for (const Case& c : cases) {
        SetUp();
        settings.includeRagdollNotFatallyInjured = false;
        c.arrange(target());
        test::ClearCalls();
        TargetCandidate candidate = Find();
        EXPECT_EQ(candidate.ped, kAimed) << c.what;
        EXPECT_EQ(candidate.state, c.state) << c.what;
        EXPECT_FALSE(candidate.accepted) << c.what;
        Hashes asked = test::CalledHashes();
        EXPECT_EQ(std::count(asked.begin(), asked.end(), n::IS_ENTITY_ON_SCREEN), 0) << c.what;
        EXPECT_EQ(std::count(asked.begin(), asked.end(), n::GET_ENTITY_COORDS), 0) << c.what;
    }
}

TEST_F(FindAcceptedTargetTest, RejectsAnOffScreenTargetWithoutMeasuringIt) {
    target().onScreen = false;
    TargetCandidate candidate = Find();
    EXPECT_EQ(candidate.state, PedState::Dead);
    EXPECT_FALSE(candidate.accepted);
    EXPECT_EQ(test::CalledHashes().back(), n::IS_ENTITY_ON_SCREEN);

    target().onScreen = true;
    test::ClearCalls();
    EXPECT_TRUE(Find().accepted);
    Hashes asked = test::CalledHashes();
    Hashes tail(asked.end() - 3, asked.end());
    EXPECT_EQ(tail, (Hashes{n::IS_ENTITY_ON_SCREEN, n::GET_ENTITY_COORDS, n::GET_ENTITY_COORDS}));
    EXPECT_EQ(test::Calls().back().args[0].slot, static_cast<std::uint64_t>(kAimed));
}

TEST_F(FindAcceptedTargetTest, FollowsRequireAimingAndHasNoCandidateWithoutAPed) {
    Aim(0, 0, kAimed);
    target().position = {5.0f, 10.0f, 0.0f};  // out of the camera's line of sight
    ClearTheCamerasView();
    EXPECT_TRUE(Find().accepted);
    settings.requireAiming = true;
    TargetCandidate candidate = Find();
    EXPECT_EQ(candidate.ped, 0);
    EXPECT_EQ(candidate.state, PedState::None);
    EXPECT_FALSE(candidate.accepted);
}

}  // namespace
}  // namespace quillomar
