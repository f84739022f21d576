#pragma once
// When each ped was last taunted: a ped may be taunted again 15 s later, or at once when it has
// died since.

#include <cstddef>
#include <cstdint>
#include <map>

#include "host/natives.h"

namespace quillomar {

struct PedTauntRecord {
    std::uint32_t lastTauntTick = 0;
    bool wasDeadAtTaunt = false;
};

// Peds that no longer exist are forgotten at most 30 s after a later taunt, so the history holds
// the peds taunted lately plus those still in the world, and never more than kMaxTauntRecords:
// beyond that the longest-ago taunt is forgotten, long past its 15 s in any real play.
inline constexpr std::size_t kMaxTauntRecords = 1024;

struct TauntHistory {
    std::map<Ped, PedTauntRecord> records;
    std::uint32_t lastPruneTick = 0;
};

// Whether the ped may be taunted now.
bool CanTauntPed(const TauntHistory& history, Ped ped);

// Notes a taunt of the ped now; now and then forgets peds that no longer exist.
void RecordTaunt(TauntHistory& history, Ped target);

}  // namespace quillomar
