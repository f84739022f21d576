#pragma once
// The trace: a complete, platform-independent record of a run, one JSON object per line, from
// which the plug-in's run can be replayed without the world.
//   {"seed":S,"settings":{...}}                   first line
//   {"frame":N,"tick":T}                          before each frame's calls
//   {"hash":"0x…","args":[…],"results":[…],"writes":[…]}   each native call

#include <cstdint>
#include <string>
#include <string_view>

#include "game.h"

namespace sim {

std::string TraceHeader(std::uint32_t seed, std::string_view settingsObject);
std::string TraceFrame(int frame, std::uint32_t tick);
std::string TraceCall(const RecordedCall& call);

// JSON pieces the trace is made of, shared with whoever writes the settings object.
std::string JsonString(std::string_view text);
std::string JsonHex(std::uint64_t value, int digits);
// A float written the same on every platform: shortest round-trip digits, always with a decimal
// point or exponent; infinities and NaN, which JSON lacks, as strings.
std::string JsonFloat(float value);

}  // namespace sim
