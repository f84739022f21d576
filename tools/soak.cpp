#include "soak.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "chaos.h"
#include "game.h"
#include "plugin/plugin.h"
#include "plugin/plugin_state.h"
#include "plugin/update_frame.h"
#include "speech/line_catalogue.h"

namespace tool {
namespace {

constexpr const char* kSoakUsage =
    "usage: quillomar soak --frames N [--seed S] [--peds K]\n"
    "\n"
    "Plays the plug-in for N frames (1 to 1000000000) in a world whose peds keep appearing and\n"
    "vanishing under new handles, whose natives now and then answer arbitrarily, whose tick count\n"
    "starts just before its wrap and whose script is started again now and then. Keeps no record.\n"
    "Prints frames per second, the peak memory and the size of every piece of the plug-in's state\n"
    "beside its bound; exits 1 when a size passes its bound.\n"
    "  --seed S    the world's and the answers' generator (default 1)\n"
    "  --peds K    peds in the world at any time, 1 to 256 (default 24)\n";

constexpr std::int32_t kPlayer = 1;
constexpr std::uint32_t kFramesPerRestart = 250000;
constexpr std::uint32_t kFrameMs = 33;

struct SoakOptions {
    std::uint64_t frames = 0;
    std::uint64_t seed = 1;
    std::uint64_t peds = 24;
};

bool ParseNumber(std::string_view text, std::uint64_t low, std::uint64_t high, std::uint64_t& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value >= low && value <= high;
}

std::string ParseSoakOptions(std::span<const std::string_view> args, SoakOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        std::uint64_t* value = arg == "--frames" ? &options.frames
                               : arg == "--seed" ? &options.seed
                               : arg == "--peds" ? &options.peds
                                                 : nullptr;
        if (value == nullptr) return "unknown option '" + std::string(arg) + "'";
        if (!hasValue) return std::string(arg) + " needs a whole number";
        const std::uint64_t high = arg == "--peds" ? 256 : arg == "--frames" ? 1000000000 : UINT64_MAX;
        if (!ParseNumber(args[++i], arg == "--seed" ? 0 : 1, high, *value)) {
            return std::string(arg) + " needs a whole number from " + (arg == "--seed" ? "0" : "1") + " to " +
                   std::to_string(high) + ", not \"" + std::string(args[i]) + "\"";
        }
    }
    return options.frames == 0 ? "--frames is needed" : "";
}

// The world's own generator, apart from the plug-in's and the answers'.
struct WorldRandom {
    std::uint64_t state;
    std::uint32_t Next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(state >> 33);
    }
    bool OneIn(std::uint32_t n) { return Next() % n == 0; }
};

// The settings of each start in turn: every stage gets its turn, prompted and automatic.
const char* const kStartSettings[] = {
    "[Settings]\nDebugMode=1\n[CombatTaunts]\nAggressionChance=100\nAggressionMaxPeds=40\nGunfightCooldown=0\n",
    "[AutoTaunt]\nEnabled=1\nChanceDead=100\nChanceWrithing=100\nIntervalMin=0\nIntervalMax=1\n"
    "[AutoCombatTaunt]\nEnabled=1\nIntervalMin=0\nIntervalMax=2\n",
    "[Advanced]\nRepeatPreventionCount=2147483647\n[CombatTaunts]\nMeleeCooldown=0\nTackleChance=100\n",
};

// A ped of a fresh handle somewhere near the player, in a state that the stages care about.
void SpawnPed(sim::World& world, WorldRandom& random, std::int32_t handle) {
    sim::Ped& ped = world.peds[handle];
    ped.position = {static_cast<float>(random.Next() % 41) - 20.0f, static_cast<float>(random.Next() % 41) - 20.0f,
                    0.0f};
    ped.dead = random.OneIn(5);
    ped.writhing = random.OneIn(4);
    ped.fleeing = random.OneIn(6);
    ped.armed = random.OneIn(2);
    if (random.OneIn(2)) ped.fightingPeds = {kPlayer};
}

class Soak {
  public:
    Soak(const SoakOptions& options) : options_(options), random_{options.seed * 2654435761u + 1} {}

