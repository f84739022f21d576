#include "combat/aggression.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "host/random.h"
#include "platform/platform.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

// The hostile list holds at most the nearby-ped query's 32 peds. Provoked peds are bounded by the
// peds near the player within the 30 s an approach may last; twice the query's size covers a
// second wave before the first has finished, and the list only grows past it if ever exceeded.
constexpr std::size_t kShuffleReserve = kNearbyPedCapacity;
constexpr std::size_t kProvokedReserve = 2 * kNearbyPedCapacity;

constexpr std::int32_t kChargeMovement = 2;
constexpr std::int32_t kChargeAttributes[] = {5, 46, 52};
constexpr std::int32_t kFightAttribute = 52;
constexpr std::int32_t kGrappleFlag = 0;
constexpr std::int32_t kNoTimeLimit = -1;
constexpr float kChargeSpeed = 3.0f;
constexpr float kGrapplerStop = 0.5f;
constexpr float kCloserStop = 2.0f;

constexpr std::uint32_t kApproachLimitMs = 30000;
constexpr float kCloseRange = 2.1f;  // within it, a ped that has stopped engages after the close timer
constexpr std::uint32_t kCloseTimerMs = 1500;
constexpr float kEngageRange = 1.8f;  // within it, a ped engages at once
constexpr std::uint32_t kGrappleHandOverMs = 1500;

// π as the single-precision value of 3.14159; trigonometry in double, results kept as floats.
constexpr float kPi = 3.14159f;
constexpr float kBehindAngle = 110.0f;
constexpr float kLeftNearAngle = -70.0f;
constexpr float kTurnThreshold = 30.0f;

struct AggressionState {
    std::vector<ProvokedPed> provoked;
    std::vector<Ped> shuffled;  // the hostile list in the order of the current call
};

// Created on first use with its storage reserved once, so a steady frame allocates nothing.
AggressionState& State() {
    static AggressionState state = [] {
        AggressionState fresh;
        fresh.provoked.reserve(kProvokedReserve);
        fresh.shuffled.reserve(kShuffleReserve);
        return fresh;
    }();
    return state;
}

bool HasRecord(Ped ped) {
    const std::vector<ProvokedPed>& provoked = State().provoked;
    return std::any_of(provoked.begin(), provoked.end(), [ped](const ProvokedPed& p) { return p.ped == ped; });
}

bool IsGoneOrDead(Ped ped) { return !DoesEntityExist(ped) || IsEntityDead(ped); }

void Remove(std::size_t index) {
    std::vector<ProvokedPed>& provoked = State().provoked;
    provoked.erase(provoked.begin() + static_cast<std::ptrdiff_t>(index));
}

// How many places the call fills. The span maxPeds - minPeds + 1 is taken in 64 bits: for any
// settings whose span fits in 32 bits it is the plain draw, and extreme settings (minPeds at
// INT_MIN, maxPeds at INT_MAX, a span of 2^32) cannot overflow.
std::int64_t WantedPeds(std::int32_t minPeds, std::int32_t maxPeds) {
    if (maxPeds <= minPeds) return minPeds;
    std::int64_t span = static_cast<std::int64_t>(maxPeds) - minPeds + 1;
    return minPeds + Rand() % span;
}

// A fresh shuffle of the hostile list, from the back: j = rand() % (i + 1), swap i and j.
void ShuffleHostiles(const std::vector<Ped>& hostiles) {
    std::vector<Ped>& shuffled = State().shuffled;
    shuffled.assign(hostiles.begin(), hostiles.end());
    for (std::size_t i = shuffled.size(); i-- > 1;) {
        std::size_t j = static_cast<std::size_t>(Rand()) % (i + 1);
        std::swap(shuffled[i], shuffled[j]);
    }
}

// The first ped of a call is readied for its grapple: a tackle when the draw allows, otherwise a
// standing grapple. No draw with tackleChance 0 or below.
ProvokeKind PrepareGrappler(Ped ped, std::int32_t tackleChance) {
    bool tackle = tackleChance > 0 && Rand() % 100 < tackleChance;
    Hash grapple = HashKey(tackle ? "AR_GRAPPLE_MOUNT_FROM_FRONT" : "AR_GRAPPLE_FRONT_FROM_FRONT");
    SetPedGrappleStyle(ped, grapple);
    SetPedGrappleAction(ped, grapple);
    SetPedGrappleFlag(ped, kGrappleFlag, true);
    return tackle ? ProvokeKind::Tackle : ProvokeKind::StandingGrapple;
}

