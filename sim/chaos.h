#pragma once
// A game gone strange, for robustness tests: natives answer with arbitrary results and fill
// their out-arguments with arbitrary values, drawn from a seeded generator so a failure
// repeats. Odd numbers come often: 0, ±1, the extremes of 32-bit integers, infinities, NaN.

#include <cstdint>

#include "natives.h"

namespace sim {

// Seeds the arbitrary answers; 0 turns them off (the default, and after ResetGame).
void SetChaos(std::uint64_t seed);
bool ChaosEnabled();

// Now and then replaces the results and out-argument contents of a call of the native of that
// hash with arbitrary values.
void ScrambleAnswer(NativeCall& call, std::uint64_t hash);

}  // namespace sim
