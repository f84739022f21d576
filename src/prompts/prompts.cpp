#include "prompts/prompts.h"

#include "host/frame_state.h"
#include "host/natives.h"

namespace quillomar {

void ApplyPromptState(const PromptRecord& prompt) {
    SetPromptEnabled(prompt.handle, prompt.visible && prompt.enabled);
    SetPromptVisible(prompt.handle, prompt.visible);
}

void HidePrompt(PromptRecord* prompt) {
    if (prompt == nullptr) return;
    prompt->enabled = false;
    ApplyPromptState(*prompt);
    prompt->visible = false;
    SetPromptEnabled(prompt->handle, false);
    SetPromptVisible(prompt->handle, false);
}

void HideAllPrompts(FrameState& frame) {
    HidePrompt(frame.tauntPrompt.get());
    HidePrompt(frame.combatPrompt.get());
}

void DeletePrompts(FrameState& frame) {
    for (std::unique_ptr<PromptRecord>* prompt : {&frame.tauntPrompt, &frame.combatPrompt}) {
        if (*prompt && (*prompt)->handle != 0) DeletePrompt((*prompt)->handle);
        prompt->reset();
    }
    frame.promptsCreated = false;
}

}  // namespace quillomar
