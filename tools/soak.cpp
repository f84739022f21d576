#include "soak.h"

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>

#include "chaos.h"
#include "core/player_folder.h"
#include "folder_files.h"
#include "game.h"
#include "host/game_controls.h"
#include "host/native_hashes.h"
#include "keyboard.h"
#include "plugin/field_report.h"
#include "plugin/plugin.h"
#include "plugin/plugin_state.h"
#include "plugin/update_frame.h"
#include "plugin_folder.h"
#include "script_runner.h"
#include "speech/line_catalogue.h"
#include "speech/line_file.h"
#include "speech/muted_lines.h"

namespace tool {
namespace {

constexpr const char* kSoakUsage =
    "usage: quillomar soak --frames N [--seed S] [--peds K] [--max-memory MB]\n"
    "\n"
    "Plays the plug-in for N frames (1 to 1000000000) in a world whose peds keep appearing and\n"
    "vanishing under new handles, whose natives now and then answer arbitrarily, whose tick count\n"
    "starts just before its wrap, whose settings, taunt list and muted files are rewritten now and\n"
    "then (with garbage too), whose toggle and mute keys are pressed at random and whose script is\n"
    "started again now and then. Plays in a temporary folder, removed at the end, and keeps no\n"
    "record.\n"
    "Prints frames per second, the peak memory and the size of every piece of the plug-in's state\n"
    "beside its bound; exits 1 when a size passes its bound.\n"
    "  --seed S          the world's and the answers' generator (default 1)\n"
    "  --peds K          peds in the world at any time, 1 to 256 (default 24)\n"
    "  --max-memory MB   the bound of the peak memory, in MB (default: none)\n";

constexpr std::int32_t kPlayer = 1;
constexpr std::uint32_t kFramesPerRestart = 250000;
constexpr std::uint32_t kFrameMs = 33;

struct SoakOptions {
    std::uint64_t frames = 0;
    std::uint64_t seed = 1;
    std::uint64_t peds = 24;
    std::uint64_t maxMemoryMb = 0;  // 0: no bound
};

bool ParseNumber(std::string_view text, std::uint64_t low, std::uint64_t high, std::uint64_t& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value >= low && value <= high;
}

std::string ParseSoakOptions(std::span<const std::string_view> args, SoakOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        std::uint64_t* value = arg == "--frames"       ? &options.frames
                               : arg == "--seed"       ? &options.seed
                               : arg == "--peds"       ? &options.peds
                               : arg == "--max-memory" ? &options.maxMemoryMb
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

// The settings of each start in turn: every stage gets its turn, prompted and automatic. Each
// names the list file, which the soak rewrites as it does the settings file, and the keys it
// presses.
const char* const kStartSettings[] = {
    "[Settings]\nDebugMode=1\nToggleKey=F9\nMuteKey=F10\nMutePrompt=1\n[CombatTaunts]\nAggressionChance=100\n"
    "AggressionMaxPeds=40\nGunfightCooldown=0\n[Advanced]\nTauntListFile=soak-lines.txt\nShowLineNames=1\n"
    "FieldReport=1\n",
    "[AutoTaunt]\nEnabled=1\nChanceDead=100\nChanceWrithing=100\nIntervalMin=0\nIntervalMax=1\n"
    "[AutoCombatTaunt]\nEnabled=1\nIntervalMin=0\nIntervalMax=2\n[Advanced]\nTauntListFile=soak-lines.txt\n"
    "ShowLineNames=1\n[Settings]\nToggleKey=F9\nMuteKey=CTRL+F10\n",
    "[Advanced]\nRepeatPreventionCount=2147483647\nTauntListFile=soak-lines.txt\nFieldReport=1\n"
    "[CombatTaunts]\nMeleeCooldown=0\nTackleChance=100\n[Settings]\nMuteKey=F10\nMutePrompt=1\nMutePromptControl=INPUT_"
    "CONTEXT_X\n",
};
constexpr const char* kListFile = "soak-lines.txt";

// A list file of the soak's choosing: lists of made-up lines, one as long as a list may be, or
// lists left empty.
std::string SoakLines(WorldRandom& random) {
    std::string text;
    for (std::size_t list = 0; list < quillomar::kLineListCount; ++list) {
        if (random.OneIn(2)) continue;
        const auto name = static_cast<quillomar::LineList>(list);
        text += quillomar::LineFileSection(random.OneIn(2) ? quillomar::VoiceSet::John : quillomar::VoiceSet::Arthur,
                                           name) +
                "\n";
        const std::uint32_t rows = random.OneIn(8) ? quillomar::kMaxListRows + 10 : random.Next() % 40;
        for (std::uint32_t row = 0; row < rows; ++row) {
            text += "SOAK_LINE_" + std::to_string(row % 97) + (random.OneIn(3) ? " generic" : "") +
                    (random.OneIn(4) ? " male body-nearby" : "") + " variation " + std::to_string(row % 5) + "\n";
        }
    }
    return text;
}

std::string Garbage(WorldRandom& random) {
    std::string bytes(random.Next() % 4096, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random.Next());
    return bytes;
}

// A muted file of the soak's choosing: some of its made-up lines, with a variation or every one.
std::string SoakMuted(WorldRandom& random) {
    std::string text = "; soak\n";
    for (std::uint32_t row = random.Next() % 30; row > 0; --row) {
        text += "SOAK_LINE_" + std::to_string(random.Next() % 97) +
                (random.OneIn(2) ? " variation " + std::to_string(random.Next() % 5) : "") + "\n";
    }
    return text;
}

// A key message as the game's window sends it, for the toggle key, the mute key or another.
sim::KeyMessage SoakKey(WorldRandom& random) {
    constexpr std::uint32_t kKeys[] = {0x78, 0x79, 0x79, 0x79, 0x11, 0x41};  // F9, F10 most, CTRL, A
    const std::uint32_t code = kKeys[random.Next() % std::size(kKeys)];
    const std::int32_t up = random.OneIn(2) ? 1 : 0;
    return {code, 1, 0, 0, 0, up != 0 || random.OneIn(3) ? 1 : 0, up};
}

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

// The size of a file of the plug-in's folder, 0 for none.
std::size_t FileSize(const char* name) {
    std::error_code missing;
    const std::uintmax_t size = std::filesystem::file_size(name, missing);
    return missing ? 0 : static_cast<std::size_t>(size);
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
            if (random_.OneIn(2000)) ChangeFiles(frame);
            if (random_.OneIn(300)) {
                sim::KeyMessage message = SoakKey(random_);
                sim::SendKey(message);
                ++keyMessages_;
            }
            quillomar::UpdateFrame(*state_);
            ForgetTheFrame();
            sim::TheGame().clock.tick += random_.OneIn(1000) ? 20000 + random_.Next() % 40000 : kFrameMs;
            if (frame % 64 == 0) Measure();
        }
        Measure();
    }
    const quillomar::StateSizes& Peak() const { return peak_; }
    std::uint64_t FileChanges() const { return fileChanges_; }
    std::uint64_t Reloads() const { return reloads_; }
    std::uint64_t KeyMessages() const { return keyMessages_; }
    std::uint64_t MutesByHold() const { return mutesByHold_; }
    std::size_t ReportBytes() const { return reportBytes_; }

