#include "keyboard.h"

#include <iterator>

namespace sim {
namespace {

// What Windows gives the messages of each key the plug-in names, on a US layout.
struct KeyScan {
    std::uint8_t code;
    std::uint8_t scanCode;
    bool extended;
};

// clang-format off
constexpr KeyScan kKeyScans[] = {
    {0x70, 0x3B, false}, {0x71, 0x3C, false}, {0x72, 0x3D, false}, {0x73, 0x3E, false}, {0x74, 0x3F, false},
    {0x75, 0x40, false}, {0x76, 0x41, false}, {0x77, 0x42, false}, {0x78, 0x43, false}, {0x79, 0x44, false},
    {0x7A, 0x57, false}, {0x7B, 0x58, false}, {0x7C, 0x64, false}, {0x7D, 0x65, false}, {0x7E, 0x66, false},
    {0x7F, 0x67, false}, {0x80, 0x68, false}, {0x81, 0x69, false}, {0x82, 0x6A, false}, {0x83, 0x6B, false},
    {0x84, 0x6C, false}, {0x85, 0x6D, false}, {0x86, 0x6E, false}, {0x87, 0x76, false}, {'A', 0x1E, false},
    {'B', 0x30, false}, {'C', 0x2E, false}, {'D', 0x20, false}, {'E', 0x12, false}, {'F', 0x21, false},
    {'G', 0x22, false}, {'H', 0x23, false}, {'I', 0x17, false}, {'J', 0x24, false}, {'K', 0x25, false},
    {'L', 0x26, false}, {'M', 0x32, false}, {'N', 0x31, false}, {'O', 0x18, false}, {'P', 0x19, false},
    {'Q', 0x10, false}, {'R', 0x13, false}, {'S', 0x1F, false}, {'T', 0x14, false}, {'U', 0x16, false},
    {'V', 0x2F, false}, {'W', 0x11, false}, {'X', 0x2D, false}, {'Y', 0x15, false}, {'Z', 0x2C, false},
    {'0', 0x0B, false}, {'1', 0x02, false}, {'2', 0x03, false}, {'3', 0x04, false}, {'4', 0x05, false},
    {'5', 0x06, false}, {'6', 0x07, false}, {'7', 0x08, false}, {'8', 0x09, false}, {'9', 0x0A, false},
    {0x60, 0x52, false}, {0x61, 0x4F, false}, {0x62, 0x50, false}, {0x63, 0x51, false}, {0x64, 0x4B, false},
    {0x65, 0x4C, false}, {0x66, 0x4D, false}, {0x67, 0x47, false}, {0x68, 0x48, false}, {0x69, 0x49, false},
    {0x2D, 0x52, true}, {0x2E, 0x53, true}, {0x24, 0x47, true}, {0x23, 0x4F, true}, {0x21, 0x49, true},
    {0x22, 0x51, true}, {0x13, 0x45, false}, {0x91, 0x46, false}, {0x11, 0x1D, false}, {0x10, 0x2A, false},
    {0x12, 0x38, false},
};
// clang-format on

KeyMessage Message(std::uint8_t code, bool altHeld, bool up) {
    KeyMessage message{code, 1, 0, 0, altHeld ? 1 : 0, up ? 1 : 0, up ? 1 : 0};
    for (const KeyScan& scan : kKeyScans) {
        if (scan.code != code) continue;
        message.scanCode = scan.scanCode;
        message.extended = scan.extended ? 1 : 0;
    }
    return message;
}

}  // namespace

void SetKeyDown(std::uint32_t code, bool down) {
    if (code < TheGame().keysDown.size()) TheGame().keysDown[code] = down;
}

bool KeyDown(std::uint32_t virtualKey) {
    const std::bitset<256>& down = TheGame().keysDown;
    if (const quillomar::ModifierKey* modifier = quillomar::ModifierOf(virtualKey)) {
        if (virtualKey == modifier->key.code) {
            return down[modifier->key.code] || down[modifier->left] || down[modifier->right];
        }
    }
    return virtualKey < down.size() && down[virtualKey];
}

void SendKey(KeyMessage& message) {
    SetKeyDown(message.code, message.isUp == 0);
    message.held = quillomar::HeldControlAndShift(KeyDown);
    KeyboardHandler handler = TheGame().keyboardHandler;
    if (handler != nullptr) {
        handler(message.code, message.repeats, message.scanCode, message.extended, message.alt, message.wasDown,
                message.isUp);
    }
}

std::vector<KeyMessage> KeyStroke(quillomar::KeyBinding binding) {
    std::vector<KeyMessage> messages;
    const bool alt = (binding.modifiers & quillomar::kAltBit) != 0;
    for (const quillomar::ModifierKey& modifier : quillomar::kModifierKeys) {
        if ((binding.modifiers & modifier.bit) != 0) {
            messages.push_back(Message(modifier.key.code, modifier.bit == quillomar::kAltBit, false));
        }
    }
    messages.push_back(Message(binding.code, alt, false));
    messages.push_back(Message(binding.code, alt, true));
    for (auto modifier = std::rbegin(quillomar::kModifierKeys); modifier != std::rend(quillomar::kModifierKeys);
         ++modifier) {
        if ((binding.modifiers & modifier->bit) != 0) messages.push_back(Message(modifier->key.code, false, true));
    }
    return messages;
}

}  // namespace sim
