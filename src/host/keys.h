#pragma once
// The keys the host's keyboard handler reports, by the names players write them with: Windows'
// virtual-key codes, and a key with the modifiers held with it. Shared, like the native hashes,
// with the simulated game, which reads keys as the plug-in does and sends the messages a named key
// makes: so all of it stands here, inline.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The modifiers, in the order a binding is written; bit is their bit in KeyBinding::modifiers.
struct ModifierKey {
    NamedKey key;
    std::uint8_t bit;
    std::uint8_t left;  // the codes Windows may report for the left and right key
    std::uint8_t right;
};
inline constexpr ModifierKey kModifierKeys[] = {
    {{"CTRL", 0x11}, 1, 0xA2, 0xA3},
    {{"SHIFT", 0x10}, 2, 0xA0, 0xA1},
    {{"ALT", 0x12}, 4, 0xA4, 0xA5},
};
inline constexpr std::uint8_t kAltBit = 4;

// A key and exactly the modifiers held with it; code 0 is no key.
struct KeyBinding {
    std::uint8_t code = 0;
    std::uint8_t modifiers = 0;

    bool IsSet() const { return code != 0; }
    bool operator==(const KeyBinding&) const = default;
};

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

namespace keys_detail {

inline constexpr std::uint32_t kHighestCode = 254;

inline char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool SameLetters(std::string_view written, const char* name) {
    std::string_view known = name;
    if (written.size() != known.size()) return false;
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (Upper(written[i]) != known[i]) return false;
    }
    return true;
}

inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A key's name, or its virtual-key number; 0 for neither.
inline std::uint8_t KeyCodeOf(std::string_view part) {
    for (const NamedKey& key : kNamedKeys) {
        if (SameLetters(part, key.name)) return key.code;
    }
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    std::uint32_t number = 0;
    for (char digit : part) number = number * 10 + static_cast<std::uint32_t>(digit - '0');
    if (number > kHighestCode || ModifierOf(number) != nullptr) return 0;
    return static_cast<std::uint8_t>(number);
}

}  // namespace keys_detail

// A binding as written: modifiers and a key joined by '+', names in any capitals, blanks around
// them allowed, the key a name or a virtual-key number from 1 to 254 (not a modifier's). When it
// is none, badPart is the part that is not a key or modifier (empty when a part is missing).
struct KeyBindingRead {
    std::optional<KeyBinding> binding;
    std::string badPart;
};

inline KeyBindingRead ReadKeyBinding(std::string_view text) {
    KeyBinding binding;
    for (;;) {
        const std::size_t plus = text.find('+');
        const std::string_view part = keys_detail::Trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            binding.code = keys_detail::KeyCodeOf(part);
            if (binding.code == 0) return {std::nullopt, std::string(part)};
            return {binding, ""};
        }
        const ModifierKey* named = nullptr;
        for (const ModifierKey& modifier : kModifierKeys) {
            if (keys_detail::SameLetters(part, modifier.key.name)) named = &modifier;
        }
        if (named == nullptr) return {std::nullopt, std::string(part)};
        binding.modifiers |= named->bit;
        text.remove_prefix(plus + 1);
    }
}

// "CTRL+SHIFT+ALT+NAME", the number for a key without a name, "" for no key.
inline std::string KeyBindingText(KeyBinding binding) {
    if (!binding.IsSet()) return "";
    std::string text;
    for (const ModifierKey& modifier : kModifierKeys) {
        if ((binding.modifiers & modifier.bit) != 0) text += std::string(modifier.key.name) + "+";
    }
    const NamedKey* named = NamedKeyOf(binding.code);
    return text + (named != nullptr ? std::string(named->name) : std::to_string(binding.code));
}

}  // namespace quillomar
