#include "plugin/key_presses.h"

#include <algorithm>
#include <atomic>

namespace quillomar {
namespace {

// Both counts only grow; the ring holds the presses between them. The writer publishes a press
// by moving noted on (release), the reader frees its slot by moving taken on.
KeyBinding gRing[kKeyPressCapacity];
std::atomic<std::uint32_t> gNoted{0};
std::atomic<std::uint32_t> gTaken{0};

}  // namespace

void NoteKeyMessage(std::uint32_t code, std::uint8_t held, std::int32_t isWithAlt, std::int32_t wasDownBefore,
                    std::int32_t isUpNow) noexcept {
    if (ModifierOf(code) != nullptr || isUpNow != 0 || wasDownBefore != 0 || code == 0 || code > 0xFF) return;
    const std::uint32_t noted = gNoted.load(std::memory_order_relaxed);
    if (noted - gTaken.load(std::memory_order_acquire) == kKeyPressCapacity) return;  // full: dropped
    const auto alt = static_cast<std::uint8_t>(isWithAlt != 0 ? kAltBit : 0);
    const auto modifiers = static_cast<std::uint8_t>((held & (kControlBit | kShiftBit)) | alt);
    gRing[noted % kKeyPressCapacity] = {static_cast<std::uint8_t>(code), modifiers};
    gNoted.store(noted + 1, std::memory_order_release);
}

std::size_t TakeKeyPresses(std::span<KeyBinding> out) noexcept {
    const std::uint32_t taken = gTaken.load(std::memory_order_relaxed);
    const std::uint32_t waiting = gNoted.load(std::memory_order_acquire) - taken;
    const std::size_t count = std::min<std::size_t>(waiting, out.size());
    for (std::size_t i = 0; i < count; ++i) out[i] = gRing[(taken + i) % kKeyPressCapacity];
    gTaken.store(taken + static_cast<std::uint32_t>(count), std::memory_order_release);
    return count;
}

}  // namespace quillomar