void Provoke(Ped ped, Ped target, bool first, std::int32_t tackleChance, std::uint32_t now) {
    ClearPedTasksImmediately(ped);
    SetBlockingOfNonTemporaryEvents(ped, true);
    SetPedCombatMovement(ped, kChargeMovement);
    for (std::int32_t attribute : kChargeAttributes) SetPedCombatAttribute(ped, attribute, true);
    ProvokeKind kind = first ? PrepareGrappler(ped, tackleChance) : ProvokeKind::Closer;
    TaskGoToEntity(ped, target, kNoTimeLimit, first ? kGrapplerStop : kCloserStop, kChargeSpeed);
    SetPedKeepTask(ped, true);
    State().provoked.push_back({ped, target, kind, now, 0, false});
}

// A ped that has done its part fights its target like any other enemy.
void HandOverToCombat(const ProvokedPed& record) {
    SetBlockingOfNonTemporaryEvents(record.ped, false);
    SetPedCombatAttribute(record.ped, kFightAttribute, true);
    TaskCombatPed(record.ped, record.target);
}

float Degrees(double radians) { return static_cast<float>(radians * 180.0 / static_cast<double>(kPi)); }

const char* GrappleName(ProvokeKind kind, const Approach& approach) {
    if (kind == ProvokeKind::Tackle) {
        if (approach.fromBehind) return "AR_GRAPPLE_BACK_FROM_BACK";
        static constexpr const char* kFront[] = {"AR_GRAPPLE_MOUNT_FACEDOWN_FROM_FRONT",
                                                 "AR_GRAPPLE_MOUNT_FACEUP_FROM_FRONT", "AR_GRAPPLE_MOUNT_FROM_FRONT"};
        return kFront[Rand() % 3];
    }
    if (approach.fromBehind) return "AR_GRAPPLE_MOUNT_STANDING_FROM_BACK";
    if (approach.fromLeft) return "AR_GRAPPLE_FRONT_FROM_LEFT_FAR";
    static constexpr const char* kFront[] = {"AR_GRAPPLE_FRONT_FROM_FRONT", "AR_GRAPPLE_MOUNT_STANDING_FROM_FRONT",
                                             "AR_GRAPPLE_DRAG_FRONT_ON_ASS"};
    return kFront[Rand() % 3];
}

// The ped has reached its target: the target is turned to meet it if need be, and the ped
// grapples (record kept until the hand-over) or, as a closer, fights (record removed).
void Engage(std::size_t index, const Vector3& pedPosition, const Vector3& targetPosition, std::uint32_t now) {
    ProvokedPed& record = State().provoked[index];
    float heading = EntityHeading(record.target);
    Approach approach = ApproachOf(heading, pedPosition.x - targetPosition.x, pedPosition.y - targetPosition.y);
    if (TurnsTarget(approach.facing, heading)) SetEntityHeading(record.target, approach.facing);
    ClearPedTasksImmediately(record.ped);
    if (record.kind == ProvokeKind::Closer) {
        HandOverToCombat(record);
        Remove(index);
        return;
    }
    Hash grapple = HashKey(GrappleName(record.kind, approach));
    if (grapple != 0) {
        TaskGrapple(record.ped, record.target, grapple);
        TaskPutPedDirectlyIntoGrapple(record.ped, record.target, grapple);
    }
    record.engaged = true;
    record.timerTick = now;
}

// One approaching ped, one frame: true when it is to engage now.
bool ReadyToEngage(ProvokedPed& record, float distance, std::uint32_t now) {
    bool closeTimerRunOut = false;
    if (distance <= kCloseRange) {
        if (record.timerTick == 0) {
            record.timerTick = now;
        } else {
            closeTimerRunOut = now - record.timerTick > kCloseTimerMs;
        }
    } else {
        record.timerTick = 0;
    }
    return distance <= kEngageRange || closeTimerRunOut;
}

}  // namespace

