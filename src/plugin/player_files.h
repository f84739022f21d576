#pragma once
// The player's own files: Quillomar.ini and the taunt list file it may name. What a start finds
// in the list file, and the one report of both files' problems that the log and the checkers
// print alike.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "speech/line_file.h"

namespace quillomar {

// The taunt list file the settings name, or nothing when they name none. A name alone is looked
// for in the current folder, which holds the settings file.
std::optional<LineFileLoad> LoadNamedLineFile(const Settings& settings);

// The own lists of a load, taken out of it: none unless the file was read.
OwnLines TakeOwnLines(std::optional<LineFileLoad>& load);

// What tells the lines of a load from others: the digest of the file read, or nothing for the
// built-in lines.
std::optional<std::uint64_t> LinesDigest(const std::optional<LineFileLoad>& load);

// TauntListFile as the plug-in reads it from a settings file's bytes.
std::string ListFileSetting(std::string_view iniBytes);

struct FilesReport {
    std::string text;
    std::size_t settingsProblems = 0;
    std::size_t lineProblems = 0;
};

// The report of a settings file's bytes and of the list file they name: listName is TauntListFile
// as read (empty: none), lines what loading it gave. A list file that cannot be read is a problem
// of the settings file, told at TauntListFile's line; one that was read has its own report, and a
// line naming the lists it replaces.
FilesReport ReportPlayerFiles(std::string_view iniName, std::string_view iniBytes, std::string_view listName,
                              const std::optional<LineFileLoad>& lines);

// The report in a line for the screen: "Quillomar: settings reloaded" after a reload, and the
// problems, "2 problems in Quillomar.ini - see Quillomar.log"; empty at a start without problems.
std::string FilesNotice(const FilesReport& report, std::string_view listName, bool reloaded);

}  // namespace quillomar
