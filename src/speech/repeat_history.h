#pragma once
// The specific lines spoken lately, held back so that they do not come again too soon. There is
// one queue per target state and one each for gunfight and melee taunts. The queues hold row
// positions, not names, and both voice sets share them: a position spoken under one voice set
// also holds back the row at that position in the other set's list for the same state or fight.

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace quillomar {

// Row positions, newest first; after each push the oldest entries drop off the back until at
// most RepeatPreventionCount remain. Entries only ever leave from the back, so the queue is
// always the newest pushes, and it is kept as counts rather than as entries: how many pushes
// there were, how many dropped off, and for each row the number of its latest push. A row is in
// the queue while its latest push has not dropped off.
//
// This answers exactly as a list of entries would, also when a count larger than the list lets
// the re-admitting pass push the same row twice, yet storage is one slot per row whatever the
// count: it never exceeds the longest list the queue serves, and a lookup costs one comparison.
struct RepeatQueue {
    std::uint64_t pushes = 0;
    std::uint64_t dropped = 0;
    std::vector<std::uint64_t> latestPush;  // by row position, numbered from 1; 0 = never pushed
};

// Whether the row is held in the queue.
bool InQueue(const RepeatQueue& queue, std::int32_t row);

// Entries in the queue; a row pushed twice and still held counts twice.
std::uint64_t QueueLength(const RepeatQueue& queue);

// Pushes the row at the front, then drops entries from the back while more than keep remain. A
// negative keep holds nothing, like 0: the entry just pushed drops at once, so the queue stays
// empty and nothing is ever taken from an empty queue.
void PushAndTrim(RepeatQueue& queue, std::int32_t row, std::int32_t keep);

struct RepeatHistory {
    std::map<std::int32_t, RepeatQueue> states;  // by PedState value
    RepeatQueue gunfight;
    RepeatQueue melee;  // any fight that is not a gunfight
};

// Empty queues for states 0 to 8 and both fights, each with row slots for lists of up to rows
// rows, so that pushing from such a list does not allocate.
void PrepareRepeatHistory(RepeatHistory& history, std::size_t rows);

}  // namespace quillomar
