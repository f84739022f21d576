// The plug-in's folder under Windows: files are written and stamped through Win32, and a held
// file is open with a share mode that lets others write it but not read it.

#include <windows.h>

#include <map>

#include "folder_files.h"
#include "windows_error.h"

namespace sim {
namespace {

std::map<std::string, HANDLE> gHeld;

// Milliseconds since 1970 as a file time: 100 ns units since 1601.
FILETIME FileTimeOf(std::uint64_t wallMs) {
    constexpr std::uint64_t kMsFrom1601To1970 = 11644473600000ull;
    const std::uint64_t ticks = (wallMs + kMsFrom1601To1970) * 10000;
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

bool Failed(std::string& error) {
    error = standin::WindowsErrorText(GetLastError());
    return false;
}

}  // namespace

bool WriteFolderFile(const std::string& name, const std::string& text, std::uint64_t wallMs, std::string& error) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed(error);
    DWORD written = 0;
    const FILETIME time = FileTimeOf(wallMs);
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size() && SetFileTime(file, nullptr, &time, &time);
    if (!ok) Failed(error);
    CloseHandle(file);
    return ok;
}

bool RemoveFolderFile(const std::string& name, std::string& error) {
    if (DeleteFileA(name.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    return Failed(error);
}

bool MakeFolderInFolder(const std::string& name, std::string& error) {
    return CreateDirectoryA(name.c_str(), nullptr) ? true : Failed(error);
}

bool HoldFolderFile(const std::string& name, std::string& error) {
    if (gHeld.count(name) != 0) return true;
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed(error);
    gHeld[name] = file;
    return true;
}

void ReleaseFolderFile(const std::string& name) {
    auto held = gHeld.find(name);
    if (held == gHeld.end()) return;
    CloseHandle(held->second);
    gHeld.erase(held);
}

void ReleaseAllFolderFiles() {
    for (const auto& [name, file] : gHeld) CloseHandle(file);
    gHeld.clear();
}

}  // namespace sim
