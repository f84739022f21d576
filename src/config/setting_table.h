#pragma once
// Every key of the settings file, once, in the order it is read and written: its section, name,
// type, default and the comment lines the default file puts above it. The loader, the default
// file and the trace's settings record all follow from this table.

#include <cstddef>
#include <span>

namespace quillomar {

enum class SettingType { Bool, Int, Float, Text, Control };

struct SettingDef {
    const char* section;
    const char* key;
    SettingType type;
    const char* defaultText;  // the value as the default file writes it
    std::size_t offset;       // of the field in Settings
    std::size_t size;         // of the field in Settings
    const char* comment;      // lines above the key in the default file, or null within a group
};

std::span<const SettingDef> SettingDefs();

}  // namespace quillomar
