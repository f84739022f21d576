#include "settings_doc.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string_view>

#include "config/setting_table.h"
#include "config/settings.h"

namespace tool {
namespace {

using quillomar::SettingDef;
using quillomar::SettingType;

constexpr const char* kIntroduction =
    "# Quillomar settings reference\n"
    "\n"
    "<!-- Generated from the plug-in's table of settings by `quillomar settings --markdown`. -->\n"
    "\n"
    "Quillomar reads `Quillomar.ini` from the game's folder (the folder the game runs in) when the script\n"
    "starts, and again whenever it is saved while the game runs: within about two seconds the new\n"
    "settings are in force, and a line at the left of the screen says so for five seconds. Without the\n"
    "file, the plug-in writes a commented one with every key at its default. Each start writes\n"
    "`Quillomar.log` beside it, and each reading again adds to it, listing every line the plug-in reads\n"
    "differently from what it seems to say (the screen tells how many); `QuillomarCheck.exe` prints the\n"
    "same list for a file without starting the game.\n"
    "\n"
    "How the file is read:\n"
    "\n"
    "- A section starts with its name in brackets, `[Settings]`; a key is written `Key=value` below it.\n"
    "  Capitals do not matter in section and key names. A line starting with `;` is a comment; text\n"
    "  after a value is part of the value, not a comment.\n"
    "- Only the first section of a name is read, and only the first line of a key within it.\n"
    "- A key that is missing takes its default. Unknown sections and keys are ignored.\n"
    "- Where the comments of the default file differ from this reference, this reference is right.\n";

const char* TypeName(const SettingDef& def) {
    switch (def.Type()) {
        case SettingType::Bool:
            return "switch";
        case SettingType::Int:
            return "whole number";
        case SettingType::Float:
            return "decimal number";
        case SettingType::Control:
            return "control name";
        case SettingType::Text:
            return "text";
        case SettingType::Key:
            return "key";
    }
    return "";
}

std::string TextLimit(const SettingDef& def) {
    quillomar::Settings sizes{};
    return std::to_string(quillomar::TextField(sizes, def).size() - 1) + " characters";
}

// The game's controls with their keys on a keyboard, where the list records one.
struct ControlKey {
    const char* name;
    const char* key;
};
constexpr ControlKey kControlKeys[] = {
#define QUILLOMAR_CONTROL(name, key) {name, key},
#include "host/game_controls.inc"
#undef QUILLOMAR_CONTROL
};

std::string KeyOf(std::string_view name) {
    for (const ControlKey& control : kControlKeys) {
        if (name == control.name) return control.key;
    }
    return "";
}

// The controls that suit a prompt, told with their keys.
constexpr std::string_view kPromptControls[] = {
    "INPUT_CONTEXT_Y",           "INPUT_CONTEXT_X",           "INPUT_CONTEXT_A",        "INPUT_CONTEXT_B",
    "INPUT_INTERACT_LOCKON_POS", "INPUT_INTERACT_LOCKON_NEG", "INPUT_INTERACT_OPTION1", "INPUT_INTERACT_OPTION2",
};

std::string ControlChoices() {
    std::string text =
        "a control of the game by the name its scripts give it, written exactly so (capitals "
        "matter). These suit a prompt (with their keys on a keyboard, unless the game's Controls "
        "settings change them): ";
    for (std::string_view name : kPromptControls) {
        text += std::string(name) + " (" + KeyOf(name) + "), ";
    }
    return text + "and any other of the game's " + std::to_string(std::size(kControlKeys)) +
           " controls is taken too (docs/controls.md, in Quillomar's source, lists them all); or a control hash "
           "written as 0x and up to 8 hex digits";
}

std::string Sensible(const SettingDef& def) {
    if (def.doc.sensible != nullptr) return def.doc.sensible;
    if (def.Type() == SettingType::Control) return ControlChoices();
    if (def.Type() == SettingType::Bool) return "0 (off) or 1 (on)";
    return "up to " + TextLimit(def);
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// How the type reads what it is given, whatever the key.
std::string TypeReading(const SettingDef& def) {
    switch (def.Type()) {
        case SettingType::Bool:
            return "Any number but 0 is on (2 too); text that is not a number (`true`, `yes`) is 0, off; an empty "
                   "value keeps the default.";
        case SettingType::Int:
            return "Only the leading whole number counts (`25%` is 25, `1e2` is 1), but `0x` (in small letters) "
                   "starts a hexadecimal one (`0x10` is 16); text that is not a number is 0; an empty value keeps "
                   "the default; numbers beyond 32 bits wrap around.";
        case SettingType::Float:
            return "Only the leading decimal number counts, with a point and an exponent (`1,5` is 1, `1e2` is "
                   "100, `0x10` is 0); text that is not a number, or an empty value, is 0.";
        case SettingType::Control:
            return std::string("Any other text (a misspelt name, a name in small letters, an empty value) gives ") +
                   def.defaultText +
                   "; after `0x` only the leading hex digits count (`0xZZ` is 0). Before it makes the prompts, "
                   "Quillomar asks the game whether it knows the control, as the game does for its own; when it "
                   "does not, " +
                   def.defaultText + " is used instead and Quillomar.log says so.";
        case SettingType::Text:
            return "Longer text is cut to its first " + TextLimit(def) + "; one pair of quotes around it is dropped.";
        case SettingType::Key:
            return "A name that is not a key (a misspelt name, `CONTROL+M`), or an empty value, sets no key; the same "
                   "key as ToggleKey sets no MuteKey.";
    }
    return "";
}

std::string OddValues(const SettingDef& def) {
    if (def.doc.inert) return std::string("Any value ") + quillomar::kInertEffect + ".";
    std::string odd = def.doc.oddNote != nullptr ? std::string(def.doc.oddNote) + " " : "";
    const quillomar::ValueRule& rule = def.doc.rule;
    if (rule.belowMin != nullptr) odd += "Below " + Number(rule.min) + ": " + rule.belowMin + ". ";
    if (rule.aboveMax != nullptr) odd += "Above " + Number(rule.max) + ": " + rule.aboveMax + ". ";
    for (const quillomar::SettingPair& pair : quillomar::SettingPairs()) {
        if (std::strcmp(pair.section, def.section) == 0 && std::strcmp(pair.minKey, def.key) == 0) {
            odd += std::string("Above ") + pair.maxKey + ": " + pair.whenMinAboveMax + ". ";
        }
    }
    return odd + TypeReading(def);
}

void AppendKey(std::string& text, const SettingDef& def) {
    text += std::string("\n### ") + def.key + "\n\n";
    const std::string defaultValue = *def.defaultText != '\0' ? std::string("`") + def.defaultText + "`" : "none";
    text += std::string("`[") + def.section + "]`, " + TypeName(def) + ", default " + defaultValue +
            (def.inDefaultFile ? "" : " (not in the default file: add the line yourself)") + "\n\n";
    text += std::string(def.doc.does) + "\n\n";
    text += "- Values that make sense: " + Sensible(def) + ".\n";
    text += "- Odd values: " + OddValues(def) + "\n";
}

}  // namespace

std::string ControlsMarkdown() {
    std::string text =
        "# The game's controls\n"
        "\n"
        "<!-- Generated from the plug-in's list of the game's controls by `quillomar settings --controls`. -->\n"
        "\n"
        "Every control the game's own scripts name, which `PromptControl` takes by its name (docs/settings.md),\n"
        "with its key on a keyboard where it is known, unless the game's Controls settings change it. The\n"
        "plug-in hands the game the control's hash, which it computes from the name as the game does.\n"
        "\n"
        "| control | keyboard |\n"
        "|---|---|\n";
    for (const ControlKey& control : kControlKeys) {
        text += "| " + std::string(control.name) + " | " + control.key + " |\n";
    }
    return text;
}

std::string SettingsMarkdown() {
    std::string text = kIntroduction;
    const char* section = "";
    for (const SettingDef& def : quillomar::SettingDefs()) {
        if (std::strcmp(section, def.section) != 0) {
            section = def.section;
            text += std::string("\n## [") + section + "]\n";
        }
        AppendKey(text, def);
    }
    return text;
}

}  // namespace tool
