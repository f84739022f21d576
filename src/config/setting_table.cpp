#include "config/setting_table.h"

#include <cstring>

namespace quillomar {
namespace {

constexpr double kNoLimit = 1e300;

constexpr SettingDoc Does(const char* does, const char* sensible = nullptr, ValueRule rule = {},
                          const char* unit = nullptr, const char* oddNote = nullptr) {
    return {does, sensible, rule, false, unit, oddNote};
}

constexpr ValueRule Percent(const char* atZero, const char* atHundred) { return {0, 100, atZero, atHundred}; }
constexpr ValueRule AtLeast(double min, const char* below) { return {min, kNoLimit, below, nullptr}; }

constexpr SettingDoc kInert{
    "Has no effect: the key stands in the default file, but no part of the plug-in reads it.", "any value", {}, true};

constexpr ValueRule kStateChance = Percent("the same as 0: never", "the same as 100: every time");
constexpr ValueRule kWait = AtLeast(0, "a wait below 0 counts as none, so automatic taunts may follow at once");
constexpr const char* kKeySensible =
    "empty for none, or a key with any of CTRL, SHIFT and ALT before it, joined by +: F9, CTRL+M, SHIFT+ALT+F11. "
    "Keys: F1 to F24, A to Z, 0 to 9, NUMPAD0 to NUMPAD9, INSERT, DELETE, HOME, END, PAGEUP, PAGEDOWN, PAUSE, "
    "SCROLLLOCK, or a Windows virtual-key number from 1 to 254 for any other key. The key acts only with exactly "
    "the modifiers written held (F9 is not CTRL+F9)";

constexpr SettingDef kSettingDefs[] = {
    {"Settings", "Enabled", &Settings::enabled, "1", "; Enable/disable the mod (1 = enabled, 0 = disabled)",
     Does("Switches the whole plug-in on (1) or off (0).")},
    {"Settings", "EnabledInMissions", &Settings::enabledInMissions, "1",
     "; Enable/disable taunts during active missions (1 = enabled, 0 = disabled)",
     Does("Lets the plug-in act during story missions (1), or keeps it quiet while a mission runs (0).")},
    {"Settings", "PromptControl", &Settings::promptControl, "INPUT_CONTEXT_Y",
     "; Button to press for taunt prompt\n"
     "; Options: INPUT_CONTEXT_X, INPUT_CONTEXT_Y, INPUT_CONTEXT_A, INPUT_CONTEXT_B\n"
     ";          INPUT_INTERACT_OPTION1, INPUT_INTERACT_OPTION2",
     Does("The control that both prompts use, one of the game's own: INPUT_CONTEXT_A, INPUT_CONTEXT_B, "
          "INPUT_CONTEXT_X and INPUT_CONTEXT_Y are the pad's A, B, X and Y buttons (Cross, Circle, Square and "
          "Triangle); the INPUT_INTERACT_ controls are the game's options while you are locked on to someone "
          "(INPUT_INTERACT_LOCKON_NEG is its own Antagonize). Which key of the keyboard each is follows the game's "
          "Controls settings; once in play, the prompt shows its own key or button.")},
    {"Settings", "PromptText", &Settings::promptText, "Taunt", "; Text shown on the prompt",
     Does("The label of the Taunt prompt.")},
    {"Settings", "MaxDistance", &Settings::maxDistance, "25.0", "; Maximum distance to target ped (in meters)",
     Does("How far away a ped may be, in metres, to be taunted (by the prompt or automatically).", "5 to 100",
          AtLeast(0.1, "no ped is ever close enough, so the Taunt prompt never appears"), "m")},
    {"Settings", "Cooldown", &Settings::cooldown, "3000",
     "; Global cooldown between any aimed taunt (in milliseconds)\n"
     "; Default: 3000 (3 seconds)",
     kInert},
    {"Settings", "PerPedCooldown", &Settings::perPedCooldown, "0",
     "; Per-ped cooldown - time before you can taunt the SAME ped again (in milliseconds)\n"
     "; You can still immediately taunt a DIFFERENT ped. Set to 0 to disable.",
     kInert},
    {"Settings", "IncludeRagdollNotFatallyInjured", &Settings::includeRagdollNotFatallyInjured, "1",
     "; Include ragdolling peds that aren't fatally injured",
     Does("Offers peds that are ragdolling and hurt but not fatally injured (1), or leaves them out (0).")},
    {"Settings", "RequireAiming", &Settings::requireAiming, "0", "; Require player to be aiming (0 = no, 1 = yes)",
     Does("Leaves out the ped the player only faces (1); peds aimed at, locked on to or looked at are offered either "
          "way.")},
    {"Settings", "TauntPriorityOverRob", &Settings::tauntPriorityOverRob, "1",
     "; Give Taunt prompt priority over Rob for downed/ragdolling peds\n"
     "; When on cooldown or ped is dead/fleeing, Rob/Loot takes over",
     Does("Puts the Taunt prompt above the game's Rob and Loot prompts on downed and ragdolling peds (1), or below "
          "them (0).")},
    {"Settings", "DebugMode", &Settings::debugMode, "0", "; Debug mode - shows target info on screen",
     Does("Shows what the plug-in sees at the top left of the screen (1).")},
    {"Settings", "ToggleKey", &Settings::toggleKey, "", nullptr,
     Does("A key that switches Quillomar off while you play, and on again: while it is off there are no prompts, "
          "no taunts and no overlay, as with Enabled=0, until you press it again or the game starts the script "
          "anew. The settings file is not changed.",
          kKeySensible),
     false},
    {"Settings", "MuteKey", &Settings::muteKey, "", nullptr,
     Does("A key that mutes the line said last, in either voice: it is never said again, and it is added to "
          "Quillomar-muted.txt beside Quillomar.ini (delete its row there to hear it again).",
          kKeySensible),
     false},
    {"Settings", "MutePrompt", &Settings::mutePrompt, "0", nullptr,
     Does("Offers a prompt you hold for a second, for five seconds after each line is said (1): holding it mutes "
          "that line as MuteKey does. It suits a pad, and a keyboard without a MuteKey."),
     false},
    {"Settings", "MutePromptControl", &Settings::mutePromptControl, "INPUT_INTERACT_OPTION2", nullptr,
     Does("The control you hold for the Mute line prompt, one of the game's own, as PromptControl names one: "
          "INPUT_INTERACT_OPTION2 is H on a keyboard; on a pad, pick a button the game leaves free then, such as "
          "INPUT_CONTEXT_X or INPUT_CONTEXT_B."),
     false},
    {"Settings", "MutePromptText", &Settings::mutePromptText, "Mute line", nullptr,
     Does("The label of the Mute line prompt."), false},

    {"CombatTaunts", "Enabled", &Settings::combatTauntsEnabled, "1",
     "; Enable manual combat taunts during gunfights (press prompt to taunt)",
     Does("Combat taunts in gunfights and fistfights (1): the Combat Taunt prompt, or the automatic combat taunts "
          "of [AutoCombatTaunt]; 0 switches both off.")},
    {"CombatTaunts", "PromptText", &Settings::combatPromptText, "Combat Taunt",
     "; Text shown on the combat taunt prompt", Does("The label of the Combat Taunt prompt.")},
    {"CombatTaunts", "GunfightCooldown", &Settings::gunfightCooldown, "15000",
     "; Cooldown between gunfight taunts (in milliseconds)\n"
     "; Default: 15000 (15 seconds)",
     Does("Milliseconds from a combat taunt until the Combat Taunt prompt is offered again in a gunfight.",
          "5000 to 60000",
          AtLeast(0, "a negative cooldown never passes, so the Combat Taunt prompt is never offered in a gunfight"),
          "ms")},
    {"CombatTaunts", "MeleeTauntsEnabled", &Settings::meleeTauntsEnabled, "1",
     "; Enable melee combat taunts (during fistfights)", Does("Offers the Combat Taunt prompt in fistfights too (1).")},
    {"CombatTaunts", "MeleeCooldown", &Settings::meleeCooldown, "10000",
     "; Cooldown between melee taunts (in milliseconds)\n"
     "; Default: 10000 (10 seconds) - fights are faster paced",
     Does("Milliseconds from a combat taunt until the Combat Taunt prompt is offered again in a fistfight.",
          "5000 to 60000",
          AtLeast(0, "a negative cooldown never passes, so the Combat Taunt prompt is never offered in a fistfight"),
          "ms")},
    {"CombatTaunts", "MeleeMinDistance", &Settings::meleeMinDistance, "3.0",
     "; Minimum distance to nearest enemy for melee taunt prompt (in meters)\n"
     "; Prevents conflict with grab prompt when too close\n"
     "; Set to 0 to disable distance check",
     Does("In a fistfight, how far away in metres the nearest enemy must be for the Combat Taunt prompt, so that "
          "it does not clash with the game's grab prompt; 0 turns the check off.",
          "0 to 5", AtLeast(0, "the same as 0: the distance check is off"), "m")},
    {"CombatTaunts", "AggressionEffectEnabled", &Settings::aggressionEffectEnabled, "1",
     "; Enable aggression effect - enemies may charge after being taunted",
     Does("Lets a combat taunt provoke enemies to charge the player (1).")},
    {"CombatTaunts", "AggressionChance", &Settings::aggressionChance, "20",
     "; Chance (0-100) that aggression effect triggers",
     Does("Percent chance that a combat taunt provokes enemies.", "0 to 100",
          Percent("the same as 0: a combat taunt never provokes anyone",
                  "the same as 100: every combat taunt provokes enemies"),
          "percent")},
    {"CombatTaunts", "AggressionMinPeds", &Settings::aggressionMinPeds, "1",
     "; Number of peds to provoke when aggression triggers\n"
     "; First ped will tackle/grapple, additional peds just move closer",
     Does("The fewest enemies a provoking taunt sends at the player: the first tackles or grapples, the others "
          "close in.",
          "1 to AggressionMaxPeds", AtLeast(0, "a count below 0 provokes nobody"), "peds",
          "0: each provoking taunt draws how many it sends from 0 to AggressionMaxPeds, so now and then it sends "
          "nobody.")},
    {"CombatTaunts", "AggressionMaxPeds", &Settings::aggressionMaxPeds, "2", nullptr,
     Does("The most enemies a provoking taunt sends at the player.", "AggressionMinPeds to 5", {}, "peds",
          "Above 5: more enemies than a fight usually holds may charge at once, as many as are fighting you within "
          "50 m.")},
    {"CombatTaunts", "TackleChance", &Settings::tackleChance, "50",
     "; Chance (0-100) for tackle animations (takes player to ground)\n"
     "; Animation is chosen based on ped's approach direction for smoothest result\n"
     "; 100 = always tackle, 0 = always standing grapple, 50 = random within direction",
     Does("Percent chance that the first provoked enemy tackles the player to the ground rather than grappling "
          "standing.",
          "0 to 100", Percent("the same as 0: always a standing grapple", "the same as 100: always a tackle"),
          "percent")},
    {"CombatTaunts", "CombatTauntRequireStationary", &Settings::combatTauntRequireStationary, "0",
     "; Only show combat taunt prompt when player is standing still",
     Does("Offers the Combat Taunt prompt only while the player stands still (1).")},
    {"CombatTaunts", "CombatTauntRequireTarget", &Settings::combatTauntRequireTarget, "1",
     "; Require looking at a hostile ped to show combat taunt prompt\n"
     "; Exception: When in cover, combat taunt is always available",
     Does("Out of cover, offers the Combat Taunt prompt only while the player aims at an enemy (1).")},

    {"Advanced", "AvoidRepeatTaunts", &Settings::avoidRepeatTaunts, "1",
     "; Avoid repeating the same taunt twice in a row",
     Does("Holds back the specific lines spoken lately, as many as RepeatPreventionCount says (1); 0 lets any line "
          "come again at once, as RepeatPreventionCount=0 does.")},
    {"Advanced", "RepeatPreventionCount", &Settings::repeatPreventionCount, "10",
     "; How many different lines must play before a specific line can repeat\n"
     "; (Only affects specific lines like RE_*, AMBUSH_*, etc. Generic lines are not limited)",
     Does("How many specific lines must play before one of them may repeat; generic lines are not limited.", "0 to 20",
          AtLeast(0, "the same as 0: a specific line may repeat at once"), "lines")},
    {"Advanced", "GenericLineChance", &Settings::genericLineChance, "60",
     "; Chance (0-100) to pick from generic voice lines pool\n"
     "; Generic lines (INSULT_DEAD_PED, ROB_EXECUTION, etc.) have 5-6 variations each\n"
     "; Higher value = more generic lines play, Lower value = more specific (RE_*, AMBUSH_*) "
     "lines\n"
     "; 60 = slightly favors generic lines for more variety",
     Does("Percent chance of a generic line (INSULT_DEAD_PED and the like) rather than one made for the situation, "
          "when both kinds fit.",
          "0 to 100",
          Percent("the same as 0: a line made for the situation whenever one fits",
                  "the same as 100: a generic line whenever one fits"),
          "percent")},
    {"Advanced", "TauntListFile", &Settings::tauntListFile, "",
     "; External file with custom taunt speech names (leave empty for default list)",
     Does("A text file of your own voice lines: each list it holds replaces that list of Quillomar's own, and the "
          "lists it leaves out stay as they are (Your own lines, in README.txt, tells how to write one). A name alone "
          "is looked for in the game's folder, beside Quillomar.ini.",
          "empty for Quillomar's own lines, or a file name such as Quillomar-lines.txt, or a full path")},
    {"Advanced", "ShowLineNames", &Settings::showLineNames, "0", nullptr,
     Does("Names each line said on the screen and in Quillomar.log (1): its speech name and variation, and the "
          "list it came from, built in or from your taunt list file (with the row's line number), so that you can "
          "write your own lists or mute a line with MuteKey."),
     false},
    {"Advanced", "FieldReport", &Settings::fieldReport, "0", nullptr,
     Does("Gathers, while you play, what the game answers to the questions Quillomar cannot settle without it "
          "(1): whether a voice exists, which peds are lawmen, whether a tackle plays, and the like. It writes the "
          "counts to Quillomar-field-report.txt beside Quillomar.ini, at most once a minute and when the game "
          "stops the script; attach that file to a report. It asks the game a few more questions when they "
          "happen, and changes nothing you see or hear."),
     false},

    {"AutoTaunt", "Enabled", &Settings::autoTauntEnabled, "0",
     "; Enable automatic taunts without prompt (disabled by default)\n"
     "; When enabled, taunts trigger automatically based on ped state changes\n"
     "; The manual Taunt prompt will be hidden when this is enabled",
     Does("Taunts automatically, without the prompt, when the target or its state changes; the Taunt prompt is then "
          "hidden (1).")},
    {"AutoTaunt", "ChanceDead", &Settings::chanceDead, "20",
     "; Percentage chance (0-100) to auto-taunt when ped enters each state\n"
     "; Set to 0 to disable auto-taunt for that state",
     Does("Percent chance of an automatic taunt at a dead ped.", "0 to 100", kStateChance, "percent")},
    {"AutoTaunt", "ChanceWrithing", &Settings::chanceWrithing, "25", nullptr,
     Does("Percent chance of an automatic taunt at a writhing ped.", "0 to 100", kStateChance, "percent")},
    {"AutoTaunt", "ChanceFatallyInjured", &Settings::chanceFatallyInjured, "20", nullptr,
     Does("Percent chance of an automatic taunt at a fatally injured ped.", "0 to 100", kStateChance, "percent")},
    {"AutoTaunt", "ChanceIncapacitated", &Settings::chanceIncapacitated, "15", nullptr,
     Does("Percent chance of an automatic taunt at an incapacitated ped.", "0 to 100", kStateChance, "percent")},
    {"AutoTaunt", "ChanceRagdollHurt", &Settings::chanceRagdollHurt, "10", nullptr,
     Does("Percent chance of an automatic taunt at a ragdolling, hurt ped.", "0 to 100", kStateChance, "percent")},
    {"AutoTaunt", "ChanceFleeing", &Settings::chanceFleeing, "15", nullptr,
     Does("Percent chance of an automatic taunt at a fleeing ped.", "0 to 100", kStateChance, "percent")},
    {"AutoTaunt", "IntervalMin", &Settings::autoTauntIntervalMin, "3",
     "; Random interval range for auto taunts (in seconds)\n"
     "; A random time between Min and Max will be chosen after each taunt\n"
     "; This prevents constant taunting when multiple peds change states rapidly",
     Does("The shortest wait, in seconds, between automatic taunts.", "1 to IntervalMax", kWait, "seconds")},
    {"AutoTaunt", "IntervalMax", &Settings::autoTauntIntervalMax, "8", nullptr,
     Does("The longest wait, in seconds, between automatic taunts.", "IntervalMin to 60", kWait, "seconds")},

    {"AutoCombatTaunt", "Enabled", &Settings::autoCombatTauntEnabled, "0",
     "; Enable automatic combat taunts on random interval (disabled by default)\n"
     "; When enabled, combat taunts play automatically during combat\n"
     "; The manual Combat Taunt prompt will be hidden when this is enabled",
     Does("Speaks combat taunts automatically at random intervals during fights; the Combat Taunt prompt is then "
          "hidden (1).")},
    {"AutoCombatTaunt", "IntervalMin", &Settings::autoCombatIntervalMin, "30",
     "; Random interval range for auto combat taunts (in seconds)\n"
     "; A random time between Min and Max will be chosen for each taunt",
     Does("The shortest wait, in seconds, between automatic combat taunts.", "5 to IntervalMax", kWait, "seconds")},
    {"AutoCombatTaunt", "IntervalMax", &Settings::autoCombatIntervalMax, "60", nullptr,
     Does("The longest wait, in seconds, between automatic combat taunts.", "IntervalMin to 300", kWait, "seconds")},
};

}  // namespace

SettingType SettingDef::Type() const {
    constexpr SettingType kTypes[] = {SettingType::Bool, SettingType::Int,  SettingType::Float, SettingType::Control,
                                      SettingType::Text, SettingType::Text, SettingType::Key};
    return kTypes[field.index()];
}

constexpr SettingPair kSettingPairs[] = {
    {"CombatTaunts", "AggressionMinPeds", "AggressionMaxPeds",
     "every provoking taunt sends exactly AggressionMinPeds enemies"},
    {"AutoTaunt", "IntervalMin", "IntervalMax", "every wait is exactly IntervalMax seconds"},
    {"AutoCombatTaunt", "IntervalMin", "IntervalMax", "every wait is exactly IntervalMax seconds"},
};

std::span<const SettingDef> SettingDefs() { return kSettingDefs; }
std::span<const SettingPair> SettingPairs() { return kSettingPairs; }

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
