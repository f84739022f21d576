#pragma once
// What the frame keeps from one frame to the next: the player's ped, the prompts, the target,
// the auto-taunt timers and the fight as the last combat refresh saw it.

#include <cstdint>

#include "combat/contexts.h"
#include "host/natives.h"
#include "prompts/prompts.h"
#include "targeting/ped_state.h"

namespace quillomar {

struct FrameState {
    Ped playerPed = 0;      // read in every frame that passes the first two gates
    Ped lastPlayerPed = 0;  // the player's ped of the previous such frame

    Prompts prompts;

    Ped target = 0;  // the taunt target accepted this frame
    PedState targetState = PedState::None;
    Ped prevTarget = 0;  // target and state as the auto-taunt step last saw them
    PedState prevState = PedState::None;

    bool autoTauntArmed = false;
    std::uint32_t autoTauntDue = 0;
    bool autoCombatArmed = false;
    std::uint32_t autoCombatDue = 0;

    std::uint64_t mutePromptHeldAt = 0;  // the lines said when the mute prompt was held: it waits for the next

    CombatContext combatContext;  // the newest build; before the first one, no fight at all
    bool combatActive = false;    // combat taunts apply this frame
    std::int32_t storedPlayerHealth = 0;
};

// No target this frame: the target and the auto-taunt step's memory of it are cleared, so a
// target accepted again counts as a change.
inline void ForgetTarget(FrameState& frame) {
    frame.target = 0;
    frame.targetState = PedState::None;
    frame.prevTarget = 0;
    frame.prevState = PedState::None;
}

}  // namespace quillomar
