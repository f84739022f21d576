#include "frame/target_stage.h"

#include "config/settings.h"
#include "frame/auto_taunt.h"
#include "frame/frame_state.h"
#include "frame/taunt_state.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

constexpr std::int32_t kPriorityOverRob = 1;
constexpr std::int32_t kPriorityBelowRob = 2;

// A downed or ragdolling target's prompt may come before the game's own Rob prompt.
std::int32_t TauntPriority(const Settings& settings, PedState state) {
    bool downed = state == PedState::Writhing || state == PedState::FatallyInjured ||
                  state == PedState::Incapacitated || state == PedState::RagdollHurt;
    return settings.tauntPriorityOverRob && downed ? kPriorityOverRob : kPriorityBelowRob;
}

void OfferTauntPrompt(FrameState& frame, TauntState& taunting, const Settings& settings) {
    if (OfferPrompt(*frame.prompts.taunt, TauntPriority(settings, frame.targetState)) &&
        PerformTaunt(SpeakerOf(taunting, settings, frame.playerPed), frame.targetState, frame.target)) {
        RecordTaunt(taunting.taunts, frame.target);
    }
}

}  // namespace

bool RunTargetStage(FrameState& frame, TauntState& taunting, const Settings& settings) {
    TargetCandidate candidate = FindAcceptedTarget(settings, frame.playerPed, taunting.field);
    if (!frame.prompts.created) CreatePrompts(frame.prompts, settings);
    if (!candidate.accepted) return false;

    frame.target = candidate.ped;
    frame.targetState = candidate.state;
    // The two prompts are never offered together.
    HidePrompt(frame.prompts.combat.get());

    if (settings.autoTauntEnabled) {
        RunAutoTaunt(frame, taunting, settings);
        HidePrompt(frame.prompts.taunt.get());
    } else if (!CanTauntPed(taunting.taunts, frame.target)) {
        HidePrompt(frame.prompts.taunt.get());
    } else {
        OfferTauntPrompt(frame, taunting, settings);
    }
    return true;
}

void RunIdleBranch(FrameState& frame) {
    HideAllPrompts(frame.prompts);
    ForgetTarget(frame);
    frame.autoCombatArmed = false;
    frame.autoTauntArmed = false;
}

}  // namespace quillomar
