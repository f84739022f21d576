#pragma once
// The specific lines spoken lately, held back so that they do not come again too soon. There is
// one queue per list: each target state's, the gunfight's and the melee's. The queues hold row
// positions, not names, and both voice sets share them: a position spoken under one voice set
// also holds back the row at that position in the other set's list for the same state or fight.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "speech/speech_line.h"

namespace quillomar {

// The specific lines spoken from one list, as row positions: how many were pushed, and for each
// row the number of its latest push. A row is held back while its latest push is among the last
// RepeatPreventionCount pushes, the count in force at the draw: so a count lowered while the game
// runs, or the history switched off, holds back no more than it says from the next draw on.
//
// Storage is one slot per row whatever the count: it never exceeds the longest list the queue
// serves, and a lookup costs one comparison. A row pushed again by the re-admitting pass, when
// every fitting row was held back, simply moves to the front.
struct RepeatQueue {
    std::uint64_t pushes = 0;
    std::vector<std::uint64_t> latestPush;  // by row position, numbered from 1; 0 = never pushed
};

// Whether the row is among the last keep pushes; a keep of 0 or less holds nothing back.
bool HeldBack(const RepeatQueue& queue, std::int32_t row, std::int32_t keep);

// The row spoken now, at the front.
void Push(RepeatQueue& queue, std::int32_t row);

using RepeatHistory = PerList<RepeatQueue>;

// Empty queues, each with row slots for lists of up to rows rows, so that pushing from such a
// list does not allocate.
void PrepareRepeatHistory(RepeatHistory& history, std::size_t rows);

}  // namespace quillomar
