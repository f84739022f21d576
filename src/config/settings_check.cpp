#include "config/settings_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include "config/key_bindings.h"
#include "config/setting_table.h"
#include "config/settings.h"
#include "core/player_text.h"
#include "host/game_controls.h"
#include "platform/ini_reader.h"

namespace quillomar {
namespace {

// The plug-in's buffer for a value it reads as text (a float, a control name). A number or a
// switch read from as much of its text is told apart as well: only short texts are plain.
constexpr std::uint32_t kValueReadSize = 64;

// Text after a value is part of it: a hint for a value with a semicolon in it.
std::string CommentHint(std::string_view written) {
    return written.find(';') == std::string_view::npos ? "" : " (a comment must stand on a line of its own)";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string Sectioned(std::string_view section) { return "[" + std::string(section) + "]"; }

std::vector<std::string_view> SectionNames() {
    std::vector<std::string_view> names;
    for (const SettingDef& def : SettingDefs()) {
        if (names.empty() || names.back() != def.section) names.emplace_back(def.section);
    }
    return names;
}

const SettingDef* FindDef(std::string_view section, std::string_view key) {
    for (const SettingDef& def : SettingDefs()) {
        if (SameName(def.section, section) && SameName(def.key, key)) return &def;
    }
    return nullptr;
}

std::size_t IndexOf(const SettingDef& def) { return static_cast<std::size_t>(&def - SettingDefs().data()); }

// Where the reads find a key: its first line in the first section of its name.
struct KeyLine {
    std::size_t line = 0;  // 0: not in the file
    std::optional<std::string_view> value;
};

struct Scan {
    std::string_view file;  // the bytes, as the plug-in's reads take them
    std::vector<FileProblem> problems;
    std::vector<KeyLine> keys = std::vector<KeyLine>(SettingDefs().size());

    void Add(std::size_t line, std::string text) { problems.push_back({line, std::move(text)}); }
};

// A hint for a key the section does not have: the section it belongs to, or a near name.
std::string KeyHint(std::string_view name, std::string_view section) {
    std::string elsewhere;
    for (const SettingDef& def : SettingDefs()) {
        if (SameName(def.key, name) && !SameName(def.section, section)) {
            elsewhere += (elsewhere.empty() ? "" : " or ") + Sectioned(def.section);
        }
    }
    if (!elsewhere.empty()) return " (it belongs in " + elsewhere + ")";
    std::vector<const SettingDef*> here;
    std::vector<const SettingDef*> others;
    for (const SettingDef& def : SettingDefs()) (SameName(def.section, section) ? here : others).push_back(&def);
    auto key = [](const SettingDef* def) { return def->key; };
    if (const char* near = NearestName(name, here, key)) return std::string(" (did you mean ") + near + "?)";
    const char* near = NearestName(name, others, key);
    for (const SettingDef* def : others) {
        if (def->key == near) return std::string(" (did you mean ") + near + " of " + Sectioned(def->section) + "?)";
    }
    return "";
}

void CheckEntry(Scan& scan, const ini::Line& line, std::string_view section) {
    const SettingDef* def = FindDef(section, line.name);
    if (def == nullptr) {
        if (line.name.empty() && line.value) {
            scan.Add(line.number, "\"" + Shown(line.text) + "\" has no key before its '=', so it is ignored");
        } else if (!line.value) {
            std::string hint = line.text.front() == '#' ? " (a comment starts with ';')" : "";
            scan.Add(line.number, "\"" + Shown(line.text) +
                                      "\" is not a section, a key=value line or a comment, so it "
                                      "is ignored" +
                                      hint);
        } else {
            std::string hint = line.name.front() == '#' ? " (a comment starts with ';')" : KeyHint(line.name, section);
            scan.Add(line.number,
                     "unknown key " + Shown(line.name) + " in " + Sectioned(section) + ", so it is ignored" + hint);
        }
        return;
    }
    KeyLine& counted = scan.keys[IndexOf(*def)];
    if (counted.line != 0) {
        scan.Add(line.number, std::string(def->key) + " is given again (first at line " + std::to_string(counted.line) +
                                  "): only the first counts, so this line is ignored");
        return;
    }
    counted = {line.number, line.value};
    if (!line.value) {
        scan.Add(line.number, std::string(def->key) + " has no '=', so it counts as missing and its default " +
                                  def->defaultText + " is used");
    }
}

// Walks the lines as the reads do: the first section of a name counts, the first key within it.
void CheckLines(Scan& scan, std::string_view text) {
    const std::vector<std::string_view> known = SectionNames();
    std::vector<std::size_t> sectionLine(known.size(), 0);
    std::optional<std::string_view> section;  // the section being read; none before the first or in an ignored one
    bool beforeFirst = true;
    for (const ini::Line& line : ini::ScanLines(text)) {
        if (line.section) {
            beforeFirst = false;
            section.reset();
            auto name =
                std::find_if(known.begin(), known.end(), [&](std::string_view k) { return SameName(k, line.name); });
            if (name == known.end()) {
                std::string hint;
                if (const char* near = NearestName(line.name, known, [](std::string_view k) { return k.data(); })) {
                    hint = " (did you mean " + Sectioned(near) + "?)";
                }
                scan.Add(line.number,
                         "unknown section " + Sectioned(Shown(line.name)) + ", so its keys are ignored" + hint);
                continue;
            }
            std::size_t& first = sectionLine[static_cast<std::size_t>(name - known.begin())];
            if (first != 0) {
                scan.Add(line.number, Sectioned(*name) + " again (first at line " + std::to_string(first) +
                                          "): only the first is read, so the keys below this one are ignored");
                continue;
            }
            first = line.number;
            section = *name;
            continue;
        }
        if (line.text.front() == ';') continue;  // a comment
        if (beforeFirst) {
            scan.Add(line.number, "\"" + Shown(line.text) + "\" stands before any section, so it is ignored");
            continue;
        }
        if (section) CheckEntry(scan, line, *section);
    }
}

std::string ReadText(const Scan& scan, const SettingDef& def, const char* defaultText, std::uint32_t size) {
    std::vector<char> buffer(size);
    std::uint32_t length = ini::ReadString(scan.file, def.section, def.key, defaultText, buffer.data(), size);
    return std::string(buffer.data(), length);
}

std::int32_t ReadInt(const Scan& scan, const SettingDef& def) {
    return static_cast<std::int32_t>(ini::ReadInt(scan.file, def.section, def.key, std::atoi(def.defaultText)));
}

// Text that reads as exactly the number it shows: decimal digits with a sign, or 0x and hex digits.
bool IsPlainInteger(std::string_view text, std::int32_t value) {
    bool hex = text.starts_with("0x");
    std::string_view digits = hex ? text.substr(2) : text;
    if (!hex && !digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    if (digits.empty() || digits.size() > (hex ? 8u : 10u)) return false;
    std::int64_t number = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'                                  ? c - '0'
                    : hex && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f' ? LowerAscii(c) - 'a' + 10
                                                                          : -1;
        if (digit < 0) return false;
        number = number * (hex ? 16 : 10) + digit;
    }
    if (hex) return number <= INT32_MAX && number == value;
    return (text.front() == '-' ? -number : number) == value;
}

// Text that reads as exactly the decimal number it shows.
bool IsPlainDecimal(std::string_view text) {
    if (text.empty()) return false;
    std::string copy(text);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    bool plainChars = copy.find_first_not_of("+-0123456789.eE") == std::string::npos;
    return plainChars && end == copy.c_str() + copy.size();
}

// What a number outside the table's rule does, or nothing.
std::optional<std::string> OddValue(const SettingDef& def, double value) {
    const ValueRule& rule = def.doc.rule;
    if (rule.belowMin != nullptr && value < rule.min) return "below " + Number(rule.min) + ": " + rule.belowMin;
    if (rule.aboveMax != nullptr && value > rule.max) return "above " + Number(rule.max) + ": " + rule.aboveMax;
    return std::nullopt;
}

// A number with the unit its key counts in: "10 ms", "1 second".
std::string WithUnit(const std::string& number, const char* unit) {
    if (unit == nullptr) return number;
    std::string_view name = unit;
    if (number == "1" && name.size() > 2 && name.back() == 's') name.remove_suffix(1);
    return number + " " + std::string(name);
}

// "Key=value is read as X ms: effect", each part only where it tells something.
std::string NumberProblem(const SettingDef& def, std::string_view written, bool plain, const std::string& readAs,
                          const std::optional<std::string>& odd, const std::string& how = "") {
    std::string text = std::string(def.key) + "=" + Shown(written);
    if (!plain) text += " is read as " + WithUnit(readAs, def.doc.unit) + how;
    if (odd) text += (plain ? " is " : ", ") + *odd;
    return text + CommentHint(written);
}

std::optional<std::string> CheckSwitch(const Scan& scan, const SettingDef& def, std::string_view written) {
    std::string text = ReadText(scan, def, "", kValueReadSize);
    if (text == "0" || text == "1") return std::nullopt;
    std::int32_t value = ReadInt(scan, def);
    if (text.empty()) {
        return std::string(def.key) + " is empty, so its default " + def.defaultText + (value ? " (on)" : " (off)") +
               " is used";
    }
    return std::string(def.key) + "=" + Shown(written) + " is read as " + std::to_string(value) +
           (value ? ", on" : ", off") + ": a switch is 0 (off) or 1 (on)" + CommentHint(written);
}

std::optional<std::string> CheckInteger(const Scan& scan, const SettingDef& def, std::string_view written) {
    std::string text = ReadText(scan, def, "", kValueReadSize);
    std::int32_t value = ReadInt(scan, def);
    if (text.empty()) return std::string(def.key) + " is empty, so its default " + def.defaultText + " is used";
    bool plain = IsPlainInteger(text, value);
    std::optional<std::string> odd = OddValue(def, value);
    if (plain && !odd) return std::nullopt;
    return NumberProblem(def, written, plain, std::to_string(value), odd);
}

std::optional<std::string> CheckFloat(const Scan& scan, const SettingDef& def, std::string_view written) {
    std::string text = ReadText(scan, def, "", kValueReadSize);
    float value = ReadSettingFloat(text.c_str());
    // The plug-in reads a number from as much of its text as its buffer holds, no more.
    const bool cut = ReadText(scan, def, "", kValueReadSize + 1).size() > text.size();
    bool plain = IsPlainDecimal(text) && !cut;
    std::optional<std::string> odd = OddValue(def, value);
    if (plain && !odd) return std::nullopt;
    if (text.empty()) return std::string(def.key) + " is empty, so it is read as 0" + (odd ? ", " + *odd : "");
    const std::string how = cut ? ", from its first " + std::to_string(text.size()) + " characters alone" : "";
    return NumberProblem(def, written, plain, Number(value), odd, how);
}

// A control hash the player wrote: a problem when it is not read as written, a note when no control
// of the game's scripts has it (the game may know controls they never use).
std::optional<FileProblem> CheckControlHash(const SettingDef& def, const std::string& text, const std::string& shown) {
    const std::uint32_t hash = ControlHashFromName(text.c_str());
    const std::string_view digits = std::string_view(text).substr(2);
    const bool plain = digits.size() <= 8 && digits.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    char readAs[16];
    std::snprintf(readAs, sizeof readAs, "0x%08X", static_cast<unsigned>(hash));
    const std::string unknown =
        ControlOfHash(hash) != nullptr
            ? ""
            : std::string(
                  "the hash of no control the game's scripts name; if the game does not know it either, "
                  "Quillomar uses ") +
                  def.defaultText;
    if (!plain)
        return FileProblem{0,
                           shown + " is read as the control hash " + readAs + (unknown.empty() ? "" : ", " + unknown)};
    if (unknown.empty()) return std::nullopt;
    return FileProblem{0, shown + " is " + unknown, true};
}

std::optional<FileProblem> CheckControl(const Scan& scan, const SettingDef& def, std::string_view written) {
    const std::string text = ReadText(scan, def, def.defaultText, kValueReadSize);
    if (ControlNamed(text) != nullptr) return std::nullopt;
    const std::string shown = std::string(def.key) + "=" + Shown(written);
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return CheckControlHash(def, text, shown);
    if (text.empty()) return FileProblem{0, std::string(def.key) + " is empty, so " + def.defaultText + " is used"};
    std::string hint;
    for (const GameControl& control : GameControls()) {
        if (SameName(text, control.name)) hint = " (names are written in capitals: " + std::string(control.name) + ")";
    }
    const char* near = NearestName(text, GameControls(), [](const GameControl& control) { return control.name; });
    if (hint.empty() && near != nullptr) hint = " (did you mean " + std::string(near) + "?)";
    return FileProblem{
        0, shown + " is not a control name, so " + def.defaultText + " is used" + hint + CommentHint(written)};
}

std::optional<KeyBinding> ReadKey(const Scan& scan, const SettingDef& def) {
    return ReadKeyBinding(ReadText(scan, def, "", kValueReadSize)).binding;
}

std::optional<std::string> CheckKey(const Scan& scan, const SettingDef& def, std::string_view written) {
    const std::string text = ReadText(scan, def, "", kValueReadSize);
    const KeyBindingRead read = ReadKeyBinding(text);
    if (text.empty() || read.binding) return std::nullopt;
    std::vector<const char*> names;
    for (const ModifierKey& modifier : kModifierKeys) names.push_back(modifier.key.name);
    for (const NamedKey& key : kNamedKeys) names.push_back(key.name);
    std::string hint;
    if (read.badPart.empty()) {
        hint = " (a key is written alone or after its modifiers, joined by +: CTRL+M)";
    } else if (read.badPart.find_first_not_of("0123456789") == std::string::npos) {
        hint = " (a number is a Windows virtual-key code from 1 to 254, and not a modifier's)";
    } else if (const char* near = NearestName(read.badPart, names, [](const char* name) { return name; })) {
        hint = std::string(" (did you mean ") + near + "?)";
    }
    return std::string(def.key) + "=" + Shown(written) + " is not a key, so no key is set" + hint +
           CommentHint(written);
}

// A prompt's label: an empty one leaves the prompt without a word.
bool IsPromptLabel(const SettingDef& def) {
    return std::holds_alternative<char(Settings::*)[kShortTextSize]>(def.field);
}

std::optional<std::string> CheckText(const Scan& scan, const SettingDef& def, std::string_view written) {
    Settings sizes{};
    const auto size = static_cast<std::uint32_t>(TextField(sizes, def).size());
    const std::string text = ReadText(scan, def, "", size + 1);
    const std::string key = std::string(def.key) + "=" + Shown(written);
    if (text.size() >= size) return key + " is cut to its first " + std::to_string(size - 1) + " characters";
    if (text.empty() && IsPromptLabel(def)) {
        return std::string(def.key) + " is empty, so the prompt shows no label (delete the line, and it reads " +
               def.defaultText + ")";
    }
    if (written.find(';') == std::string_view::npos) return std::nullopt;
    return key + " is used whole, the ; and what follows included (a comment must stand on a line of its own): " +
           "the plug-in uses " + Shown(text);
}

// A key that governs nothing, set to anything but its default. (The keys that govern nothing,
// Cooldown and PerPedCooldown, are whole numbers.)
std::optional<std::string> CheckInert(const Scan& scan, const SettingDef& def, std::string_view written) {
    if (ReadInt(scan, def) == std::atoi(def.defaultText)) return std::nullopt;
    return std::string(def.key) + "=" + Shown(written) + " " + kInertEffect;
}

std::optional<std::string> CheckPlainValue(const Scan& scan, const SettingDef& def, std::string_view written) {
    if (def.doc.inert) return CheckInert(scan, def, written);
    switch (def.Type()) {
        case SettingType::Bool:
            return CheckSwitch(scan, def, written);
        case SettingType::Int:
            return CheckInteger(scan, def, written);
        case SettingType::Float:
            return CheckFloat(scan, def, written);
        case SettingType::Text:
            return CheckText(scan, def, written);
        case SettingType::Key:
            return CheckKey(scan, def, written);
        case SettingType::Control:
            break;
    }
    return std::nullopt;
}

// What is odd about a key's value, told at the key's line.
std::optional<FileProblem> CheckValue(const Scan& scan, const SettingDef& def, const KeyLine& counted) {
    std::optional<FileProblem> found;
    if (def.Type() == SettingType::Control && !def.doc.inert) {
        found = CheckControl(scan, def, *counted.value);
    } else if (std::optional<std::string> problem = CheckPlainValue(scan, def, *counted.value)) {
        found = FileProblem{0, std::move(*problem)};
    }
    if (found) found->line = counted.line;
    return found;
}

// One key cannot do both: the loader leaves the mute key out.
void CheckKeyClash(Scan& scan) {
    const SettingDef& toggle = *FindDef("Settings", "ToggleKey");
    const SettingDef& mute = *FindDef("Settings", "MuteKey");
    const std::optional<KeyBinding> toggleKey = ReadKey(scan, toggle);
    const std::optional<KeyBinding> muteKey = ReadKey(scan, mute);
    if (!toggleKey || !muteKey || *toggleKey != *muteKey) return;
    scan.Add(scan.keys[IndexOf(mute)].line, "MuteKey=" + KeyBindingText(*muteKey) +
                                                " is ToggleKey's key too, which switches Quillomar off and on, so "
                                                "there is no mute key (choose another one)");
}

void CheckPairs(Scan& scan) {
    for (const SettingPair& pair : SettingPairs()) {
        const SettingDef& min = *FindDef(pair.section, pair.minKey);
        const SettingDef& max = *FindDef(pair.section, pair.maxKey);
        std::int32_t low = ReadInt(scan, min);
        std::int32_t high = ReadInt(scan, max);
        if (low <= high) continue;
        std::size_t line = scan.keys[IndexOf(max)].line;
        if (line == 0) line = scan.keys[IndexOf(min)].line;
        scan.Add(line, std::string(pair.maxKey) + " (" + std::to_string(high) + ") is below " + pair.minKey + " (" +
                           std::to_string(low) + "): " + pair.whenMinAboveMax);
    }
}

}  // namespace

std::size_t SettingLine(std::string_view file, const char* section, const char* key) {
    Scan scan;
    std::string decoded;
    CheckLines(scan, ini::AnsiText(file, decoded));
    const SettingDef* def = FindDef(section, key);
    return def != nullptr ? scan.keys[IndexOf(*def)].line : 0;
}

std::vector<FileProblem> CheckSettingsText(std::string_view file) {
    Scan scan;
    scan.file = file;
    std::string decoded;
    CheckLines(scan, ini::AnsiText(file, decoded));
    for (const SettingDef& def : SettingDefs()) {
        const KeyLine& counted = scan.keys[IndexOf(def)];
        if (counted.line == 0 || !counted.value) continue;
        if (std::optional<FileProblem> found = CheckValue(scan, def, counted))
            scan.problems.push_back(std::move(*found));
    }
    CheckPairs(scan);
    CheckKeyClash(scan);
    SortByLine(scan.problems);
    return std::move(scan.problems);
}

}  // namespace quillomar
