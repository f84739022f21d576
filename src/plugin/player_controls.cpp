#include "plugin/player_controls.h"

#include <optional>
#include <string>

#include "config/key_bindings.h"
#include "frame/mute_prompt.h"
#include "platform/text_files.h"
#include "plugin/key_presses.h"
#include "plugin/live_files.h"
#include "plugin/player_files.h"
#include "plugin/plugin_log.h"
#include "plugin/plugin_state.h"

namespace quillomar {
namespace {

void SwitchOffOrOn(PluginState& state) {
    state.switchedOff = !state.switchedOff;
    const std::string text = state.switchedOff ? std::string(kNoticePrefix) + "off - press " +
                                                     KeyBindingText(state.settings.toggleKey) + " to switch it on again"
                                               : std::string(kNoticePrefix) + "on";
    GiveNotice(state.notice, text);
}

// "NAME #3".
std::string Named(const SpokenLine& line) { return std::string(line.name) + " #" + std::to_string(line.variation); }

// "NAME #3 - Arthur Writhing, built in", or "..., Mine.txt line 12".
std::string LineAndSource(const SpokenLine& line, const Settings& settings) {
    std::string text = Named(line) + " - " + VoiceSetName(line.voice) + " " + LineListName(line.list) + ", ";
    if (line.fileLine == 0) return text + "built in";
    return text + std::string(FileName(settings.tauntListFile)) + " line " + std::to_string(line.fileLine);
}

// Adds the line to the muted file; the system's words for why it could not be saved, or nothing.
// How the file ended when it was last read or written holds while nobody else has changed it since;
// after a change not read yet, the row comes after a line end, which at worst leaves a blank line.
std::optional<std::string> SaveMuted(PluginState& state, const MutedLine& line) {
    MutedLines& muted = state.taunting.speech.muted;
    const platform::FileStamp before = platform::StampOf(kMutedFile.Path());
    const bool unchanged = before == state.watch.inForce.muted;
    std::optional<std::string> unsaved =
        AppendMutedLine(kMutedFile.Path(), line, before.exists, unchanged && muted.lastRowEnded);
    if (unsaved) return unsaved;
    muted.lastRowEnded = true;
    KeepOwnMutedWrite(state.watch, before);
    return std::nullopt;
}

void MuteLastLine(PluginState& state) {
    Speech& speech = state.taunting.speech;
    if (speech.linesSpoken == 0) {
        GiveNotice(state.notice, std::string(kNoticePrefix) + "no line has been said yet, so there is none to mute");
        return;
    }
    const SpokenLine& spoken = speech.lastSpoken;
    if (IsMuted(speech.muted, spoken.name, spoken.variation)) {
        GiveNotice(state.notice, std::string(kNoticePrefix) + Named(spoken) + " is muted already");
        return;
    }
    const MutedLine line{spoken.name, spoken.variation};
    speech.muted.byKey.push_back(line);
    MarkMutedRows(speech.catalogues, speech.muted);
    const std::optional<std::string> unsaved = SaveMuted(state, line);
    if (!unsaved) {
        LogPlayLine(std::string(kNoticePrefix) + "muted " + Named(spoken) + ", added to " + kMutedFile.Name());
        GiveNotice(state.notice, std::string(kNoticePrefix) + "muted " + Named(spoken) + " - delete its row in " +
                                     kMutedFile.Name() + " to hear it again");
        return;
    }
    LogPlayLine(std::string(kNoticePrefix) + "muted " + Named(spoken) + ", but it could not be saved in " +
                kMutedFile.Name() + " (" + *unsaved + "), so it is muted only until that file is next read");
    GiveNotice(state.notice, std::string(kNoticePrefix) + "muted " + Named(spoken) + ", but it could not be saved in " +
                                 kMutedFile.Name() + " - see " + kLogFile.Name());
}

}  // namespace

void ReadPlayerKeys(PluginState& state) {
    KeyBinding presses[kKeyPressCapacity];
    const std::size_t count = TakeKeyPresses(presses);
    bool mute = false;  // however often the player asked in this frame, the line is muted once
    for (std::size_t i = 0; i < count; ++i) {
        if (Matches(presses[i], state.settings.toggleKey)) {
            SwitchOffOrOn(state);
        } else if (Matches(presses[i], state.settings.muteKey)) {
            mute = true;
        }
    }
    if (MutePromptHeld(state.frame, state.taunting.speech)) mute = true;
    if (mute) MuteLastLine(state);
}

void NameSpokenLine(PluginState& state) {
    const Speech& speech = state.taunting.speech;
    if (speech.linesSpoken == state.linesNamed) return;
    state.linesNamed = speech.linesSpoken;
    if (!state.settings.showLineNames) return;
    const std::string text = std::string(kNoticePrefix) + LineAndSource(speech.lastSpoken, state.settings);
    GiveNotice(state.lineName, text);
    LogPlayLine(text);
}

}  // namespace quillomar
