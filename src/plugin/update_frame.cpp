#include "plugin/update_frame.h"

#include <string>

#include "core/player_folder.h"
#include "frame/combat_stage.h"
#include "frame/debug_overlay.h"
#include "frame/mute_prompt.h"
#include "frame/notice.h"
#include "frame/target_stage.h"
#include "host/game_controls.h"
#include "host/query_memory.h"
#include "plugin/field_report.h"
#include "plugin/live_files.h"
#include "plugin/player_controls.h"
#include "plugin/plugin_log.h"
#include "plugin/plugin_state.h"

namespace quillomar {
namespace {

// The player's ped is missing, dead, not in play, ragdolling or dying.
bool PlayerCannotAct(Ped playerPed) {
    return !DoesEntityExist(playerPed) || IsEntityDead(playerPed) || !IsPlayerInPlay(PlayerIndex()) ||
           IsPedRagdolling(playerPed) || IsPedDeadOrDying(playerPed);
}

// A gate ends the frame: no stage runs, and the prompts leave the screen.
void EndFrameAtGate(FrameState& frame) { HideAllPrompts(frame.prompts); }

// The gates, then the stages of a frame that passes them.
void RunGatesAndStages(PluginState& state) {
    const Settings& settings = state.settings;
    FrameState& frame = state.frame;
    TauntState& taunting = state.taunting;
    // Switched off by the toggle key, the plug-in acts as Enabled=0 makes it.
    if (!settings.enabled || state.switchedOff) return EndFrameAtGate(frame);
    if (!settings.enabledInMissions && IsMissionActive()) return EndFrameAtGate(frame);

    frame.playerPed = PlayerPed();
    // Prompts belong to the ped they were made for; a new ped gets new ones.
    if (frame.playerPed != frame.lastPlayerPed && frame.lastPlayerPed != 0) DeletePrompts(frame.prompts);
    frame.lastPlayerPed = frame.playerPed;
    if (PlayerCannotAct(frame.playerPed)) return EndFrameAtGate(frame);

    RunCombatRefresh(frame, taunting, settings);
    if (!RunTargetStage(frame, taunting, settings)) {
        if (frame.combatActive) {
            RunCombatBranch(frame, taunting, settings);
        } else {
            RunIdleBranch(frame);
        }
    }
    RunMutePrompt(frame, taunting.speech);
    if (settings.debugMode) DrawDebugOverlay(frame, taunting, settings);
}

// The game's answers about the prompts' controls: counted for the field report, and a control it
// refused told in the log, since a prompt answers to another.
void ReadControlChecks(Prompts& prompts, FieldTallies* field) {
    for (const ControlCheck& check : prompts.checks) {
        if (field != nullptr) field->Control(check.setting, check.control, check.known);
        if (check.known) continue;
        LogPlayLine(std::string(kNoticePrefix) + "the game does not know the control " + check.setting + " names, " +
                    ControlText(check.control) + ", so " + ControlText(check.used) + " is used instead");
    }
    prompts.checks.clear();
}

}  // namespace

void UpdateFrame(PluginState& state) {
    // The game's answers hold for this frame only.
    invoker::FrameMemory rememberedAnswers;
    RefreshPlayerFiles(state);
    FollowFieldReportSetting(state);
    ReadPlayerKeys(state);
    RunGatesAndStages(state);
    ReadControlChecks(state.frame.prompts, state.taunting.field);
    NameSpokenLine(state);
    DrawNotice(state.notice, kNoticeLine);
    DrawNotice(state.lineName, kLineNameLine);
    WriteFieldReportWhenDue(state);
}

}  // namespace quillomar
