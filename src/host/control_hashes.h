#pragma once
// The game's input controls a prompt may answer to, by name: shared, like the native hashes,
// with the simulated game.

#include <cstdint>

namespace quillomar {

struct NamedControl {
    const char* name;
    std::uint32_t hash;
};

inline constexpr NamedControl kNamedControls[] = {
    {"INPUT_CONTEXT_X", 0xE3BF959B},           {"INPUT_CONTEXT_Y", 0xDFF812F9},
    {"INPUT_CONTEXT_A", 0x5181713D},           {"INPUT_CONTEXT_B", 0x3B24C470},
    {"INPUT_INTERACT_LOCKON_POS", 0xF63A17F9}, {"INPUT_INTERACT_OPTION1", 0x760A9C6F},
    {"INPUT_INTERACT_OPTION2", 0x84543902},
};

}  // namespace quillomar
