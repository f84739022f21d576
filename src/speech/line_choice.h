#pragma once
// Choosing a line: which rows of a list fit the situation, and the draw among them with the
// generic line chance and the repeat history.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "combat/contexts.h"
#include "core/random.h"
#include "speech/repeat_history.h"
#include "speech/speech_line.h"

namespace quillomar {

// The filter of taunts at a target. The sex bits are requirements; gang, group, peds nearby
// and dead nearby are alternatives of which one suffices. Any other bit only keeps a row from
// counting as a sex-only row, so a row with no named alternative besides it never fits.
bool LineMatchesTarget(const SpeechLine& line, const TargetContext& target);

// The filter of combat taunts: each fight bit the row carries must hold; the others are ignored.
bool LineMatchesCombat(const SpeechLine& line, const CombatContext& combat);

// The pools of one draw, in ascending row order. They outlive the draw only to keep their
// storage: a frame that draws a line allocates nothing.
struct LinePools {
    std::vector<std::int32_t> generic;
    std::vector<std::int32_t> specific;
};

// What the settings say about a draw.
struct LineRules {
    std::int32_t genericLineChance = 0;
    std::int32_t repeatPreventionCount = 0;
};

// What a draw works with: the list's repeat queue, the pools and the generator.
struct LineDraw {
    RepeatQueue& history;
    LinePools& pools;
    Random& random;
    LineRules rules;
};

// Draws a fitting row of the list and returns its position, or none when no row fits. Fitting
// specific rows among the last RepeatPreventionCount pushed are left out unless that leaves none;
// when both the generic and the specific pool have rows, GenericLineChance picks the pool. A
// specific pick is pushed into the history. Draws: none when nothing fits, one when a single pool
// has rows, two when both do.
std::optional<std::int32_t> ChooseLine(std::span<const SpeechLine> list, const TargetContext& target,
                                       const LineDraw& draw);
std::optional<std::int32_t> ChooseLine(std::span<const SpeechLine> list, const CombatContext& combat,
                                       const LineDraw& draw);

// Storage for lists of up to rows rows, so a draw from such a list never allocates.
void ReservePools(LinePools& pools, std::size_t rows);

}  // namespace quillomar
