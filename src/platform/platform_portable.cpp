// The portable platform: time comes from the host that runs the plug-in (the simulated game),
// settings from the portable INI reader.

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "platform/ini_reader.h"
#include "platform/platform.h"

// Provided at link time by the host that runs the plug-in.
extern "C" std::uint32_t hostTickCount();
extern "C" std::uint32_t hostCalendarSeconds();

namespace quillomar::platform {
namespace {

// An unreadable or missing file (a folder of that name included) reads as empty, so every key
// takes its default.
std::string ReadWholeFile(const char* path) {
    std::string text;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return text;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, got);
    std::fclose(file);
    return text;
}

}  // namespace

const char* const kSettingsPath = "./Quillomar.ini";

std::uint32_t TickCount() { return hostTickCount(); }
std::uint32_t CalendarSeconds() { return hostCalendarSeconds(); }

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t defaultValue, const char* path) {
    return static_cast<std::int32_t>(ini::ReadInt(ReadWholeFile(path), section, key, defaultValue));
}

void ReadProfileString(const char* section, const char* key, const char* defaultText, char* buffer, std::uint32_t size,
                       const char* path) {
    ini::ReadString(ReadWholeFile(path), section, key, defaultText, buffer, size);
}

bool FileExists(const char* path) {
    struct stat status;
    return stat(path, &status) == 0;
}

}  // namespace quillomar::platform
