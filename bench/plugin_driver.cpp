#include "plugin_driver.h"

#include "host/frame_state.h"
#include "host/plugin.h"

namespace driver {

void Start() {
    try {
        quillomar::StartPlugin();
    } catch (...) {
    }
}

void Frame() {
    try {
        quillomar::UpdateFrame();
    } catch (...) {
    }
}

}  // namespace driver