  private:
    void Start(std::uint64_t start) {
        if (state_ != nullptr) Measure();  // the last frames of the previous start
        Write(quillomar::kSettingsFile.Name(), kStartSettings[start % std::size(kStartSettings)],
              start * kFramesPerRestart);
        state_ = &quillomar::StartPlugin();
        lastReloads_ = 0;
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
        sim::TheGame().pressedControl = random_.OneIn(3) ? quillomar::kDefaultPromptControl : 0u;
        // The Mute line prompt is held now and then, on either control the settings give it.
        constexpr std::uint32_t kHeld[] = {quillomar::Joaat("INPUT_INTERACT_OPTION2"),
                                           quillomar::Joaat("INPUT_CONTEXT_X")};
        sim::TheGame().heldControl = random_.OneIn(40) ? kHeld[random_.Next() % 2] : 0u;
    }
    // The player's files changed while the game runs: rewritten, with garbage too, or removed.
    void ChangeFiles(std::uint64_t frame) {
        const std::uint32_t which = random_.Next() % 3;
        const char* name = which == 0   ? quillomar::kSettingsFile.Name()
                           : which == 1 ? kListFile
                                        : quillomar::kMutedFile.Name();
        const std::uint32_t kind = random_.Next() % 4;
        if (kind == 0) {
            std::string ignored;
            sim::RemoveFolderFile(name, ignored);
        } else if (kind == 1) {
            Write(name, Garbage(random_), frame);
        } else {
            Write(name,
                  which == 0   ? kStartSettings[random_.Next() % std::size(kStartSettings)]
                  : which == 1 ? SoakLines(random_)
                               : SoakMuted(random_),
                  frame);
        }
        ++fileChanges_;
    }
    // Stamped with the frame's number, so a run is repeatable whatever the real clock does.
    static void Write(const char* name, const std::string& text, std::uint64_t frame) {
        std::string ignored;
        sim::WriteFolderFile(name, text, 1780000000000ull + frame * kFrameMs, ignored);
    }
    // Nothing of the frame is kept: the calls, the events and the texts made in it; only the
    // holds of the Mute line prompt that completed are counted.
    void ForgetTheFrame() {
        sim::Game& game = sim::TheGame();
        for (const sim::RecordedCall& call : game.calls) {
            const bool held =
                call.hash == quillomar::native::UI_PROMPT_HAS_HOLD_MODE_COMPLETED && !call.results.empty();
            if (held && call.results[0] != 0) ++mutesByHold_;
        }
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
        keep(reportBytes_, FileSize(quillomar::kFieldReportFile.Name()));
        keep(peak_.repeatSlots, now.repeatSlots);
        keep(peak_.linePoolRows, now.linePoolRows);
        keep(peak_.prompts, now.prompts);
        keep(peak_.mutedLines, now.mutedLines);
        reloads_ += state_->reloads - std::exchange(lastReloads_, state_->reloads);
    }

