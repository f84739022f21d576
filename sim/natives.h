#pragma once
// The simulated game's answer to each native, keyed by hash.

#include <cstdint>
#include <span>

#include "game.h"

namespace sim {

// One call in progress: the pushed slots, and the result slots the handler fills.
struct NativeCall {
    std::span<const std::uint64_t> args;
    std::uint64_t results[3] = {0, 0, 0};
    Game& game;

    std::int32_t Int(std::size_t i) const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(args[i])); }
    void ReturnInt(std::int32_t value) { results[0] = static_cast<std::uint32_t>(value); }
    void ReturnBool(bool value) { results[0] = value ? 1 : 0; }
};

using NativeHandler = void (*)(NativeCall& call);

// params: one letter per pushed slot. i: integer, handle, hash or bool; f: float; t: text
// pointer. The count of result slots the caller reads is resultSlots.
struct NativeDef {
    std::uint64_t hash;
    const char* name;
    const char* params;
    int resultSlots;
    NativeHandler handler;
};

const NativeDef* FindNative(std::uint64_t hash);

}  // namespace sim
