// quillomar_tape: records the native tape of every world, playing it in the simulated game.
//   quillomar_tape OUT_DIR SCENARIO_DIR
// Every scenario file of SCENARIO_DIR and every generated world gives OUT_DIR/NAME.tape.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game.h"
#include "generated_worlds.h"
#include "natives.h"
#include "plugin_driver.h"
#include "scenario.h"
#include "tape.h"

namespace {

namespace fs = std::filesystem;

tape::Tape* gTape = nullptr;
bool gStarted = false;
int gModuleToken = 0;

void AppendCall(tape::Tape& tape, const sim::RecordedCall& recorded) {
    const sim::NativeDef* def = sim::FindNative(recorded.hash);
    tape::Call call;
    call.hash = recorded.hash;
    call.argCount = static_cast<std::uint32_t>(recorded.args.size());
    call.firstWrite = static_cast<std::uint32_t>(tape.writes.size());
    std::size_t outs = 0;
    for (std::uint32_t i = 0; i < call.argCount && i < tape::kMaxArgs; ++i) {
        const sim::RecordedArg& arg = recorded.args[i];
        if (arg.kind == sim::RecordedArg::Kind::Value) {
            call.args[i] = arg.slot;
            continue;
        }
        call.pointerArgs |= 1u << i;
        if (arg.kind != sim::RecordedArg::Kind::Out) continue;
        const std::vector<std::uint64_t>& slots = recorded.writes.at(outs++);
        if (slots.empty()) continue;
        // The nearby-ped buffer keeps its capacity in slot 0: the handles come after it.
        tape::Write write{static_cast<std::uint8_t>(i), def->params[i] == 'n' ? 1u : 0u,
                          static_cast<std::uint32_t>(tape.slots.size()), static_cast<std::uint32_t>(slots.size())};
        tape.slots.insert(tape.slots.end(), slots.begin(), slots.end());
        tape.writes.push_back(write);
        ++call.writeCount;
    }
    std::copy_n(recorded.results.begin(), std::min(recorded.results.size(), tape::kResultSlots), call.results);
    tape.calls.push_back(call);
}

// The script as the host runs it, noting each frame's calls as the frame ends.
void RecordingScript() {
    gStarted = true;
    driver::Start();
    for (;;) {
        driver::Frame();
        sim::Game& game = sim::TheGame();
        tape::Frame frame{game.clock.tick, gStarted, static_cast<std::uint32_t>(gTape->calls.size()),
                          static_cast<std::uint32_t>(game.calls.size())};
        gStarted = false;
        gTape->frames.push_back(frame);
        for (const sim::RecordedCall& call : game.calls) AppendCall(*gTape, call);
        scriptWait(0);
    }
}

void Load() { scriptRegister(&gModuleToken, RecordingScript); }
void Unload() { scriptUnregister(&gModuleToken); }
std::string NoSettings() { return "{}"; }
std::uint32_t NoReloads() { return 0; }

// A tape replays the frames alone: a scenario that changes the plug-in's files between them, or
// presses its keys, has none that could be replayed alike.
bool ActsBetweenFrames(const sim::Scenario& scenario) {
    return std::any_of(scenario.timeline.begin(), scenario.timeline.end(), [](const sim::ScenarioStep& step) {
        using Kind = sim::ScenarioStep::Kind;
        return step.kind == Kind::File || step.kind == Kind::Hold || step.kind == Kind::Folder ||
               step.kind == Kind::Key;
    });
}

// Plays the scenario in a fresh folder of its own and saves its tape. False when it cannot.
bool Record(const std::string& name, const std::string& json, bool generated, const fs::path& outDir) {
    std::string error;
    std::optional<sim::Scenario> scenario = sim::ParseScenario(json, error);
    if (!scenario) {
        std::fprintf(stderr, "quillomar_tape: %s: %s\n", name.c_str(), error.c_str());
        return false;
    }
    if (ActsBetweenFrames(*scenario)) return true;
    tape::Tape tape;
    tape.name = name;
    tape.generated = generated;
    tape.calendarSeconds = scenario->calendarSeconds;
    tape.ini = scenario->ini;
    tape.files = scenario->files;
    gTape = &tape;

    const fs::path previous = fs::current_path();
    const fs::path dir = outDir / ("play-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    if (!sim::PlaceScenarioFiles(*scenario, error)) {
        std::fprintf(stderr, "quillomar_tape: %s: %s\n", name.c_str(), error.c_str());
        fs::current_path(previous);
        return false;
    }
    sim::ScenarioResult result = sim::PlayScenario(*scenario, {Load, Unload, NoSettings, NoReloads}, {}, nullptr);
    fs::current_path(previous);
    fs::remove_all(dir);
    gTape = nullptr;
    for (const std::string& failure : result.failures)
        std::fprintf(stderr, "quillomar_tape: %s: %s\n", name.c_str(), failure.c_str());
    return tape::Save(tape, outDir.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quillomar_tape OUT_DIR SCENARIO_DIR\n");
        return 2;
    }
    const fs::path outDir = fs::absolute(argv[1]);
    fs::create_directories(outDir);
    for (const fs::directory_entry& entry : fs::directory_iterator(outDir)) {
        const fs::path kind = entry.path().extension();
        if (kind == ".tape" || kind == ".ini" || kind == ".files") fs::remove_all(entry.path());
    }
    bool ok = true;
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[2])) {
        if (entry.path().extension() != ".json") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        ok = Record(entry.path().stem().string(), text.str(), false, outDir) && ok;
    }
    for (const worlds::GeneratedWorld& world : worlds::GeneratedWorlds())
        ok = Record(world.name, world.scenarioJson, true, outDir) && ok;
    return ok ? 0 : 1;
}
