#include "windows_error.h"

namespace standin {

std::string WindowsErrorText(DWORD code) {
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    // Windows ends its texts with a line break.
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == ' ')) --length;
    std::string number = "error " + std::to_string(code);
    return length == 0 ? number : std::string(text, length) + " (" + number + ")";
}

}  // namespace standin
