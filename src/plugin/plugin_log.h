#pragma once
// Quillomar.log, next to the settings file: what a player needs to know and cannot see in the
// game. Written whole at each start of the script, replacing the previous one, then added to
// when the player's files are read again, when his keys mute a line, when a line said is named
// (ShowLineNames), or when an error stops a frame. It never passes kLogLimit: when full, the
// start's lines stay and the oldest later entries give way to the newest. A log that cannot be
// written changes nothing else.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "plugin/player_files.h"
#include "speech/line_file.h"

namespace quillomar {

inline constexpr std::size_t kLogLimit = 64 * 1024;  // bytes on the disk, CR LF counted as two
inline constexpr int kLoggedErrorLimit = 4;          // errors logged in one run, each of its own kind

// Writes the log of a start: the version, build and time, whether the host started the script
// again, where the settings came from, and the report of the settings file and of the lists found
// with it (listName is the taunt list file it names). start counts the script's starts since the
// plug-in was loaded. Returns the report, with a settings file that exists but cannot be read
// counted as one problem.
FilesReport WriteStartLog(const SettingsOrigin& origin, int start, std::string_view listName = {},
                          const PlayerLists& lists = {}) noexcept;

// Adds the report of the player's files read again while the game runs, with the time and the
// files whose change led to it ("Quillomar.ini", say).
void LogReload(const FilesReport& report, std::string_view changed) noexcept;

// Adds that the settings file changed but cannot be read (why: the system's words), so the
// settings in use stay.
void LogUnreadableChange(std::string_view why) noexcept;

// Adds a line of what happened in play, after the time: "At 2026-05-28 20:26:40: Quillomar: ...".
void LogPlayLine(std::string_view text) noexcept;

// Adds an error that stopped a frame (or the start-up) to the log: once for each kind, at most
// kLoggedErrorLimit times in a run.
void LogError(std::string_view what, bool startUp = false) noexcept;

}  // namespace quillomar
