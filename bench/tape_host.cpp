#include "tape_host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/script_host.h"

namespace tape_host {
namespace {

struct HostState {
    const tape::Tape* tape = nullptr;
    std::uint32_t next = 0;  // the tape's next call
    std::uint32_t tick = 0;
    std::uint64_t hash = 0;
    std::uint64_t pushed[tape::kMaxArgs] = {};
    std::uint32_t pushedCount = 0;
    std::uint64_t results[tape::kResultSlots] = {};  // reused by every call, as a real host's
};

HostState gHost;

[[noreturn]] void Diverged(const char* what) {
    std::fprintf(stderr, "tape host: %s: %s, at call %u (hash 0x%016llX)\n", gHost.tape ? gHost.tape->name.c_str() : "",
                 what, gHost.next, static_cast<unsigned long long>(gHost.hash));
    std::exit(3);  // not abort: the replay's folder is removed on the way out
}

// The nearby-ped buffer is the largest out-argument: its capacity and the handles after it.
std::uint64_t gScratch[512];

}  // namespace

void Play(const tape::Tape& tape) {
    gHost = HostState{};
    gHost.tape = &tape;
    if (!tape.frames.empty()) gHost.tick = tape.frames.front().tick;
}

void BeginFrame(const tape::Frame& frame) {
    gHost.tick = frame.tick;
    if (gHost.next != frame.firstCall) Diverged("a frame begins out of step");
}

void EndFrame(const tape::Frame& frame) {
    if (gHost.next != frame.firstCall + frame.callCount) Diverged("the frame made fewer calls than the tape");
}

void CallFrameBare(const tape::Frame& frame) {
    gHost.next = frame.firstCall;
    for (std::uint32_t c = frame.firstCall; c < frame.firstCall + frame.callCount; ++c) {
        const tape::Call& call = gHost.tape->calls[c];
        nativeInit(call.hash);
        for (std::uint32_t i = 0; i < call.argCount; ++i) {
            bool pointer = (call.pointerArgs >> i & 1u) != 0;
            nativePush64(pointer ? reinterpret_cast<std::uintptr_t>(gScratch) : call.args[i]);
        }
        nativeCall();
    }
}

}  // namespace tape_host

using tape_host::gHost;

extern "C" {

void scriptRegister(void*, ScriptEntry) {}
void scriptUnregister(void*) {}
void scriptWait(std::uint32_t) {}
void keyboardHandlerRegister(KeyboardHandler) {}
void keyboardHandlerUnregister(KeyboardHandler) {}

void nativeInit(std::uint64_t hash) {
    gHost.hash = hash;
    gHost.pushedCount = 0;
    if (gHost.tape == nullptr || gHost.next >= gHost.tape->calls.size()) tape_host::Diverged("a call past the tape");
    if (gHost.tape->calls[gHost.next].hash != hash) tape_host::Diverged("another native than the tape's");
}

void nativePush64(std::uint64_t slot) {
    if (gHost.pushedCount == tape::kMaxArgs) tape_host::Diverged("too many arguments");
    gHost.pushed[gHost.pushedCount++] = slot;
}

std::uint64_t* nativeCall() {
    const tape::Tape& tape = *gHost.tape;
    const tape::Call& call = tape.calls[gHost.next];
    if (gHost.pushedCount != call.argCount) tape_host::Diverged("another argument count than the tape's");
    for (std::uint32_t i = 0; i < call.argCount; ++i) {
        if ((call.pointerArgs >> i & 1u) == 0 && gHost.pushed[i] != call.args[i])
            tape_host::Diverged("another argument than the tape's");
    }
    for (std::uint32_t w = call.firstWrite; w < call.firstWrite + call.writeCount; ++w) {
        const tape::Write& write = tape.writes[w];
        auto* out = reinterpret_cast<std::uint64_t*>(static_cast<std::uintptr_t>(gHost.pushed[write.arg]));
        std::memcpy(out + write.offset, &tape.slots[write.first], write.count * sizeof(std::uint64_t));
    }
    std::memcpy(gHost.results, call.results, sizeof gHost.results);
    ++gHost.next;
    return gHost.results;
}

std::uint32_t hostTickCount() { return gHost.tick; }
// The tapes hold no key messages, so no key is ever down.
std::uint32_t hostKeyDown(std::uint32_t) { return 0; }
// The calendar moves on with the tick count from the tape's first frame, as the simulated game's does.
std::uint32_t hostCalendarSeconds() {
    if (gHost.tape == nullptr || gHost.tape->frames.empty()) return 0;
    return gHost.tape->calendarSeconds + (gHost.tick - gHost.tape->frames.front().tick) / 1000;
}

}  // extern "C"
