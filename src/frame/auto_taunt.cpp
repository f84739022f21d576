#include "frame/auto_taunt.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "config/settings.h"
#include "frame/combat_taunt.h"
#include "frame/frame_state.h"
#include "frame/taunt_state.h"
#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;

// One draw of the delay for an interval pair in seconds, in milliseconds; see the header for
// how settings beyond 32 bits are held.
std::int32_t RandomDelayMs(Random& random, std::int32_t minSeconds, std::int32_t maxSeconds) {
    const std::int64_t hi = std::int64_t{maxSeconds} * kMsPerSecond;
    const std::int64_t lo = std::min(std::int64_t{minSeconds} * kMsPerSecond, hi);
    const std::int64_t delay = lo + random.Next() % (hi - lo + 1);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(delay, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The tick at which a timer armed now with a fresh delay runs out; the sum wraps with the tick count.
std::uint32_t DueAfterRandomDelay(Random& random, std::int32_t minSeconds, std::int32_t maxSeconds) {
    const std::uint32_t delay = static_cast<std::uint32_t>(RandomDelayMs(random, minSeconds, maxSeconds));
    return platform::TickCount() + delay;
}

// Due once the tick count has reached the due time, judged by the signed difference: a timer
// armed just before the tick count wraps still waits its delay across the wrap. Delays up to
// 24.8 days (the most a delay can be) are told apart this way.
bool IsDue(std::uint32_t due) { return static_cast<std::int32_t>(platform::TickCount() - due) >= 0; }

// The chance setting of a target state; none for a state that is never auto-taunted.
std::optional<std::int32_t> AutoTauntChance(const Settings& settings, PedState state) {
    switch (state) {
        case PedState::Dead:
            return settings.chanceDead;
        case PedState::Writhing:
            return settings.chanceWrithing;
        case PedState::FatallyInjured:
            return settings.chanceFatallyInjured;
        case PedState::Incapacitated:
            return settings.chanceIncapacitated;
        case PedState::RagdollHurt:
            return settings.chanceRagdollHurt;
        case PedState::Fleeing:
            return settings.chanceFleeing;
        default:
            return std::nullopt;
    }
}

// A state that is never auto-taunted makes no draw, and neither does a chance of 0 or less.
bool PassesChance(Random& random, std::optional<std::int32_t> chance) {
    return chance && PercentChance(random, *chance, ZeroChance::Skips);
}

// Only a new target, or a new state of the same one, is taunted, and only in the frame it is seen.
bool TargetChanged(const FrameState& frame) {
    return frame.target != frame.prevTarget || frame.targetState != frame.prevState;
}

void TryAutoTaunt(FrameState& frame, TauntState& taunting, const Settings& settings) {
    const std::int32_t minSeconds = settings.autoTauntIntervalMin;
    const std::int32_t maxSeconds = settings.autoTauntIntervalMax;
    if (!frame.autoTauntArmed) {
        frame.autoTauntDue = DueAfterRandomDelay(taunting.random, minSeconds, maxSeconds);
        frame.autoTauntArmed = true;
    }
    if (!TargetChanged(frame) || !IsDue(frame.autoTauntDue)) return;
    if (!PassesChance(taunting.random, AutoTauntChance(settings, frame.targetState))) return;
    // Unlike the prompt, the auto taunt does not ask CanTauntPed; it still records the taunt.
    if (!PerformTaunt(SpeakerOf(taunting, settings, frame.playerPed), frame.targetState, frame.target)) return;
    RecordTaunt(taunting.taunts, frame.target);
    frame.autoTauntDue = DueAfterRandomDelay(taunting.random, minSeconds, maxSeconds);
}

}  // namespace

void RunAutoTaunt(FrameState& frame, TauntState& taunting, const Settings& settings) {
    TryAutoTaunt(frame, taunting, settings);
    frame.prevTarget = frame.target;
    frame.prevState = frame.targetState;
}

void RunAutoCombatTaunt(FrameState& frame, TauntState& taunting, const Settings& settings) {
    const std::int32_t minSeconds = settings.autoCombatIntervalMin;
    const std::int32_t maxSeconds = settings.autoCombatIntervalMax;
    if (!frame.autoCombatArmed) {
        frame.autoCombatDue = DueAfterRandomDelay(taunting.random, minSeconds, maxSeconds);
        frame.autoCombatArmed = true;
    }
    if (!IsDue(frame.autoCombatDue)) return;
    // The prompt's cooldowns, melee distance, stationary and aiming rules do not apply here.
    SpeakCombatTaunt(taunting, settings, frame.combatContext, frame.playerPed);
    // Every attempt, spoken or not, waits a fresh delay.
    frame.autoCombatDue = DueAfterRandomDelay(taunting.random, minSeconds, maxSeconds);
}

}  // namespace quillomar
