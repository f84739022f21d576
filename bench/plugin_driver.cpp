#include "plugin_driver.h"

#include "plugin/plugin.h"
#include "plugin/update_frame.h"

namespace driver {
namespace {

quillomar::PluginState* gState = nullptr;
int gModuleToken = 0;

}  // namespace

void Start() {
    try {
        // Each tape is played as the recording was: from a fresh load of the plug-in.
        quillomar::AttachPlugin(&gModuleToken);
        gState = &quillomar::StartPlugin();
    } catch (...) {
        gState = nullptr;
    }
}

void Frame() {
    try {
        if (gState != nullptr) quillomar::UpdateFrame(*gState);
    } catch (...) {
    }
}

}  // namespace driver
