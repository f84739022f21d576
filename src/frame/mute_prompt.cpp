#include "frame/mute_prompt.h"

#include "frame/frame_state.h"
#include "platform/platform.h"
#include "speech/perform_taunt.h"

namespace quillomar {
namespace {

bool Due(const FrameState& frame, const Speech& speech) {
    return speech.linesSpoken != 0 && speech.linesSpoken != frame.mutePromptHeldAt &&
           platform::TickCount() - speech.lastSpokenTick < kMutePromptMs;
}

}  // namespace

void RunMutePrompt(FrameState& frame, const Speech& speech) {
    PromptRecord* prompt = frame.prompts.mute.get();
    if (prompt == nullptr) return;
    const bool due = Due(frame, speech);
    if (due && !prompt->visible) {
        prompt->enabled = true;
        ShowPrompt(*prompt);
    } else if (!due && prompt->visible) {
        HidePrompt(prompt);
    }
}

bool MutePromptHeld(FrameState& frame, const Speech& speech) {
    const PromptRecord* prompt = frame.prompts.mute.get();
    if (prompt == nullptr || !IsHoldCompleted(*prompt)) return false;
    frame.mutePromptHeldAt = speech.linesSpoken;
    return true;
}

}  // namespace quillomar
