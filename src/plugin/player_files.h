#pragma once
// The player's own files: Quillomar.ini, the taunt list file it may name and the muted file
// beside it. What a start finds in the lists, and the one report of the files' problems that the
// log and the checkers print alike.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "speech/line_file.h"
#include "speech/muted_lines.h"

namespace quillomar {

// The player's lists besides the settings: his own lines, and the lines he muted.
struct PlayerLists {
    std::optional<LineFileLoad> lines;  // none when the settings name no taunt list file
    MutedFileLoad muted;
};

// The taunt list file the settings name, or nothing when they name none. A name alone is looked
// for in the current folder, which holds the settings file.
std::optional<LineFileLoad> LoadNamedLineFile(const Settings& settings);

// The list file the settings name and the muted file, as the plug-in reads them.
PlayerLists LoadPlayerLists(const Settings& settings);

// The muted lines of a load: none unless the file was read.
MutedLines MutedLinesOf(const MutedFileLoad& load);

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
    std::size_t mutedProblems = 0;
};

// The report of a settings file's bytes and of the lists found with them: listName is
// TauntListFile as read (empty: none). A list file that cannot be read is a problem of the
// settings file, told at TauntListFile's line; one that was read has its own report, and a line
// naming the lists it replaces. A muted file that exists has its report and a line of its rows.
FilesReport ReportPlayerFiles(std::string_view iniName, std::string_view iniBytes, std::string_view listName,
                              const PlayerLists& lists);

// The report of a list file, or of the muted file (nothing when there is none): its problems, and
// the lists it replaces or the rows it mutes. The checker gives it alone when handed such a file.
FilesReport ReportListFile(std::string_view listName, const LineFileLoad& load);
FilesReport ReportMutedFile(const MutedFileLoad& load);

// The report in a line for the screen: "Quillomar: settings reloaded" after a reload, and the
// problems, "2 problems in Quillomar.ini and 1 in Mine.txt - see Quillomar.log"; empty at a start
// without problems.
std::string FilesNotice(const FilesReport& report, std::string_view listName, bool reloaded);

}  // namespace quillomar
