#include "config/key_bindings.h"

#include "platform/ascii_text.h"

namespace quillomar {
namespace {

// A key's name, or its virtual-key number; 0 for neither.
std::uint8_t KeyCodeOf(std::string_view part) {
    for (const NamedKey& key : kNamedKeys) {
        if (SameName(part, key.name)) return key.code;
    }
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    std::uint32_t number = 0;
    for (char digit : part) number = number * 10 + static_cast<std::uint32_t>(digit - '0');
    if (number > kHighestKeyCode || ModifierOf(number) != nullptr) return 0;
    return static_cast<std::uint8_t>(number);
}

const ModifierKey* ModifierNamed(std::string_view part) {
    for (const ModifierKey& modifier : kModifierKeys) {
        if (SameName(part, modifier.key.name)) return &modifier;
    }
    return nullptr;
}

}  // namespace

KeyBindingRead ReadKeyBinding(std::string_view text) {
    KeyBinding binding;
    for (;;) {
        const std::size_t plus = text.find('+');
        const std::string_view part = Trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            binding.code = KeyCodeOf(part);
            if (binding.code == 0) return {std::nullopt, std::string(part)};
            return {binding, ""};
        }
        const ModifierKey* named = ModifierNamed(part);
        if (named == nullptr) return {std::nullopt, std::string(part)};
        binding.modifiers |= named->bit;
        text.remove_prefix(plus + 1);
    }
}

std::string KeyBindingText(KeyBinding binding) {
    if (!binding.IsSet()) return "";
    std::string text;
    for (const ModifierKey& modifier : kModifierKeys) {
        if ((binding.modifiers & modifier.bit) != 0) text += std::string(modifier.key.name) + "+";
    }
    const NamedKey* named = NamedKeyOf(binding.code);
    return text + (named != nullptr ? std::string(named->name) : std::to_string(binding.code));
}

}  // namespace quillomar
