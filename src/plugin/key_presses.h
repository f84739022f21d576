#pragma once
// Key presses on their way from the game's window thread, where the host calls the keyboard
// handler, to the script, which reads them at the start of a frame. One writer and one reader
// share a ring of presses through two atomic counts: no lock, no data race, no press counted
// twice, and none lost unless more than kKeyPressCapacity come between two frames.

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/keys.h"

namespace quillomar {

// A key that went down, with the modifiers held at that moment.
struct KeyPress {
    std::uint8_t code = 0;
    std::uint8_t modifiers = 0;
};

inline constexpr std::size_t kKeyPressCapacity = 64;

// On the window thread: a keyboard message. A key going down is a press, not its repeats while
// held nor its release; CTRL and SHIFT are held from their own messages, ALT as the message says.
void NoteKeyMessage(std::uint32_t code, std::int32_t isWithAlt, std::int32_t wasDownBefore,
                    std::int32_t isUpNow) noexcept;

// On the script: the presses noted since the last take, oldest first, as many as fit in out.
std::size_t TakeKeyPresses(std::span<KeyPress> out) noexcept;

inline bool Matches(const KeyPress& press, KeyBinding binding) {
    return binding.IsSet() && press.code == binding.code && press.modifiers == binding.modifiers;
}

}  // namespace quillomar
