#pragma once
// The game's input controls, which a prompt answers to: each by its name and its hash, computed from
// the name. (Their keys on a keyboard, in the same list, are the documentation's alone.)

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "host/joaat.h"

namespace quillomar {

struct GameControl {
    const char* name;
    std::uint32_t hash;
};

// Every control the game's own scripts name, in the order of their names.
std::span<const GameControl> GameControls();

// The control of that exact name (capitals matter, as in the game's scripts), or null.
const GameControl* ControlNamed(std::string_view name);

// The control whose hash this is, or null.
const GameControl* ControlOfHash(std::uint32_t hash);

// A control as the player reads it: its name with its hash in hex ("INPUT_CONTEXT_Y (0x...)"), or
// the hash alone for one of no name we know.
std::string ControlText(std::uint32_t control);

// The control of the prompts when the settings name none the game knows.
inline constexpr std::uint32_t kDefaultPromptControl = Joaat("INPUT_CONTEXT_Y");

}  // namespace quillomar
