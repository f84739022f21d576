// Playing a scenario: its steps in order against the simulated game, what happens told as it
// happens, and only what the next expectation needs kept.

#include <algorithm>
#include <map>

#include "folder_files.h"
#include "host/native_hashes.h"
#include "keyboard.h"
#include "movement.h"
#include "scenario.h"
#include "scenario_world.h"
#include "script_runner.h"

namespace sim {
namespace {

struct Player {
    const Scenario& scenario;
    const PluginHooks& hooks;
    const ScenarioListener& listener;
    TraceWriter* trace;
    ScenarioResult result{};
    std::int64_t frame = 0;
    bool startPending = true;                // the script was started and has not yet run its first frame
    bool told = false;                       // the listener knows the plug-in started
    std::uint32_t reloads = 0;               // the plug-in's reads of the player's files since its start, as last told
    const char* gate = nullptr;              // the gate the last frame stopped at, none when it passed them
    std::vector<KeyMessage> keysForTrace{};  // sent since the last frame, recorded before the next
    // The next expect step's expectations, and what they count since the previous one.
    const std::vector<Expectation>* watched = nullptr;
    std::vector<std::int64_t> seenCounts{};
    std::vector<std::int64_t> notSeenCounts{};
    std::map<std::uint64_t, std::int64_t> callsSinceExpect{};  // by hash: one entry per native at most
};

void WatchNextExpect(Player& player, std::size_t from) {
    player.watched = nullptr;
    for (std::size_t i = from; i < player.scenario.timeline.size() && player.watched == nullptr; ++i) {
        const ScenarioStep& step = player.scenario.timeline[i];
        if (step.kind == ScenarioStep::Kind::Expect) player.watched = &step.expectations;
    }
    std::size_t count = player.watched != nullptr ? player.watched->size() : 0;
    player.seenCounts.assign(count, 0);
    player.notSeenCounts.assign(count, 0);
    player.callsSinceExpect.clear();
}

// An event counts for the expectations; the listener hears it unless told otherwise.
void Tell(Player& player, std::string&& text, bool toListener = true) {
    ScenarioEvent event{player.frame, TheGame().clock.tick, std::move(text)};
    for (std::size_t i = 0; player.watched != nullptr && i < player.watched->size(); ++i) {
        const Expectation& expect = (*player.watched)[i];
        if (expect.seen && event.text.find(*expect.seen) != std::string::npos) ++player.seenCounts[i];
        if (expect.notSeen && event.text.find(*expect.notSeen) != std::string::npos) ++player.notSeenCounts[i];
    }
    if (toListener && player.listener.event) player.listener.event(event);
}

// Every frame stopped at a gate is an event, but the listener hears only of the first frame that
// stops at it and of the first that passes the gates again: a long wait is two lines, not one a frame.
void TellGate(Player& player, const char* gate) {
    const bool sameAsBefore = gate != nullptr && player.gate != nullptr && std::string_view(gate) == player.gate;
    if (gate != nullptr) Tell(player, std::string("stopped at a gate: ") + gate, !sameAsBefore);
    if (gate == nullptr && player.gate != nullptr) Tell(player, "passed the gates again");
    player.gate = gate;
}

void TellGameEvents(Player& player) {
    for (std::string& text : TheGame().events) Tell(player, std::move(text));
    TheGame().events.clear();
}

// A start of the script has run its start-up: the settings it read go on the record.
void RecordStart(Player& player, bool ranStartUp = true) {
    player.startPending = false;
    player.reloads = player.hooks.reloads();
    if (player.trace != nullptr) player.trace->Start(TheGame().clock.CalendarNow(), player.hooks.filesFields());
    if (!player.told && player.listener.started) player.listener.started(ranStartUp);
    player.told = true;
}

// The plug-in read the player's files again in the frame just run: what it read goes on the
// record before the frame, which used it.
void RecordReload(Player& player) {
    const std::uint32_t reloads = player.hooks.reloads();
    if (reloads == player.reloads) return;
    player.reloads = reloads;
    if (player.trace != nullptr) player.trace->Reload(player.hooks.filesFields());
}

void RunFrames(Player& player, int frames, std::uint32_t ms) {
    Game& game = TheGame();
    for (int i = 0; i < frames; ++i) {
        ++player.frame;
        game.calls.clear();
        game.events.clear();
        game.gameTexts.clear();  // a game text lives for the frame it is made in
        RunFrame();
        game.pressedControl = 0;  // a press lasts one frame, and so does the end of a hold
        game.heldControl = 0;
        if (player.startPending) {
            RecordStart(player);
        } else {
            RecordReload(player);
        }
        if (player.trace != nullptr) {
            for (const KeyMessage& message : player.keysForTrace) player.trace->Key(message);
            player.trace->Frame(player.frame, game.clock.tick);
        }
        player.keysForTrace.clear();
        for (const RecordedCall& call : game.calls) {
            if (player.trace != nullptr) player.trace->Call(call);
            ++player.callsSinceExpect[call.hash];
        }
        TellGate(player, GateThatEndedFrame(game.calls));
        TellGameEvents(player);
        game.calls.clear();  // a long scenario must not grow without bound
        game.clock.tick += ms;
        // While the clock moves, peds with a move-to task cover ground; what they reach is told at once.
        MovePeds(game, ms);
        TellGameEvents(player);
    }
}

// Judges a count: exactly times when given, else at least once.
void CheckCount(Player& player, const std::string& where, const std::string& what, std::int64_t count,
                const Expectation& expect) {
    if (expect.times) {
        if (count != *expect.times) {
            player.result.failures.push_back(where + ": expected " + what + " " + std::to_string(*expect.times) +
                                             " times, saw it " + std::to_string(count) + " times");
        }
    } else if (count == 0) {
        player.result.failures.push_back(where + ": expected " + what + ", never seen");
    }
}

// Every expectation of the step judges what happened since the previous expect step.
void CheckExpectations(Player& player, const ScenarioStep& step) {
    std::string where = "step " + std::to_string(step.index + 1) + " (frame " + std::to_string(player.frame) + ")";
    for (std::size_t i = 0; i < step.expectations.size(); ++i) {
        const Expectation& expect = step.expectations[i];
        if (expect.seen) CheckCount(player, where, "\"" + *expect.seen + "\"", player.seenCounts[i], expect);
        if (expect.called) {
            auto calls = player.callsSinceExpect.find(expect.calledHash);
            std::int64_t count = calls != player.callsSinceExpect.end() ? calls->second : 0;
            CheckCount(player, where, "a call of " + *expect.called, count, expect);
        }
        if (expect.notSeen && player.notSeenCounts[i] > 0)
            player.result.failures.push_back(where + ": \"" + *expect.notSeen + "\" happened");
    }
    WatchNextExpect(player, static_cast<std::size_t>(step.index) + 1);
}

// The simulated wall-clock time: the calendar at the start, moved on with the clock.
std::uint64_t WallMs(const Player& player) {
    const Clock& clock = TheGame().clock;
    return std::uint64_t{clock.calendarSeconds} * 1000 + (clock.tick - player.scenario.startTick);
}

// A file of the plug-in's folder changed between frames, as a player or another program would.
void ChangeFolder(Player& player, const ScenarioStep& step) {
    std::string error;
    bool done = true;
    if (step.kind == ScenarioStep::Kind::Release) {
        ReleaseFolderFile(step.file);
    } else if (step.kind == ScenarioStep::Kind::Folder) {
        done = MakeFolderInFolder(step.file, error);
    } else if (step.kind == ScenarioStep::Kind::Hold) {
        done = HoldFolderFile(step.file, error);
    } else {
        done = step.contents ? WriteFolderFile(step.file, *step.contents, WallMs(player), error)
                             : RemoveFolderFile(step.file, error);
    }
    if (!done)
        player.result.failures.push_back("step " + std::to_string(step.index + 1) + ": " + step.file + ": " + error);
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
            CheckExpectations(player, step);
            break;
        case ScenarioStep::Kind::Press:
            TheGame().pressedControl = step.control;
            break;
        case ScenarioStep::Kind::HoldPrompt:
            TheGame().heldControl = step.control;
            break;
        case ScenarioStep::Kind::Restart:
            // As after the game reloads a save: the script starts again from the top.
            StopScript();
            StartScript();
            player.startPending = true;
            break;
        case ScenarioStep::Kind::Key:
            for (KeyMessage message : step.keys) {
                if (step.unseen) {
                    SetKeyDown(message.code, message.isUp == 0);
                    continue;
                }
                SendKey(message);
                if (player.trace != nullptr) player.keysForTrace.push_back(message);
            }
            break;
        case ScenarioStep::Kind::Note:
            if (player.listener.note) player.listener.note(step.text);
            break;
        case ScenarioStep::Kind::File:
        case ScenarioStep::Kind::Hold:
        case ScenarioStep::Kind::Release:
        case ScenarioStep::Kind::Folder:
            ChangeFolder(player, step);
            break;
    }
}

}  // namespace

