#pragma once
// Whole files of text, the local time and the system's words for an error: what the plug-in's
// log and the settings check need of the operating system. Win32 in the shipped plug-in; the
// portable build takes its time from the host that runs the plug-in (the simulated game).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillomar::platform {

// The file's bytes, or nothing when it cannot be read (a folder of that name included). With a
// bound, reading stops after maxBytes + 1 bytes, so a result longer than maxBytes says the file is
// larger.
std::optional<std::string> ReadFileBytes(const char* path, std::optional<std::size_t> maxBytes = std::nullopt);

// Writes text as the whole file (append: at its end, making the file if it is missing), each
// newline becoming CR LF on Windows. False when the text may not all be on the disk; the system's
// words say why (LastErrorText).
bool WriteTextFile(const char* path, std::string_view text, bool append);

// The local date and time as "YYYY-MM-DD HH:MM:SS"; in the portable build, the host's calendar
// time, which the simulated game keeps as its local time.
std::string LocalDateTime();

// The system's words for the error of the last failed file operation.
std::string LastErrorText();

// Which build this is, for the log: "Windows" or "simulated game".
extern const char* const kBuildKind;

}  // namespace quillomar::platform
