#pragma once
// The simulated game's answer to each native, keyed by hash.

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game.h"
#include "host/native_hashes.h"

namespace sim {

// One call in progress: the pushed slots, the result slots the handler fills, and what it
// writes through out-arguments.
struct NativeCall {
    std::span<const std::uint64_t> args;
    const char* params;
    Game& game;
    std::uint64_t results[3] = {0, 0, 0};
    std::vector<std::vector<std::uint64_t>> writes;  // per out-argument, in order

    std::int32_t Int(std::size_t i) const { return static_cast<std::int32_t>(Low(i)); }
    std::uint32_t Low(std::size_t i) const { return static_cast<std::uint32_t>(args[i]); }
    float Float(std::size_t i) const { return std::bit_cast<float>(Low(i)); }
    World& world() { return game.world; }

    void ReturnInt(std::int32_t value) { results[0] = static_cast<std::uint32_t>(value); }
    void ReturnHash(std::uint32_t value) { results[0] = value; }
    void ReturnBool(bool value) { results[0] = value ? 1 : 0; }
    void ReturnFloat(float value) { results[0] = std::bit_cast<std::uint32_t>(value); }
    void ReturnVector(const Vec3& v);

    // Writes slots through the out-argument pushed at position i, from its slot firstSlot on,
    // and records them.
    void WriteOut(std::size_t i, std::span<const std::uint64_t> slots, std::size_t firstSlot = 0);
    void WriteOutInt(std::size_t i, std::int32_t value);
    void WriteOutVector(std::size_t i, const Vec3& v);
};

using NativeHandler = void (*)(NativeCall& call);

// params: one letter per pushed slot. i: integer, handle, hash or bool; f: float; t: text
// pointer; o: out-argument of one slot; v: out-argument of three slots (a vector); n: the
// nearby-ped buffer (its capacity in slot 0, handles written after it); b: the ambient-speech
// request block.
struct NativeDef {
    std::uint64_t hash;
    const char* name;
    const char* params;
    int resultSlots;
    NativeHandler handler;
};

// The first two fields of a NativeDef row, the hash and the public name, from one token, so that
// they can never disagree.
#define SIM_NATIVE(NAME) ::quillomar::native::NAME, #NAME
// The same for a native whose public name begins with an underscore (a name the community
// guessed), which its constant leaves off.
#define SIM_UNDERSCORED_NATIVE(NAME) ::quillomar::native::NAME, "_" #NAME

// The natives of each concern of the game.
std::span<const NativeDef> WorldNatives();
std::span<const NativeDef> TargetingNatives();
std::span<const NativeDef> PromptNatives();
std::span<const NativeDef> SpeechNatives();
std::span<const NativeDef> TaskNatives();
std::span<const NativeDef> HudNatives();

// The text of a game text that VAR_STRING made, by its token; null for a token it never gave.
const std::string* FindGameText(const Game& game, std::uint64_t token);

// The ambient-speech request: eight slots, the first two pointing at the line's name and voice.
inline constexpr std::size_t kSpeechRequestSlots = 8;

const NativeDef* FindNative(std::uint64_t hash);
// The native of a public name, or null.
const NativeDef* FindNativeNamed(std::string_view name);

// The most slots an out-argument may span: the nearby-ped buffer of the largest capacity.
inline constexpr std::size_t kMaxOutSlots = 257;

// The zero-terminated text at an address the plug-in passed; empty for a null pointer.
const char* TextAt(std::uint64_t address);

// How many 8-byte slots an out-argument spans, read off its letter and, for the nearby-ped
// buffer, its capacity slot.
std::uint32_t OutSlots(char param, std::uint64_t pointer);

}  // namespace sim
