#pragma once
// The plug-in's per-frame state: zero when loaded, and again at every start of the script.

#include <cstdint>
#include <memory>

#include "combat/contexts.h"
#include "host/natives.h"
#include "prompts/prompts.h"
#include "targeting/ped_state.h"

namespace quillomar {

struct FrameState {
    Ped playerPed = 0;      // read in every frame that passes the first two gates
    Ped lastPlayerPed = 0;  // the player's ped of the previous such frame

    std::unique_ptr<PromptRecord> tauntPrompt;
    std::unique_ptr<PromptRecord> combatPrompt;
    bool promptsCreated = false;

    Ped target = 0;  // the taunt target accepted this frame
    PedState targetState = PedState::None;
    TargetContext targetContext;  // the target's surroundings, for choosing its line
    Ped prevTarget = 0;           // target and state as the auto-taunt step last saw them
    PedState prevState = PedState::None;

    bool autoTauntArmed = false;
    std::uint32_t autoTauntDue = 0;
    bool autoCombatArmed = false;
    std::uint32_t autoCombatDue = 0;

    std::unique_ptr<CombatContext> combatContext;  // the newest build, kept until unload
    bool combatActive = false;                     // combat taunts apply this frame
    std::int32_t storedPlayerHealth = 0;
};

extern FrameState gFrame;

// The combat context the last combat refresh built; before the first one, no fight at all.
inline const CombatContext& KeptCombatContext(const FrameState& frame) {
    static const CombatContext kNoFight{};
    return frame.combatContext ? *frame.combatContext : kNoFight;
}

// One game frame: the gates, then the combat refresh, the target stage, one branch and the
// debug overlay.
void UpdateFrame();

}  // namespace quillomar
