#include "combat/aggression.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "core/geometry.h"
#include "host/game_names.h"
#include "platform/platform.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

// The hostile list holds at most the nearby-ped query's 32 peds.
constexpr std::size_t kShuffleReserve = kNearbyPedCapacity;

// The game's own numbers for a charge: combat movement 2 advances on the enemy; combat
// attributes 5 (always fight) and 46 (fight armed peds even unarmed) and 52, which is switched on
// again when the ped hands over to ordinary combat; grapple flag 0 readies the grapple.
constexpr std::int32_t kAdvancingMovement = 2;
constexpr std::int32_t kAlwaysFightAttribute = 5;
constexpr std::int32_t kFightArmedWhenUnarmedAttribute = 46;
constexpr std::int32_t kHandOverAttribute = 52;
constexpr std::int32_t kChargeAttributes[] = {kAlwaysFightAttribute, kFightArmedWhenUnarmedAttribute,
                                              kHandOverAttribute};
constexpr std::int32_t kReadyGrappleFlag = 0;

// The game's grapple animations, by the names GET_HASH_KEY makes their hashes from.
constexpr const char* kTackleFromFront = "AR_GRAPPLE_MOUNT_FROM_FRONT";
constexpr const char* kTackleFromBack = "AR_GRAPPLE_BACK_FROM_BACK";
constexpr const char* kTacklesFromFront[] = {"AR_GRAPPLE_MOUNT_FACEDOWN_FROM_FRONT",
                                             "AR_GRAPPLE_MOUNT_FACEUP_FROM_FRONT", kTackleFromFront};
constexpr const char* kGrappleFromFront = "AR_GRAPPLE_FRONT_FROM_FRONT";
constexpr const char* kGrappleFromBack = "AR_GRAPPLE_MOUNT_STANDING_FROM_BACK";
constexpr const char* kGrappleFromLeft = "AR_GRAPPLE_FRONT_FROM_LEFT_FAR";
constexpr const char* kGrapplesFromFront[] = {kGrappleFromFront, "AR_GRAPPLE_MOUNT_STANDING_FROM_FRONT",
                                              "AR_GRAPPLE_DRAG_FRONT_ON_ASS"};
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

bool HasRecord(const Aggression& aggression, Ped ped) {
    const std::vector<ProvokedPed>& provoked = aggression.provoked;
    return std::any_of(provoked.begin(), provoked.end(), [ped](const ProvokedPed& p) { return p.ped == ped; });
}

bool IsGoneOrDead(Ped ped) { return !DoesEntityExist(ped) || IsEntityDead(ped); }

void Remove(Aggression& aggression, std::size_t index) {
    std::vector<ProvokedPed>& provoked = aggression.provoked;
    provoked.erase(provoked.begin() + static_cast<std::ptrdiff_t>(index));
}

// How many places the call fills. The span maxPeds - minPeds + 1 is taken in 64 bits: for any
// settings whose span fits in 32 bits it is the plain draw, and extreme settings (minPeds at
// INT_MIN, maxPeds at INT_MAX, a span of 2^32) cannot overflow.
std::int64_t WantedPeds(Random& random, std::int32_t minPeds, std::int32_t maxPeds) {
    if (maxPeds <= minPeds) return minPeds;
    std::int64_t span = static_cast<std::int64_t>(maxPeds) - minPeds + 1;
    return minPeds + random.Next() % span;
}

// A fresh shuffle of the hostile list, from the back: j = rand() % (i + 1), swap i and j.
void ShuffleHostiles(Aggression& aggression, Random& random, const std::vector<Ped>& hostiles) {
    std::vector<Ped>& shuffled = aggression.shuffled;
    shuffled.assign(hostiles.begin(), hostiles.end());
    for (std::size_t i = shuffled.size(); i-- > 1;) {
        std::size_t j = static_cast<std::size_t>(random.Next()) % (i + 1);
        std::swap(shuffled[i], shuffled[j]);
    }
}

// The first ped of a call is readied for its grapple: a tackle when the draw allows, otherwise a
// standing grapple. No draw with tackleChance 0 or below.
ProvokeKind PrepareGrappler(Random& random, Ped ped, std::int32_t tackleChance) {
    bool tackle = PercentChance(random, tackleChance, ZeroChance::Skips);
    Hash grapple = HashKey(tackle ? kTackleFromFront : kGrappleFromFront);
    SetPedGrappleStyle(ped, grapple);
    SetPedGrappleAction(ped, grapple);
    SetPedGrappleFlag(ped, kReadyGrappleFlag, true);
    return tackle ? ProvokeKind::Tackle : ProvokeKind::StandingGrapple;
}

// The first ped of a call is to grapple the player; the others only close in.
struct Charge {
    Ped target = 0;
    bool first = false;
    std::int32_t tackleChance = 0;
    std::uint32_t now = 0;
};

void Provoke(Aggression& aggression, Random& random, Ped ped, const Charge& charge) {
    ClearPedTasksImmediately(ped);
    SetBlockingOfNonTemporaryEvents(ped, true);
    SetPedCombatMovement(ped, kAdvancingMovement);
    for (std::int32_t attribute : kChargeAttributes) SetPedCombatAttribute(ped, attribute, true);
    ProvokeKind kind = charge.first ? PrepareGrappler(random, ped, charge.tackleChance) : ProvokeKind::Closer;
    TaskGoToEntity(ped, charge.target, kNoTimeLimit, charge.first ? kGrapplerStop : kCloserStop, kChargeSpeed);
    SetPedKeepTask(ped, true);
    aggression.provoked.push_back({ped, charge.target, kind, charge.now, 0, false});
}

