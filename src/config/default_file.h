#pragma once
// The commented settings file written when none exists: every key at its default, grouped by
// section, with the comments that document each option.

#include <string>

#include "platform/platform.h"

namespace quillomar {

// The file's lines, each followed by a newline (the stream turns it into CR LF on Windows).
std::string DefaultSettingsText();

// Writes the default text as a new file at path, never replacing one that exists by then; says
// whether it was written or why not. A failure leaves nothing behind.
platform::WriteOutcome WriteDefaultSettingsFile(const char* path);

}  // namespace quillomar
