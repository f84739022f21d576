#include "plugin_driver.h"

#include "plugin/plugin.h"
#include "plugin/update_frame.h"

namespace driver {
namespace {

quillomar::PluginState* gState = nullptr;

}  // namespace

void Start() {
    try {
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
