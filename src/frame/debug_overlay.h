#pragma once

namespace quillomar {

struct FrameState;

// Draws what the plug-in sees at the top left of the screen.
void DrawDebugOverlay(const FrameState& frame);

}  // namespace quillomar
