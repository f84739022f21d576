#pragma once
// The two game prompts, "Taunt" and "Combat Taunt", and their records.

#include <cstdint>
#include <memory>
#include <optional>

namespace quillomar {

struct Settings;

struct PromptRecord {
    std::int32_t handle = 0;     // the game's prompt, 0 once deleted
    bool enabled = false;        // may be used while visible
    bool visible = false;        // on screen
    const char* text = nullptr;  // the label, owned by the settings
    std::uint32_t control = 0;
};

// The plug-in's two prompts: made once both are needed, freed when the player's ped changes.
struct Prompts {
    std::unique_ptr<PromptRecord> taunt;          // labelled with the taunt prompt text
    std::unique_ptr<PromptRecord> combat;         // labelled with the combat prompt text
    bool created = false;                         // both exist in the game
    std::optional<std::uint32_t> refusedControl;  // the control the game refused at a making, until told
};

// Builds the prompt in the game: a press prompt on the control, with the label.
void CreatePrompt(PromptRecord& prompt, const char* text, std::uint32_t control);

// Creates both prompts, hidden and disabled in the game but enabled in their records, on the
// control the settings name; on INPUT_CONTEXT_Y, and that one noted as refused, when the game
// does not know it.
void CreatePrompts(Prompts& prompts, const Settings& settings);

void SetPromptPriority(const PromptRecord& prompt, std::int32_t priority);

// Pushes enabled and visible to the game.
void ApplyPromptState(const PromptRecord& prompt);

void ShowPrompt(PromptRecord& prompt);

// Leaves the prompt disabled and hidden; a missing record is skipped.
void HidePrompt(PromptRecord* prompt);
void HideAllPrompts(Prompts& prompts);

// Offers the prompt in this frame: enabled, its state applied, the priority set when one is
// given, shown; then whether the player used it.
bool OfferPrompt(PromptRecord& prompt, std::optional<std::int32_t> priority);

// Whether the player has used the prompt; a hidden or disabled prompt is not asked about.
bool IsPromptCompleted(const PromptRecord& prompt);

// Deletes both prompts in the game and frees their records.
void DeletePrompts(Prompts& prompts);

}  // namespace quillomar
