#pragma once
// Runs the registered script entry frame by frame, as the host's script fiber does: the script
// runs on a thread of its own and each scriptWait hands control back, one frame per handoff.

#include <cstdint>

#include "game.h"

namespace sim {

// Starts the registered script entry; it runs nothing until the first RunFrame.
void StartScript();

// Lets the script run until its next scriptWait: one frame (the first also runs start-up).
void RunFrame();

// Ends the script at its current scriptWait. Safe to call when none runs.
void StopScript();

}  // namespace sim
