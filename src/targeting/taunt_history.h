#pragma once
// When each ped was last taunted: a ped may be taunted again 15 s later, or at once when it has
// died since.

#include <cstddef>

#include "host/natives.h"

namespace quillomar {

// Whether the ped may be taunted now.
bool CanTauntPed(Ped ped);

// Notes a taunt of the ped now; now and then forgets peds that no longer exist.
void RecordTaunt(Ped target);

// Forgets every taunt, as at a fresh start.
void ClearTauntHistory();

// How many peds are remembered.
std::size_t TauntHistorySize();

}  // namespace quillomar
