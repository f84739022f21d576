#include "plugin/plugin_log.h"

#include <algorithm>
#include <deque>

#include "core/player_folder.h"
#include "core/player_text.h"
#include "platform/platform.h"
#include "platform/text_files.h"

namespace quillomar {
namespace {

// The log's notes of its limit.
const std::string& CutNote() {
    static const std::string note = "(the log stops here: it is kept under " + SizeText(kLogLimit) + ")\n";
    return note;
}
const std::string& GaveWayNote() {
    static const std::string note =
        "(earlier entries gave way to later ones: the log is kept under " + SizeText(kLogLimit) + ")\n";
    return note;
}

// What this run has written: the start's lines, then the entries added since, oldest first, and
// the kinds of error logged.
struct LogRun {
    std::string start;
    std::deque<std::string> entries;
    std::size_t entryBytes = 0;
    bool gaveWay = false;  // older entries were left out
    int errors = 0;
    std::string kinds[kLoggedErrorLimit];
};
LogRun gRun;

// Bytes on the disk: on Windows each newline becomes two.
std::size_t FileBytes(std::string_view text) {
    return text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

FilesReport SettingsLines(const SettingsOrigin& origin, std::string_view listName, const PlayerLists& lists) {
    const std::string name = kSettingsFile.Name();
    switch (origin.source) {
        case SettingsOrigin::Source::DefaultFileNotWritten:
            return {"Settings: there was no " + name + " and the default file could not be written (" +
                        origin.writeError + "), so the built-in defaults are in force\n",
                    0, 0};
        case SettingsOrigin::Source::DefaultFileWritten:
        case SettingsOrigin::Source::File:
            break;
    }
    std::optional<std::string> file = platform::ReadFileBytes(kSettingsFile.Path());
    if (!file) {
        return {"Settings: " + name + " exists but cannot be read (" + platform::LastErrorText() +
                    "), so every setting takes its default\n",
                1, 0};
    }
    FilesReport report = ReportPlayerFiles(name, *file, listName, lists);
    report.text = (origin.source == SettingsOrigin::Source::File
                       ? "Settings: read from " + name + "\n"
                       : "Settings: there was no " + name + ", so the default file was written and read\n") +
                  report.text;
    return report;
}

// The text cut to whole lines within the limit, with a note that it was cut.
std::string WithinLimit(std::string_view text, std::size_t limit) {
    if (FileBytes(text) <= limit) return std::string(text);
    const std::size_t room = limit - std::min(limit, FileBytes(CutNote()));
    std::size_t end = 0;  // the whole lines that fit
    std::size_t bytes = 0;
    for (std::size_t next; (next = text.find('\n', end)) != std::string_view::npos;) {
        bytes += FileBytes(text.substr(end, next + 1 - end));
        if (bytes > room) break;
        end = next + 1;
    }
    return std::string(text.substr(0, end)) + CutNote();
}

// The log written anew: the start, a note that entries gave way, the entries kept.
void RewriteLog() {
    std::string text = gRun.start + GaveWayNote();
    for (const std::string& entry : gRun.entries) text += entry;
    platform::WriteTextFile(kLogFile.Path(), text, false);
}

// Adds an entry after the start's lines. While there is room it is appended; after that the
// oldest entries give way and the log is written anew. An entry never takes the start's room.
void AddEntry(std::string_view text) {
    const std::size_t used = FileBytes(gRun.start) + FileBytes(GaveWayNote());
    const std::size_t room = kLogLimit - std::min(kLogLimit, used);
    std::string entry = WithinLimit(text, room);
    if (FileBytes(entry) > room) return;  // the start fills the log
    const std::size_t bytes = FileBytes(entry);
    if (!gRun.gaveWay && FileBytes(gRun.start) + gRun.entryBytes + bytes <= kLogLimit) {
        platform::WriteTextFile(kLogFile.Path(), entry, true);
    } else {
        while (!gRun.entries.empty() && gRun.entryBytes + bytes > room) {
            gRun.entryBytes -= FileBytes(gRun.entries.front());
            gRun.entries.pop_front();
        }
        gRun.gaveWay = true;
    }
    gRun.entryBytes += bytes;
    gRun.entries.push_back(std::move(entry));
    if (gRun.gaveWay) RewriteLog();
}

}  // namespace

FilesReport WriteStartLog(const SettingsOrigin& origin, int start, std::string_view listName,
                          const PlayerLists& lists) noexcept {
    try {
        gRun = LogRun{};
        std::string text = "Quillomar " QUILLOMAR_VERSION " (" + std::string(platform::kBuildKind) +
                           " build), started " + platform::LocalDateTime() + "\n";
        if (start > 1) {
            text += "The host started the script again: start " + std::to_string(start) +
                    " since the game loaded Quillomar; it begins afresh\n";
        }
        FilesReport report = SettingsLines(origin, listName, lists);
        gRun.start = WithinLimit(text + report.text, kLogLimit);
        platform::WriteTextFile(kLogFile.Path(), gRun.start, false);
        return report;
    } catch (...) {
        return {};
    }
}

void LogReload(const FilesReport& report, std::string_view changed) noexcept {
    try {
        AddEntry("Read again at " + platform::LocalDateTime() + ", as " + std::string(changed) + " changed\n" +
                 report.text);
    } catch (...) {
    }
}

void LogUnreadableChange(std::string_view why) noexcept {
    try {
        AddEntry("At " + platform::LocalDateTime() + ", " + kSettingsFile.Name() + " changed but cannot be read (" +
                 std::string(why) + "), so the settings in force stay until it can be read\n");
    } catch (...) {
    }
}

void LogPlayLine(std::string_view text) noexcept {
    try {
        AddEntry("At " + platform::LocalDateTime() + ": " + std::string(text) + "\n");
    } catch (...) {
    }
}

void LogError(std::string_view what, bool startUp) noexcept {
    try {
        if (gRun.errors >= kLoggedErrorLimit) return;
        std::string* end = gRun.kinds + gRun.errors;
        if (std::find(gRun.kinds, end, what) != end) return;
        *end = what;
        ++gRun.errors;
        std::string line = startUp
                               ? "An error stopped the start-up (" + std::string(what) + "); the plug-in stays idle\n"
                               : "An error stopped a frame (" + std::string(what) + "); the plug-in goes on\n";
        if (gRun.errors == kLoggedErrorLimit) line += "Further errors are not logged in this run\n";
        AddEntry(line);
    } catch (...) {
    }
}

}  // namespace quillomar
