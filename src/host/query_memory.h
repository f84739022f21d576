#pragma once
// A frame's memory of the game's answers to queries. Within a frame, a query asked again with
// the same arguments gets the answer it got the first time, provided nothing that changes the
// world was called in between: the game would answer the same, so it need not be asked. The
// memory holds only during a frame: it is empty outside one, and forgets at every call that
// changes the world. Fixed-size: it never allocates, and when full it simply remembers no more.

#include <cstddef>
#include <cstdint>

namespace quillomar::invoker {

// Queries with more plain arguments than this are asked every time.
inline constexpr std::size_t kMaxRememberedArgs = 4;

// The answer an identical query got earlier in the frame, or false. The answer is the slots the
// host returned (null when it returned none), copied when it was remembered.
bool Recall(std::uint64_t hash, const std::uint64_t* args, std::size_t count, const std::uint64_t*& answer);

// Keeps the host's answer to a query and returns the kept copy (or the host's own slots when
// there is no room or no frame), so that a later call of the host may reuse its buffer.
const std::uint64_t* Remember(std::uint64_t hash, const std::uint64_t* args, std::size_t count,
                              const std::uint64_t* answer);

// Forgets every answer: the world may have changed.
void ForgetAnswers();

// Remembers answers while it lives: one per frame, made where the frame begins.
class FrameMemory {
  public:
    FrameMemory();
    ~FrameMemory();
    FrameMemory(const FrameMemory&) = delete;
    FrameMemory& operator=(const FrameMemory&) = delete;
};

}  // namespace quillomar::invoker
