#include "scenario.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "config/key_bindings.h"
#include "core/player_folder.h"
#include "host/game_controls.h"
#include "keyboard.h"
#include "natives.h"
#include "platform/ascii_text.h"
#include "scenario_values.h"
#include "scenario_world.h"

namespace sim {
namespace {

constexpr std::int64_t kMaxTimes = std::numeric_limits<std::int32_t>::max();

Expectation ParseExpectation(const Json& expect) {
    CheckObject(expect, "an expectation", {"seen", "notSeen", "called", "times"});
    Expectation parsed;
    if (expect.contains("seen")) parsed.seen = ReadText(expect["seen"], "seen");
    if (expect.contains("notSeen")) parsed.notSeen = ReadText(expect["notSeen"], "notSeen");
    if (expect.contains("called")) {
        parsed.called = ReadText(expect["called"], "called");
        const NativeDef* native = FindNativeNamed(*parsed.called);
        if (native == nullptr)
            throw ScenarioError("\"called\" names no native the game knows: \"" + *parsed.called + "\"");
        parsed.calledHash = native->hash;
    }
    if (expect.contains("times")) parsed.times = ReadWhole(expect["times"], "times", 0, kMaxTimes);
    if (!parsed.seen && !parsed.notSeen && !parsed.called)
        throw ScenarioError("expect needs \"seen\", \"notSeen\" or \"called\"");
    if (parsed.seen && parsed.called && parsed.times)
        throw ScenarioError("expect with \"times\" counts either \"seen\" or \"called\", not both");
    return parsed;
}

// The game's names of the controls a prompt may use, or a hash as "0x…".
std::uint32_t ControlHash(const Json& value, const char* key) {
    if (value.is_string()) {
        if (const quillomar::GameControl* control = quillomar::ControlNamed(value.get_ref<const std::string&>())) {
            return control->hash;
        }
        if (value.get_ref<const std::string&>().rfind("0x", 0) != 0)
            throw ScenarioError("\"" + std::string(key) + "\" names no control the game knows: " + Shown(value));
    }
    return ReadHash(value, key);
}

// A key of its own, by name (a modifier's too) or code, for a move of Windows' key state alone.
std::uint32_t SingleKeyCode(const Json& key) {
    if (!key.is_string())
        return static_cast<std::uint32_t>(ReadWhole(key, "key", 0, 255, "a key code or a key's name"));
    for (const quillomar::ModifierKey& modifier : quillomar::kModifierKeys) {
        if (quillomar::SameName(key.get_ref<const std::string&>(), modifier.key.name)) return modifier.key.code;
    }
    const quillomar::KeyBindingRead read = quillomar::ReadKeyBinding(key.get_ref<const std::string&>());
    if (!read.binding || read.binding->modifiers != 0)
        throw ScenarioError("\"key\" names no single key: " + Shown(key));
    return read.binding->code;
}

// A key step: a name with its modifiers, the whole stroke, or a key code, one message; unseen, a
// single key moved in Windows' key state.
std::vector<KeyMessage> KeyMessages(const Json& step, bool unseen) {
    const Json& key = step["key"];
    const bool up = step.contains("up") && ReadFlag(step["up"], "up");
    if (unseen) return {KeyMessage{SingleKeyCode(key), 1, 0, 0, 0, up ? 1 : 0, up ? 1 : 0}};
    if (key.is_string()) {
        if (step.contains("up")) throw ScenarioError("\"up\" goes with a key code, not with a key's name");
        const quillomar::KeyBindingRead read = quillomar::ReadKeyBinding(key.get_ref<const std::string&>());
        if (!read.binding) throw ScenarioError("\"key\" names no key: " + Shown(key));
        return KeyStroke(*read.binding);
    }
    const auto code = static_cast<std::uint32_t>(ReadWhole(key, "key", 0, 0xFFFFFFFF, "a key code or a key's name"));
    return {KeyMessage{code, 1, 0, 0, 0, up ? 1 : 0, up ? 1 : 0}};
}

// The step's kind, told by the key it is made of, and the keys it may have beside it.
struct StepForm {
    const char* key;
    ScenarioStep::Kind kind;
    std::string_view keys[3];
    std::size_t keyCount;
};

const StepForm kStepForms[] = {
    {"run", ScenarioStep::Kind::Run, {"run", "ms"}, 2},
    {"set", ScenarioStep::Kind::SetPed, {"ped", "set"}, 2},
    {"remove", ScenarioStep::Kind::RemovePed, {"remove"}, 1},
    {"world", ScenarioStep::Kind::SetWorld, {"world"}, 1},
    {"press", ScenarioStep::Kind::Press, {"press"}, 1},
    {"restart", ScenarioStep::Kind::Restart, {"restart"}, 1},
    {"holdPrompt", ScenarioStep::Kind::HoldPrompt, {"holdPrompt"}, 1},
    {"key", ScenarioStep::Kind::Key, {"key", "up", "unseen"}, 3},
    {"note", ScenarioStep::Kind::Note, {"note"}, 1},
    {"expect", ScenarioStep::Kind::Expect, {"expect"}, 1},
    {"file", ScenarioStep::Kind::File, {"file", "text"}, 2},
    {"hold", ScenarioStep::Kind::Hold, {"hold"}, 1},
    {"release", ScenarioStep::Kind::Release, {"release"}, 1},
    {"folder", ScenarioStep::Kind::Folder, {"folder"}, 1},
};

const StepForm& FormOf(const Json& step) {
    if (step.is_object()) {
        for (const StepForm& form : kStepForms) {
            if (step.contains(form.key)) return form;
        }
    }
    throw ScenarioError(
        "a step needs one of run, ped with set, remove, world, press, holdPrompt, key, restart, note, expect, file, "
        "hold, release or folder");
}

// A file of the plug-in's folder: a plain name in it, never a path out of it. The settings file
// itself comes with "ini" at the start, but a step may change it.
std::string ReadFileName(const Json& value, std::string_view key, bool settingsToo) {
    const std::string name = ReadText(value, key);
    const bool plain = !name.empty() && name != "." && name != ".." && name.size() <= 255 &&
                       name.find_first_of(std::string_view("/\\:\0", 4)) == std::string::npos;
    if (!plain) {
        throw ScenarioError("\"" + std::string(key) + "\" needs a plain file name in the plug-in's folder, not " +
                            Shown(value));
    }
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!settingsToo && lower == "quillomar.ini") throw ScenarioError("\"files\" leaves Quillomar.ini to \"ini\"");
    return name;
}

void ParseStepValues(const Json& step, ScenarioStep& parsed) {
    switch (parsed.kind) {
        case ScenarioStep::Kind::Run:
            parsed.frames =
                static_cast<int>(ReadWhole(step["run"], "run", 0, kMaxRunFrames, "a whole number of frames"));
            if (step.contains("ms"))
                parsed.ms = static_cast<std::uint32_t>(
                    ReadWhole(step["ms"], "ms", 0, 0xFFFFFFFF, "a whole number of milliseconds"));
            break;
        case ScenarioStep::Kind::SetPed: {
            if (!step.contains("ped")) throw ScenarioError("\"set\" needs \"ped\", the handle of the ped to change");
            parsed.ped = ReadHandle(step["ped"], "ped");
            parsed.values = step["set"];
            Ped probe;
            ApplyPed(probe, parsed.values);
            break;
        }
        case ScenarioStep::Kind::RemovePed:
            parsed.ped = ReadHandle(step["remove"], "remove");
            break;
        case ScenarioStep::Kind::SetWorld: {
            parsed.values = step["world"];
            World probe;
            ApplyWorld(probe, parsed.values);
            break;
        }
        case ScenarioStep::Kind::Press:
            parsed.control = ControlHash(step["press"], "press");
            break;
        case ScenarioStep::Kind::HoldPrompt:
            parsed.control = ControlHash(step["holdPrompt"], "holdPrompt");
            break;
        case ScenarioStep::Kind::Restart:
            if (!ReadFlag(step["restart"], "restart")) throw ScenarioError("\"restart\" needs true, not false");
            break;
        case ScenarioStep::Kind::Key:
            parsed.unseen = step.contains("unseen") && ReadFlag(step["unseen"], "unseen");
            parsed.keys = KeyMessages(step, parsed.unseen);
            break;
        case ScenarioStep::Kind::Note:
            parsed.text = ReadText(step["note"], "note");
            break;
        case ScenarioStep::Kind::File:
            parsed.file = ReadFileName(step["file"], "file", true);
            if (!step.contains("text"))
                throw ScenarioError("\"file\" needs \"text\": what to write, or null to remove it");
            if (!step["text"].is_null()) parsed.contents = ReadText(step["text"], "text");
            break;
        case ScenarioStep::Kind::Hold:
        case ScenarioStep::Kind::Release:
        case ScenarioStep::Kind::Folder: {
            const char* key = parsed.kind == ScenarioStep::Kind::Hold      ? "hold"
                              : parsed.kind == ScenarioStep::Kind::Release ? "release"
                                                                           : "folder";
            parsed.file = ReadFileName(step[key], key, true);
            break;
        }
        case ScenarioStep::Kind::Expect: {
            const Json& expect = step["expect"];
            if (!expect.is_array()) {
                parsed.expectations.push_back(ParseExpectation(expect));
                break;
            }
            for (const Json& one : expect) parsed.expectations.push_back(ParseExpectation(one));
            break;
        }
    }
}

ScenarioStep ParseStep(const Json& step, int index) {
    const StepForm& form = FormOf(step);
    CheckObject(step, "a \"" + std::string(form.key) + "\" step", std::span(form.keys, form.keyCount));
    ScenarioStep parsed;
    parsed.index = index;
    parsed.kind = form.kind;
    ParseStepValues(step, parsed);
    return parsed;
}

std::uint32_t ReadWord(const Json& json, const char* key, std::uint32_t fallback) {
    return json.contains(key) ? static_cast<std::uint32_t>(ReadWhole(json[key], key, 0, 0xFFFFFFFF)) : fallback;
}

Scenario ParseTopLevel(const Json& json) {
    CheckObject(
        json, "a scenario",
        {"name", "description", "ini", "files", "startTick", "calendarSeconds", "frameMs", "world", "timeline"});
    Scenario scenario;
    if (json.contains("name")) scenario.name = ReadText(json["name"], "name");
    if (json.contains("description")) scenario.description = ReadText(json["description"], "description");
    if (json.contains("ini")) scenario.ini = ReadText(json["ini"], "ini");
    if (json.contains("files")) {
        if (!json["files"].is_object())
            throw ScenarioError("\"files\" needs to be an object, not " + Shown(json["files"]));
        for (const auto& [name, text] : json["files"].items()) {
            scenario.files.emplace_back(ReadFileName(Json(name), "files", false), ReadText(text, name));
        }
    }
    scenario.startTick = ReadWord(json, "startTick", 100000u);
    scenario.calendarSeconds = ReadWord(json, "calendarSeconds", 1780000000u);
    scenario.frameMs = ReadWord(json, "frameMs", 33u);
    return scenario;
}

// How deeply the text's arrays and objects nest, strings skipped. A scenario needs a handful of
// levels; a file nested thousands deep would overflow the stack of whatever reads it.
std::size_t NestingDepth(std::string_view text) {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

constexpr std::size_t kDeepestNesting = 64;

std::optional<std::string> ReadWholeFile(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return std::nullopt;
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, got);
    std::fclose(file);
    return text;
}

// Writes a file the scenario brings, unless a different one has its name already.
bool PlaceFile(const std::string& name, const std::string& text, std::string& error) {
    if (std::optional<std::string> existing = ReadWholeFile(name.c_str())) {
        if (*existing == text) return true;
        error = "a different " + name +
                " is here already; the scenario brings its own and will not overwrite it (use another --dir, or "
                "remove the file)";
        return false;
    }
    std::FILE* file = std::fopen(name.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int cause = errno;
    if (file != nullptr && std::fclose(file) != 0 && written) {
        written = false;
        cause = errno;
    }
    if (!written) error = "cannot write the scenario's " + name + " here: " + std::strerror(cause);
    return written;
}

}  // namespace

std::optional<Scenario> ParseScenario(std::string_view text, std::string& error) {
    std::string where;
    try {
        if (NestingDepth(text) > kDeepestNesting)
            throw ScenarioError("the file nests lists and objects more than " + std::to_string(kDeepestNesting) +
                                " deep");
        Json json = Json::parse(text);
        Scenario scenario = ParseTopLevel(json);
        where = "world: ";
        scenario.world = json.value("world", Json::object());
        World probe;
        ApplyWorld(probe, scenario.world);
        where.clear();
        const Json timeline = json.value("timeline", Json::array());
        CheckArray(timeline, "timeline");
        for (std::size_t i = 0; i < timeline.size(); ++i) {
            where = "step " + std::to_string(i + 1) + ": ";
            scenario.timeline.push_back(ParseStep(timeline[i], static_cast<int>(i)));
        }
        return scenario;
    } catch (const std::exception& failure) {
        error = where + failure.what();
        return std::nullopt;
    }
}

bool PlaceScenarioFiles(const Scenario& scenario, std::string& error) {
    if (scenario.ini && !PlaceFile(quillomar::kSettingsFile.Name(), *scenario.ini, error)) return false;
    for (const auto& [name, text] : scenario.files) {
        if (!PlaceFile(name, text, error)) return false;
    }
    return true;
}

}  // namespace sim
