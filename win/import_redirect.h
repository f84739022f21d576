#pragma once
// Points entries of a loaded module's import address table at other functions: how the
// stand-in host gives the shipped plug-in the simulated clock without touching its file.

#include <windows.h>

namespace standin {

// Rewrites every import of function from dll (names compared without regard to case for the DLL)
// in module's import address table to replacement. Returns how many entries were rewritten.
int RedirectImport(HMODULE module, const char* dll, const char* function, const void* replacement);

}  // namespace standin
