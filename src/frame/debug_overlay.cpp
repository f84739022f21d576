#include "frame/debug_overlay.h"

namespace quillomar {

void DrawDebugOverlay(const FrameState&) {}

}  // namespace quillomar
