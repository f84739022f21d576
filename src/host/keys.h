#pragma once
// The keys the host's keyboard handler reports, by the names players write them with: Windows'
// virtual-key codes, with the scan code and extended flag Windows gives each key's messages (on a
// US layout), and a key with the modifiers held with it. Shared, like the native hashes, with the
// simulated game, which sends the messages a named key makes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillomar {

struct NamedKey {
    const char* name;
    std::uint8_t code;  // the virtual-key code
    std::uint8_t scanCode;
    bool extended;
};

// clang-format off
inline constexpr NamedKey kNamedKeys[] = {
    {"F1", 0x70, 0x3B, false}, {"F2", 0x71, 0x3C, false}, {"F3", 0x72, 0x3D, false}, {"F4", 0x73, 0x3E, false},
    {"F5", 0x74, 0x3F, false}, {"F6", 0x75, 0x40, false}, {"F7", 0x76, 0x41, false}, {"F8", 0x77, 0x42, false},
    {"F9", 0x78, 0x43, false}, {"F10", 0x79, 0x44, false}, {"F11", 0x7A, 0x57, false}, {"F12", 0x7B, 0x58, false},
    {"F13", 0x7C, 0x64, false}, {"F14", 0x7D, 0x65, false}, {"F15", 0x7E, 0x66, false}, {"F16", 0x7F, 0x67, false},
    {"F17", 0x80, 0x68, false}, {"F18", 0x81, 0x69, false}, {"F19", 0x82, 0x6A, false}, {"F20", 0x83, 0x6B, false},
    {"F21", 0x84, 0x6C, false}, {"F22", 0x85, 0x6D, false}, {"F23", 0x86, 0x6E, false}, {"F24", 0x87, 0x76, false},
    {"A", 'A', 0x1E, false}, {"B", 'B', 0x30, false}, {"C", 'C', 0x2E, false}, {"D", 'D', 0x20, false},
    {"E", 'E', 0x12, false}, {"F", 'F', 0x21, false}, {"G", 'G', 0x22, false}, {"H", 'H', 0x23, false},
    {"I", 'I', 0x17, false}, {"J", 'J', 0x24, false}, {"K", 'K', 0x25, false}, {"L", 'L', 0x26, false},
    {"M", 'M', 0x32, false}, {"N", 'N', 0x31, false}, {"O", 'O', 0x18, false}, {"P", 'P', 0x19, false},
    {"Q", 'Q', 0x10, false}, {"R", 'R', 0x13, false}, {"S", 'S', 0x1F, false}, {"T", 'T', 0x14, false},
    {"U", 'U', 0x16, false}, {"V", 'V', 0x2F, false}, {"W", 'W', 0x11, false}, {"X", 'X', 0x2D, false},
    {"Y", 'Y', 0x15, false}, {"Z", 'Z', 0x2C, false},
    {"0", '0', 0x0B, false}, {"1", '1', 0x02, false}, {"2", '2', 0x03, false}, {"3", '3', 0x04, false},
    {"4", '4', 0x05, false}, {"5", '5', 0x06, false}, {"6", '6', 0x07, false}, {"7", '7', 0x08, false},
    {"8", '8', 0x09, false}, {"9", '9', 0x0A, false},
    {"NUMPAD0", 0x60, 0x52, false}, {"NUMPAD1", 0x61, 0x4F, false}, {"NUMPAD2", 0x62, 0x50, false},
    {"NUMPAD3", 0x63, 0x51, false}, {"NUMPAD4", 0x64, 0x4B, false}, {"NUMPAD5", 0x65, 0x4C, false},
    {"NUMPAD6", 0x66, 0x4D, false}, {"NUMPAD7", 0x67, 0x47, false}, {"NUMPAD8", 0x68, 0x48, false},
    {"NUMPAD9", 0x69, 0x49, false},
    {"INSERT", 0x2D, 0x52, true}, {"DELETE", 0x2E, 0x53, true}, {"HOME", 0x24, 0x47, true},
    {"END", 0x23, 0x4F, true}, {"PAGEUP", 0x21, 0x49, true}, {"PAGEDOWN", 0x22, 0x51, true},
    {"PAUSE", 0x13, 0x45, false}, {"SCROLLLOCK", 0x91, 0x46, false},
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
    {{"CTRL", 0x11, 0x1D, false}, 1, 0xA2, 0xA3},
    {{"SHIFT", 0x10, 0x2A, false}, 2, 0xA0, 0xA1},
    {{"ALT", 0x12, 0x38, false}, 4, 0xA4, 0xA5},
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
const ModifierKey* ModifierOf(std::uint32_t code);

// The named key of a code, or null.
const NamedKey* NamedKeyOf(std::uint32_t code);

// A binding as written: modifiers and a key joined by '+', names in any capitals, blanks around
// them allowed, the key a name or a virtual-key number from 1 to 254 (not a modifier's). When it
// is none, badPart is the part that is not a key or modifier (empty when a part is missing).
struct KeyBindingRead {
    std::optional<KeyBinding> binding;
    std::string badPart;
};
KeyBindingRead ReadKeyBinding(std::string_view text);

// "CTRL+SHIFT+ALT+NAME", the number for a key without a name, "" for no key.
std::string KeyBindingText(KeyBinding binding);

// The simulated game reads keys as the plug-in does, so the definitions stand here for both.

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

inline const ModifierKey* ModifierOf(std::uint32_t code) {
    for (const ModifierKey& modifier : kModifierKeys) {
        if (code == modifier.key.code || code == modifier.left || code == modifier.right) return &modifier;
    }
    return nullptr;
}

inline const NamedKey* NamedKeyOf(std::uint32_t code) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) return &key;
    }
    return nullptr;
}

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
