#include "config/setting_table.h"

#include <cstddef>

#include "config/settings.h"

namespace quillomar {
namespace {

#define FIELD(name) offsetof(Settings, name), sizeof(Settings::name)

using enum SettingType;

constexpr SettingDef kSettingDefs[] = {
    {"Settings", "Enabled", Bool, "1", FIELD(enabled), "; Enable/disable the mod (1 = enabled, 0 = disabled)"},
    {"Settings", "EnabledInMissions", Bool, "1", FIELD(enabledInMissions),
     "; Enable/disable taunts during active missions (1 = enabled, 0 = disabled)"},
    {"Settings", "PromptControl", Control, "INPUT_CONTEXT_Y", FIELD(promptControl),
     "; Button to press for taunt prompt\n"
     "; Options: INPUT_CONTEXT_X, INPUT_CONTEXT_Y, INPUT_CONTEXT_A, INPUT_CONTEXT_B\n"
     ";          INPUT_INTERACT_OPTION1, INPUT_INTERACT_OPTION2"},
    {"Settings", "PromptText", Text, "Taunt", FIELD(promptText), "; Text shown on the prompt"},
    {"Settings", "MaxDistance", Float, "25.0", FIELD(maxDistance), "; Maximum distance to target ped (in meters)"},
    {"Settings", "Cooldown", Int, "3000", FIELD(cooldown),
     "; Global cooldown between any aimed taunt (in milliseconds)\n"
     "; Default: 3000 (3 seconds)"},
    {"Settings", "PerPedCooldown", Int, "0", FIELD(perPedCooldown),
     "; Per-ped cooldown - time before you can taunt the SAME ped again (in milliseconds)\n"
     "; You can still immediately taunt a DIFFERENT ped. Set to 0 to disable."},
    {"Settings", "IncludeRagdollNotFatallyInjured", Bool, "1", FIELD(includeRagdollNotFatallyInjured),
     "; Include ragdolling peds that aren't fatally injured"},
    {"Settings", "RequireAiming", Bool, "0", FIELD(requireAiming), "; Require player to be aiming (0 = no, 1 = yes)"},
    {"Settings", "TauntPriorityOverRob", Bool, "1", FIELD(tauntPriorityOverRob),
     "; Give Taunt prompt priority over Rob for downed/ragdolling peds\n"
     "; When on cooldown or ped is dead/fleeing, Rob/Loot takes over"},
    {"Settings", "DebugMode", Bool, "0", FIELD(debugMode), "; Debug mode - shows target info on screen"},

    {"CombatTaunts", "Enabled", Bool, "1", FIELD(combatTauntsEnabled),
     "; Enable manual combat taunts during gunfights (press prompt to taunt)"},
    {"CombatTaunts", "PromptText", Text, "Combat Taunt", FIELD(combatPromptText),
     "; Text shown on the combat taunt prompt"},
    {"CombatTaunts", "GunfightCooldown", Int, "15000", FIELD(gunfightCooldown),
     "; Cooldown between gunfight taunts (in milliseconds)\n"
     "; Default: 15000 (15 seconds)"},
    {"CombatTaunts", "MeleeTauntsEnabled", Bool, "1", FIELD(meleeTauntsEnabled),
     "; Enable melee combat taunts (during fistfights)"},
    {"CombatTaunts", "MeleeCooldown", Int, "10000", FIELD(meleeCooldown),
     "; Cooldown between melee taunts (in milliseconds)\n"
     "; Default: 10000 (10 seconds) - fights are faster paced"},
    {"CombatTaunts", "MeleeMinDistance", Float, "3.0", FIELD(meleeMinDistance),
     "; Minimum distance to nearest enemy for melee taunt prompt (in meters)\n"
     "; Prevents conflict with grab prompt when too close\n"
     "; Set to 0 to disable distance check"},
    {"CombatTaunts", "AggressionEffectEnabled", Bool, "1", FIELD(aggressionEffectEnabled),
     "; Enable aggression effect - enemies may charge after being taunted"},
    {"CombatTaunts", "AggressionChance", Int, "20", FIELD(aggressionChance),
     "; Chance (0-100) that aggression effect triggers"},
    {"CombatTaunts", "AggressionMinPeds", Int, "1", FIELD(aggressionMinPeds),
     "; Number of peds to provoke when aggression triggers\n"
     "; First ped will tackle/grapple, additional peds just move closer"},
    {"CombatTaunts", "AggressionMaxPeds", Int, "2", FIELD(aggressionMaxPeds), nullptr},
    {"CombatTaunts", "TackleChance", Int, "50", FIELD(tackleChance),
     "; Chance (0-100) for tackle animations (takes player to ground)\n"
     "; Animation is chosen based on ped's approach direction for smoothest result\n"
     "; 100 = always tackle, 0 = always standing grapple, 50 = random within direction"},
    {"CombatTaunts", "CombatTauntRequireStationary", Bool, "0", FIELD(combatTauntRequireStationary),
     "; Only show combat taunt prompt when player is standing still"},
    {"CombatTaunts", "CombatTauntRequireTarget", Bool, "1", FIELD(combatTauntRequireTarget),
     "; Require looking at a hostile ped to show combat taunt prompt\n"
     "; Exception: When in cover, combat taunt is always available"},

    {"Advanced", "AvoidRepeatTaunts", Bool, "1", FIELD(avoidRepeatTaunts),
     "; Avoid repeating the same taunt twice in a row"},
    {"Advanced", "RepeatPreventionCount", Int, "10", FIELD(repeatPreventionCount),
     "; How many different lines must play before a specific line can repeat\n"
     "; (Only affects specific lines like RE_*, AMBUSH_*, etc. Generic lines are not limited)"},
    {"Advanced", "GenericLineChance", Int, "60", FIELD(genericLineChance),
     "; Chance (0-100) to pick from generic voice lines pool\n"
     "; Generic lines (INSULT_DEAD_PED, ROB_EXECUTION, etc.) have 5-6 variations each\n"
     "; Higher value = more generic lines play, Lower value = more specific (RE_*, AMBUSH_*) "
     "lines\n"
     "; 60 = slightly favors generic lines for more variety"},
    {"Advanced", "TauntListFile", Text, "", FIELD(tauntListFile),
     "; External file with custom taunt speech names (leave empty for default list)"},

    {"AutoTaunt", "Enabled", Bool, "0", FIELD(autoTauntEnabled),
     "; Enable automatic taunts without prompt (disabled by default)\n"
     "; When enabled, taunts trigger automatically based on ped state changes\n"
     "; The manual Taunt prompt will be hidden when this is enabled"},
    {"AutoTaunt", "ChanceDead", Int, "20", FIELD(chanceDead),
     "; Percentage chance (0-100) to auto-taunt when ped enters each state\n"
     "; Set to 0 to disable auto-taunt for that state"},
    {"AutoTaunt", "ChanceWrithing", Int, "25", FIELD(chanceWrithing), nullptr},
    {"AutoTaunt", "ChanceFatallyInjured", Int, "20", FIELD(chanceFatallyInjured), nullptr},
    {"AutoTaunt", "ChanceIncapacitated", Int, "15", FIELD(chanceIncapacitated), nullptr},
    {"AutoTaunt", "ChanceRagdollHurt", Int, "10", FIELD(chanceRagdollHurt), nullptr},
    {"AutoTaunt", "ChanceFleeing", Int, "15", FIELD(chanceFleeing), nullptr},
    {"AutoTaunt", "IntervalMin", Int, "3", FIELD(autoTauntIntervalMin),
     "; Random interval range for auto taunts (in seconds)\n"
     "; A random time between Min and Max will be chosen after each taunt\n"
     "; This prevents constant taunting when multiple peds change states rapidly"},
    {"AutoTaunt", "IntervalMax", Int, "8", FIELD(autoTauntIntervalMax), nullptr},

    {"AutoCombatTaunt", "Enabled", Bool, "0", FIELD(autoCombatTauntEnabled),
     "; Enable automatic combat taunts on random interval (disabled by default)\n"
     "; When enabled, combat taunts play automatically during combat\n"
     "; The manual Combat Taunt prompt will be hidden when this is enabled"},
    {"AutoCombatTaunt", "IntervalMin", Int, "30", FIELD(autoCombatIntervalMin),
     "; Random interval range for auto combat taunts (in seconds)\n"
     "; A random time between Min and Max will be chosen for each taunt"},
    {"AutoCombatTaunt", "IntervalMax", Int, "60", FIELD(autoCombatIntervalMax), nullptr},
};

#undef FIELD

}  // namespace

std::span<const SettingDef> SettingDefs() { return kSettingDefs; }

}  // namespace quillomar
