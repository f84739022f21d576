#include "frame/auto_taunt.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "config/settings.h"
#include "frame/combat_stage.h"
#include "host/frame_state.h"
#include "host/random.h"
#include "platform/platform.h"
#include "speech/perform_taunt.h"
#include "targeting/taunt_history.h"

namespace quillomar {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
constexpr std::int32_t kPercent = 100;

// One draw of the delay for an interval pair in seconds, in milliseconds; see the header for
// how settings beyond 32 bits are held.
std::int32_t RandomDelayMs(std::int32_t minSeconds, std::int32_t maxSeconds) {
    const std::int64_t hi = std::int64_t{maxSeconds} * kMsPerSecond;
    const std::int64_t lo = std::min(std::int64_t{minSeconds} * kMsPerSecond, hi);
    const std::int64_t delay = lo + Rand() % (hi - lo + 1);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(delay, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The tick at which a timer armed now with a fresh delay runs out; the sum wraps with the tick count.
std::uint32_t DueAfterRandomDelay(std::int32_t minSeconds, std::int32_t maxSeconds) {
    const std::uint32_t delay = static_cast<std::uint32_t>(RandomDelayMs(minSeconds, maxSeconds));
    return platform::TickCount() + delay;
}

// Due once the tick count has reached the due time, judged by the signed difference: a timer
// armed just before the tick count wraps still waits its delay across the wrap. Delays up to
// 24.8 days (the most a delay can be) are told apart this way.
bool IsDue(std::uint32_t due) { return static_cast<std::int32_t>(platform::TickCount() - due) >= 0; }

// The chance setting of a target state; none for a state that is never auto-taunted.
std::optional<std::int32_t> AutoTauntChance(PedState state) {
    switch (state) {
        case PedState::Dead:
            return gSettings.chanceDead;
        case PedState::Writhing:
            return gSettings.chanceWrithing;
        case PedState::FatallyInjured:
            return gSettings.chanceFatallyInjured;
        case PedState::Incapacitated:
            return gSettings.chanceIncapacitated;
        case PedState::RagdollHurt:
            return gSettings.chanceRagdollHurt;
        case PedState::Fleeing:
            return gSettings.chanceFleeing;
        default:
            return std::nullopt;
    }
}

// A chance of 0 or less makes no draw; 100 or more always passes.
bool PassesChance(std::optional<std::int32_t> chance) {
    if (!chance || *chance <= 0) return false;
    return Rand() % kPercent < *chance;
}

}  // namespace

void RunAutoTaunt(FrameState& frame) {
    const std::int32_t minSeconds = gSettings.autoTauntIntervalMin;
    const std::int32_t maxSeconds = gSettings.autoTauntIntervalMax;
    if (!frame.autoTauntArmed) {
        frame.autoTauntDue = DueAfterRandomDelay(minSeconds, maxSeconds);
        frame.autoTauntArmed = true;
    }
    // Only a new target, or a new state of the same one, is taunted, and only in the frame it is
    // seen: the caller copies both into prevTarget and prevState after every step.
    if (frame.target == frame.prevTarget && frame.targetState == frame.prevState) return;
    if (!IsDue(frame.autoTauntDue)) return;
    if (!PassesChance(AutoTauntChance(frame.targetState))) return;
    // Unlike the prompt, the auto taunt does not ask CanTauntPed; it still records the taunt.
    if (!PerformTaunt(frame.playerPed, frame.targetState, frame.targetContext)) return;
    RecordTaunt(frame.target);
    frame.autoTauntDue = DueAfterRandomDelay(minSeconds, maxSeconds);
}

void RunAutoCombatTaunt(FrameState& frame) {
    const std::int32_t minSeconds = gSettings.autoCombatIntervalMin;
    const std::int32_t maxSeconds = gSettings.autoCombatIntervalMax;
    if (!frame.autoCombatArmed) {
        frame.autoCombatDue = DueAfterRandomDelay(minSeconds, maxSeconds);
        frame.autoCombatArmed = true;
    }
    if (!IsDue(frame.autoCombatDue)) return;
    // The prompt's cooldowns, melee distance, stationary and aiming rules do not apply here.
    SpeakCombatTaunt(KeptCombatContext(frame), frame.playerPed);
    // Every attempt, spoken or not, waits a fresh delay.
    frame.autoCombatDue = DueAfterRandomDelay(minSeconds, maxSeconds);
}

}  // namespace quillomar
