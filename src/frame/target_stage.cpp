#include "frame/target_stage.h"

#include "config/settings.h"
#include "frame/auto_taunt.h"
#include "host/frame_state.h"
#include "speech/perform_taunt.h"
#include "targeting/target_search.h"
#include "targeting/taunt_history.h"

namespace quillomar {
namespace {

constexpr std::int32_t kPriorityOverRob = 1;
constexpr std::int32_t kPriorityBelowRob = 2;

// A downed or ragdolling target's prompt may come before the game's own Rob prompt.
std::int32_t TauntPriority(PedState state) {
    bool downed = state == PedState::Writhing || state == PedState::FatallyInjured ||
                  state == PedState::Incapacitated || state == PedState::RagdollHurt;
    return gSettings.tauntPriorityOverRob && downed ? kPriorityOverRob : kPriorityBelowRob;
}

void OfferTauntPrompt(FrameState& frame) {
    if (OfferPrompt(*frame.tauntPrompt, TauntPriority(frame.targetState)) &&
        PerformTaunt(frame.playerPed, frame.targetState, frame.targetContext)) {
        RecordTaunt(frame.target);
    }
}

}  // namespace

bool RunTargetStage(FrameState& frame) {
    TargetCandidate candidate = FindAcceptedTarget(gSettings, frame.playerPed);
    if (!frame.promptsCreated) CreatePrompts(frame);
    if (!candidate.accepted) return false;

    frame.target = candidate.ped;
    frame.targetState = candidate.state;
    frame.targetContext = BuildTargetContext(frame.target, frame.playerPed);
    // The two prompts are never offered together.
    HidePrompt(frame.combatPrompt.get());

    if (gSettings.autoTauntEnabled) {
        RunAutoTaunt(frame);
        frame.prevTarget = frame.target;
        frame.prevState = frame.targetState;
        HidePrompt(frame.tauntPrompt.get());
    } else if (!CanTauntPed(frame.target)) {
        HidePrompt(frame.tauntPrompt.get());
    } else {
        OfferTauntPrompt(frame);
    }
    return true;
}

void ForgetTarget(FrameState& frame) {
    frame.target = 0;
    frame.targetState = PedState::None;
    frame.prevTarget = 0;
    frame.prevState = PedState::None;
}

void RunIdleBranch(FrameState& frame) {
    HideAllPrompts(frame);
    ForgetTarget(frame);
    frame.autoCombatArmed = false;
    frame.autoTauntArmed = false;
}

}  // namespace quillomar
