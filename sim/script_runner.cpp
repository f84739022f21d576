#include "script_runner.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "game.h"

namespace sim {
namespace {

// Thrown from scriptWait to unwind a script that is being stopped. The plug-in's guard catches
// every error, but its loop waits outside the guard, so this passes by it.
struct ScriptStopped {};

enum class Turn { Host, Script };

struct Runner {
    std::mutex mutex;
    std::condition_variable changed;
    Turn turn = Turn::Host;
    bool stopping = false;
    bool finished = false;
    std::thread thread;
};

Runner* gRunner = nullptr;

void ScriptThread(Runner& runner, ScriptEntry entry) {
    {
        std::unique_lock lock(runner.mutex);
        runner.changed.wait(lock, [&] { return runner.turn == Turn::Script; });
        if (runner.stopping) {
            runner.finished = true;
            runner.changed.notify_all();
            return;
        }
    }
    try {
        entry();
    } catch (const ScriptStopped&) {
    }
    std::lock_guard lock(runner.mutex);
    runner.finished = true;
    runner.turn = Turn::Host;
    runner.changed.notify_all();
}

}  // namespace

void StartScript() {
    StopScript();
    ScriptEntry entry = TheGame().scriptEntry;
    if (entry == nullptr) {
        std::fprintf(stderr, "simulated game: no script registered\n");
        std::abort();
    }
    gRunner = new Runner;
    gRunner->thread = std::thread(ScriptThread, std::ref(*gRunner), entry);
}

void RunFrame() {
    if (gRunner == nullptr || gRunner->finished) return;
    std::unique_lock lock(gRunner->mutex);
    gRunner->turn = Turn::Script;
    gRunner->changed.notify_all();
    gRunner->changed.wait(lock, [] { return gRunner->turn == Turn::Host || gRunner->finished; });
}

void StopScript() {
    if (gRunner == nullptr) return;
    {
        std::lock_guard lock(gRunner->mutex);
        gRunner->stopping = true;
        gRunner->turn = Turn::Script;
        gRunner->changed.notify_all();
    }
    gRunner->thread.join();
    delete gRunner;
    gRunner = nullptr;
}

}  // namespace sim

extern "C" void scriptWait(std::uint32_t) {
    sim::Runner* runner = sim::gRunner;
    if (runner == nullptr) return;  // called outside a running script: nothing to hand over to
    std::unique_lock lock(runner->mutex);
    runner->turn = sim::Turn::Host;
    runner->changed.notify_all();
    runner->changed.wait(lock, [&] { return runner->turn == sim::Turn::Script; });
    if (runner->stopping) throw sim::ScriptStopped{};
}
