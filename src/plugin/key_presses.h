#pragma once
// Key presses on their way from the game's window thread, where the host calls the keyboard
// handler, to the script, which reads them at the start of a frame. The host calls the handler
// from that one thread alone, so the ring has one writer and one reader, which share it through
// two atomic counts: no lock, no data race, no press counted twice, and none lost unless more than
// kKeyPressCapacity come between two frames (the later ones are dropped).

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/keys.h"

namespace quillomar {

inline constexpr std::size_t kKeyPressCapacity = 64;

// On the window thread: a keyboard message. A key going down is a press, not its repeats while
// held nor its release, nor a modifier's own message; its modifiers are CTRL and SHIFT as Windows
// holds them for this message (held, kControlBit and kShiftBit), and ALT as the message says. So a
// release that went to another window holds nothing down here.
void NoteKeyMessage(std::uint32_t code, std::uint8_t held, std::int32_t isWithAlt, std::int32_t wasDownBefore,
                    std::int32_t isUpNow) noexcept;

// On the script: the presses noted since the last take, oldest first, as many as fit in out; each
// a key with exactly the modifiers held at that moment.
std::size_t TakeKeyPresses(std::span<KeyBinding> out) noexcept;

// A press acts for a binding that is set and has exactly its modifiers: F9 is not CTRL+F9.
inline bool Matches(const KeyBinding& press, const KeyBinding& binding) { return binding.IsSet() && press == binding; }

}  // namespace quillomar
