#include "plugin/plugin_log.h"

#include <algorithm>
#include <optional>

#include "platform/platform.h"
#include "platform/text_files.h"
#include "plugin/player_files.h"

namespace quillomar {
namespace {

constexpr const char* kCutNote = "(the log stops here: it is kept under 64 KB)\n";

// What this run has written, and the kinds of error it has logged.
struct LogRun {
    std::size_t bytes = 0;
    int errors = 0;
    std::string kinds[kLoggedErrorLimit];
};
LogRun gRun;

// Bytes on the disk: on Windows each newline becomes two.
std::size_t FileBytes(std::string_view text) {
    return text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string SettingsLines(const SettingsOrigin& origin, std::string_view listName,
                          const std::optional<LineFileLoad>& lines) {
    std::string name = "Quillomar.ini";
    switch (origin.source) {
        case SettingsOrigin::Source::DefaultFileNotWritten:
            return "Settings: there was no " + name + " and the default file could not be written (" +
                   origin.writeError + "), so the built-in defaults are in force\n";
        case SettingsOrigin::Source::DefaultFileWritten:
        case SettingsOrigin::Source::File:
            break;
    }
    std::optional<std::string> file = platform::ReadFileBytes(platform::kSettingsPath);
    if (!file) {
        return "Settings: " + name + " exists but cannot be read (" + platform::LastErrorText() +
               "), so every setting takes its default\n";
    }
    std::string text = origin.source == SettingsOrigin::Source::File
                           ? "Settings: read from " + name + "\n"
                           : "Settings: there was no " + name + ", so the default file was written and read\n";
    return text + ReportPlayerFiles(name, *file, listName, lines).text;
}

// The text cut to whole lines within the limit, with a note that it was cut.
std::string WithinLimit(std::string_view text, std::size_t limit) {
    if (FileBytes(text) <= limit) return std::string(text);
    const std::size_t room = limit - std::min(limit, FileBytes(kCutNote));
    std::size_t end = 0;  // the whole lines that fit
    std::size_t bytes = 0;
    for (std::size_t next; (next = text.find('\n', end)) != std::string_view::npos;) {
        bytes += FileBytes(text.substr(end, next + 1 - end));
        if (bytes > room) break;
        end = next + 1;
    }
    return std::string(text.substr(0, end)) + kCutNote;
}

}  // namespace

std::string StartLogText(const SettingsOrigin& origin, int start, std::string_view listName,
                         const std::optional<LineFileLoad>& lines) {
    std::string text = "Quillomar " QUILLOMAR_VERSION " (" + std::string(platform::kBuildKind) + " build), started " +
                       platform::LocalDateTime() + "\n";
    if (start > 1) {
        text += "The host started the script again: start " + std::to_string(start) +
                " since the game loaded Quillomar; it begins afresh\n";
    }
    return text + SettingsLines(origin, listName, lines);
}

void WriteStartLog(const SettingsOrigin& origin, int start, std::string_view listName,
                   const std::optional<LineFileLoad>& lines) noexcept {
    try {
        gRun = LogRun{};
        std::string text = WithinLimit(StartLogText(origin, start, listName, lines), kLogLimit);
        gRun.bytes = FileBytes(text);
        platform::WriteTextFile(platform::kLogPath, text, false);
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
        if (gRun.bytes + FileBytes(line) > kLogLimit) return;
        gRun.bytes += FileBytes(line);
        platform::WriteTextFile(platform::kLogPath, line, true);
    } catch (...) {
    }
}

}  // namespace quillomar
