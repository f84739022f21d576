#pragma once
// Everything the plug-in keeps between frames, in one object built fresh at every start of the
// script, so a restart begins exactly as a fresh load does.

#include "config/settings.h"
#include "frame/frame_state.h"
#include "frame/taunt_state.h"

namespace quillomar {

struct PluginState {
    Settings settings{};  // read once at start-up, read-only afterwards
    FrameState frame;
    TauntState taunting;
};

}  // namespace quillomar
