// The shipped plug-in's DLL entry: attach registers the script and the keyboard handler,
// detach unregisters them.

#include <windows.h>

#include "plugin/plugin.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) quillomar::AttachPlugin(module);
    if (reason == DLL_PROCESS_DETACH) quillomar::DetachPlugin(module);
    return TRUE;
}
