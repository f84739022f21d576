#include "plugin/player_files.h"

#include <utility>

#include "config/setting_table.h"
#include "config/settings_check.h"
#include "platform/ini_reader.h"
#include "platform/text_files.h"

namespace quillomar {
namespace {

// TauntListFile's row of the settings table.
const SettingDef& ListFileRow() { return SettingRow(&Settings::tauntListFile); }

std::string TooLargeForLines() {
    return " is larger than " + SizeText(kLineFileMaxBytes) + ", so it is not read and the built-in lines are used";
}

// Why a named list file gives no lines, as a problem of the settings file.
std::string UnusedFile(std::string_view listName, const LineFileLoad& load) {
    std::string text = std::string(ListFileRow().key) + "=" + Shown(listName);
    if (load.outcome == LineFileLoad::Outcome::TooLarge) return text + TooLargeForLines();
    return text + " cannot be read (" + load.error + "), so the built-in lines are used";
}

// "1 row", "12 rows"; none as the caller words it.
std::string RowCount(std::size_t rows, const char* none) {
    return rows == 0 ? none : std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

// "Voice lines from NAME: [Arthur Dead] 2 rows, ...; every other list is the built-in one".
std::string ReplacedLists(std::string_view listName, const OwnLines& own) {
    if (own.lists.empty()) return "Voice lines: " + std::string(listName) + " replaces no list, so all are built in\n";
    std::string text = "Voice lines from " + std::string(listName) + ":";
    for (std::size_t i = 0; i < own.lists.size(); ++i) {
        const OwnList& list = own.lists[i];
        text += (i == 0 ? " " : ", ") + LineFileSection(list.voice, list.list) + " " +
                RowCount(list.rows.size(), "no rows");
    }
    return text + "; every other list is the built-in one\n";
}

}  // namespace

std::optional<LineFileLoad> LoadNamedLineFile(const Settings& settings) {
    if (settings.tauntListFile[0] == '\0') return std::nullopt;
    return LoadLineFile(settings.tauntListFile);
}

PlayerLists LoadPlayerLists(const Settings& settings) {
    return {LoadNamedLineFile(settings), LoadMutedFile(kMutedFile.Path())};
}

MutedLines MutedLinesOf(const MutedFileLoad& load) {
    if (load.outcome != MutedFileLoad::Outcome::Read) return {};
    return {load.read.lines, {}, load.read.lastRowEnded};
}

OwnLines TakeOwnLines(std::optional<LineFileLoad>& load) {
    if (!load || load->outcome != LineFileLoad::Outcome::Read) return {};
    return std::move(load->read.lines);
}

std::optional<std::uint64_t> LinesDigest(const std::optional<LineFileLoad>& load) {
    if (!load || load->outcome != LineFileLoad::Outcome::Read) return std::nullopt;
    return load->digest;
}

std::string ListFileSetting(std::string_view iniBytes) {
    const SettingDef& row = ListFileRow();
    char name[kLongTextSize];
    std::uint32_t length = ini::ReadString(iniBytes, row.section, row.key, row.defaultText, name, sizeof name);
    return std::string(name, length);
}

FilesReport ReportPlayerFiles(std::string_view iniName, std::string_view iniBytes, std::string_view listName,
                              const PlayerLists& lists) {
    std::vector<FileProblem> problems = CheckSettingsText(iniBytes);
    const std::optional<LineFileLoad>& lines = lists.lines;
    const bool read = lines && lines->outcome == LineFileLoad::Outcome::Read;
    if (!listName.empty() && lines && !read) {
        problems.push_back(
            {SettingLine(iniBytes, ListFileRow().section, ListFileRow().key), UnusedFile(listName, *lines)});
        SortByLine(problems);
    }
    FilesReport report{ProblemReport(iniName, problems), CountedProblems(problems), 0, 0};
    if (!listName.empty() && read) {
        const FilesReport list = ReportListFile(listName, *lines);
        report.text += list.text;
        report.lineProblems = list.lineProblems;
    }
    const FilesReport muted = ReportMutedFile(lists.muted);
    report.text += muted.text;
    report.mutedProblems = muted.mutedProblems;
    return report;
}

FilesReport ReportListFile(std::string_view listName, const LineFileLoad& load) {
    if (load.outcome == LineFileLoad::Outcome::TooLarge) {
        return {std::string(listName) + TooLargeForLines() + "\n", 0, 1, 0};
    }
    return {ProblemReport(listName, load.read.problems) + ReplacedLists(listName, load.read.lines), 0,
            CountedProblems(load.read.problems), 0};
}

FilesReport ReportMutedFile(const MutedFileLoad& load) {
    const std::string name = kMutedFile.Name();
    switch (load.outcome) {
        case MutedFileLoad::Outcome::Missing:
            return {};
        case MutedFileLoad::Outcome::Unreadable:
            return {name + " cannot be read (" + load.error + "), so no line is muted\n", 0, 0, 1};
        case MutedFileLoad::Outcome::TooLarge:
            return {
                name + " is larger than " + SizeText(kMutedFileMaxBytes) + ", so it is not read and no line is muted\n",
                0, 0, 1};
        case MutedFileLoad::Outcome::Read:
            break;
    }
    return {ProblemReport(name, load.read.problems) + "Muted lines from " + name + ": " +
                RowCount(load.read.lines.size(), "none") + "\n",
            0, 0, CountedProblems(load.read.problems)};
}

std::string FilesNotice(const FilesReport& report, std::string_view listName, bool reloaded) {
    const std::pair<std::size_t, std::string_view> files[] = {{report.settingsProblems, kSettingsFile.Name()},
                                                              {report.lineProblems, FileName(listName)},
                                                              {report.mutedProblems, kMutedFile.Name()}};
    std::vector<std::string> parts;  // "2 problems in Quillomar.ini", then "1 in Mine.txt"
    for (const auto& [count, file] : files) {
        if (count == 0) continue;
        parts.push_back((parts.empty() ? ProblemCount(count) : std::to_string(count)) + " in " + std::string(file));
    }
    std::string where = Listed(parts);
    if (!where.empty()) where += std::string(" - see ") + kLogFile.Name();
    if (!reloaded) return where.empty() ? where : std::string(kNoticePrefix) + where;
    return std::string(kNoticePrefix) + "settings reloaded" + (where.empty() ? "" : ", " + where);
}

}  // namespace quillomar
