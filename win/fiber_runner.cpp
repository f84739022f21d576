// The stand-in host's script fiber: ScriptMain runs on a fiber of its own, and every scriptWait
// switches back to the host's fiber, one frame per switch, as the game's script host does.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "game.h"
#include "script_runner.h"

namespace sim {
namespace {

struct Fibers {
    void* host = nullptr;    // the driver's thread, turned into a fiber once
    void* script = nullptr;  // the running script, or null
    ScriptEntry entry = nullptr;
    bool inScript = false;  // the script fiber is the one running
    bool finished = false;  // the entry returned: there is nothing more to run
};

Fibers gFibers;

void WINAPI ScriptFiber(void*) {
    gFibers.entry();
    gFibers.finished = true;
    SwitchToFiber(gFibers.host);  // never resumed: a fiber must not return
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "stand-in host: %s (error %lu)\n", what, GetLastError());
    std::abort();
}

void EnsureHostFiber() {
    if (gFibers.host != nullptr) return;
    gFibers.host = ConvertThreadToFiber(nullptr);
    if (gFibers.host == nullptr) Fail("cannot turn the driver's thread into a fiber");
}

}  // namespace

void StartScript() {
    StopScript();
    gFibers.entry = TheGame().scriptEntry;
    if (gFibers.entry == nullptr) {
        std::fprintf(stderr, "stand-in host: no script registered\n");
        std::abort();
    }
    EnsureHostFiber();
    gFibers.finished = false;
    gFibers.script = CreateFiber(0, ScriptFiber, nullptr);
    if (gFibers.script == nullptr) Fail("cannot create the script fiber");
}

void RunFrame() {
    if (gFibers.script == nullptr || gFibers.finished) return;
    gFibers.inScript = true;
    SwitchToFiber(gFibers.script);
    gFibers.inScript = false;
}

void StopScript() {
    // The script is parked in scriptWait. Its fiber is dropped without unwinding, as the game's
    // host drops it when a save is loaded: whatever a start-up holds must survive the next one.
    if (gFibers.script == nullptr) return;
    DeleteFiber(gFibers.script);
    gFibers.script = nullptr;
}

}  // namespace sim

extern "C" void scriptWait(std::uint32_t) {
    // Outside the script fiber there is nothing to hand over to.
    if (!sim::gFibers.inScript) return;
    SwitchToFiber(sim::gFibers.host);
}
