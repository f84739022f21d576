#include "replay.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "allocation_count.h"
#include "core/player_folder.h"
#include "host/native_hashes.h"
#include "plugin_driver.h"
#include "tape_host.h"

namespace replay {
namespace {

namespace fs = std::filesystem;

bool MakesPrompts(const tape::Tape& tape, const tape::Frame& frame) {
    auto first = tape.calls.begin() + frame.firstCall;
    return std::any_of(first, first + frame.callCount,
                       [](const tape::Call& call) { return call.hash == quillomar::native::UI_PROMPT_REGISTER_BEGIN; });
}

void PlayAll(const tape::Tape& tape, std::vector<std::size_t>* allocations) {
    Rewind(tape);
    for (const tape::Frame& frame : tape.frames) {
        BeginFrame(frame);
        if (frame.start) StartUp();
        std::size_t before = alloc::Count();
        RunFrame(frame);
        if (allocations != nullptr) allocations->push_back(alloc::Count() - before);
    }
}

}  // namespace

// A folder of this process's own, so that replays running at once keep their settings apart.
fs::path ReplayFolder() { return fs::temp_directory_path() / ("quillomar-replay-" + std::to_string(getpid())); }

void EnterReplayFolder() {
    fs::remove_all(ReplayFolder());
    fs::create_directories(ReplayFolder());
    fs::current_path(ReplayFolder());
    // A replay that ends early, as when a tape and the plug-in part ways, leaves no folder behind.
    static const bool removedAtExit = std::atexit(LeaveReplayFolder) == 0;
    (void)removedAtExit;
}

void LeaveReplayFolder() {
    fs::current_path(fs::temp_directory_path());
    std::error_code ignored;
    fs::remove_all(ReplayFolder(), ignored);
}

void Rewind(const tape::Tape& tape) {
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
    if (tape.ini) std::ofstream(quillomar::kSettingsFile.Name(), std::ios::binary) << *tape.ini;
    for (const auto& [name, text] : tape.files) std::ofstream(name, std::ios::binary) << text;
    tape_host::Play(tape);
}

void BeginFrame(const tape::Frame& frame) { tape_host::BeginFrame(frame); }

void StartUp() { driver::Start(); }

void RunFrame(const tape::Frame& frame) {
    driver::Frame();
    tape_host::EndFrame(frame);
}

Counts Count(const tape::Tape& tape) {
    PlayAll(tape, nullptr);
    std::vector<std::size_t> allocations;
    PlayAll(tape, &allocations);
    Counts counts;
    counts.frames = tape.frames.size();
    for (std::size_t i = 0; i < tape.frames.size(); ++i) {
        const tape::Frame& frame = tape.frames[i];
        counts.totalCalls += frame.callCount;
        counts.maxCalls = std::max<std::size_t>(counts.maxCalls, frame.callCount);
        if (frame.start || MakesPrompts(tape, frame)) continue;
        ++counts.steadyFrames;
        counts.maxSteadyAllocations = std::max(counts.maxSteadyAllocations, allocations[i]);
        counts.allocatingSteadyFrames += allocations[i] != 0 ? 1 : 0;
    }
    return counts;
}

}  // namespace replay
