#pragma once
// The keys the host's keyboard handler reports, as Windows knows them: their virtual-key codes and
// names, the modifier keys, and a key with the modifiers held with it. Facts of the host's
// interface, like the native hashes, so the simulated game sends its messages from the same table.

#include <cstdint>

namespace quillomar {

struct NamedKey {
    const char* name;
    std::uint8_t code;  // the virtual-key code
};

// clang-format off
inline constexpr NamedKey kNamedKeys[] = {
    {"F1", 0x70}, {"F2", 0x71}, {"F3", 0x72}, {"F4", 0x73}, {"F5", 0x74}, {"F6", 0x75}, {"F7", 0x76},
    {"F8", 0x77}, {"F9", 0x78}, {"F10", 0x79}, {"F11", 0x7A}, {"F12", 0x7B}, {"F13", 0x7C}, {"F14", 0x7D},
    {"F15", 0x7E}, {"F16", 0x7F}, {"F17", 0x80}, {"F18", 0x81}, {"F19", 0x82}, {"F20", 0x83}, {"F21", 0x84},
    {"F22", 0x85}, {"F23", 0x86}, {"F24", 0x87}, {"A", 'A'}, {"B", 'B'}, {"C", 'C'}, {"D", 'D'}, {"E", 'E'},
    {"F", 'F'}, {"G", 'G'}, {"H", 'H'}, {"I", 'I'}, {"J", 'J'}, {"K", 'K'}, {"L", 'L'}, {"M", 'M'}, {"N", 'N'},
    {"O", 'O'}, {"P", 'P'}, {"Q", 'Q'}, {"R", 'R'}, {"S", 'S'}, {"T", 'T'}, {"U", 'U'}, {"V", 'V'}, {"W", 'W'},
    {"X", 'X'}, {"Y", 'Y'}, {"Z", 'Z'}, {"0", '0'}, {"1", '1'}, {"2", '2'}, {"3", '3'}, {"4", '4'}, {"5", '5'},
    {"6", '6'}, {"7", '7'}, {"8", '8'}, {"9", '9'}, {"NUMPAD0", 0x60}, {"NUMPAD1", 0x61}, {"NUMPAD2", 0x62},
    {"NUMPAD3", 0x63}, {"NUMPAD4", 0x64}, {"NUMPAD5", 0x65}, {"NUMPAD6", 0x66}, {"NUMPAD7", 0x67},
    {"NUMPAD8", 0x68}, {"NUMPAD9", 0x69}, {"INSERT", 0x2D}, {"DELETE", 0x2E}, {"HOME", 0x24}, {"END", 0x23},
    {"PAGEUP", 0x21}, {"PAGEDOWN", 0x22}, {"PAUSE", 0x13}, {"SCROLLLOCK", 0x91},
};
// clang-format on

// The modifiers' bits in KeyBinding::modifiers.
inline constexpr std::uint8_t kControlBit = 1;
inline constexpr std::uint8_t kShiftBit = 2;
inline constexpr std::uint8_t kAltBit = 4;

// The modifiers, in the order a binding is written.
struct ModifierKey {
    NamedKey key;
    std::uint8_t bit;
    std::uint8_t left;  // the codes Windows may report for the left and right key
    std::uint8_t right;
};
inline constexpr ModifierKey kModifierKeys[] = {
    {{"CTRL", 0x11}, kControlBit, 0xA2, 0xA3},
    {{"SHIFT", 0x10}, kShiftBit, 0xA0, 0xA1},
    {{"ALT", 0x12}, kAltBit, 0xA4, 0xA5},
};

// Virtual-key codes run from 1 to 254.
inline constexpr std::uint32_t kHighestKeyCode = 254;

// A key and exactly the modifiers held with it; code 0 is no key.
struct KeyBinding {
    std::uint8_t code = 0;
    std::uint8_t modifiers = 0;

    bool IsSet() const { return code != 0; }
    bool operator==(const KeyBinding&) const = default;
};

// CTRL and SHIFT as bits of KeyBinding::modifiers, from Windows' key state: isDown(code) tells
// whether a key is down. ALT is left out: a key message says itself whether ALT is held.
template <typename IsDown>
std::uint8_t HeldControlAndShift(IsDown isDown) {
    std::uint8_t bits = 0;
    for (const ModifierKey& modifier : kModifierKeys) {
        if (modifier.bit != kAltBit && isDown(std::uint32_t{modifier.key.code})) bits |= modifier.bit;
    }
    return bits;
}

// The modifier a code stands for (left, right or either), or null for any other key.
inline const ModifierKey* ModifierOf(std::uint32_t code) {
    for (const ModifierKey& modifier : kModifierKeys) {
        if (code == modifier.key.code || code == modifier.left || code == modifier.right) return &modifier;
    }
    return nullptr;
}

// The named key of a code, or null.
inline const NamedKey* NamedKeyOf(std::uint32_t code) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) return &key;
    }
    return nullptr;
}

}  // namespace quillomar
