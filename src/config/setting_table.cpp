#include "config/setting_table.h"

#include <cstring>

namespace quillomar {
namespace {

constexpr SettingDef kSettingDefs[] = {
    {"Settings", "Enabled", &Settings::enabled, "1", "; Enable/disable the mod (1 = enabled, 0 = disabled)"},
    {"Settings", "EnabledInMissions", &Settings::enabledInMissions, "1",
     "; Enable/disable taunts during active missions (1 = enabled, 0 = disabled)"},
    {"Settings", "PromptControl", &Settings::promptControl, "INPUT_CONTEXT_Y",
     "; Button to press for taunt prompt\n"
     "; Options: INPUT_CONTEXT_X, INPUT_CONTEXT_Y, INPUT_CONTEXT_A, INPUT_CONTEXT_B\n"
     ";          INPUT_INTERACT_OPTION1, INPUT_INTERACT_OPTION2"},
    {"Settings", "PromptText", &Settings::promptText, "Taunt", "; Text shown on the prompt"},
    {"Settings", "MaxDistance", &Settings::maxDistance, "25.0", "; Maximum distance to target ped (in meters)"},
    {"Settings", "Cooldown", &Settings::cooldown, "3000",
     "; Global cooldown between any aimed taunt (in milliseconds)\n"
     "; Default: 3000 (3 seconds)"},
    {"Settings", "PerPedCooldown", &Settings::perPedCooldown, "0",
     "; Per-ped cooldown - time before you can taunt the SAME ped again (in milliseconds)\n"
     "; You can still immediately taunt a DIFFERENT ped. Set to 0 to disable."},
    {"Settings", "IncludeRagdollNotFatallyInjured", &Settings::includeRagdollNotFatallyInjured, "1",
     "; Include ragdolling peds that aren't fatally injured"},
    {"Settings", "RequireAiming", &Settings::requireAiming, "0", "; Require player to be aiming (0 = no, 1 = yes)"},
    {"Settings", "TauntPriorityOverRob", &Settings::tauntPriorityOverRob, "1",
     "; Give Taunt prompt priority over Rob for downed/ragdolling peds\n"
     "; When on cooldown or ped is dead/fleeing, Rob/Loot takes over"},
    {"Settings", "DebugMode", &Settings::debugMode, "0", "; Debug mode - shows target info on screen"},

    {"CombatTaunts", "Enabled", &Settings::combatTauntsEnabled, "1",
     "; Enable manual combat taunts during gunfights (press prompt to taunt)"},
    {"CombatTaunts", "PromptText", &Settings::combatPromptText, "Combat Taunt",
     "; Text shown on the combat taunt prompt"},
    {"CombatTaunts", "GunfightCooldown", &Settings::gunfightCooldown, "15000",
     "; Cooldown between gunfight taunts (in milliseconds)\n"
     "; Default: 15000 (15 seconds)"},
    {"CombatTaunts", "MeleeTauntsEnabled", &Settings::meleeTauntsEnabled, "1",
     "; Enable melee combat taunts (during fistfights)"},
    {"CombatTaunts", "MeleeCooldown", &Settings::meleeCooldown, "10000",
     "; Cooldown between melee taunts (in milliseconds)\n"
     "; Default: 10000 (10 seconds) - fights are faster paced"},
    {"CombatTaunts", "MeleeMinDistance", &Settings::meleeMinDistance, "3.0",
     "; Minimum distance to nearest enemy for melee taunt prompt (in meters)\n"
     "; Prevents conflict with grab prompt when too close\n"
     "; Set to 0 to disable distance check"},
    {"CombatTaunts", "AggressionEffectEnabled", &Settings::aggressionEffectEnabled, "1",
     "; Enable aggression effect - enemies may charge after being taunted"},
    {"CombatTaunts", "AggressionChance", &Settings::aggressionChance, "20",
     "; Chance (0-100) that aggression effect triggers"},
    {"CombatTaunts", "AggressionMinPeds", &Settings::aggressionMinPeds, "1",
     "; Number of peds to provoke when aggression triggers\n"
     "; First ped will tackle/grapple, additional peds just move closer"},
    {"CombatTaunts", "AggressionMaxPeds", &Settings::aggressionMaxPeds, "2", nullptr},
    {"CombatTaunts", "TackleChance", &Settings::tackleChance, "50",
     "; Chance (0-100) for tackle animations (takes player to ground)\n"
     "; Animation is chosen based on ped's approach direction for smoothest result\n"
     "; 100 = always tackle, 0 = always standing grapple, 50 = random within direction"},
    {"CombatTaunts", "CombatTauntRequireStationary", &Settings::combatTauntRequireStationary, "0",
     "; Only show combat taunt prompt when player is standing still"},
    {"CombatTaunts", "CombatTauntRequireTarget", &Settings::combatTauntRequireTarget, "1",
     "; Require looking at a hostile ped to show combat taunt prompt\n"
     "; Exception: When in cover, combat taunt is always available"},

    {"Advanced", "AvoidRepeatTaunts", &Settings::avoidRepeatTaunts, "1",
     "; Avoid repeating the same taunt twice in a row"},
    {"Advanced", "RepeatPreventionCount", &Settings::repeatPreventionCount, "10",
     "; How many different lines must play before a specific line can repeat\n"
     "; (Only affects specific lines like RE_*, AMBUSH_*, etc. Generic lines are not limited)"},
    {"Advanced", "GenericLineChance", &Settings::genericLineChance, "60",
     "; Chance (0-100) to pick from generic voice lines pool\n"
     "; Generic lines (INSULT_DEAD_PED, ROB_EXECUTION, etc.) have 5-6 variations each\n"
     "; Higher value = more generic lines play, Lower value = more specific (RE_*, AMBUSH_*) "
     "lines\n"
     "; 60 = slightly favors generic lines for more variety"},
    {"Advanced", "TauntListFile", &Settings::tauntListFile, "",
     "; External file with custom taunt speech names (leave empty for default list)"},

    {"AutoTaunt", "Enabled", &Settings::autoTauntEnabled, "0",
     "; Enable automatic taunts without prompt (disabled by default)\n"
     "; When enabled, taunts trigger automatically based on ped state changes\n"
     "; The manual Taunt prompt will be hidden when this is enabled"},
    {"AutoTaunt", "ChanceDead", &Settings::chanceDead, "20",
     "; Percentage chance (0-100) to auto-taunt when ped enters each state\n"
     "; Set to 0 to disable auto-taunt for that state"},
    {"AutoTaunt", "ChanceWrithing", &Settings::chanceWrithing, "25", nullptr},
    {"AutoTaunt", "ChanceFatallyInjured", &Settings::chanceFatallyInjured, "20", nullptr},
    {"AutoTaunt", "ChanceIncapacitated", &Settings::chanceIncapacitated, "15", nullptr},
    {"AutoTaunt", "ChanceRagdollHurt", &Settings::chanceRagdollHurt, "10", nullptr},
    {"AutoTaunt", "ChanceFleeing", &Settings::chanceFleeing, "15", nullptr},
    {"AutoTaunt", "IntervalMin", &Settings::autoTauntIntervalMin, "3",
     "; Random interval range for auto taunts (in seconds)\n"
     "; A random time between Min and Max will be chosen after each taunt\n"
     "; This prevents constant taunting when multiple peds change states rapidly"},
    {"AutoTaunt", "IntervalMax", &Settings::autoTauntIntervalMax, "8", nullptr},

    {"AutoCombatTaunt", "Enabled", &Settings::autoCombatTauntEnabled, "0",
     "; Enable automatic combat taunts on random interval (disabled by default)\n"
     "; When enabled, combat taunts play automatically during combat\n"
     "; The manual Combat Taunt prompt will be hidden when this is enabled"},
    {"AutoCombatTaunt", "IntervalMin", &Settings::autoCombatIntervalMin, "30",
     "; Random interval range for auto combat taunts (in seconds)\n"
     "; A random time between Min and Max will be chosen for each taunt"},
    {"AutoCombatTaunt", "IntervalMax", &Settings::autoCombatIntervalMax, "60", nullptr},
};

}  // namespace

SettingType SettingDef::Type() const {
    constexpr SettingType kTypes[] = {SettingType::Bool,    SettingType::Int,  SettingType::Float,
                                      SettingType::Control, SettingType::Text, SettingType::Text};
    return kTypes[field.index()];
}

std::span<const SettingDef> SettingDefs() { return kSettingDefs; }

std::span<char> TextField(Settings& settings, const SettingDef& def) {
    if (auto shortText = std::get_if<char(Settings::*)[kShortTextSize]>(&def.field)) return settings.*(*shortText);
    if (auto longText = std::get_if<char(Settings::*)[kLongTextSize]>(&def.field)) return settings.*(*longText);
    return {};
}

std::string_view TextValue(const Settings& settings, const SettingDef& def) {
    std::span<char> field = TextField(const_cast<Settings&>(settings), def);
    return {field.data(), strnlen(field.data(), field.size())};
}

}  // namespace quillomar
