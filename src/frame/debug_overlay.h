#pragma once

namespace quillomar {

struct FrameState;
struct Settings;
struct TauntState;

// Draws what the plug-in sees at the top left of the screen.
void DrawDebugOverlay(const FrameState& frame, const TauntState& taunting, const Settings& settings);

}  // namespace quillomar
