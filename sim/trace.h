#pragma once
// The trace: a complete, platform-independent record of a run, one JSON object per line, from
// which the plug-in's run can be replayed without the world.
//   {"seed":S,"settings":{...},"lines":[...]}     first line; lines only when a taunt list file is in use
//   {"restart":{"seed":S,"settings":{...},...}}   when the host starts the script again, before the next frame
//   {"reload":{"settings":{...},...}}             when the plug-in read the player's files again, before
//                                                 the frame that used them
//   {"key":[code,repeats,scan,extended,alt,wasDown,isUp,held]}   a keyboard message, before the frame
//                                                 that reads it; held: CTRL and SHIFT as Windows held them
//   {"frame":N,"tick":T}                          before each frame's calls
//   {"hash":"0x…","args":[…],"results":[…],"writes":[…]}   each native call

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "game.h"

namespace sim {

// filesFields: what the start read of the player's files, "settings":{...} and any "lines":[...].
std::string TraceHeader(std::uint32_t seed, std::string_view filesFields);
std::string TraceRestart(std::uint32_t seed, std::string_view filesFields);
std::string TraceReload(std::string_view filesFields);
std::string TraceKey(const KeyMessage& message);
std::string TraceFrame(std::int64_t frame, std::uint32_t tick);
std::string TraceCall(const RecordedCall& call);

// Writes a trace to its file line by line as the run goes, so a run of any length keeps none of
// it in memory. The Linux tool and the Wine driver both write through it.
class TraceWriter {
  public:
    TraceWriter() = default;
    TraceWriter(const TraceWriter&) = delete;
    TraceWriter& operator=(const TraceWriter&) = delete;
    ~TraceWriter();

    // Creates or empties the file; false, with errno telling why, when it cannot.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }

    // The files a start of the script read: the header for the first, a restart record after.
    void Start(std::uint32_t seed, std::string_view filesFields);
    void Reload(std::string_view filesFields);
    void Key(const KeyMessage& message);
    void Frame(std::int64_t frame, std::uint32_t tick);
    void Call(const RecordedCall& call);

    // Closes the file; false when any line could not be written.
    bool Close();

  private:
    void Write();

    std::FILE* file_ = nullptr;
    bool failed_ = false;
    bool started_ = false;
    std::string line_;  // reused for every line
};

// JSON pieces the trace is made of, shared with whoever writes the settings object.
std::string JsonString(std::string_view text);
std::string JsonHex(std::uint64_t value, int digits);
// A float written the same on every platform: shortest round-trip digits, always with a decimal
// point or exponent; infinities and NaN, which JSON lacks, as strings.
std::string JsonFloat(float value);

}  // namespace sim
