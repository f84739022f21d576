#pragma once
// The plug-in's one random generator, the classic linear congruential form. Every draw of every
// part comes from it, in a fixed order, so a run is repeatable from its seed.

#include <cstdint>

namespace quillomar {

void SeedRandom(std::uint32_t seed);

// One draw in 0..32767.
std::int32_t Rand();

}  // namespace quillomar
