#pragma once
// The script host of a replay: it answers each native call with the tape's next answer and
// nothing else (no game, no recording). A call that differs from the tape's stops the program.

#include <cstdint>

#include "tape.h"

namespace tape_host {

// Answers from this tape from its first call on, the clock at its first frame.
void Play(const tape::Tape& tape);

// Sets the clock to the frame's tick; the frame's calls must be next on the tape.
void BeginFrame(const tape::Frame& frame);

// Fails unless every call of the frame was made.
void EndFrame(const tape::Frame& frame);

// The host's own cost: makes the frame's calls itself, with the tape's arguments.
void CallFrameBare(const tape::Frame& frame);

}  // namespace tape_host
