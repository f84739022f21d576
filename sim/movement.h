#pragma once
// Peds on the move: while the clock moves, a ped with a move-to task runs straight at its target
// at the task's speed and stops at the task's stop distance, following the target if it moves.

#include <cstdint>

#include "game.h"

namespace sim {

// Moves every living ped that has a move-to task for ms milliseconds of simulated time. A ped
// whose target does not exist stands still; a task with a time limit ends once it has run that
// long. Distances are straight 3D distances, as the plug-in measures them.
void MovePeds(Game& game, std::uint32_t ms);

}  // namespace sim