// A ped that has done its part fights its target like any other enemy.
void HandOverToCombat(const ProvokedPed& record) {
    SetBlockingOfNonTemporaryEvents(record.ped, false);
    SetPedCombatAttribute(record.ped, kHandOverAttribute, true);
    TaskCombatPed(record.ped, record.target);
}

float Degrees(double radians) { return static_cast<float>(radians * 180.0 / static_cast<double>(kPi)); }

const char* GrappleName(Random& random, ProvokeKind kind, const Approach& approach) {
    if (kind == ProvokeKind::Tackle) {
        if (approach.fromBehind) return kTackleFromBack;
        return kTacklesFromFront[random.Next() % 3];
    }
    if (approach.fromBehind) return kGrappleFromBack;
    if (approach.fromLeft) return kGrappleFromLeft;
    return kGrapplesFromFront[random.Next() % 3];
}

// The ped has reached its target: the target is turned to meet it if need be, and the ped
// grapples (record kept until the hand-over) or, as a closer, fights (record removed).
void Engage(Aggression& aggression, Random& random, std::size_t index, const Vector3& pedPosition,
            const Vector3& targetPosition, std::uint32_t now) {
    ProvokedPed& record = aggression.provoked[index];
    float heading = EntityHeading(record.target);
    Approach approach = ApproachOf(heading, pedPosition.x - targetPosition.x, pedPosition.y - targetPosition.y);
    if (TurnsTarget(approach.facing, heading)) SetEntityHeading(record.target, approach.facing);
    ClearPedTasksImmediately(record.ped);
    if (record.kind == ProvokeKind::Closer) {
        HandOverToCombat(record);
        Remove(aggression, index);
        return;
    }
    Hash grapple = HashKey(GrappleName(random, record.kind, approach));
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
    // The heading that looks along (dx, dy): headings turn counter-clockwise from north, so an
    // offset due east, at atan2 0, is heading 270. atan2 keeps the result within a turn of
    // [0, 360), so these loops end at once; a NaN skips them.
    float facing = Degrees(std::atan2(static_cast<double>(dy), static_cast<double>(dx))) - 90.0f;
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

Aggression::Aggression() {
    provoked.reserve(kMaxProvokedPeds);
    shuffled.reserve(kShuffleReserve);
}

void ProvokeEnemies(Aggression& aggression, Random& random, const CombatContext& context, const ProvokeRules& rules) {
    if (context.hostilePeds.empty()) return;
    if (!PercentChance(random, rules.chance, ZeroChance::Draws)) return;
    std::int64_t places = std::min<std::int64_t>(WantedPeds(random, rules.minPeds, rules.maxPeds),
                                                 static_cast<std::int64_t>(context.hostilePeds.size()));
    // The copy is shuffled even when no place is to be filled: the draws are part of the sequence.
    ShuffleHostiles(aggression, random, context.hostilePeds);
    Charge charge{context.player, true, rules.tackleChance, platform::TickCount()};
    // Every place is used up, provoked or not; a skipped ped is not replaced.
    for (std::int64_t place = 0; place < places; ++place) {
        Ped ped = aggression.shuffled[static_cast<std::size_t>(place)];
        if (aggression.provoked.size() >= kMaxProvokedPeds) break;
        if (IsGoneOrDead(ped) || HasRecord(aggression, ped)) continue;
        Provoke(aggression, random, ped, charge);
        charge.first = false;
    }
}

void UpdateProvokedPeds(Aggression& aggression, Random& random) {
    std::vector<ProvokedPed>& provoked = aggression.provoked;
    if (provoked.empty()) return;
    std::uint32_t now = platform::TickCount();
    for (std::size_t i = provoked.size(); i-- > 0;) {
        ProvokedPed& record = provoked[i];
        if (IsGoneOrDead(record.ped)) {
            Remove(aggression, i);
            continue;
        }
        if (record.engaged) continue;
        if (now - record.provokedTick > kApproachLimitMs) {
            // It gives up; its move-to task and combat attributes stay as they are.
            SetBlockingOfNonTemporaryEvents(record.ped, false);
            Remove(aggression, i);
            continue;
        }
        Vector3 pedPosition = GetEntityPosition(record.ped);
        Vector3 targetPosition = GetEntityPosition(record.target);
        if (ReadyToEngage(record, Distance(pedPosition, targetPosition), now)) {
            Engage(aggression, random, i, pedPosition, targetPosition, now);
        }
    }
}

void AskGrappleStatus(Aggression& aggression, FieldTallies& field) {
    constexpr std::uint32_t kStatusAfterMs = 500;
    const std::uint32_t now = platform::TickCount();
    for (ProvokedPed& record : aggression.provoked) {
        if (!record.engaged || record.statusAsked || now - record.timerTick < kStatusAfterMs) continue;
        record.statusAsked = true;
        const std::int32_t grapple = ScriptTaskStatus(record.ped, game::kGrappleTask);
        field.Tackle(grapple, ScriptTaskStatus(record.ped, game::kDirectGrappleTask));
    }
}

void ReleaseGrapplers(Aggression& aggression) {
    std::vector<ProvokedPed>& provoked = aggression.provoked;
    if (provoked.empty()) return;
    std::uint32_t now = platform::TickCount();
    for (std::size_t i = provoked.size(); i-- > 0;) {
        const ProvokedPed& record = provoked[i];
        if (!record.engaged) continue;
        if (IsGoneOrDead(record.ped)) {
            Remove(aggression, i);
            continue;
        }
        // A grappler hands over to ordinary combat 1.5 s after it engaged.
        if (now - record.timerTick < kGrappleHandOverMs) continue;
        HandOverToCombat(record);
        Remove(aggression, i);
    }
}

}  // namespace quillomar
