#pragma once
// The plug-in's settings: one field per key of the settings file, read at start-up and read whole
// again when the player changes the file. No value is validated or clamped here; each user treats
// odd values.

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/game_controls.h"
#include "host/keys.h"

namespace quillomar {

inline constexpr std::size_t kShortTextSize = 64;  // a prompt's label
inline constexpr std::size_t kLongTextSize = 256;  // a file name

struct Settings {
    // [Settings]
    bool enabled;
    bool enabledInMissions;
    std::uint32_t promptControl;
    char promptText[kShortTextSize];
    float maxDistance;
    std::int32_t cooldown;        // in the file, governs nothing
    std::int32_t perPedCooldown;  // in the file, governs nothing
    bool includeRagdollNotFatallyInjured;
    bool requireAiming;
    bool tauntPriorityOverRob;
    bool debugMode;
    KeyBinding toggleKey;  // switches the plug-in off and on while playing; none by default
    KeyBinding muteKey;    // mutes the line said last; none by default, nor when it is toggleKey
    bool mutePrompt;       // a prompt held for a few seconds after each line mutes it, as muteKey does
    std::uint32_t mutePromptControl;
    char mutePromptText[kShortTextSize];
    // [CombatTaunts]
    bool combatTauntsEnabled;
    char combatPromptText[kShortTextSize];
    std::int32_t gunfightCooldown;
    bool meleeTauntsEnabled;
    std::int32_t meleeCooldown;
    float meleeMinDistance;
    bool aggressionEffectEnabled;
    std::int32_t aggressionChance;
    std::int32_t aggressionMinPeds;
    std::int32_t aggressionMaxPeds;
    std::int32_t tackleChance;
    bool combatTauntRequireStationary;
    bool combatTauntRequireTarget;
    // [Advanced]
    bool avoidRepeatTaunts;  // off: no line is held back, whatever repeatPreventionCount says
    std::int32_t repeatPreventionCount;
    std::int32_t genericLineChance;
    char tauntListFile[kLongTextSize];  // the player's own lines; empty: the built-in ones
    bool showLineNames;                 // each line said is named on the screen and in the log
    bool fieldReport;                   // gather what only the game can settle into a report file
    // [AutoTaunt]
    bool autoTauntEnabled;
    std::int32_t chanceDead;
    std::int32_t chanceWrithing;
    std::int32_t chanceFatallyInjured;
    std::int32_t chanceIncapacitated;
    std::int32_t chanceRagdollHurt;
    std::int32_t chanceFleeing;
    std::int32_t autoTauntIntervalMin;
    std::int32_t autoTauntIntervalMax;
    // [AutoCombatTaunt]
    bool autoCombatTauntEnabled;
    std::int32_t autoCombatIntervalMin;
    std::int32_t autoCombatIntervalMax;
};

// Where the settings in force came from, for a report to the player.
struct SettingsOrigin {
    enum class Source {
        File,                  // a settings file existed and was read
        DefaultFileWritten,    // none existed; the default file was written and read
        DefaultFileNotWritten  // none existed and the default file could not be written: the defaults
    };
    Source source = Source::File;
    std::string writeError;  // DefaultFileNotWritten: the system's words, e.g. "No space left on device"
};

// Reads the settings file, first writing the commented default file when none exists. Every key
// missing from the file, or the whole file missing, takes its default. Where they came from goes
// into origin when one is given.
Settings LoadSettings(SettingsOrigin* origin = nullptr);

// Reads the settings from the file at path into a record, without writing anything.
Settings ReadSettings(const char* path);

// The control hash of a name from the settings file: the name of one of the game's controls, or a
// hexadecimal number after "0x"; anything else gives the fallback, the setting's default.
std::uint32_t ControlHashFromName(const char* name, std::uint32_t fallback = kDefaultPromptControl);

// The number a float setting's text is read as: its leading decimal number, or 0.
float ReadSettingFloat(const char* text);

}  // namespace quillomar
