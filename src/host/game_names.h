#pragma once
// The game's names the plug-in hands the game as hashes, each computed from its name, and the one
// hash it uses whose name nobody knows.

#include <cstdint>

#include "host/joaat.h"

namespace quillomar::game {

// The relationship group of lawmen.
inline constexpr std::uint32_t kLawGroup = Joaat("REL_COP");
// The player character's model when he is John.
inline constexpr std::uint32_t kJohnModel = Joaat("PLAYER_THREE");
// The speech parameters of a line the game is to say whatever else is being said.
inline constexpr std::uint32_t kForcedSpeech = Joaat("SPEECH_PARAMS_FORCE");
// The tasks of a grapple, as the game's task status names them.
inline constexpr std::uint32_t kGrappleTask = Joaat("SCRIPT_TASK_GRAPPLE");
inline constexpr std::uint32_t kDirectGrappleTask = Joaat("SCRIPT_TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE");
// A relationship group whose name nobody knows; lines that ask for it fit a target in it.
inline constexpr std::uint32_t kUnnamedTargetGroup = 0xD1A5C020;

}  // namespace quillomar::game
