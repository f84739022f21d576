#pragma once
// The plug-in's one random generator, the classic linear congruential form. Every draw of every
// part comes from it, in a fixed order, so a run is repeatable from its seed.

#include <cstdint>

namespace quillomar {

struct Random {
    std::uint32_t state = 1;

    // One draw in 0..32767.
    std::int32_t Next() {
        state = state * 214013u + 2531011u;
        return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
    }
};

// Whether a percent chance with a chance of 0 or less still makes its draw. Some rules draw
// whatever the chance, others only for a positive one, and the draw order depends on which.
enum class ZeroChance { Draws, Skips };

// The one percent test: a draw mod 100 below the chance. A chance of 0 or less never passes and
// 100 or more always does.
inline bool PercentChance(Random& random, std::int32_t chance, ZeroChance zero) {
    if (zero == ZeroChance::Skips && chance <= 0) return false;
    return random.Next() % 100 < chance;
}

}  // namespace quillomar
