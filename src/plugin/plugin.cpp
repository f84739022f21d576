#include "plugin/plugin.h"

#include <exception>
#include <memory>
#include <optional>

#include "host/keys.h"
#include "host/script_host.h"
#include "platform/platform.h"
#include "plugin/field_report.h"
#include "plugin/key_presses.h"
#include "plugin/player_files.h"
#include "plugin/plugin_log.h"
#include "plugin/plugin_state.h"
#include "plugin/update_frame.h"

namespace quillomar {
namespace {

// The script's state lives past each frame and is replaced whole at every start; it is kept here,
// not on the script's stack, so the host's tools can look at it between frames.
std::unique_ptr<PluginState> gRunning;

// Starts of the script since the plug-in was loaded, for the log.
int gStarts = 0;

}  // namespace

void RunGuarded(const std::function<void()>& run, bool startUp) noexcept {
    try {
        run();
    } catch (const std::exception& error) {
        LogError(error.what(), startUp);
    } catch (...) {
        LogError("an unknown error", startUp);
    }
}

void AttachPlugin(void* module) {
    gStarts = 0;
    ResetFieldReport();
    scriptRegister(module, ScriptMain);
    keyboardHandlerRegister(OnKeyboardMessage);
}

void DetachPlugin(void* module) {
    WriteFieldReportAtEnd();
    scriptUnregister(module);
    keyboardHandlerUnregister(OnKeyboardMessage);
}

PluginState& StartPlugin() {
    // The host may start the script again after a reload: each start begins as a fresh load, but
    // for what lives for the process, such as the field report's counts.
    if (gRunning != nullptr) WriteFieldReportAtEnd();
    gRunning = std::make_unique<PluginState>();
    PluginState& state = *gRunning;
    SettingsOrigin origin;
    state.settings = LoadSettings(&origin);
    PlayerLists lists = LoadPlayerLists(state.settings);
    const FilesReport found = WriteStartLog(origin, ++gStarts, state.settings.tauntListFile, lists);
    const std::string notice = FilesNotice(found, state.settings.tauntListFile, false);
    if (!notice.empty()) GiveNotice(state.notice, notice);
    state.taunting.random.state = platform::CalendarSeconds();
    state.linesDigest = LinesDigest(lists.lines);
    state.taunting.speech.muted = MutedLinesOf(lists.muted);
    PrepareSpeech(state.taunting.speech, TakeOwnLines(lists.lines));
    StartWatching(state.watch, state.settings);
    return state;
}

const PluginState* RunningPlugin() { return gRunning.get(); }

void ScriptMain() {
    // Nothing may escape into the host; a start-up that fails leaves the plug-in idle. The wait
    // stands outside the guard, so a host that unwinds a script it stops passes by it.
    PluginState* state = nullptr;
    RunGuarded([&] { state = &StartPlugin(); }, true);
    for (;;) {
        if (state != nullptr) RunGuarded([&] { UpdateFrame(*state); }, false);
        scriptWait(0);
    }
}

void OnKeyboardMessage(std::uint32_t key, std::uint16_t, std::uint8_t, std::int32_t, std::int32_t isWithAlt,
                       std::int32_t wasDownBefore, std::int32_t isUpNow) noexcept {
    NoteKeyMessage(key, HeldControlAndShift(platform::KeyHeld), isWithAlt, wasDownBefore, isUpNow);
}

}  // namespace quillomar
