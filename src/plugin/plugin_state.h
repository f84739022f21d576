#pragma once
// Everything the plug-in keeps between frames, in one object built fresh at every start of the
// script, so a restart begins exactly as a fresh load does.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "config/settings.h"
#include "frame/frame_state.h"
#include "frame/notice.h"
#include "frame/taunt_state.h"
#include "plugin/live_files.h"

namespace quillomar {

struct PluginState {
    Settings settings{};  // in force: read at start-up, and again when the player changes the file
    FrameState frame;
    TauntState taunting;
    std::optional<std::uint64_t> linesDigest;  // of the list file the lines in force came from; none: built in
    FilesWatch watch;
    Notice notice;                 // about the player's files and keys
    Notice lineName;               // the line said last, with ShowLineNames
    std::uint32_t reloads = 0;     // times the player's files were read again since the start
    bool switchedOff = false;      // by the toggle key, until it is pressed again or the script starts anew
    std::uint64_t linesNamed = 0;  // the lines said so far that ShowLineNames has had its say on
};

// How much the state holds, piece by piece. Each has a bound that no run exceeds, however long.
struct StateSizes {
    std::size_t tauntRecords;  // at most kMaxTauntRecords
    std::size_t provokedPeds;  // at most kMaxProvokedPeds
    std::size_t hostilePeds;   // at most kNearbyPedCapacity
    std::size_t repeatQueues;  // one per list
    std::size_t repeatSlots;   // at most the longest list, in every queue
    std::size_t linePoolRows;  // at most the longest list, in each pool
    std::size_t prompts;       // at most three
    std::size_t mutedLines;    // at most kMaxMutedRows read, and each line of the catalogues once by key
};

StateSizes MeasureState(const PluginState& state);

}  // namespace quillomar
