#pragma once
// Every key of the settings file, once, in the order it is read and written: its section, name,
// the field of Settings it fills, its default and the comment lines the default file puts above
// it. The loader, the default file and the trace's settings record all follow from this table.
// A key's type is its field's type, so a field and its setting cannot disagree.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "config/settings.h"

namespace quillomar {

enum class SettingType { Bool, Int, Float, Text, Control, Key };

using SettingField =
    std::variant<bool Settings::*, std::int32_t Settings::*, float Settings::*, std::uint32_t Settings::*,
                 char (Settings::*)[kShortTextSize], char (Settings::*)[kLongTextSize], KeyBinding Settings::*>;

// Numbers the player is told about: below min or above max, with what such a value does. A
// null text means any value on that side is fine.
struct ValueRule {
    double min = 0;
    double max = 0;
    const char* belowMin = nullptr;
    const char* aboveMax = nullptr;
};

// What the settings reference says of a key, and what the settings check looks for.
struct SettingDoc {
    const char* does = nullptr;      // what the key governs
    const char* sensible = nullptr;  // the values that make sense; null: as its type says
    ValueRule rule;
    bool inert = false;             // kept in the file, but it governs nothing
    const char* unit = nullptr;     // what a number of the key counts: "ms", "m", "seconds"
    const char* oddNote = nullptr;  // for the reference: what values that are no problem still do oddly
};

struct SettingDef {
    const char* section;
    const char* key;
    SettingField field;
    const char* defaultText;  // the value as the default file writes it
    const char* comment;      // lines above the key in the default file, or null within a group
    SettingDoc doc;
    // Keys added for players who look for them: the default file leaves them out (it stays as
    // players know it), and so does the trace's settings record unless the file gives them.
    bool inDefaultFile = true;

    SettingType Type() const;
};

// Two keys of one section where the first should not be above the second, and what happens
// when it is.
struct SettingPair {
    const char* section;
    const char* minKey;
    const char* maxKey;
    const char* whenMinAboveMax;
};

std::span<const SettingDef> SettingDefs();

// The row of a field's key.
template <typename Field>
const SettingDef& SettingRow(Field Settings::*field) {
    for (const SettingDef& def : SettingDefs()) {
        if (const auto* mine = std::get_if<Field Settings::*>(&def.field); mine != nullptr && *mine == field)
            return def;
    }
    throw std::logic_error("a field without a row in the settings table");
}
std::span<const SettingPair> SettingPairs();

// What the inert keys are said to do: nothing, and what governs the matter instead.
inline constexpr const char* kInertEffect =
    "has no effect: there is no wait between taunts of different peds, and a ped can be taunted again 15 s after "
    "its last taunt";

// The field's bytes of a text setting, with room for the terminating NUL.
std::span<char> TextField(Settings& settings, const SettingDef& def);
std::string_view TextValue(const Settings& settings, const SettingDef& def);

}  // namespace quillomar
