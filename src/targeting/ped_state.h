#pragma once

#include <cstdint>

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
    UnharmedPassive = 8,
};

}  // namespace quillomar
