#pragma once
// The plug-in's random generator worked out by its formula, so that a test knows the draws to
// come without asking the generator itself.

#include <cstdint>

namespace test {

struct Draws {
    std::uint32_t state;

    std::int32_t Next() {
        state = state * 214013u + 2531011u;
        return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
    }
    // Makes count draws and gives the last.
    std::int32_t Skip(int count) {
        std::int32_t last = 0;
        for (int i = 0; i < count; ++i) last = Next();
        return last;
    }
};

}  // namespace test
