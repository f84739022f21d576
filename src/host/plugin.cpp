#include "host/plugin.h"

#include <exception>

#include "combat/aggression.h"
#include "config/settings.h"
#include "host/frame_state.h"
#include "host/random.h"
#include "host/script_host.h"
#include "platform/platform.h"
#include "speech/line_catalogue.h"
#include "speech/perform_taunt.h"
#include "speech/repeat_history.h"
#include "targeting/taunt_history.h"

namespace quillomar {
namespace {

KeyState gKeys[kKeyCount] = {};

}  // namespace

void AttachPlugin(void* module) {
    scriptRegister(module, ScriptMain);
    keyboardHandlerRegister(OnKeyboardMessage);
}

void DetachPlugin(void* module) {
    scriptUnregister(module);
    keyboardHandlerUnregister(OnKeyboardMessage);
}

void StartPlugin() {
    // The host may start the script again after a reload: each start begins as a fresh load.
    gFrame = FrameState{};
    ClearRepeatHistory();
    ClearTauntHistory();
    ResetSpeechState();
    ClearProvokedPeds();
    LoadSettings();
    SeedRandom(platform::CalendarSeconds());
    BuildLineCatalogue();
}

void ScriptMain() {
    // Nothing may escape into the host; a failed start-up leaves the defaults in force.
    try {
        StartPlugin();
    } catch (...) {
    }
    for (;;) {
        try {
            UpdateFrame();
        } catch (...) {
        }
        scriptWait(0);
    }
}

void OnKeyboardMessage(std::uint32_t key, std::uint16_t, std::uint8_t, std::int32_t, std::int32_t isWithAlt,
                       std::int32_t wasDownBefore, std::int32_t isUpNow) noexcept {
    if (key >= kKeyCount) return;
    gKeys[key] = {platform::TickCount(), isWithAlt, wasDownBefore, isUpNow};
}

const KeyState& KeyStateOf(std::uint32_t key) {
    static const KeyState kNone{};
    return key < kKeyCount ? gKeys[key] : kNone;
}

}  // namespace quillomar
