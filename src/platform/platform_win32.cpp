// The Win32 platform of the shipped plug-in.

#include <windows.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "platform/platform.h"

namespace quillomar::platform {
namespace {

// The system's message for an error code, without its closing line break.
std::string ErrorText(DWORD error) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
    if (length == 0) return "error " + std::to_string(error);
    return std::string(text, length);
}

std::string FolderOf(const char* path) {
    std::string folder = path;
    std::size_t separator = folder.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : folder.substr(0, separator);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

std::uint32_t TickCount() { return GetTickCount(); }

bool KeyHeld(std::uint32_t virtualKey) { return GetKeyState(static_cast<int>(virtualKey)) < 0; }
std::uint32_t CalendarSeconds() { return static_cast<std::uint32_t>(std::time(nullptr)); }

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t defaultValue, const char* path) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, defaultValue, path));
}

void ReadProfileString(const char* section, const char* key, const char* defaultText, char* buffer, std::uint32_t size,
                       const char* path) {
    GetPrivateProfileStringA(section, key, defaultText, buffer, size, path);
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

FileStamp StampOf(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return {};
    auto joined = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
    return {true, joined(data.nFileSizeHigh, data.nFileSizeLow),
            joined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

ProfileReadScope::ProfileReadScope(const char*) {}
ProfileReadScope::~ProfileReadScope() {}

namespace {

// Writes text to a temporary file beside path, flushed to the disk, then moves it into place.
WriteOutcome WriteThroughTemporary(const char* path, std::string_view text, bool replace) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    // A fresh, empty file of a unique name in the file's own folder, so the move stays on one disk.
    char temporary[MAX_PATH + 16] = {};
    if (GetTempFileNameA(FolderOf(path).c_str(), "Qui", 0, temporary) == 0) return {false, ErrorText(GetLastError())};
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = ERROR_SUCCESS;
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
    } else {
        if (!WriteAll(file, bytes) || !FlushFileBuffers(file)) {
            error = GetLastError();
            if (error == ERROR_SUCCESS) error = ERROR_WRITE_FAULT;
        }
        if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    }
    // Without MOVEFILE_REPLACE_EXISTING the move fails when anything has the name by then; with
    // it, a file there is replaced, a folder never.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (error == ERROR_SUCCESS && !MoveFileExA(temporary, path, flags)) error = GetLastError();
    if (error == ERROR_SUCCESS) return {true, {}};
    DeleteFileA(temporary);
    return {false, ErrorText(error)};
}

}  // namespace

WriteOutcome WriteNewTextFile(const char* path, std::string_view text) {
    return WriteThroughTemporary(path, text, false);
}
WriteOutcome ReplaceTextFile(const char* path, std::string_view text) {
    return WriteThroughTemporary(path, text, true);
}

}  // namespace quillomar::platform
