#include "host/random.h"

namespace quillomar {
namespace {

std::uint32_t gRandomState = 1;

}  // namespace

void SeedRandom(std::uint32_t seed) { gRandomState = seed; }

std::int32_t Rand() {
    gRandomState = gRandomState * 214013u + 2531011u;
    return static_cast<std::int32_t>((gRandomState >> 16) & 0x7FFFu);
}

}  // namespace quillomar
