// The simulated game's script host: the eight entry points the plug-in links against, the clock
// it reads, and the recorder of native calls.

#include "game.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chaos.h"
#include "keyboard.h"
#include "natives.h"

namespace sim {
namespace {

Game gGame;

// The call being assembled between nativeInit and nativeCall.
struct PendingCall {
    static constexpr std::size_t kMaxSlots = 16;  // no native takes more arguments
    std::uint64_t hash = 0;
    std::uint64_t slots[kMaxSlots] = {};
    std::size_t count = 0;
    std::uint64_t results[3] = {0, 0, 0};
};
PendingCall gPending;

[[noreturn]] void Fail(const char* what, std::uint64_t hash) {
    std::fprintf(stderr, "simulated game: %s 0x%016llX\n", what, static_cast<unsigned long long>(hash));
    std::abort();
}

RecordedArg RecordArg(char kind, std::uint64_t slot) {
    RecordedArg arg;
    arg.slot = slot;
    if (kind == 't') {
        arg.kind = RecordedArg::Kind::Text;
        arg.text = TextAt(slot);
    } else if (kind == 'b') {
        arg.kind = RecordedArg::Kind::Block;
        const std::uint64_t* block = reinterpret_cast<const std::uint64_t*>(static_cast<std::uintptr_t>(slot));
        for (std::size_t i = 0; i < kSpeechRequestSlots; ++i) {
            arg.block.push_back(RecordArg(i < 2 ? 't' : 'i', block[i]));
        }
    } else if (std::strchr("ovn", kind) != nullptr) {
        arg.kind = RecordedArg::Kind::Out;
        arg.outSlots = OutSlots(kind, slot);
    }
    return arg;
}

}  // namespace

Game& TheGame() { return gGame; }

void ResetGame() {
    gGame = Game{};
    SetChaos(0);
}

}  // namespace sim

using sim::gGame;
using sim::gPending;

extern "C" {

void scriptRegister(void* module, ScriptEntry entry) {
    gGame.scriptModule = module;
    gGame.scriptEntry = entry;
}

void scriptUnregister(void* module) {
    if (gGame.scriptModule == module) gGame.scriptEntry = nullptr;
}

void keyboardHandlerRegister(KeyboardHandler handler) { gGame.keyboardHandler = handler; }

void keyboardHandlerUnregister(KeyboardHandler handler) {
    if (gGame.keyboardHandler == handler) gGame.keyboardHandler = nullptr;
}

void nativeInit(std::uint64_t hash) {
    gPending.hash = hash;
    gPending.count = 0;
}

void nativePush64(std::uint64_t slot) {
    if (gPending.count == sim::PendingCall::kMaxSlots) sim::Fail("too many arguments for native", gPending.hash);
    gPending.slots[gPending.count++] = slot;
}

std::uint64_t* nativeCall() {
    if (gGame.nativeCallHook != nullptr) gGame.nativeCallHook(true);
    const sim::NativeDef* def = sim::FindNative(gPending.hash);
    if (def == nullptr) sim::Fail("unknown native", gPending.hash);
    std::span<const std::uint64_t> slots(gPending.slots, gPending.count);
    if (std::strlen(def->params) != slots.size()) sim::Fail("wrong argument count for native", gPending.hash);

    sim::NativeCall call{slots, def->params, gGame, {0, 0, 0}, {}};
    sim::RecordedCall record;
    record.hash = def->hash;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        record.args.push_back(sim::RecordArg(def->params[i], slots[i]));
        if (record.args.back().kind == sim::RecordedArg::Kind::Out) call.writes.emplace_back();
    }
    def->handler(call);
    if (sim::ChaosEnabled()) sim::ScrambleAnswer(call, def->hash);
    record.results.assign(call.results, call.results + def->resultSlots);
    record.writes = std::move(call.writes);
    gGame.calls.push_back(std::move(record));

    std::memcpy(gPending.results, call.results, sizeof gPending.results);
    if (gGame.nativeCallHook != nullptr) gGame.nativeCallHook(false);
    return gPending.results;
}

std::uint32_t hostTickCount() { return gGame.clock.tick; }
std::uint32_t hostCalendarSeconds() { return gGame.clock.CalendarNow(); }
std::uint32_t hostKeyDown(std::uint32_t virtualKey) { return sim::KeyDown(virtualKey) ? 1 : 0; }

}  // extern "C"
