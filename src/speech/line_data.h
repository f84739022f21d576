#pragma once
// The built-in voice-line tables in the shape they are reviewed in: runs of consecutive rows
// that share everything but the variation. BuildLineCatalogues expands them into rows.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace quillomar {

// The variations of one run, in row order. A run never holds more than 15 rows.
struct Variations {
    static constexpr std::size_t kCapacity = 15;
    std::uint8_t count = 0;
    std::int8_t values[kCapacity] = {};

    constexpr Variations(std::initializer_list<int> list) {
        for (int value : list) {
            if (count < kCapacity) values[count++] = static_cast<std::int8_t>(value);
        }
    }
};

inline constexpr bool kGeneric = true;
inline constexpr bool kSpecific = false;

struct LineRun {
    const char* speechName;
    std::uint32_t conditions;
    bool generic;
    const char* voice;  // null: the voice set's own default voice
    Variations variations;
};

using LineRuns = std::span<const LineRun>;

// State lists of each voice set, in LineList order: Dead, Writhing, FatallyInjured, Incapacitated,
// RagdollHurt, Fleeing.
inline constexpr std::size_t kStateListCount = 6;
extern const LineRuns kArthurStateRuns[kStateListCount];
extern const LineRuns kJohnStateRuns[kStateListCount];

extern const LineRuns kArthurGunfightRuns;
extern const LineRuns kArthurMeleeRuns;
extern const LineRuns kJohnGunfightRuns;
extern const LineRuns kJohnMeleeRuns;

}  // namespace quillomar
