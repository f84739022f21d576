#pragma once
// The two game prompts, "Taunt" and "Combat Taunt", and their records.

#include <cstdint>

namespace quillomar {

struct FrameState;

struct PromptRecord {
    std::int32_t handle = 0;     // the game's prompt, 0 once deleted
    bool enabled = false;        // may be used while visible
    bool visible = false;        // on screen
    const char* text = nullptr;  // the label, owned by the settings
    std::uint32_t control = 0;
};

// Pushes enabled and visible to the game.
void ApplyPromptState(const PromptRecord& prompt);

// Leaves the prompt disabled and hidden; a missing record is skipped.
void HidePrompt(PromptRecord* prompt);
void HideAllPrompts(FrameState& frame);

// Deletes both prompts in the game and frees their records.
void DeletePrompts(FrameState& frame);

}  // namespace quillomar
