#include "natives.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {
namespace {

// The nearby-ped buffer of a sound caller never claims more than this.
constexpr std::uint64_t kMaxNearbyCapacity = kMaxOutSlots - 1;

std::uint64_t* OutPointer(std::uint64_t slot) {
    return reinterpret_cast<std::uint64_t*>(static_cast<std::uintptr_t>(slot));
}

std::size_t OutOrdinal(const char* params, std::size_t i) {
    std::size_t ordinal = 0;
    for (std::size_t k = 0; k < i; ++k) ordinal += std::strchr("ovn", params[k]) != nullptr ? 1 : 0;
    return ordinal;
}

}  // namespace

void NativeCall::ReturnVector(const Vec3& v) {
    results[0] = std::bit_cast<std::uint32_t>(v.x);
    results[1] = std::bit_cast<std::uint32_t>(v.y);
    results[2] = std::bit_cast<std::uint32_t>(v.z);
}

void NativeCall::WriteOut(std::size_t i, std::span<const std::uint64_t> slots, std::size_t firstSlot) {
    std::uint64_t* out = OutPointer(args[i]);
    if (out == nullptr) {
        std::fprintf(stderr, "simulated game: a null out-argument was passed\n");
        std::abort();
    }
    std::copy(slots.begin(), slots.end(), out + firstSlot);
    std::vector<std::uint64_t>& record = writes.at(OutOrdinal(params, i));
    record.insert(record.end(), slots.begin(), slots.end());
}

void NativeCall::WriteOutInt(std::size_t i, std::int32_t value) {
    const std::uint64_t slot = static_cast<std::uint32_t>(value);
    WriteOut(i, {&slot, 1});
}

void NativeCall::WriteOutVector(std::size_t i, const Vec3& v) {
    const std::uint64_t slots[3] = {std::bit_cast<std::uint32_t>(v.x), std::bit_cast<std::uint32_t>(v.y),
                                    std::bit_cast<std::uint32_t>(v.z)};
    WriteOut(i, slots);
}

const char* TextAt(std::uint64_t address) {
    const char* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(address));
    return text != nullptr ? text : "";
}

std::uint32_t OutSlots(char param, std::uint64_t pointer) {
    if (param == 'o') return 1;
    if (param == 'v') return 3;
    if (param != 'n' || pointer == 0) return 0;
    std::uint64_t capacity = *OutPointer(pointer) & 0xFFFFFFFFu;
    if (capacity > kMaxNearbyCapacity) {
        std::fprintf(stderr, "simulated game: a nearby-ped buffer claims %llu slots\n",
                     static_cast<unsigned long long>(capacity));
        std::abort();
    }
    return static_cast<std::uint32_t>(capacity) + 1;
}

namespace {

template <typename Matches>
const NativeDef* FindNativeWhere(Matches matches) {
    for (std::span<const NativeDef> natives :
         {WorldNatives(), TargetingNatives(), PromptNatives(), SpeechNatives(), HudNatives(), TaskNatives()}) {
        auto found = std::find_if(natives.begin(), natives.end(), matches);
        if (found != natives.end()) return &*found;
    }
    return nullptr;
}

}  // namespace

const NativeDef* FindNative(std::uint64_t hash) {
    return FindNativeWhere([hash](const NativeDef& def) { return def.hash == hash; });
}

const NativeDef* FindNativeNamed(std::string_view name) {
    return FindNativeWhere([name](const NativeDef& def) { return def.name == name; });
}

const char* NativeName(std::uint64_t hash) {
    const NativeDef* def = FindNative(hash);
    return def != nullptr ? def->name : nullptr;
}

}  // namespace sim
