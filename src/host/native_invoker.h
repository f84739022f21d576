#pragma once
// One native call: the hash, one 64-bit slot per argument left to right, then the call. Every
// slot conversion happens here, and the result is copied out of the host's buffer at once.
// Every call passes here, so here a frame remembers the answers to its queries (see
// host/query_memory.h): a query of plain values asked again is answered from that memory, and a
// call that changes the world makes the frame forget.

#include <bit>
#include <cstdint>
#include <type_traits>

#include "host/native_hashes.h"
#include "host/query_memory.h"
#include "host/script_host.h"

namespace quillomar {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

namespace invoker {

// Integers, booleans, handles and hashes are zero-extended: -1 travels as 0x00000000FFFFFFFF.
inline std::uint64_t ToSlot(std::int32_t value) { return static_cast<std::uint32_t>(value); }
inline std::uint64_t ToSlot(std::uint32_t value) { return value; }
inline std::uint64_t ToSlot(bool value) { return value ? 1u : 0u; }
// A float travels as its bit pattern in the low half.
inline std::uint64_t ToSlot(float value) { return std::bit_cast<std::uint32_t>(value); }
// Pointers travel whole.
inline std::uint64_t ToSlot(const void* pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }

template <typename... Args>
const std::uint64_t* CallHost(std::uint64_t hash, Args... args) {
    nativeInit(hash);
    (nativePush64(ToSlot(args)), ...);
    return nativeCall();
}

// The native's kind is known where it is called, so only the memory's own work is left to run.
template <std::uint64_t Hash, typename... Args>
const std::uint64_t* Call(Args... args) {
    constexpr native::Kind kKind = native::KindOf(Hash);
    // An address may point at an out-argument or at text: such a call is never answered from memory.
    constexpr bool kPlainValues = !(std::is_pointer_v<Args> || ...);
    if constexpr (kKind == native::Kind::Query && kPlainValues && sizeof...(Args) <= kMaxRememberedArgs) {
        const std::uint64_t slots[sizeof...(Args) + 1] = {ToSlot(args)..., 0};
        const std::uint64_t* answer = nullptr;
        if (Recall(Hash, slots, sizeof...(Args), answer)) return answer;
        return Remember(Hash, slots, sizeof...(Args), CallHost(Hash, args...));
    } else {
        if constexpr (kKind == native::Kind::Change) ForgetAnswers();
        return CallHost(Hash, args...);
    }
}

// A host that hands back no result buffer reads as all zero.
inline std::uint64_t Slot(const std::uint64_t* slots, int index) { return slots != nullptr ? slots[index] : 0u; }
inline std::uint32_t Low32(const std::uint64_t* slots, int index) {
    return static_cast<std::uint32_t>(Slot(slots, index));
}

// Results: integers, booleans, handles and hashes from the low half of slot 0, a float from its
// bit pattern there, a game text pointer from the whole slot, a vector from slots 0 to 2.
inline std::int32_t ReadInt(const std::uint64_t* slots) { return static_cast<std::int32_t>(Low32(slots, 0)); }
inline std::uint32_t ReadHash(const std::uint64_t* slots) { return Low32(slots, 0); }
inline bool ReadBool(const std::uint64_t* slots) { return Low32(slots, 0) != 0; }
inline float ReadFloat(const std::uint64_t* slots) { return std::bit_cast<float>(Low32(slots, 0)); }
inline std::uint64_t ReadPointer(const std::uint64_t* slots) { return Slot(slots, 0); }
inline Vector3 ReadVector(const std::uint64_t* slots) {
    return {std::bit_cast<float>(Low32(slots, 0)), std::bit_cast<float>(Low32(slots, 1)),
            std::bit_cast<float>(Low32(slots, 2))};
}

}  // namespace invoker

// Typed calls, by the hash of the native, known where they are made.
template <std::uint64_t Hash, typename... Args>
void CallVoid(Args... args) {
    invoker::Call<Hash>(args...);
}

template <std::uint64_t Hash, typename... Args>
std::int32_t CallInt(Args... args) {
    return invoker::ReadInt(invoker::Call<Hash>(args...));
}

template <std::uint64_t Hash, typename... Args>
std::uint32_t CallHash(Args... args) {
    return invoker::ReadHash(invoker::Call<Hash>(args...));
}

template <std::uint64_t Hash, typename... Args>
bool CallBool(Args... args) {
    return invoker::ReadBool(invoker::Call<Hash>(args...));
}

template <std::uint64_t Hash, typename... Args>
float CallFloat(Args... args) {
    return invoker::ReadFloat(invoker::Call<Hash>(args...));
}

template <std::uint64_t Hash, typename... Args>
std::uint64_t CallPointer(Args... args) {
    return invoker::ReadPointer(invoker::Call<Hash>(args...));
}

template <std::uint64_t Hash, typename... Args>
Vector3 CallVector(Args... args) {
    return invoker::ReadVector(invoker::Call<Hash>(args...));
}

}  // namespace quillomar
