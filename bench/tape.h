#pragma once
// A world's native tape: every native call the plug-in made while it ran in the simulated game,
// frame by frame, with the answers it got (result slots and out-argument writes). A minimal host
// hands the answers back in order, so the plug-in can run again without the game.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tape {

inline constexpr std::size_t kMaxArgs = 16;
inline constexpr std::size_t kResultSlots = 3;

// Slots the game wrote through one out-argument, from slot `offset` of the caller's buffer on.
struct Write {
    std::uint8_t arg = 0;
    std::uint32_t offset = 0;
    std::uint32_t first = 0;  // into Tape::slots
    std::uint32_t count = 0;
};

struct Call {
    std::uint64_t hash = 0;
    std::uint32_t argCount = 0;
    std::uint32_t pointerArgs = 0;  // bit i: argument i is an address, different on every run
    std::uint64_t args[kMaxArgs] = {};
    std::uint64_t results[kResultSlots] = {};
    std::uint32_t firstWrite = 0;  // into Tape::writes
    std::uint32_t writeCount = 0;
};

struct Frame {
    std::uint32_t tick = 0;
    bool start = false;  // the script (re)started just before this frame
    std::uint32_t firstCall = 0;
    std::uint32_t callCount = 0;
};

struct Tape {
    std::string name;
    bool generated = false;  // a world made up for measuring, not a scenario file
    std::uint32_t calendarSeconds = 0;
    std::optional<std::string> ini;                          // the settings file the world starts with, or none
    std::vector<std::pair<std::string, std::string>> files;  // further files it starts with, by name
    std::vector<Frame> frames;
    std::vector<Call> calls;
    std::vector<Write> writes;
    std::vector<std::uint64_t> slots;
};

// One tape per file, NAME.tape, with its settings file beside it as NAME.ini when it has one and
// its further files in the folder NAME.files.
bool Save(const Tape& tape, const std::string& dir);
std::optional<Tape> Load(const std::string& path);
// Every tape in a folder, by name; none when one of them cannot be read.
std::optional<std::vector<Tape>> LoadAll(const std::string& dir);

}  // namespace tape