    void Run() {
        sim::ResetGame();
        sim::World& world = sim::TheGame().world;
        world.playerPed = kPlayer;
        world.peds[kPlayer].armed = true;
        for (std::uint64_t i = 0; i < options_.peds; ++i) SpawnPed(world, random_, nextHandle_++);
        sim::TheGame().clock.tick = 0xFFFFFFFFu - 600000u;  // ten minutes before the wrap
        for (std::uint64_t frame = 0; frame < options_.frames; ++frame) {
            if (frame % kFramesPerRestart == 0) Start(frame / kFramesPerRestart);
            ChangeWorld(world);
            quillomar::UpdateFrame(*state_);
            ForgetTheFrame();
            sim::TheGame().clock.tick += random_.OneIn(1000) ? 20000 + random_.Next() % 40000 : kFrameMs;
            if (frame % 64 == 0) Measure();
        }
        Measure();
    }
    const quillomar::StateSizes& Peak() const { return peak_; }

  private:
    void Start(std::uint64_t start) {
        std::ofstream("Quillomar.ini", std::ios::binary) << kStartSettings[start % std::size(kStartSettings)];
        state_ = &quillomar::StartPlugin();
        sim::SetChaos(options_.seed * 0x9E3779B97F4A7C15ull + start + 1);
    }
    // Now and then a ped vanishes and another appears under a new handle; the player turns to
    // look at someone else, or presses the prompts' control.
    void ChangeWorld(sim::World& world) {
        if (random_.OneIn(8)) {
            auto it = std::next(world.peds.begin(), 1 + random_.Next() % (world.peds.size() - 1));
            world.peds.erase(it);
            SpawnPed(world, random_, nextHandle_++);
            if (nextHandle_ > 2000000000) nextHandle_ = 2;
        }
        if (random_.OneIn(30)) {
            auto it = std::next(world.peds.begin(), random_.Next() % world.peds.size());
            world.focusEntity = it->first;
            world.freeAimEntity = random_.OneIn(2) ? it->first : 0;
        }
        sim::TheGame().pressedControl = random_.OneIn(3) ? 0xDFF812F9u : 0u;
    }
    // Nothing of the frame is kept: the calls, the events and the texts made in it.
    static void ForgetTheFrame() {
        sim::Game& game = sim::TheGame();
        game.calls.clear();
        game.events.clear();
        game.gameTexts.clear();
    }
    void Measure() {
        const quillomar::StateSizes now = quillomar::MeasureState(*state_);
        auto keep = [](std::size_t& peak, std::size_t value) { peak = std::max(peak, value); };
        keep(peak_.tauntRecords, now.tauntRecords);
        keep(peak_.provokedPeds, now.provokedPeds);
        keep(peak_.hostilePeds, now.hostilePeds);
        keep(peak_.repeatQueues, now.repeatQueues);
        keep(peak_.repeatSlots, now.repeatSlots);
        keep(peak_.linePoolRows, now.linePoolRows);
        keep(peak_.prompts, now.prompts);
    }

    SoakOptions options_;
    WorldRandom random_;
    std::int32_t nextHandle_ = 2;
    quillomar::PluginState* state_ = nullptr;
    quillomar::StateSizes peak_{};
};

long PeakMemoryKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int RunSoak(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kSoakUsage;
        return 0;
    }
    SoakOptions options;
    if (std::string error = ParseSoakOptions(args, options); !error.empty()) {
        err << "quillomar soak: " << error << "\n\n" << kSoakUsage;
        return 2;
    }
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quillomar-soak-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const auto started = std::chrono::steady_clock::now();
    Soak soak(options);
    soak.Run();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);

    const std::size_t longest = quillomar::LongestList(quillomar::BuiltInCatalogues());
    const quillomar::StateSizes& peak = soak.Peak();
    struct Row {
        const char* what;
        std::size_t size, bound;
    } rows[] = {
        {"taunt history (peds)", peak.tauntRecords, quillomar::kMaxTauntRecords},
        {"provoked peds (room)", peak.provokedPeds, quillomar::kMaxProvokedPeds},
        {"hostile peds (room)", peak.hostilePeds, static_cast<std::size_t>(quillomar::kNearbyPedCapacity)},
        {"line history queues", peak.repeatQueues, 11},
        {"line history (rows a queue)", peak.repeatSlots, longest},
        {"line pools (rows)", peak.linePoolRows, longest},
        {"prompts", peak.prompts, 2},
    };
    out << options.frames << " frames in " << seconds << " s: " << static_cast<long>(options.frames / seconds)
        << " frames per second, peak memory " << PeakMemoryKilobytes() / 1024 << " MB\n";
    bool within = true;
    for (const Row& row : rows) {
        const bool ok = row.size <= row.bound;
        within = within && ok;
        out << "  " << row.what << ": " << row.size << " of at most " << row.bound << (ok ? "" : "  OVER ITS BOUND")
            << "\n";
    }
    return within ? 0 : 1;
}

}  // namespace tool
