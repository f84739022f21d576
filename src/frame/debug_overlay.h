#pragma once

namespace quillomar {

struct FrameState;
struct Settings;
struct TauntState;

// Draws what the plug-in sees at the top left of the screen; the fight it shows is completed
// first (the lawmen among the enemies).
void DrawDebugOverlay(FrameState& frame, const TauntState& taunting, const Settings& settings);

}  // namespace quillomar
