#pragma once
// The game's hash of a name: Jenkins' one-at-a-time hash of the name in lower case. Every hash the
// plug-in hands the game for a name (a control, a relationship group, a model) is computed from
// that name here, when the plug-in is compiled, so a name and its hash cannot disagree.

#include <cstdint>
#include <string_view>

namespace quillomar {

constexpr std::uint32_t Joaat(std::string_view name) {
    std::uint32_t hash = 0;
    for (char c : name) {
        hash += static_cast<std::uint8_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        hash += hash << 10;
        hash ^= hash >> 6;
    }
    hash += hash << 3;
    hash ^= hash >> 11;
    hash += hash << 15;
    return hash;
}

}  // namespace quillomar
