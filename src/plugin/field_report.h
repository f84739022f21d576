#pragma once
// The field report: with FieldReport=1, what the game answered to the questions only the game can
// settle, in Quillomar-field-report.txt beside the settings, for a player to attach to a report.
// The tallies live from the plug-in's load to its unload, so a restart of the script adds to them.
// The file is written whole, a temporary file moved into its place, at most once a minute while
// something new was gathered and when the script ends; a file there is replaced, never read nor
// appended to.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/field_tallies.h"

namespace quillomar {

struct PluginState;

// Bytes on the disk (CR LF counted as two), whatever the tallies hold: every table has its rows.
inline constexpr std::size_t kFieldReportLimit = 8 * 1024;
inline constexpr std::uint32_t kFieldReportIntervalMs = 60000;

// The settings that bear on the questions, as they were in force when the report was written.
struct FieldReportSettings {
    std::uint32_t promptControl = 0;
    std::int32_t tackleChance = 0;
};

// The report's text.
std::string FieldReportText(const FieldTallies& tallies, const FieldReportSettings& settings);

// When the plug-in is loaded: the counts begin empty.
void ResetFieldReport();

// At the start of a frame: the stages add to the process's tallies while FieldReport is on.
void FollowFieldReportSetting(PluginState& state);

// At the end of a frame: the report written when something new was gathered and a minute has
// passed since it was last written; a failure told once, in the log and on the screen.
void WriteFieldReportWhenDue(PluginState& state);

// When the script ends (started again, or the plug-in unloaded): the report written if something
// new was gathered; a failure told in the log.
void WriteFieldReportAtEnd() noexcept;

}  // namespace quillomar
