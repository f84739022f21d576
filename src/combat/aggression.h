#pragma once
// The aggression effect: a combat taunt may provoke some of the player's enemies to charge. The
// first of them tackles or grapples the player with an animation chosen by the side it comes
// from; the others close in and fight.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "combat/contexts.h"
#include "core/field_tallies.h"
#include "core/random.h"

namespace quillomar {

// What a provoked ped does when it reaches the player: the first tackles or grapples, the rest close in.
enum class ProvokeKind : std::int32_t { Tackle, StandingGrapple, Closer };

// One provoked ped, from the call that provoked it until it fights, vanishes, dies or gives up.
struct ProvokedPed {
    Ped ped = 0;
    Ped target = 0;  // whom it attacks: the player of the context it was provoked from
    ProvokeKind kind = ProvokeKind::Closer;
    std::uint32_t provokedTick = 0;
    // While approaching: when it came within 2.1 m of its target, 0 while farther. Once engaged:
    // when it engaged.
    std::uint32_t timerTick = 0;
    bool engaged = false;      // a grappler whose grapple was chosen (and started, if its hash is not 0)
    bool statusAsked = false;  // for the field report: its grapple tasks' status was asked
};

// The provoked peds, oldest first, and the hostile list in the order of the current call. A
// record lasts at most 30 s of approach and 1.5 s of grapple, and a ped has at most one, so the
// list holds no more than the peds provoked within the last 31.5 s, and never more than
// kMaxProvokedPeds: twice the nearby-ped query's 32, a second wave before the first is done. A
// combat taunt provokes nobody further while that many are on their way.
inline constexpr std::size_t kMaxProvokedPeds = 2 * kNearbyPedCapacity;

struct Aggression {
    std::vector<ProvokedPed> provoked;
    std::vector<Ped> shuffled;

    // Storage reserved once, so a steady frame allocates nothing.
    Aggression();
};

// How a combat taunt provokes: the AggressionChance, AggressionMinPeds, AggressionMaxPeds and
// TackleChance settings.
struct ProvokeRules {
    std::int32_t chance = 0;
    std::int32_t minPeds = 0;
    std::int32_t maxPeds = 0;
    std::int32_t tackleChance = 0;
};

// Picks and provokes peds of the context's hostile list, after the chance draw.
void ProvokeEnemies(Aggression& aggression, Random& random, const CombatContext& context, const ProvokeRules& rules);

// Once per frame: provoked peds that are close enough engage; gone, dead or overdue ones are
// released.
void UpdateProvokedPeds(Aggression& aggression, Random& random);

// Once per frame, after UpdateProvokedPeds: grapplers hand over to ordinary combat.
void ReleaseGrapplers(Aggression& aggression);

// For the field report, before ReleaseGrapplers: each engaged grappler, once, at least 500 ms after
// it engaged, is asked the status of its grapple task and of its direct grapple.
void AskGrappleStatus(Aggression& aggression, FieldTallies& field);

// Where an engaging ped comes from, seen from its target. angle is in degrees in (-180, 180]:
// 0 at the target's face, negative on its left, positive on its right; facing is the heading
// in [0, 360) the target is given for the grapple: towards the ped, or away from it when it comes
// from behind.
struct Approach {
    float angle = 0.0f;
    bool fromBehind = false;  // beyond 110 degrees either side
    bool fromLeft = false;    // between -110 and -70 degrees, both included
    float facing = 0.0f;
};

// The approach of a ped at the horizontal offset (dx, dy) from a target with the given heading.
Approach ApproachOf(float targetHeading, float dx, float dy);

// Whether a target with the given heading is turned to the facing heading: only when the two
// differ by more than 30 degrees.
bool TurnsTarget(float facing, float targetHeading);

}  // namespace quillomar
