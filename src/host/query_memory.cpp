#include "host/query_memory.h"

#include <algorithm>

namespace quillomar::invoker {
namespace {

// Open addressing over a power-of-two table. An entry is alive only when it carries the current
// generation, so forgetting everything is one increment, however full the table.
constexpr std::size_t kEntries = 1024;
constexpr std::size_t kMaxAlive = kEntries * 3 / 4;  // beyond this, probes grow long: remember no more
constexpr std::size_t kResultSlots = 3;              // a vector is the widest answer

struct Entry {
    std::uint32_t generation = 0;
    std::uint32_t count = 0;
    bool hostAnswered = false;  // false: the host returned no slots at all
    std::uint64_t hash = 0;
    std::uint64_t args[kMaxRememberedArgs] = {};
    std::uint64_t answer[kResultSlots] = {};
};

struct Memory {
    bool active = false;
    std::uint32_t generation = 1;
    std::size_t alive = 0;
};

Memory gMemory;
// Apart from the counts: all zeros, the table goes to .bss and takes no room in the file.
Entry gEntries[kEntries];

std::size_t Home(std::uint64_t hash, const std::uint64_t* args, std::size_t count) {
    std::uint64_t key = hash;
    for (std::size_t i = 0; i < count; ++i) {
        key = (key ^ args[i]) * 0x9E3779B97F4A7C15u;
        key ^= key >> 29;
    }
    key *= 0xBF58476D1CE4E5B9u;
    return static_cast<std::size_t>(key >> 32) & (kEntries - 1);
}

bool Matches(const Entry& entry, std::uint64_t hash, const std::uint64_t* args, std::size_t count) {
    return entry.hash == hash && entry.count == count && std::equal(args, args + count, entry.args);
}

}  // namespace

bool Recall(std::uint64_t hash, const std::uint64_t* args, std::size_t count, const std::uint64_t*& answer) {
    if (!gMemory.active || count > kMaxRememberedArgs) return false;
    for (std::size_t i = Home(hash, args, count);; i = (i + 1) & (kEntries - 1)) {
        const Entry& entry = gEntries[i];
        if (entry.generation != gMemory.generation) return false;
        if (Matches(entry, hash, args, count)) {
            answer = entry.hostAnswered ? entry.answer : nullptr;
            return true;
        }
    }
}

const std::uint64_t* Remember(std::uint64_t hash, const std::uint64_t* args, std::size_t count,
                              const std::uint64_t* answer) {
    if (!gMemory.active || count > kMaxRememberedArgs || gMemory.alive == kMaxAlive) return answer;
    std::size_t i = Home(hash, args, count);
    while (gEntries[i].generation == gMemory.generation) i = (i + 1) & (kEntries - 1);
    Entry& entry = gEntries[i];
    entry.generation = gMemory.generation;
    entry.count = static_cast<std::uint32_t>(count);
    entry.hash = hash;
    std::copy(args, args + count, entry.args);
    entry.hostAnswered = answer != nullptr;
    if (answer != nullptr) std::copy(answer, answer + kResultSlots, entry.answer);
    ++gMemory.alive;
    return entry.hostAnswered ? entry.answer : nullptr;
}

void ForgetAnswers() {
    gMemory.alive = 0;
    if (++gMemory.generation != 0) return;
    // After 2^32 forgettings the generations start again: no old entry may pass for a new one.
    for (Entry& entry : gEntries) entry.generation = 0;
    gMemory.generation = 1;
}

FrameMemory::FrameMemory() {
    ForgetAnswers();
    gMemory.active = true;
}

FrameMemory::~FrameMemory() {
    gMemory.active = false;
    ForgetAnswers();
}

}  // namespace quillomar::invoker
