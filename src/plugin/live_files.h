#pragma once
// The player's files while the game runs. Once a second of the tick clock the plug-in asks the
// file system for the stamps of Quillomar.ini, of the list file the settings in force name and of
// the muted file;
// a change that still holds at the next look, a second later (so that a file an editor is still
// saving is never read), is read with the same loader as at start and put in force at once,
// before the frame's gates. A settings file that cannot be read leaves the settings in force.

#include <cstdint>

#include "config/settings.h"
#include "platform/platform.h"

namespace quillomar {

struct PluginState;

struct WatchedStamps {
    platform::FileStamp settings;
    platform::FileStamp lines;  // of the list file the settings name; nothing when they name none
    platform::FileStamp muted;
    bool operator==(const WatchedStamps&) const = default;
};

struct FilesWatch {
    std::uint32_t lastLook = 0;
    WatchedStamps inForce;        // of the files the settings and lines in force came from
    WatchedStamps lastSeen;       // at the last look
    bool unreadableTold = false;  // the log said that the changed settings file cannot be read
};

// Begins watching the files the settings in force came from, from now on.
void StartWatching(FilesWatch& watch, const Settings& settings);

// At most once a second: looks at the files and, when one has changed and held still since the
// look before, reads them again and puts them in force: the settings whole, the prompts made
// anew when their text or control changed, the lines built again (their history emptied) when
// the list file's name or content changed, the muted lines those of the file. Everything else
// carries on, the lines muted by key until then excepted. Logs it and gives the notice.
void RefreshPlayerFiles(PluginState& state);

// The plug-in's own write to the muted file, whose stamp was before before it: no change to read
// again, unless the player's own change was already on its way.
void KeepOwnMutedWrite(FilesWatch& watch, const platform::FileStamp& before);

}  // namespace quillomar
