#include "import_redirect.h"

#include <cstring>

namespace standin {
namespace {

template <typename T>
T* At(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

const IMAGE_DATA_DIRECTORY& ImportDirectory(HMODULE module) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = At<const IMAGE_NT_HEADERS64>(module, static_cast<DWORD>(dos->e_lfanew));
    return nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
}

// The loader leaves the table read-only once it is bound.
bool WriteSlot(ULONGLONG* slot, const void* value) {
    DWORD previous = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &previous)) return false;
    *slot = reinterpret_cast<ULONGLONG>(value);
    VirtualProtect(slot, sizeof *slot, previous, &previous);
    return true;
}

int RedirectInDescriptor(HMODULE module, const IMAGE_IMPORT_DESCRIPTOR& descriptor, const char* function,
                         const void* replacement) {
    // The name table stays intact; the address table beside it holds what the loader bound.
    auto* names = At<IMAGE_THUNK_DATA64>(module, descriptor.OriginalFirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA64>(module, descriptor.FirstThunk);
    int count = 0;
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL64(names->u1.Ordinal)) continue;
        const auto* byName = At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
        if (WriteSlot(&slots->u1.Function, replacement)) ++count;
    }
    return count;
}

}  // namespace

int RedirectImport(HMODULE module, const char* dll, const char* function, const void* replacement) {
    const IMAGE_DATA_DIRECTORY& directory = ImportDirectory(module);
    if (directory.VirtualAddress == 0) return 0;
    int count = 0;
    for (auto* descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress); descriptor->Name != 0;
         ++descriptor) {
        if (descriptor->OriginalFirstThunk == 0) continue;  // no names left to match
        if (lstrcmpiA(At<const char>(module, descriptor->Name), dll) != 0) continue;
        count += RedirectInDescriptor(module, *descriptor, function, replacement);
    }
    return count;
}

}  // namespace standin
