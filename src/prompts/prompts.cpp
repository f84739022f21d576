#include "prompts/prompts.h"

#include <memory>

#include "config/setting_table.h"
#include "config/settings.h"
#include "host/game_controls.h"
#include "host/natives.h"

namespace quillomar {
namespace {

// The one attribute every prompt of the plug-in is registered with, the game's attribute 18;
// what it changes in the prompt's look or feel is the game's own.
constexpr std::int32_t kRegistrationAttribute = 18;
constexpr std::int32_t kTauntPriority = 2;
constexpr std::int32_t kCombatPriority = 3;
constexpr std::int32_t kMutePriority = 1;
constexpr std::int32_t kMuteHoldMs = 1000;

std::unique_ptr<PromptRecord> CreateHiddenPrompt(const char* text, std::uint32_t control, std::int32_t priority,
                                                 PromptMode mode = PromptMode::Press) {
    auto prompt = std::make_unique<PromptRecord>();
    CreatePrompt(*prompt, text, control, mode);
    SetPromptPriority(*prompt, priority);
    prompt->visible = false;
    SetPromptEnabled(prompt->handle, false);
    SetPromptVisible(prompt->handle, false);
    return prompt;
}

// The control a prompt is to take, as the game asks before a prompt of its own takes one: the
// setting's control when the game knows it, else the setting's default.
std::uint32_t UsableControl(Prompts& prompts, const SettingDef& row, std::uint32_t control) {
    const bool known = IsControlActionValid(control);
    const std::uint32_t used = known ? control : Joaat(row.defaultText);
    prompts.checks.push_back({row.key, control, known, used});
    return used;
}

}  // namespace

void CreatePrompt(PromptRecord& prompt, const char* text, std::uint32_t control, PromptMode mode) {
    prompt.enabled = true;
    prompt.visible = false;
    prompt.text = text;
    prompt.control = control;
    prompt.handle = BeginPromptRegistration();
    SetPromptControl(prompt.handle, control);
    SetPromptText(prompt.handle, MakeLiteralGameText(text));
    if (mode == PromptMode::Hold) {
        SetPromptHoldMode(prompt.handle, kMuteHoldMs);
    } else {
        SetPromptPressMode(prompt.handle);
    }
    SetPromptAttribute(prompt.handle, kRegistrationAttribute);
    EndPromptRegistration(prompt.handle);
}

void CreatePrompts(Prompts& prompts, const Settings& settings) {
    if (prompts.created) return;
    const std::uint32_t control = UsableControl(prompts, SettingRow(&Settings::promptControl), settings.promptControl);
    prompts.taunt = CreateHiddenPrompt(settings.promptText, control, kTauntPriority);
    prompts.combat = CreateHiddenPrompt(settings.combatPromptText, control, kCombatPriority);
    if (settings.mutePrompt) {
        const std::uint32_t muteControl =
            UsableControl(prompts, SettingRow(&Settings::mutePromptControl), settings.mutePromptControl);
        prompts.mute = CreateHiddenPrompt(settings.mutePromptText, muteControl, kMutePriority, PromptMode::Hold);
    }
    prompts.created = true;
}

void SetPromptPriority(const PromptRecord& prompt, std::int32_t priority) {
    SetPromptPriorityValue(prompt.handle, priority);
}

void ApplyPromptState(const PromptRecord& prompt) {
    SetPromptEnabled(prompt.handle, prompt.visible && prompt.enabled);
    SetPromptVisible(prompt.handle, prompt.visible);
}

void ShowPrompt(PromptRecord& prompt) {
    prompt.visible = true;
    SetPromptEnabled(prompt.handle, prompt.enabled);
    SetPromptVisible(prompt.handle, true);
}

void HidePrompt(PromptRecord* prompt) {
    if (prompt == nullptr) return;
    prompt->enabled = false;
    ApplyPromptState(*prompt);
    prompt->visible = false;
    SetPromptEnabled(prompt->handle, false);
    SetPromptVisible(prompt->handle, false);
}

void HideAllPrompts(Prompts& prompts) {
    HidePrompt(prompts.taunt.get());
    HidePrompt(prompts.combat.get());
    HidePrompt(prompts.mute.get());
}

bool OfferPrompt(PromptRecord& prompt, std::optional<std::int32_t> priority) {
    prompt.enabled = true;
    ApplyPromptState(prompt);
    if (priority) SetPromptPriority(prompt, *priority);
    ShowPrompt(prompt);
    return IsPromptCompleted(prompt);
}

bool IsPromptCompleted(const PromptRecord& prompt) {
    return prompt.enabled && prompt.visible && HasPromptCompleted(prompt.handle);
}

bool IsHoldCompleted(const PromptRecord& prompt) {
    return prompt.enabled && prompt.visible && HasPromptHoldCompleted(prompt.handle);
}

void DeletePrompts(Prompts& prompts) {
    for (std::unique_ptr<PromptRecord>* prompt : {&prompts.taunt, &prompts.combat, &prompts.mute}) {
        if (*prompt && (*prompt)->handle != 0) {
            DeletePrompt((*prompt)->handle);
            (*prompt)->handle = 0;
        }
        prompt->reset();
    }
    prompts.created = false;
}

}  // namespace quillomar