ScenarioResult PlayScenario(const Scenario& scenario, const PluginHooks& hooks, const ScenarioListener& listener,
                            TraceWriter* trace) {
    StopScript();
    ResetGame();
    Game& game = TheGame();
    game.clock = {scenario.startTick, scenario.calendarSeconds, scenario.startTick};
    ApplyWorld(game.world, scenario.world);

    Player player{scenario, hooks, listener, trace};
    WatchNextExpect(player, 0);
    hooks.load();
    StartScript();
    for (const ScenarioStep& step : scenario.timeline) PlayStep(player, step);
    // A scenario that runs no frame still names its settings.
    if (!player.told) RecordStart(player, false);
    StopScript();
    hooks.unload();
    ReleaseAllFolderFiles();
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
    // A frame past the first gate begins with the mission question or the player's ped, after any
    // prompts deleted for settings read again and the question whether the Mute line prompt was
    // held; a disabled one asks neither, whatever it draws.
    auto first = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& call) {
        return call.hash != n::UI_PROMPT_DELETE && call.hash != n::UI_PROMPT_HAS_HOLD_MODE_COMPLETED;
    });
    if (first == calls.end() || (first->hash != n::GET_MISSION_FLAG && first->hash != n::PLAYER_PED_ID)) {
        return "the plug-in is disabled";
    }
    for (const RecordedCall& call : calls) {
        // The player's ped and index are read, and prompts of a former ped deleted, among the gates.
        if (call.hash == n::PLAYER_PED_ID || call.hash == n::PLAYER_ID || call.hash == n::UI_PROMPT_DELETE ||
            call.hash == n::UI_PROMPT_HAS_HOLD_MODE_COMPLETED) {
            continue;
        }
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
