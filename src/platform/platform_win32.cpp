// The Win32 platform of the shipped plug-in.

#include <windows.h>

#include <ctime>

#include "platform/platform.h"

namespace quillomar::platform {

const char* const kSettingsPath = ".\\Quillomar.ini";

std::uint32_t TickCount() { return GetTickCount(); }
std::uint32_t CalendarSeconds() { return static_cast<std::uint32_t>(std::time(nullptr)); }

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t defaultValue, const char* path) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, defaultValue, path));
}

void ReadProfileString(const char* section, const char* key, const char* defaultText, char* buffer, std::uint32_t size,
                       const char* path) {
    GetPrivateProfileStringA(section, key, defaultText, buffer, size, path);
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace quillomar::platform
