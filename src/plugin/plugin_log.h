#pragma once
// Quillomar.log, next to the settings file: what a player needs to know and cannot see in the
// game. Written whole at each start of the script, replacing the previous one, and added to
// only when an error stops a frame. A log that cannot be written changes nothing else.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "speech/line_file.h"

namespace quillomar {

inline constexpr std::size_t kLogLimit = 64 * 1024;  // bytes in one run, CR LF counted as two
inline constexpr int kLoggedErrorLimit = 4;          // errors logged in one run, each of its own kind

// The log of a start: the version, build and time, whether the host started the script again,
// where the settings came from, and the report of the settings file's problems and of the taunt
// list file it names (listName, as loaded into lines).
std::string StartLogText(const SettingsOrigin& origin, int start, std::string_view listName = {},
                         const std::optional<LineFileLoad>& lines = std::nullopt);

// Writes the log of a start. start counts the script's starts since the plug-in was loaded.
void WriteStartLog(const SettingsOrigin& origin, int start, std::string_view listName = {},
                   const std::optional<LineFileLoad>& lines = std::nullopt) noexcept;

// Adds an error that stopped a frame (or the start-up) to the log: once for each kind, at most
// kLoggedErrorLimit times in a run.
void LogError(std::string_view what, bool startUp = false) noexcept;

}  // namespace quillomar
