#pragma once

#include <cstdint>

#include "host/natives.h"

namespace quillomar {

// What has become of a ped, as far as taunting goes.
enum class PedState : std::int32_t {
    None = 0,
    Dead = 1,
    Writhing = 2,
    FatallyInjured = 3,
    Incapacitated = 4,
    RagdollHurt = 5,
    Fleeing = 6,
    Combat = 7,
    UnharmedPassive = 8,  // named for the line tables; never the result of a classification
};

// The ped's state by a fixed order of questions to the game: the first that decides wins. A
// ragdolling ped counts as hurt only when includeRagdoll is set; Combat means in combat with
// playerPed.
PedState ClassifyPedState(Ped ped, bool includeRagdoll, Ped playerPed);

}  // namespace quillomar
