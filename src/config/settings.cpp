#include "config/settings.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config/default_file.h"
#include "config/key_bindings.h"
#include "config/setting_table.h"
#include "core/player_folder.h"
#include "host/game_controls.h"
#include "platform/platform.h"

namespace quillomar {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The leading hex digits after "0x"; a number beyond 32 bits saturates, as the Windows C
// library's strtoul does, on every platform.
std::uint32_t ParseHexAfterPrefix(const char* text) {
    std::uint64_t value = 0;
    for (const char* c = text + 2; HexDigit(*c) >= 0; ++c) {
        value = std::min<std::uint64_t>(value * 16 + static_cast<std::uint64_t>(HexDigit(*c)), 0xFFFFFFFFu);
    }
    return static_cast<std::uint32_t>(value);
}

// atof of the leading decimal number ([sign] digits [. digits] [e [sign] digits]); text that
// does not begin with one (a sign or point without digits included) gives 0, as strtod does.
// Only plain decimals are read, as the Windows C library does, so both builds agree on text such
// as "inf" or "0x10". A value beyond the float range becomes an infinity rather than an undefined
// conversion.
float ParseLeadingDecimal(const char* text) {
    // The reads trim the blanks around a value, so the number starts at once.
    const char* p = text;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == 'e' || *p == 'E') {  // strtod leaves out an exponent without digits itself
        ++p;
        if (*p == '+' || *p == '-') ++p;
        while (*p >= '0' && *p <= '9') ++p;
    }
    const std::string number(start, p);
    double value = std::strtod(number.c_str(), nullptr);
    if (value > FLT_MAX) return INFINITY;
    if (value < -FLT_MAX) return -INFINITY;
    return static_cast<float>(value);
}

template <typename T>
void Store(Settings& settings, const SettingDef& def, T value) {
    settings.*std::get<T Settings::*>(def.field) = value;
}

void ReadSetting(const SettingDef& def, const char* path, Settings& settings) {
    switch (def.Type()) {
        case SettingType::Bool:
            Store(settings, def, platform::ReadProfileInt(def.section, def.key, std::atoi(def.defaultText), path) != 0);
            break;
        case SettingType::Int:
            Store(settings, def, platform::ReadProfileInt(def.section, def.key, std::atoi(def.defaultText), path));
            break;
        case SettingType::Float: {
            char defaultText[64];
            std::snprintf(defaultText, sizeof defaultText, "%.2f", std::atof(def.defaultText));
            char text[64];
            platform::ReadProfileString(def.section, def.key, defaultText, text, sizeof text, path);
            Store(settings, def, ParseLeadingDecimal(text));
            break;
        }
        case SettingType::Text: {
            std::span<char> field = TextField(settings, def);
            platform::ReadProfileString(def.section, def.key, def.defaultText, field.data(),
                                        static_cast<std::uint32_t>(field.size()), path);
            break;
        }
        case SettingType::Control: {
            char text[64];
            platform::ReadProfileString(def.section, def.key, def.defaultText, text, sizeof text, path);
            Store(settings, def, ControlHashFromName(text, Joaat(def.defaultText)));
            break;
        }
        case SettingType::Key: {
            char text[64];
            platform::ReadProfileString(def.section, def.key, def.defaultText, text, sizeof text, path);
            Store(settings, def, ReadKeyBinding(text).binding.value_or(KeyBinding{}));
            break;
        }
    }
}

}  // namespace

std::uint32_t ControlHashFromName(const char* name, std::uint32_t fallback) {
    if (std::strlen(name) >= 3 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        return ParseHexAfterPrefix(name);
    }
    const GameControl* control = ControlNamed(name);
    return control != nullptr ? control->hash : fallback;
}

Settings ReadSettings(const char* path) {
    platform::ProfileReadScope fileReadOnce(path);
    Settings settings{};
    for (const SettingDef& def : SettingDefs()) ReadSetting(def, path, settings);
    // One key cannot do both: it switches the plug-in off and on.
    if (settings.muteKey == settings.toggleKey) settings.muteKey = {};
    return settings;
}

float ReadSettingFloat(const char* text) { return ParseLeadingDecimal(text); }

Settings LoadSettings(SettingsOrigin* origin) {
    // A file that exists is never replaced, even one that cannot be read: its keys then simply
    // take their defaults.
    SettingsOrigin found;
    if (!platform::FileExists(kSettingsFile.Path())) {
        platform::WriteOutcome outcome = WriteDefaultSettingsFile(kSettingsFile.Path());
        found.source = outcome.written ? SettingsOrigin::Source::DefaultFileWritten
                                       : SettingsOrigin::Source::DefaultFileNotWritten;
        found.writeError = outcome.error;
    }
    if (origin != nullptr) *origin = std::move(found);
    return ReadSettings(kSettingsFile.Path());
}

}  // namespace quillomar
