#pragma once
// Taunts without a prompt. Each step keeps a timer in FrameState, armed with a random delay drawn
// from its pair of interval settings (whole seconds):
//   lo = min(IntervalMin, IntervalMax) x 1000 ms, hi = IntervalMax x 1000 ms,
//   delay = lo + (one draw mod (hi - lo + 1)),  due = now + delay (unsigned, wrapping).
// So IntervalMin above IntervalMax gives exactly IntervalMax seconds, and a range wider than
// 32767 ms adds at most 32767 ms to lo. The delay is worked out exactly in 64 bits and then held
// to the signed 32-bit range: settings whose milliseconds, or whose range, do not fit 32 bits
// (more than 2147483 seconds either way) give at most 2147483647 ms and at least -2147483648 ms,
// the nearest delays that do fit. Settings that fit give their plain delay, negative ones
// included: the due time then lies behind the tick count and the timer is due at once. Whether a
// timer is due is judged by the signed difference between the tick count and the due time, so
// the tick count's wrap neither fires a timer early nor holds one back for 49 days.

namespace quillomar {

struct FrameState;
struct Settings;
struct TauntState;

// Taunts the frame's target without a prompt when it, or its state, has changed and the
// auto-taunt timer allows; then remembers the target and its state for the next frame.
void RunAutoTaunt(FrameState& frame, TauntState& taunting, const Settings& settings);

// A combat taunt without a prompt whenever the auto-combat timer runs out.
void RunAutoCombatTaunt(FrameState& frame, TauntState& taunting, const Settings& settings);

}  // namespace quillomar
