#pragma once
// The game's input controls, which a prompt answers to: each by its name, its hash computed from
// the name, and its default key on a keyboard where it is known.

#include <cstdint>
#include <string_view>

#include "host/joaat.h"

namespace quillomar {

struct GameControl {
    std::string_view name;
    std::string_view keyboardKey;  // empty where it is not known
    std::uint32_t hash;
};

inline constexpr GameControl kGameControls[] = {
#define QUILLOMAR_CONTROL(name, key) {name, key, Joaat(name)},
#include "host/game_controls.inc"
#undef QUILLOMAR_CONTROL
};

// The control of that exact name (capitals matter, as in the game's scripts), or null.
constexpr const GameControl* ControlNamed(std::string_view name) {
    for (const GameControl& control : kGameControls) {
        if (control.name == name) return &control;
    }
    return nullptr;
}

// The control whose hash this is, or null.
constexpr const GameControl* ControlOfHash(std::uint32_t hash) {
    for (const GameControl& control : kGameControls) {
        if (control.hash == hash) return &control;
    }
    return nullptr;
}

// The control of the Taunt prompts when the settings name none the game knows.
inline constexpr std::uint32_t kDefaultPromptControl = Joaat("INPUT_CONTEXT_Y");
static_assert(ControlOfHash(kDefaultPromptControl)->name == "INPUT_CONTEXT_Y");

}  // namespace quillomar
