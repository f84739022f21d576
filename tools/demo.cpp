#include "demo.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>

#include "config/settings.h"
#include "plugin_session.h"

namespace tool {
namespace {

constexpr std::uint32_t kStartTick = 100000;
constexpr std::uint32_t kCalendarSeconds = 1780000000;
constexpr std::uint32_t kFrameMs = 33;
constexpr std::int32_t kArthur = 1001;
constexpr std::int32_t kJohn = 1002;

struct Beat {
    const char* caption;
    std::function<void(sim::World&)> change;
    int frames;
};

int CountLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines;
}

void PlayBeat(const Beat& beat, int& frame, std::ostream& out) {
    out << "\n" << beat.caption << "\n";
    beat.change(sim::TheGame().world);
    for (int i = 0; i < beat.frames; ++i) {
        sim::TheGame().clock.tick += kFrameMs;
        ++frame;
        const char* gate = GateThatEndedFrame(RunOneFrame());
        out << "  frame " << frame << "  tick " << sim::TheGame().clock.tick << "  "
            << (gate != nullptr ? std::string("stopped: ") + gate : std::string("passed every gate")) << "\n";
    }
}

}  // namespace

int RunDemo(const std::string& dir, std::ostream& out, std::ostream& err) {
    std::string used = EnterPluginDirectory(dir);
    if (used.empty()) {
        err << "quillomar: cannot use the directory '" << dir << "'\n";
        return 1;
    }
    bool hadSettings = std::filesystem::exists("Quillomar.ini");
    out << "Quillomar in the simulated game, in " << used << "\n";

    LoadPlugin(kStartTick - kFrameMs, kCalendarSeconds);
    sim::World& world = sim::TheGame().world;
    world.peds[kArthur] = {};
    world.playerPed = kArthur;

    int frame = 0;
    PlayBeat({"Arthur rides through the world; each frame passes the gates.", [](sim::World&) {}, 1}, frame, out);
    if (hadSettings) {
        out << "  settings: read the existing Quillomar.ini\n";
    } else {
        out << "  settings: no Quillomar.ini, so the commented default file was written ("
            << CountLines("Quillomar.ini") << " lines)\n";
    }
    out << "  seed: " << kCalendarSeconds << " (the calendar seconds at start-up)\n";
    out << "  plug-in " << (quillomar::gSettings.enabled ? "enabled" : "disabled") << ", max distance "
        << quillomar::gSettings.maxDistance << " m\n";

    const Beat beats[] = {
        {"Still riding.", [](sim::World&) {}, 2},
        {"A mission starts (active in missions by default).", [](sim::World& w) { w.missionActive = true; }, 1},
        {"Arthur is thrown from his horse and ragdolls.", [](sim::World& w) { w.peds[kArthur].ragdoll = true; }, 2},
        {"He gets up.", [](sim::World& w) { w.peds[kArthur].ragdoll = false; }, 1},
        {"A cutscene takes control from the player.", [](sim::World& w) { w.playerInPlay = false; }, 1},
        {"Control returns.", [](sim::World& w) { w.playerInPlay = true; }, 1},
        {"Arthur is shot and is dying.", [](sim::World& w) { w.peds[kArthur].dying = true; }, 1},
        {"He dies.", [](sim::World& w) { w.peds[kArthur].dead = true; }, 1},
        {"The game respawns the player as John, a new ped.",
         [](sim::World& w) {
             w.peds.erase(kArthur);
             w.peds[kJohn] = {};
             w.playerPed = kJohn;
         },
         2},
    };
    for (const Beat& beat : beats) PlayBeat(beat, frame, out);
    UnloadPlugin();
    return 0;
}

}  // namespace tool
