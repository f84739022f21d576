// QuillomarCheck: checks a Quillomar.ini as the plug-in reads it, without the game. A player may
// start it by dropping the file on it; the window then stays open until Enter is pressed.

#include <windows.h>

#include <cstdio>
#include <string_view>
#include <vector>

#include "check_command.h"

namespace {

// True when the console was made for this program alone, as when it is started from Explorer.
bool OwnConsole() {
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    int result = tool::RunCheck("QuillomarCheck", args, stdout, stderr);
    if (OwnConsole()) {
        std::fputs("\nPress Enter to close this window.\n", stdout);
        std::fflush(stdout);
        std::getchar();
    }
    return result;
}
