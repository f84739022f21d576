#pragma once
// What a Windows error code means, in Windows' own words.

#include <windows.h>

#include <string>

namespace standin {

// "Access is denied. (error 5)", or just the number when Windows has no text for it.
std::string WindowsErrorText(DWORD code);

}  // namespace standin
