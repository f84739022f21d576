// The log's time and error words in the shipped plug-in.

#include <windows.h>

#include <ctime>

#include "platform/text_files.h"

namespace quillomar::platform {

const char* const kBuildKind = "Windows";

std::string LocalDateTime() {
    std::time_t seconds = std::time(nullptr);
    const std::tm* parts = std::localtime(&seconds);
    char text[32] = "unknown time";
    if (parts != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", parts);
    return text;
}

std::string LastErrorText() {
    DWORD code = GetLastError();
    char text[256];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ' ||
                          text[length - 1] == '.')) {
        --length;
    }
    if (length == 0) return "error " + std::to_string(code);
    return std::string(text, length) + " (error " + std::to_string(code) + ")";
}

}  // namespace quillomar::platform
