#pragma once
// The game prompts, "Taunt" and "Combat Taunt", and "Mute line" when the settings ask for it, and
// their records.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quillomar {

struct Settings;

struct PromptRecord {
    std::int32_t handle = 0;     // the game's prompt, 0 once deleted
    bool enabled = false;        // may be used while visible
    bool visible = false;        // on screen
    const char* text = nullptr;  // the label, owned by the settings
    std::uint32_t control = 0;
};

// The game's answer when asked whether it knows a control a prompt is to take.
struct ControlCheck {
    const char* setting;    // the key that names the control
    std::uint32_t control;  // the control asked about
    bool known;             // the game's answer
    std::uint32_t used;     // the control the prompt took: its own, or the setting's default
};

// The plug-in's prompts: made once they are needed, freed when the player's ped changes.
struct Prompts {
    std::unique_ptr<PromptRecord> taunt;   // labelled with the taunt prompt text
    std::unique_ptr<PromptRecord> combat;  // labelled with the combat prompt text
    std::unique_ptr<PromptRecord> mute;    // held to mute the line said last; only with MutePrompt
    bool created = false;                  // they exist in the game
    std::vector<ControlCheck> checks;      // the game's answers at the latest makings, until read
};

// How a prompt completes: pressed, or held for a while.
enum class PromptMode { Press, Hold };

// Builds the prompt in the game on the control, with the label.
void CreatePrompt(PromptRecord& prompt, const char* text, std::uint32_t control, PromptMode mode = PromptMode::Press);

// Creates the prompts, hidden and disabled in the game but enabled in their records, each on the
// control the settings name, asked about first as the game asks about its own: a control the game
// does not know gives way to the setting's default. Each answer is kept in checks.
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

// Whether the player has held a hold prompt long enough; a hidden or disabled one is not asked about.
bool IsHoldCompleted(const PromptRecord& prompt);

// Deletes both prompts in the game and frees their records.
void DeletePrompts(Prompts& prompts);

}  // namespace quillomar
