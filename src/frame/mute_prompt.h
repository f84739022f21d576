#pragma once
// The Mute line prompt, with MutePrompt: a prompt the player holds to mute the line said last,
// offered whenever a line has been said and for 5 s after it, until he holds it.

#include <cstdint>

namespace quillomar {

struct FrameState;
struct Speech;

inline constexpr std::uint32_t kMutePromptMs = 5000;

// In a frame that passed the gates, after its stages: the prompt shown while it is due, hidden
// once it is not. A frame that changes nothing calls no native.
void RunMutePrompt(FrameState& frame, const Speech& speech);

// Whether the player held the prompt, asked while it is shown; once held, it waits for the next line.
bool MutePromptHeld(FrameState& frame, const Speech& speech);

}  // namespace quillomar
