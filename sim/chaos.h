#pragma once
// A game gone strange, for robustness tests: natives answer with arbitrary results and fill
// their out-arguments with arbitrary values, drawn from a seeded generator so a failure
// repeats, or from a stream of bytes (a fuzzer's input). Odd numbers come often: 0, ±1, the
// extremes of 32-bit integers, infinities, NaN.

#include <cstddef>
#include <cstdint>
#include <span>

#include "natives.h"

namespace sim {

// Values a settings file may hold that every reader of it must survive: empty, signs, the
// extremes of 32-bit numbers and beyond, words, hex, infinities, quotes and padding.
std::span<const char* const> OddSettingValues();

// Seeds the arbitrary answers; 0 turns them off (the default, and after ResetGame).
void SetChaos(std::uint64_t seed);
// Draws the arbitrary answers from these bytes instead, until they run out; then the game
// answers straight again. The bytes must outlive the draws.
void SetChaosBytes(std::span<const std::uint8_t> bytes);
bool ChaosEnabled();

// The next arbitrary value: the generator's, or the next `bytes` bytes of the stream (fewer,
// and zero above them, at its end).
std::uint64_t DrawChaos(std::size_t bytes);

// Now and then replaces the results and out-argument contents of a call of the native of that
// hash with arbitrary values.
void ScrambleAnswer(NativeCall& call, std::uint64_t hash);

}  // namespace sim
