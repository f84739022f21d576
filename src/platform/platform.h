#pragma once
// What the plug-in asks of the operating system: a millisecond tick count, the calendar time
// and the settings file. Win32 answers in the shipped plug-in; the portable build answers from
// the simulated game's clock and reads the file with the portable INI reader.

#include <cstdint>

namespace quillomar::platform {

// Milliseconds since start-up, wrapping after about 49.7 days.
std::uint32_t TickCount();

// Seconds of the calendar time, truncated to 32 bits.
std::uint32_t CalendarSeconds();

// The settings file, relative to the process's current directory.
extern const char* const kSettingsPath;

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t defaultValue, const char* path);
void ReadProfileString(const char* section, const char* key, const char* defaultText, char* buffer, std::uint32_t size,
                       const char* path);

// True when the path names something that exists, readable or not.
bool FileExists(const char* path);

}  // namespace quillomar::platform
