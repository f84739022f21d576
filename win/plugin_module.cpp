#include "plugin_module.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "game.h"
#include "import_redirect.h"
#include "keyboard.h"
#include "windows_error.h"

namespace standin {
namespace {

HMODULE gPlugin = nullptr;

DWORD WINAPI SimulatedTickCount() { return sim::TheGame().clock.tick; }

__time64_t __cdecl SimulatedTime64(__time64_t* out) {
    __time64_t now = sim::TheGame().clock.CalendarNow();
    if (out != nullptr) *out = now;
    return now;
}

__time32_t __cdecl SimulatedTime32(__time32_t* out) {
    auto now = static_cast<__time32_t>(sim::TheGame().clock.CalendarNow());
    if (out != nullptr) *out = now;
    return now;
}

struct ClockImport {
    const char* dll;
    const char* function;
    const void* replacement;
    bool calendar;  // false: the tick count
};

// On 64-bit Windows msvcrt's time is the 64-bit one, like _time64.
const ClockImport kClockImports[] = {
    {"KERNEL32.dll", "GetTickCount", reinterpret_cast<const void*>(&SimulatedTickCount), false},
    {"msvcrt.dll", "_time64", reinterpret_cast<const void*>(&SimulatedTime64), true},
    {"msvcrt.dll", "time", reinterpret_cast<const void*>(&SimulatedTime64), true},
    {"msvcrt.dll", "_time32", reinterpret_cast<const void*>(&SimulatedTime32), true},
};

// Windows' key state, as the simulated game's messages and unseen moves left it.
SHORT WINAPI SimulatedKeyState(int virtualKey) {
    return sim::KeyDown(static_cast<std::uint32_t>(virtualKey)) ? static_cast<SHORT>(0x8000) : SHORT{0};
}

// The plug-in's reads of its settings file, counted on their way to Windows.
std::uint32_t gSettingsReads = 0;

UINT WINAPI CountedProfileInt(LPCSTR section, LPCSTR key, INT fallback, LPCSTR path) {
    ++gSettingsReads;
    return GetPrivateProfileIntA(section, key, fallback, path);
}

DWORD WINAPI CountedProfileString(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR out, DWORD size, LPCSTR path) {
    ++gSettingsReads;
    return GetPrivateProfileStringA(section, key, fallback, out, size, path);
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "stand-in host: %s\n", what.c_str());
    std::exit(3);
}

void PointClockAtSimulation(HMODULE plugin) {
    int tickImports = 0;
    int calendarImports = 0;
    for (const ClockImport& import : kClockImports) {
        int count = RedirectImport(plugin, import.dll, import.function, import.replacement);
        (import.calendar ? calendarImports : tickImports) += count;
    }
    // A plug-in reading its clock some other way would run on the real clock unnoticed.
    if (tickImports == 0) Fail("the plug-in imports no GetTickCount to point at the simulated clock");
    if (calendarImports == 0) Fail("the plug-in imports no calendar time to point at the simulated clock");
}

// A reload would go unrecorded if the plug-in read its settings some other way.
void CountSettingsReads(HMODULE plugin) {
    int reads = RedirectImport(plugin, "KERNEL32.dll", "GetPrivateProfileIntA",
                               reinterpret_cast<const void*>(&CountedProfileInt)) +
                RedirectImport(plugin, "KERNEL32.dll", "GetPrivateProfileStringA",
                               reinterpret_cast<const void*>(&CountedProfileString));
    if (reads != 2)
        Fail("the plug-in does not read its settings with GetPrivateProfileIntA and GetPrivateProfileStringA");
}

}  // namespace

void LoadPluginModule(const std::string& path) {
    if (gPlugin != nullptr) Fail("the plug-in is loaded already");
    gPlugin = LoadLibraryA(path.c_str());
    if (gPlugin == nullptr) Fail("cannot load " + path + ": " + WindowsErrorText(GetLastError()));
    const sim::Game& game = sim::TheGame();
    if (game.scriptEntry == nullptr || game.scriptModule != gPlugin) {
        Fail("loading the plug-in did not register its script with its module handle");
    }
    if (game.keyboardHandler == nullptr) Fail("loading the plug-in did not register a keyboard handler");
    PointClockAtSimulation(gPlugin);
    CountSettingsReads(gPlugin);
    if (RedirectImport(gPlugin, "USER32.dll", "GetKeyState", reinterpret_cast<const void*>(&SimulatedKeyState)) == 0) {
        Fail("the plug-in imports no GetKeyState to point at the simulated keyboard");
    }
}

std::uint32_t PluginSettingsReads() { return gSettingsReads; }

void UnloadPluginModule() {
    if (gPlugin == nullptr) return;
    if (!FreeLibrary(gPlugin)) Fail("cannot unload the plug-in: " + WindowsErrorText(GetLastError()));
    gPlugin = nullptr;
    const sim::Game& game = sim::TheGame();
    if (game.scriptEntry != nullptr) Fail("unloading the plug-in left its script registered");
    if (game.keyboardHandler != nullptr) Fail("unloading the plug-in left its keyboard handler registered");
}

}  // namespace standin
