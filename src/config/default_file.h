#pragma once
// The commented settings file written when none exists: every key at its default, grouped by
// section, with the comments that document each option.

#include <string>

namespace quillomar {

// The file's lines, each followed by a newline (the stream turns it into CR LF on Windows).
std::string DefaultSettingsText();

// Creates or truncates the file and writes the default text. Says whether it was written, and
// on failure puts the system's words for why in error; nothing else is done about a failure.
bool WriteDefaultSettingsFile(const char* path, std::string* error = nullptr);

}  // namespace quillomar
