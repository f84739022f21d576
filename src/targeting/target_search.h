#pragma once
// Which ped the player addresses: the one aimed at, locked on to, focused on for interaction, or
// under the camera's centre, in that order; and whether it makes a taunt target.

#include "core/field_tallies.h"
#include "host/natives.h"
#include "targeting/ped_state.h"

namespace quillomar {

struct Settings;

// An entity's world position.
Vector3 GetEntityPosition(Entity entity);

// The straight 3D distance from the player's ped to the entity, in metres; height counts.
float DistanceToPlayer(Entity entity, Ped playerPed);

// The first ped the aim, the lock-on, the interaction focus (unless requireAiming) or the
// camera's line of sight yields, or 0. With a field report, a ped the camera's ray finds is probed
// for again with the world, and what stands first is counted.
Ped FindTargetPed(bool requireAiming, Ped playerPed, FieldTallies* field = nullptr);

struct TargetCandidate {
    Ped ped = 0;
    PedState state = PedState::None;
    bool accepted = false;
};

// The frame's candidate and whether it makes a target: it must be in a state worth a taunt (not
// None or Combat), on screen and within MaxDistance.
TargetCandidate FindAcceptedTarget(const Settings& settings, Ped playerPed, FieldTallies* field = nullptr);

}  // namespace quillomar
