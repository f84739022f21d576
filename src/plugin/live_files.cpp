#include "plugin/live_files.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/player_folder.h"
#include "platform/text_files.h"
#include "plugin/player_files.h"
#include "plugin/plugin_log.h"
#include "plugin/plugin_state.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kLookIntervalMs = 1000;

platform::FileStamp ListStamp(const Settings& settings) {
    return settings.tauntListFile[0] != '\0' ? platform::StampOf(settings.tauntListFile) : platform::FileStamp{};
}

WatchedStamps LookAt(const Settings& settings) {
    return {platform::StampOf(kSettingsFile.Path()), ListStamp(settings), platform::StampOf(kMutedFile.Path())};
}

// The files whose stamps changed, for the log: "Quillomar.ini and Mine.txt", say.
std::string ChangedFiles(const WatchedStamps& seen, const WatchedStamps& inForce, const Settings& settings) {
    std::vector<std::string> changed;
    if (seen.settings != inForce.settings) changed.emplace_back(kSettingsFile.Name());
    if (seen.lines != inForce.lines) changed.emplace_back(settings.tauntListFile);
    if (seen.muted != inForce.muted) changed.emplace_back(kMutedFile.Name());
    return Listed(changed);
}

bool PromptsChange(const Settings& inForce, const Settings& fresh) {
    return inForce.promptControl != fresh.promptControl || std::strcmp(inForce.promptText, fresh.promptText) != 0 ||
           std::strcmp(inForce.combatPromptText, fresh.combatPromptText) != 0 ||
           inForce.mutePrompt != fresh.mutePrompt ||
           (fresh.mutePrompt && (inForce.mutePromptControl != fresh.mutePromptControl ||
                                 std::strcmp(inForce.mutePromptText, fresh.mutePromptText) != 0));
}

// The fresh settings replace those in force whole; what was made from the old ones is made anew
// only where they differ.
void PutInForce(PluginState& state, const Settings& fresh, PlayerLists& lists) {
    if (PromptsChange(state.settings, fresh)) DeletePrompts(state.frame.prompts);
    Speech& speech = state.taunting.speech;
    speech.muted = MutedLinesOf(lists.muted);
    const std::optional<std::uint64_t> digest = LinesDigest(lists.lines);
    if (std::strcmp(state.settings.tauntListFile, fresh.tauntListFile) != 0 || digest != state.linesDigest) {
        PrepareSpeech(speech, TakeOwnLines(lists.lines));
        state.linesDigest = digest;
    } else {
        MarkMutedRows(speech.catalogues, speech.muted);
    }
    state.settings = fresh;
}

void ReadAgain(PluginState& state, const WatchedStamps& seen) {
    FilesWatch& watch = state.watch;
    const std::optional<std::string> bytes = platform::ReadFileBytes(kSettingsFile.Path());
    if (!bytes) {  // gone, a folder, held by another program: tried again at the next look
        if (!watch.unreadableTold) LogUnreadableChange(platform::LastErrorText());
        watch.unreadableTold = true;
        return;
    }
    const std::string changed = ChangedFiles(seen, watch.inForce, state.settings);
    const Settings fresh = ReadSettings(kSettingsFile.Path());
    const platform::FileStamp listStamp = ListStamp(fresh);
    PlayerLists lists = LoadPlayerLists(fresh);
    const FilesReport report = ReportPlayerFiles(kSettingsFile.Name(), *bytes, fresh.tauntListFile, lists);
    LogReload(report, changed);
    GiveNotice(state.notice, FilesNotice(report, fresh.tauntListFile, true));
    PutInForce(state, fresh, lists);
    watch.inForce = {seen.settings, listStamp, seen.muted};
    watch.lastSeen = watch.inForce;
    watch.unreadableTold = false;
    ++state.reloads;
}

}  // namespace

void StartWatching(FilesWatch& watch, const Settings& settings) {
    watch = FilesWatch{};
    watch.lastLook = platform::TickCount();
    watch.inForce = LookAt(settings);
    watch.lastSeen = watch.inForce;
}

void KeepOwnMutedWrite(FilesWatch& watch, const platform::FileStamp& before) {
    if (before != watch.inForce.muted || watch.lastSeen.muted != watch.inForce.muted) return;
    watch.inForce.muted = watch.lastSeen.muted = platform::StampOf(kMutedFile.Path());
}

void RefreshPlayerFiles(PluginState& state) {
    FilesWatch& watch = state.watch;
    const std::uint32_t now = platform::TickCount();
    if (now - watch.lastLook < kLookIntervalMs) return;
    watch.lastLook = now;
    const WatchedStamps seen = LookAt(state.settings);
    const bool settled = seen == watch.lastSeen;
    watch.lastSeen = seen;
    if (seen == watch.inForce || !settled) return;
    ReadAgain(state, seen);
}

}  // namespace quillomar
