#pragma once
// Every key of the settings file, once, in the order it is read and written: its section, name,
// the field of Settings it fills, its default and the comment lines the default file puts above
// it. The loader, the default file and the trace's settings record all follow from this table.
// A key's type is its field's type, so a field and its setting cannot disagree.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "config/settings.h"

namespace quillomar {

enum class SettingType { Bool, Int, Float, Text, Control };

using SettingField =
    std::variant<bool Settings::*, std::int32_t Settings::*, float Settings::*, std::uint32_t Settings::*,
                 char (Settings::*)[kShortTextSize], char (Settings::*)[kLongTextSize]>;

struct SettingDef {
    const char* section;
    const char* key;
    SettingField field;
    const char* defaultText;  // the value as the default file writes it
    const char* comment;      // lines above the key in the default file, or null within a group

    SettingType Type() const;
};

std::span<const SettingDef> SettingDefs();

// The field's bytes of a text setting, with room for the terminating NUL.
std::span<char> TextField(Settings& settings, const SettingDef& def);
std::string_view TextValue(const Settings& settings, const SettingDef& def);

}  // namespace quillomar
