// A DLL that leaves the C++ runtime to DLLs of its own: what the import check must reject.

#include <stdexcept>

extern "C" __declspec(dllexport) void FailLoudly() { throw std::runtime_error("not a plug-in"); }
