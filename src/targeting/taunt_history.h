#pragma once
// When each ped was last taunted: a ped may be taunted again 15 s later, or at once when it has
// died since.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/natives.h"

namespace quillomar {

struct PedTauntRecord {
    Ped ped = 0;
    std::uint32_t lastTauntTick = 0;
    bool wasDeadAtTaunt = false;
};

// Peds that no longer exist are forgotten at most 30 s after a later taunt, so the history holds
// the peds taunted lately plus those still in the world, and never more than kMaxTauntRecords:
// beyond that the longest-ago taunt is forgotten, long past its 15 s in any real play.
inline constexpr std::size_t kMaxTauntRecords = 1024;

struct TauntHistory {
    std::vector<PedTauntRecord> records;  // by ped handle, ascending
    std::uint32_t lastPruneTick = 0;

    // Room for every record there may be, so that taunting a new ped allocates nothing.
    TauntHistory() { records.reserve(kMaxTauntRecords); }
};

// Whether the ped may be taunted now.
bool CanTauntPed(const TauntHistory& history, Ped ped);

// Notes a taunt of the ped now; now and then forgets peds that no longer exist.
void RecordTaunt(TauntHistory& history, Ped target);

// The record of the ped, or null when it has none.
const PedTauntRecord* FindTauntRecord(const TauntHistory& history, Ped ped);

}  // namespace quillomar