    SoakOptions options_;
    WorldRandom random_;
    std::int32_t nextHandle_ = 2;
    quillomar::PluginState* state_ = nullptr;
    quillomar::StateSizes peak_{};
    std::uint64_t fileChanges_ = 0;
    std::uint64_t reloads_ = 0;
    std::uint64_t keyMessages_ = 0;
    std::uint64_t mutesByHold_ = 0;
    std::size_t reportBytes_ = 0;    // the largest the field report has been
    std::uint32_t lastReloads_ = 0;  // of the running start
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
    Soak soak(options);
    const auto started = std::chrono::steady_clock::now();
    {
        PluginFolder folder;  // removed even when the run ends in an error
        if (std::string error; !folder.Enter("", error)) {
            err << "quillomar soak: " << error << "\n";
            return 2;
        }
        soak.Run();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    // A list of the player's may be longer than any built-in one.
    const std::size_t longest =
        std::max(quillomar::LongestList(quillomar::BuiltInCatalogues()), quillomar::kMaxListRows);
    const quillomar::StateSizes& peak = soak.Peak();
    const auto peakMb = static_cast<std::size_t>(PeakMemoryKilobytes() / 1024);
    struct Row {
        const char* what;
        std::size_t size, bound;
    } rows[] = {
        {"taunt history (peds)", peak.tauntRecords, quillomar::kMaxTauntRecords},
        {"provoked peds (room)", peak.provokedPeds, quillomar::kMaxProvokedPeds},
        {"hostile peds (room)", peak.hostilePeds, static_cast<std::size_t>(quillomar::kNearbyPedCapacity)},
        {"line history queues", peak.repeatQueues, quillomar::kLineListCount},
        {"line history (rows a queue)", peak.repeatSlots, longest},
        {"line pools (rows)", peak.linePoolRows, longest},
        {"prompts", peak.prompts, 3},
        {"muted lines", peak.mutedLines,
         quillomar::kMaxMutedRows + quillomar::kVoiceSetCount * quillomar::kLineListCount * longest},
        {"field report (bytes)", soak.ReportBytes(), quillomar::kFieldReportLimit},
        {"peak memory (MB)", peakMb, options.maxMemoryMb != 0 ? options.maxMemoryMb : SIZE_MAX},
    };
    out << options.frames << " frames in " << seconds << " s: " << static_cast<long>(options.frames / seconds)
        << " frames per second, peak memory " << peakMb << " MB; the files changed " << soak.FileChanges()
        << " times and were read again " << soak.Reloads() << " times; " << soak.KeyMessages() << " key messages, "
        << soak.MutesByHold() << " mutes by the held prompt\n";
    bool within = true;
    for (const Row& row : rows) {
        if (row.bound == SIZE_MAX) continue;  // no bound asked for
        const bool ok = row.size <= row.bound;
        within = within && ok;
        out << "  " << row.what << ": " << row.size << " of at most " << row.bound << (ok ? "" : "  OVER ITS BOUND")
            << "\n";
    }
    return within ? 0 : 1;
}

}  // namespace tool
