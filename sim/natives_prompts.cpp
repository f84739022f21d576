// The game's prompts and the game texts their labels are made of.

#include "host/game_controls.h"
#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

// Game texts are named by tokens, not addresses, so traces are the same on every platform.
constexpr std::uint64_t kGameTextBase = 0x100000000u;

Prompt* PromptAt(NativeCall& c) {
    auto found = c.game.prompts.find(c.Int(0));
    return found == c.game.prompts.end() ? nullptr : &found->second;
}

template <typename Change>
void ChangePrompt(NativeCall& c, Change change) {
    if (Prompt* prompt = PromptAt(c)) change(*prompt);
}

void MakeGameText(NativeCall& c) {
    if (c.world().nullGameTexts) return c.ReturnInt(0);
    c.game.gameTexts.emplace_back(TextAt(c.args[2]));
    c.results[0] = kGameTextBase + c.game.gameTexts.size() - 1;
}

const std::string* GameText(const Game& game, std::uint64_t token) {
    if (token < kGameTextBase || token - kGameTextBase >= game.gameTexts.size()) return nullptr;
    return &game.gameTexts[token - kGameTextBase];
}

std::string Described(const Prompt& prompt) {
    return prompt.text + " (priority " + std::to_string(prompt.priority) + ")";
}

void SetVisible(NativeCall& c) {
    ChangePrompt(c, [&c](Prompt& prompt) {
        bool visible = c.args[1] != 0;
        if (visible && !prompt.visible) c.game.events.push_back("prompt shown: " + Described(prompt));
        if (!visible && prompt.visible) c.game.events.push_back("prompt hidden: " + prompt.text);
        prompt.visible = visible;
    });
}

// A visible prompt whose priority changes moves to its new place on screen.
void SetPriority(NativeCall& c) {
    ChangePrompt(c, [&c](Prompt& prompt) {
        bool moved = prompt.visible && prompt.priority != c.Int(1);
        prompt.priority = c.Int(1);
        if (moved) c.game.events.push_back("prompt moved: " + Described(prompt));
    });
}

// The game keeps its prompts in a pool of fixed size: when every place is taken, registering
// makes no prompt and answers 0. Handles count up, skipping those in use, and never reach 0.
void RegisterPrompt(NativeCall& c) {
    if (c.world().nullPromptHandles || c.game.prompts.size() >= kPromptPoolSize) return c.ReturnInt(0);
    std::int32_t handle;
    do {
        handle = c.game.nextPromptHandle;
        c.game.nextPromptHandle = handle == INT32_MAX ? 1 : handle + 1;
    } while (c.game.prompts.contains(handle));
    c.game.prompts[handle] = {};
    c.ReturnInt(handle);
}

// A press completes a prompt of its control that is enabled and visible in the frame of the press.
void HasCompleted(NativeCall& c) {
    const Prompt* prompt = PromptAt(c);
    c.ReturnBool(prompt != nullptr && prompt->registered && prompt->enabled && prompt->visible &&
                 c.game.pressedControl != 0 && prompt->control == c.game.pressedControl);
}

// The game knows the controls of its own scripts, and no other.
void IsControlValid(NativeCall& c) { c.ReturnBool(quillomar::ControlOfHash(c.Low(0)) != nullptr); }

// A hold completes a hold prompt of its control that is enabled and visible in the frame it ends.
void HasHoldCompleted(NativeCall& c) {
    const Prompt* prompt = PromptAt(c);
    c.ReturnBool(prompt != nullptr && prompt->registered && prompt->holdMs > 0 && prompt->enabled && prompt->visible &&
                 c.game.heldControl != 0 && prompt->control == c.game.heldControl);
}

const NativeDef kPromptNatives[] = {
    {SIM_UNDERSCORED_NATIVE(IS_CONTROL_ACTION_VALID), "ii", 1, IsControlValid},
    {SIM_NATIVE(VAR_STRING), "itt", 1, MakeGameText},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_REGISTER_BEGIN), "", 1, RegisterPrompt},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_CONTROL_ACTION), "ii", 0,
     [](NativeCall& c) { ChangePrompt(c, [&c](Prompt& p) { p.control = c.Low(1); }); }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_TEXT), "ii", 0,
     [](NativeCall& c) {
         const std::string* text = GameText(c.game, c.args[1]);
         ChangePrompt(c, [text](Prompt& p) { p.text = text != nullptr ? *text : ""; });
     }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_STANDARD_MODE), "ii", 0,
     [](NativeCall& c) { ChangePrompt(c, [&c](Prompt& p) { p.pressMode = c.args[1] != 0; }); }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_HOLD_MODE), "ii", 0,
     [](NativeCall& c) { ChangePrompt(c, [&c](Prompt& p) { p.holdMs = c.Int(1); }); }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_HAS_HOLD_MODE_COMPLETED), "i", 1, HasHoldCompleted},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_ATTRIBUTE), "iii", 0,
     [](NativeCall& c) {
         if (c.Int(1) == 18) ChangePrompt(c, [&c](Prompt& p) { p.attribute18 = c.args[2] != 0; });
     }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_REGISTER_END), "i", 0,
     [](NativeCall& c) { ChangePrompt(c, [](Prompt& p) { p.registered = true; }); }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_PRIORITY), "ii", 0, SetPriority},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_ENABLED), "ii", 0,
     [](NativeCall& c) { ChangePrompt(c, [&c](Prompt& p) { p.enabled = c.args[1] != 0; }); }},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_SET_VISIBLE), "ii", 0, SetVisible},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_HAS_STANDARD_MODE_COMPLETED), "ii", 1, HasCompleted},
    {SIM_UNDERSCORED_NATIVE(UI_PROMPT_DELETE), "i", 0,
     [](NativeCall& c) {
         if (Prompt* prompt = PromptAt(c); prompt != nullptr && prompt->visible)
             c.game.events.push_back("prompt hidden: " + prompt->text);
         c.game.prompts.erase(c.Int(0));
     }},
};

}  // namespace

std::span<const NativeDef> PromptNatives() { return kPromptNatives; }

const std::string* FindGameText(const Game& game, std::uint64_t token) { return GameText(game, token); }

}  // namespace sim