Approach ApproachOf(float targetHeading, float dx, float dy) {
    float radians = targetHeading * kPi / 180.0f;
    float s = static_cast<float>(-std::sin(static_cast<double>(radians)));
    float c = static_cast<float>(std::cos(static_cast<double>(radians)));
    float length = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    if (length > 0.01f) {
        dx /= length;
        dy /= length;
    }
    Approach approach;
    approach.angle = Degrees(std::atan2(static_cast<double>(dx * c - dy * s), static_cast<double>(dy * c + dx * s)));
    approach.fromBehind = approach.angle > kBehindAngle || approach.angle < -kBehindAngle;
    approach.fromLeft = approach.angle >= -kBehindAngle && approach.angle <= kLeftNearAngle;
    // atan2 keeps the result within a turn of [0, 360), so these loops end at once; a NaN skips them.
    float facing = 90.0f - Degrees(std::atan2(static_cast<double>(dy), static_cast<double>(dx)));
    while (facing < 0.0f) facing += 360.0f;
    while (facing >= 360.0f) facing -= 360.0f;
    if (approach.fromBehind) {
        facing += 180.0f;
        while (facing >= 360.0f) facing -= 360.0f;
    }
    approach.facing = facing;
    return approach;
}

bool TurnsTarget(float facing, float targetHeading) {
    float difference = std::fabs(facing - targetHeading);
    if (difference > 180.0f) difference = 360.0f - difference;
    return difference > kTurnThreshold;
}

void ProvokeEnemies(const CombatContext& context, std::int32_t chance, std::int32_t minPeds, std::int32_t maxPeds,
                    std::int32_t tackleChance) {
    if (context.hostilePeds.empty()) return;
    if (Rand() % 100 >= chance) return;
    std::int64_t places =
        std::min<std::int64_t>(WantedPeds(minPeds, maxPeds), static_cast<std::int64_t>(context.hostilePeds.size()));
    // The copy is shuffled even when no place is to be filled: the draws are part of the sequence.
    ShuffleHostiles(context.hostilePeds);
    std::uint32_t now = platform::TickCount();
    bool first = true;
    // Every place is used up, provoked or not; a skipped ped is not replaced.
    for (std::int64_t place = 0; place < places; ++place) {
        Ped ped = State().shuffled[static_cast<std::size_t>(place)];
        if (IsGoneOrDead(ped) || HasRecord(ped)) continue;
        Provoke(ped, context.player, first, tackleChance, now);
        first = false;
    }
}

void UpdateProvokedPeds() {
    std::vector<ProvokedPed>& provoked = State().provoked;
    if (provoked.empty()) return;
    std::uint32_t now = platform::TickCount();
    for (std::size_t i = provoked.size(); i-- > 0;) {
        ProvokedPed& record = provoked[i];
        if (IsGoneOrDead(record.ped)) {
            Remove(i);
            continue;
        }
        if (record.engaged) continue;
        if (now - record.provokedTick > kApproachLimitMs) {
            // It gives up; its move-to task and combat attributes stay as they are.
            SetBlockingOfNonTemporaryEvents(record.ped, false);
            Remove(i);
            continue;
        }
        Vector3 pedPosition = GetEntityPosition(record.ped);
        Vector3 targetPosition = GetEntityPosition(record.target);
        if (ReadyToEngage(record, Distance(pedPosition, targetPosition), now)) {
            Engage(i, pedPosition, targetPosition, now);
        }
    }
}

void ReleaseGrapplers() {
    std::vector<ProvokedPed>& provoked = State().provoked;
    if (provoked.empty()) return;
    std::uint32_t now = platform::TickCount();
    for (std::size_t i = provoked.size(); i-- > 0;) {
        const ProvokedPed& record = provoked[i];
        if (!record.engaged) continue;
        if (IsGoneOrDead(record.ped)) {
            Remove(i);
            continue;
        }
        // A grappler hands over to ordinary combat 1.5 s after it engaged.
        if (now - record.timerTick < kGrappleHandOverMs) continue;
        HandOverToCombat(record);
        Remove(i);
    }
}

void ClearProvokedPeds() { State().provoked.clear(); }

std::span<const ProvokedPed> ProvokedPeds() { return State().provoked; }

}  // namespace quillomar
