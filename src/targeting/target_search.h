#pragma once
// Which ped the player addresses: the one aimed at, locked on to, focused on for interaction, or
// under the camera's centre, in that order; and whether it makes a taunt target.

#include "host/natives.h"
#include "targeting/ped_state.h"

namespace quillomar {

struct Settings;

// An entity's world position.
Vector3 GetEntityPosition(Entity entity);

// The straight 3D distance from the player's ped to the entity, in metres; height counts.
float DistanceToPlayer(Entity entity, Ped playerPed);

// The first ped the aim, the lock-on, the interaction focus (unless requireAiming) or the
// camera's line of sight yields, or 0.
Ped FindTargetPed(bool requireAiming, Ped playerPed);

struct TargetCandidate {
    Ped ped = 0;
    PedState state = PedState::None;
    bool accepted = false;
};

// The frame's candidate and whether it makes a target: it must be in a state worth a taunt (not
// None or Combat), on screen and within MaxDistance.
TargetCandidate FindAcceptedTarget(const Settings& settings, Ped playerPed);

}  // namespace quillomar
