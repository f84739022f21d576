#pragma once
// Replaying a world: the plug-in's frames run against the world's tape, in the folder the
// replays share, which holds the world's files (its settings file or none, and any others) as the
// world began.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tape.h"

namespace replay {

// What a world's replay counts: native calls per frame, and heap allocations per steady frame
// (one that neither starts the plug-in nor makes its prompts), measured on a second pass so that
// what is made once per process is made already.
struct Counts {
    std::size_t frames = 0;
    std::size_t totalCalls = 0;
    std::size_t maxCalls = 0;
    std::size_t steadyFrames = 0;
    std::size_t maxSteadyAllocations = 0;
    std::size_t allocatingSteadyFrames = 0;
    double MeanCalls() const { return frames != 0 ? static_cast<double>(totalCalls) / frames : 0.0; }
};

// Makes a fresh folder the current one for every replay, and removes it at the end.
void EnterReplayFolder();
void LeaveReplayFolder();

// The world's files as it began (only those), the host at the tape's first call.
void Rewind(const tape::Tape& tape);

// Start-up when the frame begins one; it is kept apart so that it can be left out of a frame's time.
void BeginFrame(const tape::Frame& frame);
void StartUp();
void RunFrame(const tape::Frame& frame);

Counts Count(const tape::Tape& tape);

}  // namespace replay
