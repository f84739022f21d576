#include "scenario.h"

#include <cstdio>
#include <iterator>
#include <limits>
#include <map>

#include "host/control_hashes.h"
#include "host/native_hashes.h"
#include "movement.h"
#include "script_runner.h"
#include "trace.h"

namespace sim {
namespace {

using Json = nlohmann::json;

}  // namespace

void from_json(const Json& json, Vec3& v) {
    if (!json.is_array() || json.size() != 3) throw std::runtime_error("a position is [x, y, z]");
    v = {json[0].get<float>(), json[1].get<float>(), json[2].get<float>()};
}

namespace {

template <auto Member>
void Set(Ped& ped, const Json& value) {
    value.get_to(ped.*Member);
}

// A hash given as a number or as "0x…" text.
template <auto Member>
void SetHash(Ped& ped, const Json& value) {
    ped.*Member = value.is_string() ? static_cast<std::uint32_t>(std::stoul(value.get<std::string>(), nullptr, 16))
                                    : value.get<std::uint32_t>();
}

// A coordinate: a number, or "nan", "inf" or "-inf" for the values JSON cannot spell, as a
// misbehaving game might report them.
float Coordinate(const Json& value) {
    if (!value.is_string()) return value.get<float>();
    const std::string& text = value.get_ref<const std::string&>();
    if (text == "nan") return std::numeric_limits<float>::quiet_NaN();
    if (text == "inf" || text == "-inf")
        return (text[0] == '-' ? -1.0f : 1.0f) * std::numeric_limits<float>::infinity();
    throw std::runtime_error("a coordinate is a number, \"nan\", \"inf\" or \"-inf\"");
}

void SetPosition(Ped& ped, const Json& value) {
    if (!value.is_array() || value.size() != 3) throw std::runtime_error("a position is [x, y, z]");
    ped.position = {Coordinate(value[0]), Coordinate(value[1]), Coordinate(value[2])};
}

struct PedProperty {
    const char* name;
    void (*apply)(Ped&, const Json&);
};

// Every ped property a scenario may set, by its name in the file.
constexpr PedProperty kPedProperties[] = {
    {"human", Set<&Ped::human>},
    {"hogtied", Set<&Ped::hogtied>},
    {"beingHogtied", Set<&Ped::beingHogtied>},
    {"flag327", Set<&Ped::flag327>},
    {"dead", Set<&Ped::dead>},
    {"dying", Set<&Ped::dying>},
    {"writhing", Set<&Ped::writhing>},
    {"fatallyInjured", Set<&Ped::fatallyInjured>},
    {"incapacitated", Set<&Ped::incapacitated>},
    {"ragdoll", Set<&Ped::ragdoll>},
    {"fleeing", Set<&Ped::fleeing>},
    {"inMelee", Set<&Ped::inMelee>},
    {"armed", Set<&Ped::armed>},
    {"male", Set<&Ped::male>},
    {"onScreen", Set<&Ped::onScreen>},
    {"inCover", Set<&Ped::inCover>},
    {"health", Set<&Ped::health>},
    {"maxHealth", Set<&Ped::maxHealth>},
    {"pedType", Set<&Ped::pedType>},
    {"relationshipGroup", SetHash<&Ped::relationshipGroup>},
    {"relationshipToPlayer", Set<&Ped::relationshipToPlayer>},
    {"model", SetHash<&Ped::model>},
    {"heading", Set<&Ped::heading>},
    {"speed", Set<&Ped::speed>},
    {"position", SetPosition},
    {"fighting", Set<&Ped::fightingPeds>},
    {"damagedBy", Set<&Ped::damagedBy>},
};

void ApplyPed(Ped& ped, const Json& values) {
    for (const auto& [name, value] : values.items()) {
        const PedProperty* property = nullptr;
        for (const PedProperty& candidate : kPedProperties) {
            if (name == candidate.name) property = &candidate;
        }
        if (property == nullptr) throw std::runtime_error("unknown ped property '" + name + "'");
        property->apply(ped, value);
    }
}

void ApplyWorld(World& world, const Json& values) {
    for (const auto& [name, value] : values.items()) {
        if (name == "player") {
            value.get_to(world.playerPed);
        } else if (name == "playerIndex") {
            value.get_to(world.playerIndex);
        } else if (name == "playerInPlay") {
            value.get_to(world.playerInPlay);
        } else if (name == "missionActive") {
            value.get_to(world.missionActive);
        } else if (name == "refuseSpeech") {
            value.get_to(world.speechRefused);
        } else if (name == "freeAim") {
            value.get_to(world.freeAimEntity);
        } else if (name == "lockOn") {
            value.get_to(world.lockOnEntity);
        } else if (name == "focus") {
            value.get_to(world.focusEntity);
        } else if (name == "cameraPosition") {
            value.get_to(world.cameraPosition);
        } else if (name == "cameraRotation") {
            value.get_to(world.cameraRotation);
        } else if (name == "nearbyOrder") {
            value.get_to(world.nearbyOrder);
        } else if (name == "nearbyClaim") {
            world.nearbyClaim = value.is_null() ? std::nullopt : std::optional<std::int32_t>(value.get<std::int32_t>());
        } else if (name == "nullGameTexts") {
            value.get_to(world.nullGameTexts);
        } else if (name == "nullPromptHandles") {
            value.get_to(world.nullPromptHandles);
        } else if (name == "objects") {
            for (const Json& object : value)
                world.objects[object.at("handle").get<std::int32_t>()].position = object.at("position").get<Vec3>();
        } else if (name == "peds") {
            for (const Json& ped : value)
                ApplyPed(world.peds[ped.at("handle").get<std::int32_t>()], ped.value("set", Json::object()));
        } else {
            throw std::runtime_error("unknown world property '" + name + "'");
        }
    }
}

void ValidateExpectation(const Json& expect) {
    if (!expect.contains("seen") && !expect.contains("notSeen") && !expect.contains("called")) {
        throw std::runtime_error("expect needs \"seen\", \"notSeen\" or \"called\"");
    }
    if (expect.contains("seen") && expect.contains("called") && expect.contains("times")) {
        throw std::runtime_error("expect with \"times\" counts either \"seen\" or \"called\", not both");
    }
}

// The game's names of the controls a prompt may use, or a hash as "0x…".
std::uint32_t ControlHash(const std::string& name) {
    for (const quillomar::NamedControl& control : quillomar::kNamedControls) {
        if (name == control.name) return control.hash;
    }
    if (name.rfind("0x", 0) == 0) return static_cast<std::uint32_t>(std::stoul(name, nullptr, 16));
    throw std::runtime_error("unknown control '" + name + "'");
}

ScenarioStep ParseStep(const Json& step, int index) {
    ScenarioStep parsed;
    parsed.index = index;
    if (step.contains("run")) {
        parsed.kind = ScenarioStep::Kind::Run;
        parsed.frames = step.at("run").get<int>();
        if (parsed.frames < 0) throw std::runtime_error("run needs a frame count of 0 or more");
        if (step.contains("ms")) parsed.ms = step.at("ms").get<std::uint32_t>();
    } else if (step.contains("ped") && step.contains("set")) {
        parsed.kind = ScenarioStep::Kind::SetPed;
        parsed.ped = step.at("ped").get<std::int32_t>();
        parsed.values = step.at("set");
        Ped probe;
        ApplyPed(probe, parsed.values);  // reject unknown properties when the file is read
    } else if (step.contains("remove")) {
        parsed.kind = ScenarioStep::Kind::RemovePed;
        parsed.ped = step.at("remove").get<std::int32_t>();
    } else if (step.contains("world")) {
        parsed.kind = ScenarioStep::Kind::SetWorld;
        parsed.values = step.at("world");
        World probe;
        ApplyWorld(probe, parsed.values);
    } else if (step.contains("press")) {
        parsed.kind = ScenarioStep::Kind::Press;
        parsed.control = ControlHash(step.at("press").get<std::string>());
    } else if (step.contains("restart")) {
        parsed.kind = ScenarioStep::Kind::Restart;
    } else if (step.contains("key")) {
        parsed.kind = ScenarioStep::Kind::Key;
        parsed.control = step.at("key").get<std::uint32_t>();
        parsed.values = step.value("up", false);
    } else if (step.contains("note")) {
        parsed.kind = ScenarioStep::Kind::Note;
        parsed.values = step.at("note").get<std::string>();
    } else if (step.contains("expect")) {
        parsed.kind = ScenarioStep::Kind::Expect;
        const Json& expect = step.at("expect");
        parsed.values = expect.is_array() ? expect : Json::array({expect});
        for (const Json& one : parsed.values) ValidateExpectation(one);
    } else {
        throw std::runtime_error(
            "a step needs one of run, ped with set, remove, world, press, key, restart, note or expect");
    }
    return parsed;
}

struct Player {
    const Scenario& scenario;
    ScenarioResult result;
    int frame = 0;
    std::size_t checkedEvents = 0;                // events before this were judged by an earlier expectation
    std::map<std::string, int> callsSinceExpect;  // native calls by name since the last expectation
};

void RunFrames(Player& player, int frames, std::uint32_t ms) {
    Game& game = TheGame();
    for (int i = 0; i < frames; ++i) {
        ++player.frame;
        std::size_t firstCall = game.calls.size();
        game.events.clear();
        game.gameTexts.clear();  // a game text lives for the frame it is made in
        player.result.trace.push_back(TraceFrame(player.frame, game.clock.tick));
        RunFrame();
        game.pressedControl = 0;  // a press lasts one frame
        std::vector<RecordedCall> calls(game.calls.begin() + static_cast<std::ptrdiff_t>(firstCall), game.calls.end());
        for (const RecordedCall& call : calls) {
            player.result.trace.push_back(TraceCall(call));
            ++player.callsSinceExpect[NativeName(call.hash)];
        }
        if (const char* gate = GateThatEndedFrame(calls))
            game.events.insert(game.events.begin(), std::string("stopped at a gate: ") + gate);
        for (std::string& text : game.events)
            player.result.events.push_back({player.frame, game.clock.tick, std::move(text)});
        game.events.clear();
        game.calls.clear();  // the trace keeps them; a long scenario must not grow without bound
        game.clock.tick += ms;
        // While the clock moves, peds with a move-to task cover ground; what they reach is told at once.
        MovePeds(game, ms);
        for (std::string& text : game.events)
            player.result.events.push_back({player.frame, game.clock.tick, std::move(text)});
        game.events.clear();
    }
}

// Judges a count: exactly times when given, else at least once.
void CheckCount(Player& player, const std::string& where, const std::string& what, int count, const Json& expect) {
    if (expect.contains("times")) {
        int times = expect.at("times").get<int>();
        if (count != times) {
            player.result.failures.push_back(where + ": expected " + what + " " + std::to_string(times) +
                                             " times, saw it " + std::to_string(count) + " times");
        }
    } else if (count == 0) {
        player.result.failures.push_back(where + ": expected " + what + ", never seen");
    }
}

void CheckOneExpectation(Player& player, const Json& expect, const std::string& where) {
    auto matches = [&](const std::string& text) {
        int count = 0;
        for (std::size_t i = player.checkedEvents; i < player.result.events.size(); ++i) {
            if (player.result.events[i].text.find(text) != std::string::npos) ++count;
        }
        return count;
    };
    if (expect.contains("seen")) {
        std::string text = expect.at("seen").get<std::string>();
        CheckCount(player, where, "\"" + text + "\"", matches(text), expect);
    }
    if (expect.contains("called")) {
        std::string name = expect.at("called").get<std::string>();
        CheckCount(player, where, "a call of " + name, player.callsSinceExpect[name], expect);
    }
    if (expect.contains("notSeen")) {
        std::string text = expect.at("notSeen").get<std::string>();
        if (matches(text) > 0) player.result.failures.push_back(where + ": \"" + text + "\" happened");
    }
}

// Every expectation of the step judges what happened since the previous expect step.
void CheckExpectation(Player& player, const ScenarioStep& step) {
    std::string where = "step " + std::to_string(step.index + 1) + " (frame " + std::to_string(player.frame) + ")";
    for (const Json& expect : step.values) CheckOneExpectation(player, expect, where);
    player.checkedEvents = player.result.events.size();
    player.callsSinceExpect.clear();
}

void PlayStep(Player& player, const ScenarioStep& step) {
    World& world = TheGame().world;
    switch (step.kind) {
        case ScenarioStep::Kind::Run:
            RunFrames(player, step.frames, step.ms != 0 ? step.ms : player.scenario.frameMs);
            break;
        case ScenarioStep::Kind::SetPed:
            ApplyPed(world.peds[step.ped], step.values);
            break;
        case ScenarioStep::Kind::RemovePed:
            world.peds.erase(step.ped);
            break;
        case ScenarioStep::Kind::SetWorld:
            ApplyWorld(world, step.values);
            break;
        case ScenarioStep::Kind::Expect:
            CheckExpectation(player, step);
            break;
        case ScenarioStep::Kind::Press:
            TheGame().pressedControl = step.control;
            break;
        case ScenarioStep::Kind::Restart:
            // As after the game reloads a save: the script starts again from the top.
            StopScript();
            StartScript();
            break;
        case ScenarioStep::Kind::Key:
            SendKey(step.control, step.values.get<bool>());
            break;
        case ScenarioStep::Kind::Note:
            player.result.notes.push_back({player.frame, step.values.get<std::string>()});
            break;
    }
}

}  // namespace

std::optional<Scenario> ParseScenario(std::string_view text, std::string& error) {
    try {
        Json json = Json::parse(text);
        Scenario scenario;
        scenario.name = json.value("name", "");
        scenario.description = json.value("description", "");
        if (json.contains("ini")) scenario.ini = json.at("ini").get<std::string>();
        scenario.startTick = json.value("startTick", 100000u);
        scenario.calendarSeconds = json.value("calendarSeconds", 1780000000u);
        scenario.frameMs = json.value("frameMs", 33u);
        scenario.world = json.value("world", Json::object());
        World probe;
        ApplyWorld(probe, scenario.world);
        const Json& timeline = json.value("timeline", Json::array());
        for (std::size_t i = 0; i < timeline.size(); ++i)
            scenario.timeline.push_back(ParseStep(timeline[i], static_cast<int>(i)));
        return scenario;
    } catch (const std::exception& failure) {
        error = failure.what();
        return std::nullopt;
    }
}

ScenarioResult PlayScenario(const Scenario& scenario, const PluginHooks& hooks) {
    if (scenario.ini) {
        std::FILE* file = std::fopen("Quillomar.ini", "wb");
        if (file != nullptr) {
            std::fwrite(scenario.ini->data(), 1, scenario.ini->size(), file);
            std::fclose(file);
        }
    }
    StopScript();
    ResetGame();
    Game& game = TheGame();
    game.clock = {scenario.startTick, scenario.calendarSeconds};
    ApplyWorld(game.world, scenario.world);

    Player player{scenario, {}, 0, 0, {}};
    hooks.load();
    StartScript();
    // The first frame runs start-up, so the settings are known only after it.
    std::size_t header = player.result.trace.size();
    for (const ScenarioStep& step : scenario.timeline) PlayStep(player, step);
    player.result.trace.insert(player.result.trace.begin() + static_cast<std::ptrdiff_t>(header),
                               TraceHeader(scenario.calendarSeconds, hooks.settingsObject()));
    StopScript();
    hooks.unload();
    return std::move(player.result);
}

const char* GateThatEndedFrame(const std::vector<RecordedCall>& calls) {
    namespace n = quillomar::native;
    struct Gate {
        std::uint64_t hash;
        bool endsFrameWhen;
        const char* reason;
    };
    static constexpr Gate kGates[] = {
        {n::GET_MISSION_FLAG, true, "a mission is active"},
        {n::DOES_ENTITY_EXIST, false, "the player has no ped"},
        {n::IS_ENTITY_DEAD, true, "the player is dead"},
        {n::IS_PLAYER_CONTROL_ON, false, "the player is not in play"},
        {n::IS_PED_RAGDOLL, true, "the player is ragdolling"},
        {n::IS_PED_DEAD_OR_DYING, true, "the player is dying"},
    };
    if (calls.empty()) return "the plug-in is disabled";
    for (const RecordedCall& call : calls) {
        // The player's ped and index are read, and prompts of a former ped deleted, among the gates.
        if (call.hash == n::PLAYER_PED_ID || call.hash == n::PLAYER_ID || call.hash == n::UI_PROMPT_DELETE) continue;
        const Gate* gate = nullptr;
        for (const Gate& candidate : kGates) {
            if (candidate.hash == call.hash) gate = &candidate;
        }
        if (gate == nullptr) return nullptr;  // past the gates
        bool result = !call.results.empty() && (call.results[0] & 0xFFFFFFFFu) != 0;
        if (result == gate->endsFrameWhen) return gate->reason;
        // The dying test is the last gate: the calls after it are the stages', whatever they ask.
        if (call.hash == n::IS_PED_DEAD_OR_DYING) return nullptr;
    }
    return nullptr;
}

}  // namespace sim
